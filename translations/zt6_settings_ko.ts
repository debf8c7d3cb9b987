<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="de_DE">
    <context>
        <name>ConfigurationForm</name>
        <message>
            <source>Verzeichnisse</source>
            <translation>Folders</translation>
        </message>
        <message>
            <source>Grafik</source>
            <translation>Graphics</translation>
        </message>
        <message>
            <source>CAD</source>
            <translation>CAD</translation>
        </message>
        <message>
            <source>Farbe</source>
            <translation>Colour</translation>
        </message>
        <message>
            <source>Drucker</source>
            <translation>Printer</translation>
        </message>
        <message>
            <source>Ausdruck</source>
            <translation>Printout</translation>
        </message>
        <message>
            <source>Einstellungen</source>
            <translation>Settings</translation>
        </message>
        <message>
            <source>Extern</source>
            <translation>External</translation>
        </message>
        <message>
            <source>Zeichnung</source>
            <translation>Drawing</translation>
        </message>
        <message>
            <source>Ordner für Datenbankdateien (dbf)</source>
            <translation>Folder of database files (dbf)</translation>
        </message>
        <message>
            <source>MORVANE-Programm-Ordner</source>
            <translation>MORVANE program folder</translation>
        </message>
        <message>
            <source>Hilfebilder(plt), Hilfetext(hlp), Demoskript(dem)</source>
            <translation>Help images (plt), help text (hlp), demo script (dem)</translation>
        </message>
        <message>
            <source>Temporärer Ordner</source>
            <translation>Temporary folder</translation>
        </message>
        <message>
            <source>EDI Ordner</source>
            <translation>EDI folder</translation>
        </message>
        <message>
            <source>.zt6 Ordner</source>
            <translation>.zt6 folder</translation>
        </message>
        <message>
            <source>CAD Ordner</source>
            <translation>CAD folder</translation>
        </message>
        <message>
            <source>Schrift</source>
            <translation>Font</translation>
        </message>
        <message>
            <source>Stil</source>
            <translation>Style</translation>
        </message>
        <message>
            <source>Hintergrundfarbe</source>
            <translation>Background colour</translation>
        </message>
        <message>
            <source>x</source>
            <translation>x</translation>
        </message>
        <message>
            <source>y</source>
            <translation>y</translation>
        </message>
        <message>
            <source>Farbgrafik</source>
            <translation>Colour graphics</translation>
        </message>
        <message>
            <source>monochrom</source>
            <translation>monochrome</translation>
        </message>
        <message>
            <source>Zoomfaktor</source>
            <translation>Zoom factor</translation>
        </message>
        <message>
            <source>Pan-Faktor</source>
            <translation>Pan factor</translation>
        </message>
        <message>
            <source>Umrandung</source>
            <translation>Border</translation>
        </message>
        <message>
            <source>Textbreitenfaktor</source>
            <translation>Text width factor</translation>
        </message>
        <message>
            <source>Texthöhenfaktor</source>
            <translation>Text height factor</translation>
        </message>
        <message>
            <source>Dialogfenster Größe%</source>
            <translation>Dialog window size %</translation>
        </message>
        <message>
            <source>Dialogelemente Größe%</source>
            <translation>Dialog element size %</translation>
        </message>
        <message>
            <source>3D Edit x,y,z</source>
            <translation>3D edit x,y,z</translation>
        </message>
        <message>
            <source>x °</source>
            <translation>x °</translation>
        </message>
        <message>
            <source>y °</source>
            <translation>y °</translation>
        </message>
        <message>
            <source>z °</source>
            <translation>z °</translation>
        </message>
        <message>
            <source>Textstil</source>
            <translation>Text style</translation>
        </message>
        <message>
            <source>Textwinkel</source>
            <translation>Text angle</translation>
        </message>
        <message>
            <source>Diagrammgrenzen abfragen</source>
            <translation>Ask for chart limits</translation>
        </message>
        <message>
            <source>Anzahl der Dezimalstellen DXF, TXT</source>
            <translation>Number of decimals DXF, TXT</translation>
        </message>
        <message>
            <source>Textart</source>
            <translation>Text Type</translation>
        </message>
        <message>
            <source>OEM (ASCII)</source>
            <translation>OEM (ASCII)</translation>
        </message>
        <message>
            <source>ANSI</source>
            <translation>ANSI</translation>
        </message>
        <message>
            <source>Ä-&gt;Ae, ß-&gt;ss...</source>
            <translation>Ä-&gt;Ae, ß-&gt;ss...</translation>
        </message>
        <message>
            <source>StringGrid_layer</source>
            <translation>StringGrid_layer</translation>
        </message>
        <message>
            <source>Layer Monochrom ?</source>
            <translation>Layers monochrome ?</translation>
        </message>
        <message>
            <source>StringGrid_color</source>
            <translation>StringGrid_color</translation>
        </message>
        <message>
            <source>Maßstab x</source>
            <translation>Scale x</translation>
        </message>
        <message>
            <source>Maßstab y</source>
            <translation>Scale y</translation>
        </message>
        <message>
            <source>Schattierung</source>
            <translation>Shading</translation>
        </message>
        <message>
            <source>Monochrom</source>
            <translation>Monochrome</translation>
        </message>
        <message>
            <source>Farbe / Graustufen</source>
            <translation>Colour / greyscale</translation>
        </message>
        <message>
            <source>Hochformat</source>
            <translation>Portrait</translation>
        </message>
        <message>
            <source>Querformat</source>
            <translation>Landscape</translation>
        </message>
        <message>
            <source>Ausgabeformat abfragen</source>
            <translation>Ask for output format</translation>
        </message>
        <message>
            <source>Druckerschnittstelle für Textausdruck</source>
            <translation>Printer port for text printout</translation>
        </message>
        <message>
            <source>LPT1</source>
            <translation>LPT1</translation>
        </message>
        <message>
            <source>LPT2</source>
            <translation>LPT2</translation>
        </message>
        <message>
            <source>LPT3</source>
            <translation>LPT3</translation>
        </message>
        <message>
            <source>LPT4</source>
            <translation>LPT4</translation>
        </message>
        <message>
            <source>Form der Trennzeilen im Ausdruck</source>
            <translation>Separator lines in the printout</translation>
        </message>
        <message>
            <source>Trennlinien  ---- ====  ****</source>
            <translation>Separator lines  ---- ====  ****</translation>
        </message>
        <message>
            <source>Trennlinien  ──── ════  </source>
            <translation>Separator lines  ──── ════  </translation>
        </message>
        <message>
            <source>Leerzeichen und Leerzeilen</source>
            <translation>Blanks and blank lines</translation>
        </message>
        <message>
            <source>komprimiert, ohne Trennzeilen</source>
            <translation>compressed, without separator lines</translation>
        </message>
        <message>
            <source>Max. Anzahl Zeilen/Seite auf dem Ausdruck</source>
            <translation>Max. number of lines/page in the printout</translation>
        </message>
        <message>
            <source>Leerzeilen am Seitenanfang</source>
            <translation>Blank lines at the top of a page</translation>
        </message>
        <message>
            <source>Datum</source>
            <translation>Date</translation>
        </message>
        <message>
            <source>DD.MM.YYYY</source>
            <translation>DD.MM.YYYY</translation>
        </message>
        <message>
            <source>MM/DD/YYYY</source>
            <translation>MM/DD/YYYY</translation>
        </message>
        <message>
            <source>YYYY/MM/DD</source>
            <translation>YYYY/MM/DD</translation>
        </message>
        <message>
            <source>DD/MM/YYY</source>
            <translation>DD/MM/YYY</translation>
        </message>
        <message>
            <source>Ausgabeformat</source>
            <translation>Output format</translation>
        </message>
        <message>
            <source>Bildschirm</source>
            <translation>Screen</translation>
        </message>
        <message>
            <source>Textdrucker</source>
            <translation>Text printer</translation>
        </message>
        <message>
            <source>Datei</source>
            <translation>File</translation>
        </message>
        <message>
            <source>Windows-Drucker</source>
            <translation>Windows printer</translation>
        </message>
        <message>
            <source>externes Textprogramm</source>
            <translation>external text program</translation>
        </message>
        <message>
            <source>TXT File (Excel, QPRO ...)</source>
            <translation>TXT File (Excel, QPRO ...)</translation>
        </message>
        <message>
            <source>HTML File (Netscape, Internet Explorer ...)</source>
            <translation>HTML File (Netscape, Internet Explorer ...)</translation>
        </message>
        <message>
            <source>links</source>
            <translation>left</translation>
        </message>
        <message>
            <source>oben</source>
            <translation>top</translation>
        </message>
        <message>
            <source>Breite</source>
            <translation>Width</translation>
        </message>
        <message>
            <source>Höhe</source>
            <translation>Height</translation>
        </message>
        <message>
            <source>Einheit</source>
            <translation>Units</translation>
        </message>
        <message>
            <source>Metrisch (mm, N, MPa)</source>
            <translation>Metric (mm, N, MPa)</translation>
        </message>
        <message>
            <source>Englisch (in, lbf, psi)</source>
            <translation>English (in, lbf, psi)</translation>
        </message>
        <message>
            <source> Winkel </source>
            <translation> Angle </translation>
        </message>
        <message>
            <source>15.1234°</source>
            <translation>15.1234°</translation>
        </message>
        <message>
            <source>15° 7' 26"</source>
            <translation>15° 7' 26"</translation>
        </message>
        <message>
            <source>Textausdruck</source>
            <translation>Text printout</translation>
        </message>
        <message>
            <source>mit Kopf</source>
            <translation>with heading</translation>
        </message>
        <message>
            <source>Kopf nur 1.Seite</source>
            <translation>heading on page 1 only</translation>
        </message>
        <message>
            <source>Größe</source>
            <translation>Size</translation>
        </message>
        <message>
            <source>Hilfegrad</source>
            <translation>Help level</translation>
        </message>
        <message>
            <source>0 : Keine Info nach Eingabe</source>
            <translation>0 : No info after input</translation>
        </message>
        <message>
            <source>1 : Normale Einstellung</source>
            <translation>1 : Normal setting</translation>
        </message>
        <message>
            <source>2 : Erweiterte Hilfe, Einzeleingabe</source>
            <translation>2 : Extended help, single input</translation>
        </message>
        <message>
            <source>Usereingabe bei Programmstart</source>
            <translation>User input at program start</translation>
        </message>
        <message>
            <source>Dezimalzeichen</source>
            <translation>Decimal separator</translation>
        </message>
        <message>
            <source>x.xx</source>
            <translation>x.xx</translation>
        </message>
        <message>
            <source>x,xx</source>
            <translation>x,xx</translation>
        </message>
        <message>
            <source>Dezimalzeichen Excel</source>
            <translation>Decimal separator Excel</translation>
        </message>
        <message>
            <source>Englisch x.xx</source>
            <translation>English x.xx</translation>
        </message>
        <message>
            <source>Deutsch x,xx</source>
            <translation>German x,xx</translation>
        </message>
        <message>
            <source>Anzahl der Dezimalstellen</source>
            <translation>Number of decimals</translation>
        </message>
        <message>
            <source>Archivierungsmodus ?</source>
            <translation>Archive mode ?</translation>
        </message>
        <message>
            <source>Sonderzeichen</source>
            <translation>Special characters</translation>
        </message>
        <message>
            <source>²  µ  °</source>
            <translation>²  µ  °</translation>
        </message>
        <message>
            <source>2  u  deg</source>
            <translation>2  u  deg</translation>
        </message>
        <message>
            <source>Ergebnisgrafik</source>
            <translation>Result graphic</translation>
        </message>
        <message>
            <source>egal</source>
            <translation>any</translation>
        </message>
        <message>
            <source>Quick 1</source>
            <translation>Quick 1</translation>
        </message>
        <message>
            <source>Quick 2</source>
            <translation>Quick 2</translation>
        </message>
        <message>
            <source>Fertigungszeichnung</source>
            <translation>Production drawing</translation>
        </message>
        <message>
            <source>Diagramm</source>
            <translation>Chart</translation>
        </message>
        <message>
            <source>Textprogramm</source>
            <translation>Text program</translation>
        </message>
        <message>
            <source>HTML Browser</source>
            <translation>HTML browser</translation>
        </message>
        <message>
            <source>ListBox_plotrix</source>
            <translation>ListBox_plotrix</translation>
        </message>
        <message>
            <source>MORVANE ZT6</source>
            <translation>MORVANE ZT6</translation>
        </message>
        <message>
            <source>Dateiname ?</source>
            <translation>File name ?</translation>
        </message>
        <message>
            <source>Datum ?</source>
            <translation>Date ?</translation>
        </message>
        <message>
            <source>$logo_1.dx$ ?</source>
            <translation>$logo_1.dx$ ?</translation>
        </message>
        <message>
            <source>Freigabefeld</source>
            <translation>Release field</translation>
        </message>
        <message>
            <source>Größenfaktor Bemaßung</source>
            <translation>Dimensioning size factor</translation>
        </message>
        <message>
            <source>Index</source>
            <translation>Index</translation>
        </message>
        <message>
            <source>a,b,c...</source>
            <translation>a,b,c...</translation>
        </message>
        <message>
            <source>1,2,3...</source>
            <translation>1,2,3...</translation>
        </message>
        <message>
            <source>A,B,C...</source>
            <translation>A,B,C...</translation>
        </message>
        <message>
            <source>......</source>
            <translation>......</translation>
        </message>
        <message>
            <source>Ausgezogene  Linie   0.50 mm</source>
            <translation>Continuous line   0.50 mm</translation>
        </message>
        <message>
            <source>Ausgezogene  Linie   0.35 mm</source>
            <translation>Continuous line   0.35 mm</translation>
        </message>
        <message>
            <source>Ausgezogene  Linie   0.25 mm</source>
            <translation>Continuous line   0.25 mm</translation>
        </message>
        <message>
            <source>Gestrichelte Linie   0.25 mm</source>
            <translation>Dashed line        0.25 mm</translation>
        </message>
        <message>
            <source>Mittellinie          0.25 mm</source>
            <translation>Centre line        0.25 mm</translation>
        </message>
    </context>
</TS>
