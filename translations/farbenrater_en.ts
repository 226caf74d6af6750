<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Befehlszeile</name>
    <message>
        <source>farbenrater: unbekannte Option „%1“
Mehr mit: farbenrater --help
</source>
        <translation>farbenrater: unknown option “%1”
More with: farbenrater --help
</translation>
    </message>
    <message>
        <source>Aufruf: farbenrater [--help] [--version]
Farbenrater, ein Spiel: finde den geheimen Farbcode.

  -h, --help     diese Hilfe zeigen und beenden
  -v, --version  die Fassung zeigen und beenden

Die letzten Einstellungen und die Aufzeichnung der Spiele liegen unter
~/.config/farbenrater/ und ~/.local/share/farbenrater/ (siehe man farbenrater).
</source>
        <translation>Usage: farbenrater [--help] [--version]
Farbenrater, a game: find the secret colour code.

  -h, --help     show this help and exit
  -v, --version  show the version and exit

The last settings and the record of games are kept in
~/.config/farbenrater/ and ~/.local/share/farbenrater/ (see man farbenrater).
</translation>
    </message>
</context>
<context>
    <name>Farbenrater_Prj</name>
    <message>
        <source>Es fehlt der Arbeitsspeicher für die Liste der möglichen Farbcodes (2 MB).
Farbenrater wird beendet.</source>
        <translation>There is not enough memory for the list of possible colour codes (2 MB).
Farbenrater will close.</translation>
    </message>
</context>
<context>
    <name>Farbnamen</name>
    <message>
        <source>rot</source>
        <translation>red</translation>
    </message>
    <message>
        <source>gelb</source>
        <translation>yellow</translation>
    </message>
    <message>
        <source>grün</source>
        <translation>green</translation>
    </message>
    <message>
        <source>blau</source>
        <translation>blue</translation>
    </message>
    <message>
        <source>violett</source>
        <translation>violet</translation>
    </message>
    <message>
        <source>türkis</source>
        <translation>turquoise</translation>
    </message>
    <message>
        <source>schwarz</source>
        <translation>black</translation>
    </message>
    <message>
        <source>weiß</source>
        <translation>white</translation>
    </message>
    <message>
        <source>leer</source>
        <translation>empty</translation>
    </message>
    <message>
        <source>grau</source>
        <translation>grey</translation>
    </message>
    <message>
        <source>silber</source>
        <translation>silver</translation>
    </message>
    <message>
        <source>Farbe %1</source>
        <translation>colour %1</translation>
    </message>
</context>
<context>
    <name>Gedaechtnis</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Spielarchiv</name>
    <message>
        <source>Die Aufzeichnung der Spiele war nicht lesbar. Sie ist unverändert aufbewahrt unter
%1
Eine neue Aufzeichnung wird begonnen.</source>
        <translation>The record of games could not be read. It has been kept, unchanged, as
%1
A new record is started.</translation>
    </message>
    <message>
        <source>Die Ergebnisse können nicht gespeichert werden (%1: %2). Das Spiel geht weiter.</source>
        <translation>Results cannot be saved (%1: %2). The game goes on.</translation>
    </message>
    <message>
        <source>der Ordner lässt sich nicht anlegen</source>
        <translation>the folder cannot be created</translation>
    </message>
    <message>
        <source>ein anderes Farbenrater schreibt</source>
        <translation>another Farbenrater is writing</translation>
    </message>
    <message>
        <source>kein Schreibrecht</source>
        <translation>no permission to write</translation>
    </message>
    <message>
        <source>Die Aufzeichnung der Spiele
%1
stammt von einer neueren Fassung von Farbenrater. Sie bleibt unverändert; die Ergebnisse werden nicht gespeichert.</source>
        <translation>The record of games
%1
comes from a newer version of Farbenrater. It is left unchanged; results are not saved.</translation>
    </message>
    <message>
        <source>die Aufzeichnung lässt sich nicht lesen</source>
        <translation>the record cannot be read</translation>
    </message>
    <message>
        <source>die unlesbare Aufzeichnung lässt sich nicht beiseitelegen</source>
        <translation>the unreadable record cannot be moved aside</translation>
    </message>
    <message>
        <source>Die Aufzeichnung der Spiele lässt sich nicht beiseitelegen; sie bleibt, wie sie ist.</source>
        <translation>The record of games cannot be moved aside; it stays as it is.</translation>
    </message>
</context>
<context>
    <name>TEinstellungen_Form</name>
    <message>
        <source>Einstellungen</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Spieler</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Mensch</source>
        <translation>Human</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Demo</source>
        <translation>Demo</translation>
    </message>
    <message>
        <source>Computer Frech</source>
        <translation>Rude computer</translation>
    </message>
    <message>
        <source>Anzahl der Farben</source>
        <translation>Number of colours</translation>
    </message>
    <message>
        <source>Anzahl Felder</source>
        <translation>Number of places</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Spieler Mensch.

Mensch gegen Computer.</source>
        <translation>Player: human.

Human vs. computer.</translation>
    </message>
    <message>
        <source>FarbWahlBox (clicke auf ein Quadraht)</source>
        <translation>Colour picker (click a square)</translation>
    </message>
    <message>
        <source>Spieler Computer.

Computer gegen Mensch.</source>
        <translation>Player: computer.

Computer vs. human.</translation>
    </message>
    <message>
        <source>Mögliche Farben</source>
        <translation>Colours in play</translation>
    </message>
    <message>
        <source>Demo Spiel.

Comuter gegen Computer.</source>
        <translation>Demo game.

Computer vs. computer.</translation>
    </message>
    <message>
        <source>Mögliche Fraben</source>
        <translation>Colours in play</translation>
    </message>
    <message>
        <source>Demo Spiel.

Comuter gegen Computer.

Bitte warten.</source>
        <translation>Demo game.

Computer vs. computer.

Please wait.</translation>
    </message>
    <message>
        <source>Farbenrater 1.1 – Finde den geheimen Farbcode</source>
        <translation>Farbenrater 1.1 – Find the secret colour code</translation>
    </message>
    <message>
        <source>Komm und Spiel mit mir</source>
        <translation>Come and play with me</translation>
    </message>
    <message>
        <source>Neues Spiel</source>
        <translation>New game</translation>
    </message>
    <message>
        <source>Menü</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Farbenrater 1.1 – ein Farbcode-Ratespiel, frei zum Spielen</source>
        <translation>Farbenrater 1.1 – a colour code guessing game, free to play</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Ansicht</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Farbsymbole</source>
        <translation>Colour symbols</translation>
    </message>
    <message>
        <source>Gewählte Farbe</source>
        <translation>Chosen colour</translation>
    </message>
    <message>
        <source>FarbwahlBox (clicke auf ein Quadraht)</source>
        <translation>Colour picker (click a square)</translation>
    </message>
    <message>
        <source>Farbwahl</source>
        <translation>Colour choice</translation>
    </message>
    <message>
        <source>Gewählter Stift</source>
        <translation>Chosen key peg</translation>
    </message>
    <message>
        <source>Stift FarbwahlBox</source>
        <translation>Key peg picker</translation>
    </message>
    <message>
        <source>Stiftwahl</source>
        <translation>Key peg choice</translation>
    </message>
    <message>
        <source>Zeile %1, Platz %2</source>
        <translation>Row %1, place %2</translation>
    </message>
    <message>
        <source>Zeile %1, Bewertungsstift %2</source>
        <translation>Row %1, key peg %2</translation>
    </message>
    <message>
        <source>Bedienfeld</source>
        <translation>Controls</translation>
    </message>
    <message>
        <source>Computer Prüfen </source>
        <translation>Check my guess</translation>
    </message>
    <message>
        <source>Mensch Geprüft</source>
        <translation>Answer given</translation>
    </message>
    <message>
        <source>Zeige Farbcode</source>
        <translation>Show colour code</translation>
    </message>
    <message>
        <source>Farbcode MerkerBox</source>
        <translation>Code notepad</translation>
    </message>
    <message>
        <source>Diese Zeile ist gesperrt.</source>
        <translation>This row is locked.</translation>
    </message>
    <message>
        <source>Spieler: Computer.
Bitte Farbcode überprüfen.
Schwarze und weisse Steine setzen.
Auf
[Mensch Geprüft]
clicken.</source>
        <translation>Player: computer.
Please score my guess.
Set black and white pegs.
Then click
[Answer given].</translation>
    </message>
    <message>
        <source>Komm und Spiel mit mir.</source>
        <translation>Come and play with me.</translation>
    </message>
    <message>
        <source>Bitte warten</source>
        <translation>Please wait</translation>
    </message>
    <message>
        <source>Es müssen alle Felder besetzt sein.</source>
        <translation>Every place must hold a peg.</translation>
    </message>
    <message>
        <source>Spieler: Mensch

Sie haben den Code Gelöst.</source>
        <translation>Player: human

You have cracked the code.</translation>
    </message>
    <message>
        <source>*** Blödmann! *** Dieser Farbcode ist nicht mehr möglich.</source>
        <translation>*** Blockhead! *** That colour code cannot be the secret any more.</translation>
    </message>
    <message>
        <source>Spieler: Computer
Ich habe Gewonnen.</source>
        <translation>Player: computer
I have won.</translation>
    </message>
    <message>
        <source>Spieler: Computer.
Bitte warten.
Führe Berchnungen durch.</source>
        <translation>Player: computer.
Please wait.
Thinking hard.</translation>
    </message>
    <message>
        <source>Demo Spiele.

Comuter gegen Computer.

Fertig!</source>
        <translation>Demo game.

Computer vs. computer.

Done!</translation>
    </message>
    <message>
        <source>Sie haben eine falsche Angabe gemacht</source>
        <translation>You have given a wrong answer</translation>
    </message>
    <message>
        <source>Spieler: Computer.
Sie haben
betrogen!.
Es ist keine Lösung
mehr möglich!</source>
        <translation>Player: computer.
You have
cheated!
No code fits
your answers any more!</translation>
    </message>
    <message>
        <source>Optionen</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Starker Computer</source>
        <translation>Strong computer</translation>
    </message>
    <message>
        <source>%1 schwarz</source>
        <translation>%1 black</translation>
    </message>
    <message>
        <source>%1 weiß</source>
        <translation>%1 white</translation>
    </message>
    <message>
        <source>keine Treffer</source>
        <translation>no hits</translation>
    </message>
    <message>
        <source>Zeile %1: %2</source>
        <translation>Row %1: %2</translation>
    </message>
    <message>
        <source>Zeile %1, aktive Zeile</source>
        <translation>Row %1, the active row</translation>
    </message>
    <message>
        <source>Demo zum Zuschauen</source>
        <translation>Demo to watch</translation>
    </message>
    <message>
        <source>%1 eingeschaltet</source>
        <translation>%1 on</translation>
    </message>
    <message>
        <source>%1 ausgeschaltet</source>
        <translation>%1 off</translation>
    </message>
    <message>
        <source>Spielfeld</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>Statistik…</source>
        <translation>Statistics…</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Auflösung</source>
        <translation>Solution</translation>
    </message>
    <message>
        <source>Geheimcode Platz %1</source>
        <translation>Secret code, place %1</translation>
    </message>
    <message>
        <source>Neues Spiel</source>
        <translation>New game</translation>
    </message>
    <message>
        <source>Geheimcode: %1</source>
        <translation>Secret code: %1</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>Farbcode  MerkerBox   Hier können Sie Ihren Farbcode eingeben.</source>
        <translation>Code notepad   Note your colour code here.</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Merker Platz %1</source>
        <translation>Notepad place %1</translation>
    </message>
</context>
<context>
    <name>THilfe_Form</name>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Farbenrater Regeln:
 
Der Computer hat eine zufällige Kombination von  Farben erzeugt. 
Sie sollen diese erraten. 
Für jede Farbe, die Sie erraten haben, 
die aber nicht an der richtigen Position ist, 
setzt der Computer einen kleinen weißen  Stift. 
Für jede richtige Farbe die an der richtigen Position ist, 
setzt er einen kleinen schwarzen Stift. 
Aber Achtung: 
Die Stelle, an der sich der ein schwarzer Stift befindet,
sagt nichts darüber aus, 
auf welchen Ihrer Farbknöpfe er sich bezieht! </source>
        <translation>Farbenrater rules:
 
The computer has made up a random code of colours.
Your task is to guess it.
For every peg of your guess with the right colour
in the right place, it sets a small black key peg.
For every other peg of your guess whose colour
occurs anywhere in the code, it sets a small white one:
one colour of the code can earn several white pegs.
But beware:
the place where a key peg sits
says nothing about
which of your pegs it belongs to!</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>TStatistik_Form</name>
    <message>
        <source>de_DE</source>
        <translation>en_GB</translation>
    </message>
    <message>
        <source>%1 Farben × %2 Felder</source>
        <translation>%1 colours × %2 places</translation>
    </message>
    <message>
        <source>Diagramm: Zeilen der gelösten Spiele, %1, %2</source>
        <translation>Chart: rows of the solved games, %1, %2</translation>
    </message>
    <message>
        <source>Zeilen: %1, Spiele: %2</source>
        <translation>rows: %1, games: %2</translation>
    </message>
    <message>
        <source>noch kein gelöstes Spiel</source>
        <translation>no game solved yet</translation>
    </message>
    <message>
        <source>Mittel %1</source>
        <translation>mean %1</translation>
    </message>
    <message>
        <source>Computer im Mittel %1</source>
        <translation>computer&apos;s mean %1</translation>
    </message>
    <message>
        <source>Starker Computer im Mittel %1</source>
        <translation>strong computer&apos;s mean %1</translation>
    </message>
    <message>
        <source>Zeilen der gelösten Spiele: %1, %2</source>
        <translation>Rows of the solved games: %1, %2</translation>
    </message>
    <message>
        <source>Computer %1</source>
        <translation>Computer %1</translation>
    </message>
    <message>
        <source>Starker Computer %1</source>
        <translation>Strong computer %1</translation>
    </message>
    <message>
        <source>Auf diesem Brett ist noch kein Spiel gelöst.</source>
        <translation>No game solved on this board yet.</translation>
    </message>
    <message>
        <source>Statistik</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Spiele nach Spieler und Brett</source>
        <translation>Games by player and board</translation>
    </message>
    <message>
        <source>Spieler</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Brett</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>Gespielt</source>
        <translation>Played</translation>
    </message>
    <message>
        <source>Gelöst</source>
        <translation>Solved</translation>
    </message>
    <message>
        <source>Aufgegeben</source>
        <translation>Given up</translation>
    </message>
    <message>
        <source>Mittel</source>
        <translation>Mean</translation>
    </message>
    <message>
        <source>Beste</source>
        <translation>Best</translation>
    </message>
    <message>
        <source>Zurücksetzen</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Noch keine Spiele aufgezeichnet.</source>
        <translation>No games recorded yet.</translation>
    </message>
    <message>
        <source>Alle aufgezeichneten Spiele zurücksetzen? Die bisherige Aufzeichnung wird nicht gelöscht, sondern beiseitegelegt.</source>
        <translation>Reset all recorded games? The record so far is not deleted but moved aside.</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Es gab nichts zurückzusetzen.</source>
        <translation>There was nothing to reset.</translation>
    </message>
    <message>
        <source>Die bisherige Aufzeichnung ist aufbewahrt unter %1</source>
        <translation>The record so far has been kept as %1</translation>
    </message>
</context>
</TS>
