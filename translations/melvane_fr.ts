<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>GameText</name>
    <message>
        <source>At Risk  %1</source>
        <translation>En jeu  %1</translation>
    </message>
    <message>
        <source>Black/Red Win = %1</source>
        <translation>Gain Noir/Rouge = %1</translation>
    </message>
    <message>
        <source>Suit Win = %1</source>
        <translation>Gain Enseigne = %1</translation>
    </message>
    <message>
        <source>No Win  </source>
        <translation>Pas de gain  </translation>
    </message>
    <message>
        <source>No Win</source>
        <translation>Pas de gain</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Collect</source>
        <translation>Encaisser</translation>
    </message>
    <message>
        <source>past history</source>
        <translation>cartes précédentes</translation>
    </message>
    <message>
        <source>Bet 1 Coin</source>
        <translation>Miser 1 jeton</translation>
    </message>
    <message>
        <source>Bet 2 Coins</source>
        <translation>Miser 2 jetons</translation>
    </message>
    <message>
        <source>Bet 5 Coins</source>
        <translation>Miser 5 jetons</translation>
    </message>
    <message>
        <source>Bet 10 Coins</source>
        <translation>Miser 10 jetons</translation>
    </message>
    <message>
        <source>Bet 20 Coins</source>
        <translation>Miser 20 jetons</translation>
    </message>
    <message>
        <source> Play 3 Lines</source>
        <translation> Jouer 3 lignes</translation>
    </message>
    <message>
        <source>Play 9 Lines</source>
        <translation>Jouer 9 lignes</translation>
    </message>
    <message>
        <source>Play 27 Lines</source>
        <translation>Jouer 27 lignes</translation>
    </message>
    <message>
        <source>Play 81 Lines</source>
        <translation>Jouer 81 lignes</translation>
    </message>
    <message>
        <source>Play 243 Lines</source>
        <translation>Jouer 243 lignes</translation>
    </message>
    <message>
        <source>Click For Credit</source>
        <translation>Cliquez pour du crédit</translation>
    </message>
    <message>
        <source>Click to double or lose win</source>
        <translation>Quitte ou double</translation>
    </message>
    <message>
        <source>Not Enough Credit For This Bet !!</source>
        <translation>Crédit insuffisant pour cette mise !!</translation>
    </message>
    <message>
        <source>LAST BET</source>
        <translation>MISE JOUÉE</translation>
    </message>
    <message>
        <source>THIS WIN</source>
        <translation>CE GAIN</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Paytable</source>
        <translation>&amp;Table des gains</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Historique</translation>
    </message>
    <message>
        <source>Slots Melvane</source>
        <translation>Slots Melvane</translation>
    </message>
    <message>
        <source>Good Luck</source>
        <translation>Bon jeu !</translation>
    </message>
    <message>
        <source>     Freespins Remaining = %1</source>
        <translation>     Tours gratuits restants = %1</translation>
    </message>
    <message>
        <source>Freespins Completed          </source>
        <translation>Tours gratuits terminés      </translation>
    </message>
    <message>
        <source> ..............PLEASE READ.................<byte value="xd"/> When you use this function all other Functions are<byte value="xd"/>   unavailable to you until you turn the Autoplay OFF <byte value="xd"/> To turn Autoplay OFF Click on the Autoplayoff button.<byte value="xd"/>  <byte value="xd"/>  This message will not appear again</source>
        <translation> ..............À LIRE SVP.................<byte value="xd"/> Quand vous utilisez cette fonction, toutes les autres fonctions<byte value="xd"/>   sont indisponibles tant que le jeu auto n&apos;est pas arrêté <byte value="xd"/> Pour arrêter le jeu auto, cliquez sur le bouton d&apos;arrêt du jeu auto.<byte value="xd"/>  <byte value="xd"/>  Ce message ne s&apos;affichera plus</translation>
    </message>
    <message>
        <source>Autoplay stopped: %1 spins played</source>
        <translation>Jeu auto arrêté : %1 tours joués</translation>
    </message>
    <message>
        <source>Autoplay stopped: credit down more than %1 coins</source>
        <translation>Jeu auto arrêté : crédit en baisse de plus de %1 jetons</translation>
    </message>
    <message>
        <source>Autoplay stopped: a win of %1 coins or more</source>
        <translation>Jeu auto arrêté : un gain de %1 jetons ou plus</translation>
    </message>
    <message>
        <source>Autoplay stopped: free spins played</source>
        <translation>Jeu auto arrêté : tours gratuits joués</translation>
    </message>
    <message>
        <source>Autoplay stopped as asked</source>
        <translation>Jeu auto arrêté à votre demande</translation>
    </message>
    <message>
        <source>Autoplay stopped at the reality check</source>
        <translation>Jeu auto arrêté au rappel du temps de jeu</translation>
    </message>
    <message>
        <source>Melvane Options</source>
        <translation>Options de Melvane</translation>
    </message>
    <message>
        <source>Input Player Name                                  Then Enter</source>
        <translation>Tapez votre nom                                   puis Entrée</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt;Faster                       Slower&gt;&gt;&gt;</source>
        <translation>&lt;&lt;&lt;Plus vite                 Plus lent&gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Current Speed =   %1</source>
        <translation>Vitesse actuelle = %1</translation>
    </message>
    <message>
        <source>Note :- Some machines <byte value="xd"/>
may not support this <byte value="xd"/>
option.<byte value="xd"/>
</source>
        <translation>Note : certaines machines <byte value="xd"/>
ne gèrent peut-être pas <byte value="xd"/>
cette option.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Already 800 X 600 resolution !!<byte value="xd"/></source>
        <translation>Déjà en résolution 800 X 600 !!<byte value="xd"/></translation>
    </message>
    <message>
        <source>Slot_Melvane</source>
        <translation>Slot_Melvane</translation>
    </message>
    <message>
        <source>O.K. Close and save changes</source>
        <translation>OK, fermer et enregistrer</translation>
    </message>
    <message>
        <source>Delete Current Player</source>
        <translation>Supprimer le joueur actuel</translation>
    </message>
    <message>
        <source>Large Size 800X600</source>
        <translation>Grande taille 800X600</translation>
    </message>
    <message>
        <source>Origonal Screen Size</source>
        <translation>Taille d&apos;écran d&apos;origine</translation>
    </message>
    <message>
        <source> ON</source>
        <translation> OUI</translation>
    </message>
    <message>
        <source> OFF</source>
        <translation> NON</translation>
    </message>
    <message>
        <source> ON </source>
        <translation> OUI </translation>
    </message>
    <message>
        <source>Nothing Entered</source>
        <translation>Aucune saisie</translation>
    </message>
    <message>
        <source>Name Too Long</source>
        <translation>Nom trop long</translation>
    </message>
    <message>
        <source>Slots_Melvane</source>
        <translation>Slots_Melvane</translation>
    </message>
    <message>
        <source>Are you sure you want to Delete Current Player&apos;s Details ?</source>
        <translation>Voulez-vous vraiment supprimer les données du joueur actuel ?</translation>
    </message>
    <message>
        <source>Current Player   %1</source>
        <translation>Joueur actuel    %1</translation>
    </message>
    <message>
        <source>Current Player  %1</source>
        <translation>Joueur actuel   %1</translation>
    </message>
    <message>
        <source>Vacant</source>
        <translation>Libre</translation>
    </message>
    <message>
        <source>Player %1&apos;s profile cannot be played: its value &quot;%2&quot; is not a number the game can read. The profile has been left as it is, so that it can be mended; the other players&apos; profiles play as before.</source>
        <translation>Le profil du joueur %1 ne peut pas être joué : sa valeur « %2 » n&apos;est pas un nombre que le jeu sait lire. Le profil a été laissé tel quel pour pouvoir être réparé ; les profils des autres joueurs fonctionnent comme avant.</translation>
    </message>
    <message>
        <source>Player %1&apos;s profile cannot be played: its value &quot;%2&quot; is not a number the game can read (in %3). The profile has been left as it is, so that it can be mended; the other players&apos; profiles play as before.</source>
        <translation>Le profil du joueur %1 ne peut pas être joué : sa valeur « %2 » n&apos;est pas un nombre que le jeu sait lire (dans %3). Le profil a été laissé tel quel pour pouvoir être réparé ; les profils des autres joueurs fonctionnent comme avant.</translation>
    </message>
    <message>
        <source>The free-spin round stored for player %1 could not be read, so it has not been restored.</source>
        <translation>La série de tours gratuits enregistrée pour le joueur %1 n&apos;a pas pu être lue ; elle n&apos;a donc pas été rétablie.</translation>
    </message>
    <message>
        <source>Current Player       %1</source>
        <translation>Joueur actuel        %1</translation>
    </message>
    <message>
        <source>Current Player    %1</source>
        <translation>Joueur actuel     %1</translation>
    </message>
    <message>
        <source>Games Played      </source>
        <translation>Parties jouées    </translation>
    </message>
    <message>
        <source>Total Wagered     </source>
        <translation>Total misé        </translation>
    </message>
    <message>
        <source>Total Won      </source>
        <translation>Total gagné    </translation>
    </message>
    <message>
        <source>Winning/Losing     </source>
        <translation>Gain/Perte         </translation>
    </message>
    <message>
        <source>Returned To Player     </source>
        <translation>Taux de retour         </translation>
    </message>
    <message>
        <source>Total Invested      </source>
        <translation>Total investi       </translation>
    </message>
    <message>
        <source>Freespins Won     </source>
        <translation>Tours gratuits gagnés  </translation>
    </message>
    <message>
        <source>Games Played          </source>
        <translation>Parties jouées        </translation>
    </message>
    <message>
        <source>Total Wagered         </source>
        <translation>Total misé            </translation>
    </message>
    <message>
        <source>Total Won          </source>
        <translation>Total gagné        </translation>
    </message>
    <message>
        <source>Winning/Losing      </source>
        <translation>Gain/Perte          </translation>
    </message>
    <message>
        <source>Returned To Player </source>
        <translation>Taux de retour     </translation>
    </message>
    <message>
        <source>Total Invested     </source>
        <translation>Total investi      </translation>
    </message>
    <message>
        <source>Games Played            %1</source>
        <translation>Parties jouées          %1</translation>
    </message>
    <message>
        <source>Total Wagered           %1</source>
        <translation>Total misé              %1</translation>
    </message>
    <message>
        <source>Total Won                   %1</source>
        <translation>Total gagné                 %1</translation>
    </message>
    <message>
        <source>Winning/Losing           %1</source>
        <translation>Gain/Perte               %1</translation>
    </message>
    <message>
        <source>Returned To Player     % %1</source>
        <translation>Taux de retour         % %1</translation>
    </message>
    <message>
        <source>Total Invested             %1</source>
        <translation>Total investi              %1</translation>
    </message>
    <message>
        <source>Freespins Won            %1</source>
        <translation>Tours gratuits gagnés    %1</translation>
    </message>
    <message>
        <source>Freespins Won     %1</source>
        <translation>Tours gratuits gagnés  %1</translation>
    </message>
    <message>
        <source>Returned To Player     % </source>
        <translation>Taux de retour         % </translation>
    </message>
    <message numerus="yes">
        <source>%1%n coins (%2)</source>
        <translation>
            <numerusform>%1%n jeton (%2)</numerusform>
            <numerusform>%1%n jetons (%2)</numerusform>
        </translation>
    </message>
    <message>
        <source>Session %1     Net %2</source>
        <translation>Session %1     Bilan %2</translation>
    </message>
    <message numerus="yes">
        <source>%n coins (%1)</source>
        <translation>
            <numerusform>%n jeton (%1)</numerusform>
            <numerusform>%n jetons (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Reality check<byte value="xd"/><byte value="xd"/>You have been playing for %1.<byte value="xd"/><byte value="xd"/>Games: %2<byte value="xd"/>Staked: %3<byte value="xd"/>Won: %4<byte value="xd"/>Net: %5</source>
        <translation>Rappel du temps de jeu<byte value="xd"/><byte value="xd"/>Vous jouez depuis %1.<byte value="xd"/><byte value="xd"/>Parties : %2<byte value="xd"/>Misé : %3<byte value="xd"/>Gagné : %4<byte value="xd"/>Bilan : %5</translation>
    </message>
    <message>
        <source>Keep playing</source>
        <translation>Continuer à jouer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>               LARGE FONTS BEING USED !!!</source>
        <translation>            GRANDES POLICES UTILISÉES !!!</translation>
    </message>
    <message>
        <source>You are still using Large Fonts!!,This Game Will Not Run Correctly.<byte value="xd"/>There is no facility in this software to change them.<byte value="xd"/>To Change Manually :-<byte value="xd"/>Right Click On DeskTop<byte value="xd"/>Select Properties<byte value="xd"/>Select Settings<byte value="xd"/>Click Advanced Button<byte value="xd"/>Select SMALL Fonts (or 96 DPI)<byte value="xd"/>A Re-Boot Is Then Required<byte value="xd"/><byte value="xd"/>To Change Back After Do The Reverse :-<byte value="xd"/></source>
        <translation>Vous utilisez toujours de grandes polices !! Ce jeu ne fonctionnera pas correctement.<byte value="xd"/>Ce logiciel ne permet pas de les changer.<byte value="xd"/>Pour les changer vous-même :<byte value="xd"/>Clic droit sur le Bureau<byte value="xd"/>Choisissez Propriétés<byte value="xd"/>Choisissez Paramètres<byte value="xd"/>Cliquez sur le bouton Avancé<byte value="xd"/>Choisissez PETITES polices (ou 96 PPP)<byte value="xd"/>Un redémarrage est ensuite nécessaire<byte value="xd"/><byte value="xd"/>Pour revenir en arrière, faites l&apos;inverse :<byte value="xd"/></translation>
    </message>
    <message>
        <source>Player %1&apos;s profile could not be saved to %2. The disk may be full or the folder read-only.

Paid spins wait until the profile can be saved again: the game tries at every step and at every press of a bet button. What was saved before is kept.</source>
        <translation>Le profil du joueur %1 n&apos;a pas pu être enregistré dans %2. Le disque est peut-être plein ou le dossier en lecture seule.

Les tours payants attendent que le profil puisse de nouveau être enregistré : le jeu réessaie à chaque étape et à chaque appui sur un bouton de mise. Ce qui avait été enregistré avant est conservé.</translation>
    </message>
    <message>
        <source>Player %1&apos;s profile could not be saved. The disk may be full or the folder read-only.

Paid spins wait until the profile can be saved again: the game tries at every step and at every press of a bet button. What was saved before is kept.</source>
        <translation>Le profil du joueur %1 n&apos;a pas pu être enregistré. Le disque est peut-être plein ou le dossier en lecture seule.

Les tours payants attendent que le profil puisse de nouveau être enregistré : le jeu réessaie à chaque étape et à chaque appui sur un bouton de mise. Ce qui avait été enregistré avant est conservé.</translation>
    </message>
    <message>
        <source>error Opening Link to %1<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Erreur à l&apos;ouverture du lien vers %1<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>ExecuteLink</source>
        <translation>Ouverture du lien</translation>
    </message>
    <message>
        <source>The game journal could not be read, so it was set aside as %1 and a new one was started.</source>
        <translation>Le journal de jeu n&apos;a pas pu être lu ; il a été mis de côté sous le nom %1 et un nouveau a été commencé.</translation>
    </message>
    <message>
        <source>The game journal cannot be written (the disk may be full or the folder read-only). The game goes on without it.</source>
        <translation>Le journal de jeu ne peut pas être écrit (le disque est peut-être plein ou le dossier en lecture seule). Le jeu continue sans lui.</translation>
    </message>
    <message>
        <source>Realistic</source>
        <translation>Réaliste</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>Généreux</translation>
    </message>
    <message>
        <source>Dream Machine !!</source>
        <translation>Machine de rêve !!</translation>
    </message>
    <message>
        <source>low</source>
        <translation>faible</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>moyenne</translation>
    </message>
    <message>
        <source>high</source>
        <translation>élevée</translation>
    </message>
    <message>
        <source>very high</source>
        <translation>très élevée</translation>
    </message>
</context>
<context>
    <name>melvane::AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>%1  version %2</source>
        <translation>%1  version %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>See More Slots At :-</source>
        <translation>Autres machines :</translation>
    </message>
</context>
<context>
    <name>melvane::AccessibleTexts</name>
    <message>
        <source>Composer</source>
        <translation>Compositeur</translation>
    </message>
    <message>
        <source>Piano</source>
        <translation>Piano</translation>
    </message>
    <message>
        <source>Tuba</source>
        <translation>Tuba</translation>
    </message>
    <message>
        <source>Cello</source>
        <translation>Violoncelle</translation>
    </message>
    <message>
        <source>Harp</source>
        <translation>Harpe</translation>
    </message>
    <message>
        <source>Drum</source>
        <translation>Tambour</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Roi</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Valet</translation>
    </message>
    <message>
        <source>Scatter</source>
        <translation>Scatter</translation>
    </message>
    <message>
        <source>Wild</source>
        <translation>Wild</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Cœur</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Trèfle</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Carreau</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>Pique</translation>
    </message>
    <message>
        <source>top</source>
        <translation>en haut</translation>
    </message>
    <message>
        <source>middle</source>
        <translation>au milieu</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>en bas</translation>
    </message>
    <message>
        <source>1 coin</source>
        <translation>1 jeton</translation>
    </message>
    <message>
        <source>%1 coins</source>
        <translation>%1 jetons</translation>
    </message>
    <message>
        <source>Fast money, 50 dollars</source>
        <translation>Crédit rapide, 50 dollars</translation>
    </message>
    <message>
        <source>Auto play</source>
        <translation>Jeu automatique</translation>
    </message>
    <message>
        <source>Stop auto play</source>
        <translation>Arrêter le jeu automatique</translation>
    </message>
    <message>
        <source>Collect</source>
        <translation>Encaisser</translation>
    </message>
    <message>
        <source>In force</source>
        <translation>En vigueur</translation>
    </message>
    <message>
        <source>Player %1: %2</source>
        <translation>Joueur %1 : %2</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Son activé</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Son désactivé</translation>
    </message>
    <message>
        <source>Reel speed %1</source>
        <translation>Vitesse des rouleaux %1</translation>
    </message>
    <message>
        <source>Win counter on</source>
        <translation>Compteur de gains activé</translation>
    </message>
    <message>
        <source>Win counter off</source>
        <translation>Compteur de gains désactivé</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Nom du joueur</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1 : %2, %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Crédit</translation>
    </message>
    <message>
        <source>Last bet</source>
        <translation>Dernière mise</translation>
    </message>
    <message>
        <source>This win</source>
        <translation>Ce gain</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Gain</translation>
    </message>
    <message>
        <source>Stake</source>
        <translation>Mise</translation>
    </message>
    <message>
        <source>At risk</source>
        <translation>En jeu</translation>
    </message>
    <message>
        <source>Red or black wins</source>
        <translation>Gain pour rouge ou noir</translation>
    </message>
    <message>
        <source>Suit wins</source>
        <translation>Gain pour une enseigne</translation>
    </message>
    <message>
        <source>Free spins remaining: %1</source>
        <translation>Tours gratuits restants : %1</translation>
    </message>
    <message>
        <source>Card not drawn yet</source>
        <translation>Carte pas encore tirée</translation>
    </message>
    <message>
        <source>Card drawn: %1</source>
        <translation>Carte tirée : %1</translation>
    </message>
    <message>
        <source>No past card</source>
        <translation>Aucune carte précédente</translation>
    </message>
    <message>
        <source>Past card: %1</source>
        <translation>Carte précédente : %1</translation>
    </message>
    <message>
        <source>You win!</source>
        <translation>Gagné !</translation>
    </message>
    <message>
        <source>You lose</source>
        <translation>Perdu</translation>
    </message>
    <message>
        <source>Gamble</source>
        <translation>Quitte ou double</translation>
    </message>
    <message>
        <source>Pay table</source>
        <translation>Table des gains</translation>
    </message>
    <message>
        <source>Close the pay table</source>
        <translation>Fermer la table des gains</translation>
    </message>
    <message>
        <source>%1 of a kind %2</source>
        <translation>%1 identiques paient %2</translation>
    </message>
    <message>
        <source>%1 Scatters: %2 times the stake and %3 free spins</source>
        <translation>%1 Scatters : %2 fois la mise et %3 tours gratuits</translation>
    </message>
    <message>
        <source>%1, in force</source>
        <translation>%1, en vigueur</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s web page</source>
        <translation>Ouvre la page web de l&apos;éditeur</translation>
    </message>
    <message>
        <source>Wild multiplier, times %1</source>
        <translation>Multiplicateur Wild, fois %1</translation>
    </message>
    <message>
        <source>Reel %1</source>
        <translation>Rouleau %1</translation>
    </message>
    <message>
        <source>Reel %1, %2</source>
        <translation>Rouleau %1, %2</translation>
    </message>
    <message>
        <source>%1: turning</source>
        <translation>%1 : en rotation</translation>
    </message>
    <message>
        <source>%1, times %2</source>
        <translation>%1, fois %2</translation>
    </message>
    <message>
        <source>%1, not in play</source>
        <translation>%1, hors jeu</translation>
    </message>
</context>
<context>
    <name>melvane::Announcer</name>
    <message numerus="yes">
        <source>%1 on %n reels</source>
        <translation>
            <numerusform>%1 sur %n rouleau</numerusform>
            <numerusform>%1 sur %n rouleaux</numerusform>
        </translation>
    </message>
    <message>
        <source>Scatters %1</source>
        <translation>Scatters %1</translation>
    </message>
    <message>
        <source>No win</source>
        <translation>Pas de gain</translation>
    </message>
    <message>
        <source>Win %1</source>
        <translation>Gain %1</translation>
    </message>
    <message>
        <source>Win %1: %2</source>
        <translation>Gain %1 : %2</translation>
    </message>
    <message>
        <source>. 1 free spin won</source>
        <translation>. 1 tour gratuit gagné</translation>
    </message>
    <message numerus="yes">
        <source>. %n free spins won</source>
        <translation>
            <numerusform>. %n tour gratuit gagné</numerusform>
            <numerusform>. %n tours gratuits gagnés</numerusform>
        </translation>
    </message>
    <message>
        <source>. More free spins won</source>
        <translation>. Tours gratuits supplémentaires gagnés</translation>
    </message>
    <message>
        <source>. Free spins over, round total %1</source>
        <translation>. Tours gratuits terminés, total de la série %1</translation>
    </message>
    <message>
        <source>. 1 free spin left</source>
        <translation>. 1 tour gratuit restant</translation>
    </message>
    <message numerus="yes">
        <source>. %n free spins left</source>
        <translation>
            <numerusform>. %n tour gratuit restant</numerusform>
            <numerusform>. %n tours gratuits restants</numerusform>
        </translation>
    </message>
    <message>
        <source>Free spin, Wilds times %1: </source>
        <translation>Tour gratuit, Wilds fois %1 : </translation>
    </message>
    <message>
        <source>Free spin: </source>
        <translation>Tour gratuit : </translation>
    </message>
    <message>
        <source>Collected %1</source>
        <translation>Encaissé %1</translation>
    </message>
    <message>
        <source>Round total kept: %1</source>
        <translation>Total de la série conservé : %1</translation>
    </message>
    <message>
        <source>Gamble %1: pick a colour or a suit</source>
        <translation>Quitte ou double %1 : choisissez rouge ou noir, ou une enseigne</translation>
    </message>
    <message>
        <source>Card: %1. Won, %2 at risk</source>
        <translation>Carte : %1. Gagné, %2 en jeu</translation>
    </message>
    <message>
        <source>Card: %1. Lost</source>
        <translation>Carte : %1. Perdu</translation>
    </message>
    <message>
        <source>Gamble collected: %1</source>
        <translation>Quitte ou double encaissé : %1</translation>
    </message>
    <message>
        <source>Gamble lost: %1</source>
        <translation>Quitte ou double perdu : %1</translation>
    </message>
    <message>
        <source>Credit put on: %1</source>
        <translation>Crédit ajouté : %1</translation>
    </message>
    <message>
        <source>Not enough credit for this bet</source>
        <translation>Crédit insuffisant pour cette mise</translation>
    </message>
    <message>
        <source>Autoplay stopped</source>
        <translation>Jeu automatique arrêté</translation>
    </message>
</context>
<context>
    <name>melvane::AutoplayDialog</name>
    <message>
        <source>No limit</source>
        <translation>Sans limite</translation>
    </message>
    <message numerus="yes">
        <source>%n coins (%1)</source>
        <translation>
            <numerusform>%n jeton (%1)</numerusform>
            <numerusform>%n jetons (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Autoplay</source>
        <translation>Jeu automatique</translation>
    </message>
    <message>
        <source>Number of spins</source>
        <translation>Nombre de tours</translation>
    </message>
    <message>
        <source>Until stopped</source>
        <translation>Jusqu&apos;à l&apos;arrêt</translation>
    </message>
    <message>
        <source>Loss limit</source>
        <translation>Limite de perte</translation>
    </message>
    <message>
        <source>Single win limit</source>
        <translation>Limite par gain</translation>
    </message>
    <message>
        <source>Stop when free spins are won</source>
        <translation>Arrêter si des tours gratuits sont gagnés</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>melvane::CommandLine</name>
    <message>
        <source>A five-reel video slot with a music theme, played for play money.</source>
        <translation>Une machine à sous vidéo à cinq rouleaux sur le thème de la musique, jouée avec de l&apos;argent fictif.</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Affiche cette aide et quitte.</translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation>Affiche la version et quitte.</translation>
    </message>
    <message>
        <source>Start with player N (1 to 6) instead of player 1; a player whose free-spin round was interrupted still comes first.</source>
        <translation>Commence avec le joueur N (1 à 6) au lieu du joueur 1 ; un joueur dont la série de tours gratuits a été interrompue passe toujours en premier.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Show the machine full screen.</source>
        <translation>Affiche la machine en plein écran.</translation>
    </message>
    <message>
        <source>Keep the players&apos; settings, the window&apos;s place and the game journal in DIR instead of the user&apos;s own folders (for testing).</source>
        <translation>Conserve les réglages des joueurs, la position de la fenêtre et le journal de jeu dans DOSSIER au lieu des dossiers de l&apos;utilisateur (pour les tests).</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>DOSSIER</translation>
    </message>
    <message>
        <source>Choose the language of the game&apos;s texts, for example de, fr, es or en; by default the desktop&apos;s language.</source>
        <translation>Choisit la langue des textes du jeu, par exemple de, fr, es ou en ; par défaut, celle du bureau.</translation>
    </message>
    <message>
        <source>CODE</source>
        <translation>CODE</translation>
    </message>
    <message>
        <source>%1 Try &apos;%2 --help&apos;.</source>
        <translation>%1 Essayez « %2 --help ».</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;. Try &apos;%2 --help&apos;.</source>
        <translation>argument inattendu « %1 ». Essayez « %2 --help ».</translation>
    </message>
    <message>
        <source>--%1 is given twice.</source>
        <translation>--%1 est donné deux fois.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Utilisation : %1 [options]</translation>
    </message>
    <message>
        <source>--player: &apos;%1&apos; is not a player; choose 1 to 6.</source>
        <translation>--player : « %1 » n&apos;est pas un joueur ; choisissez de 1 à 6.</translation>
    </message>
    <message>
        <source>--settings: give a folder.</source>
        <translation>--settings : indiquez un dossier.</translation>
    </message>
    <message>
        <source>--settings: &apos;%1&apos; is not a folder.</source>
        <translation>--settings : « %1 » n&apos;est pas un dossier.</translation>
    </message>
    <message>
        <source>--language: &apos;%1&apos; is not a language code; give one such as de, fr_FR or es-419.</source>
        <translation>--language : « %1 » n&apos;est pas un code de langue ; indiquez-en un comme de, fr_FR ou es-419.</translation>
    </message>
</context>
<context>
    <name>melvane::HistoryDialog</name>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Freespins Remaining = %1</source>
        <translation>Tours gratuits restants = %1</translation>
    </message>
    <message>
        <source>%1: win %2</source>
        <translation>%1 : gain %2</translation>
    </message>
    <message>
        <source>%1: no win</source>
        <translation>%1 : pas de gain</translation>
    </message>
    <message>
        <source>No game to recall</source>
        <translation>Aucune partie à rappeler</translation>
    </message>
    <message>
        <source>credit adjusted</source>
        <translation>crédit ajusté</translation>
    </message>
    <message>
        <source>credit +%1</source>
        <translation>crédit +%1</translation>
    </message>
    <message>
        <source>$50 +%1</source>
        <translation>$50 +%1</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Tour</translation>
    </message>
    <message>
        <source>Free spin x%1</source>
        <translation>Tour gratuit x%1</translation>
    </message>
    <message>
        <source>Free spin</source>
        <translation>Tour gratuit</translation>
    </message>
    <message>
        <source>Collect %1</source>
        <translation>Encaissé %1</translation>
    </message>
    <message>
        <source>Gamble %1</source>
        <translation>Quitte ou double %1</translation>
    </message>
    <message>
        <source>%1 on %2: won</source>
        <translation>%1 sur %2 : gagné</translation>
    </message>
    <message>
        <source>%1 on %2: lost</source>
        <translation>%1 sur %2 : perdu</translation>
    </message>
    <message>
        <source>Gamble collected %1</source>
        <translation>Quitte ou double encaissé %1</translation>
    </message>
    <message>
        <source>Gamble lost %1</source>
        <translation>Quitte ou double perdu %1</translation>
    </message>
    <message>
        <source>Credit +%1</source>
        <translation>Crédit +%1</translation>
    </message>
    <message>
        <source>Credit set to %1</source>
        <translation>Crédit fixé à %1</translation>
    </message>
    <message>
        <source>%1; credit %2</source>
        <translation>%1 ; crédit %2</translation>
    </message>
    <message>
        <source>Bet %1 at %2 ways, win %3</source>
        <translation>Mise %1 sur %2 façons, gain %3</translation>
    </message>
    <message>
        <source>%1, and a round of free spins: %2</source>
        <translation>%1, et une série de tours gratuits : %2</translation>
    </message>
    <message>
        <source>%1: win %2, round total %3; %4</source>
        <translation>%1 : gain %2, total de la série %3 ; %4</translation>
    </message>
    <message>
        <source>Free spin, Wild multiplier x%1</source>
        <translation>Tour gratuit, multiplicateur Wild x%1</translation>
    </message>
    <message>
        <source>Round total collected: %1</source>
        <translation>Total de la série encaissé : %1</translation>
    </message>
    <message>
        <source>Round total kept: %1</source>
        <translation>Total de la série conservé : %1</translation>
    </message>
    <message>
        <source>Gamble opened on %1</source>
        <translation>Quitte ou double ouvert sur %1</translation>
    </message>
    <message>
        <source>Bet on %1, the card was %2: %3</source>
        <translation>Pari sur %1, la carte était %2 : %3</translation>
    </message>
    <message>
        <source>won, %1 at risk</source>
        <translation>gagné, %1 en jeu</translation>
    </message>
    <message>
        <source>lost</source>
        <translation>perdu</translation>
    </message>
    <message>
        <source>Gamble collected: %1</source>
        <translation>Quitte ou double encaissé : %1</translation>
    </message>
    <message>
        <source>Gamble lost: %1</source>
        <translation>Quitte ou double perdu : %1</translation>
    </message>
    <message>
        <source>Credit put on: %1</source>
        <translation>Crédit ajouté : %1</translation>
    </message>
    <message>
        <source>The credit changed outside play (a cleared player, or a start after a crash): from %1</source>
        <translation>Le crédit a changé hors du jeu (joueur effacé, ou démarrage après un plantage) : il était de %1</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>RECALL</source>
        <translation>RAPPEL</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Parties</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Mise</translation>
    </message>
    <message>
        <source>Ways</source>
        <translation>Façons</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Gain</translation>
    </message>
    <message>
        <source>Credit after</source>
        <translation>Crédit après</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Étapes</translation>
    </message>
    <message>
        <source>Recall</source>
        <translation>Rappel</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
</context>
<context>
    <name>melvane::MainWindow</name>
    <message>
        <source>CREDIT</source>
        <translation>CRÉDIT</translation>
    </message>
    <message>
        <source>WIN</source>
        <translation>GAIN</translation>
    </message>
    <message>
        <source>P&amp;lay</source>
        <translation>&amp;Jouer</translation>
    </message>
    <message>
        <source>&amp;Quick Stop</source>
        <translation>Arrêt &amp;rapide</translation>
    </message>
    <message>
        <source>&amp;Session Clock</source>
        <translation>&amp;Horloge de session</translation>
    </message>
    <message>
        <source>&amp;Reality Check</source>
        <translation>Rappel du &amp;temps de jeu</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <translation>&amp;Désactivé</translation>
    </message>
    <message numerus="yes">
        <source>Every &amp;%n Minutes</source>
        <translation>
            <numerusform>Toutes les &amp;%n minute</numerusform>
            <numerusform>Toutes les &amp;%n minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Full Screen	F11</source>
        <translation>&amp;Plein écran	F11</translation>
    </message>
    <message>
        <source>&amp;Reduce Flashing</source>
        <translation>&amp;Réduire les clignotements</translation>
    </message>
    <message>
        <source>STAKE</source>
        <translation>MISE</translation>
    </message>
</context>
<context>
    <name>melvane::MathTool</name>
    <message>
        <source>%1: %2 is not a whole number</source>
        <translation>%1 : %2 n&apos;est pas un nombre entier</translation>
    </message>
    <message>
        <source>%1: %2 is not offered; choose %3</source>
        <translation>%1 : %2 n&apos;est pas proposé ; choisissez %3</translation>
    </message>
    <message>
        <source>--payout: %1 is not a payout setting; choose %2</source>
        <translation>--payout : %1 n&apos;est pas un réglage de redistribution ; choisissez %2</translation>
    </message>
    <message>
        <source>--plot: %1 is not a picture file; give a name ending in .svg or .png</source>
        <translation>--plot : %1 n&apos;est pas un fichier image ; donnez un nom finissant par .svg ou .png</translation>
    </message>
    <message>
        <source>--stops: %1 has more than five stops</source>
        <translation>--stops : %1 a plus de cinq positions</translation>
    </message>
    <message>
        <source>--stops: %1 is not a list of five whole numbers such as 12,2,9,1,5</source>
        <translation>--stops : %1 n&apos;est pas une liste de cinq nombres entiers comme 12,2,9,1,5</translation>
    </message>
    <message>
        <source>--stops: %1 is not a stop; each stop is %2</source>
        <translation>--stops : %1 n&apos;est pas une position ; chaque position est %2</translation>
    </message>
    <message numerus="yes">
        <source>--stops: %1 has %n stops; give five</source>
        <translation>
            <numerusform>--stops : %1 a %n position ; donnez-en cinq</numerusform>
            <numerusform>--stops : %1 a %n positions ; donnez-en cinq</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: unknown option %2</source>
        <translation>%1 : option inconnue %2</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 est donné deux fois</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 ne prend pas de valeur</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 demande une valeur</translation>
    </message>
    <message>
        <source>%1 is required</source>
        <translation>%1 est obligatoire</translation>
    </message>
    <message>
        <source>no command given; try &apos;melvane-math --help&apos;</source>
        <translation>aucune commande donnée ; essayez « melvane-math --help »</translation>
    </message>
    <message>
        <source>%1 takes nothing after it; found %2</source>
        <translation>%1 ne prend rien après lui ; trouvé %2</translation>
    </message>
    <message>
        <source>--engine: %1 is not an engine; choose model or game</source>
        <translation>--engine : %1 n&apos;est pas un moteur ; choisissez model ou game</translation>
    </message>
    <message>
        <source>--spins: %1 is negative; give a count of at least 1</source>
        <translation>--spins : %1 est négatif ; donnez un nombre d&apos;au moins 1</translation>
    </message>
    <message>
        <source>--spins: %1 is out of range; give 1 to %2</source>
        <translation>--spins : %1 est hors limites ; donnez de 1 à %2</translation>
    </message>
    <message>
        <source>--journal: %1 is not a journal; choose memory or off</source>
        <translation>--journal : %1 n&apos;est pas un journal ; choisissez memory ou off</translation>
    </message>
    <message>
        <source>--journal: only the game engine journals; add --engine game</source>
        <translation>--journal : seul le moteur game tient un journal ; ajoutez --engine game</translation>
    </message>
    <message>
        <source>audit: give the journal file, as in &apos;melvane-math audit journal.sqlite&apos;</source>
        <translation>audit : donnez le fichier journal, comme dans « melvane-math audit journal.sqlite »</translation>
    </message>
    <message>
        <source>unknown command %1; try &apos;melvane-math --help&apos;</source>
        <translation>commande inconnue %1 ; essayez « melvane-math --help »</translation>
    </message>
    <message>
        <source>usage:</source>
        <translation>utilisation :</translation>
    </message>
    <message>
        <source>what one set of stops pays, as JSON</source>
        <translation>ce que paie un jeu de positions d&apos;arrêt, en JSON</translation>
    </message>
    <message>
        <source>exact return to player of every ways and payout setting (full cycle)</source>
        <translation>taux de retour exact de chaque réglage de façons et de redistribution (cycle complet)</translation>
    </message>
    <message>
        <source>exact PAR sheet of one setting (full cycle): the standard deviation and
volatility index of a paid spin with its bonus, the 90% range of sessions&apos;
returns, the win bands and what each symbol and run pays; --plot draws the
win bands</source>
        <translation>fiche PAR exacte d&apos;un réglage (cycle complet) : l&apos;écart type et l&apos;indice de
volatilité d&apos;un tour payant avec son bonus, l&apos;intervalle à 90 % des retours
des sessions, les tranches de gains et ce que paie chaque symbole et suite ;
--plot dessine les tranches de gains</translation>
    </message>
    <message>
        <source>replay every game of a journal through the rules and check each bet, win,
free-spin count, multiplier, gamble stake and card, limit mark and the chain
of credit; exit 1 on a mismatch</source>
        <translation>rejoue chaque partie d&apos;un journal selon les règles et vérifie chaque mise,
gain, nombre de tours gratuits, multiplicateur, mise et carte du quitte ou
double, marque de limite et la chaîne du crédit ; sortie 1 en cas d&apos;écart</translation>
    </message>
    <message>
        <source>play N paid spins and compare the measured figures with the exact ones;
engine &apos;model&apos; (default) draws outcomes from the rules, &apos;game&apos; plays the game
itself in autoplay on a virtual clock, journaling every step in memory with
--journal memory</source>
        <translation>joue N tours payants et compare les valeurs mesurées aux valeurs exactes ;
le moteur « model » (par défaut) tire les résultats selon les règles, « game »
fait jouer le jeu lui-même en jeu auto sur une horloge virtuelle, chaque étape
étant journalisée en mémoire avec --journal memory</translation>
    </message>
    <message>
        <source>W: %1 ways    C: %2 coins per way</source>
        <translation>W : %1 façons    C : %2 jetons par façon</translation>
    </message>
    <message>
        <source>P: %1    stops: %2 each</source>
        <translation>P : %1    positions : %2 chacune</translation>
    </message>
    <message>
        <source>%1 could not be read to its end: %2</source>
        <translation>%1 n&apos;a pas pu être lu jusqu&apos;au bout : %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>impossible d&apos;écrire %1</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
</context>
<context>
    <name>melvane::OptionsDialog</name>
    <message>
        <source>toggle sound</source>
        <translation>son</translation>
    </message>
    <message>
        <source>Reel Speed</source>
        <translation>Vitesse des rouleaux</translation>
    </message>
    <message>
        <source>Win Counter</source>
        <translation>Compteur de gains</translation>
    </message>
    <message>
        <source>Payout %</source>
        <translation>Taux de retour %</translation>
    </message>
    <message>
        <source>Screen Size</source>
        <translation>Taille de l&apos;écran</translation>
    </message>
</context>
<context>
    <name>melvane::PaytableDialog</name>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>SCATTER</source>
        <translation>SCATTER</translation>
    </message>
    <message>
        <source>From reel 1 rightwards, paid on the whole stake</source>
        <translation>Depuis le rouleau 1 vers la droite, payé sur la mise totale</translation>
    </message>
    <message numerus="yes">
        <source>%n Scatters</source>
        <translation>
            <numerusform>%n Scatter</numerusform>
            <numerusform>%n Scatters</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 x stake</source>
        <translation>%1 x la mise</translation>
    </message>
    <message numerus="yes">
        <source>%n free spins</source>
        <translation>
            <numerusform>%n tour gratuit</numerusform>
            <numerusform>%n tours gratuits</numerusform>
        </translation>
    </message>
    <message>
        <source>WILD</source>
        <translation>WILD</translation>
    </message>
    <message>
        <source>Reels 2 and 4 only: stands in for every paying symbol and counts as a Scatter</source>
        <translation>Rouleaux 2 et 4 uniquement : remplace tous les symboles payants et compte comme un Scatter</translation>
    </message>
    <message>
        <source>In free spins every win is multiplied by %1.</source>
        <translation>Pendant les tours gratuits, chaque gain est multiplié par %1.</translation>
    </message>
    <message>
        <source>Return to player at %1 ways</source>
        <translation>Taux de retour à %1 façons</translation>
    </message>
    <message>
        <source>A win above twice the stake stands only with the chance the payout setting gives, 1 in %1; otherwise the spin is drawn again.</source>
        <translation>Un gain supérieur à deux fois la mise n&apos;est maintenu qu&apos;avec la probabilité que donne le réglage de redistribution, 1 sur %1 ; sinon, le tour est tiré à nouveau.</translation>
    </message>
    <message>
        <source>Volatility: %1</source>
        <translation>Volatilité : %1</translation>
    </message>
    <message>
        <source>9 in 10 sessions of 1,000 spins return between %1% and %2%</source>
        <translation>9 sessions de 1&#xa0;000 tours sur 10 rendent entre %1&#xa0;% et %2&#xa0;%</translation>
    </message>
    <message numerus="yes">
        <source>%n reels</source>
        <translation>
            <numerusform>%n rouleau</numerusform>
            <numerusform>%n rouleaux</numerusform>
        </translation>
    </message>
    <message>
        <source>PAY TABLE</source>
        <translation>TABLE DES GAINS</translation>
    </message>
    <message>
        <source>Pays per way for one coin of the bet, runs from the left</source>
        <translation>Gains par façon pour un jeton misé, suites depuis la gauche</translation>
    </message>
    <message>
        <source>PAYTABLE</source>
        <translation>TABLE DES GAINS</translation>
    </message>
    <message>
        <source>close  paytable</source>
        <translation>fermer  tableau</translation>
    </message>
</context>
<context>
    <name>melvane::Pictures</name>
    <message>
        <source>FAST</source>
        <extracomment>Under &quot;$50&quot; on the button that gives the player $50 of play money at once.</extracomment>
        <translation>RAPIDE</translation>
    </message>
    <message>
        <source>COLLECT</source>
        <extracomment>The button that takes the gamble&apos;s winnings to the bank.</extracomment>
        <translation>ENCAISSER</translation>
    </message>
    <message>
        <source>JOKER</source>
        <extracomment>The word on the gamble&apos;s joker card, printed down its corners letter by letter.</extracomment>
        <translation>JOKER</translation>
    </message>
    <message>
        <source>YOU WIN!</source>
        <translation>GAGNÉ&#xa0;!</translation>
    </message>
    <message>
        <source>YOU LOSE</source>
        <translation>PERDU</translation>
    </message>
</context>
<context>
    <name>melvane::QtHost</name>
    <message>
        <source>Slots Melvane</source>
        <translation>Slots Melvane</translation>
    </message>
    <message>
        <source>Melvane is already running with the settings in
%1

Play on in that window; this one closes without changing anything.</source>
        <translation>Melvane est déjà lancé avec les réglages de
%1

Continuez à jouer dans cette fenêtre-là ; celle-ci se ferme sans rien changer.</translation>
    </message>
</context>
</TS>
