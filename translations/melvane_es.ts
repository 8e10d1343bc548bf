<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>GameText</name>
    <message>
        <source>At Risk  %1</source>
        <translation>En juego  %1</translation>
    </message>
    <message>
        <source>Black/Red Win = %1</source>
        <translation>Premio rojo/negro = %1</translation>
    </message>
    <message>
        <source>Suit Win = %1</source>
        <translation>Premio palo = %1</translation>
    </message>
    <message>
        <source>No Win  </source>
        <translation>Sin premio  </translation>
    </message>
    <message>
        <source>No Win</source>
        <translation>Sin premio</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Collect</source>
        <translation>Cobrar</translation>
    </message>
    <message>
        <source>past history</source>
        <translation>historial</translation>
    </message>
    <message>
        <source>Bet 1 Coin</source>
        <translation>Apostar 1 moneda</translation>
    </message>
    <message>
        <source>Bet 2 Coins</source>
        <translation>Apostar 2 monedas</translation>
    </message>
    <message>
        <source>Bet 5 Coins</source>
        <translation>Apostar 5 monedas</translation>
    </message>
    <message>
        <source>Bet 10 Coins</source>
        <translation>Apostar 10 monedas</translation>
    </message>
    <message>
        <source>Bet 20 Coins</source>
        <translation>Apostar 20 monedas</translation>
    </message>
    <message>
        <source> Play 3 Lines</source>
        <translation> Jugar 3 líneas</translation>
    </message>
    <message>
        <source>Play 9 Lines</source>
        <translation>Jugar 9 líneas</translation>
    </message>
    <message>
        <source>Play 27 Lines</source>
        <translation>Jugar 27 líneas</translation>
    </message>
    <message>
        <source>Play 81 Lines</source>
        <translation>Jugar 81 líneas</translation>
    </message>
    <message>
        <source>Play 243 Lines</source>
        <translation>Jugar 243 líneas</translation>
    </message>
    <message>
        <source>Click For Credit</source>
        <translation>Pedir crédito</translation>
    </message>
    <message>
        <source>Click to double or lose win</source>
        <translation>Doble o nada</translation>
    </message>
    <message>
        <source>Not Enough Credit For This Bet !!</source>
        <translation>¡¡Crédito insuficiente para esta apuesta!!</translation>
    </message>
    <message>
        <source>LAST BET</source>
        <translation>APUESTA</translation>
    </message>
    <message>
        <source>THIS WIN</source>
        <translation>ESTE PREMIO</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;Paytable</source>
        <translation>&amp;Tabla de premios</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Historial</translation>
    </message>
    <message>
        <source>Slots Melvane</source>
        <translation>Slots Melvane</translation>
    </message>
    <message>
        <source>Good Luck</source>
        <translation>¡Suerte!</translation>
    </message>
    <message>
        <source>     Freespins Remaining = %1</source>
        <translation>     Tiradas gratis restantes = %1</translation>
    </message>
    <message>
        <source>Freespins Completed          </source>
        <translation>Tiradas gratis terminadas    </translation>
    </message>
    <message>
        <source> ..............PLEASE READ.................<byte value="xd"/> When you use this function all other Functions are<byte value="xd"/>   unavailable to you until you turn the Autoplay OFF <byte value="xd"/> To turn Autoplay OFF Click on the Autoplayoff button.<byte value="xd"/>  <byte value="xd"/>  This message will not appear again</source>
        <translation> ..............LÉALO, POR FAVOR.................<byte value="xd"/> Mientras use esta función, todas las demás funciones<byte value="xd"/>   estarán deshabilitadas hasta que desactive el juego automático <byte value="xd"/> Para desactivarlo, pulse el botón de parar el juego automático.<byte value="xd"/>  <byte value="xd"/>  Este mensaje no volverá a aparecer</translation>
    </message>
    <message>
        <source>Autoplay stopped: %1 spins played</source>
        <translation>Juego automático detenido: %1 tiradas jugadas</translation>
    </message>
    <message>
        <source>Autoplay stopped: credit down more than %1 coins</source>
        <translation>Juego automático detenido: pérdida de más de %1 monedas</translation>
    </message>
    <message>
        <source>Autoplay stopped: a win of %1 coins or more</source>
        <translation>Juego automático detenido: un premio de %1 monedas o más</translation>
    </message>
    <message>
        <source>Autoplay stopped: free spins played</source>
        <translation>Juego automático detenido: tiradas gratis jugadas</translation>
    </message>
    <message>
        <source>Autoplay stopped as asked</source>
        <translation>Juego automático detenido, como se pidió</translation>
    </message>
    <message>
        <source>Autoplay stopped at the reality check</source>
        <translation>Juego automático detenido en el control de realidad</translation>
    </message>
    <message>
        <source>Melvane Options</source>
        <translation>Opciones de Melvane</translation>
    </message>
    <message>
        <source>Input Player Name                                  Then Enter</source>
        <translation>Escriba el nombre                               y pulse Intro</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt;Faster                       Slower&gt;&gt;&gt;</source>
        <translation>&lt;&lt;&lt;Más rápido           Más lento&gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Current Speed =   %1</source>
        <translation>Velocidad actual =   %1</translation>
    </message>
    <message>
        <source>Note :- Some machines <byte value="xd"/>
may not support this <byte value="xd"/>
option.<byte value="xd"/>
</source>
        <translation>Nota: puede que algunos <byte value="xd"/>
equipos no admitan esta <byte value="xd"/>
opción.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Already 800 X 600 resolution !!<byte value="xd"/></source>
        <translation>¡¡Ya está en resolución 800 X 600!!<byte value="xd"/></translation>
    </message>
    <message>
        <source>Slot_Melvane</source>
        <translation>Slot_Melvane</translation>
    </message>
    <message>
        <source>O.K. Close and save changes</source>
        <translation>Aceptar y guardar cambios</translation>
    </message>
    <message>
        <source>Delete Current Player</source>
        <translation>Borrar jugador actual</translation>
    </message>
    <message>
        <source>Large Size 800X600</source>
        <translation>Tamaño grande 800X600</translation>
    </message>
    <message>
        <source>Origonal Screen Size</source>
        <translation>Tamaño de pantalla original</translation>
    </message>
    <message>
        <source> ON</source>
        <translation> SÍ</translation>
    </message>
    <message>
        <source> OFF</source>
        <translation> NO</translation>
    </message>
    <message>
        <source> ON </source>
        <translation> SÍ </translation>
    </message>
    <message>
        <source>Nothing Entered</source>
        <translation>No ha escrito nada</translation>
    </message>
    <message>
        <source>Name Too Long</source>
        <translation>Nombre demasiado largo</translation>
    </message>
    <message>
        <source>Slots_Melvane</source>
        <translation>Slots_Melvane</translation>
    </message>
    <message>
        <source>Are you sure you want to Delete Current Player&apos;s Details ?</source>
        <translation>¿Seguro que desea borrar los datos del jugador actual?</translation>
    </message>
    <message>
        <source>Current Player   %1</source>
        <translation>Jugador actual   %1</translation>
    </message>
    <message>
        <source>Current Player  %1</source>
        <translation>Jugador actual  %1</translation>
    </message>
    <message>
        <source>Vacant</source>
        <translation>Libre</translation>
    </message>
    <message>
        <source>Player %1&apos;s profile cannot be played: its value &quot;%2&quot; is not a number the game can read. The profile has been left as it is, so that it can be mended; the other players&apos; profiles play as before.</source>
        <translation>El perfil del jugador %1 no se puede jugar: su valor «%2» no es un número que el juego pueda leer. El perfil se ha dejado tal cual para que pueda repararse; los perfiles de los demás jugadores funcionan como antes.</translation>
    </message>
    <message>
        <source>Player %1&apos;s profile cannot be played: its value &quot;%2&quot; is not a number the game can read (in %3). The profile has been left as it is, so that it can be mended; the other players&apos; profiles play as before.</source>
        <translation>El perfil del jugador %1 no se puede jugar: su valor «%2» no es un número que el juego pueda leer (en %3). El perfil se ha dejado tal cual para que pueda repararse; los perfiles de los demás jugadores funcionan como antes.</translation>
    </message>
    <message>
        <source>The free-spin round stored for player %1 could not be read, so it has not been restored.</source>
        <translation>No se ha podido leer la ronda de tiradas gratis guardada del jugador %1, así que no se ha restaurado.</translation>
    </message>
    <message>
        <source>Current Player       %1</source>
        <translation>Jugador actual       %1</translation>
    </message>
    <message>
        <source>Current Player    %1</source>
        <translation>Jugador actual    %1</translation>
    </message>
    <message>
        <source>Games Played      </source>
        <translation>Partidas jugadas  </translation>
    </message>
    <message>
        <source>Total Wagered     </source>
        <translation>Total apostado    </translation>
    </message>
    <message>
        <source>Total Won      </source>
        <translation>Total ganado   </translation>
    </message>
    <message>
        <source>Winning/Losing     </source>
        <translation>Ganancia/Pérdida   </translation>
    </message>
    <message>
        <source>Returned To Player     </source>
        <translation>Retorno al jugador     </translation>
    </message>
    <message>
        <source>Total Invested      </source>
        <translation>Total invertido     </translation>
    </message>
    <message>
        <source>Freespins Won     </source>
        <translation>Tiradas gratis ganadas </translation>
    </message>
    <message>
        <source>Games Played          </source>
        <translation>Partidas jugadas      </translation>
    </message>
    <message>
        <source>Total Wagered         </source>
        <translation>Total apostado        </translation>
    </message>
    <message>
        <source>Total Won          </source>
        <translation>Total ganado       </translation>
    </message>
    <message>
        <source>Winning/Losing      </source>
        <translation>Ganancia/Pérdida    </translation>
    </message>
    <message>
        <source>Returned To Player </source>
        <translation>Retorno al jugador </translation>
    </message>
    <message>
        <source>Total Invested     </source>
        <translation>Total invertido    </translation>
    </message>
    <message>
        <source>Games Played            %1</source>
        <translation>Partidas jugadas        %1</translation>
    </message>
    <message>
        <source>Total Wagered           %1</source>
        <translation>Total apostado          %1</translation>
    </message>
    <message>
        <source>Total Won                   %1</source>
        <translation>Total ganado                %1</translation>
    </message>
    <message>
        <source>Winning/Losing           %1</source>
        <translation>Ganancia/Pérdida         %1</translation>
    </message>
    <message>
        <source>Returned To Player     % %1</source>
        <translation>Retorno al jugador     % %1</translation>
    </message>
    <message>
        <source>Total Invested             %1</source>
        <translation>Total invertido            %1</translation>
    </message>
    <message>
        <source>Freespins Won            %1</source>
        <translation>Tiradas gratis ganadas   %1</translation>
    </message>
    <message>
        <source>Freespins Won     %1</source>
        <translation>Tiradas gratis ganadas  %1</translation>
    </message>
    <message>
        <source>Returned To Player     % </source>
        <translation>Retorno al jugador     % </translation>
    </message>
    <message numerus="yes">
        <source>%1%n coins (%2)</source>
        <translation>
            <numerusform>%1%n moneda (%2)</numerusform>
            <numerusform>%1%n monedas (%2)</numerusform>
        </translation>
    </message>
    <message>
        <source>Session %1     Net %2</source>
        <translation>Sesión %1     Neto %2</translation>
    </message>
    <message numerus="yes">
        <source>%n coins (%1)</source>
        <translation>
            <numerusform>%n moneda (%1)</numerusform>
            <numerusform>%n monedas (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Reality check<byte value="xd"/><byte value="xd"/>You have been playing for %1.<byte value="xd"/><byte value="xd"/>Games: %2<byte value="xd"/>Staked: %3<byte value="xd"/>Won: %4<byte value="xd"/>Net: %5</source>
        <translation>Control de realidad<byte value="xd"/><byte value="xd"/>Lleva jugando %1.<byte value="xd"/><byte value="xd"/>Partidas: %2<byte value="xd"/>Apostado: %3<byte value="xd"/>Ganado: %4<byte value="xd"/>Neto: %5</translation>
    </message>
    <message>
        <source>Keep playing</source>
        <translation>Seguir jugando</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>               LARGE FONTS BEING USED !!!</source>
        <translation>               ¡¡¡SE ESTÁN USANDO FUENTES GRANDES!!!</translation>
    </message>
    <message>
        <source>You are still using Large Fonts!!,This Game Will Not Run Correctly.<byte value="xd"/>There is no facility in this software to change them.<byte value="xd"/>To Change Manually :-<byte value="xd"/>Right Click On DeskTop<byte value="xd"/>Select Properties<byte value="xd"/>Select Settings<byte value="xd"/>Click Advanced Button<byte value="xd"/>Select SMALL Fonts (or 96 DPI)<byte value="xd"/>A Re-Boot Is Then Required<byte value="xd"/><byte value="xd"/>To Change Back After Do The Reverse :-<byte value="xd"/></source>
        <translation>¡¡Sigue usando fuentes grandes!! El juego no funcionará correctamente.<byte value="xd"/>Este programa no permite cambiarlas.<byte value="xd"/>Para cambiarlas a mano:<byte value="xd"/>Haga clic derecho en el escritorio<byte value="xd"/>Seleccione Propiedades<byte value="xd"/>Seleccione Configuración<byte value="xd"/>Pulse el botón Opciones avanzadas<byte value="xd"/>Seleccione fuentes PEQUEÑAS (o 96 PPP)<byte value="xd"/>Después hay que reiniciar el equipo<byte value="xd"/><byte value="xd"/>Para volver atrás después, haga lo contrario:<byte value="xd"/></translation>
    </message>
    <message>
        <source>Player %1&apos;s profile could not be saved to %2. The disk may be full or the folder read-only.

Paid spins wait until the profile can be saved again: the game tries at every step and at every press of a bet button. What was saved before is kept.</source>
        <translation>No se ha podido guardar el perfil del jugador %1 en %2. Puede que el disco esté lleno o que la carpeta sea de solo lectura.

Las tiradas pagadas esperan hasta que el perfil se pueda guardar de nuevo: el juego lo intenta en cada paso y cada vez que se pulsa un botón de apuesta. Lo guardado antes se conserva.</translation>
    </message>
    <message>
        <source>Player %1&apos;s profile could not be saved. The disk may be full or the folder read-only.

Paid spins wait until the profile can be saved again: the game tries at every step and at every press of a bet button. What was saved before is kept.</source>
        <translation>No se ha podido guardar el perfil del jugador %1. Puede que el disco esté lleno o que la carpeta sea de solo lectura.

Las tiradas pagadas esperan hasta que el perfil se pueda guardar de nuevo: el juego lo intenta en cada paso y cada vez que se pulsa un botón de apuesta. Lo guardado antes se conserva.</translation>
    </message>
    <message>
        <source>error Opening Link to %1<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>error al abrir el enlace a %1<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>ExecuteLink</source>
        <translation>Abrir enlace</translation>
    </message>
    <message>
        <source>The game journal could not be read, so it was set aside as %1 and a new one was started.</source>
        <translation>No se ha podido leer el registro de partidas, así que se ha apartado como %1 y se ha empezado uno nuevo.</translation>
    </message>
    <message>
        <source>The game journal cannot be written (the disk may be full or the folder read-only). The game goes on without it.</source>
        <translation>No se puede escribir el registro de partidas (puede que el disco esté lleno o que la carpeta sea de solo lectura). El juego continúa sin él.</translation>
    </message>
    <message>
        <source>Realistic</source>
        <translation>Realista</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>Generosa</translation>
    </message>
    <message>
        <source>Dream Machine !!</source>
        <translation>¡¡Máquina de ensueño!!</translation>
    </message>
    <message>
        <source>low</source>
        <translation>baja</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>media</translation>
    </message>
    <message>
        <source>high</source>
        <translation>alta</translation>
    </message>
    <message>
        <source>very high</source>
        <translation>muy alta</translation>
    </message>
</context>
<context>
    <name>melvane::AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>%1  version %2</source>
        <translation>%1  versión %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>See More Slots At :-</source>
        <translation>Más tragaperras en:</translation>
    </message>
</context>
<context>
    <name>melvane::AccessibleTexts</name>
    <message>
        <source>Composer</source>
        <translation>Compositor</translation>
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
        <translation>Violonchelo</translation>
    </message>
    <message>
        <source>Harp</source>
        <translation>Arpa</translation>
    </message>
    <message>
        <source>Drum</source>
        <translation>Tambor</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Rey</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Reina</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Jota</translation>
    </message>
    <message>
        <source>Scatter</source>
        <translation>Scatter</translation>
    </message>
    <message>
        <source>Wild</source>
        <translation>Comodín</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Corazones</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Tréboles</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Diamantes</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>Picas</translation>
    </message>
    <message>
        <source>top</source>
        <translation>arriba</translation>
    </message>
    <message>
        <source>middle</source>
        <translation>centro</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>abajo</translation>
    </message>
    <message>
        <source>1 coin</source>
        <translation>1 moneda</translation>
    </message>
    <message>
        <source>%1 coins</source>
        <translation>%1 monedas</translation>
    </message>
    <message>
        <source>Fast money, 50 dollars</source>
        <translation>Dinero rápido, 50 dólares</translation>
    </message>
    <message>
        <source>Auto play</source>
        <translation>Juego automático</translation>
    </message>
    <message>
        <source>Stop auto play</source>
        <translation>Detener juego automático</translation>
    </message>
    <message>
        <source>Collect</source>
        <translation>Cobrar</translation>
    </message>
    <message>
        <source>In force</source>
        <translation>Activo</translation>
    </message>
    <message>
        <source>Player %1: %2</source>
        <translation>Jugador %1: %2</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Sonido activado</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Sonido desactivado</translation>
    </message>
    <message>
        <source>Reel speed %1</source>
        <translation>Velocidad de rodillos %1</translation>
    </message>
    <message>
        <source>Win counter on</source>
        <translation>Contador de premios activado</translation>
    </message>
    <message>
        <source>Win counter off</source>
        <translation>Contador de premios desactivado</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Nombre del jugador</translation>
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
        <translation>Crédito</translation>
    </message>
    <message>
        <source>Last bet</source>
        <translation>Última apuesta</translation>
    </message>
    <message>
        <source>This win</source>
        <translation>Este premio</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Premio</translation>
    </message>
    <message>
        <source>Stake</source>
        <translation>Apuesta</translation>
    </message>
    <message>
        <source>At risk</source>
        <translation>En juego</translation>
    </message>
    <message>
        <source>Red or black wins</source>
        <translation>Premio por rojo o negro</translation>
    </message>
    <message>
        <source>Suit wins</source>
        <translation>Premio por palo</translation>
    </message>
    <message>
        <source>Free spins remaining: %1</source>
        <translation>Tiradas gratis restantes: %1</translation>
    </message>
    <message>
        <source>Card not drawn yet</source>
        <translation>Carta aún no sacada</translation>
    </message>
    <message>
        <source>Card drawn: %1</source>
        <translation>Carta sacada: %1</translation>
    </message>
    <message>
        <source>No past card</source>
        <translation>Sin carta anterior</translation>
    </message>
    <message>
        <source>Past card: %1</source>
        <translation>Carta anterior: %1</translation>
    </message>
    <message>
        <source>You win!</source>
        <translation>¡Ha ganado!</translation>
    </message>
    <message>
        <source>You lose</source>
        <translation>Ha perdido</translation>
    </message>
    <message>
        <source>Gamble</source>
        <translation>Doble o nada</translation>
    </message>
    <message>
        <source>Pay table</source>
        <translation>Tabla de premios</translation>
    </message>
    <message>
        <source>Close the pay table</source>
        <translation>Cerrar la tabla de premios</translation>
    </message>
    <message>
        <source>%1 of a kind %2</source>
        <translation>%1 iguales pagan %2</translation>
    </message>
    <message>
        <source>%1 Scatters: %2 times the stake and %3 free spins</source>
        <translation>%1 Scatters: %2 veces la apuesta y %3 tiradas gratis</translation>
    </message>
    <message>
        <source>%1, in force</source>
        <translation>%1, activo</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s web page</source>
        <translation>Abre la página web del fabricante</translation>
    </message>
    <message>
        <source>Wild multiplier, times %1</source>
        <translation>Multiplicador del comodín, por %1</translation>
    </message>
    <message>
        <source>Reel %1</source>
        <translation>Rodillo %1</translation>
    </message>
    <message>
        <source>Reel %1, %2</source>
        <translation>Rodillo %1, %2</translation>
    </message>
    <message>
        <source>%1: turning</source>
        <translation>%1: girando</translation>
    </message>
    <message>
        <source>%1, times %2</source>
        <translation>%1, por %2</translation>
    </message>
    <message>
        <source>%1, not in play</source>
        <translation>%1, fuera de juego</translation>
    </message>
</context>
<context>
    <name>melvane::Announcer</name>
    <message numerus="yes">
        <source>%1 on %n reels</source>
        <translation>
            <numerusform>%1 en %n rodillo</numerusform>
            <numerusform>%1 en %n rodillos</numerusform>
        </translation>
    </message>
    <message>
        <source>Scatters %1</source>
        <translation>Scatters %1</translation>
    </message>
    <message>
        <source>No win</source>
        <translation>Sin premio</translation>
    </message>
    <message>
        <source>Win %1</source>
        <translation>Premio %1</translation>
    </message>
    <message>
        <source>Win %1: %2</source>
        <translation>Premio %1: %2</translation>
    </message>
    <message>
        <source>. 1 free spin won</source>
        <translation>. 1 tirada gratis ganada</translation>
    </message>
    <message numerus="yes">
        <source>. %n free spins won</source>
        <translation>
            <numerusform>. %n tirada gratis ganada</numerusform>
            <numerusform>. %n tiradas gratis ganadas</numerusform>
        </translation>
    </message>
    <message>
        <source>. More free spins won</source>
        <translation>. Más tiradas gratis ganadas</translation>
    </message>
    <message>
        <source>. Free spins over, round total %1</source>
        <translation>. Tiradas gratis terminadas, total de la ronda %1</translation>
    </message>
    <message>
        <source>. 1 free spin left</source>
        <translation>. Queda 1 tirada gratis</translation>
    </message>
    <message numerus="yes">
        <source>. %n free spins left</source>
        <translation>
            <numerusform>. Queda %n tirada gratis</numerusform>
            <numerusform>. Quedan %n tiradas gratis</numerusform>
        </translation>
    </message>
    <message>
        <source>Free spin, Wilds times %1: </source>
        <translation>Tirada gratis, comodines por %1: </translation>
    </message>
    <message>
        <source>Free spin: </source>
        <translation>Tirada gratis: </translation>
    </message>
    <message>
        <source>Collected %1</source>
        <translation>Cobrado %1</translation>
    </message>
    <message>
        <source>Round total kept: %1</source>
        <translation>Total de la ronda conservado: %1</translation>
    </message>
    <message>
        <source>Gamble %1: pick a colour or a suit</source>
        <translation>Doble o nada %1: elija un color o un palo</translation>
    </message>
    <message>
        <source>Card: %1. Won, %2 at risk</source>
        <translation>Carta: %1. Ganado, %2 en juego</translation>
    </message>
    <message>
        <source>Card: %1. Lost</source>
        <translation>Carta: %1. Perdido</translation>
    </message>
    <message>
        <source>Gamble collected: %1</source>
        <translation>Doble o nada cobrado: %1</translation>
    </message>
    <message>
        <source>Gamble lost: %1</source>
        <translation>Doble o nada perdido: %1</translation>
    </message>
    <message>
        <source>Credit put on: %1</source>
        <translation>Crédito añadido: %1</translation>
    </message>
    <message>
        <source>Not enough credit for this bet</source>
        <translation>Crédito insuficiente para esta apuesta</translation>
    </message>
    <message>
        <source>Autoplay stopped</source>
        <translation>Juego automático detenido</translation>
    </message>
</context>
<context>
    <name>melvane::AutoplayDialog</name>
    <message>
        <source>No limit</source>
        <translation>Sin límite</translation>
    </message>
    <message numerus="yes">
        <source>%n coins (%1)</source>
        <translation>
            <numerusform>%n moneda (%1)</numerusform>
            <numerusform>%n monedas (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Autoplay</source>
        <translation>Juego automático</translation>
    </message>
    <message>
        <source>Number of spins</source>
        <translation>Número de tiradas</translation>
    </message>
    <message>
        <source>Until stopped</source>
        <translation>Hasta detenerlo</translation>
    </message>
    <message>
        <source>Loss limit</source>
        <translation>Límite de pérdidas</translation>
    </message>
    <message>
        <source>Single win limit</source>
        <translation>Límite por premio</translation>
    </message>
    <message>
        <source>Stop when free spins are won</source>
        <translation>Parar al ganar tiradas gratis</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>melvane::CommandLine</name>
    <message>
        <source>A five-reel video slot with a music theme, played for play money.</source>
        <translation>Una tragaperras de vídeo de cinco rodillos con temática musical, que se juega con dinero ficticio.</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Muestra esta ayuda y termina.</translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation>Muestra la versión y termina.</translation>
    </message>
    <message>
        <source>Start with player N (1 to 6) instead of player 1; a player whose free-spin round was interrupted still comes first.</source>
        <translation>Empieza con el jugador N (1 a 6) en lugar del jugador 1; un jugador cuya ronda de tiradas gratis se interrumpió sigue teniendo prioridad.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Show the machine full screen.</source>
        <translation>Muestra la máquina a pantalla completa.</translation>
    </message>
    <message>
        <source>Keep the players&apos; settings, the window&apos;s place and the game journal in DIR instead of the user&apos;s own folders (for testing).</source>
        <translation>Guarda los ajustes de los jugadores, la posición de la ventana y el registro de partidas en DIR en lugar de en las carpetas del usuario (para pruebas).</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>DIR</translation>
    </message>
    <message>
        <source>Choose the language of the game&apos;s texts, for example de, fr, es or en; by default the desktop&apos;s language.</source>
        <translation>Elige el idioma de los textos del juego, por ejemplo de, fr, es o en; por defecto, el idioma del escritorio.</translation>
    </message>
    <message>
        <source>CODE</source>
        <translation>CÓDIGO</translation>
    </message>
    <message>
        <source>%1 Try &apos;%2 --help&apos;.</source>
        <translation>%1 Pruebe &apos;%2 --help&apos;.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;. Try &apos;%2 --help&apos;.</source>
        <translation>argumento inesperado &apos;%1&apos;. Pruebe &apos;%2 --help&apos;.</translation>
    </message>
    <message>
        <source>--%1 is given twice.</source>
        <translation>--%1 aparece dos veces.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Uso: %1 [opciones]</translation>
    </message>
    <message>
        <source>--player: &apos;%1&apos; is not a player; choose 1 to 6.</source>
        <translation>--player: &apos;%1&apos; no es un jugador; elija de 1 a 6.</translation>
    </message>
    <message>
        <source>--settings: give a folder.</source>
        <translation>--settings: indique una carpeta.</translation>
    </message>
    <message>
        <source>--settings: &apos;%1&apos; is not a folder.</source>
        <translation>--settings: &apos;%1&apos; no es una carpeta.</translation>
    </message>
    <message>
        <source>--language: &apos;%1&apos; is not a language code; give one such as de, fr_FR or es-419.</source>
        <translation>--language: &apos;%1&apos; no es un código de idioma; indique uno como de, fr_FR o es-419.</translation>
    </message>
</context>
<context>
    <name>melvane::HistoryDialog</name>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Freespins Remaining = %1</source>
        <translation>Tiradas gratis restantes = %1</translation>
    </message>
    <message>
        <source>%1: win %2</source>
        <translation>%1: premio %2</translation>
    </message>
    <message>
        <source>%1: no win</source>
        <translation>%1: sin premio</translation>
    </message>
    <message>
        <source>No game to recall</source>
        <translation>No hay ninguna partida que repetir</translation>
    </message>
    <message>
        <source>credit adjusted</source>
        <translation>crédito ajustado</translation>
    </message>
    <message>
        <source>credit +%1</source>
        <translation>crédito +%1</translation>
    </message>
    <message>
        <source>$50 +%1</source>
        <translation>$50 +%1</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Tirada</translation>
    </message>
    <message>
        <source>Free spin x%1</source>
        <translation>Tirada gratis x%1</translation>
    </message>
    <message>
        <source>Free spin</source>
        <translation>Tirada gratis</translation>
    </message>
    <message>
        <source>Collect %1</source>
        <translation>Cobro %1</translation>
    </message>
    <message>
        <source>Gamble %1</source>
        <translation>Doble o nada %1</translation>
    </message>
    <message>
        <source>%1 on %2: won</source>
        <translation>%1 a %2: ganado</translation>
    </message>
    <message>
        <source>%1 on %2: lost</source>
        <translation>%1 a %2: perdido</translation>
    </message>
    <message>
        <source>Gamble collected %1</source>
        <translation>Doble o nada cobrado %1</translation>
    </message>
    <message>
        <source>Gamble lost %1</source>
        <translation>Doble o nada perdido %1</translation>
    </message>
    <message>
        <source>Credit +%1</source>
        <translation>Crédito +%1</translation>
    </message>
    <message>
        <source>Credit set to %1</source>
        <translation>Crédito fijado en %1</translation>
    </message>
    <message>
        <source>%1; credit %2</source>
        <translation>%1; crédito %2</translation>
    </message>
    <message>
        <source>Bet %1 at %2 ways, win %3</source>
        <translation>Apuesta %1 con %2 formas, premio %3</translation>
    </message>
    <message>
        <source>%1, and a round of free spins: %2</source>
        <translation>%1, y una ronda de tiradas gratis: %2</translation>
    </message>
    <message>
        <source>%1: win %2, round total %3; %4</source>
        <translation>%1: premio %2, total de la ronda %3; %4</translation>
    </message>
    <message>
        <source>Free spin, Wild multiplier x%1</source>
        <translation>Tirada gratis, multiplicador del comodín x%1</translation>
    </message>
    <message>
        <source>Round total collected: %1</source>
        <translation>Total de la ronda cobrado: %1</translation>
    </message>
    <message>
        <source>Round total kept: %1</source>
        <translation>Total de la ronda conservado: %1</translation>
    </message>
    <message>
        <source>Gamble opened on %1</source>
        <translation>Doble o nada abierto con %1</translation>
    </message>
    <message>
        <source>Bet on %1, the card was %2: %3</source>
        <translation>Apuesta a %1, la carta fue %2: %3</translation>
    </message>
    <message>
        <source>won, %1 at risk</source>
        <translation>ganado, %1 en juego</translation>
    </message>
    <message>
        <source>lost</source>
        <translation>perdido</translation>
    </message>
    <message>
        <source>Gamble collected: %1</source>
        <translation>Doble o nada cobrado: %1</translation>
    </message>
    <message>
        <source>Gamble lost: %1</source>
        <translation>Doble o nada perdido: %1</translation>
    </message>
    <message>
        <source>Credit put on: %1</source>
        <translation>Crédito añadido: %1</translation>
    </message>
    <message>
        <source>The credit changed outside play (a cleared player, or a start after a crash): from %1</source>
        <translation>El crédito cambió fuera del juego (un jugador borrado o un inicio tras un fallo): desde %1</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>RECALL</source>
        <translation>REPETICIÓN</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Apuesta</translation>
    </message>
    <message>
        <source>Ways</source>
        <translation>Formas</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Premio</translation>
    </message>
    <message>
        <source>Credit after</source>
        <translation>Crédito después</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Pasos</translation>
    </message>
    <message>
        <source>Recall</source>
        <translation>Repetición</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
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
        <translation>CRÉDITO</translation>
    </message>
    <message>
        <source>WIN</source>
        <translation>PREMIO</translation>
    </message>
    <message>
        <source>P&amp;lay</source>
        <translation>&amp;Jugar</translation>
    </message>
    <message>
        <source>&amp;Quick Stop</source>
        <translation>&amp;Parada rápida</translation>
    </message>
    <message>
        <source>&amp;Session Clock</source>
        <translation>Reloj de &amp;sesión</translation>
    </message>
    <message>
        <source>&amp;Reality Check</source>
        <translation>Control de &amp;realidad</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <translation>&amp;Desactivado</translation>
    </message>
    <message numerus="yes">
        <source>Every &amp;%n Minutes</source>
        <translation>
            <numerusform>Cada &amp;%n minuto</numerusform>
            <numerusform>Cada &amp;%n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Full Screen	F11</source>
        <translation>&amp;Pantalla completa	F11</translation>
    </message>
    <message>
        <source>&amp;Reduce Flashing</source>
        <translation>&amp;Reducir destellos</translation>
    </message>
    <message>
        <source>STAKE</source>
        <translation>TOTAL</translation>
    </message>
</context>
<context>
    <name>melvane::MathTool</name>
    <message>
        <source>%1: %2 is not a whole number</source>
        <translation>%1: %2 no es un número entero</translation>
    </message>
    <message>
        <source>%1: %2 is not offered; choose %3</source>
        <translation>%1: %2 no está disponible; elija %3</translation>
    </message>
    <message>
        <source>--payout: %1 is not a payout setting; choose %2</source>
        <translation>--payout: %1 no es un ajuste de pago; elija %2</translation>
    </message>
    <message>
        <source>--plot: %1 is not a picture file; give a name ending in .svg or .png</source>
        <translation>--plot: %1 no es un archivo de imagen; indique un nombre que acabe en .svg o .png</translation>
    </message>
    <message>
        <source>--stops: %1 has more than five stops</source>
        <translation>--stops: %1 tiene más de cinco paradas</translation>
    </message>
    <message>
        <source>--stops: %1 is not a list of five whole numbers such as 12,2,9,1,5</source>
        <translation>--stops: %1 no es una lista de cinco números enteros como 12,2,9,1,5</translation>
    </message>
    <message>
        <source>--stops: %1 is not a stop; each stop is %2</source>
        <translation>--stops: %1 no es una parada; cada parada es %2</translation>
    </message>
    <message numerus="yes">
        <source>--stops: %1 has %n stops; give five</source>
        <translation>
            <numerusform>--stops: %1 tiene %n parada; indique cinco</numerusform>
            <numerusform>--stops: %1 tiene %n paradas; indique cinco</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: unknown option %2</source>
        <translation>%1: opción desconocida %2</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 aparece dos veces</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 no admite ningún valor</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>%1 is required</source>
        <translation>%1 es obligatorio</translation>
    </message>
    <message>
        <source>no command given; try &apos;melvane-math --help&apos;</source>
        <translation>no se ha indicado ningún comando; pruebe &apos;melvane-math --help&apos;</translation>
    </message>
    <message>
        <source>%1 takes nothing after it; found %2</source>
        <translation>%1 no admite nada detrás; se ha encontrado %2</translation>
    </message>
    <message>
        <source>--engine: %1 is not an engine; choose model or game</source>
        <translation>--engine: %1 no es un motor; elija model o game</translation>
    </message>
    <message>
        <source>--spins: %1 is negative; give a count of at least 1</source>
        <translation>--spins: %1 es negativo; indique un número de al menos 1</translation>
    </message>
    <message>
        <source>--spins: %1 is out of range; give 1 to %2</source>
        <translation>--spins: %1 está fuera de rango; indique de 1 a %2</translation>
    </message>
    <message>
        <source>--journal: %1 is not a journal; choose memory or off</source>
        <translation>--journal: %1 no es un registro; elija memory u off</translation>
    </message>
    <message>
        <source>--journal: only the game engine journals; add --engine game</source>
        <translation>--journal: solo el motor game lleva registro; añada --engine game</translation>
    </message>
    <message>
        <source>audit: give the journal file, as in &apos;melvane-math audit journal.sqlite&apos;</source>
        <translation>audit: indique el archivo de registro, como en &apos;melvane-math audit journal.sqlite&apos;</translation>
    </message>
    <message>
        <source>unknown command %1; try &apos;melvane-math --help&apos;</source>
        <translation>comando desconocido %1; pruebe &apos;melvane-math --help&apos;</translation>
    </message>
    <message>
        <source>usage:</source>
        <translation>uso:</translation>
    </message>
    <message>
        <source>what one set of stops pays, as JSON</source>
        <translation>lo que paga un conjunto de paradas, en JSON</translation>
    </message>
    <message>
        <source>exact return to player of every ways and payout setting (full cycle)</source>
        <translation>retorno al jugador exacto de cada ajuste de formas y de pago (ciclo completo)</translation>
    </message>
    <message>
        <source>exact PAR sheet of one setting (full cycle): the standard deviation and
volatility index of a paid spin with its bonus, the 90% range of sessions&apos;
returns, the win bands and what each symbol and run pays; --plot draws the
win bands</source>
        <translation>hoja PAR exacta de un ajuste (ciclo completo): la desviación típica y el
índice de volatilidad de una tirada pagada con su bono, el rango del 90 % de
los retornos de las sesiones, las franjas de premio y lo que paga cada símbolo
y combinación; --plot dibuja las franjas de premio</translation>
    </message>
    <message>
        <source>replay every game of a journal through the rules and check each bet, win,
free-spin count, multiplier, gamble stake and card, limit mark and the chain
of credit; exit 1 on a mismatch</source>
        <translation>reproduce cada partida de un registro con las reglas y comprueba cada apuesta,
premio, número de tiradas gratis, multiplicador, apuesta y carta del doble o
nada, marca de límite y la cadena del crédito; sale con 1 si algo no coincide</translation>
    </message>
    <message>
        <source>play N paid spins and compare the measured figures with the exact ones;
engine &apos;model&apos; (default) draws outcomes from the rules, &apos;game&apos; plays the game
itself in autoplay on a virtual clock, journaling every step in memory with
--journal memory</source>
        <translation>juega N tiradas pagadas y compara las cifras medidas con las exactas; el
motor &apos;model&apos; (por defecto) saca los resultados de las reglas, &apos;game&apos; juega el
propio juego en juego automático con un reloj virtual, registrando cada paso
en memoria con --journal memory</translation>
    </message>
    <message>
        <source>W: %1 ways    C: %2 coins per way</source>
        <translation>W: %1 formas    C: %2 monedas por forma</translation>
    </message>
    <message>
        <source>P: %1    stops: %2 each</source>
        <translation>P: %1    paradas: %2 cada una</translation>
    </message>
    <message>
        <source>%1 could not be read to its end: %2</source>
        <translation>%1 no se ha podido leer hasta el final: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>no se puede escribir %1</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
    </message>
</context>
<context>
    <name>melvane::OptionsDialog</name>
    <message>
        <source>toggle sound</source>
        <translation>sonido</translation>
    </message>
    <message>
        <source>Reel Speed</source>
        <translation>Velocidad de rodillos</translation>
    </message>
    <message>
        <source>Win Counter</source>
        <translation>Contador de premios</translation>
    </message>
    <message>
        <source>Payout %</source>
        <translation>Pago %</translation>
    </message>
    <message>
        <source>Screen Size</source>
        <translation>Tamaño de pantalla</translation>
    </message>
</context>
<context>
    <name>melvane::PaytableDialog</name>
    <message>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>SCATTER</source>
        <translation>SCATTER</translation>
    </message>
    <message>
        <source>From reel 1 rightwards, paid on the whole stake</source>
        <translation>Desde el rodillo 1 hacia la derecha, pagado sobre la apuesta total</translation>
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
        <translation>%1 x apuesta</translation>
    </message>
    <message numerus="yes">
        <source>%n free spins</source>
        <translation>
            <numerusform>%n tirada gratis</numerusform>
            <numerusform>%n tiradas gratis</numerusform>
        </translation>
    </message>
    <message>
        <source>WILD</source>
        <translation>COMODÍN</translation>
    </message>
    <message>
        <source>Reels 2 and 4 only: stands in for every paying symbol and counts as a Scatter</source>
        <translation>Solo en los rodillos 2 y 4: sustituye a todos los símbolos de pago y cuenta como Scatter</translation>
    </message>
    <message>
        <source>In free spins every win is multiplied by %1.</source>
        <translation>En las tiradas gratis, todos los premios se multiplican por %1.</translation>
    </message>
    <message>
        <source>Return to player at %1 ways</source>
        <translation>Retorno al jugador con %1 formas</translation>
    </message>
    <message>
        <source>A win above twice the stake stands only with the chance the payout setting gives, 1 in %1; otherwise the spin is drawn again.</source>
        <translation>Un premio superior al doble de la apuesta solo se mantiene con la probabilidad que da el ajuste de pago, 1 entre %1; si no, la tirada se sortea de nuevo.</translation>
    </message>
    <message>
        <source>Volatility: %1</source>
        <translation>Volatilidad: %1</translation>
    </message>
    <message>
        <source>9 in 10 sessions of 1,000 spins return between %1% and %2%</source>
        <translation>9 de cada 10 sesiones de 1.000 tiradas devuelven entre el %1% y el %2%</translation>
    </message>
    <message numerus="yes">
        <source>%n reels</source>
        <translation>
            <numerusform>%n rodillo</numerusform>
            <numerusform>%n rodillos</numerusform>
        </translation>
    </message>
    <message>
        <source>PAY TABLE</source>
        <translation>TABLA DE PREMIOS</translation>
    </message>
    <message>
        <source>Pays per way for one coin of the bet, runs from the left</source>
        <translation>Pago por forma por cada moneda apostada, combinaciones desde la izquierda</translation>
    </message>
    <message>
        <source>PAYTABLE</source>
        <translation>TABLA DE PREMIOS</translation>
    </message>
    <message>
        <source>close  paytable</source>
        <translation>cerrar  tabla</translation>
    </message>
</context>
<context>
    <name>melvane::Pictures</name>
    <message>
        <source>FAST</source>
        <extracomment>Under &quot;$50&quot; on the button that gives the player $50 of play money at once.</extracomment>
        <translation>RÁPIDO</translation>
    </message>
    <message>
        <source>COLLECT</source>
        <extracomment>The button that takes the gamble&apos;s winnings to the bank.</extracomment>
        <translation>COBRAR</translation>
    </message>
    <message>
        <source>JOKER</source>
        <extracomment>The word on the gamble&apos;s joker card, printed down its corners letter by letter.</extracomment>
        <translation>COMODÍN</translation>
    </message>
    <message>
        <source>YOU WIN!</source>
        <translation>¡GANASTE!</translation>
    </message>
    <message>
        <source>YOU LOSE</source>
        <translation>PERDISTE</translation>
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
        <translation>Melvane ya se está ejecutando con los ajustes de
%1

Siga jugando en esa ventana; esta se cierra sin cambiar nada.</translation>
    </message>
</context>
</TS>
