<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>GameText</name>
    <message>
        <source>At Risk  %1</source>
        <translation>Risiko  %1</translation>
    </message>
    <message>
        <source>Black/Red Win = %1</source>
        <translation>Schwarz/Rot-Gewinn = %1</translation>
    </message>
    <message>
        <source>Suit Win = %1</source>
        <translation>Farbgewinn = %1</translation>
    </message>
    <message>
        <source>No Win  </source>
        <translation>Kein Gewinn  </translation>
    </message>
    <message>
        <source>No Win</source>
        <translation>Kein Gewinn</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Collect</source>
        <translation>Kassieren</translation>
    </message>
    <message>
        <source>past history</source>
        <translation>bisherige Karten</translation>
    </message>
    <message>
        <source>Bet 1 Coin</source>
        <translation>1 Münze setzen</translation>
    </message>
    <message>
        <source>Bet 2 Coins</source>
        <translation>2 Münzen setzen</translation>
    </message>
    <message>
        <source>Bet 5 Coins</source>
        <translation>5 Münzen setzen</translation>
    </message>
    <message>
        <source>Bet 10 Coins</source>
        <translation>10 Münzen setzen</translation>
    </message>
    <message>
        <source>Bet 20 Coins</source>
        <translation>20 Münzen setzen</translation>
    </message>
    <message>
        <source> Play 3 Lines</source>
        <translation> 3 Linien spielen</translation>
    </message>
    <message>
        <source>Play 9 Lines</source>
        <translation>9 Linien spielen</translation>
    </message>
    <message>
        <source>Play 27 Lines</source>
        <translation>27 Linien spielen</translation>
    </message>
    <message>
        <source>Play 81 Lines</source>
        <translation>81 Linien spielen</translation>
    </message>
    <message>
        <source>Play 243 Lines</source>
        <translation>243 Linien spielen</translation>
    </message>
    <message>
        <source>Click For Credit</source>
        <translation>Guthaben aufladen</translation>
    </message>
    <message>
        <source>Click to double or lose win</source>
        <translation>Doppelt oder nichts</translation>
    </message>
    <message>
        <source>Not Enough Credit For This Bet !!</source>
        <translation>Nicht genug Guthaben für diesen Einsatz !!</translation>
    </message>
    <message>
        <source>LAST BET</source>
        <translation>EINSATZ</translation>
    </message>
    <message>
        <source>THIS WIN</source>
        <translation>AKTUELL</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>&amp;Paytable</source>
        <translation>&amp;Gewinntabelle</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Verlauf</translation>
    </message>
    <message>
        <source>Slots Melvane</source>
        <translation>Slots Melvane</translation>
    </message>
    <message>
        <source>Good Luck</source>
        <translation>Viel Glück</translation>
    </message>
    <message>
        <source>     Freespins Remaining = %1</source>
        <translation>     Freispiele übrig = %1</translation>
    </message>
    <message>
        <source>Freespins Completed          </source>
        <translation>Freispiele beendet          </translation>
    </message>
    <message>
        <source> ..............PLEASE READ.................<byte value="xd"/> When you use this function all other Functions are<byte value="xd"/>   unavailable to you until you turn the Autoplay OFF <byte value="xd"/> To turn Autoplay OFF Click on the Autoplayoff button.<byte value="xd"/>  <byte value="xd"/>  This message will not appear again</source>
        <translation> ..............BITTE LESEN.................<byte value="xd"/> Solange diese Funktion läuft, sind alle anderen Funktionen<byte value="xd"/>   gesperrt, bis Sie die Automatik AUSSCHALTEN <byte value="xd"/> Zum Ausschalten klicken Sie auf die Taste „Automatik aus“.<byte value="xd"/>  <byte value="xd"/>  Diese Meldung erscheint nicht noch einmal</translation>
    </message>
    <message>
        <source>Autoplay stopped: %1 spins played</source>
        <translation>Automatik beendet: %1 Drehungen gespielt</translation>
    </message>
    <message>
        <source>Autoplay stopped: credit down more than %1 coins</source>
        <translation>Automatik beendet: über %1 Münzen Guthaben verloren</translation>
    </message>
    <message>
        <source>Autoplay stopped: a win of %1 coins or more</source>
        <translation>Automatik beendet: Gewinn von %1 Münzen oder mehr</translation>
    </message>
    <message>
        <source>Autoplay stopped: free spins played</source>
        <translation>Automatik beendet: Freispiele gespielt</translation>
    </message>
    <message>
        <source>Autoplay stopped as asked</source>
        <translation>Automatik wie gewünscht beendet</translation>
    </message>
    <message>
        <source>Autoplay stopped at the reality check</source>
        <translation>Automatik beim Realitätscheck beendet</translation>
    </message>
    <message>
        <source>Melvane Options</source>
        <translation>Melvane-Optionen</translation>
    </message>
    <message>
        <source>Input Player Name                                  Then Enter</source>
        <translation>Spielernamen eingeben                              dann Enter</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt;Faster                       Slower&gt;&gt;&gt;</source>
        <translation>&lt;&lt;&lt;Schneller           Langsamer&gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Current Speed =   %1</source>
        <translation>Aktuelles Tempo =   %1</translation>
    </message>
    <message>
        <source>Note :- Some machines <byte value="xd"/>
may not support this <byte value="xd"/>
option.<byte value="xd"/>
</source>
        <translation>Hinweis: Manche Rechner <byte value="xd"/>
unterstützen diese <byte value="xd"/>
Option nicht.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Already 800 X 600 resolution !!<byte value="xd"/></source>
        <translation>Die Auflösung ist bereits 800 X 600 !!<byte value="xd"/></translation>
    </message>
    <message>
        <source>Slot_Melvane</source>
        <translation>Slot_Melvane</translation>
    </message>
    <message>
        <source>O.K. Close and save changes</source>
        <translation>O.K. Schließen und speichern</translation>
    </message>
    <message>
        <source>Delete Current Player</source>
        <translation>Aktuellen Spieler löschen</translation>
    </message>
    <message>
        <source>Large Size 800X600</source>
        <translation>Groß 800X600</translation>
    </message>
    <message>
        <source>Origonal Screen Size</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source> ON</source>
        <translation> AN</translation>
    </message>
    <message>
        <source> OFF</source>
        <translation> AUS</translation>
    </message>
    <message>
        <source> ON </source>
        <translation> AN </translation>
    </message>
    <message>
        <source>Nothing Entered</source>
        <translation>Nichts eingegeben</translation>
    </message>
    <message>
        <source>Name Too Long</source>
        <translation>Name zu lang</translation>
    </message>
    <message>
        <source>Slots_Melvane</source>
        <translation>Slots_Melvane</translation>
    </message>
    <message>
        <source>Are you sure you want to Delete Current Player&apos;s Details ?</source>
        <translation>Möchten Sie die Daten des aktuellen Spielers wirklich löschen?</translation>
    </message>
    <message>
        <source>Current Player   %1</source>
        <translation>Aktueller Spieler  %1</translation>
    </message>
    <message>
        <source>Current Player  %1</source>
        <translation>Aktueller Spieler  %1</translation>
    </message>
    <message>
        <source>Vacant</source>
        <translation>Frei</translation>
    </message>
    <message>
        <source>Player %1&apos;s profile cannot be played: its value &quot;%2&quot; is not a number the game can read. The profile has been left as it is, so that it can be mended; the other players&apos; profiles play as before.</source>
        <translation>Das Profil von Spieler %1 kann nicht gespielt werden: Sein Wert „%2“ ist keine Zahl, die das Spiel lesen kann. Das Profil bleibt unverändert, damit es repariert werden kann; die Profile der anderen Spieler lassen sich wie bisher spielen.</translation>
    </message>
    <message>
        <source>Player %1&apos;s profile cannot be played: its value &quot;%2&quot; is not a number the game can read (in %3). The profile has been left as it is, so that it can be mended; the other players&apos; profiles play as before.</source>
        <translation>Das Profil von Spieler %1 kann nicht gespielt werden: Sein Wert „%2“ ist keine Zahl, die das Spiel lesen kann (in %3). Das Profil bleibt unverändert, damit es repariert werden kann; die Profile der anderen Spieler lassen sich wie bisher spielen.</translation>
    </message>
    <message>
        <source>The free-spin round stored for player %1 could not be read, so it has not been restored.</source>
        <translation>Die für Spieler %1 gespeicherte Freispielrunde konnte nicht gelesen werden und wurde daher nicht wiederhergestellt.</translation>
    </message>
    <message>
        <source>Current Player       %1</source>
        <translation>Aktueller Spieler    %1</translation>
    </message>
    <message>
        <source>Current Player    %1</source>
        <translation>Aktueller Spieler  %1</translation>
    </message>
    <message>
        <source>Games Played      </source>
        <translation>Gespielte Spiele  </translation>
    </message>
    <message>
        <source>Total Wagered     </source>
        <translation>Gesamteinsatz     </translation>
    </message>
    <message>
        <source>Total Won      </source>
        <translation>Gesamtgewinn   </translation>
    </message>
    <message>
        <source>Winning/Losing     </source>
        <translation>Gewinn/Verlust     </translation>
    </message>
    <message>
        <source>Returned To Player     </source>
        <translation>Auszahlungsquote       </translation>
    </message>
    <message>
        <source>Total Invested      </source>
        <translation>Gesamt eingezahlt   </translation>
    </message>
    <message>
        <source>Freespins Won     </source>
        <translation>Freispiele gewonnen  </translation>
    </message>
    <message>
        <source>Games Played          </source>
        <translation>Gespielte Spiele      </translation>
    </message>
    <message>
        <source>Total Wagered         </source>
        <translation>Gesamteinsatz         </translation>
    </message>
    <message>
        <source>Total Won          </source>
        <translation>Gesamtgewinn       </translation>
    </message>
    <message>
        <source>Winning/Losing      </source>
        <translation>Gewinn/Verlust      </translation>
    </message>
    <message>
        <source>Returned To Player </source>
        <translation>Auszahlungsquote   </translation>
    </message>
    <message>
        <source>Total Invested     </source>
        <translation>Gesamt eingezahlt  </translation>
    </message>
    <message>
        <source>Games Played            %1</source>
        <translation>Gespielte Spiele        %1</translation>
    </message>
    <message>
        <source>Total Wagered           %1</source>
        <translation>Gesamteinsatz           %1</translation>
    </message>
    <message>
        <source>Total Won                   %1</source>
        <translation>Gesamtgewinn                %1</translation>
    </message>
    <message>
        <source>Winning/Losing           %1</source>
        <translation>Gewinn/Verlust           %1</translation>
    </message>
    <message>
        <source>Returned To Player     % %1</source>
        <translation>Auszahlungsquote       % %1</translation>
    </message>
    <message>
        <source>Total Invested             %1</source>
        <translation>Gesamt eingezahlt          %1</translation>
    </message>
    <message>
        <source>Freespins Won            %1</source>
        <translation>Freispiele gewonnen      %1</translation>
    </message>
    <message>
        <source>Freespins Won     %1</source>
        <translation>Freispiele gewonnen  %1</translation>
    </message>
    <message>
        <source>Returned To Player     % </source>
        <translation>Auszahlungsquote       % </translation>
    </message>
    <message numerus="yes">
        <source>%1%n coins (%2)</source>
        <translation>
            <numerusform>%1%n Münze (%2)</numerusform>
            <numerusform>%1%n Münzen (%2)</numerusform>
        </translation>
    </message>
    <message>
        <source>Session %1     Net %2</source>
        <translation>Sitzung %1     Netto %2</translation>
    </message>
    <message numerus="yes">
        <source>%n coins (%1)</source>
        <translation>
            <numerusform>%n Münze (%1)</numerusform>
            <numerusform>%n Münzen (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Reality check<byte value="xd"/><byte value="xd"/>You have been playing for %1.<byte value="xd"/><byte value="xd"/>Games: %2<byte value="xd"/>Staked: %3<byte value="xd"/>Won: %4<byte value="xd"/>Net: %5</source>
        <translation>Realitätscheck<byte value="xd"/><byte value="xd"/>Sie spielen seit %1.<byte value="xd"/><byte value="xd"/>Spiele: %2<byte value="xd"/>Eingesetzt: %3<byte value="xd"/>Gewonnen: %4<byte value="xd"/>Netto: %5</translation>
    </message>
    <message>
        <source>Keep playing</source>
        <translation>Weiterspielen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Aufhören</translation>
    </message>
    <message>
        <source>               LARGE FONTS BEING USED !!!</source>
        <translation>               GROSSE SCHRIFTARTEN AKTIV !!!</translation>
    </message>
    <message>
        <source>You are still using Large Fonts!!,This Game Will Not Run Correctly.<byte value="xd"/>There is no facility in this software to change them.<byte value="xd"/>To Change Manually :-<byte value="xd"/>Right Click On DeskTop<byte value="xd"/>Select Properties<byte value="xd"/>Select Settings<byte value="xd"/>Click Advanced Button<byte value="xd"/>Select SMALL Fonts (or 96 DPI)<byte value="xd"/>A Re-Boot Is Then Required<byte value="xd"/><byte value="xd"/>To Change Back After Do The Reverse :-<byte value="xd"/></source>
        <translation>Sie verwenden noch große Schriftarten!! So läuft dieses Spiel nicht richtig.<byte value="xd"/>Diese Software kann sie nicht selbst umstellen.<byte value="xd"/>So ändern Sie sie von Hand:<byte value="xd"/>Rechtsklick auf den Desktop<byte value="xd"/>Eigenschaften wählen<byte value="xd"/>Einstellungen wählen<byte value="xd"/>Schaltfläche Erweitert klicken<byte value="xd"/>KLEINE Schriftarten (oder 96 DPI) wählen<byte value="xd"/>Danach ist ein Neustart nötig<byte value="xd"/><byte value="xd"/>Zum Zurückstellen später umgekehrt vorgehen:<byte value="xd"/></translation>
    </message>
    <message>
        <source>Player %1&apos;s profile could not be saved to %2. The disk may be full or the folder read-only.

Paid spins wait until the profile can be saved again: the game tries at every step and at every press of a bet button. What was saved before is kept.</source>
        <translation>Das Profil von Spieler %1 konnte nicht in %2 gespeichert werden. Vielleicht ist der Datenträger voll oder der Ordner schreibgeschützt.

Bezahlte Drehungen warten, bis das Profil wieder gespeichert werden kann: Das Spiel versucht es bei jedem Schritt und bei jedem Druck auf eine Einsatztaste. Was zuvor gespeichert wurde, bleibt erhalten.</translation>
    </message>
    <message>
        <source>Player %1&apos;s profile could not be saved. The disk may be full or the folder read-only.

Paid spins wait until the profile can be saved again: the game tries at every step and at every press of a bet button. What was saved before is kept.</source>
        <translation>Das Profil von Spieler %1 konnte nicht gespeichert werden. Vielleicht ist der Datenträger voll oder der Ordner schreibgeschützt.

Bezahlte Drehungen warten, bis das Profil wieder gespeichert werden kann: Das Spiel versucht es bei jedem Schritt und bei jedem Druck auf eine Einsatztaste. Was zuvor gespeichert wurde, bleibt erhalten.</translation>
    </message>
    <message>
        <source>error Opening Link to %1<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Fehler beim Öffnen des Links zu %1<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>ExecuteLink</source>
        <translation>Link öffnen</translation>
    </message>
    <message>
        <source>The game journal could not be read, so it was set aside as %1 and a new one was started.</source>
        <translation>Das Spielprotokoll konnte nicht gelesen werden; es wurde daher als %1 beiseitegelegt und ein neues begonnen.</translation>
    </message>
    <message>
        <source>The game journal cannot be written (the disk may be full or the folder read-only). The game goes on without it.</source>
        <translation>Das Spielprotokoll kann nicht geschrieben werden (vielleicht ist der Datenträger voll oder der Ordner schreibgeschützt). Das Spiel läuft ohne Protokoll weiter.</translation>
    </message>
    <message>
        <source>Realistic</source>
        <translation>Realistisch</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>Großzügig</translation>
    </message>
    <message>
        <source>Dream Machine !!</source>
        <translation>Traummaschine !!</translation>
    </message>
    <message>
        <source>low</source>
        <translation>niedrig</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>mittel</translation>
    </message>
    <message>
        <source>high</source>
        <translation>hoch</translation>
    </message>
    <message>
        <source>very high</source>
        <translation>sehr hoch</translation>
    </message>
</context>
<context>
    <name>melvane::AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>%1  version %2</source>
        <translation>%1  Version %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>See More Slots At :-</source>
        <translation>Mehr Automaten:</translation>
    </message>
</context>
<context>
    <name>melvane::AccessibleTexts</name>
    <message>
        <source>Composer</source>
        <translation>Komponist</translation>
    </message>
    <message>
        <source>Piano</source>
        <translation>Klavier</translation>
    </message>
    <message>
        <source>Tuba</source>
        <translation>Tuba</translation>
    </message>
    <message>
        <source>Cello</source>
        <translation>Cello</translation>
    </message>
    <message>
        <source>Harp</source>
        <translation>Harfe</translation>
    </message>
    <message>
        <source>Drum</source>
        <translation>Trommel</translation>
    </message>
    <message>
        <source>King</source>
        <translation>König</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Bube</translation>
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
        <translation>Herz</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Karo</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>Pik</translation>
    </message>
    <message>
        <source>top</source>
        <translation>oben</translation>
    </message>
    <message>
        <source>middle</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>unten</translation>
    </message>
    <message>
        <source>1 coin</source>
        <translation>1 Münze</translation>
    </message>
    <message>
        <source>%1 coins</source>
        <translation>%1 Münzen</translation>
    </message>
    <message>
        <source>Fast money, 50 dollars</source>
        <translation>Schnelles Geld, 50 Dollar</translation>
    </message>
    <message>
        <source>Auto play</source>
        <translation>Automatikspiel</translation>
    </message>
    <message>
        <source>Stop auto play</source>
        <translation>Automatik beenden</translation>
    </message>
    <message>
        <source>Collect</source>
        <translation>Kassieren</translation>
    </message>
    <message>
        <source>In force</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Player %1: %2</source>
        <translation>Spieler %1: %2</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Ton an</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Ton aus</translation>
    </message>
    <message>
        <source>Reel speed %1</source>
        <translation>Walzentempo %1</translation>
    </message>
    <message>
        <source>Win counter on</source>
        <translation>Gewinnzähler an</translation>
    </message>
    <message>
        <source>Win counter off</source>
        <translation>Gewinnzähler aus</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Spielername</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Guthaben</translation>
    </message>
    <message>
        <source>Last bet</source>
        <translation>Letzter Einsatz</translation>
    </message>
    <message>
        <source>This win</source>
        <translation>Aktueller Gewinn</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Gewinn</translation>
    </message>
    <message>
        <source>Stake</source>
        <translation>Einsatz</translation>
    </message>
    <message>
        <source>At risk</source>
        <translation>Im Risiko</translation>
    </message>
    <message>
        <source>Red or black wins</source>
        <translation>Gewinn bei Rot oder Schwarz</translation>
    </message>
    <message>
        <source>Suit wins</source>
        <translation>Gewinn bei Kartenfarbe</translation>
    </message>
    <message>
        <source>Free spins remaining: %1</source>
        <translation>Verbleibende Freispiele: %1</translation>
    </message>
    <message>
        <source>Card not drawn yet</source>
        <translation>Noch keine Karte gezogen</translation>
    </message>
    <message>
        <source>Card drawn: %1</source>
        <translation>Gezogene Karte: %1</translation>
    </message>
    <message>
        <source>No past card</source>
        <translation>Keine frühere Karte</translation>
    </message>
    <message>
        <source>Past card: %1</source>
        <translation>Frühere Karte: %1</translation>
    </message>
    <message>
        <source>You win!</source>
        <translation>Gewonnen!</translation>
    </message>
    <message>
        <source>You lose</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Gamble</source>
        <translation>Risikospiel</translation>
    </message>
    <message>
        <source>Pay table</source>
        <translation>Gewinntabelle</translation>
    </message>
    <message>
        <source>Close the pay table</source>
        <translation>Gewinntabelle schließen</translation>
    </message>
    <message>
        <source>%1 of a kind %2</source>
        <translation>%1 gleiche: %2</translation>
    </message>
    <message>
        <source>%1 Scatters: %2 times the stake and %3 free spins</source>
        <translation>%1 Scatter: %2-facher Einsatz und %3 Freispiele</translation>
    </message>
    <message>
        <source>%1, in force</source>
        <translation>%1, aktiv</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s web page</source>
        <translation>Öffnet die Webseite des Herstellers</translation>
    </message>
    <message>
        <source>Wild multiplier, times %1</source>
        <translation>Wild-Multiplikator, mal %1</translation>
    </message>
    <message>
        <source>Reel %1</source>
        <translation>Walze %1</translation>
    </message>
    <message>
        <source>Reel %1, %2</source>
        <translation>Walze %1, %2</translation>
    </message>
    <message>
        <source>%1: turning</source>
        <translation>%1: dreht sich</translation>
    </message>
    <message>
        <source>%1, times %2</source>
        <translation>%1, mal %2</translation>
    </message>
    <message>
        <source>%1, not in play</source>
        <translation>%1, nicht im Spiel</translation>
    </message>
</context>
<context>
    <name>melvane::Announcer</name>
    <message numerus="yes">
        <source>%1 on %n reels</source>
        <translation>
            <numerusform>%1 auf %n Walze</numerusform>
            <numerusform>%1 auf %n Walzen</numerusform>
        </translation>
    </message>
    <message>
        <source>Scatters %1</source>
        <translation>Scatter %1</translation>
    </message>
    <message>
        <source>No win</source>
        <translation>Kein Gewinn</translation>
    </message>
    <message>
        <source>Win %1</source>
        <translation>Gewinn %1</translation>
    </message>
    <message>
        <source>Win %1: %2</source>
        <translation>Gewinn %1: %2</translation>
    </message>
    <message>
        <source>. 1 free spin won</source>
        <translation>. 1 Freispiel gewonnen</translation>
    </message>
    <message numerus="yes">
        <source>. %n free spins won</source>
        <translation>
            <numerusform>. %n Freispiel gewonnen</numerusform>
            <numerusform>. %n Freispiele gewonnen</numerusform>
        </translation>
    </message>
    <message>
        <source>. More free spins won</source>
        <translation>. Weitere Freispiele gewonnen</translation>
    </message>
    <message>
        <source>. Free spins over, round total %1</source>
        <translation>. Freispiele vorbei, Rundensumme %1</translation>
    </message>
    <message>
        <source>. 1 free spin left</source>
        <translation>. Noch 1 Freispiel</translation>
    </message>
    <message numerus="yes">
        <source>. %n free spins left</source>
        <translation>
            <numerusform>. Noch %n Freispiel</numerusform>
            <numerusform>. Noch %n Freispiele</numerusform>
        </translation>
    </message>
    <message>
        <source>Free spin, Wilds times %1: </source>
        <translation>Freispiel, Wilds mal %1: </translation>
    </message>
    <message>
        <source>Free spin: </source>
        <translation>Freispiel: </translation>
    </message>
    <message>
        <source>Collected %1</source>
        <translation>%1 kassiert</translation>
    </message>
    <message>
        <source>Round total kept: %1</source>
        <translation>Rundensumme behalten: %1</translation>
    </message>
    <message>
        <source>Gamble %1: pick a colour or a suit</source>
        <translation>Risikospiel %1: Rot, Schwarz oder eine Kartenfarbe wählen</translation>
    </message>
    <message>
        <source>Card: %1. Won, %2 at risk</source>
        <translation>Karte: %1. Gewonnen, %2 im Risiko</translation>
    </message>
    <message>
        <source>Card: %1. Lost</source>
        <translation>Karte: %1. Verloren</translation>
    </message>
    <message>
        <source>Gamble collected: %1</source>
        <translation>Risikospiel kassiert: %1</translation>
    </message>
    <message>
        <source>Gamble lost: %1</source>
        <translation>Risikospiel verloren: %1</translation>
    </message>
    <message>
        <source>Credit put on: %1</source>
        <translation>Guthaben aufgeladen: %1</translation>
    </message>
    <message>
        <source>Not enough credit for this bet</source>
        <translation>Nicht genug Guthaben für diesen Einsatz</translation>
    </message>
    <message>
        <source>Autoplay stopped</source>
        <translation>Automatik beendet</translation>
    </message>
</context>
<context>
    <name>melvane::AutoplayDialog</name>
    <message>
        <source>No limit</source>
        <translation>Kein Limit</translation>
    </message>
    <message numerus="yes">
        <source>%n coins (%1)</source>
        <translation>
            <numerusform>%n Münze (%1)</numerusform>
            <numerusform>%n Münzen (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Autoplay</source>
        <translation>Automatikspiel</translation>
    </message>
    <message>
        <source>Number of spins</source>
        <translation>Anzahl Drehungen</translation>
    </message>
    <message>
        <source>Until stopped</source>
        <translation>Bis zum Stopp</translation>
    </message>
    <message>
        <source>Loss limit</source>
        <translation>Verlustlimit</translation>
    </message>
    <message>
        <source>Single win limit</source>
        <translation>Einzelgewinn-Limit</translation>
    </message>
    <message>
        <source>Stop when free spins are won</source>
        <translation>Anhalten, wenn Freispiele gewonnen werden</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>melvane::CommandLine</name>
    <message>
        <source>A five-reel video slot with a music theme, played for play money.</source>
        <translation>Ein Video-Slot mit fünf Walzen und Musikthema, gespielt um Spielgeld.</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Diese Hilfe anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation>Die Version anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Start with player N (1 to 6) instead of player 1; a player whose free-spin round was interrupted still comes first.</source>
        <translation>Mit Spieler N (1 bis 6) statt Spieler 1 beginnen; ein Spieler, dessen Freispielrunde unterbrochen wurde, kommt trotzdem zuerst.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Show the machine full screen.</source>
        <translation>Den Automaten im Vollbild zeigen.</translation>
    </message>
    <message>
        <source>Keep the players&apos; settings, the window&apos;s place and the game journal in DIR instead of the user&apos;s own folders (for testing).</source>
        <translation>Die Einstellungen der Spieler, die Fensterposition und das Spielprotokoll in ORDNER statt in den eigenen Ordnern des Benutzers ablegen (zum Testen).</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>ORDNER</translation>
    </message>
    <message>
        <source>Choose the language of the game&apos;s texts, for example de, fr, es or en; by default the desktop&apos;s language.</source>
        <translation>Die Sprache der Spieltexte wählen, zum Beispiel de, fr, es oder en; standardmäßig die Sprache des Desktops.</translation>
    </message>
    <message>
        <source>CODE</source>
        <translation>CODE</translation>
    </message>
    <message>
        <source>%1 Try &apos;%2 --help&apos;.</source>
        <translation>%1 Versuchen Sie &apos;%2 --help&apos;.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;. Try &apos;%2 --help&apos;.</source>
        <translation>unerwartetes Argument &apos;%1&apos;. Versuchen Sie &apos;%2 --help&apos;.</translation>
    </message>
    <message>
        <source>--%1 is given twice.</source>
        <translation>--%1 ist doppelt angegeben.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Aufruf: %1 [Optionen]</translation>
    </message>
    <message>
        <source>--player: &apos;%1&apos; is not a player; choose 1 to 6.</source>
        <translation>--player: &apos;%1&apos; ist kein Spieler; wählen Sie 1 bis 6.</translation>
    </message>
    <message>
        <source>--settings: give a folder.</source>
        <translation>--settings: Geben Sie einen Ordner an.</translation>
    </message>
    <message>
        <source>--settings: &apos;%1&apos; is not a folder.</source>
        <translation>--settings: &apos;%1&apos; ist kein Ordner.</translation>
    </message>
    <message>
        <source>--language: &apos;%1&apos; is not a language code; give one such as de, fr_FR or es-419.</source>
        <translation>--language: &apos;%1&apos; ist kein Sprachcode; geben Sie einen wie de, fr_FR oder es-419 an.</translation>
    </message>
</context>
<context>
    <name>melvane::HistoryDialog</name>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Freespins Remaining = %1</source>
        <translation>Freispiele übrig = %1</translation>
    </message>
    <message>
        <source>%1: win %2</source>
        <translation>%1: Gewinn %2</translation>
    </message>
    <message>
        <source>%1: no win</source>
        <translation>%1: kein Gewinn</translation>
    </message>
    <message>
        <source>No game to recall</source>
        <translation>Kein Spiel zum Abrufen</translation>
    </message>
    <message>
        <source>credit adjusted</source>
        <translation>Guthaben angepasst</translation>
    </message>
    <message>
        <source>credit +%1</source>
        <translation>Guthaben +%1</translation>
    </message>
    <message>
        <source>$50 +%1</source>
        <translation>$50 +%1</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Drehung</translation>
    </message>
    <message>
        <source>Free spin x%1</source>
        <translation>Freispiel x%1</translation>
    </message>
    <message>
        <source>Free spin</source>
        <translation>Freispiel</translation>
    </message>
    <message>
        <source>Collect %1</source>
        <translation>Kassieren %1</translation>
    </message>
    <message>
        <source>Gamble %1</source>
        <translation>Risikospiel %1</translation>
    </message>
    <message>
        <source>%1 on %2: won</source>
        <translation>%1 auf %2: gewonnen</translation>
    </message>
    <message>
        <source>%1 on %2: lost</source>
        <translation>%1 auf %2: verloren</translation>
    </message>
    <message>
        <source>Gamble collected %1</source>
        <translation>Risikospiel kassiert %1</translation>
    </message>
    <message>
        <source>Gamble lost %1</source>
        <translation>Risikospiel verloren %1</translation>
    </message>
    <message>
        <source>Credit +%1</source>
        <translation>Guthaben +%1</translation>
    </message>
    <message>
        <source>Credit set to %1</source>
        <translation>Guthaben auf %1 gesetzt</translation>
    </message>
    <message>
        <source>%1; credit %2</source>
        <translation>%1; Guthaben %2</translation>
    </message>
    <message>
        <source>Bet %1 at %2 ways, win %3</source>
        <translation>Einsatz %1 bei %2 Gewinnwegen, Gewinn %3</translation>
    </message>
    <message>
        <source>%1, and a round of free spins: %2</source>
        <translation>%1 und eine Freispielrunde: %2</translation>
    </message>
    <message>
        <source>%1: win %2, round total %3; %4</source>
        <translation>%1: Gewinn %2, Rundensumme %3; %4</translation>
    </message>
    <message>
        <source>Free spin, Wild multiplier x%1</source>
        <translation>Freispiel, Wild-Multiplikator x%1</translation>
    </message>
    <message>
        <source>Round total collected: %1</source>
        <translation>Rundensumme kassiert: %1</translation>
    </message>
    <message>
        <source>Round total kept: %1</source>
        <translation>Rundensumme behalten: %1</translation>
    </message>
    <message>
        <source>Gamble opened on %1</source>
        <translation>Risikospiel gestartet mit %1</translation>
    </message>
    <message>
        <source>Bet on %1, the card was %2: %3</source>
        <translation>Gesetzt auf %1, die Karte war %2: %3</translation>
    </message>
    <message>
        <source>won, %1 at risk</source>
        <translation>gewonnen, %1 im Risiko</translation>
    </message>
    <message>
        <source>lost</source>
        <translation>verloren</translation>
    </message>
    <message>
        <source>Gamble collected: %1</source>
        <translation>Risikospiel kassiert: %1</translation>
    </message>
    <message>
        <source>Gamble lost: %1</source>
        <translation>Risikospiel verloren: %1</translation>
    </message>
    <message>
        <source>Credit put on: %1</source>
        <translation>Guthaben aufgeladen: %1</translation>
    </message>
    <message>
        <source>The credit changed outside play (a cleared player, or a start after a crash): from %1</source>
        <translation>Das Guthaben hat sich außerhalb des Spiels geändert (ein gelöschter Spieler oder ein Start nach einem Absturz): von %1</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>RECALL</source>
        <translation>RÜCKBLICK</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Einsatz</translation>
    </message>
    <message>
        <source>Ways</source>
        <translation>Wege</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Gewinn</translation>
    </message>
    <message>
        <source>Credit after</source>
        <translation>Guthaben danach</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>Recall</source>
        <translation>Rückblick</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
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
        <translation>GUTHABEN</translation>
    </message>
    <message>
        <source>WIN</source>
        <translation>GEWINN</translation>
    </message>
    <message>
        <source>P&amp;lay</source>
        <translation>&amp;Spielen</translation>
    </message>
    <message>
        <source>&amp;Quick Stop</source>
        <translation>&amp;Schnellstopp</translation>
    </message>
    <message>
        <source>&amp;Session Clock</source>
        <translation>Sitzungs&amp;uhr</translation>
    </message>
    <message>
        <source>&amp;Reality Check</source>
        <translation>&amp;Realitätscheck</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <translation>&amp;Aus</translation>
    </message>
    <message numerus="yes">
        <source>Every &amp;%n Minutes</source>
        <translation>
            <numerusform>Jede &amp;%n Minute</numerusform>
            <numerusform>Alle &amp;%n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Full Screen	F11</source>
        <translation>&amp;Vollbild	F11</translation>
    </message>
    <message>
        <source>&amp;Reduce Flashing</source>
        <translation>&amp;Blinken reduzieren</translation>
    </message>
    <message>
        <source>STAKE</source>
        <translation>WETTE</translation>
    </message>
</context>
<context>
    <name>melvane::MathTool</name>
    <message>
        <source>%1: %2 is not a whole number</source>
        <translation>%1: %2 ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>%1: %2 is not offered; choose %3</source>
        <translation>%1: %2 wird nicht angeboten; wählen Sie %3</translation>
    </message>
    <message>
        <source>--payout: %1 is not a payout setting; choose %2</source>
        <translation>--payout: %1 ist keine Auszahlungseinstellung; wählen Sie %2</translation>
    </message>
    <message>
        <source>--plot: %1 is not a picture file; give a name ending in .svg or .png</source>
        <translation>--plot: %1 ist keine Bilddatei; geben Sie einen Namen mit der Endung .svg oder .png an</translation>
    </message>
    <message>
        <source>--stops: %1 has more than five stops</source>
        <translation>--stops: %1 hat mehr als fünf Stopps</translation>
    </message>
    <message>
        <source>--stops: %1 is not a list of five whole numbers such as 12,2,9,1,5</source>
        <translation>--stops: %1 ist keine Liste aus fünf ganzen Zahlen wie 12,2,9,1,5</translation>
    </message>
    <message>
        <source>--stops: %1 is not a stop; each stop is %2</source>
        <translation>--stops: %1 ist kein Stopp; jeder Stopp ist %2</translation>
    </message>
    <message numerus="yes">
        <source>--stops: %1 has %n stops; give five</source>
        <translation>
            <numerusform>--stops: %1 hat %n Stopp; geben Sie fünf an</numerusform>
            <numerusform>--stops: %1 hat %n Stopps; geben Sie fünf an</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: unknown option %2</source>
        <translation>%1: unbekannte Option %2</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 ist doppelt angegeben</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 erwartet keinen Wert</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>%1 is required</source>
        <translation>%1 ist erforderlich</translation>
    </message>
    <message>
        <source>no command given; try &apos;melvane-math --help&apos;</source>
        <translation>kein Befehl angegeben; versuchen Sie &apos;melvane-math --help&apos;</translation>
    </message>
    <message>
        <source>%1 takes nothing after it; found %2</source>
        <translation>%1 erwartet nichts danach; gefunden: %2</translation>
    </message>
    <message>
        <source>--engine: %1 is not an engine; choose model or game</source>
        <translation>--engine: %1 ist keine Engine; wählen Sie model oder game</translation>
    </message>
    <message>
        <source>--spins: %1 is negative; give a count of at least 1</source>
        <translation>--spins: %1 ist negativ; geben Sie eine Anzahl von mindestens 1 an</translation>
    </message>
    <message>
        <source>--spins: %1 is out of range; give 1 to %2</source>
        <translation>--spins: %1 liegt außerhalb des Bereichs; geben Sie 1 bis %2 an</translation>
    </message>
    <message>
        <source>--journal: %1 is not a journal; choose memory or off</source>
        <translation>--journal: %1 ist kein Protokoll; wählen Sie memory oder off</translation>
    </message>
    <message>
        <source>--journal: only the game engine journals; add --engine game</source>
        <translation>--journal: nur die Engine game führt ein Protokoll; ergänzen Sie --engine game</translation>
    </message>
    <message>
        <source>audit: give the journal file, as in &apos;melvane-math audit journal.sqlite&apos;</source>
        <translation>audit: geben Sie die Protokolldatei an, etwa &apos;melvane-math audit journal.sqlite&apos;</translation>
    </message>
    <message>
        <source>unknown command %1; try &apos;melvane-math --help&apos;</source>
        <translation>unbekannter Befehl %1; versuchen Sie &apos;melvane-math --help&apos;</translation>
    </message>
    <message>
        <source>usage:</source>
        <translation>Aufruf:</translation>
    </message>
    <message>
        <source>what one set of stops pays, as JSON</source>
        <translation>was eine Stopp-Kombination auszahlt, als JSON</translation>
    </message>
    <message>
        <source>exact return to player of every ways and payout setting (full cycle)</source>
        <translation>exakte Auszahlungsquote jeder Wege- und Auszahlungseinstellung (voller Zyklus)</translation>
    </message>
    <message>
        <source>exact PAR sheet of one setting (full cycle): the standard deviation and
volatility index of a paid spin with its bonus, the 90% range of sessions&apos;
returns, the win bands and what each symbol and run pays; --plot draws the
win bands</source>
        <translation>exaktes PAR-Sheet einer Einstellung (voller Zyklus): Standardabweichung und
Volatilitätsindex einer bezahlten Drehung samt Bonus, der 90-%-Bereich der
Sitzungsergebnisse, die Gewinnklassen und was jedes Symbol und jede Serie
zahlt; --plot zeichnet die Gewinnklassen</translation>
    </message>
    <message>
        <source>replay every game of a journal through the rules and check each bet, win,
free-spin count, multiplier, gamble stake and card, limit mark and the chain
of credit; exit 1 on a mismatch</source>
        <translation>jedes Spiel eines Protokolls nach den Regeln nachspielen und jeden Einsatz,
Gewinn, Freispielzähler, Multiplikator, Risikoeinsatz und -karte, Limitmarke
und die Guthabenkette prüfen; bei einer Abweichung Exit-Code 1</translation>
    </message>
    <message>
        <source>play N paid spins and compare the measured figures with the exact ones;
engine &apos;model&apos; (default) draws outcomes from the rules, &apos;game&apos; plays the game
itself in autoplay on a virtual clock, journaling every step in memory with
--journal memory</source>
        <translation>N bezahlte Drehungen spielen und die gemessenen Werte mit den exakten
vergleichen; Engine &apos;model&apos; (Standard) zieht Ergebnisse aus den Regeln, &apos;game&apos;
spielt das Spiel selbst als Automatikspiel auf einer virtuellen Uhr und protokolliert
mit --journal memory jeden Schritt im Speicher</translation>
    </message>
    <message>
        <source>W: %1 ways    C: %2 coins per way</source>
        <translation>W: %1 Wege    C: %2 Münzen pro Weg</translation>
    </message>
    <message>
        <source>P: %1    stops: %2 each</source>
        <translation>P: %1    Stopps: je %2</translation>
    </message>
    <message>
        <source>%1 could not be read to its end: %2</source>
        <translation>%1 konnte nicht bis zum Ende gelesen werden: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
</context>
<context>
    <name>melvane::OptionsDialog</name>
    <message>
        <source>toggle sound</source>
        <translation>Ton ein/aus</translation>
    </message>
    <message>
        <source>Reel Speed</source>
        <translation>Walzentempo</translation>
    </message>
    <message>
        <source>Win Counter</source>
        <translation>Gewinnzähler</translation>
    </message>
    <message>
        <source>Payout %</source>
        <translation>Auszahlung %</translation>
    </message>
    <message>
        <source>Screen Size</source>
        <translation>Bildschirmgröße</translation>
    </message>
</context>
<context>
    <name>melvane::PaytableDialog</name>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>SCATTER</source>
        <translation>SCATTER</translation>
    </message>
    <message>
        <source>From reel 1 rightwards, paid on the whole stake</source>
        <translation>Ab Walze 1 nach rechts, gezahlt auf den Gesamteinsatz</translation>
    </message>
    <message numerus="yes">
        <source>%n Scatters</source>
        <translation>
            <numerusform>%n Scatter</numerusform>
            <numerusform>%n Scatter</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 x stake</source>
        <translation>%1 x Einsatz</translation>
    </message>
    <message numerus="yes">
        <source>%n free spins</source>
        <translation>
            <numerusform>%n Freispiel</numerusform>
            <numerusform>%n Freispiele</numerusform>
        </translation>
    </message>
    <message>
        <source>WILD</source>
        <translation>WILD</translation>
    </message>
    <message>
        <source>Reels 2 and 4 only: stands in for every paying symbol and counts as a Scatter</source>
        <translation>Nur auf Walze 2 und 4: ersetzt jedes Gewinnsymbol und zählt als Scatter</translation>
    </message>
    <message>
        <source>In free spins every win is multiplied by %1.</source>
        <translation>In Freispielen wird jeder Gewinn mit %1 multipliziert.</translation>
    </message>
    <message>
        <source>Return to player at %1 ways</source>
        <translation>Auszahlungsquote bei %1 Gewinnwegen</translation>
    </message>
    <message>
        <source>A win above twice the stake stands only with the chance the payout setting gives, 1 in %1; otherwise the spin is drawn again.</source>
        <translation>Ein Gewinn über dem doppelten Einsatz zählt nur mit der Wahrscheinlichkeit der Auszahlungseinstellung, 1 von %1; sonst wird die Drehung neu ausgelost.</translation>
    </message>
    <message>
        <source>Volatility: %1</source>
        <translation>Volatilität: %1</translation>
    </message>
    <message>
        <source>9 in 10 sessions of 1,000 spins return between %1% and %2%</source>
        <translation>9 von 10 Sitzungen mit 1.000 Drehungen bringen zwischen %1 % und %2 % zurück</translation>
    </message>
    <message numerus="yes">
        <source>%n reels</source>
        <translation>
            <numerusform>%n Walze</numerusform>
            <numerusform>%n Walzen</numerusform>
        </translation>
    </message>
    <message>
        <source>PAY TABLE</source>
        <translation>GEWINNTABELLE</translation>
    </message>
    <message>
        <source>Pays per way for one coin of the bet, runs from the left</source>
        <translation>Gewinn pro Weg für eine Münze Einsatz, Serien von links</translation>
    </message>
    <message>
        <source>PAYTABLE</source>
        <translation>GEWINNTABELLE</translation>
    </message>
    <message>
        <source>close  paytable</source>
        <translation>Tabelle  schließen</translation>
    </message>
</context>
<context>
    <name>melvane::Pictures</name>
    <message>
        <source>FAST</source>
        <extracomment>Under &quot;$50&quot; on the button that gives the player $50 of play money at once.</extracomment>
        <translation>SOFORT</translation>
    </message>
    <message>
        <source>COLLECT</source>
        <extracomment>The button that takes the gamble&apos;s winnings to the bank.</extracomment>
        <translation>KASSIEREN</translation>
    </message>
    <message>
        <source>JOKER</source>
        <extracomment>The word on the gamble&apos;s joker card, printed down its corners letter by letter.</extracomment>
        <translation>JOKER</translation>
    </message>
    <message>
        <source>YOU WIN!</source>
        <translation>GEWONNEN!</translation>
    </message>
    <message>
        <source>YOU LOSE</source>
        <translation>VERLOREN</translation>
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
        <translation>Melvane läuft bereits mit den Einstellungen in
%1

Spielen Sie in jenem Fenster weiter; dieses schließt sich, ohne etwas zu ändern.</translation>
    </message>
</context>
</TS>
