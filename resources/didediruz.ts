<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BandChart</name>
    <message>
        <location filename="../assessment/bandchart.cpp" line="54"/>
        <source>h</source>
        <translation>h</translation>
    </message>
</context>
<context>
    <name>ChartView</name>
    <message>
        <location filename="../app/chartview.cpp" line="119"/>
        <source>Save as PNG…</source>
        <translation>Als PNG speichern…</translation>
    </message>
    <message>
        <location filename="../app/chartview.cpp" line="120"/>
        <source>Save as SVG…</source>
        <translation>Als SVG speichern…</translation>
    </message>
    <message>
        <location filename="../app/chartview.cpp" line="131"/>
        <source>Save as PNG</source>
        <translation>Als PNG speichern</translation>
    </message>
    <message>
        <location filename="../app/chartview.cpp" line="131"/>
        <source>PNG picture (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <location filename="../app/chartview.cpp" line="138"/>
        <source>Save as SVG</source>
        <translation>Als SVG speichern</translation>
    </message>
    <message>
        <location filename="../app/chartview.cpp" line="138"/>
        <source>SVG picture (*.svg)</source>
        <translation>SVG-Bild (*.svg)</translation>
    </message>
    <message>
        <location filename="../app/chartview.cpp" line="177"/>
        <source>Save Chart</source>
        <translation>Diagramm speichern</translation>
    </message>
    <message>
        <location filename="../app/chartview.cpp" line="178"/>
        <source>Cannot write file %1:
%2.</source>
        <translation>Datei %1 kann nicht geschrieben werden:
%2.</translation>
    </message>
</context>
<context>
    <name>ComfortScatterChart</name>
    <message>
        <location filename="../assessment/comfortscatterchart.cpp" line="63"/>
        <source>Adaptive model DIN EN 15251</source>
        <translation>Adaptives Modell DIN EN 15251</translation>
    </message>
    <message>
        <location filename="../assessment/comfortscatterchart.cpp" line="68"/>
        <source>Θrm (°C)</source>
        <translation>Θrm (°C)</translation>
    </message>
    <message>
        <location filename="../assessment/comfortscatterchart.cpp" line="75"/>
        <source>Cat. I-III</source>
        <translation>Kat. I–III</translation>
    </message>
    <message>
        <location filename="../assessment/comfortscatterchart.cpp" line="80"/>
        <source>Θc</source>
        <translation>Θc</translation>
    </message>
    <message>
        <location filename="../assessment/comfortscatterchart.cpp" line="99"/>
        <source>Limit</source>
        <translation>Grenze</translation>
    </message>
    <message>
        <location filename="../assessment/comfortscatterchart.cpp" line="94"/>
        <source>National annex DIN EN 15251</source>
        <translation>Nationaler Anhang DIN EN 15251</translation>
    </message>
    <message>
        <location filename="../assessment/comfortscatterchart.cpp" line="82"/>
        <source>Limit Θc + 3 K</source>
        <translation>Grenze Θc + 3 K</translation>
    </message>
    <message>
        <location filename="../assessment/comfortscatterchart.cpp" line="85"/>
        <source>Upper limit of category II at Θrm %1 °C: %2 °C</source>
        <translation>Obere Grenze der Kategorie II bei Θrm %1 °C: %2 °C</translation>
    </message>
    <message>
        <location filename="../assessment/comfortscatterchart.cpp" line="97"/>
        <source>Te (°C)</source>
        <translation>Te (°C)</translation>
    </message>
    <message>
        <location filename="../assessment/comfortscatterchart.cpp" line="102"/>
        <source>Limit of the national annex at Te %1 °C: %2 °C</source>
        <translation>Grenze des Nationalen Anhangs bei Te %1 °C: %2 °C</translation>
    </message>
    <message>
        <location filename="../assessment/comfortscatterchart.cpp" line="129"/>
        <source>To (°C)</source>
        <translation>To (°C)</translation>
    </message>
    <message>
        <location filename="../assessment/comfortscatterchart.cpp" line="141"/>
        <source>%1 (density)</source>
        <translation>%1 (Dichte)</translation>
    </message>
    <message>
        <location filename="../assessment/comfortscatterchart.cpp" line="143"/>
        <location filename="../assessment/comfortscatterchart.cpp" line="152"/>
        <source>Within</source>
        <translation>Innerhalb</translation>
    </message>
    <message>
        <location filename="../assessment/comfortscatterchart.cpp" line="145"/>
        <location filename="../assessment/comfortscatterchart.cpp" line="153"/>
        <source>Above</source>
        <translation>Darüber</translation>
    </message>
    <message>
        <location filename="../assessment/comfortscatterchart.cpp" line="146"/>
        <source>Darkest cells: %1 h within, %2 h above the limit</source>
        <translation>Dunkelste Zellen: %1 h innerhalb, %2 h über der Grenze</translation>
    </message>
    <message>
        <location filename="../assessment/comfortscatterchart.cpp" line="154"/>
        <source>Not valid</source>
        <translation>Nicht gültig</translation>
    </message>
</context>
<context>
    <name>DurationChart</name>
    <message>
        <location filename="../assessment/durationchart.cpp" line="31"/>
        <source>Duration curve, summer working hours</source>
        <translation>Dauerlinie, Sommer-Nutzungsstunden</translation>
    </message>
    <message>
        <location filename="../assessment/durationchart.cpp" line="36"/>
        <source>Hours (h)</source>
        <translation>Stunden (h)</translation>
    </message>
    <message>
        <location filename="../assessment/durationchart.cpp" line="38"/>
        <source>To (°C)</source>
        <translation>To (°C)</translation>
    </message>
    <message>
        <location filename="../assessment/durationchart.cpp" line="57"/>
        <source>%1 Kh above</source>
        <translation>%1 Kh darüber</translation>
    </message>
    <message>
        <location filename="../assessment/durationchart.cpp" line="63"/>
        <source>To</source>
        <translation>To</translation>
    </message>
    <message>
        <location filename="../assessment/durationchart.cpp" line="69"/>
        <source>Limit %1 °C</source>
        <translation>Grenze %1 °C</translation>
    </message>
</context>
<context>
    <name>FieldReader</name>
    <message>
        <location filename="../app/fieldreader.cpp" line="64"/>
        <source>%1: empty</source>
        <translation>%1: leer</translation>
    </message>
    <message>
        <location filename="../app/fieldreader.cpp" line="65"/>
        <source>%1: &quot;%2&quot;</source>
        <translation>%1: „%2“</translation>
    </message>
    <message>
        <location filename="../app/fieldreader.cpp" line="67"/>
        <source>%1: %2 lies outside the allowed range %3</source>
        <translation>%1: %2 liegt außerhalb des zulässigen Bereichs %3</translation>
    </message>
    <message>
        <location filename="../app/fieldreader.cpp" line="84"/>
        <source>Invalid input</source>
        <translation>Ungültige Eingabe</translation>
    </message>
    <message>
        <location filename="../app/fieldreader.cpp" line="85"/>
        <source>These fields do not hold a possible number, so nothing was computed:

%1

A decimal comma or point may be used (0,5 or 0.5).</source>
        <translation>Diese Felder enthalten keine mögliche Zahl, daher wurde nichts berechnet:

%1

Als Dezimaltrennzeichen sind Komma und Punkt möglich (0,5 oder 0.5).</translation>
    </message>
</context>
<context>
    <name>HelpBrowser</name>
    <message>
        <location filename="../forms/helpbrowser.ui" line="15"/>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <location filename="../help/helpbrowser.cpp" line="19"/>
        <source>&amp;Home</source>
        <translation>&amp;Startseite</translation>
    </message>
    <message>
        <location filename="../help/helpbrowser.cpp" line="20"/>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <location filename="../help/helpbrowser.cpp" line="21"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../help/helpbrowser.cpp" line="22"/>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <location filename="../help/helpbrowser.cpp" line="45"/>
        <source>Klimaro v0.3</source>
        <translation>Klimaro v0.3</translation>
    </message>
    <message>
        <location filename="../help/helpbrowser.cpp" line="45"/>
        <source> Documentation</source>
        <translation> Dokumentation</translation>
    </message>
</context>
<context>
    <name>InfoDialog</name>
    <message>
        <location filename="../forms/infodialog.ui" line="12"/>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
</context>
<context>
    <name>Iso7730Note</name>
    <message>
        <location filename="../comfort/iso7730note.cpp" line="25"/>
        <source>metabolic rate %1 W/m² (%2 W/m²)</source>
        <translation>Energieumsatz %1 W/m² (%2 W/m²)</translation>
    </message>
    <message>
        <location filename="../comfort/iso7730note.cpp" line="26"/>
        <source>clothing %1 m²K/W (%2 m²K/W)</source>
        <translation>Bekleidung %1 m²K/W (%2 m²K/W)</translation>
    </message>
    <message>
        <location filename="../comfort/iso7730note.cpp" line="27"/>
        <source>air temperature %1 °C (%2 °C)</source>
        <translation>Lufttemperatur %1 °C (%2 °C)</translation>
    </message>
    <message>
        <location filename="../comfort/iso7730note.cpp" line="28"/>
        <source>radiant temperature %1 °C (%2 °C)</source>
        <translation>Strahlungstemperatur %1 °C (%2 °C)</translation>
    </message>
    <message>
        <location filename="../comfort/iso7730note.cpp" line="29"/>
        <source>air speed %1 m/s (%2 m/s)</source>
        <translation>Luftgeschwindigkeit %1 m/s (%2 m/s)</translation>
    </message>
    <message>
        <location filename="../comfort/iso7730note.cpp" line="30"/>
        <source>water vapour pressure %1 Pa (%2 Pa)</source>
        <translation>Wasserdampfpartialdruck %1 Pa (%2 Pa)</translation>
    </message>
    <message>
        <location filename="../comfort/iso7730note.cpp" line="31"/>
        <source>PMV %1 (%2)</source>
        <translation>PMV %1 (%2)</translation>
    </message>
    <message>
        <location filename="../comfort/iso7730note.cpp" line="41"/>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <location filename="../comfort/iso7730note.cpp" line="59"/>
        <source>Outside the range of ISO 7730, which does not cover these results: %1.</source>
        <translation>Außerhalb des Anwendungsbereichs der ISO 7730, die diese Ergebnisse nicht abdeckt: %1.</translation>
    </message>
    <message>
        <location filename="../comfort/iso7730note.cpp" line="68"/>
        <source>%1 of %2 rows lie outside the range of ISO 7730, which does not cover their results. First: row %3, %4.</source>
        <translation>%1 von %2 Zeilen liegen außerhalb des Anwendungsbereichs der ISO 7730, die ihre Ergebnisse nicht abdeckt. Erste: Zeile %3, %4.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../forms/mainwindow.ui" line="10"/>
        <location filename="../app/mainwindow.cpp" line="109"/>
        <source>Klimaro v0.3</source>
        <translation>Klimaro v0.3</translation>
    </message>
    <message>
        <location filename="../forms/mainwindow.ui" line="44"/>
        <source>PMV Tool

- Predicted Mean Vote 
- Mean Radiant Temperature (MRT)
- Clothing 
- Inverse PMV</source>
        <translation>PMV-Werkzeug

- Vorausgesagtes mittleres Votum (PMV) 
- Mittlere Strahlungstemperatur (MRT)
- Bekleidung 
- Inverses PMV</translation>
    </message>
    <message>
        <location filename="../forms/mainwindow.ui" line="71"/>
        <source>Klimaro Assessment Tool

 - Operative Temperature 
 - Draft Risk 
 - Radiation Asymmetry and Floor Temperature
 - Indoor Humidity </source>
        <translation>Klimaro-Bewertungswerkzeug

 - Operative Temperatur 
 - Zugluftrisiko 
 - Strahlungsasymmetrie und Fußbodentemperatur
 - Raumluftfeuchte </translation>
    </message>
    <message>
        <location filename="../forms/mainwindow.ui" line="98"/>
        <location filename="../app/mainwindow.cpp" line="57"/>
        <source>Documentation</source>
        <translation>Dokumentation</translation>
    </message>
    <message>
        <location filename="../forms/mainwindow.ui" line="137"/>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <location filename="../forms/mainwindow.ui" line="140"/>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="36"/>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="38"/>
        <source>Exit the application</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="41"/>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="42"/>
        <location filename="../app/mainwindow.cpp" line="80"/>
        <source>About Klimaro</source>
        <translation>Über Klimaro</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="45"/>
        <source>Main Menu</source>
        <translation>Hauptmenü</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="46"/>
        <source>Return to main menu</source>
        <translation>Zurück zum Hauptmenü</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="49"/>
        <source>PMV</source>
        <translation>PMV</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="50"/>
        <source>PMV, MRT, Inverse PMV</source>
        <translation>PMV, MRT, inverses PMV</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="53"/>
        <location filename="../app/mainwindow.cpp" line="54"/>
        <source>BNB Assessment</source>
        <translation>BNB-Bewertung</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="58"/>
        <source>User documentation</source>
        <translation>Benutzerdokumentation</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="64"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="68"/>
        <source>&amp;Tools</source>
        <translation>&amp;Werkzeuge</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="73"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="81"/>
        <source>&lt;center&gt;Klimaro v0.3&lt;hr&gt;Thermal comfort of rooms after ISO 7730 and BNB, developed by the Klimaro team, &lt;a href=&quot;https://klimaro.example.org&quot;&gt;klimaro.example.org&lt;/a&gt;, 2026&lt;/center&gt;</source>
        <translation>&lt;center&gt;Klimaro v0.3&lt;hr&gt;Thermische Behaglichkeit von Räumen nach ISO 7730 und BNB, entwickelt vom Klimaro-Team, &lt;a href=&quot;https://klimaro.example.org&quot;&gt;klimaro.example.org&lt;/a&gt;, 2026&lt;/center&gt;</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="111"/>
        <source>title.png</source>
        <extracomment>Title picture in this language (resources/images/).</extracomment>
        <translation>title_de.png</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="128"/>
        <source>Dokumentation_Hilfe.html</source>
        <extracomment>File name of the user documentation in this language (resources/doc/).</extracomment>
        <translation>Dokumentation_Hilfe_de.html</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="151"/>
        <source>Info about ...</source>
        <translation>Info zu ...</translation>
    </message>
</context>
<context>
    <name>PpdChart</name>
    <message>
        <location filename="../comfort/ppdchart.cpp" line="49"/>
        <source>PMV</source>
        <translation>PMV</translation>
    </message>
    <message>
        <location filename="../comfort/ppdchart.cpp" line="53"/>
        <source>PPD (%)</source>
        <translation>PPD (%)</translation>
    </message>
    <message>
        <location filename="../comfort/ppdchart.cpp" line="56"/>
        <source>PPD</source>
        <translation>PPD</translation>
    </message>
    <message>
        <location filename="../comfort/ppdchart.cpp" line="57"/>
        <source>PPD-Mayer</source>
        <translation>PPD-Mayer</translation>
    </message>
    <message>
        <location filename="../comfort/ppdchart.cpp" line="58"/>
        <location filename="../comfort/ppdchart.cpp" line="59"/>
        <source>Computed state</source>
        <translation>Berechneter Zustand</translation>
    </message>
</context>
<context>
    <name>ResultText</name>
    <message>
        <location filename="../app/resulttext.cpp" line="11"/>
        <source>N.A</source>
        <translation>k. A.</translation>
    </message>
</context>
<context>
    <name>TableText</name>
    <message>
        <location filename="../app/tabletext.cpp" line="100"/>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <location filename="../app/tabletext.cpp" line="101"/>
        <source>Cannot read file %1:
%2.</source>
        <translation>Datei %1 kann nicht gelesen werden:
%2.</translation>
    </message>
    <message>
        <location filename="../app/tabletext.cpp" line="123"/>
        <source>Write CSV</source>
        <translation>CSV schreiben</translation>
    </message>
    <message>
        <location filename="../app/tabletext.cpp" line="124"/>
        <source>Cannot write file %1:
%2.</source>
        <translation>Datei %1 kann nicht geschrieben werden:
%2.</translation>
    </message>
    <message>
        <location filename="../app/tabletext.cpp" line="156"/>
        <source>Spreadsheet</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <location filename="../app/tabletext.cpp" line="157"/>
        <source>The information cannot be pasted because the copy and paste areas aren&apos;t the same size.</source>
        <translation>Die Daten können nicht eingefügt werden, weil Kopier- und Einfügebereich nicht gleich groß sind.</translation>
    </message>
    <message>
        <location filename="../app/tabletext.cpp" line="192"/>
        <source>row %1, %2</source>
        <translation>Zeile %1, %2</translation>
    </message>
    <message>
        <location filename="../app/tabletext.cpp" line="194"/>
        <source>Input cells without a number (empty, or text without a numeric prefix): %1. They were computed as 0.</source>
        <translation>Eingabezellen ohne Zahl (leer oder Text ohne führende Zahl): %1. Sie wurden als 0 gerechnet.</translation>
    </message>
    <message>
        <location filename="../app/tabletext.cpp" line="199"/>
        <source>First: %1.</source>
        <translation>Die ersten: %1.</translation>
    </message>
    <message>
        <location filename="../app/tabletext.cpp" line="200"/>
        <source>Cells without a number</source>
        <translation>Zellen ohne Zahl</translation>
    </message>
</context>
<context>
    <name>TsurfCalcDialog</name>
    <message>
        <location filename="../forms/tsurfcalcdialog.ui" line="14"/>
        <source>Tsurf Calculator</source>
        <translation>Rechner für Oberflächentemperatur</translation>
    </message>
    <message>
        <location filename="../forms/tsurfcalcdialog.ui" line="20"/>
        <source>Surface Temperature</source>
        <translation>Oberflächentemperatur</translation>
    </message>
    <message>
        <location filename="../forms/tsurfcalcdialog.ui" line="26"/>
        <source>Indoor Temperature,  [°C]</source>
        <translation>Innentemperatur,  [°C]</translation>
    </message>
    <message>
        <location filename="../forms/tsurfcalcdialog.ui" line="49"/>
        <source>Outdoor Temperature,  [°C]</source>
        <translation>Außentemperatur,  [°C]</translation>
    </message>
    <message>
        <location filename="../forms/tsurfcalcdialog.ui" line="72"/>
        <source>Heat Resistance on 
interior Surface, [(m²K)/W]</source>
        <translation>Wärmeübergangswiderstand 
innen, [(m²K)/W]</translation>
    </message>
    <message>
        <location filename="../forms/tsurfcalcdialog.ui" line="96"/>
        <source>U-value, [W/(m²K)]</source>
        <translation>U-Wert, [W/(m²K)]</translation>
    </message>
    <message>
        <location filename="../forms/tsurfcalcdialog.ui" line="119"/>
        <source>Compute</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <location filename="../forms/tsurfcalcdialog.ui" line="126"/>
        <source>Surface 
Temperature, [°C]</source>
        <translation>Oberflächen-
temperatur, [°C]</translation>
    </message>
</context>
<context>
    <name>bnbForm</name>
    <message>
        <location filename="../forms/bnbform.ui" line="9"/>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="17"/>
        <source>Import and Process Data</source>
        <translation>Daten importieren und verarbeiten</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="23"/>
        <source>Columns seperated by</source>
        <translation>Spalten getrennt durch</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="30"/>
        <source>If comma is used to indicate the decimal place, then Semicolon is recommended to seperate the columns in CSV file.</source>
        <translation>Wird das Komma als Dezimaltrennzeichen verwendet, empfiehlt sich das Semikolon als Spaltentrennzeichen der CSV-Datei.</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="32"/>
        <source>Semicolon</source>
        <translation>Semikolon</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="33"/>
        <source>Comma</source>
        <translation>Komma</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="34"/>
        <source>Space</source>
        <translation>Leerzeichen</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="35"/>
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="42"/>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="45"/>
        <location filename="../forms/bnbform.ui" line="155"/>
        <location filename="../forms/bnbform.ui" line="248"/>
        <location filename="../forms/bnbform.ui" line="301"/>
        <location filename="../forms/bnbform.ui" line="411"/>
        <location filename="../forms/bnbform.ui" line="470"/>
        <location filename="../forms/bnbform.ui" line="564"/>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="52"/>
        <source>No. of header lines</source>
        <translation>Anzahl Kopfzeilen</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="60"/>
        <source>Number of lines to skip before the column data begins.</source>
        <translation>Anzahl der Zeilen, die vor den Spaltendaten übersprungen werden.</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="70"/>
        <source>Choose a file to open and preview it in the table.</source>
        <translation>Eine Datei wählen, öffnen und in der Tabelle anzeigen.</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="73"/>
        <source>1. Read &amp;&amp; Preview</source>
        <translation>1. Einlesen &amp;&amp; Vorschau</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="83"/>
        <source>Data Preview</source>
        <translation>Datenvorschau</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="104"/>
        <source>Außen-
temperatur
Ta (°C)</source>
        <translation>Außen-
temperatur
Ta (°C)</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="111"/>
        <source>Außen-
luftfeuchte
RH (%)</source>
        <translation>Außen-
luftfeuchte
RH (%)</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="118"/>
        <source>Raum-
temperatur
 To (°C)</source>
        <translation>Raum-
temperatur
 To (°C)</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="128"/>
        <source>Select and Export Data</source>
        <translation>Daten auswählen und exportieren</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="137"/>
        <source>Winter</source>
        <translation>Winter</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="147"/>
        <source>Summer</source>
        <translation>Sommer</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="162"/>
        <location filename="../forms/bnbform.ui" line="190"/>
        <source>Operative Temperature</source>
        <translation>Operative Temperatur</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="169"/>
        <location filename="../forms/bnbform.ui" line="197"/>
        <source>Draft</source>
        <translation>Zugluft</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="176"/>
        <location filename="../forms/bnbform.ui" line="204"/>
        <source>Radiation Asymmetry</source>
        <translation>Strahlungsasymmetrie</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="183"/>
        <location filename="../forms/bnbform.ui" line="211"/>
        <source>Humidity</source>
        <translation>Raumluftfeuchte</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="220"/>
        <source>Writes the ticked chapters as an XML report with its stylesheet</source>
        <translation>Schreibt die angekreuzten Kapitel als XML-Bericht mit seinem Stylesheet</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="223"/>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="230"/>
        <source>PDF Print ?</source>
        <translation>PDF-Druck ?</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="237"/>
        <source>Writes the ticked chapters as a PDF report on A4 pages</source>
        <translation>Schreibt die angekreuzten Kapitel als PDF-Bericht auf A4-Seiten</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="240"/>
        <source>Export PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="272"/>
        <source>Data Interpretation</source>
        <translation>Dateninterpretation</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="278"/>
        <source>Start Date</source>
        <translation>Startdatum</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="290"/>
        <location filename="../forms/bnbform.ui" line="385"/>
        <location filename="../forms/bnbform.ui" line="430"/>
        <source>dd.mm.yyyy</source>
        <translation>TT.MM.JJJJ</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="308"/>
        <source>at Hour</source>
        <translation>um Stunde</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="317"/>
        <location filename="../forms/bnbform.ui" line="400"/>
        <location filename="../forms/bnbform.ui" line="445"/>
        <location filename="../forms/bnbform.ui" line="490"/>
        <location filename="../forms/bnbform.ui" line="508"/>
        <source>0.0 to 23.0 hours</source>
        <translation>0.0 bis 23.0 Stunden</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="327"/>
        <source>Weekday</source>
        <translation>Wochentag</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="333"/>
        <source>Sun</source>
        <translation>So</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="334"/>
        <source>Mon</source>
        <translation>Mo</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="335"/>
        <source>Tue</source>
        <translation>Di</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="336"/>
        <source>Wed</source>
        <translation>Mi</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="337"/>
        <source>Thu</source>
        <translation>Do</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="338"/>
        <source>Fri</source>
        <translation>Fr</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="339"/>
        <source>Sat</source>
        <translation>Sa</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="345"/>
        <source>Data Interval [h]</source>
        <translation>Datenintervall [h]</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="354"/>
        <source>e.g If data is recorded every 30mins, then Data Interval = 0.5</source>
        <translation>z. B. bei Daten alle 30 Minuten: Datenintervall = 0.5</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="367"/>
        <source>Model Period</source>
        <translation>Modellzeitraum</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="373"/>
        <source>Summer Start</source>
        <translation>Sommerbeginn</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="418"/>
        <source>Summer End</source>
        <translation>Sommerende</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="455"/>
        <source>    Working hours</source>
        <translation>    Arbeitszeit</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="462"/>
        <source>With weekends</source>
        <translation>Mit Wochenenden</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="479"/>
        <source>from</source>
        <translation>von</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="500"/>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="531"/>
        <source>Model Selection</source>
        <translation>Modellauswahl</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="536"/>
        <source>26 °C</source>
        <translation>26 °C</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="537"/>
        <location filename="../assessment/bnbform.cpp" line="93"/>
        <source>Adaptives Modell(DIN EN 15251)</source>
        <translation>Adaptives Modell(DIN EN 15251)</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="538"/>
        <location filename="../assessment/bnbform.cpp" line="95"/>
        <source>Nationaler Anhang(DIN EN 15251)</source>
        <translation>Nationaler Anhang(DIN EN 15251)</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="539"/>
        <location filename="../assessment/bnbform.cpp" line="97"/>
        <location filename="../assessment/bnbform.cpp" line="325"/>
        <source>DIN 4108-2</source>
        <translation>DIN 4108-2</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="545"/>
        <source>Alpha (EN)</source>
        <translation>Alpha (EN)</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="571"/>
        <source>DIN 4108-2 
 Summer Region</source>
        <translation>DIN 4108-2 
 Sommerklimaregion</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="584"/>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="597"/>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="607"/>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="630"/>
        <source>Computes the assessment of the year in the table</source>
        <translation>Berechnet die Bewertung des Jahres in der Tabelle</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="633"/>
        <location filename="../assessment/bnbform.cpp" line="158"/>
        <location filename="../assessment/bnbform.cpp" line="207"/>
        <source>Compute</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="643"/>
        <source>Write CSV</source>
        <translation>CSV schreiben</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="650"/>
        <source>Read in Excel ?</source>
        <translation>In Excel öffnen ?</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="657"/>
        <source>Clear Table</source>
        <translation>Tabelle leeren</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="61"/>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="63"/>
        <source>Cut the current selection&apos;s contents to the clipboard</source>
        <translation>Den markierten Inhalt in die Zwischenablage ausschneiden</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="66"/>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="68"/>
        <source>Copy the current selection&apos;s contents to the clipboard</source>
        <translation>Den markierten Inhalt in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="71"/>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="73"/>
        <source>Paste the clipboard&apos;s contents into the current selection</source>
        <translation>Den Inhalt der Zwischenablage in die Markierung einfügen</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="148"/>
        <source>Start Date at Hour</source>
        <translation>Startdatum um Stunde</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="151"/>
        <source>Working hours from</source>
        <translation>Arbeitszeit von</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="152"/>
        <source>Working hours to</source>
        <translation>Arbeitszeit bis</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="158"/>
        <source>Nothing was computed.</source>
        <translation>Es wurde nichts berechnet.</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="163"/>
        <source>%1 must be greater than 0.</source>
        <translation>%1 muss größer als 0 sein.</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="165"/>
        <source>%1 must lie between 0 and 1 (0 ≤ α &lt; 1).</source>
        <translation>%1 muss zwischen 0 und 1 liegen (0 ≤ α &lt; 1).</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="198"/>
        <source>The data hold no row for the season boundary %1 %2, so nothing was computed.</source>
        <translation>Die Daten enthalten keine Zeile für die Grenze der Jahreszeit %1 %2, daher wurde nichts berechnet.</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="201"/>
        <source>The table holds no rows.</source>
        <translation>Die Tabelle enthält keine Zeilen.</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="204"/>
        <source>The data reach from %1 %2 to %3 %4.</source>
        <translation>Die Daten reichen von %1 %2 bis %3 %4.</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="297"/>
        <source>Mean (EN)</source>
        <translation>Mittel (EN)</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="303"/>
        <source>Open Spreadsheet</source>
        <translation>Tabelle öffnen</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="304"/>
        <source>Spreadsheet files (*.*)</source>
        <translation>Tabellendateien (*.*)</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="309"/>
        <source>Choose output filename</source>
        <translation>Namen der Ausgabedatei wählen</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="310"/>
        <source>Spreadsheet files (*.csv*)</source>
        <translation>Tabellendateien (*.csv*)</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="363"/>
        <source>Outdoor
Ta</source>
        <translation>Außen
Ta</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="363"/>
        <source>Outdoor
R.H</source>
        <translation>Außen
r. F.</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="363"/>
        <source>Indoor
 To</source>
        <translation>Innen
 To</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="373"/>
        <location filename="../assessment/bnbform.cpp" line="378"/>
        <location filename="../assessment/bnbform.cpp" line="383"/>
        <location filename="../assessment/bnbform.cpp" line="388"/>
        <location filename="../assessment/bnbform.cpp" line="393"/>
        <location filename="../assessment/bnbform.cpp" line="398"/>
        <location filename="../assessment/bnbform.cpp" line="403"/>
        <location filename="../assessment/bnbform.cpp" line="408"/>
        <location filename="../assessment/bnbform.cpp" line="413"/>
        <source>Info about ...</source>
        <translation>Info zu ...</translation>
    </message>
</context>
<context>
    <name>bnbMenuForm</name>
    <message>
        <location filename="../forms/bnbmenuform.ui" line="15"/>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="66"/>
        <location filename="../report/bnbmenuform.cpp" line="71"/>
        <source>Winter</source>
        <translation>Winter</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="67"/>
        <location filename="../report/bnbmenuform.cpp" line="72"/>
        <source>Summer</source>
        <translation>Sommer</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="68"/>
        <source>Humidity Calculator</source>
        <translation>Feuchterechner</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="69"/>
        <source>Humidity Winter</source>
        <translation>Feuchte Winter</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="70"/>
        <source>Humidity Summer</source>
        <translation>Feuchte Sommer</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="73"/>
        <source>Im/Export Data</source>
        <translation>Im-/Export Daten</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="74"/>
        <source>1. Operative Temperature</source>
        <translation>1. Operative Temperatur</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="75"/>
        <source>2. Draft Risk</source>
        <translation>2. Zugluftrisiko</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="76"/>
        <source>3. Radiation Asymmetry</source>
        <translation>3. Strahlungsasymmetrie</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="77"/>
        <source>4. Humidity</source>
        <translation>4. Raumluftfeuchte</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="151"/>
        <source>Humidity</source>
        <translation>Raumluftfeuchte</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="152"/>
        <source>The year data must be computed first: read them on the page &quot;Im/Export Data&quot; and press Compute there.</source>
        <translation>Die Jahresdaten müssen zuerst berechnet werden: Lesen Sie sie auf der Seite „Im-/Export Daten“ ein und drücken Sie dort Berechnen.</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="221"/>
        <source>Summer Region A</source>
        <translation>Sommerklimaregion A</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="222"/>
        <source>Summer Region B</source>
        <translation>Sommerklimaregion B</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="223"/>
        <source>Summer Region C</source>
        <translation>Sommerklimaregion C</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="230"/>
        <source>N/A</source>
        <translation>k. A.</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="265"/>
        <source>Not defined</source>
        <translation>Nicht festgelegt</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="319"/>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="319"/>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="378"/>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="378"/>
        <source>Cannot write file %1:
%2.</source>
        <translation>Datei %1 kann nicht geschrieben werden:
%2.</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="387"/>
        <source>Open Output File</source>
        <translation>Ausgabedatei wählen</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="387"/>
        <source>XML File (*.xml)</source>
        <translation>XML-Datei (*.xml)</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="409"/>
        <source>Export PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="409"/>
        <source>PDF File (*.pdf)</source>
        <translation>PDF-Datei (*.pdf)</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="455"/>
        <source>Export Error</source>
        <translation>Exportfehler</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="492"/>
        <source>Failed to export Winter Operative Temperature Assessment. Please check availability of results.</source>
        <translation>Die Bewertung der operativen Temperatur im Winter konnte nicht exportiert werden. Bitte prüfen Sie, ob Ergebnisse vorliegen.</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="504"/>
        <source>Failed to export Winter Draft Assessment. Please check availability of results.</source>
        <translation>Die Bewertung der Zugluft im Winter konnte nicht exportiert werden. Bitte prüfen Sie, ob Ergebnisse vorliegen.</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="514"/>
        <source>Failed to export Winter Mean Radiant Temperatures Assessment. Please check availability of results.</source>
        <translation>Die Bewertung der Strahlungsasymmetrie im Winter konnte nicht exportiert werden. Bitte prüfen Sie, ob Ergebnisse vorliegen.</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="527"/>
        <source>Failed to export Winter Humidity Assessment. Please check availability of results.</source>
        <translation>Die Bewertung der Raumluftfeuchte im Winter konnte nicht exportiert werden. Bitte prüfen Sie, ob Ergebnisse vorliegen.</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="539"/>
        <source>Failed to export Summer Operative Temperature Assessment. Please check availability of results.</source>
        <translation>Die Bewertung der operativen Temperatur im Sommer konnte nicht exportiert werden. Bitte prüfen Sie, ob Ergebnisse vorliegen.</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="551"/>
        <source>Failed to export Summer Draft Assessment. Please check availability of results.</source>
        <translation>Die Bewertung der Zugluft im Sommer konnte nicht exportiert werden. Bitte prüfen Sie, ob Ergebnisse vorliegen.</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="561"/>
        <source>Failed to export Summer Mean Radiant Temperatures Assessment. Please check availability of results.</source>
        <translation>Die Bewertung der Strahlungsasymmetrie im Sommer konnte nicht exportiert werden. Bitte prüfen Sie, ob Ergebnisse vorliegen.</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="574"/>
        <source>Failed to export Summer Humidity Assessment. Please check availability of results.</source>
        <translation>Die Bewertung der Raumluftfeuchte im Sommer konnte nicht exportiert werden. Bitte prüfen Sie, ob Ergebnisse vorliegen.</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="71"/>
        <source>Duration (h)</source>
        <translation>Dauer (h)</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="72"/>
        <source>Percent of operating time (%)</source>
        <translation>Anteil an der Nutzungszeit (%)</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="73"/>
        <source>Degree hour (k h)</source>
        <translation>Gradstunden (Kh)</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="77"/>
        <source>Operative Temperature: Winter</source>
        <translation>Operative Temperatur: Winter</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="78"/>
        <source>Boundary Conditions</source>
        <translation>Randbedingungen</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="79"/>
        <location filename="../report/xmlreport.cpp" line="113"/>
        <source>Operative Temperature Distribution</source>
        <translation>Verteilung der operativen Temperatur</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="81"/>
        <source>To &lt;= 19</source>
        <translation>To &lt;= 19</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="82"/>
        <source>19 &lt;= To &lt; 20</source>
        <translation>19 &lt;= To &lt; 20</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="83"/>
        <source>20 &lt;= To &lt; 21</source>
        <translation>20 &lt;= To &lt; 21</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="84"/>
        <source>21 &lt;= To &lt; 22</source>
        <translation>21 &lt;= To &lt; 22</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="85"/>
        <source>22 &lt;= To &lt; 23</source>
        <translation>22 &lt;= To &lt; 23</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="86"/>
        <source>23 &lt;= To &lt; 24</source>
        <translation>23 &lt;= To &lt; 24</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="87"/>
        <source>24 &lt;= To &lt; 25</source>
        <translation>24 &lt;= To &lt; 25</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="88"/>
        <source>To &gt;= 25</source>
        <translation>To &gt;= 25</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="89"/>
        <location filename="../report/xmlreport.cpp" line="123"/>
        <location filename="../report/xmlreport.cpp" line="255"/>
        <location filename="../report/xmlreport.cpp" line="280"/>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="90"/>
        <location filename="../report/xmlreport.cpp" line="124"/>
        <location filename="../report/xmlreport.cpp" line="256"/>
        <location filename="../report/xmlreport.cpp" line="281"/>
        <source>Hours (h)</source>
        <translation>Stunden (h)</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="91"/>
        <location filename="../report/xmlreport.cpp" line="125"/>
        <location filename="../report/xmlreport.cpp" line="257"/>
        <location filename="../report/xmlreport.cpp" line="282"/>
        <source>Time outside the category limit</source>
        <translation>Zeit außerhalb des Kategoriegrenzwerts</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="93"/>
        <location filename="../report/xmlreport.cpp" line="127"/>
        <source>Quality niveau I</source>
        <translation>Qualitätsniveau I</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="94"/>
        <location filename="../report/xmlreport.cpp" line="201"/>
        <location filename="../report/xmlreport.cpp" line="236"/>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="95"/>
        <location filename="../report/xmlreport.cpp" line="129"/>
        <source>Operative temperature</source>
        <translation>Operative Temperatur</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="99"/>
        <source>Operative Temperature: Summer</source>
        <translation>Operative Temperatur: Sommer</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="100"/>
        <source>Selected Assessment Model </source>
        <translation>Gewähltes Bewertungsmodell </translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="102"/>
        <source>Summer Assessment Model</source>
        <translation>Bewertungsmodell Sommer</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="103"/>
        <source>DIN 4108-2</source>
        <translation>DIN 4108-2</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="105"/>
        <source>Boundary conditions for calculation or measurement (see Appendix 1)</source>
        <translation>Randbedingungen der Berechnung oder Messung (siehe Anlage 1)</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="107"/>
        <source>Operating Times</source>
        <translation>Nutzungszeiten</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="109"/>
        <source>Start</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="110"/>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="111"/>
        <source>at Weekends</source>
        <translation>an Wochenenden</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="112"/>
        <source>Operation Times</source>
        <translation>Nutzungszeiten</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="115"/>
        <source>To &lt;= 24</source>
        <translation>To &lt;= 24</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="116"/>
        <source>24 &lt; To =&lt; 25</source>
        <translation>24 &lt; To =&lt; 25</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="117"/>
        <source>25 &lt; To =&lt; 26</source>
        <translation>25 &lt; To =&lt; 26</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="118"/>
        <source>26 &lt; To =&lt; 27</source>
        <translation>26 &lt; To =&lt; 27</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="119"/>
        <source>27 &lt; To =&lt; 28</source>
        <translation>27 &lt; To =&lt; 28</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="120"/>
        <source>28 &lt; To =&lt; 29</source>
        <translation>28 &lt; To =&lt; 29</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="121"/>
        <source>29 &lt; To =&lt; 30</source>
        <translation>29 &lt; To =&lt; 30</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="122"/>
        <source>30 &lt; To</source>
        <translation>30 &lt; To</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="128"/>
        <source>Points </source>
        <translation>Punkte </translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="136"/>
        <source>Type of air supply system</source>
        <translation>Art der Luftzufuhr</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="137"/>
        <source>Mechanical ventilation</source>
        <translation>Mechanische Lüftung</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="138"/>
        <source>Window ventilation</source>
        <translation>Fensterlüftung</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="140"/>
        <source>Boundary conditions for the calculation (Mechanical ventilation)</source>
        <translation>Randbedingungen der Berechnung (mechanische Lüftung)</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="142"/>
        <source>Data sheet</source>
        <translation>Datenblatt</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="143"/>
        <source>Air temperature (°C)</source>
        <translation>Lufttemperatur (°C)</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="144"/>
        <source>Air velocity (m/s)</source>
        <translation>Luftgeschwindigkeit (m/s)</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="145"/>
        <source>Turbulence intensity (%)</source>
        <translation>Turbulenzgrad (%)</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="146"/>
        <source>See appendix 2</source>
        <translation>Siehe Anlage 2</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="150"/>
        <source>Draft Rate (DR) calculation</source>
        <translation>Berechnung der Zugluftrate (DR)</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="151"/>
        <source>DR (%)</source>
        <translation>DR (%)</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="157"/>
        <source>Points (after interpolated assessment)</source>
        <translation>Punkte (nach interpolierter Bewertung)</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="158"/>
        <source>Draft</source>
        <translation>Zugluft</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="161"/>
        <source>Draft:Winter</source>
        <translation>Zugluft: Winter</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="163"/>
        <source>Category BNB (15 %) fulfilled / not fulfilled</source>
        <translation>Kategorie BNB (15 %) erfüllt / nicht erfüllt</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="166"/>
        <source>Draft: Summer</source>
        <translation>Zugluft: Sommer</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="168"/>
        <source>Category BNB (15%) fulfilled / not fulfilled</source>
        <translation>Kategorie BNB (15%) erfüllt / nicht erfüllt</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="176"/>
        <source>Position in the room</source>
        <translation>Position im Raum</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="178"/>
        <source>Width (W): Xp</source>
        <translation>Breite (W): Xp</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="179"/>
        <source>Depth (D): Yp</source>
        <translation>Tiefe (D): Yp</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="180"/>
        <source>Height (Z): sitting or standing</source>
        <translation>Höhe (Z): sitzend oder stehend</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="181"/>
        <source>Room</source>
        <translation>Raum</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="182"/>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="183"/>
        <source>Boundary conditions: asymmetric radiation (for surface cooling. data sheet: see appendix 3)</source>
        <translation>Randbedingungen: Strahlungsasymmetrie (bei Flächenkühlung Datenblatt: siehe Anlage 3)</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="186"/>
        <source>Surface temperature (°C)</source>
        <translation>Oberflächentemperatur (°C)</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="187"/>
        <source>Temperature of cool or hot surfaces(°C)</source>
        <translation>Temperatur kalter oder warmer Flächen (°C)</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="188"/>
        <source>Front wall</source>
        <translation>Vorderwand</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="189"/>
        <source>Back wall</source>
        <translation>Rückwand</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="190"/>
        <source>Right wall</source>
        <translation>Rechte Wand</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="191"/>
        <source>Left wall</source>
        <translation>Linke Wand</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="192"/>
        <source>Floor</source>
        <translation>Fußboden</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="193"/>
        <source>Ceiling</source>
        <translation>Decke</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="194"/>
        <source>Calculations: asymmetric radiation</source>
        <translation>Berechnung: Strahlungsasymmetrie</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="196"/>
        <source>Percentage of dissatisfied due to radiation asymmetry (%)</source>
        <translation>Prozentsatz Unzufriedener durch Strahlungsasymmetrie (%)</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="197"/>
        <source>Quality according to BNB</source>
        <translation>Qualität nach BNB</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="198"/>
        <source>Asymmetry front/back</source>
        <translation>Asymmetrie vorne/hinten</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="199"/>
        <source>Asymmetry right/left</source>
        <translation>Asymmetrie rechts/links</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="200"/>
        <source>Asymmetry floor/ceiling</source>
        <translation>Asymmetrie Fußboden/Decke</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="202"/>
        <source>Radiation asymmetry</source>
        <translation>Strahlungsasymmetrie</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="205"/>
        <source>Asymmetric radiation and floor temperature: Winter</source>
        <translation>Strahlungsasymmetrie und Fußbodentemperatur: Winter</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="207"/>
        <source>Asymmetric radiation and floor temperature: Summer</source>
        <translation>Strahlungsasymmetrie und Fußbodentemperatur: Sommer</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="216"/>
        <source>Boundary conditions for the calculation</source>
        <translation>Randbedingungen der Berechnung</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="218"/>
        <source>Space Volume (m³)</source>
        <translation>Raumvolumen (m³)</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="219"/>
        <source>Infiltration (HVAC)(1/h)</source>
        <translation>Infiltration (RLT)(1/h)</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="220"/>
        <source>Air changes per hour (1/h): Winter </source>
        <translation>Luftwechselrate (1/h): Winter </translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="221"/>
        <source>Air changes per hour (1/h): Transition time</source>
        <translation>Luftwechselrate (1/h): Übergangszeit</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="222"/>
        <source>Air changes per hour (1/h): Summer</source>
        <translation>Luftwechselrate (1/h): Sommer</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="223"/>
        <source>Number of persons</source>
        <translation>Anzahl Personen</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="224"/>
        <source>Other humidity sources (g/h)</source>
        <translation>Weitere Feuchtequellen (g/h)</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="227"/>
        <source>Number of big plants</source>
        <translation>Anzahl großer Pflanzen</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="228"/>
        <source>Number of small plants</source>
        <translation>Anzahl kleiner Pflanzen</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="229"/>
        <source>Humidity Recovery (-): Winter</source>
        <translation>Feuchterückgewinnung (-): Winter</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="230"/>
        <source>Humidity Recovery (-): Transition time</source>
        <translation>Feuchterückgewinnung (-): Übergangszeit</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="231"/>
        <source>Humidity Recovery (-): Summer</source>
        <translation>Feuchterückgewinnung (-): Sommer</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="232"/>
        <source>Pressure (Pa)</source>
        <translation>Luftdruck (Pa)</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="237"/>
        <source>Indoor Humidity</source>
        <translation>Raumluftfeuchte</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="240"/>
        <source>Indoor Humidity: Winter</source>
        <translation>Raumluftfeuchte: Winter</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="242"/>
        <source>Distribution of the relative humidity (RH) in winter period (01. Oct. – 31. Mar.)</source>
        <translation>Verteilung der relativen Luftfeuchte (RH) im Winterzeitraum (01. Okt. – 31. März)</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="245"/>
        <source>RH &lt;= 10</source>
        <translation>RH &lt;= 10</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="246"/>
        <source>10 &lt; RH =&lt; 20</source>
        <translation>10 &lt; RH =&lt; 20</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="247"/>
        <source>20 &lt; RH =&lt; 30</source>
        <translation>20 &lt; RH =&lt; 30</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="248"/>
        <source>30 &lt; RH =&lt; 40</source>
        <translation>30 &lt; RH =&lt; 40</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="249"/>
        <source>40 &lt; RH =&lt; 50</source>
        <translation>40 &lt; RH =&lt; 50</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="250"/>
        <source>50 &lt; RH =&lt; 60</source>
        <translation>50 &lt; RH =&lt; 60</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="251"/>
        <source>60 &lt; RH =&lt; 70</source>
        <translation>60 &lt; RH =&lt; 70</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="252"/>
        <source>70 &lt; RH =&lt; 80</source>
        <translation>70 &lt; RH =&lt; 80</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="253"/>
        <source>80 &lt; RH =&lt; 90</source>
        <translation>80 &lt; RH =&lt; 90</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="254"/>
        <source>90 &lt; RH</source>
        <translation>90 &lt; RH</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="259"/>
        <source>Frequency below lower limit 25% RH</source>
        <translation>Häufigkeit unter der unteren Grenze 25 % RH</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="260"/>
        <location filename="../report/xmlreport.cpp" line="285"/>
        <source>Ratio of operating time (%)</source>
        <translation>Anteil an der Nutzungszeit (%)</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="265"/>
        <source>Indoor Humidity: Summer</source>
        <translation>Raumluftfeuchte: Sommer</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="267"/>
        <source>Distribution of the absolute humidity (AH) in summer period (01.April. – 30. Sept.)</source>
        <translation>Verteilung des Wassergehalts (AH) im Sommerzeitraum (01. April – 30. Sept.)</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="270"/>
        <source>AH =&lt; 2</source>
        <translation>AH =&lt; 2</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="271"/>
        <source>2 &lt; AH =&lt; 4</source>
        <translation>2 &lt; AH =&lt; 4</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="272"/>
        <source>4 &lt; AH =&lt; 6</source>
        <translation>4 &lt; AH =&lt; 6</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="273"/>
        <source>6 &lt; AH =&lt; 8</source>
        <translation>6 &lt; AH =&lt; 8</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="274"/>
        <source>8 &lt; AH =&lt; 10</source>
        <translation>8 &lt; AH =&lt; 10</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="275"/>
        <source>10 &lt; AH =&lt; 12</source>
        <translation>10 &lt; AH =&lt; 12</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="276"/>
        <source>12 &lt; AH =&lt; 14</source>
        <translation>12 &lt; AH =&lt; 14</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="277"/>
        <source>14 &lt; AH =&lt; 16</source>
        <translation>14 &lt; AH =&lt; 16</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="278"/>
        <source>16 &lt; AH =&lt; 18</source>
        <translation>16 &lt; AH =&lt; 18</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="279"/>
        <source>18 &lt; AH</source>
        <translation>18 &lt; AH</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="284"/>
        <source>Frequency above upper limit 12 g/kg</source>
        <translation>Häufigkeit über der oberen Grenze 12 g/kg</translation>
    </message>
</context>
<context>
    <name>clothingForm</name>
    <message>
        <location filename="../forms/clothingform.ui" line="18"/>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <location filename="../forms/clothingform.ui" line="24"/>
        <source>[Clo]</source>
        <translation>[clo]</translation>
    </message>
    <message>
        <location filename="../forms/clothingform.ui" line="47"/>
        <source>&lt;b&gt;Work Clothing&lt;/B&gt;</source>
        <translation>&lt;b&gt;Arbeitskleidung&lt;/B&gt;</translation>
    </message>
    <message>
        <location filename="../forms/clothingform.ui" line="57"/>
        <source>Underpants, boiler suit, socks, shoes</source>
        <translation>Unterhose, Overall, Socken, Schuhe</translation>
    </message>
    <message>
        <location filename="../forms/clothingform.ui" line="64"/>
        <source>Underpants, shirt, boiler suit, socks, shoes</source>
        <translation>Unterhose, Hemd, Overall, Socken, Schuhe</translation>
    </message>
    <message>
        <location filename="../forms/clothingform.ui" line="71"/>
        <source>Underpants, shirt, trousers, smock, socks, shoes</source>
        <translation>Unterhose, Hemd, Hose, Kittel, Socken, Schuhe</translation>
    </message>
    <message>
        <location filename="../forms/clothingform.ui" line="78"/>
        <source>Underwear with short legs and sleeves, shirt, trousers, jacket, socks, shoes</source>
        <translation>Unterwäsche mit kurzen Beinen und Ärmeln, Hemd, Hose, Jacke, Socken, Schuhe</translation>
    </message>
    <message>
        <location filename="../forms/clothingform.ui" line="85"/>
        <source>Underwear with long legs and sleeves, thermojacket, socks, shoes</source>
        <translation>Unterwäsche mit langen Beinen und Ärmeln, Thermojacke, Socken, Schuhe</translation>
    </message>
    <message>
        <location filename="../forms/clothingform.ui" line="92"/>
        <source>Underwear with short legs and sleeves, boiler suit, thermojacket and trousers socks, shoes</source>
        <translation>Unterwäsche mit kurzen Beinen und Ärmeln, Overall, Thermojacke und -hose, Socken, Schuhe</translation>
    </message>
    <message>
        <location filename="../forms/clothingform.ui" line="99"/>
        <source>Underwear with short legs and sleeves, shirt, trousers, jacket, heavy quilted outer jacket and overalls, socks, shoes, cap, gloves</source>
        <translation>Unterwäsche mit kurzen Beinen und Ärmeln, Hemd, Hose, Jacke, Steppjacke und Latzhose, Socken, Schuhe, Mütze, Handschuhe</translation>
    </message>
    <message>
        <location filename="../forms/clothingform.ui" line="106"/>
        <source>Underwear with long legs and sleeves, thermojacket and trousers,parka with heavy quilting,overalls, socks, shoes, cap, gloves</source>
        <translation>Unterwäsche mit langen Beinen und Ärmeln, Thermojacke und -hose, Stepp-Parka, Latzhose, Socken, Schuhe, Mütze, Handschuhe</translation>
    </message>
    <message>
        <location filename="../forms/clothingform.ui" line="126"/>
        <source>Daily Wear Clothing</source>
        <translation>Alltagskleidung</translation>
    </message>
    <message>
        <location filename="../forms/clothingform.ui" line="133"/>
        <source>Pantis, T-shirt, shorts, light socks, sandals</source>
        <translation>Slip, T-Shirt, Shorts, leichte Socken, Sandalen</translation>
    </message>
    <message>
        <location filename="../forms/clothingform.ui" line="140"/>
        <source>Underpants, shirt with short sleeves, light trousers, light socks, shoes</source>
        <translation>Unterhose, kurzärmeliges Hemd, leichte Hose, leichte Socken, Schuhe</translation>
    </message>
    <message>
        <location filename="../forms/clothingform.ui" line="147"/>
        <source>Panties, petticoat, stockings, dress, shoes</source>
        <translation>Slip, Unterrock, Strümpfe, Kleid, Schuhe</translation>
    </message>
    <message>
        <location filename="../forms/clothingform.ui" line="154"/>
        <source>Underwear, shirt, trousers, socks, shoes</source>
        <translation>Unterwäsche, Hemd, Hose, Socken, Schuhe</translation>
    </message>
    <message>
        <location filename="../forms/clothingform.ui" line="161"/>
        <source>Panties, shirt, trousers, jacket, socks, shoes</source>
        <translation>Slip, Hemd, Hose, Jacke, Socken, Schuhe</translation>
    </message>
    <message>
        <location filename="../forms/clothingform.ui" line="168"/>
        <source>Panties, stckings, blouse, long skirt, jacket, shoes</source>
        <translation>Slip, Strümpfe, Bluse, langer Rock, Jacke, Schuhe</translation>
    </message>
    <message>
        <location filename="../forms/clothingform.ui" line="175"/>
        <source>Underwear with long legs and sleeves, shirt, trousers, V-neck sweater, jacket, socks, shoes</source>
        <translation>Unterwäsche mit langen Beinen und Ärmeln, Hemd, Hose, Pullover mit V-Ausschnitt, Jacke, Socken, Schuhe</translation>
    </message>
    <message>
        <location filename="../forms/clothingform.ui" line="182"/>
        <source>Underwear with short legs and sleeves, shirt, trousers, vest jacket, coat, socks, shoes</source>
        <translation>Unterwäsche mit kurzen Beinen und Ärmeln, Hemd, Hose, Weste, Mantel, Socken, Schuhe</translation>
    </message>
    <message>
        <location filename="../forms/clothingform.ui" line="194"/>
        <source>Clo:</source>
        <translation>clo:</translation>
    </message>
    <message>
        <location filename="../forms/clothingform.ui" line="227"/>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <location filename="../forms/clothingform.ui" line="236"/>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <location filename="../comfort/clothingform.cpp" line="39"/>
        <source>Info about ...</source>
        <translation>Info zu ...</translation>
    </message>
</context>
<context>
    <name>draftForm</name>
    <message>
        <location filename="../forms/draftform.ui" line="14"/>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <location filename="../forms/draftform.ui" line="24"/>
        <source>Ventilation</source>
        <translation>Lüftung</translation>
    </message>
    <message>
        <location filename="../forms/draftform.ui" line="30"/>
        <source>Winter</source>
        <translation>Winter</translation>
    </message>
    <message>
        <location filename="../forms/draftform.ui" line="37"/>
        <location filename="../forms/draftform.ui" line="242"/>
        <source>Mechanical Ventilation</source>
        <translation>Mechanische Lüftung</translation>
    </message>
    <message>
        <location filename="../forms/draftform.ui" line="44"/>
        <location filename="../forms/draftform.ui" line="249"/>
        <source>Window Ventilation</source>
        <translation>Fensterlüftung</translation>
    </message>
    <message>
        <location filename="../forms/draftform.ui" line="57"/>
        <location filename="../forms/draftform.ui" line="262"/>
        <source>Condition</source>
        <translation>Randbedingungen</translation>
    </message>
    <message>
        <location filename="../forms/draftform.ui" line="66"/>
        <location filename="../forms/draftform.ui" line="271"/>
        <source>Air Temperature [°C]</source>
        <translation>Lufttemperatur [°C]</translation>
    </message>
    <message>
        <location filename="../forms/draftform.ui" line="83"/>
        <location filename="../forms/draftform.ui" line="288"/>
        <source>Air Velocity [m/s]</source>
        <translation>Luftgeschwindigkeit [m/s]</translation>
    </message>
    <message>
        <location filename="../forms/draftform.ui" line="100"/>
        <location filename="../forms/draftform.ui" line="305"/>
        <source>Turbulence [%]</source>
        <translation>Turbulenzgrad [%]</translation>
    </message>
    <message>
        <location filename="../forms/draftform.ui" line="120"/>
        <location filename="../forms/draftform.ui" line="325"/>
        <source>DR Berechnung</source>
        <translation>DR Berechnung</translation>
    </message>
    <message>
        <location filename="../forms/draftform.ui" line="129"/>
        <location filename="../forms/draftform.ui" line="334"/>
        <source>Compute</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <location filename="../forms/draftform.ui" line="136"/>
        <location filename="../forms/draftform.ui" line="341"/>
        <source>DR%</source>
        <translation>DR%</translation>
    </message>
    <message>
        <location filename="../forms/draftform.ui" line="156"/>
        <location filename="../forms/draftform.ui" line="361"/>
        <source>Kategorie BNB (15%)</source>
        <translation>Kategorie BNB (15%)</translation>
    </message>
    <message>
        <location filename="../forms/draftform.ui" line="179"/>
        <location filename="../forms/draftform.ui" line="384"/>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <location filename="../forms/draftform.ui" line="201"/>
        <location filename="../forms/draftform.ui" line="406"/>
        <source>- Points</source>
        <translation>- Punkte</translation>
    </message>
    <message>
        <location filename="../forms/draftform.ui" line="229"/>
        <source>ventilation</source>
        <translation>Lüftung</translation>
    </message>
    <message>
        <location filename="../forms/draftform.ui" line="235"/>
        <source>Summer</source>
        <translation>Sommer</translation>
    </message>
    <message>
        <location filename="../forms/draftform.ui" line="449"/>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <location filename="../assessment/draftform.cpp" line="55"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../assessment/draftform.cpp" line="64"/>
        <source>Pass</source>
        <translation>Erfüllt</translation>
    </message>
    <message>
        <location filename="../assessment/draftform.cpp" line="64"/>
        <source>Fail</source>
        <translation>Nicht erfüllt</translation>
    </message>
    <message>
        <location filename="../assessment/draftform.cpp" line="70"/>
        <source>Info about ...</source>
        <translation>Info zu ...</translation>
    </message>
</context>
<context>
    <name>humidityAssmtForm</name>
    <message>
        <location filename="../forms/humidityassmtform.ui" line="14"/>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <location filename="../forms/humidityassmtform.ui" line="20"/>
        <source>- Distribution of Relative Humidity (%) in Winter ( 01. Oct. - 31. March)</source>
        <translation>- Verteilung der relativen Luftfeuchte (%) im Winter ( 01. Okt. - 31. März)</translation>
    </message>
    <message>
        <location filename="../forms/humidityassmtform.ui" line="37"/>
        <location filename="../forms/humidityassmtform.ui" line="117"/>
        <source>Hours (h)</source>
        <translation>Stunden (h)</translation>
    </message>
    <message>
        <location filename="../forms/humidityassmtform.ui" line="92"/>
        <location filename="../forms/humidityassmtform.ui" line="172"/>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <location filename="../forms/humidityassmtform.ui" line="100"/>
        <source>- Distribution of Absolute Humdity (g/kg) in Winter (01. Oct. - 31. March)</source>
        <translation>- Verteilung des Wassergehalts (g/kg) im Winter (01. Okt. - 31. März)</translation>
    </message>
    <message>
        <location filename="../forms/humidityassmtform.ui" line="182"/>
        <source>- Assessment: Relative Humidity</source>
        <translation>- Bewertung: relative Luftfeuchte</translation>
    </message>
    <message>
        <location filename="../forms/humidityassmtform.ui" line="189"/>
        <source>   o Frequency outside Lower Limit (h)</source>
        <translation>   o Häufigkeit außerhalb der unteren Grenze (h)</translation>
    </message>
    <message>
        <location filename="../forms/humidityassmtform.ui" line="209"/>
        <source>o  Ratio outside lower limit (%)</source>
        <translation>o  Anteil außerhalb der unteren Grenze (%)</translation>
    </message>
    <message>
        <location filename="../forms/humidityassmtform.ui" line="229"/>
        <source>- Assessment: Absolute Humidity</source>
        <translation>- Bewertung: Wassergehalt</translation>
    </message>
    <message>
        <location filename="../forms/humidityassmtform.ui" line="236"/>
        <source>   o Frequency outside Upper Limit (h)</source>
        <translation>   o Häufigkeit außerhalb der oberen Grenze (h)</translation>
    </message>
    <message>
        <location filename="../forms/humidityassmtform.ui" line="256"/>
        <source>o  Ratio outside upper limit (%) </source>
        <translation>o  Anteil außerhalb der oberen Grenze (%) </translation>
    </message>
    <message>
        <location filename="../forms/humidityassmtform.ui" line="276"/>
        <source>- Point  </source>
        <translation>- Punkte  </translation>
    </message>
    <message>
        <location filename="../forms/humidityassmtform.ui" line="283"/>
        <source>Indoor  Humidity: Winter</source>
        <translation>Raumluftfeuchte: Winter</translation>
    </message>
    <message>
        <location filename="../forms/humidityassmtform.ui" line="316"/>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <location filename="../assessment/humidityassmtform.cpp" line="23"/>
        <source>Relative humidity in winter</source>
        <translation>Relative Raumluftfeuchte im Winter</translation>
    </message>
    <message>
        <location filename="../assessment/humidityassmtform.cpp" line="23"/>
        <source>RH (%)</source>
        <translation>RH (%)</translation>
    </message>
    <message>
        <location filename="../assessment/humidityassmtform.cpp" line="25"/>
        <location filename="../assessment/humidityassmtform.cpp" line="31"/>
        <source>Within</source>
        <translation>Innerhalb</translation>
    </message>
    <message>
        <location filename="../assessment/humidityassmtform.cpp" line="25"/>
        <source>Below 25 %</source>
        <translation>Unter 25 %</translation>
    </message>
    <message>
        <location filename="../assessment/humidityassmtform.cpp" line="28"/>
        <source>Lower limit 25 %</source>
        <translation>Untere Grenze 25 %</translation>
    </message>
    <message>
        <location filename="../assessment/humidityassmtform.cpp" line="29"/>
        <source>Humidity ratio in winter</source>
        <translation>Wassergehalt im Winter</translation>
    </message>
    <message>
        <location filename="../assessment/humidityassmtform.cpp" line="29"/>
        <source>x (g/kg)</source>
        <translation>x (g/kg)</translation>
    </message>
    <message>
        <location filename="../assessment/humidityassmtform.cpp" line="31"/>
        <source>Above 12 g/kg</source>
        <translation>Über 12 g/kg</translation>
    </message>
    <message>
        <location filename="../assessment/humidityassmtform.cpp" line="34"/>
        <source>Upper limit 12 g/kg</source>
        <translation>Obere Grenze 12 g/kg</translation>
    </message>
    <message>
        <location filename="../assessment/humidityassmtform.cpp" line="48"/>
        <source>- Distribution of Absolute Humdity (g/kg) in Summer (01. Apr. - 30. Sept.)</source>
        <translation>- Verteilung des Wassergehalts (g/kg) im Sommer (01. Apr. - 30. Sept.)</translation>
    </message>
    <message>
        <location filename="../assessment/humidityassmtform.cpp" line="50"/>
        <source>- Distribution of Relative Humidity (%) in Summer ( 01. Apr. - 30.Sept.)</source>
        <translation>- Verteilung der relativen Luftfeuchte (%) im Sommer ( 01. Apr. - 30. Sept.)</translation>
    </message>
    <message>
        <location filename="../assessment/humidityassmtform.cpp" line="51"/>
        <source>Indoor  Humidity: Summer</source>
        <translation>Raumluftfeuchte: Sommer</translation>
    </message>
    <message>
        <location filename="../assessment/humidityassmtform.cpp" line="52"/>
        <source>Relative humidity in summer</source>
        <translation>Relative Raumluftfeuchte im Sommer</translation>
    </message>
    <message>
        <location filename="../assessment/humidityassmtform.cpp" line="53"/>
        <source>Humidity ratio in summer</source>
        <translation>Wassergehalt im Sommer</translation>
    </message>
    <message>
        <location filename="../assessment/humidityassmtform.cpp" line="81"/>
        <source>Info about ...</source>
        <translation>Info zu ...</translation>
    </message>
</context>
<context>
    <name>humidityForm</name>
    <message>
        <location filename="../forms/humidityform.ui" line="14"/>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <location filename="../forms/humidityform.ui" line="20"/>
        <source>Input</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <location filename="../forms/humidityform.ui" line="28"/>
        <source>General Information</source>
        <translation>Allgemeine Angaben</translation>
    </message>
    <message>
        <location filename="../forms/humidityform.ui" line="34"/>
        <source>Room Volume (m³)</source>
        <translation>Raumvolumen (m³)</translation>
    </message>
    <message>
        <location filename="../forms/humidityform.ui" line="60"/>
        <source>Pressure (Pa)</source>
        <translation>Luftdruck (Pa)</translation>
    </message>
    <message>
        <location filename="../forms/humidityform.ui" line="86"/>
        <source> Air Change Rate outside 
Operation (1/h)</source>
        <translation> Luftwechselrate außerhalb
der Nutzungszeit (1/h)</translation>
    </message>
    <message>
        <location filename="../forms/humidityform.ui" line="116"/>
        <source>Humidity Production</source>
        <translation>Feuchteproduktion</translation>
    </message>
    <message>
        <location filename="../forms/humidityform.ui" line="122"/>
        <source>Number of Person</source>
        <translation>Anzahl Personen</translation>
    </message>
    <message>
        <location filename="../forms/humidityform.ui" line="148"/>
        <source>Number of Small Plant</source>
        <translation>Anzahl kleiner Pflanzen</translation>
    </message>
    <message>
        <location filename="../forms/humidityform.ui" line="174"/>
        <source>Number of Big Plant</source>
        <translation>Anzahl großer Pflanzen</translation>
    </message>
    <message>
        <location filename="../forms/humidityform.ui" line="200"/>
        <source>Another Humidity
 Source (g/h)</source>
        <translation>Weitere Feuchte-
 quelle (g/h)</translation>
    </message>
    <message>
        <location filename="../forms/humidityform.ui" line="236"/>
        <source>Winter</source>
        <translation>Winter</translation>
    </message>
    <message>
        <location filename="../forms/humidityform.ui" line="243"/>
        <source>Summer</source>
        <translation>Sommer</translation>
    </message>
    <message>
        <location filename="../forms/humidityform.ui" line="250"/>
        <source>Spring / Autumn</source>
        <translation>Frühling / Herbst</translation>
    </message>
    <message>
        <location filename="../forms/humidityform.ui" line="260"/>
        <source>Air Change Rate 
during Operation (1/h)</source>
        <translation>Luftwechselrate in der
Nutzungszeit (1/h)</translation>
    </message>
    <message>
        <location filename="../forms/humidityform.ui" line="310"/>
        <source>Effectivness of Humidity 
Recovery (1= 100%)</source>
        <translation>Wirkungsgrad Feuchte-
rückgewinnung (1= 100%)</translation>
    </message>
    <message>
        <location filename="../forms/humidityform.ui" line="373"/>
        <source>Compute</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <location filename="../forms/humidityform.ui" line="383"/>
        <location filename="../assessment/humidityform.cpp" line="101"/>
        <location filename="../assessment/humidityform.cpp" line="131"/>
        <source>Write CSV</source>
        <translation>CSV schreiben</translation>
    </message>
    <message>
        <location filename="../forms/humidityform.ui" line="403"/>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <location filename="../assessment/humidityform.cpp" line="39"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../assessment/humidityform.cpp" line="63"/>
        <source>Invalid input</source>
        <translation>Ungültige Eingabe</translation>
    </message>
    <message>
        <location filename="../assessment/humidityform.cpp" line="64"/>
        <source>%1 must be greater than 0, so nothing was computed.</source>
        <translation>%1 muss größer als 0 sein, daher wurde nichts berechnet.</translation>
    </message>
    <message>
        <location filename="../assessment/humidityform.cpp" line="103"/>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location filename="../assessment/humidityform.cpp" line="115"/>
        <source>Humidity output generated by </source>
        <translation>Humidity output generated by </translation>
    </message>
    <message>
        <location filename="../assessment/humidityform.cpp" line="115"/>
        <source>Klimaro v0.3</source>
        <translation>Klimaro v0.3</translation>
    </message>
    <message>
        <location filename="../assessment/humidityform.cpp" line="132"/>
        <source>Cannot write file %1:
%2.</source>
        <translation>Datei %1 kann nicht geschrieben werden:
%2.</translation>
    </message>
    <message>
        <location filename="../assessment/humidityform.cpp" line="139"/>
        <source>Info about ...</source>
        <translation>Info zu ...</translation>
    </message>
</context>
<context>
    <name>mrtForm</name>
    <message>
        <location filename="../forms/mrtform.ui" line="6"/>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="18"/>
        <source>Room Geometry, [m]</source>
        <translation>Raumgeometrie, [m]</translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="28"/>
        <source>Width (w)</source>
        <translation>Breite (w)</translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="41"/>
        <source>Depth (De)</source>
        <translation>Tiefe (De)</translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="54"/>
        <source>Height (H)</source>
        <translation>Höhe (H)</translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="70"/>
        <source>Position of Occupant, [m]</source>
        <translation>Position der Person, [m]</translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="80"/>
        <source>X-Position (Xp)</source>
        <translation>X-Position (Xp)</translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="93"/>
        <source>Y-Position (Yp)</source>
        <translation>Y-Position (Yp)</translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="106"/>
        <source>Stand/Sit (Zp)</source>
        <translation>Stehen/Sitzen (Zp)</translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="123"/>
        <source>Stand</source>
        <translation>Stehend</translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="128"/>
        <source>Seated</source>
        <translation>Sitzend</translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="134"/>
        <source>other</source>
        <translation>andere</translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="143"/>
        <source>Plan of the room seen from above: width w, depth De, occupant position Xp, Yp and the window edges g1, g2 of the front wall</source>
        <translation>Grundriss des Raums von oben: Breite w, Tiefe De, Position der Person Xp, Yp und die Fensterkanten g1, g2 der Vorderwand</translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="153"/>
        <source>Compute Results</source>
        <translation>Ergebnisse berechnen</translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="165"/>
        <source>Surface Temperature Calculator</source>
        <translation>Oberflächentemperatur …</translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="172"/>
        <location filename="../forms/mrtform.ui" line="202"/>
        <location filename="../forms/mrtform.ui" line="269"/>
        <location filename="../forms/mrtform.ui" line="454"/>
        <location filename="../forms/mrtform.ui" line="752"/>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="183"/>
        <source>Plane</source>
        <translation>Ebene</translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="189"/>
        <source>Surface</source>
        <translation>Fläche</translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="210"/>
        <source>Compute MRT</source>
        <translation>MRT berechnen</translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="218"/>
        <source>Mean Radiant 
Temperature [°C]</source>
        <translation>Mittlere Strahlungs-
temperatur [°C]</translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="257"/>
        <source>Wall properties</source>
        <translation>Eigenschaften der Wände</translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="275"/>
        <location filename="../forms/mrtform.ui" line="411"/>
        <source>Temperature [°C]</source>
        <translation>Temperatur [°C]</translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="283"/>
        <source>Cold/hot area (Y/N)</source>
        <translation>Kalte/warme Fläche (J/N)</translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="289"/>
        <source>Front</source>
        <translation>Vorne</translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="302"/>
        <source>Check if there is a window in the Front wall</source>
        <translation>Ankreuzen, wenn die Vorderwand ein Fenster hat</translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="308"/>
        <source>Back</source>
        <translation>Hinten</translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="326"/>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="344"/>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="362"/>
        <source>Floor</source>
        <translation>Fußboden</translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="380"/>
        <source>Ceiling</source>
        <translation>Decke</translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="401"/>
        <source>Cold, hot area properties</source>
        <translation>Eigenschaften der kalten/warmen Flächen</translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="417"/>
        <source>g1</source>
        <translation>g1</translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="422"/>
        <source>g2</source>
        <translation>g2</translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="427"/>
        <source>z1</source>
        <translation>z1</translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="441"/>
        <source>z2</source>
        <translation>z2</translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="740"/>
        <source>Asymmetry Assessment</source>
        <translation>Bewertung der Asymmetrie</translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="758"/>
        <source>Radiation
Assymetry</source>
        <translation>Strahlungs-
asymmetrie</translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="764"/>
        <source>Percentage
Discomfort</source>
        <translation>Prozentsatz
Unzufriedener</translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="770"/>
        <source>BNB 
 Pass/Fail</source>
        <translation>BNB 
 erfüllt?</translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="776"/>
        <source>Front/ Back</source>
        <translation>Vorne/ Hinten</translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="805"/>
        <source>Left/ Right</source>
        <translation>Links/ Rechts</translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="834"/>
        <source>Floor/ Ceiling</source>
        <translation>Fußboden/ Decke</translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="863"/>
        <source> 19 °C =&lt; Floor Temperature =&lt; 29 °C</source>
        <translation> 19 °C =&lt; Fußbodentemperatur =&lt; 29 °C</translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="879"/>
        <source>- Points</source>
        <translation>- Punkte</translation>
    </message>
    <message>
        <location filename="../radiant/mrtform.cpp" line="19"/>
        <source>Position_DE_Small.png</source>
        <extracomment>Plan picture of the room in this language (resources/imgMRT/).</extracomment>
        <translation>Position_DE_Small_de.png</translation>
    </message>
    <message>
        <location filename="../radiant/mrtform.cpp" line="58"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../radiant/mrtform.cpp" line="62"/>
        <location filename="../radiant/mrtform.cpp" line="76"/>
        <source>%1 cold/hot area: %2</source>
        <translation>%1 kalte/warme Fläche: %2</translation>
    </message>
    <message>
        <location filename="../radiant/mrtform.cpp" line="105"/>
        <source>Pass</source>
        <translation>Erfüllt</translation>
    </message>
    <message>
        <location filename="../radiant/mrtform.cpp" line="105"/>
        <source>Fail</source>
        <translation>Nicht erfüllt</translation>
    </message>
    <message>
        <location filename="../radiant/mrtform.cpp" line="115"/>
        <source>N.A</source>
        <translation>k. A.</translation>
    </message>
    <message>
        <location filename="../radiant/mrtform.cpp" line="134"/>
        <source>The room must have a size: Width, Depth and Height must be greater than 0.</source>
        <translation>Der Raum muss eine Größe haben: Breite, Tiefe und Höhe müssen größer als 0 sein.</translation>
    </message>
    <message>
        <location filename="../radiant/mrtform.cpp" line="138"/>
        <source>The occupant must stand inside the room: 0 &lt; Xp &lt; Width, 0 &lt; Yp &lt; Depth, 0 &lt; Zp &lt; Height.</source>
        <translation>Die Person muss sich im Raum befinden: 0 &lt; Xp &lt; Breite, 0 &lt; Yp &lt; Tiefe, 0 &lt; Zp &lt; Höhe.</translation>
    </message>
    <message>
        <location filename="../radiant/mrtform.cpp" line="145"/>
        <source>The window of the Front wall does not fit on the wall: g1 + g2 must be smaller than the wall&apos;s width and z1 + z2 smaller than its height; no distance may be negative.</source>
        <translation>Das Fenster der Vorderwand passt nicht auf die Wand: g1 + g2 muss kleiner als die Breite der Wand sein und z1 + z2 kleiner als ihre Höhe; kein Abstand darf negativ sein.</translation>
    </message>
    <message>
        <location filename="../radiant/mrtform.cpp" line="150"/>
        <source>The window of the Back wall does not fit on the wall: g1 + g2 must be smaller than the wall&apos;s width and z1 + z2 smaller than its height; no distance may be negative.</source>
        <translation>Das Fenster der Rückwand passt nicht auf die Wand: g1 + g2 muss kleiner als die Breite der Wand sein und z1 + z2 kleiner als ihre Höhe; kein Abstand darf negativ sein.</translation>
    </message>
    <message>
        <location filename="../radiant/mrtform.cpp" line="155"/>
        <source>The window of the Right wall does not fit on the wall: g1 + g2 must be smaller than the wall&apos;s width and z1 + z2 smaller than its height; no distance may be negative.</source>
        <translation>Das Fenster der rechten Wand passt nicht auf die Wand: g1 + g2 muss kleiner als die Breite der Wand sein und z1 + z2 kleiner als ihre Höhe; kein Abstand darf negativ sein.</translation>
    </message>
    <message>
        <location filename="../radiant/mrtform.cpp" line="160"/>
        <source>The window of the Left wall does not fit on the wall: g1 + g2 must be smaller than the wall&apos;s width and z1 + z2 smaller than its height; no distance may be negative.</source>
        <translation>Das Fenster der linken Wand passt nicht auf die Wand: g1 + g2 muss kleiner als die Breite der Wand sein und z1 + z2 kleiner als ihre Höhe; kein Abstand darf negativ sein.</translation>
    </message>
    <message>
        <location filename="../radiant/mrtform.cpp" line="165"/>
        <source>The heated or cooled area of the Floor does not fit on the floor: g1 + g2 must be smaller than the room&apos;s width and z1 + z2 smaller than its depth; no distance may be negative.</source>
        <translation>Die beheizte oder gekühlte Fläche des Fußbodens passt nicht auf den Fußboden: g1 + g2 muss kleiner als die Breite des Raums sein und z1 + z2 kleiner als seine Tiefe; kein Abstand darf negativ sein.</translation>
    </message>
    <message>
        <location filename="../radiant/mrtform.cpp" line="170"/>
        <source>The heated or cooled area of the Ceiling does not fit on the ceiling: g1 + g2 must be smaller than the room&apos;s width and z1 + z2 smaller than its depth; no distance may be negative.</source>
        <translation>Die beheizte oder gekühlte Fläche der Decke passt nicht an die Decke: g1 + g2 muss kleiner als die Breite des Raums sein und z1 + z2 kleiner als seine Tiefe; kein Abstand darf negativ sein.</translation>
    </message>
    <message>
        <location filename="../radiant/mrtform.cpp" line="183"/>
        <source>Impossible room geometry</source>
        <translation>Unmögliche Raumgeometrie</translation>
    </message>
    <message>
        <location filename="../radiant/mrtform.cpp" line="184"/>
        <source>Nothing was computed.</source>
        <translation>Es wurde nichts berechnet.</translation>
    </message>
    <message>
        <location filename="../radiant/mrtform.cpp" line="267"/>
        <location filename="../radiant/mrtform.cpp" line="272"/>
        <location filename="../radiant/mrtform.cpp" line="277"/>
        <location filename="../radiant/mrtform.cpp" line="282"/>
        <location filename="../radiant/mrtform.cpp" line="287"/>
        <source>Info about ...</source>
        <translation>Info zu ...</translation>
    </message>
</context>
<context>
    <name>pmvForm</name>
    <message>
        <location filename="../forms/pmvform.ui" line="18"/>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="26"/>
        <source>PMV input data</source>
        <translation>PMV-Eingabedaten</translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="42"/>
        <source>Globe Temperature          [°C]</source>
        <translation>Globetemperatur               [°C]</translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="68"/>
        <location filename="../forms/pmvform.ui" line="477"/>
        <location filename="../forms/pmvform.ui" line="660"/>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="71"/>
        <location filename="../forms/pmvform.ui" line="480"/>
        <location filename="../forms/pmvform.ui" line="663"/>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="78"/>
        <source>Air Temperature               [°C]</source>
        <translation>Lufttemperatur                  [°C]</translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="105"/>
        <source>Mean Radiant Temp         [°C]</source>
        <translation>Mittl. Strahlungstemp.    [°C]</translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="125"/>
        <source> Obtain value from MRT Tab</source>
        <translation> Aus Reiter MRT übernehmen</translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="139"/>
        <source>Operative Temperature     [°C]</source>
        <translation>Operative Temperatur       [°C]</translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="159"/>
        <source>Relative Humidity        [%]</source>
        <translation>Relative Luftfeuchte       [%]</translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="179"/>
        <source>Air Velocity               [m/s]</source>
        <translation>Luftgeschwindigkeit     [m/s]</translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="199"/>
        <source>Clothing Insulation      [clo]</source>
        <translation>Bekleidungsisolation     [clo]</translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="219"/>
        <source> Obtain value from Clothing Tab</source>
        <translation> Aus Reiter Bekleidung übernehmen</translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="226"/>
        <source>Metabolic Rate</source>
        <translation>Energieumsatz</translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="253"/>
        <source>W/m2</source>
        <translation>W/m2</translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="258"/>
        <source>met</source>
        <translation>met</translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="266"/>
        <source>External Work        [W/m2]</source>
        <translation>Äußere Arbeit          [W/m2]</translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="291"/>
        <source>Compute PMV</source>
        <translation>PMV berechnen</translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="319"/>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="325"/>
        <location filename="../comfort/pmvtable.cpp" line="58"/>
        <source>PMV</source>
        <translation>PMV</translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="351"/>
        <location filename="../comfort/pmvtable.cpp" line="58"/>
        <source>PPD</source>
        <translation>PPD</translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="377"/>
        <source>PPD-Mayer</source>
        <translation>PPD-Mayer</translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="451"/>
        <source>Import data from file</source>
        <translation>Daten aus Datei importieren</translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="489"/>
        <source>Import data</source>
        <translation>Daten importieren</translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="498"/>
        <source>Pick input parameters:</source>
        <translation>Eingabegrößen wählen:</translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="505"/>
        <source>T Operative</source>
        <translation>T operativ</translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="512"/>
        <source>T Air &amp;&amp; MRT</source>
        <translation>T Luft &amp;&amp; MRT</translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="519"/>
        <source>T Air &amp;&amp; T Glo</source>
        <translation>T Luft &amp;&amp; T Globe</translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="529"/>
        <source>No. of header lines</source>
        <translation>Anzahl Kopfzeilen</translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="548"/>
        <source>Number of lines to skip before the column data begins.</source>
        <translation>Anzahl der Zeilen, die vor den Spaltendaten übersprungen werden.</translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="558"/>
        <source>Columns seperated by</source>
        <translation>Spalten getrennt durch</translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="568"/>
        <source>If comma is used to indicate the decimal place, then Semicolon is recommended to seperate the columns in CSV file.</source>
        <translation>Wird das Komma als Dezimaltrennzeichen verwendet, empfiehlt sich das Semikolon als Spaltentrennzeichen der CSV-Datei.</translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="575"/>
        <source>Semicolon</source>
        <translation>Semikolon</translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="580"/>
        <source>Comma</source>
        <translation>Komma</translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="585"/>
        <source>Space</source>
        <translation>Leerzeichen</translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="590"/>
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="598"/>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="601"/>
        <source>Choose a file to open and preview it in the table.</source>
        <translation>Eine Datei wählen, öffnen und in der Tabelle anzeigen.</translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="644"/>
        <source>Write CSV </source>
        <translation>CSV schreiben </translation>
    </message>
    <message>
        <location filename="../comfort/pmvtable.cpp" line="41"/>
        <location filename="../comfort/pmvtable.cpp" line="48"/>
        <source>Ta</source>
        <translation>Ta</translation>
    </message>
    <message>
        <location filename="../comfort/pmvtable.cpp" line="41"/>
        <source>Tg</source>
        <translation>Tg</translation>
    </message>
    <message>
        <location filename="../comfort/pmvtable.cpp" line="42"/>
        <location filename="../comfort/pmvtable.cpp" line="45"/>
        <location filename="../comfort/pmvtable.cpp" line="49"/>
        <source>rH</source>
        <translation>rF</translation>
    </message>
    <message>
        <location filename="../comfort/pmvtable.cpp" line="42"/>
        <location filename="../comfort/pmvtable.cpp" line="46"/>
        <location filename="../comfort/pmvtable.cpp" line="49"/>
        <source>Va</source>
        <translation>Va</translation>
    </message>
    <message>
        <location filename="../comfort/pmvtable.cpp" line="43"/>
        <location filename="../comfort/pmvtable.cpp" line="46"/>
        <location filename="../comfort/pmvtable.cpp" line="50"/>
        <source>clo</source>
        <translation>clo</translation>
    </message>
    <message>
        <location filename="../comfort/pmvtable.cpp" line="45"/>
        <source>To</source>
        <translation>To</translation>
    </message>
    <message>
        <location filename="../comfort/pmvtable.cpp" line="48"/>
        <source>Tr</source>
        <translation>Tr</translation>
    </message>
    <message>
        <location filename="../comfort/pmvtable.cpp" line="59"/>
        <source>PPD-M</source>
        <translation>PPD-M</translation>
    </message>
    <message>
        <location filename="../comfort/pmvform.cpp" line="132"/>
        <source>Open Spreadsheet</source>
        <translation>Tabelle öffnen</translation>
    </message>
    <message>
        <location filename="../comfort/pmvform.cpp" line="133"/>
        <source>Spreadsheet files (*.*)</source>
        <translation>Tabellendateien (*.*)</translation>
    </message>
    <message>
        <location filename="../comfort/pmvform.cpp" line="138"/>
        <source>Choose output filename</source>
        <translation>Namen der Ausgabedatei wählen</translation>
    </message>
    <message>
        <location filename="../comfort/pmvform.cpp" line="139"/>
        <source>Spreadsheet files (*.csv*)</source>
        <translation>Tabellendateien (*.csv*)</translation>
    </message>
    <message>
        <location filename="../comfort/pmvform.cpp" line="269"/>
        <location filename="../comfort/pmvform.cpp" line="274"/>
        <location filename="../comfort/pmvform.cpp" line="279"/>
        <source>Info about ...</source>
        <translation>Info zu ...</translation>
    </message>
</context>
<context>
    <name>pmvInverseForm</name>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="14"/>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="24"/>
        <source>Select the unkown parameter</source>
        <translation>Unbekannte Größe wählen</translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="30"/>
        <source> Operative Temp.       [°C]</source>
        <translation> Operative Temp.       [°C]</translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="37"/>
        <source> Air Temperature     [°C]  </source>
        <translation> Lufttemperatur         [°C]  </translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="44"/>
        <source>Mean Radiant Temp   [°C]</source>
        <translation>Mittl. Strahlungstemp. [°C]</translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="51"/>
        <source>Globe Temperature   [°C]</source>
        <translation>Globetemperatur      [°C]</translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="58"/>
        <source> Air Velocity            [m/s]</source>
        <translation> Luftgeschwindigkeit [m/s]</translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="65"/>
        <source> Relative Humidity   [%]</source>
        <translation> Relative Luftfeuchte [%]</translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="72"/>
        <source>Clothing Insulation    [clo]</source>
        <translation>Bekleidungsisolation  [clo]</translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="79"/>
        <source>Metabolic Rate     [W/m2]</source>
        <translation>Energieumsatz     [W/m2]</translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="110"/>
        <location filename="../comfort/pmvinverse.cpp" line="49"/>
        <source>Find Operative Temperature</source>
        <translation>Operative Temperatur suchen</translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="136"/>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="139"/>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="150"/>
        <source>Inverse-PMV - Operative Temperature</source>
        <translation>Inverses PMV - Operative Temperatur</translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="156"/>
        <source> Air Temperature       [°C]</source>
        <translation> Lufttemperatur          [°C]</translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="186"/>
        <source>Global Temperature  [°C]</source>
        <translation>Globetemperatur     [°C]</translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="213"/>
        <source>Mean Radiant Temp  [°C]</source>
        <translation>Mittl. Strahlungstemp. [°C]</translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="233"/>
        <source> Obtain value from MRT Tab</source>
        <translation> Aus Reiter MRT übernehmen</translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="250"/>
        <source>Operative Temp.       [°C]</source>
        <translation>Operative Temp.       [°C]</translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="270"/>
        <source>Relative Humidity   [%]</source>
        <translation>Relative Luftfeuchte [%]</translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="290"/>
        <source>Air Velocity         [m/s]</source>
        <translation>Luftgeschwindigkeit [m/s]</translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="310"/>
        <source>Clothing Insulation [clo]</source>
        <translation>Bekleidungsisolation [clo]</translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="330"/>
        <source> Obtain value from Clothing Tab</source>
        <translation> Aus Reiter Bekleidung übernehmen</translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="340"/>
        <location filename="../comfort/pmvinverse.cpp" line="73"/>
        <source>Metabolic Rate</source>
        <translation>Energieumsatz</translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="367"/>
        <source>W/m2</source>
        <translation>W/m2</translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="372"/>
        <source>met</source>
        <translation>met</translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="380"/>
        <source>External Work, [W/m2]</source>
        <translation>Äußere Arbeit, [W/m2]</translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="400"/>
        <location filename="../forms/pmvinverseform.ui" line="479"/>
        <source>PMV</source>
        <translation>PMV</translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="438"/>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="444"/>
        <location filename="../comfort/pmvinverse.cpp" line="50"/>
        <source>Operative Temperature</source>
        <translation>Operative Temperatur</translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="505"/>
        <source>PPD</source>
        <translation>PPD</translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="531"/>
        <source>PPD-Mayer</source>
        <translation>PPD-Mayer</translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="570"/>
        <source>Result Info:</source>
        <translation>Hinweis zum Ergebnis:</translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="28"/>
        <source>  Approx. Air Temperature found for given PMV</source>
        <translation>  Näherungsweise Lufttemperatur für das gegebene PMV gefunden</translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="29"/>
        <source>For the given PMV, No appropriate Ta found within the range 10-30 degree C </source>
        <translation>Für das gegebene PMV wurde im Bereich 10-30 °C keine passende Ta gefunden </translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="31"/>
        <source>Find Ambient Temperature</source>
        <translation>Lufttemperatur suchen</translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="32"/>
        <source>Ambient Temperature</source>
        <translation>Lufttemperatur</translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="34"/>
        <source>  Approx. Global Temperature found for given PMV</source>
        <translation>  Näherungsweise Globetemperatur für das gegebene PMV gefunden</translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="35"/>
        <source> For the given PMV, No appropriate Tg found within the range 10-40 degree C </source>
        <translation> Für das gegebene PMV wurde im Bereich 10-40 °C keine passende Tg gefunden </translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="37"/>
        <source>Find Global Temperature</source>
        <translation>Globetemperatur suchen</translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="38"/>
        <source>Global Temperature</source>
        <translation>Globetemperatur</translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="40"/>
        <source>Approx. MRT found for given PMV</source>
        <translation>Näherungsweise MRT für das gegebene PMV gefunden</translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="41"/>
        <source> For the given PMV, No appropriate MR found within the range 10-40 degree C </source>
        <translation> Für das gegebene PMV wurde im Bereich 10-40 °C keine passende MRT gefunden </translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="43"/>
        <source>Find Mean Radiant Temperature</source>
        <translation>Mittl. Strahlungstemp. suchen</translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="44"/>
        <source>MRT</source>
        <translation>MRT</translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="46"/>
        <source>Approx. Operative Temperature found for given PMV</source>
        <translation>Näherungsweise operative Temperatur für das gegebene PMV gefunden</translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="47"/>
        <source> For the given PMV, No appropriate To found within the range 10-40 degree C </source>
        <translation> Für das gegebene PMV wurde im Bereich 10-40 °C keine passende To gefunden </translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="52"/>
        <source>  Approx. Relative Humidity found for given PMV</source>
        <translation>  Näherungsweise relative Luftfeuchte für das gegebene PMV gefunden</translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="53"/>
        <source> For the given PMV, No appropriate rh found within the range  </source>
        <translation> Für das gegebene PMV wurde keine passende rF gefunden im Bereich  </translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="54"/>
        <source>Find Relative Humidity</source>
        <translation>Relative Luftfeuchte suchen</translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="55"/>
        <source>Relative Humidity</source>
        <translation>Relative Luftfeuchte</translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="57"/>
        <source>  Approx. velocity found for given PMV</source>
        <translation>  Näherungsweise Luftgeschwindigkeit für das gegebene PMV gefunden</translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="58"/>
        <source> For the given PMV, No appropriate Va found within the range 0 - 1 m/s </source>
        <translation> Für das gegebene PMV wurde im Bereich 0 - 1 m/s keine passende Va gefunden </translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="60"/>
        <source>Find Air Velocity</source>
        <translation>Luftgeschwindigkeit suchen</translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="61"/>
        <source>Air Velocity</source>
        <translation>Luftgeschwindigkeit</translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="63"/>
        <source>  Approx. Clothing Insultaion for given PMV</source>
        <translation>  Näherungsweise Bekleidungsisolation für das gegebene PMV</translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="64"/>
        <source> For the given PMV, No appropriate Icl found within the range 0 to 0.310 m2K/W </source>
        <translation> Für das gegebene PMV wurde im Bereich 0 bis 0,310 m2K/W keine passende Icl gefunden </translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="66"/>
        <source>Find Clothing Insulation</source>
        <translation>Bekleidungsisolation suchen</translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="67"/>
        <source>Clothing Insulation</source>
        <translation>Bekleidungsisolation</translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="69"/>
        <source>  Approx. Met for given PMV</source>
        <translation>  Näherungsweiser Energieumsatz für das gegebene PMV</translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="70"/>
        <source> For the given PMV, No appropriate Met found within the range 46 to 232 W/m2 </source>
        <translation> Für das gegebene PMV wurde im Bereich 46 bis 232 W/m2 kein passender Energieumsatz gefunden </translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="72"/>
        <source>Find Metabolic Rate</source>
        <translation>Energieumsatz suchen</translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverseform.cpp" line="325"/>
        <source>Info about ...</source>
        <translation>Info zu ...</translation>
    </message>
</context>
<context>
    <name>pmvMenuForm</name>
    <message>
        <location filename="../forms/pmvmenuform.ui" line="15"/>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <location filename="../comfort/pmvmenuform.cpp" line="49"/>
        <source>Predicted Mean Vote</source>
        <translation>Vorausgesagtes mittleres Votum</translation>
    </message>
    <message>
        <location filename="../comfort/pmvmenuform.cpp" line="50"/>
        <source>Mean Radiant Temperature</source>
        <translation>Mittlere Strahlungstemperatur</translation>
    </message>
    <message>
        <location filename="../comfort/pmvmenuform.cpp" line="51"/>
        <source>Clothing </source>
        <translation>Bekleidung </translation>
    </message>
    <message>
        <location filename="../comfort/pmvmenuform.cpp" line="52"/>
        <source>PMV Inverse</source>
        <translation>PMV invers</translation>
    </message>
</context>
<context>
    <name>summerBNBForm</name>
    <message>
        <location filename="../forms/summerbnbform.ui" line="9"/>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <location filename="../forms/summerbnbform.ui" line="21"/>
        <source>Operative Temperature: Summer</source>
        <translation>Operative Temperatur: Sommer</translation>
    </message>
    <message>
        <location filename="../forms/summerbnbform.ui" line="33"/>
        <source>- Distribution of Operative Temperature in Summer (01. April - 30. Sept.)</source>
        <translation>- Verteilung der operativen Temperatur im Sommer (01. April - 30. Sept.)</translation>
    </message>
    <message>
        <location filename="../forms/summerbnbform.ui" line="63"/>
        <source>       Hours (h)        </source>
        <translation>       Stunden (h)        </translation>
    </message>
    <message>
        <location filename="../forms/summerbnbform.ui" line="68"/>
        <source>To =&lt; 24</source>
        <translation>To =&lt; 24</translation>
    </message>
    <message>
        <location filename="../forms/summerbnbform.ui" line="73"/>
        <source>24 &lt; To =&lt; 25</source>
        <translation>24 &lt; To =&lt; 25</translation>
    </message>
    <message>
        <location filename="../forms/summerbnbform.ui" line="78"/>
        <source>25 &lt; To=&lt; 26</source>
        <translation>25 &lt; To=&lt; 26</translation>
    </message>
    <message>
        <location filename="../forms/summerbnbform.ui" line="83"/>
        <source>26 &lt; To=&lt; 27</source>
        <translation>26 &lt; To=&lt; 27</translation>
    </message>
    <message>
        <location filename="../forms/summerbnbform.ui" line="88"/>
        <source>27 &lt; To=&lt; 28</source>
        <translation>27 &lt; To=&lt; 28</translation>
    </message>
    <message>
        <location filename="../forms/summerbnbform.ui" line="93"/>
        <source>28 &lt; To=&lt; 29</source>
        <translation>28 &lt; To=&lt; 29</translation>
    </message>
    <message>
        <location filename="../forms/summerbnbform.ui" line="98"/>
        <source>29 &lt; To=&lt; 30</source>
        <translation>29 &lt; To=&lt; 30</translation>
    </message>
    <message>
        <location filename="../forms/summerbnbform.ui" line="103"/>
        <source>To&gt; 30</source>
        <translation>To&gt; 30</translation>
    </message>
    <message>
        <location filename="../forms/summerbnbform.ui" line="108"/>
        <location filename="../assessment/summerbnbform.cpp" line="52"/>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <location filename="../forms/summerbnbform.ui" line="116"/>
        <source>- Outside of Quality Category</source>
        <translation>- Außerhalb der Qualitätskategorie</translation>
    </message>
    <message>
        <location filename="../forms/summerbnbform.ui" line="146"/>
        <source>Quality Category I</source>
        <translation>Qualitätskategorie I</translation>
    </message>
    <message>
        <location filename="../forms/summerbnbform.ui" line="151"/>
        <source>Duration (h)</source>
        <translation>Dauer (h)</translation>
    </message>
    <message>
        <location filename="../forms/summerbnbform.ui" line="156"/>
        <source>Percentage of Operation (%)</source>
        <translation>Anteil an der Nutzungszeit (%)</translation>
    </message>
    <message>
        <location filename="../forms/summerbnbform.ui" line="161"/>
        <source>Degreehours (kh)</source>
        <translation>Gradstunden (Kh)</translation>
    </message>
    <message>
        <location filename="../forms/summerbnbform.ui" line="169"/>
        <source>DIN 4108 -2: Compliance</source>
        <translation>DIN 4108-2: Nachweis erbracht</translation>
    </message>
    <message>
        <location filename="../forms/summerbnbform.ui" line="176"/>
        <source>- Point</source>
        <translation>- Punkte</translation>
    </message>
    <message>
        <location filename="../forms/summerbnbform.ui" line="212"/>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <location filename="../assessment/summerbnbform.cpp" line="36"/>
        <source>Summer: working hours per band</source>
        <translation>Sommer: Nutzungsstunden je Band</translation>
    </message>
    <message>
        <location filename="../assessment/summerbnbform.cpp" line="36"/>
        <source>To (°C)</source>
        <translation>To (°C)</translation>
    </message>
    <message>
        <location filename="../assessment/summerbnbform.cpp" line="38"/>
        <source>Within limit</source>
        <translation>Innerhalb der Grenze</translation>
    </message>
    <message>
        <location filename="../assessment/summerbnbform.cpp" line="38"/>
        <source>Above limit</source>
        <translation>Über der Grenze</translation>
    </message>
    <message>
        <location filename="../assessment/summerbnbform.cpp" line="51"/>
        <source>Cat. I</source>
        <translation>Kat. I</translation>
    </message>
    <message>
        <location filename="../assessment/summerbnbform.cpp" line="51"/>
        <source>Cat. II</source>
        <translation>Kat. II</translation>
    </message>
    <message>
        <location filename="../assessment/summerbnbform.cpp" line="51"/>
        <source>Cat. III</source>
        <translation>Kat. III</translation>
    </message>
    <message>
        <location filename="../assessment/summerbnbform.cpp" line="52"/>
        <source>Beyond III</source>
        <translation>Außerhalb III</translation>
    </message>
    <message>
        <location filename="../assessment/summerbnbform.cpp" line="52"/>
        <source>Not valid</source>
        <translation>Nicht gültig</translation>
    </message>
    <message>
        <location filename="../assessment/summerbnbform.cpp" line="54"/>
        <source>Summer working hours per comfort category of DIN EN 15251
around Θc: I ±2 K, II ±3 K, III ±4 K.
Not valid: no running mean or Θrm below 10 °C.</source>
        <translation>Nutzungsstunden im Sommer je Kategorie nach DIN EN 15251
um Θc: I ±2 K, II ±3 K, III ±4 K.
Nicht gültig: kein gleitender Mittelwert oder Θrm unter 10 °C.</translation>
    </message>
    <message>
        <source>h</source>
        <translation type="obsolete">h</translation>
    </message>
    <message>
        <location filename="../assessment/summerbnbform.cpp" line="92"/>
        <source>complied</source>
        <translation>eingehalten</translation>
    </message>
    <message>
        <location filename="../assessment/summerbnbform.cpp" line="92"/>
        <source>not complied</source>
        <translation>nicht eingehalten</translation>
    </message>
    <message>
        <location filename="../assessment/summerbnbform.cpp" line="152"/>
        <source>Info about ...</source>
        <translation>Info zu ...</translation>
    </message>
</context>
<context>
    <name>winterBNBForm</name>
    <message>
        <location filename="../forms/winterbnbform.ui" line="9"/>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <location filename="../forms/winterbnbform.ui" line="21"/>
        <source>Operative Temperature in Winter</source>
        <translation>Operative Temperatur im Winter</translation>
    </message>
    <message>
        <location filename="../forms/winterbnbform.ui" line="33"/>
        <source>- Distribution of Operative Temperature in Winter  (01. Oct. - 31. March)</source>
        <translation>- Verteilung der operativen Temperatur im Winter  (01. Okt. - 31. März)</translation>
    </message>
    <message>
        <location filename="../forms/winterbnbform.ui" line="63"/>
        <source>Hours (h)       </source>
        <translation>Stunden (h)       </translation>
    </message>
    <message>
        <location filename="../forms/winterbnbform.ui" line="68"/>
        <source>To &lt;19</source>
        <translation>To &lt;19</translation>
    </message>
    <message>
        <location filename="../forms/winterbnbform.ui" line="73"/>
        <source>19 =&lt; To &lt; 20</source>
        <translation>19 =&lt; To &lt; 20</translation>
    </message>
    <message>
        <location filename="../forms/winterbnbform.ui" line="78"/>
        <source>20 =&lt; To &lt;21</source>
        <translation>20 =&lt; To &lt;21</translation>
    </message>
    <message>
        <location filename="../forms/winterbnbform.ui" line="83"/>
        <source>21 =&lt; To &lt; 22</source>
        <translation>21 =&lt; To &lt; 22</translation>
    </message>
    <message>
        <location filename="../forms/winterbnbform.ui" line="88"/>
        <source>22 =&lt; To&lt; 23</source>
        <translation>22 =&lt; To&lt; 23</translation>
    </message>
    <message>
        <location filename="../forms/winterbnbform.ui" line="93"/>
        <source>23 =&lt; To &lt; 24</source>
        <translation>23 =&lt; To &lt; 24</translation>
    </message>
    <message>
        <location filename="../forms/winterbnbform.ui" line="98"/>
        <source>24 =&lt; To &lt; 25</source>
        <translation>24 =&lt; To &lt; 25</translation>
    </message>
    <message>
        <location filename="../forms/winterbnbform.ui" line="103"/>
        <source>To &gt;= 25</source>
        <translation>To &gt;= 25</translation>
    </message>
    <message>
        <location filename="../forms/winterbnbform.ui" line="108"/>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <location filename="../forms/winterbnbform.ui" line="116"/>
        <source>- Outside of Quality Category I</source>
        <translation>- Außerhalb der Qualitätskategorie I</translation>
    </message>
    <message>
        <location filename="../forms/winterbnbform.ui" line="146"/>
        <source>Quality Category I</source>
        <translation>Qualitätskategorie I</translation>
    </message>
    <message>
        <location filename="../forms/winterbnbform.ui" line="151"/>
        <source>Duration (hours)</source>
        <translation>Dauer (Stunden)</translation>
    </message>
    <message>
        <location filename="../forms/winterbnbform.ui" line="156"/>
        <source>Percentage from operation hours  (%)</source>
        <translation>Anteil an den Nutzungsstunden  (%)</translation>
    </message>
    <message>
        <location filename="../forms/winterbnbform.ui" line="161"/>
        <source>Degree hour (k h)</source>
        <translation>Gradstunden (Kh)</translation>
    </message>
    <message>
        <location filename="../forms/winterbnbform.ui" line="169"/>
        <source>- Point</source>
        <translation>- Punkte</translation>
    </message>
    <message>
        <location filename="../forms/winterbnbform.ui" line="205"/>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <location filename="../assessment/winterbnbform.cpp" line="14"/>
        <source>Winter: working hours per band</source>
        <translation>Winter: Nutzungsstunden je Band</translation>
    </message>
    <message>
        <location filename="../assessment/winterbnbform.cpp" line="14"/>
        <source>To (°C)</source>
        <translation>To (°C)</translation>
    </message>
    <message>
        <location filename="../assessment/winterbnbform.cpp" line="16"/>
        <source>Category I</source>
        <translation>Kategorie I</translation>
    </message>
    <message>
        <location filename="../assessment/winterbnbform.cpp" line="16"/>
        <source>Below 20 °C</source>
        <translation>Unter 20 °C</translation>
    </message>
    <message>
        <location filename="../assessment/winterbnbform.cpp" line="30"/>
        <source>Info about ...</source>
        <translation>Info zu ...</translation>
    </message>
</context>
</TS>
