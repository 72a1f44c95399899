<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Assessment</name>
    <message>
        <location filename="../report/assessmenttexts.cpp" line="23"/>
        <source>Pass</source>
        <translation>Erfüllt</translation>
    </message>
    <message>
        <location filename="../report/assessmenttexts.cpp" line="24"/>
        <source>Fail</source>
        <translation>Nicht erfüllt</translation>
    </message>
    <message>
        <location filename="../report/assessmenttexts.cpp" line="29"/>
        <source>N.A</source>
        <translation>k. A.</translation>
    </message>
    <message>
        <location filename="../report/assessmenttexts.cpp" line="75"/>
        <source>N/A</source>
        <translation>k. A.</translation>
    </message>
    <message>
        <location filename="../report/assessmenttexts.cpp" line="88"/>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <location filename="../report/assessmenttexts.cpp" line="89"/>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <location filename="../report/assessmenttexts.cpp" line="110"/>
        <source>Not defined</source>
        <translation>Nicht festgelegt</translation>
    </message>
    <message>
        <location filename="../report/assessmenttexts.cpp" line="151"/>
        <source>Adaptive model (DIN EN 15251)</source>
        <translation>Adaptives Modell (DIN EN 15251)</translation>
    </message>
    <message>
        <location filename="../report/assessmenttexts.cpp" line="153"/>
        <source>National annex (DIN EN 15251)</source>
        <translation>Nationaler Anhang (DIN EN 15251)</translation>
    </message>
    <message>
        <location filename="../report/assessmenttexts.cpp" line="155"/>
        <source>DIN 4108-2</source>
        <translation>DIN 4108-2</translation>
    </message>
    <message>
        <location filename="../report/assessmenttexts.cpp" line="159"/>
        <source>26 °C</source>
        <translation>26 °C</translation>
    </message>
    <message>
        <location filename="../report/assessmenttexts.cpp" line="166"/>
        <source>Summer Region A</source>
        <translation>Sommerklimaregion A</translation>
    </message>
    <message>
        <location filename="../report/assessmenttexts.cpp" line="168"/>
        <source>Summer Region B</source>
        <translation>Sommerklimaregion B</translation>
    </message>
    <message>
        <location filename="../report/assessmenttexts.cpp" line="170"/>
        <source>Summer Region C</source>
        <translation>Sommerklimaregion C</translation>
    </message>
    <message>
        <location filename="../report/assessmenttexts.cpp" line="193"/>
        <source>complied</source>
        <translation>eingehalten</translation>
    </message>
    <message>
        <location filename="../report/assessmenttexts.cpp" line="194"/>
        <source>not complied</source>
        <translation>nicht eingehalten</translation>
    </message>
</context>
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
        <source>%1 K·h above</source>
        <translation>%1 K·h darüber</translation>
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
        <location filename="../app/fieldreader.cpp" line="80"/>
        <source>%1: empty</source>
        <translation>%1: leer</translation>
    </message>
    <message>
        <location filename="../app/fieldreader.cpp" line="81"/>
        <source>%1: &quot;%2&quot;</source>
        <translation>%1: „%2“</translation>
    </message>
    <message>
        <location filename="../app/fieldreader.cpp" line="83"/>
        <source>%1: %2 lies outside the allowed range %3</source>
        <translation>%1: %2 liegt außerhalb des zulässigen Bereichs %3</translation>
    </message>
    <message>
        <location filename="../app/fieldreader.cpp" line="86"/>
        <source>%1: %2 is not a whole number</source>
        <translation>%1: %2 ist keine ganze Zahl</translation>
    </message>
    <message>
        <location filename="../app/fieldreader.cpp" line="103"/>
        <source>Invalid input</source>
        <translation>Ungültige Eingabe</translation>
    </message>
    <message>
        <location filename="../app/fieldreader.cpp" line="104"/>
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
        <location filename="../app/mainwindow.cpp" line="30"/>
        <location filename="../app/mainwindow.cpp" line="171"/>
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
        <location filename="../app/mainwindow.cpp" line="67"/>
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
        <location filename="../app/mainwindow.cpp" line="46"/>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="48"/>
        <source>Exit the application</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="51"/>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="52"/>
        <location filename="../app/mainwindow.cpp" line="108"/>
        <source>About Klimaro</source>
        <translation>Über Klimaro</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="55"/>
        <source>Main Menu</source>
        <translation>Hauptmenü</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="56"/>
        <source>Return to main menu</source>
        <translation>Zurück zum Hauptmenü</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="59"/>
        <source>PMV</source>
        <translation>PMV</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="60"/>
        <source>PMV, MRT, Inverse PMV</source>
        <translation>PMV, MRT, inverses PMV</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="63"/>
        <location filename="../app/mainwindow.cpp" line="64"/>
        <source>BNB Assessment</source>
        <translation>BNB-Bewertung</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="68"/>
        <source>User documentation</source>
        <translation>Benutzerdokumentation</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="72"/>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="74"/>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="86"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="90"/>
        <source>&amp;Tools</source>
        <translation>&amp;Werkzeuge</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="95"/>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="96"/>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="97"/>
        <source>Language of the interface, applied at the next start</source>
        <translation>Sprache der Oberfläche, gilt ab dem nächsten Start</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="101"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="109"/>
        <source>&lt;center&gt;Klimaro v0.3&lt;hr&gt;Thermal comfort of rooms after ISO 7730 and BNB, developed by the Klimaro team, &lt;a href=&quot;https://klimaro.example.org&quot;&gt;klimaro.example.org&lt;/a&gt;, 2026&lt;/center&gt;</source>
        <translation>&lt;center&gt;Klimaro v0.3&lt;hr&gt;Thermische Behaglichkeit von Räumen nach ISO 7730 und BNB, entwickelt vom Klimaro-Team, &lt;a href=&quot;https://klimaro.example.org&quot;&gt;klimaro.example.org&lt;/a&gt;, 2026&lt;/center&gt;</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="32"/>
        <source>title.png</source>
        <extracomment>Title picture in this language (resources/images/).</extracomment>
        <translation>title_de.png</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="130"/>
        <source>Quit Klimaro</source>
        <translation>Klimaro beenden</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="131"/>
        <source>Quit Klimaro? Entered data and results are not saved.</source>
        <translation>Klimaro beenden? Eingegebene Daten und Ergebnisse werden nicht gespeichert.</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="133"/>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="148"/>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="149"/>
        <source>Klimaro shows the chosen language from its next start on.</source>
        <translation>Klimaro zeigt die gewählte Sprache ab dem nächsten Start.</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="171"/>
        <source>%1 – Klimaro v0.3</source>
        <translation>%1 – Klimaro v0.3</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="204"/>
        <source>Dokumentation_Hilfe.html</source>
        <extracomment>File name of the user documentation in this language (resources/doc/).</extracomment>
        <translation>Dokumentation_Hilfe_de.html</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="227"/>
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
    <name>Room</name>
    <message>
        <location filename="../report/room.cpp" line="67"/>
        <source>%1: %2 lies outside the allowed range %3.</source>
        <translation>%1: %2 liegt außerhalb des zulässigen Bereichs %3.</translation>
    </message>
    <message>
        <location filename="../report/room.cpp" line="94"/>
        <source>%1: %2 is no date of the time axis (dd.mm.yyyy; the axis knows no 29 February).</source>
        <translation>%1: %2 ist kein Datum der Zeitachse (TT.MM.JJJJ; die Zeitachse kennt keinen 29. Februar).</translation>
    </message>
    <message>
        <location filename="../report/room.cpp" line="105"/>
        <source>%1: %2 is no weekday (1 = Sunday ... 7 = Saturday).</source>
        <translation>%1: %2 ist kein Wochentag (1 = Sonntag … 7 = Samstag).</translation>
    </message>
    <message>
        <location filename="../report/room.cpp" line="109"/>
        <source>%1: the working time from %2 to %3 h holds no record of %4 h: it must end at least one data interval after it starts.</source>
        <translation>%1: Die Arbeitszeit von %2 bis %3 Uhr enthält keinen Datensatz von %4 h: Sie muss mindestens ein Datenintervall nach ihrem Beginn enden.</translation>
    </message>
    <message>
        <location filename="../report/room.cpp" line="116"/>
        <source>%1: a summer climate region A, B or C is needed.</source>
        <translation>%1: Eine Sommerklimaregion A, B oder C ist nötig.</translation>
    </message>
    <message>
        <location filename="../report/room.cpp" line="130"/>
        <source>%1: a number is needed with mechanical ventilation.</source>
        <translation>%1: Bei mechanischer Lüftung ist eine Zahl nötig.</translation>
    </message>
    <message>
        <location filename="../report/room.cpp" line="158"/>
        <source>%1: width, depth and height must be greater than 0.</source>
        <translation>%1: Breite, Tiefe und Höhe müssen größer als 0 sein.</translation>
    </message>
    <message>
        <location filename="../report/room.cpp" line="161"/>
        <source>%1: the occupant must stand inside the room (0 &lt; x &lt; width, 0 &lt; y &lt; depth, 0 &lt; height of the evaluation point &lt; room height).</source>
        <translation>%1: Die Person muss im Raum stehen (0 &lt; x &lt; Breite, 0 &lt; y &lt; Tiefe, 0 &lt; Höhe des Bewertungspunkts &lt; Raumhöhe).</translation>
    </message>
    <message>
        <location filename="../report/room.cpp" line="169"/>
        <source>%1: the area does not fit on its surface: g1 + g2 and z1 + z2 must be smaller than the surface&apos;s sides, no distance negative.</source>
        <translation>%1: Die Fläche passt nicht auf ihre Raumfläche: g1 + g2 und z1 + z2 müssen kleiner als deren Seiten sein, kein Abstand darf negativ sein.</translation>
    </message>
    <message>
        <location filename="../report/roomfile.cpp" line="75"/>
        <source>%1: an object { ... } is expected here.</source>
        <translation>%1: Hier wird ein Objekt { … } erwartet.</translation>
    </message>
    <message>
        <location filename="../report/roomfile.cpp" line="87"/>
        <source>%1: a number is expected, not %2.</source>
        <translation>%1: Erwartet wird eine Zahl, nicht %2.</translation>
    </message>
    <message>
        <location filename="../report/roomfile.cpp" line="116"/>
        <source>%1: a whole number is expected, not %2.</source>
        <translation>%1: Erwartet wird eine ganze Zahl, nicht %2.</translation>
    </message>
    <message>
        <location filename="../report/roomfile.cpp" line="127"/>
        <source>%1: true or false is expected, not %2.</source>
        <translation>%1: Erwartet wird true oder false, nicht %2.</translation>
    </message>
    <message>
        <location filename="../report/roomfile.cpp" line="137"/>
        <source>%1: a text in quotes is expected, not %2.</source>
        <translation>%1: Erwartet wird ein Text in Anführungszeichen, nicht %2.</translation>
    </message>
    <message>
        <location filename="../report/roomfile.cpp" line="153"/>
        <source>%1: &quot;%2&quot; is not one of %3.</source>
        <translation>%1: „%2“ ist keiner der Werte %3.</translation>
    </message>
    <message>
        <location filename="../report/roomfile.cpp" line="212"/>
        <source>%1: &quot;%2&quot; is no date dd.mm.yyyy.</source>
        <translation>%1: „%2“ ist kein Datum TT.MM.JJJJ.</translation>
    </message>
    <message>
        <location filename="../report/roomfile.cpp" line="397"/>
        <source>%1: this is no JSON text (%2).</source>
        <translation>%1: Dies ist kein JSON-Text (%2).</translation>
    </message>
    <message>
        <location filename="../report/roomfile.cpp" line="402"/>
        <source>%1: a room file is one JSON object { ... }.</source>
        <translation>%1: Eine Raumdatei ist ein JSON-Objekt { … }.</translation>
    </message>
    <message>
        <location filename="../report/roomfile.cpp" line="411"/>
        <source>%1: &quot;%2&quot; is expected: this is no room file.</source>
        <translation>%1: Erwartet wird „%2“: Dies ist keine Raumdatei.</translation>
    </message>
    <message>
        <location filename="../report/roomfile.cpp" line="417"/>
        <source>%1: version %2 cannot be read; this program reads version %3.</source>
        <translation>%1: Version %2 kann nicht gelesen werden; dieses Programm liest Version %3.</translation>
    </message>
    <message>
        <location filename="../report/roomfile.cpp" line="448"/>
        <source>The file cannot be read: %1.</source>
        <translation>Die Datei kann nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <location filename="../report/roomfile.cpp" line="452"/>
        <source>The file holds %1 bytes; a room file holds at most %2: this is no room file.</source>
        <translation>Die Datei umfasst %1 Bytes; eine Raumdatei umfasst höchstens %2: Dies ist keine Raumdatei.</translation>
    </message>
    <message>
        <location filename="../report/roomassessment.cpp" line="79"/>
        <source>%1: the year data hold no record.</source>
        <translation>%1: Die Jahresdaten enthalten keinen Datensatz.</translation>
    </message>
    <message>
        <location filename="../report/roomassessment.cpp" line="84"/>
        <source>%1: %2 cells of the year data hold no number, the first in record %3, column %4.</source>
        <translation>%1: %2 Zellen der Jahresdaten enthalten keine Zahl, die erste in Datensatz %3, Spalte %4.</translation>
    </message>
    <message>
        <location filename="../report/roomassessment.cpp" line="97"/>
        <source>%1: the year data hold no record for the season boundary %2 %3:00.</source>
        <translation>%1: Die Jahresdaten enthalten keinen Datensatz für die Periodengrenze %2 %3:00 Uhr.</translation>
    </message>
</context>
<context>
    <name>TableText</name>
    <message>
        <location filename="../app/tabletext.cpp" line="33"/>
        <source>The file is empty</source>
        <translation>Die Datei ist leer</translation>
    </message>
    <message>
        <location filename="../app/tabletext.cpp" line="35"/>
        <source>No line holds a number (header lines skipped: %1)</source>
        <translation>Keine Zeile enthält eine Zahl (übersprungene Kopfzeilen: %1)</translation>
    </message>
    <message>
        <location filename="../app/tabletext.cpp" line="108"/>
        <source>The file is not a text file (it holds binary data)</source>
        <translation>Die Datei ist keine Textdatei (sie enthält Binärdaten)</translation>
    </message>
    <message>
        <location filename="../app/tabletext.cpp" line="122"/>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <location filename="../app/tabletext.cpp" line="123"/>
        <source>Cannot read file %1:
%2.</source>
        <translation>Datei %1 kann nicht gelesen werden:
%2.</translation>
    </message>
    <message>
        <location filename="../app/tabletext.cpp" line="145"/>
        <source>Write CSV</source>
        <translation>CSV schreiben</translation>
    </message>
    <message>
        <location filename="../app/tabletext.cpp" line="146"/>
        <source>Cannot write file %1:
%2.</source>
        <translation>Datei %1 kann nicht geschrieben werden:
%2.</translation>
    </message>
    <message>
        <location filename="../app/tabletext.cpp" line="178"/>
        <source>Spreadsheet</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <location filename="../app/tabletext.cpp" line="179"/>
        <source>The information cannot be pasted because the copy and paste areas aren&apos;t the same size.</source>
        <translation>Die Daten können nicht eingefügt werden, weil Kopier- und Einfügebereich nicht gleich groß sind.</translation>
    </message>
    <message>
        <location filename="../app/tabletext.cpp" line="212"/>
        <source>row %1, %2</source>
        <translation>Zeile %1, %2</translation>
    </message>
    <message>
        <location filename="../app/tabletext.cpp" line="222"/>
        <source>Input cells without a number (empty, or text without a numeric prefix): %1. Their rows were not computed (N.A).</source>
        <translation>Eingabezellen ohne Zahl (leer oder Text ohne führende Zahl): %1. Ihre Zeilen wurden nicht gerechnet (k. A.).</translation>
    </message>
    <message>
        <location filename="../app/tabletext.cpp" line="224"/>
        <source>Input cells without a number (empty, or text without a numeric prefix): %1. They were computed as 0.</source>
        <translation>Eingabezellen ohne Zahl (leer oder Text ohne führende Zahl): %1. Sie wurden als 0 gerechnet.</translation>
    </message>
    <message>
        <location filename="../app/tabletext.cpp" line="214"/>
        <source>First: %1.</source>
        <translation>Die ersten: %1.</translation>
    </message>
    <message>
        <location filename="../app/tabletext.cpp" line="230"/>
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
    <name>YearCheck</name>
    <message>
        <location filename="../assessment/yearimport.cpp" line="23"/>
        <source>table %1: </source>
        <translation>Tabelle %1: </translation>
    </message>
    <message>
        <location filename="../assessment/yearimport.cpp" line="25"/>
        <source>line %1: </source>
        <translation>Zeile %1: </translation>
    </message>
    <message>
        <location filename="../assessment/yearimport.cpp" line="26"/>
        <source>row %1: </source>
        <translation>Datensatz %1: </translation>
    </message>
    <message>
        <location filename="../assessment/yearimport.cpp" line="41"/>
        <source>cannot open the file: %1</source>
        <translation>die Datei kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <location filename="../assessment/yearimport.cpp" line="43"/>
        <source>not an EPW weather file (no LOCATION line)</source>
        <translation>keine EPW-Wetterdatei (keine LOCATION-Zeile)</translation>
    </message>
    <message>
        <location filename="../assessment/yearimport.cpp" line="45"/>
        <source>no readable DATA PERIODS line with one period: &quot;%1&quot;</source>
        <translation>keine lesbare DATA-PERIODS-Zeile mit einem Zeitraum: „%1“</translation>
    </message>
    <message>
        <location filename="../assessment/yearimport.cpp" line="47"/>
        <source>%1 fields, %2 needed</source>
        <translation>%1 Felder, %2 nötig</translation>
    </message>
    <message>
        <location filename="../assessment/yearimport.cpp" line="49"/>
        <source>%1 &quot;%2&quot; is not a number</source>
        <translation>%1 „%2“ ist keine Zahl</translation>
    </message>
    <message>
        <location filename="../assessment/yearimport.cpp" line="51"/>
        <source>%1 where %2 follows</source>
        <translation>%1, wo %2 folgt</translation>
    </message>
    <message>
        <location filename="../assessment/yearimport.cpp" line="53"/>
        <source>the file ends after %1 of the data period&apos;s %2 records</source>
        <translation>die Datei endet nach %1 der %2 Datensätze des Zeitraums</translation>
    </message>
    <message>
        <location filename="../assessment/yearimport.cpp" line="56"/>
        <source>a record after the data period, which ends on %1</source>
        <translation>ein Datensatz nach dem Zeitraum, der am %1 endet</translation>
    </message>
    <message>
        <location filename="../assessment/yearimport.cpp" line="58"/>
        <source>no EnergyPlus header: &quot;%1&quot; where &quot;Date/Time&quot; stands</source>
        <translation>keine EnergyPlus-Kopfzeile: „%1“, wo „Date/Time“ steht</translation>
    </message>
    <message>
        <location filename="../assessment/yearimport.cpp" line="60"/>
        <source>no variable %1 (the file lists %2)</source>
        <translation>keine Variable %1 (die Datei nennt %2)</translation>
    </message>
    <message>
        <location filename="../assessment/yearimport.cpp" line="62"/>
        <source>the row has %1 fields, no column for %2</source>
        <translation>die Zeile hat %1 Felder, keine Spalte für %2</translation>
    </message>
    <message>
        <location filename="../assessment/yearimport.cpp" line="64"/>
        <source>%1 is reported %2, not hourly</source>
        <translation>%1 wird %2 ausgegeben, nicht stündlich</translation>
    </message>
    <message>
        <location filename="../assessment/yearimport.cpp" line="66"/>
        <source>unreadable time stamp &quot;%1&quot;</source>
        <translation>unlesbarer Zeitstempel „%1“</translation>
    </message>
    <message>
        <location filename="../assessment/yearimport.cpp" line="68"/>
        <source>no hourly records of a run period</source>
        <translation>keine stündlichen Datensätze eines Simulationszeitraums</translation>
    </message>
    <message>
        <location filename="../assessment/yearimport.cpp" line="70"/>
        <source>not EnergyPlus output: no table %1</source>
        <translation>keine EnergyPlus-Ausgabe: keine Tabelle %1</translation>
    </message>
    <message>
        <location filename="../assessment/yearimport.cpp" line="74"/>
        <source>Qt&apos;s SQLite driver is not installed (libqt6sql6-sqlite)</source>
        <translation>Der SQLite-Treiber von Qt ist nicht installiert (libqt6sql6-sqlite)</translation>
    </message>
    <message>
        <location filename="../assessment/yearcheck.cpp" line="61"/>
        <source>%1 holds %2 records from %3 %4</source>
        <translation>%1 enthält %2 Datensätze ab %3 %4</translation>
    </message>
    <message>
        <location filename="../assessment/yearcheck.cpp" line="176"/>
        <source>outdoor air temperature</source>
        <translation>Außenlufttemperatur</translation>
    </message>
    <message>
        <location filename="../assessment/yearcheck.cpp" line="177"/>
        <source>outdoor relative humidity</source>
        <translation>relative Außenluftfeuchte</translation>
    </message>
    <message>
        <location filename="../assessment/yearcheck.cpp" line="178"/>
        <source>indoor operative temperature</source>
        <translation>operative Raumtemperatur</translation>
    </message>
    <message>
        <location filename="../assessment/yearcheck.cpp" line="183"/>
        <source>error: </source>
        <translation>Fehler: </translation>
    </message>
    <message>
        <location filename="../assessment/yearcheck.cpp" line="184"/>
        <source>warning: </source>
        <translation>Warnung: </translation>
    </message>
    <message>
        <location filename="../assessment/yearcheck.cpp" line="189"/>
        <source>%1 rows where a year holds %2</source>
        <translation>%1 Datensätze, wo ein Jahr %2 enthält</translation>
    </message>
    <message>
        <location filename="../assessment/yearcheck.cpp" line="192"/>
        <source>no row for the season boundary %1 %2</source>
        <translation>kein Datensatz für die Periodengrenze %1 %2</translation>
    </message>
    <message>
        <location filename="../assessment/yearcheck.cpp" line="196"/>
        <source>%1 missing value</source>
        <translation>%1 fehlender Wert</translation>
    </message>
    <message>
        <location filename="../assessment/yearcheck.cpp" line="197"/>
        <source>%1 missing values</source>
        <translation>%1 fehlende Werte</translation>
    </message>
    <message>
        <location filename="../assessment/yearcheck.cpp" line="200"/>
        <source>%1 value</source>
        <translation>%1 Wert</translation>
    </message>
    <message>
        <location filename="../assessment/yearcheck.cpp" line="200"/>
        <source>%1 values</source>
        <translation>%1 Werte</translation>
    </message>
    <message>
        <location filename="../assessment/yearcheck.cpp" line="201"/>
        <source> outside %1 %2</source>
        <translation> außerhalb %1 %2</translation>
    </message>
    <message>
        <location filename="../assessment/yearcheck.cpp" line="204"/>
        <source>%1 step</source>
        <translation>%1 Sprung</translation>
    </message>
    <message>
        <location filename="../assessment/yearcheck.cpp" line="204"/>
        <source>%1 steps</source>
        <translation>%1 Sprünge</translation>
    </message>
    <message>
        <location filename="../assessment/yearcheck.cpp" line="205"/>
        <source> above %1 K within one hour</source>
        <translation> über %1 K innerhalb einer Stunde</translation>
    </message>
    <message>
        <location filename="../assessment/yearcheck.cpp" line="208"/>
        <source>%1 run</source>
        <translation>%1 Folge</translation>
    </message>
    <message>
        <location filename="../assessment/yearcheck.cpp" line="208"/>
        <source>%1 runs</source>
        <translation>%1 Folgen</translation>
    </message>
    <message>
        <location filename="../assessment/yearcheck.cpp" line="209"/>
        <source> of %1 or more identical values</source>
        <translation> von %1 oder mehr gleichen Werten</translation>
    </message>
    <message>
        <location filename="../assessment/yearcheck.cpp" line="212"/>
        <source>sources of different length or start: %1; %2</source>
        <translation>Quellen verschiedener Länge oder verschiedenen Beginns: %1; %2</translation>
    </message>
    <message>
        <location filename="../assessment/yearcheck.cpp" line="216"/>
        <source>%1: %2 records of 29 February dropped</source>
        <translation>%1: %2 Datensätze des 29. Februar ausgelassen</translation>
    </message>
    <message>
        <location filename="../assessment/yearcheck.cpp" line="222"/>
        <source>row %1 (%2)</source>
        <translation>Zeile %1 (%2)</translation>
    </message>
    <message>
        <location filename="../assessment/yearcheck.cpp" line="228"/>
        <source> %1 values</source>
        <translation> %1 Werte</translation>
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
        <source>Room</source>
        <translation>Raum</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="23"/>
        <source>Opens a room file: every field of the assessment, its year data, and computes (Ctrl+O)</source>
        <translation>Öffnet eine Raumdatei: alle Felder der Bewertung und ihre Jahresdaten, und berechnet (Strg+O)</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="26"/>
        <source>Open Room…</source>
        <translation>Raum öffnen…</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="33"/>
        <source>Saves every field of the assessment and the year data&apos;s file name as a room file (Ctrl+S)</source>
        <translation>Speichert alle Felder der Bewertung und den Dateinamen der Jahresdaten als Raumdatei (Strg+S)</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="36"/>
        <source>Save Room…</source>
        <translation>Raum speichern…</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="43"/>
        <source>Recent rooms</source>
        <translation>Zuletzt geöffnet</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="56"/>
        <source>Import and Process Data</source>
        <translation>Daten importieren und verarbeiten</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="62"/>
        <source>Columns separated by</source>
        <translation>Spalten getrennt durch</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="69"/>
        <source>If comma is used to indicate the decimal place, then Semicolon is recommended to separate the columns in CSV file.</source>
        <translation>Wird das Komma als Dezimaltrennzeichen verwendet, empfiehlt sich das Semikolon als Spaltentrennzeichen der CSV-Datei.</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="71"/>
        <source>Semicolon</source>
        <translation>Semikolon</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="72"/>
        <source>Comma</source>
        <translation>Komma</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="73"/>
        <source>Space</source>
        <translation>Leerzeichen</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="74"/>
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="81"/>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="84"/>
        <location filename="../forms/bnbform.ui" line="220"/>
        <location filename="../forms/bnbform.ui" line="313"/>
        <location filename="../forms/bnbform.ui" line="366"/>
        <location filename="../forms/bnbform.ui" line="476"/>
        <location filename="../forms/bnbform.ui" line="535"/>
        <location filename="../forms/bnbform.ui" line="629"/>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="91"/>
        <source>No. of header lines</source>
        <translation>Anzahl Kopfzeilen</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="99"/>
        <source>Number of lines to skip before the column data begins.</source>
        <translation>Anzahl der Zeilen, die vor den Spaltendaten übersprungen werden.</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="109"/>
        <source>Choose a file to open and preview it in the table.</source>
        <translation>Eine Datei wählen, öffnen und in der Tabelle anzeigen.</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="112"/>
        <source>1. Read &amp;&amp; Preview</source>
        <translation>1. Einlesen &amp;&amp; Vorschau</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="119"/>
        <source>Takes the outdoor air from a weather file (EPW) and the room&apos;s operative temperature from a building simulation (EnergyPlus CSV or SQLite output)</source>
        <translation>Übernimmt die Außenluft aus einer Wetterdatei (EPW) und die operative Raumtemperatur aus einer Gebäudesimulation (EnergyPlus-Ausgabe als CSV oder SQLite)</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="122"/>
        <source>Import from simulation…</source>
        <translation>Aus Simulation importieren…</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="132"/>
        <source>Data Preview</source>
        <translation>Datenvorschau</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="153"/>
        <location filename="../assessment/bnbform.cpp" line="478"/>
        <source>Outdoor
temperature
Ta (°C)</source>
        <translation>Außen-
temperatur
Ta (°C)</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="160"/>
        <location filename="../assessment/bnbform.cpp" line="478"/>
        <source>Outdoor
humidity
RH (%)</source>
        <translation>Außen-
luftfeuchte
RH (%)</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="167"/>
        <location filename="../assessment/bnbform.cpp" line="479"/>
        <source>Indoor
temperature
To (°C)</source>
        <translation>Raum-
temperatur
To (°C)</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="177"/>
        <source>Validity of the year data</source>
        <translation>Plausibilität der Jahresdaten</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="193"/>
        <source>Select and Export Data</source>
        <translation>Daten auswählen und exportieren</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="202"/>
        <source>Winter</source>
        <translation>Winter</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="212"/>
        <source>Summer</source>
        <translation>Sommer</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="227"/>
        <location filename="../forms/bnbform.ui" line="255"/>
        <source>Operative Temperature</source>
        <translation>Operative Temperatur</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="234"/>
        <location filename="../forms/bnbform.ui" line="262"/>
        <source>Draft</source>
        <translation>Zugluft</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="241"/>
        <location filename="../forms/bnbform.ui" line="269"/>
        <source>Radiation Asymmetry</source>
        <translation>Strahlungsasymmetrie</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="248"/>
        <location filename="../forms/bnbform.ui" line="276"/>
        <source>Humidity</source>
        <translation>Raumluftfeuchte</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="285"/>
        <source>Writes the ticked chapters as an XML report with its stylesheet</source>
        <translation>Schreibt die angekreuzten Kapitel als XML-Bericht mit seinem Stylesheet</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="288"/>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="295"/>
        <source>PDF Print ?</source>
        <translation>PDF-Druck ?</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="302"/>
        <source>Writes the ticked chapters as a PDF report on A4 pages</source>
        <translation>Schreibt die angekreuzten Kapitel als PDF-Bericht auf A4-Seiten</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="305"/>
        <source>Export PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="337"/>
        <source>Data Interpretation</source>
        <translation>Dateninterpretation</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="343"/>
        <source>Start Date</source>
        <translation>Startdatum</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="355"/>
        <location filename="../forms/bnbform.ui" line="450"/>
        <location filename="../forms/bnbform.ui" line="495"/>
        <source>dd.mm.yyyy</source>
        <translation>TT.MM.JJJJ</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="373"/>
        <source>at Hour</source>
        <translation>um Stunde</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="382"/>
        <location filename="../forms/bnbform.ui" line="465"/>
        <location filename="../forms/bnbform.ui" line="510"/>
        <location filename="../forms/bnbform.ui" line="555"/>
        <location filename="../forms/bnbform.ui" line="573"/>
        <source>0.0 to 23.0 hours</source>
        <translation>0.0 bis 23.0 Stunden</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="392"/>
        <source>Weekday</source>
        <translation>Wochentag</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="398"/>
        <source>Sun</source>
        <translation>So</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="399"/>
        <source>Mon</source>
        <translation>Mo</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="400"/>
        <source>Tue</source>
        <translation>Di</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="401"/>
        <source>Wed</source>
        <translation>Mi</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="402"/>
        <source>Thu</source>
        <translation>Do</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="403"/>
        <source>Fri</source>
        <translation>Fr</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="404"/>
        <source>Sat</source>
        <translation>Sa</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="410"/>
        <source>Data Interval [h]</source>
        <translation>Datenintervall [h]</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="419"/>
        <source>e.g If data is recorded every 30mins, then Data Interval = 0.5</source>
        <translation>z. B. bei Daten alle 30 Minuten: Datenintervall = 0.5</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="432"/>
        <source>Model Period</source>
        <translation>Modellzeitraum</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="438"/>
        <source>Summer Start</source>
        <translation>Sommerbeginn</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="483"/>
        <source>Summer End</source>
        <translation>Sommerende</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="520"/>
        <source>    Working hours</source>
        <translation>    Arbeitszeit</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="527"/>
        <source>With weekends</source>
        <translation>Mit Wochenenden</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="544"/>
        <source>from</source>
        <translation>von</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="565"/>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="596"/>
        <source>Model Selection</source>
        <translation>Modellauswahl</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="601"/>
        <source>26 °C</source>
        <translation>26 °C</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="602"/>
        <source>Adaptive model (DIN EN 15251)</source>
        <translation>Adaptives Modell (DIN EN 15251)</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="603"/>
        <source>National annex (DIN EN 15251)</source>
        <translation>Nationaler Anhang (DIN EN 15251)</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="604"/>
        <source>DIN 4108-2</source>
        <translation>DIN 4108-2</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="610"/>
        <source>Alpha (EN)</source>
        <translation>Alpha (EN)</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="636"/>
        <source>DIN 4108-2 
 Summer Region</source>
        <translation>DIN 4108-2 
 Sommerklimaregion</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="649"/>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="662"/>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="672"/>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="695"/>
        <source>Computes the assessment of the year in the table</source>
        <translation>Berechnet die Bewertung des Jahres in der Tabelle</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="698"/>
        <location filename="../assessment/bnbform.cpp" line="165"/>
        <location filename="../assessment/bnbform.cpp" line="183"/>
        <location filename="../assessment/bnbform.cpp" line="230"/>
        <source>Compute</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="708"/>
        <location filename="../assessment/bnbform.cpp" line="140"/>
        <location filename="../assessment/bnbform.cpp" line="380"/>
        <source>Write CSV</source>
        <translation>CSV schreiben</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="715"/>
        <source>Read in Excel ?</source>
        <translation>In Excel öffnen ?</translation>
    </message>
    <message>
        <location filename="../forms/bnbform.ui" line="722"/>
        <source>Clear Table</source>
        <translation>Tabelle leeren</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="63"/>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="65"/>
        <source>Cut the current selection&apos;s contents to the clipboard</source>
        <translation>Den markierten Inhalt in die Zwischenablage ausschneiden</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="68"/>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="70"/>
        <source>Copy the current selection&apos;s contents to the clipboard</source>
        <translation>Den markierten Inhalt in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="73"/>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="75"/>
        <source>Paste the clipboard&apos;s contents into the current selection</source>
        <translation>Den Inhalt der Zwischenablage in die Markierung einfügen</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="140"/>
        <location filename="../assessment/bnbform.cpp" line="380"/>
        <source>Cannot write file %1:
%2.</source>
        <translation>Datei %1 kann nicht geschrieben werden:
%2.</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="147"/>
        <source>Start Date at Hour</source>
        <translation>Startdatum um Stunde</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="150"/>
        <source>Working hours from</source>
        <translation>Arbeitszeit von</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="151"/>
        <source>Working hours to</source>
        <translation>Arbeitszeit bis</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="166"/>
        <source>Nothing was computed.</source>
        <translation>Es wurde nichts berechnet.</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="174"/>
        <source>The data hold no row for the season boundary %1 %2, so nothing was computed.</source>
        <translation>Die Daten enthalten keine Zeile für die Grenze der Jahreszeit %1 %2, daher wurde nichts berechnet.</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="177"/>
        <source>The table holds no rows.</source>
        <translation>Die Tabelle enthält keine Zeilen.</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="180"/>
        <source>The data reach from %1 %2 to %3 %4.</source>
        <translation>Die Daten reichen von %1 %2 bis %3 %4.</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="197"/>
        <source>Cells without a number</source>
        <translation>Zellen ohne Zahl</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="198"/>
        <source>%1 cells of the year data hold no number (empty, or text without a numeric prefix), so nothing was computed.</source>
        <translation>%1 Zellen der Jahresdaten enthalten keine Zahl (leer oder Text ohne Zahl am Anfang); daher wurde nichts berechnet.</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="221"/>
        <source>Mean (EN)</source>
        <translation>Mittel (EN)</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="231"/>
        <source>The data cover %1 h (%2 records of %3 h) from %4 %5 to %6 %7, not one year of 8,760 h (8,784 h in a leap year). The results count these hours.</source>
        <translation>Die Daten umfassen %1 h (%2 Datensätze zu %3 h) vom %4 %5 bis %6 %7, nicht ein Jahr von 8.760 h (8.784 h im Schaltjahr). Die Ergebnisse zählen diese Stunden.</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="242"/>
        <source>Open Spreadsheet</source>
        <translation>Tabelle öffnen</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="243"/>
        <source>Spreadsheet files (*.*)</source>
        <translation>Tabellendateien (*.*)</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="248"/>
        <source>Choose output filename</source>
        <translation>Namen der Ausgabedatei wählen</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="249"/>
        <source>Spreadsheet files (*.csv*)</source>
        <translation>Tabellendateien (*.csv*)</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="259"/>
        <source>Cannot read file %1:
%2.</source>
        <translation>Datei %1 kann nicht gelesen werden:
%2.</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="261"/>
        <source>The file %1 is empty.</source>
        <translation>Die Datei %1 ist leer.</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="263"/>
        <source>The file %1 is no text file: year data are read from delimited text (CSV).</source>
        <translation>Die Datei %1 ist keine Textdatei: Jahresdaten werden aus Text mit Trennzeichen (CSV) gelesen.</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="265"/>
        <source>The file %1 holds %2 lines, fewer than the %3 header lines to skip.</source>
        <translation>Die Datei %1 enthält %2 Zeilen, weniger als die %3 zu überspringenden Kopfzeilen.</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="268"/>
        <source>The file %1 holds no line with a number after its %2 header lines.</source>
        <translation>Die Datei %1 enthält nach ihren %2 Kopfzeilen keine Zeile mit einer Zahl.</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="270"/>
        <source>The first line read from %1 holds no number in any cell: it looks like a header. Set &quot;%2&quot; to skip it (now %3).</source>
        <translation>Die erste aus %1 gelesene Zeile enthält in keiner Zelle eine Zahl: Sie sieht wie eine Kopfzeile aus. Stellen Sie „%2“ so ein, dass sie übersprungen wird (jetzt %3).</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="286"/>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="287"/>
        <source>The table was left as it was.</source>
        <translation>Die Tabelle blieb unverändert.</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="363"/>
        <source>No findings: the year is complete and plausible.</source>
        <translation>Keine Befunde: Das Jahr ist vollständig und plausibel.</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="492"/>
        <source>InfoBu1.png</source>
        <extracomment>Help picture in this language (resources/images/).</extracomment>
        <translation>InfoBu1_de.png</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="493"/>
        <location filename="../assessment/bnbform.cpp" line="500"/>
        <location filename="../assessment/bnbform.cpp" line="507"/>
        <location filename="../assessment/bnbform.cpp" line="514"/>
        <location filename="../assessment/bnbform.cpp" line="521"/>
        <location filename="../assessment/bnbform.cpp" line="528"/>
        <location filename="../assessment/bnbform.cpp" line="535"/>
        <location filename="../assessment/bnbform.cpp" line="542"/>
        <location filename="../assessment/bnbform.cpp" line="549"/>
        <source>Info about ...</source>
        <translation>Info zu ...</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="499"/>
        <source>InfoBu2.png</source>
        <extracomment>Help picture in this language (resources/images/).</extracomment>
        <translation>InfoBu2_de.png</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="506"/>
        <source>InfoBu3.png</source>
        <extracomment>Help picture in this language (resources/images/).</extracomment>
        <translation>InfoBu3_de.png</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="513"/>
        <source>InfoBu4.png</source>
        <extracomment>Help picture in this language (resources/images/).</extracomment>
        <translation>InfoBu4_de.png</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="520"/>
        <source>InfoBu5.png</source>
        <extracomment>Help picture in this language (resources/images/).</extracomment>
        <translation>InfoBu5_de.png</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="527"/>
        <source>InfoBu6.png</source>
        <extracomment>Help picture in this language (resources/images/).</extracomment>
        <translation>InfoBu6_de.png</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="534"/>
        <source>InfoBu7.png</source>
        <extracomment>Help picture in this language (resources/images/).</extracomment>
        <translation>InfoBu7_de.png</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="541"/>
        <source>InfoBu8.png</source>
        <extracomment>Help picture in this language (resources/images/).</extracomment>
        <translation>InfoBu8_de.png</translation>
    </message>
    <message>
        <location filename="../assessment/bnbform.cpp" line="548"/>
        <source>InfoBu9.png</source>
        <extracomment>Help picture in this language (resources/images/).</extracomment>
        <translation>InfoBu9_de.png</translation>
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
        <location filename="../report/bnbmenuform.cpp" line="101"/>
        <source>Open Room…</source>
        <translation>Raum öffnen…</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="104"/>
        <source>Save Room…</source>
        <translation>Raum speichern…</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="172"/>
        <source>Humidity</source>
        <translation>Raumluftfeuchte</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="173"/>
        <source>The year data must be computed first: read them on the page &quot;Im/Export Data&quot; and press Compute there.</source>
        <translation>Die Jahresdaten müssen zuerst berechnet werden: Lesen Sie sie auf der Seite „Im-/Export Daten“ ein und drücken Sie dort Berechnen.</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="460"/>
        <source>Room files (*.json);;All files (*)</source>
        <translation>Raumdateien (*.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="462"/>
        <location filename="../report/bnbmenuform.cpp" line="492"/>
        <location filename="../report/bnbmenuform.cpp" line="508"/>
        <location filename="../report/bnbmenuform.cpp" line="530"/>
        <location filename="../report/bnbmenuform.cpp" line="542"/>
        <location filename="../report/bnbmenuform.cpp" line="548"/>
        <source>Save Room</source>
        <translation>Raum speichern</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="463"/>
        <location filename="../report/bnbmenuform.cpp" line="584"/>
        <location filename="../report/bnbmenuform.cpp" line="606"/>
        <location filename="../report/bnbmenuform.cpp" line="633"/>
        <source>Open Room</source>
        <translation>Raum öffnen</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="477"/>
        <source>New room</source>
        <translation>Neuer Raum</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="493"/>
        <source>The room cannot be saved as it is:
%1</source>
        <translation>Der Raum kann so nicht gespeichert werden:
%1</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="531"/>
        <source>Cells of the table were changed after reading %1; the room names that file as it is and not the changes.</source>
        <translation>Zellen der Tabelle wurden nach dem Lesen von %1 geändert; der Raum nennt die Datei, wie sie ist, ohne die Änderungen.</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="533"/>
        <source>Save the room anyway?</source>
        <translation>Den Raum trotzdem speichern?</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="543"/>
        <source>A room names the file of its year data, and the data in the table were not read from a file. Save them beside the room as %1?</source>
        <translation>Ein Raum nennt die Datei seiner Jahresdaten, und die Daten der Tabelle wurden nicht aus einer Datei gelesen. Sollen sie neben dem Raum als %1 gespeichert werden?</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="548"/>
        <source>%1 exists. Replace it?</source>
        <translation>%1 ist vorhanden. Ersetzen?</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="561"/>
        <source>Assessment</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="561"/>
        <source>The room has unsaved changes. Save them as a room file?</source>
        <translation>Der Raum hat ungespeicherte Änderungen. Als Raumdatei speichern?</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="584"/>
        <location filename="../report/bnbmenuform.cpp" line="606"/>
        <source>Cannot open the room file %1:
%2</source>
        <translation>Die Raumdatei %1 kann nicht geöffnet werden:
%2</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="595"/>
        <source>It names no year data file (key &quot;data&quot;).</source>
        <translation>Sie nennt keine Datei mit Jahresdaten (Schlüssel „data“).</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="634"/>
        <source>The room file %1 holds keys this program does not know; they were left out:
%2</source>
        <translation>Die Raumdatei %1 enthält Schlüssel, die dieses Programm nicht kennt; sie wurden übergangen:
%2</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="334"/>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="334"/>
        <location filename="../report/bnbmenuform.cpp" line="508"/>
        <source>Cannot write file %1:
%2.</source>
        <translation>Datei %1 kann nicht geschrieben werden:
%2.</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="343"/>
        <source>Open Output File</source>
        <translation>Ausgabedatei wählen</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="343"/>
        <source>XML File (*.xml)</source>
        <translation>XML-Datei (*.xml)</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="365"/>
        <source>Export PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="365"/>
        <source>PDF File (*.pdf)</source>
        <translation>PDF-Datei (*.pdf)</translation>
    </message>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="390"/>
        <source>Export Error</source>
        <translation>Exportfehler</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="301"/>
        <source>Failed to export Winter Operative Temperature Assessment. Please check availability of results.</source>
        <translation>Die Bewertung der operativen Temperatur im Winter konnte nicht exportiert werden. Bitte prüfen Sie, ob Ergebnisse vorliegen.</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="303"/>
        <source>Failed to export Winter Draft Assessment. Please check availability of results.</source>
        <translation>Die Bewertung der Zugluft im Winter konnte nicht exportiert werden. Bitte prüfen Sie, ob Ergebnisse vorliegen.</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="305"/>
        <source>Failed to export Winter Mean Radiant Temperatures Assessment. Please check availability of results.</source>
        <translation>Die Bewertung der Strahlungsasymmetrie im Winter konnte nicht exportiert werden. Bitte prüfen Sie, ob Ergebnisse vorliegen.</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="307"/>
        <source>Failed to export Winter Humidity Assessment. Please check availability of results.</source>
        <translation>Die Bewertung der Raumluftfeuchte im Winter konnte nicht exportiert werden. Bitte prüfen Sie, ob Ergebnisse vorliegen.</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="309"/>
        <source>Failed to export Summer Operative Temperature Assessment. Please check availability of results.</source>
        <translation>Die Bewertung der operativen Temperatur im Sommer konnte nicht exportiert werden. Bitte prüfen Sie, ob Ergebnisse vorliegen.</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="311"/>
        <source>Failed to export Summer Draft Assessment. Please check availability of results.</source>
        <translation>Die Bewertung der Zugluft im Sommer konnte nicht exportiert werden. Bitte prüfen Sie, ob Ergebnisse vorliegen.</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="313"/>
        <source>Failed to export Summer Mean Radiant Temperatures Assessment. Please check availability of results.</source>
        <translation>Die Bewertung der Strahlungsasymmetrie im Sommer konnte nicht exportiert werden. Bitte prüfen Sie, ob Ergebnisse vorliegen.</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="315"/>
        <source>Failed to export Summer Humidity Assessment. Please check availability of results.</source>
        <translation>Die Bewertung der Raumluftfeuchte im Sommer konnte nicht exportiert werden. Bitte prüfen Sie, ob Ergebnisse vorliegen.</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="73"/>
        <source>Duration (h)</source>
        <translation>Dauer (h)</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="74"/>
        <source>Percent of operating time (%)</source>
        <translation>Anteil an der Nutzungszeit (%)</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="75"/>
        <source>Degree hour (K·h)</source>
        <translation>Gradstunden (K·h)</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="79"/>
        <source>Operative Temperature: Winter</source>
        <translation>Operative Temperatur: Winter</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="80"/>
        <source>Boundary Conditions</source>
        <translation>Randbedingungen</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="81"/>
        <location filename="../report/xmlreport.cpp" line="115"/>
        <source>Operative Temperature Distribution</source>
        <translation>Verteilung der operativen Temperatur</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="83"/>
        <source>To &lt;= 19</source>
        <translation>To &lt;= 19</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="84"/>
        <source>19 &lt;= To &lt; 20</source>
        <translation>19 &lt;= To &lt; 20</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="85"/>
        <source>20 &lt;= To &lt; 21</source>
        <translation>20 &lt;= To &lt; 21</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="86"/>
        <source>21 &lt;= To &lt; 22</source>
        <translation>21 &lt;= To &lt; 22</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="87"/>
        <source>22 &lt;= To &lt; 23</source>
        <translation>22 &lt;= To &lt; 23</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="88"/>
        <source>23 &lt;= To &lt; 24</source>
        <translation>23 &lt;= To &lt; 24</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="89"/>
        <source>24 &lt;= To &lt; 25</source>
        <translation>24 &lt;= To &lt; 25</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="90"/>
        <source>To &gt;= 25</source>
        <translation>To &gt;= 25</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="91"/>
        <location filename="../report/xmlreport.cpp" line="125"/>
        <location filename="../report/xmlreport.cpp" line="257"/>
        <location filename="../report/xmlreport.cpp" line="282"/>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="92"/>
        <location filename="../report/xmlreport.cpp" line="126"/>
        <location filename="../report/xmlreport.cpp" line="258"/>
        <location filename="../report/xmlreport.cpp" line="283"/>
        <source>Hours (h)</source>
        <translation>Stunden (h)</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="93"/>
        <location filename="../report/xmlreport.cpp" line="127"/>
        <location filename="../report/xmlreport.cpp" line="259"/>
        <location filename="../report/xmlreport.cpp" line="284"/>
        <source>Time outside the category limit</source>
        <translation>Zeit außerhalb des Kategoriegrenzwerts</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="95"/>
        <location filename="../report/xmlreport.cpp" line="129"/>
        <source>Quality niveau I</source>
        <translation>Qualitätsniveau I</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="96"/>
        <location filename="../report/xmlreport.cpp" line="203"/>
        <location filename="../report/xmlreport.cpp" line="238"/>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="97"/>
        <location filename="../report/xmlreport.cpp" line="131"/>
        <source>Operative temperature</source>
        <translation>Operative Temperatur</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="101"/>
        <source>Operative Temperature: Summer</source>
        <translation>Operative Temperatur: Sommer</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="102"/>
        <source>Selected Assessment Model </source>
        <translation>Gewähltes Bewertungsmodell </translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="104"/>
        <source>Summer Assessment Model</source>
        <translation>Bewertungsmodell Sommer</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="105"/>
        <source>DIN 4108-2</source>
        <translation>DIN 4108-2</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="107"/>
        <source>Boundary conditions for calculation or measurement (see Appendix 1)</source>
        <translation>Randbedingungen der Berechnung oder Messung (siehe Anlage 1)</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="109"/>
        <source>Operating Times</source>
        <translation>Nutzungszeiten</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="111"/>
        <source>Start</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="112"/>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="113"/>
        <source>at Weekends</source>
        <translation>an Wochenenden</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="114"/>
        <source>Operation Times</source>
        <translation>Nutzungszeiten</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="117"/>
        <source>To &lt;= 24</source>
        <translation>To &lt;= 24</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="118"/>
        <source>24 &lt; To =&lt; 25</source>
        <translation>24 &lt; To =&lt; 25</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="119"/>
        <source>25 &lt; To =&lt; 26</source>
        <translation>25 &lt; To =&lt; 26</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="120"/>
        <source>26 &lt; To =&lt; 27</source>
        <translation>26 &lt; To =&lt; 27</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="121"/>
        <source>27 &lt; To =&lt; 28</source>
        <translation>27 &lt; To =&lt; 28</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="122"/>
        <source>28 &lt; To =&lt; 29</source>
        <translation>28 &lt; To =&lt; 29</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="123"/>
        <source>29 &lt; To =&lt; 30</source>
        <translation>29 &lt; To =&lt; 30</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="124"/>
        <source>30 &lt; To</source>
        <translation>30 &lt; To</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="130"/>
        <source>Points </source>
        <translation>Punkte </translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="138"/>
        <source>Type of air supply system</source>
        <translation>Art der Luftzufuhr</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="139"/>
        <source>Mechanical ventilation</source>
        <translation>Mechanische Lüftung</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="140"/>
        <source>Window ventilation</source>
        <translation>Fensterlüftung</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="142"/>
        <source>Boundary conditions for the calculation (Mechanical ventilation)</source>
        <translation>Randbedingungen der Berechnung (mechanische Lüftung)</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="144"/>
        <source>Data sheet</source>
        <translation>Datenblatt</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="145"/>
        <source>Air temperature (°C)</source>
        <translation>Lufttemperatur (°C)</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="146"/>
        <source>Air velocity (m/s)</source>
        <translation>Luftgeschwindigkeit (m/s)</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="147"/>
        <source>Turbulence intensity (%)</source>
        <translation>Turbulenzgrad (%)</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="148"/>
        <source>See appendix 2</source>
        <translation>Siehe Anlage 2</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="152"/>
        <source>Draft Rate (DR) calculation</source>
        <translation>Berechnung der Zugluftrate (DR)</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="153"/>
        <source>DR (%)</source>
        <translation>DR (%)</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="159"/>
        <source>Points (after interpolated assessment)</source>
        <translation>Punkte (nach interpolierter Bewertung)</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="160"/>
        <source>Draft</source>
        <translation>Zugluft</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="163"/>
        <source>Draft:Winter</source>
        <translation>Zugluft: Winter</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="165"/>
        <source>Category BNB (15 %) fulfilled / not fulfilled</source>
        <translation>Kategorie BNB (15 %) erfüllt / nicht erfüllt</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="168"/>
        <source>Draft: Summer</source>
        <translation>Zugluft: Sommer</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="170"/>
        <source>Category BNB (15%) fulfilled / not fulfilled</source>
        <translation>Kategorie BNB (15%) erfüllt / nicht erfüllt</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="178"/>
        <source>Position in the room</source>
        <translation>Position im Raum</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="180"/>
        <source>Width (W): Xp</source>
        <translation>Breite (W): Xp</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="181"/>
        <source>Depth (D): Yp</source>
        <translation>Tiefe (D): Yp</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="182"/>
        <source>Height (Z): sitting or standing</source>
        <translation>Höhe (Z): sitzend oder stehend</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="183"/>
        <source>Room</source>
        <translation>Raum</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="184"/>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="185"/>
        <source>Boundary conditions: asymmetric radiation (for surface cooling. data sheet: see appendix 3)</source>
        <translation>Randbedingungen: Strahlungsasymmetrie (bei Flächenkühlung Datenblatt: siehe Anlage 3)</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="188"/>
        <source>Surface temperature (°C)</source>
        <translation>Oberflächentemperatur (°C)</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="189"/>
        <source>Temperature of cool or hot surfaces(°C)</source>
        <translation>Temperatur kalter oder warmer Flächen (°C)</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="190"/>
        <source>Front wall</source>
        <translation>Vorderwand</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="191"/>
        <source>Back wall</source>
        <translation>Rückwand</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="192"/>
        <source>Right wall</source>
        <translation>Rechte Wand</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="193"/>
        <source>Left wall</source>
        <translation>Linke Wand</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="194"/>
        <source>Floor</source>
        <translation>Fußboden</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="195"/>
        <source>Ceiling</source>
        <translation>Decke</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="196"/>
        <source>Calculations: asymmetric radiation</source>
        <translation>Berechnung: Strahlungsasymmetrie</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="198"/>
        <source>Percentage of dissatisfied due to radiation asymmetry (%)</source>
        <translation>Prozentsatz Unzufriedener durch Strahlungsasymmetrie (%)</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="199"/>
        <source>Quality according to BNB</source>
        <translation>Qualität nach BNB</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="200"/>
        <source>Asymmetry front/back</source>
        <translation>Asymmetrie vorne/hinten</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="201"/>
        <source>Asymmetry right/left</source>
        <translation>Asymmetrie rechts/links</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="202"/>
        <source>Asymmetry floor/ceiling</source>
        <translation>Asymmetrie Fußboden/Decke</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="204"/>
        <source>Radiation asymmetry</source>
        <translation>Strahlungsasymmetrie</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="207"/>
        <source>Asymmetric radiation and floor temperature: Winter</source>
        <translation>Strahlungsasymmetrie und Fußbodentemperatur: Winter</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="209"/>
        <source>Asymmetric radiation and floor temperature: Summer</source>
        <translation>Strahlungsasymmetrie und Fußbodentemperatur: Sommer</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="218"/>
        <source>Boundary conditions for the calculation</source>
        <translation>Randbedingungen der Berechnung</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="220"/>
        <source>Space Volume (m³)</source>
        <translation>Raumvolumen (m³)</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="221"/>
        <source>Infiltration (HVAC)(1/h)</source>
        <translation>Infiltration (RLT)(1/h)</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="222"/>
        <source>Air changes per hour (1/h): Winter </source>
        <translation>Luftwechselrate (1/h): Winter </translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="223"/>
        <source>Air changes per hour (1/h): Transition time</source>
        <translation>Luftwechselrate (1/h): Übergangszeit</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="224"/>
        <source>Air changes per hour (1/h): Summer</source>
        <translation>Luftwechselrate (1/h): Sommer</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="225"/>
        <source>Number of persons</source>
        <translation>Anzahl Personen</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="226"/>
        <source>Other humidity sources (g/h)</source>
        <translation>Weitere Feuchtequellen (g/h)</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="229"/>
        <source>Number of big plants</source>
        <translation>Anzahl großer Pflanzen</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="230"/>
        <source>Number of small plants</source>
        <translation>Anzahl kleiner Pflanzen</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="231"/>
        <source>Humidity Recovery (-): Winter</source>
        <translation>Feuchterückgewinnung (-): Winter</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="232"/>
        <source>Humidity Recovery (-): Transition time</source>
        <translation>Feuchterückgewinnung (-): Übergangszeit</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="233"/>
        <source>Humidity Recovery (-): Summer</source>
        <translation>Feuchterückgewinnung (-): Sommer</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="234"/>
        <source>Pressure (Pa)</source>
        <translation>Luftdruck (Pa)</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="239"/>
        <source>Indoor Humidity</source>
        <translation>Raumluftfeuchte</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="242"/>
        <source>Indoor Humidity: Winter</source>
        <translation>Raumluftfeuchte: Winter</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="244"/>
        <source>Distribution of the relative humidity (RH) in winter period (01. Oct. – 31. Mar.)</source>
        <translation>Verteilung der relativen Luftfeuchte (RH) im Winterzeitraum (01. Okt. – 31. März)</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="247"/>
        <source>RH &lt;= 10</source>
        <translation>RH &lt;= 10</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="248"/>
        <source>10 &lt; RH =&lt; 20</source>
        <translation>10 &lt; RH =&lt; 20</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="249"/>
        <source>20 &lt; RH =&lt; 30</source>
        <translation>20 &lt; RH =&lt; 30</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="250"/>
        <source>30 &lt; RH =&lt; 40</source>
        <translation>30 &lt; RH =&lt; 40</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="251"/>
        <source>40 &lt; RH =&lt; 50</source>
        <translation>40 &lt; RH =&lt; 50</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="252"/>
        <source>50 &lt; RH =&lt; 60</source>
        <translation>50 &lt; RH =&lt; 60</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="253"/>
        <source>60 &lt; RH =&lt; 70</source>
        <translation>60 &lt; RH =&lt; 70</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="254"/>
        <source>70 &lt; RH =&lt; 80</source>
        <translation>70 &lt; RH =&lt; 80</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="255"/>
        <source>80 &lt; RH =&lt; 90</source>
        <translation>80 &lt; RH =&lt; 90</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="256"/>
        <source>90 &lt; RH</source>
        <translation>90 &lt; RH</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="261"/>
        <source>Frequency below lower limit 25% RH</source>
        <translation>Häufigkeit unter der unteren Grenze 25 % RH</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="262"/>
        <location filename="../report/xmlreport.cpp" line="287"/>
        <source>Ratio of operating time (%)</source>
        <translation>Anteil an der Nutzungszeit (%)</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="267"/>
        <source>Indoor Humidity: Summer</source>
        <translation>Raumluftfeuchte: Sommer</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="269"/>
        <source>Distribution of the absolute humidity (AH) in summer period (01.April. – 30. Sept.)</source>
        <translation>Verteilung des Wassergehalts (AH) im Sommerzeitraum (01. April – 30. Sept.)</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="272"/>
        <source>AH =&lt; 2</source>
        <translation>AH =&lt; 2</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="273"/>
        <source>2 &lt; AH =&lt; 4</source>
        <translation>2 &lt; AH =&lt; 4</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="274"/>
        <source>4 &lt; AH =&lt; 6</source>
        <translation>4 &lt; AH =&lt; 6</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="275"/>
        <source>6 &lt; AH =&lt; 8</source>
        <translation>6 &lt; AH =&lt; 8</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="276"/>
        <source>8 &lt; AH =&lt; 10</source>
        <translation>8 &lt; AH =&lt; 10</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="277"/>
        <source>10 &lt; AH =&lt; 12</source>
        <translation>10 &lt; AH =&lt; 12</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="278"/>
        <source>12 &lt; AH =&lt; 14</source>
        <translation>12 &lt; AH =&lt; 14</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="279"/>
        <source>14 &lt; AH =&lt; 16</source>
        <translation>14 &lt; AH =&lt; 16</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="280"/>
        <source>16 &lt; AH =&lt; 18</source>
        <translation>16 &lt; AH =&lt; 18</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="281"/>
        <source>18 &lt; AH</source>
        <translation>18 &lt; AH</translation>
    </message>
    <message>
        <location filename="../report/xmlreport.cpp" line="286"/>
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
        <source>Panties, T-shirt, shorts, light socks, sandals</source>
        <translation>Slip, T-Shirt, Shorts, leichte Socken, Sandalen</translation>
    </message>
    <message>
        <location filename="../forms/clothingform.ui" line="168"/>
        <source>Panties, stockings, blouse, long skirt, jacket, shoes</source>
        <translation>Slip, Strümpfe, Bluse, langer Rock, Jacke, Schuhe</translation>
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
        <location filename="../comfort/clothingform.cpp" line="40"/>
        <source>InfoBuClo.png</source>
        <extracomment>Help picture in this language (resources/images/).</extracomment>
        <translation>InfoBuClo_de.png</translation>
    </message>
    <message>
        <location filename="../comfort/clothingform.cpp" line="41"/>
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
        <source>DR Calculation</source>
        <translation>DR-Berechnung</translation>
    </message>
    <message>
        <location filename="../forms/draftform.ui" line="156"/>
        <location filename="../forms/draftform.ui" line="361"/>
        <source>Category BNB (15%)</source>
        <translation>Kategorie BNB (15%)</translation>
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
        <location filename="../assessment/draftform.cpp" line="97"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../assessment/draftform.cpp" line="144"/>
        <source>InfoBuDR.png</source>
        <extracomment>Help picture in this language (resources/images/).</extracomment>
        <translation>InfoBuDR_de.png</translation>
    </message>
    <message>
        <location filename="../assessment/draftform.cpp" line="145"/>
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
        <source>- Distribution of Absolute Humidity (g/kg) in Winter (01. Oct. - 31. March)</source>
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
        <source>- Distribution of Absolute Humidity (g/kg) in Summer (01. Apr. - 30. Sept.)</source>
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
        <location filename="../assessment/humidityassmtform.cpp" line="76"/>
        <source>InfoBuHu2.png</source>
        <extracomment>Help picture in this language (resources/images/).</extracomment>
        <translation>InfoBuHu2_de.png</translation>
    </message>
    <message>
        <location filename="../assessment/humidityassmtform.cpp" line="77"/>
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
        <source>Number of Persons</source>
        <translation>Anzahl Personen</translation>
    </message>
    <message>
        <location filename="../forms/humidityform.ui" line="148"/>
        <source>Number of Small Plants</source>
        <translation>Anzahl kleiner Pflanzen</translation>
    </message>
    <message>
        <location filename="../forms/humidityform.ui" line="174"/>
        <source>Number of Big Plants</source>
        <translation>Anzahl großer Pflanzen</translation>
    </message>
    <message>
        <location filename="../forms/humidityform.ui" line="310"/>
        <source>Effectiveness of Humidity 
Recovery (1= 100%)</source>
        <translation>Wirkungsgrad Feuchte-
rückgewinnung (1= 100%)</translation>
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
        <location filename="../forms/humidityform.ui" line="373"/>
        <source>Compute</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <location filename="../forms/humidityform.ui" line="383"/>
        <location filename="../assessment/humidityform.cpp" line="91"/>
        <location filename="../assessment/humidityform.cpp" line="109"/>
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
        <location filename="../assessment/humidityform.cpp" line="93"/>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location filename="../assessment/humidityform.cpp" line="110"/>
        <source>Cannot write file %1:
%2.</source>
        <translation>Datei %1 kann nicht geschrieben werden:
%2.</translation>
    </message>
    <message>
        <location filename="../assessment/humidityform.cpp" line="118"/>
        <source>InfoBuHu1.png</source>
        <extracomment>Help picture in this language (resources/images/).</extracomment>
        <translation>InfoBuHu1_de.png</translation>
    </message>
    <message>
        <location filename="../assessment/humidityform.cpp" line="119"/>
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
Asymmetry</source>
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
        <location filename="../radiant/mrtform.cpp" line="21"/>
        <source>Position_DE_Small.png</source>
        <extracomment>Plan picture of the room in this language (resources/imgMRT/).</extracomment>
        <translation>Position_DE_Small_de.png</translation>
    </message>
    <message>
        <location filename="../radiant/mrtform.cpp" line="62"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../radiant/mrtform.cpp" line="65"/>
        <location filename="../radiant/mrtform.cpp" line="83"/>
        <source>%1 cold/hot area: %2</source>
        <translation>%1 kalte/warme Fläche: %2</translation>
    </message>
    <message>
        <location filename="../radiant/mrtform.cpp" line="168"/>
        <source>The room must have a size: Width, Depth and Height must be greater than 0.</source>
        <translation>Der Raum muss eine Größe haben: Breite, Tiefe und Höhe müssen größer als 0 sein.</translation>
    </message>
    <message>
        <location filename="../radiant/mrtform.cpp" line="172"/>
        <source>The occupant must stand inside the room: 0 &lt; Xp &lt; Width, 0 &lt; Yp &lt; Depth, 0 &lt; Zp &lt; Height.</source>
        <translation>Die Person muss sich im Raum befinden: 0 &lt; Xp &lt; Breite, 0 &lt; Yp &lt; Tiefe, 0 &lt; Zp &lt; Höhe.</translation>
    </message>
    <message>
        <location filename="../radiant/mrtform.cpp" line="179"/>
        <source>The window of the Front wall does not fit on the wall: g1 + g2 must be smaller than the wall&apos;s width and z1 + z2 smaller than its height; no distance may be negative.</source>
        <translation>Das Fenster der Vorderwand passt nicht auf die Wand: g1 + g2 muss kleiner als die Breite der Wand sein und z1 + z2 kleiner als ihre Höhe; kein Abstand darf negativ sein.</translation>
    </message>
    <message>
        <location filename="../radiant/mrtform.cpp" line="184"/>
        <source>The window of the Back wall does not fit on the wall: g1 + g2 must be smaller than the wall&apos;s width and z1 + z2 smaller than its height; no distance may be negative.</source>
        <translation>Das Fenster der Rückwand passt nicht auf die Wand: g1 + g2 muss kleiner als die Breite der Wand sein und z1 + z2 kleiner als ihre Höhe; kein Abstand darf negativ sein.</translation>
    </message>
    <message>
        <location filename="../radiant/mrtform.cpp" line="189"/>
        <source>The window of the Right wall does not fit on the wall: g1 + g2 must be smaller than the wall&apos;s width and z1 + z2 smaller than its height; no distance may be negative.</source>
        <translation>Das Fenster der rechten Wand passt nicht auf die Wand: g1 + g2 muss kleiner als die Breite der Wand sein und z1 + z2 kleiner als ihre Höhe; kein Abstand darf negativ sein.</translation>
    </message>
    <message>
        <location filename="../radiant/mrtform.cpp" line="194"/>
        <source>The window of the Left wall does not fit on the wall: g1 + g2 must be smaller than the wall&apos;s width and z1 + z2 smaller than its height; no distance may be negative.</source>
        <translation>Das Fenster der linken Wand passt nicht auf die Wand: g1 + g2 muss kleiner als die Breite der Wand sein und z1 + z2 kleiner als ihre Höhe; kein Abstand darf negativ sein.</translation>
    </message>
    <message>
        <location filename="../radiant/mrtform.cpp" line="199"/>
        <source>The heated or cooled area of the Floor does not fit on the floor: g1 + g2 must be smaller than the room&apos;s width and z1 + z2 smaller than its depth; no distance may be negative.</source>
        <translation>Die beheizte oder gekühlte Fläche des Fußbodens passt nicht auf den Fußboden: g1 + g2 muss kleiner als die Breite des Raums sein und z1 + z2 kleiner als seine Tiefe; kein Abstand darf negativ sein.</translation>
    </message>
    <message>
        <location filename="../radiant/mrtform.cpp" line="204"/>
        <source>The heated or cooled area of the Ceiling does not fit on the ceiling: g1 + g2 must be smaller than the room&apos;s width and z1 + z2 smaller than its depth; no distance may be negative.</source>
        <translation>Die beheizte oder gekühlte Fläche der Decke passt nicht an die Decke: g1 + g2 muss kleiner als die Breite des Raums sein und z1 + z2 kleiner als seine Tiefe; kein Abstand darf negativ sein.</translation>
    </message>
    <message>
        <location filename="../radiant/mrtform.cpp" line="217"/>
        <source>Impossible room geometry</source>
        <translation>Unmögliche Raumgeometrie</translation>
    </message>
    <message>
        <location filename="../radiant/mrtform.cpp" line="218"/>
        <source>Nothing was computed.</source>
        <translation>Es wurde nichts berechnet.</translation>
    </message>
    <message>
        <location filename="../radiant/mrtform.cpp" line="310"/>
        <source>InfoBuMRT1.png</source>
        <extracomment>Help picture in this language (resources/images/).</extracomment>
        <translation>InfoBuMRT1_de.png</translation>
    </message>
    <message>
        <location filename="../radiant/mrtform.cpp" line="311"/>
        <location filename="../radiant/mrtform.cpp" line="318"/>
        <location filename="../radiant/mrtform.cpp" line="325"/>
        <location filename="../radiant/mrtform.cpp" line="332"/>
        <location filename="../radiant/mrtform.cpp" line="339"/>
        <source>Info about ...</source>
        <translation>Info zu ...</translation>
    </message>
    <message>
        <location filename="../radiant/mrtform.cpp" line="317"/>
        <source>InfoBuMRT2.png</source>
        <extracomment>Help picture in this language (resources/images/).</extracomment>
        <translation>InfoBuMRT2_de.png</translation>
    </message>
    <message>
        <location filename="../radiant/mrtform.cpp" line="324"/>
        <source>InfoBuMRT3.png</source>
        <extracomment>Help picture in this language (resources/images/).</extracomment>
        <translation>InfoBuMRT3_de.png</translation>
    </message>
    <message>
        <location filename="../radiant/mrtform.cpp" line="331"/>
        <source>InfoBuMRT4.png</source>
        <extracomment>Help picture in this language (resources/images/).</extracomment>
        <translation>InfoBuMRT4_de.png</translation>
    </message>
    <message>
        <location filename="../radiant/mrtform.cpp" line="338"/>
        <source>InfoBuMRT5.png</source>
        <extracomment>Help picture in this language (resources/images/).</extracomment>
        <translation>InfoBuMRT5_de.png</translation>
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
        <location filename="../comfort/pmvtable.cpp" line="60"/>
        <source>PMV</source>
        <translation>PMV</translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="351"/>
        <location filename="../comfort/pmvtable.cpp" line="60"/>
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
        <source>Columns separated by</source>
        <translation>Spalten getrennt durch</translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="568"/>
        <source>If comma is used to indicate the decimal place, then Semicolon is recommended to separate the columns in CSV file.</source>
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
        <location filename="../comfort/pmvtable.cpp" line="43"/>
        <location filename="../comfort/pmvtable.cpp" line="50"/>
        <source>Ta</source>
        <translation>Ta</translation>
    </message>
    <message>
        <location filename="../comfort/pmvtable.cpp" line="43"/>
        <source>Tg</source>
        <translation>Tg</translation>
    </message>
    <message>
        <location filename="../comfort/pmvtable.cpp" line="44"/>
        <location filename="../comfort/pmvtable.cpp" line="47"/>
        <location filename="../comfort/pmvtable.cpp" line="51"/>
        <source>rH</source>
        <translation>rF</translation>
    </message>
    <message>
        <location filename="../comfort/pmvtable.cpp" line="44"/>
        <location filename="../comfort/pmvtable.cpp" line="48"/>
        <location filename="../comfort/pmvtable.cpp" line="51"/>
        <source>Va</source>
        <translation>Va</translation>
    </message>
    <message>
        <location filename="../comfort/pmvtable.cpp" line="45"/>
        <location filename="../comfort/pmvtable.cpp" line="48"/>
        <location filename="../comfort/pmvtable.cpp" line="52"/>
        <source>clo</source>
        <translation>clo</translation>
    </message>
    <message>
        <location filename="../comfort/pmvtable.cpp" line="47"/>
        <source>To</source>
        <translation>To</translation>
    </message>
    <message>
        <location filename="../comfort/pmvtable.cpp" line="50"/>
        <source>Tr</source>
        <translation>Tr</translation>
    </message>
    <message>
        <location filename="../comfort/pmvtable.cpp" line="61"/>
        <source>PPD-M</source>
        <translation>PPD-M</translation>
    </message>
    <message>
        <location filename="../comfort/pmvform.cpp" line="133"/>
        <source>Open Spreadsheet</source>
        <translation>Tabelle öffnen</translation>
    </message>
    <message>
        <location filename="../comfort/pmvform.cpp" line="134"/>
        <source>Spreadsheet files (*.*)</source>
        <translation>Tabellendateien (*.*)</translation>
    </message>
    <message>
        <location filename="../comfort/pmvform.cpp" line="139"/>
        <source>Choose output filename</source>
        <translation>Namen der Ausgabedatei wählen</translation>
    </message>
    <message>
        <location filename="../comfort/pmvform.cpp" line="140"/>
        <source>Spreadsheet files (*.csv*)</source>
        <translation>Tabellendateien (*.csv*)</translation>
    </message>
    <message>
        <location filename="../comfort/pmvform.cpp" line="275"/>
        <source>InfoBuPMV.png</source>
        <extracomment>Help picture in this language (resources/images/).</extracomment>
        <translation>InfoBuPMV_de.png</translation>
    </message>
    <message>
        <location filename="../comfort/pmvform.cpp" line="276"/>
        <location filename="../comfort/pmvform.cpp" line="283"/>
        <location filename="../comfort/pmvform.cpp" line="290"/>
        <source>Info about ...</source>
        <translation>Info zu ...</translation>
    </message>
    <message>
        <location filename="../comfort/pmvform.cpp" line="282"/>
        <source>InfoBuPMV2.png</source>
        <extracomment>Help picture in this language (resources/images/).</extracomment>
        <translation>InfoBuPMV2_de.png</translation>
    </message>
    <message>
        <location filename="../comfort/pmvform.cpp" line="289"/>
        <source>InfoBuPMV3.png</source>
        <extracomment>Help picture in this language (resources/images/).</extracomment>
        <translation>InfoBuPMV3_de.png</translation>
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
        <location filename="../forms/pmvinverseform.ui" line="24"/>
        <source>Select the unknown parameter</source>
        <translation>Unbekannte Größe wählen</translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="186"/>
        <source>Globe Temperature  [°C]</source>
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
        <location filename="../comfort/pmvinverse.cpp" line="35"/>
        <source> For the given PMV, No appropriate Tg found within the range 10-40 degree C </source>
        <translation> Für das gegebene PMV wurde im Bereich 10-40 °C keine passende Tg gefunden </translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="34"/>
        <source>  Approx. Globe Temperature found for given PMV</source>
        <translation>  Näherungsweise Globetemperatur für das gegebene PMV gefunden</translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="37"/>
        <source>Find Globe Temperature</source>
        <translation>Globetemperatur suchen</translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="38"/>
        <source>Globe Temperature</source>
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
        <source> For the given PMV, No appropriate rh found within the range 0 to 100 % </source>
        <translation> Für das gegebene PMV wurde im Bereich 0 bis 100 % keine passende rF gefunden </translation>
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
        <source>  Approx. Clothing Insulation for given PMV</source>
        <translation>  Näherungsweise Bekleidungsisolation für das gegebene PMV</translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="64"/>
        <source> For the given PMV, No appropriate Icl found within the range 0 to 0.310 m2K/W </source>
        <translation> Für das gegebene PMV wurde im Bereich 0 bis 0.310 m2K/W keine passende Icl gefunden </translation>
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
        <location filename="../comfort/pmvinverseform.cpp" line="326"/>
        <source>InfoBuPMVInvers.png</source>
        <extracomment>Help picture in this language (resources/images/).</extracomment>
        <translation>InfoBuPMVInvers_de.png</translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverseform.cpp" line="327"/>
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
        <location filename="../comfort/pmvmenuform.cpp" line="39"/>
        <source>Predicted Mean Vote</source>
        <translation>Vorausgesagtes mittleres Votum</translation>
    </message>
    <message>
        <location filename="../comfort/pmvmenuform.cpp" line="40"/>
        <source>Mean Radiant Temperature</source>
        <translation>Mittlere Strahlungstemperatur</translation>
    </message>
    <message>
        <location filename="../comfort/pmvmenuform.cpp" line="41"/>
        <source>Clothing </source>
        <translation>Bekleidung </translation>
    </message>
    <message>
        <location filename="../comfort/pmvmenuform.cpp" line="42"/>
        <source>PMV Inverse</source>
        <translation>PMV invers</translation>
    </message>
</context>
<context>
    <name>simulationImportDialog</name>
    <message>
        <location filename="../forms/simulationimportdialog.ui" line="9"/>
        <source>Import from simulation</source>
        <translation>Aus Simulation importieren</translation>
    </message>
    <message>
        <location filename="../forms/simulationimportdialog.ui" line="15"/>
        <source>Outdoor air: weather file (EPW)</source>
        <translation>Außenluft: Wetterdatei (EPW)</translation>
    </message>
    <message>
        <location filename="../forms/simulationimportdialog.ui" line="21"/>
        <source>Test reference year or other weather file, *.epw</source>
        <translation>Testreferenzjahr oder andere Wetterdatei, *.epw</translation>
    </message>
    <message>
        <location filename="../forms/simulationimportdialog.ui" line="28"/>
        <location filename="../forms/simulationimportdialog.ui" line="56"/>
        <source>Browse…</source>
        <translation>Durchsuchen…</translation>
    </message>
    <message>
        <location filename="../forms/simulationimportdialog.ui" line="43"/>
        <source>Indoor: building simulation output (EnergyPlus CSV or SQLite)</source>
        <translation>Raum: Ausgabe der Gebäudesimulation (EnergyPlus CSV oder SQLite)</translation>
    </message>
    <message>
        <location filename="../forms/simulationimportdialog.ui" line="49"/>
        <source>eplusout.csv or eplusout.sql</source>
        <translation>eplusout.csv oder eplusout.sql</translation>
    </message>
    <message>
        <location filename="../forms/simulationimportdialog.ui" line="63"/>
        <source>Zone column</source>
        <translation>Zonenspalte</translation>
    </message>
    <message>
        <location filename="../forms/simulationimportdialog.ui" line="75"/>
        <source>Outdoor air from the simulation output (Site Outdoor Air Drybulb Temperature and Relative Humidity)</source>
        <translation>Außenluft aus der Simulationsausgabe (Site Outdoor Air Drybulb Temperature und Relative Humidity)</translation>
    </message>
    <message>
        <location filename="../forms/simulationimportdialog.ui" line="91"/>
        <source>The year for the table</source>
        <translation>Das Jahr für die Tabelle</translation>
    </message>
    <message>
        <location filename="../assessment/simulationimportdialog.cpp" line="29"/>
        <source>Fill Table</source>
        <translation>Tabelle füllen</translation>
    </message>
    <message>
        <location filename="../assessment/simulationimportdialog.cpp" line="35"/>
        <source>Weather file</source>
        <translation>Wetterdatei</translation>
    </message>
    <message>
        <location filename="../assessment/simulationimportdialog.cpp" line="35"/>
        <source>Simulation output</source>
        <translation>Simulationsausgabe</translation>
    </message>
    <message>
        <location filename="../assessment/simulationimportdialog.cpp" line="36"/>
        <source>Weather files (*.epw);;All files (*)</source>
        <translation>Wetterdateien (*.epw);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location filename="../assessment/simulationimportdialog.cpp" line="37"/>
        <source>EnergyPlus output (*.csv *.sql);;All files (*)</source>
        <translation>EnergyPlus-Ausgabe (*.csv *.sql);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location filename="../assessment/simulationimportdialog.cpp" line="42"/>
        <source>%1 hourly records from %2 %3</source>
        <translation>%1 stündliche Datensätze ab %2 %3</translation>
    </message>
    <message>
        <location filename="../assessment/simulationimportdialog.cpp" line="45"/>
        <source>%1 records of %2 h from %3 %4</source>
        <translation>%1 Datensätze zu %2 h ab %3 %4</translation>
    </message>
    <message>
        <location filename="../assessment/simulationimportdialog.cpp" line="48"/>
        <source>(the file&apos;s year %1)</source>
        <translation>(Jahr der Datei %1)</translation>
    </message>
    <message>
        <location filename="../assessment/simulationimportdialog.cpp" line="52"/>
        <source>%1 records of design days skipped</source>
        <translation>%1 Datensätze von Auslegungstagen übergangen</translation>
    </message>
    <message>
        <location filename="../assessment/simulationimportdialog.cpp" line="54"/>
        <source>%1 records of 29 February dropped</source>
        <translation>%1 Datensätze des 29. Februar ausgelassen</translation>
    </message>
    <message>
        <location filename="../assessment/simulationimportdialog.cpp" line="132"/>
        <source>Choose a weather file, or take the outdoor air from the simulation output.</source>
        <translation>Wählen Sie eine Wetterdatei, oder übernehmen Sie die Außenluft aus der Simulationsausgabe.</translation>
    </message>
    <message>
        <location filename="../assessment/simulationimportdialog.cpp" line="145"/>
        <source>No findings: the year is complete and plausible.</source>
        <translation>Keine Befunde: Das Jahr ist vollständig und plausibel.</translation>
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
        <location filename="../assessment/summerbnbform.cpp" line="44"/>
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
        <source>Degree hours (K·h)</source>
        <translation>Gradstunden (K·h)</translation>
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
        <location filename="../assessment/summerbnbform.cpp" line="28"/>
        <source>Summer: working hours per band</source>
        <translation>Sommer: Nutzungsstunden je Band</translation>
    </message>
    <message>
        <location filename="../assessment/summerbnbform.cpp" line="28"/>
        <source>To (°C)</source>
        <translation>To (°C)</translation>
    </message>
    <message>
        <location filename="../assessment/summerbnbform.cpp" line="30"/>
        <source>Within limit</source>
        <translation>Innerhalb der Grenze</translation>
    </message>
    <message>
        <location filename="../assessment/summerbnbform.cpp" line="30"/>
        <source>Above limit</source>
        <translation>Über der Grenze</translation>
    </message>
    <message>
        <location filename="../assessment/summerbnbform.cpp" line="43"/>
        <source>Cat. I</source>
        <translation>Kat. I</translation>
    </message>
    <message>
        <location filename="../assessment/summerbnbform.cpp" line="43"/>
        <source>Cat. II</source>
        <translation>Kat. II</translation>
    </message>
    <message>
        <location filename="../assessment/summerbnbform.cpp" line="43"/>
        <source>Cat. III</source>
        <translation>Kat. III</translation>
    </message>
    <message>
        <location filename="../assessment/summerbnbform.cpp" line="44"/>
        <source>Beyond III</source>
        <translation>Außerhalb III</translation>
    </message>
    <message>
        <location filename="../assessment/summerbnbform.cpp" line="44"/>
        <source>Not valid</source>
        <translation>Nicht gültig</translation>
    </message>
    <message>
        <location filename="../assessment/summerbnbform.cpp" line="46"/>
        <source>Summer working hours per comfort category of DIN EN 15251
around Θc: I ±2 K, II ±3 K, III ±4 K.
Not valid: no running mean or Θrm below 10 °C.</source>
        <translation>Nutzungsstunden im Sommer je Kategorie nach DIN EN 15251
um Θc: I ±2 K, II ±3 K, III ±4 K.
Nicht gültig: kein gleitender Mittelwert oder Θrm unter 10 °C.</translation>
    </message>
    <message>
        <location filename="../assessment/summerbnbform.cpp" line="144"/>
        <source>InfoBuToS.png</source>
        <extracomment>Help picture in this language (resources/images/).</extracomment>
        <translation>InfoBuToS_de.png</translation>
    </message>
    <message>
        <location filename="../assessment/summerbnbform.cpp" line="145"/>
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
        <source>Degree hour (K·h)</source>
        <translation>Gradstunden (K·h)</translation>
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
        <location filename="../assessment/winterbnbform.cpp" line="32"/>
        <source>InfoBuToW.png</source>
        <extracomment>Help picture in this language (resources/images/).</extracomment>
        <translation>InfoBuToW_de.png</translation>
    </message>
    <message>
        <location filename="../assessment/winterbnbform.cpp" line="33"/>
        <source>Info about ...</source>
        <translation>Info zu ...</translation>
    </message>
</context>
</TS>
