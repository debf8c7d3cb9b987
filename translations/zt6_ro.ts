<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro_RO" sourcelanguage="de_DE">
<context>
    <name>DesktopText</name>
    <message>
        <source>Änderung</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Änderungstext</source>
        <translation>Change text</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Bearbeiter</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>Beschreibung</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Ajutor</translation>
    </message>
    <message>
        <source>%1: höchstens %2 Zeichen</source>
        <translation>%1: at most %2 characters</translation>
    </message>
    <message>
        <source>fett</source>
        <translation>bold</translation>
    </message>
    <message>
        <source>kursiv</source>
        <translation>italic</translation>
    </message>
    <message>
        <source>unterstrichen</source>
        <translation>underlined</translation>
    </message>
    <message>
        <source>durchgestrichen</source>
        <translation>struck out</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>regular</translation>
    </message>
    <message>
        <source>Fenstergröße</source>
        <translation>Window size</translation>
    </message>
    <message>
        <source>Ursprung</source>
        <translation>Origin</translation>
    </message>
    <message>
        <source>Textfenster</source>
        <translation>Text window</translation>
    </message>
    <message>
        <source>Ausgabeformat</source>
        <translation>Output format</translation>
    </message>
    <message>
        <source>ZT6 Konfiguration</source>
        <translation>ZT6 Settings</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Import..</source>
        <translation>Import..</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Strichstärke</source>
        <translation>Line width</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>Layer</translation>
    </message>
    <message>
        <source>PLOTRIX-Befehlszeilen</source>
        <translation>PLOTRIX command lines</translation>
    </message>
    <message>
        <source>Einstellen</source>
        <translation>Configure</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Arbeitsverzeichnis</source>
        <translation>Working folder</translation>
    </message>
    <message>
        <source>Benutzer: %1</source>
        <translation>User: %1</translation>
    </message>
    <message>
        <source>Schrift...</source>
        <translation>Font...</translation>
    </message>
    <message>
        <source>Hintergrundfarbe...</source>
        <translation>Background colour...</translation>
    </message>
    <message>
        <source>&lt; Fenstergröße</source>
        <translation>&lt; Window size</translation>
    </message>
    <message>
        <source>&lt; Dialogfenster</source>
        <translation>&lt; Dialog windows</translation>
    </message>
    <message>
        <source>&lt; Dialogelemente</source>
        <translation>&lt; Dialog elements</translation>
    </message>
    <message>
        <source>Farbe...</source>
        <translation>Colour...</translation>
    </message>
    <message>
        <source>Strichstärke=%1</source>
        <translation>Line width=%1</translation>
    </message>
    <message>
        <source>Maßstab y &lt; x</source>
        <translation>Scale y &lt; x</translation>
    </message>
    <message>
        <source>Schrift..</source>
        <translation>Font..</translation>
    </message>
    <message>
        <source>Dateiname %1 ?</source>
        <translation>File name %1 ?</translation>
    </message>
    <message>
        <source>Fertigungszeichnung</source>
        <translation>Production drawing</translation>
    </message>
    <message>
        <source>PLOTRIX-Befehlszeile</source>
        <translation>PLOTRIX command line</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>%1: diese Funktion ist in dieser Version noch nicht verfügbar.</source>
        <translation>%1: this function is not available in this version yet.</translation>
    </message>
    <message>
        <source>Datenbank DIN 5481</source>
        <translation>Database DIN 5481</translation>
    </message>
    <message>
        <source>selbst definiert</source>
        <translation>self-defined</translation>
    </message>
    <message>
        <source>Rot: Dii ist der Durchmesser, nach dem die Größe in DIN 5481 geordnet und gewählt wird.</source>
        <translation>Red: Dii is the diameter by which DIN 5481 orders and selects the size.</translation>
    </message>
    <message>
        <source>&amp;Hilfetext</source>
        <translation>Help &amp;text</translation>
    </message>
    <message>
        <source>Hilfe&amp;bild</source>
        <translation>Help &amp;image</translation>
    </message>
    <message>
        <source>mm &lt;--&gt; inch</source>
        <translation>mm &lt;--&gt; inch</translation>
    </message>
    <message>
        <source>Dokumente einrichten</source>
        <translation>Document Setup</translation>
    </message>
    <message>
        <source>Dokument %1</source>
        <translation>Document %1</translation>
    </message>
    <message>
        <source>Programm %1</source>
        <translation>Program %1</translation>
    </message>
    <message>
        <source>Datei %1</source>
        <translation>File %1</translation>
    </message>
    <message>
        <source>Zeichnungsinfo</source>
        <translation>Drawing information</translation>
    </message>
    <message>
        <source>Ersatz für</source>
        <translation>Replaces</translation>
    </message>
    <message>
        <source>Ersetzt durch</source>
        <translation>Replaced by</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Bearb.</source>
        <translation>Drawn</translation>
    </message>
    <message>
        <source>Gepr.</source>
        <translation>Checked</translation>
    </message>
    <message>
        <source>Norm</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Hilfetext Nr %1: keine Hilfe vorhanden.</source>
        <translation>Help text no. %1: no help available.</translation>
    </message>
    <message>
        <source>Hilfebild Nr.%1</source>
        <translation>Help image no. %1</translation>
    </message>
    <message>
        <source>Zu dieser Hilfe gibt es kein Hilfebild.</source>
        <translation>This help has no help image.</translation>
    </message>
    <message>
        <source>ZT6 Hilfebilder</source>
        <translation>ZT6 Help Images</translation>
    </message>
    <message>
        <source>&amp;Neu</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Ändern</source>
        <translation>&amp;Change</translation>
    </message>
    <message>
        <source>&amp;Einfügen</source>
        <translation>&amp;Insert</translation>
    </message>
    <message>
        <source>&amp;Löschen</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Zeichnungsname</source>
        <translation>Drawing name</translation>
    </message>
    <message>
        <source>Zeichnungsnummer</source>
        <translation>Drawing number</translation>
    </message>
    <message>
        <source>2.Zeichnungsname</source>
        <translation>2nd drawing name</translation>
    </message>
    <message>
        <source>Zeile %1</source>
        <translation>Line %1</translation>
    </message>
    <message>
        <source>Nennleistung</source>
        <translation>Rated power</translation>
    </message>
    <message>
        <source>Drehzahl</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Nenndrehmoment</source>
        <translation>Nominal torque</translation>
    </message>
    <message>
        <source>Maximales Drehmoment Tmax</source>
        <translation>Maximum torque Tmax</translation>
    </message>
    <message>
        <source>Anwendungsfaktor KA</source>
        <translation>Application factor KA</translation>
    </message>
    <message>
        <source>Lastverteilungsfaktor K lambda</source>
        <translation>Load distribution factor K lambda</translation>
    </message>
    <message>
        <source>Lastrichtungswechselfaktor fW</source>
        <translation>Load reversal factor fW</translation>
    </message>
    <message>
        <source>ZT6 Last</source>
        <translation>ZT6 Load</translation>
    </message>
    <message>
        <source>Lastspitzenhäufigkeitsfaktor fL</source>
        <translation>Peak load frequency factor fL</translation>
    </message>
    <message>
        <source>Welle</source>
        <translation>Shaft</translation>
    </message>
    <message>
        <source>Nabe</source>
        <translation>Hub</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Excel kann nicht gestartet werden</source>
        <translation>Excel cannot be started</translation>
    </message>
    <message>
        <source>ZT6  Werkstoff</source>
        <translation>ZT6  Material</translation>
    </message>
    <message>
        <source> Innenteil (Welle) </source>
        <translation> Inner part (shaft) </translation>
    </message>
    <message>
        <source> Außenteil (Nabe) </source>
        <translation> Outer part (hub) </translation>
    </message>
    <message>
        <source>Werkstoffnummer</source>
        <translation>Material number</translation>
    </message>
    <message>
        <source>Werkstoffname</source>
        <translation>Material name</translation>
    </message>
    <message>
        <source>Streckgrenze (Zugfest.Rm bei spröden WS)  Re</source>
        <translation>Yield strength (tensile strength Rm for brittle materials)  Re</translation>
    </message>
    <message>
        <source>Stützfaktor fS</source>
        <translation>Support factor fS</translation>
    </message>
    <message>
        <source>Härteeinflußfaktor fH</source>
        <translation>Hardness factor fH</translation>
    </message>
    <message>
        <source>MPa &lt;--&gt; psi</source>
        <translation>MPa &lt;--&gt; psi</translation>
    </message>
    <message>
        <source>die beiden Eingaben sind gleich</source>
        <translation>the two inputs are the same</translation>
    </message>
    <message>
        <source>PLOTRIX Programmverzeichnis</source>
        <translation>PLOTRIX program folder</translation>
    </message>
    <message>
        <source>Ausgabeschnittstelle</source>
        <translation>Output port</translation>
    </message>
    <message>
        <source>seriell</source>
        <translation>serial</translation>
    </message>
    <message>
        <source>parallel</source>
        <translation>parallel</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Verz...</source>
        <translation>Folder...</translation>
    </message>
    <message>
        <source>Maßstab</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>Maßstab anpassen ?</source>
        <translation>Fit scale ?</translation>
    </message>
    <message>
        <source>Plot um 90 Grad drehen ?</source>
        <translation>Rotate plot by 90 degrees ?</translation>
    </message>
    <message>
        <source>Nullpunktverschiebung in x-Richtung</source>
        <translation>Origin shift in x</translation>
    </message>
    <message>
        <source>Nullpunktverschiebung in y-Richtung</source>
        <translation>Origin shift in y</translation>
    </message>
    <message>
        <source>Textbreitenfaktor</source>
        <translation>Text width factor</translation>
    </message>
    <message>
        <source>Postscript-Zeichensatz</source>
        <translation>Postscript font</translation>
    </message>
    <message>
        <source>Befehlszeile:</source>
        <translation>Command line:</translation>
    </message>
    <message>
        <source>Verzeichnis wählen</source>
        <translation>Select Folder</translation>
    </message>
    <message>
        <source>PLOTRIX für Windows|wplotrix*|PLOTRIX für MS-DOS|plotrix*|*.*|*.*</source>
        <translation>PLOTRIX for Windows|wplotrix*|PLOTRIX for MS-DOS|plotrix*|*.*|*.*</translation>
    </message>
    <message>
        <source>Ausdruck</source>
        <translation>Printout</translation>
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
        <source>Ursprung x</source>
        <translation>Origin x</translation>
    </message>
    <message>
        <source>Ursprung y</source>
        <translation>Origin y</translation>
    </message>
    <message>
        <source>Umrandung</source>
        <translation>Border</translation>
    </message>
    <message>
        <source>anpassen</source>
        <translation>fit</translation>
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
        <source>Datenbank</source>
        <translation>Database</translation>
    </message>
    <message>
        <source>Ü&amp;bernehmen Datenbank</source>
        <translation>Store in data&amp;base</translation>
    </message>
    <message>
        <source>Drucker...</source>
        <translation>Printer...</translation>
    </message>
    <message>
        <source>Treiberversion</source>
        <translation>Driver version</translation>
    </message>
    <message>
        <source>Technologie</source>
        <translation>Technology</translation>
    </message>
    <message>
        <source>Metafile</source>
        <translation>Metafile</translation>
    </message>
    <message>
        <source>Rasterdrucker</source>
        <translation>Raster printer</translation>
    </message>
    <message>
        <source>Druckbreite (mm)</source>
        <translation>Print width (mm)</translation>
    </message>
    <message>
        <source>Druckhöhe (mm)</source>
        <translation>Print height (mm)</translation>
    </message>
    <message>
        <source>Breite (Pixel)</source>
        <translation>Width (pixels)</translation>
    </message>
    <message>
        <source>Höhe (Pixel)</source>
        <translation>Height (pixels)</translation>
    </message>
    <message>
        <source>Linker Seitenoffset (Pixel)</source>
        <translation>Left page offset (pixels)</translation>
    </message>
    <message>
        <source>Oberer Seitenoffset (Pixel)</source>
        <translation>Top page offset (pixels)</translation>
    </message>
    <message>
        <source>DPI (horizontal)</source>
        <translation>DPI (horizontal)</translation>
    </message>
    <message>
        <source>DPI (vertikal)</source>
        <translation>DPI (vertical)</translation>
    </message>
    <message>
        <source>Pinsel</source>
        <translation>Brushes</translation>
    </message>
    <message>
        <source>Stifte</source>
        <translation>Pens</translation>
    </message>
    <message>
        <source>Markierer</source>
        <translation>Markers</translation>
    </message>
    <message>
        <source>Farben</source>
        <translation>Colours</translation>
    </message>
    <message>
        <source>Schriften</source>
        <translation>Fonts</translation>
    </message>
    <message>
        <source>Druckerinformation</source>
        <translation>Printer Info</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;Fisier</translation>
    </message>
    <message>
        <source>Excel exportieren</source>
        <translation>Export Excel</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>Ie&amp;sire</translation>
    </message>
    <message>
        <source>Eingabe</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>Auswahl</source>
        <translation>Choice</translation>
    </message>
    <message>
        <source>&amp;Ja</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Nein</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Farbe wählen</source>
        <translation>Select Colour</translation>
    </message>
    <message>
        <source>Erster Datensatz</source>
        <translation>First record</translation>
    </message>
    <message>
        <source>Vorheriger Datensatz</source>
        <translation>Prior record</translation>
    </message>
    <message>
        <source>Nächster Datensatz</source>
        <translation>Next record</translation>
    </message>
    <message>
        <source>Letzter Datensatz</source>
        <translation>Last record</translation>
    </message>
    <message>
        <source>Datensatz einfügen</source>
        <translation>Insert record</translation>
    </message>
    <message>
        <source>Datensatz löschen / wiederherstellen</source>
        <translation>Delete / restore record</translation>
    </message>
    <message>
        <source>Datensatz bearbeiten</source>
        <translation>Edit record</translation>
    </message>
    <message>
        <source>Bearbeitung übernehmen</source>
        <translation>Post edit</translation>
    </message>
    <message>
        <source>Bearbeitung verwerfen</source>
        <translation>Cancel edit</translation>
    </message>
    <message>
        <source>Daten neu lesen</source>
        <translation>Refresh data</translation>
    </message>
    <message>
        <source>&amp;Suchen</source>
        <translation>&amp;Search</translation>
    </message>
    <message>
        <source>&amp;Weitersuchen</source>
        <translation>Search &amp;next</translation>
    </message>
    <message>
        <source>HTML exportieren</source>
        <translation>Export HTML</translation>
    </message>
    <message>
        <source>Speichern mit Trennzeichen</source>
        <translation>Save As Delimited</translation>
    </message>
    <message>
        <source>dbf anhängen</source>
        <translation>Append dbf</translation>
    </message>
    <message>
        <source>Text mit Trennzeichen anhängen</source>
        <translation>Append Delimited</translation>
    </message>
    <message>
        <source>&amp;Drucken...</source>
        <translation>&amp;Imprimare...</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Editare</translation>
    </message>
    <message>
        <source>Anhängen</source>
        <translation>Append</translation>
    </message>
    <message>
        <source>Packen</source>
        <translation>Pack</translation>
    </message>
    <message>
        <source>&amp;Ansicht</source>
        <translation>&amp;Examinare</translation>
    </message>
    <message>
        <source>dbf-Struktur</source>
        <translation>dbf Structure</translation>
    </message>
    <message>
        <source>Allgemein</source>
        <translation>Common</translation>
    </message>
    <message>
        <source>Markierte Datensätze löschen</source>
        <translation>Remove the marked records</translation>
    </message>
    <message>
        <source>Datensatzfehler: %1</source>
        <translation>Dataset error: %1</translation>
    </message>
    <message>
        <source>Kein Schreibrecht für dbf-Ordner !  Bearbeitung im Temporär-Ordner.</source>
        <translation>No write access to the dbf folder !  Editing in the temporary folder.</translation>
    </message>
    <message>
        <source>.
Der Datensatz behält seinen bisherigen Wert.</source>
        <translation>.
The record keeps its previous value.</translation>
    </message>
    <message>
        <source>Suchbegriff eingeben</source>
        <translation>Enter search text</translation>
    </message>
    <message>
        <source> nicht gefunden</source>
        <translation> not found</translation>
    </message>
    <message>
        <source>Die geöffnete Tabelle %1 kann nicht überschrieben werden. Bitte einen anderen Dateinamen wählen.</source>
        <translation>The open table %1 cannot be overwritten. Please choose another file name.</translation>
    </message>
    <message>
        <source>HTML-Dateien|*.htm;*.html|Alle Dateien|*.*</source>
        <translation>HTML files|*.htm;*.html|All files|*.*</translation>
    </message>
    <message>
        <source>txt|*.txt|Alle Dateien|*.*</source>
        <translation>txt|*.txt|All files|*.*</translation>
    </message>
    <message>
        <source>Fehlermeldung</source>
        <translation>Error message</translation>
    </message>
    <message>
        <source>Ursache</source>
        <translation>Cause</translation>
    </message>
    <message>
        <source>Abhilfe</source>
        <translation>Remedy</translation>
    </message>
    <message>
        <source>Änderungen speichern ?</source>
        <translation>Save changes ?</translation>
    </message>
    <message>
        <source>Im &amp;Editor öffnen</source>
        <translation>Open in &amp;editor</translation>
    </message>
    <message>
        <source>Alles aus&amp;wählen</source>
        <translation>Select &amp;all</translation>
    </message>
    <message>
        <source>&amp;Kopieren</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>%1 nicht gefunden !</source>
        <translation>%1 not found !</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Welle S eq</source>
        <translation>Shaft S eq</translation>
    </message>
    <message>
        <source>Welle S max</source>
        <translation>Shaft S max</translation>
    </message>
    <message>
        <source>Nabe S eq</source>
        <translation>Hub S eq</translation>
    </message>
    <message>
        <source>Nabe S max</source>
        <translation>Hub S max</translation>
    </message>
    <message>
        <source>Kein temporärer Ordner</source>
        <translation>No temporary folder</translation>
    </message>
    <message>
        <source>%1 endete mit dem Exitcode %2</source>
        <translation>%1 ended with exit code %2</translation>
    </message>
    <message>
        <source>HILFETEXT Nr.%1</source>
        <translation>HELP TEXT No.%1</translation>
    </message>
</context>
</TS>
