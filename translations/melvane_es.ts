<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>GameText</name>
    <message>
        <source>At Risk  %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black/Red Win = %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suit Win = %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Win  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Win</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>past history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bet 1 Coin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bet 2 Coins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bet 5 Coins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bet 10 Coins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bet 20 Coins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Play 3 Lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play 9 Lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play 27 Lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play 81 Lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play 243 Lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click For Credit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to double or lose win</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Enough Credit For This Bet !!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LAST BET</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>THIS WIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paytable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slots Melvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good Luck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>     Freespins Remaining = %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freespins Completed          </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ..............PLEASE READ.................<byte value="xd"/> When you use this function all other Functions are<byte value="xd"/>   unavailable to you until you turn the Autoplay OFF <byte value="xd"/> To turn Autoplay OFF Click on the Autoplayoff button.<byte value="xd"/>  <byte value="xd"/>  This message will not appear again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autoplay stopped: %1 spins played</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autoplay stopped: credit down more than %1 coins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autoplay stopped: a win of %1 coins or more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autoplay stopped: free spins played</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autoplay stopped as asked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autoplay stopped at the reality check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Melvane Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input Player Name                                  Then Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;&lt;&lt;Faster                       Slower&gt;&gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Speed =   %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note :- Some machines <byte value="xd"/>
may not support this <byte value="xd"/>
option.<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Already 800 X 600 resolution !!<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slot_Melvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O.K. Close and save changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Current Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Large Size 800X600</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Origonal Screen Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ON </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing Entered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name Too Long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slots_Melvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to Delete Current Player&apos;s Details ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Player   %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Player  %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vacant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player %1&apos;s profile cannot be played: its value &quot;%2&quot; is not a number the game can read. The profile has been left as it is, so that it can be mended; the other players&apos; profiles play as before.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player %1&apos;s profile cannot be played: its value &quot;%2&quot; is not a number the game can read (in %3). The profile has been left as it is, so that it can be mended; the other players&apos; profiles play as before.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The free-spin round stored for player %1 could not be read, so it has not been restored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Player       %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Player    %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games Played      </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Wagered     </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Won      </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Winning/Losing     </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Returned To Player     </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Invested      </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freespins Won     </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games Played          </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Wagered         </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Won          </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Winning/Losing      </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Returned To Player </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Invested     </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games Played            %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Wagered           %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Won                   %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Winning/Losing           %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Returned To Player     % %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Invested             %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freespins Won            %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freespins Won     %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Returned To Player     % </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%n coins (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session %1     Net %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%n coins (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reality check<byte value="xd"/><byte value="xd"/>You have been playing for %1.<byte value="xd"/><byte value="xd"/>Games: %2<byte value="xd"/>Staked: %3<byte value="xd"/>Won: %4<byte value="xd"/>Net: %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep playing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>               LARGE FONTS BEING USED !!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are still using Large Fonts!!,This Game Will Not Run Correctly.<byte value="xd"/>There is no facility in this software to change them.<byte value="xd"/>To Change Manually :-<byte value="xd"/>Right Click On DeskTop<byte value="xd"/>Select Properties<byte value="xd"/>Select Settings<byte value="xd"/>Click Advanced Button<byte value="xd"/>Select SMALL Fonts (or 96 DPI)<byte value="xd"/>A Re-Boot Is Then Required<byte value="xd"/><byte value="xd"/>To Change Back After Do The Reverse :-<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player %1&apos;s profile could not be saved to %2. The disk may be full or the folder read-only.

Paid spins wait until the profile can be saved again: the game tries at every step and at every press of a bet button. What was saved before is kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player %1&apos;s profile could not be saved. The disk may be full or the folder read-only.

Paid spins wait until the profile can be saved again: the game tries at every step and at every press of a bet button. What was saved before is kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>error Opening Link to %1<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ExecuteLink</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game journal could not be read, so it was set aside as %1 and a new one was started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game journal cannot be written (the disk may be full or the folder read-only). The game goes on without it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Realistic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dream Machine !!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>melvane::AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1  version %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See More Slots At :-</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>melvane::AccessibleTexts</name>
    <message>
        <source>Composer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Piano</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuba</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cello</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Harp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>King</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Queen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scatter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wild</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>middle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 coin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 coins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fast money, 50 dollars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop auto play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In force</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reel speed %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Win counter on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Win counter off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last bet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This win</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Win</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At risk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red or black wins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suit wins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free spins remaining: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card not drawn yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card drawn: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No past card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Past card: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You win!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You lose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gamble</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pay table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the pay table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of a kind %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Scatters: %2 times the stake and %3 free spins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, in force</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the maker&apos;s web page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wild multiplier, times %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reel %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reel %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: turning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, times %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, not in play</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>melvane::Announcer</name>
    <message numerus="yes">
        <source>%1 on %n reels</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Scatters %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No win</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Win %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Win %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>. 1 free spin won</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>. %n free spins won</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>. More free spins won</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>. Free spins over, round total %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>. 1 free spin left</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>. %n free spins left</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Free spin, Wilds times %1: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free spin: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collected %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round total kept: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gamble %1: pick a colour or a suit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card: %1. Won, %2 at risk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card: %1. Lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gamble collected: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gamble lost: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credit put on: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough credit for this bet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autoplay stopped</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>melvane::AutoplayDialog</name>
    <message>
        <source>No limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n coins (%1)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Autoplay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of spins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Until stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loss limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single win limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop when free spins are won</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>melvane::CommandLine</name>
    <message>
        <source>A five-reel video slot with a music theme, played for play money.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start with player N (1 to 6) instead of player 1; a player whose free-spin round was interrupted still comes first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the machine full screen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the players&apos; settings, the window&apos;s place and the game journal in DIR instead of the user&apos;s own folders (for testing).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the language of the game&apos;s texts, for example de, fr, es or en; by default the desktop&apos;s language.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CODE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Try &apos;%2 --help&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;. Try &apos;%2 --help&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 is given twice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--player: &apos;%1&apos; is not a player; choose 1 to 6.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--settings: give a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--settings: &apos;%1&apos; is not a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--language: &apos;%1&apos; is not a language code; give one such as de, fr_FR or es-419.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>melvane::HistoryDialog</name>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freespins Remaining = %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: win %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no win</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No game to recall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>credit adjusted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>credit +%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>$50 +%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free spin x%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free spin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collect %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gamble %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 on %2: won</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 on %2: lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gamble collected %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gamble lost %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credit +%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credit set to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; credit %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bet %1 at %2 ways, win %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, and a round of free spins: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: win %2, round total %3; %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free spin, Wild multiplier x%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round total collected: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round total kept: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gamble opened on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bet on %1, the card was %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>won, %1 at risk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gamble collected: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gamble lost: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credit put on: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The credit changed outside play (a cleared player, or a start after a crash): from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RECALL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ways</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Win</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credit after</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>melvane::MainWindow</name>
    <message>
        <source>CREDIT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;lay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quick Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Session Clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reality Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Every &amp;%n Minutes</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Full Screen	F11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reduce Flashing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STAKE</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>melvane::MathTool</name>
    <message>
        <source>%1: %2 is not a whole number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 is not offered; choose %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--payout: %1 is not a payout setting; choose %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--plot: %1 is not a picture file; give a name ending in .svg or .png</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--stops: %1 has more than five stops</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--stops: %1 is not a list of five whole numbers such as 12,2,9,1,5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--stops: %1 is not a stop; each stop is %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>--stops: %1 has %n stops; give five</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1: unknown option %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no command given; try &apos;melvane-math --help&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes nothing after it; found %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--engine: %1 is not an engine; choose model or game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--spins: %1 is negative; give a count of at least 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--spins: %1 is out of range; give 1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--journal: %1 is not a journal; choose memory or off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--journal: only the game engine journals; add --engine game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>audit: give the journal file, as in &apos;melvane-math audit journal.sqlite&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command %1; try &apos;melvane-math --help&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>usage:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>what one set of stops pays, as JSON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>exact return to player of every ways and payout setting (full cycle)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>exact PAR sheet of one setting (full cycle): the standard deviation and
volatility index of a paid spin with its bonus, the 90% range of sessions&apos;
returns, the win bands and what each symbol and run pays; --plot draws the
win bands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>replay every game of a journal through the rules and check each bet, win,
free-spin count, multiplier, gamble stake and card, limit mark and the chain
of credit; exit 1 on a mismatch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>play N paid spins and compare the measured figures with the exact ones;
engine &apos;model&apos; (default) draws outcomes from the rules, &apos;game&apos; plays the game
itself in autoplay on a virtual clock, journaling every step in memory with
--journal memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W: %1 ways    C: %2 coins per way</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P: %1    stops: %2 each</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be read to its end: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>melvane::OptionsDialog</name>
    <message>
        <source>toggle sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reel Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Win Counter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payout %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen Size</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>melvane::PaytableDialog</name>
    <message>
        <source>%1 or %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SCATTER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From reel 1 rightwards, paid on the whole stake</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n Scatters</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 x stake</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n free spins</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>WILD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reels 2 and 4 only: stands in for every paying symbol and counts as a Scatter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In free spins every win is multiplied by %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return to player at %1 ways</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A win above twice the stake stands only with the chance the payout setting gives, 1 in %1; otherwise the spin is drawn again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volatility: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9 in 10 sessions of 1,000 spins return between %1% and %2%</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n reels</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>PAY TABLE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pays per way for one coin of the bet, runs from the left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PAYTABLE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>close  paytable</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>melvane::QtHost</name>
    <message>
        <source>Slots Melvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Melvane is already running with the settings in
%1

Play on in that window; this one closes without changing anything.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
