<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>FieldReader</name>
    <message>
        <location filename="../app/fieldreader.cpp" line="83"/>
        <source>%1: empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/fieldreader.cpp" line="84"/>
        <source>%1: &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/fieldreader.cpp" line="88"/>
        <source>Invalid input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/fieldreader.cpp" line="89"/>
        <source>These fields do not hold a number, so nothing was computed:

%1

A decimal comma or point may be used (0,5 or 0.5).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpBrowser</name>
    <message>
        <location filename="../forms/helpbrowser.ui" line="15"/>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../help/helpbrowser.cpp" line="18"/>
        <source>&amp;Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../help/helpbrowser.cpp" line="19"/>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../help/helpbrowser.cpp" line="20"/>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../help/helpbrowser.cpp" line="21"/>
        <source>Esc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../help/helpbrowser.cpp" line="44"/>
        <source>Klimaro v0.3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../help/helpbrowser.cpp" line="44"/>
        <source> Documentation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InfoDialog</name>
    <message>
        <location filename="../forms/infodialog.ui" line="12"/>
        <source>Dialog</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../forms/mainwindow.ui" line="10"/>
        <location filename="../app/mainwindow.cpp" line="105"/>
        <source>Klimaro v0.3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/mainwindow.ui" line="44"/>
        <source>PMV Tool

- Predicted Mean Vote 
- Mean Radiant Temperature (MRT)
- Clothing 
- Inverse PMV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/mainwindow.ui" line="71"/>
        <source>Klimaro Assessment Tool

 - Operative Temperature 
 - Draft Risk 
 - Radiation Asymmetry and Floor Temperature
 - Indoor Humidity </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/mainwindow.ui" line="98"/>
        <location filename="../app/mainwindow.cpp" line="53"/>
        <source>Documentation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/mainwindow.ui" line="137"/>
        <source>?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/mainwindow.ui" line="140"/>
        <source>Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="32"/>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="34"/>
        <source>Exit the application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="37"/>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="38"/>
        <location filename="../app/mainwindow.cpp" line="76"/>
        <source>About Klimaro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="41"/>
        <source>Main Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="42"/>
        <source>Return to main menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="45"/>
        <source>PMV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="46"/>
        <source>PMV, MRT, Inverse PMV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="49"/>
        <location filename="../app/mainwindow.cpp" line="50"/>
        <source>BNB Assessment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="54"/>
        <source>User documentation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="60"/>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="64"/>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="69"/>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="77"/>
        <source>&lt;center&gt;Klimaro v0.3&lt;hr&gt;Thermal comfort of rooms after ISO 7730 and BNB, developed by the Klimaro team, &lt;a href=&quot;https://klimaro.example.org&quot;&gt;klimaro.example.org&lt;/a&gt;, 2026&lt;/center&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="144"/>
        <source>Info about ...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TsurfCalcDialog</name>
    <message>
        <location filename="../forms/tsurfcalcdialog.ui" line="14"/>
        <source>Tsurf Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/tsurfcalcdialog.ui" line="20"/>
        <source>Surface Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/tsurfcalcdialog.ui" line="26"/>
        <source>Indoor Temperature,  [°C]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/tsurfcalcdialog.ui" line="49"/>
        <source>Outdoor Temperature,  [°C]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/tsurfcalcdialog.ui" line="72"/>
        <source>Heat Resistance on 
interior Surface, [(m²K)/W]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/tsurfcalcdialog.ui" line="96"/>
        <source>U-value, [W/(m²K)]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/tsurfcalcdialog.ui" line="119"/>
        <source>Compute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/tsurfcalcdialog.ui" line="126"/>
        <source>Surface 
Temperature, [°C]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>bnbMenuForm</name>
    <message>
        <location filename="../report/bnbmenuform.cpp" line="10"/>
        <source>&lt;h3&gt;BNB Assessment&lt;/h3&gt;&lt;p&gt;The assessment of a year of hourly room data against the BNB thermal-comfort criterion is not part of this version yet. Use the PMV tool from the Tools menu.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>clothingForm</name>
    <message>
        <location filename="../forms/clothingform.ui" line="18"/>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/clothingform.ui" line="24"/>
        <source>[Clo]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/clothingform.ui" line="47"/>
        <source>&lt;b&gt;Work Clothing&lt;/B&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/clothingform.ui" line="57"/>
        <source>Underpants, boiler suit, socks, shoes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/clothingform.ui" line="64"/>
        <source>Underpants, shirt, boiler suit, socks, shoes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/clothingform.ui" line="71"/>
        <source>Underpants, shirt, trousers, smock, socks, shoes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/clothingform.ui" line="78"/>
        <source>Underwear with short legs and sleeves, shirt, trousers, jacket, socks, shoes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/clothingform.ui" line="85"/>
        <source>Underwear with long legs and sleeves, thermojacket, socks, shoes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/clothingform.ui" line="92"/>
        <source>Underwear with short legs and sleeves, boiler suit, thermojacket and trousers socks, shoes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/clothingform.ui" line="99"/>
        <source>Underwear with short legs and sleeves, shirt, trousers, jacket, heavy quilted outer jacket and overalls, socks, shoes, cap, gloves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/clothingform.ui" line="106"/>
        <source>Underwear with long legs and sleeves, thermojacket and trousers,parka with heavy quilting,overalls, socks, shoes, cap, gloves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/clothingform.ui" line="126"/>
        <source>Daily Wear Clothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/clothingform.ui" line="133"/>
        <source>Pantis, T-shirt, shorts, light socks, sandals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/clothingform.ui" line="140"/>
        <source>Underpants, shirt with short sleeves, light trousers, light socks, shoes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/clothingform.ui" line="147"/>
        <source>Panties, petticoat, stockings, dress, shoes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/clothingform.ui" line="154"/>
        <source>Underwear, shirt, trousers, socks, shoes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/clothingform.ui" line="161"/>
        <source>Panties, shirt, trousers, jacket, socks, shoes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/clothingform.ui" line="168"/>
        <source>Panties, stckings, blouse, long skirt, jacket, shoes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/clothingform.ui" line="175"/>
        <source>Underwear with long legs and sleeves, shirt, trousers, V-neck sweater, jacket, socks, shoes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/clothingform.ui" line="182"/>
        <source>Underwear with short legs and sleeves, shirt, trousers, vest jacket, coat, socks, shoes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/clothingform.ui" line="194"/>
        <source>Clo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/clothingform.ui" line="227"/>
        <source>?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/clothingform.ui" line="236"/>
        <source>Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../comfort/clothingform.cpp" line="39"/>
        <source>Info about ...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mrtForm</name>
    <message>
        <location filename="../forms/mrtform.ui" line="6"/>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="18"/>
        <source>Room Geometry, [m]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="28"/>
        <source>Width (w)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="41"/>
        <source>Depth (De)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="54"/>
        <source>Height (H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="70"/>
        <source>Position of Occupant, [m]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="80"/>
        <source>X-Position (Xp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="93"/>
        <source>Y-Position (Yp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="106"/>
        <source>Stand/Sit (Zp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="123"/>
        <source>Stand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="128"/>
        <source>Seated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="134"/>
        <source>other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="143"/>
        <source>Plan of the room seen from above: width w, depth De, occupant position Xp, Yp and the window edges g1, g2 of the front wall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="153"/>
        <source>Compute Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="165"/>
        <source>Surface Temperature Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="172"/>
        <location filename="../forms/mrtform.ui" line="202"/>
        <location filename="../forms/mrtform.ui" line="269"/>
        <location filename="../forms/mrtform.ui" line="454"/>
        <location filename="../forms/mrtform.ui" line="752"/>
        <source>Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="183"/>
        <source>Plane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="189"/>
        <source>Surface</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="210"/>
        <source>Compute MRT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="218"/>
        <source>Mean Radiant 
Temperature [°C]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="257"/>
        <source>Wall properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="275"/>
        <location filename="../forms/mrtform.ui" line="411"/>
        <source>Temperature [°C]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="283"/>
        <source>Cold/hot area (Y/N)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="289"/>
        <source>Front</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="302"/>
        <source>Check if there is a window in the Front wall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="308"/>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="326"/>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="344"/>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="362"/>
        <source>Floor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="380"/>
        <source>Ceiling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="401"/>
        <source>Cold, hot area properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="417"/>
        <source>g1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="422"/>
        <source>g2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="427"/>
        <source>z1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="441"/>
        <source>z2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="740"/>
        <source>Asymmetry Assessment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="758"/>
        <source>Radiation
Assymetry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="764"/>
        <source>Percentage
Discomfort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="770"/>
        <source>BNB 
 Pass/Fail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="776"/>
        <source>Front/ Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="805"/>
        <source>Left/ Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="834"/>
        <source>Floor/ Ceiling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="863"/>
        <source> 19 °C =&lt; Floor Temperature =&lt; 29 °C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/mrtform.ui" line="879"/>
        <source>- Points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../radiant/mrtform.cpp" line="56"/>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../radiant/mrtform.cpp" line="59"/>
        <location filename="../radiant/mrtform.cpp" line="72"/>
        <source>%1 cold/hot area: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../radiant/mrtform.cpp" line="99"/>
        <source>Pass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../radiant/mrtform.cpp" line="99"/>
        <source>Fail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../radiant/mrtform.cpp" line="110"/>
        <source>N.A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../radiant/mrtform.cpp" line="122"/>
        <source>The room must have a size: Width, Depth and Height must be greater than 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../radiant/mrtform.cpp" line="126"/>
        <source>The occupant must stand inside the room: 0 &lt; Xp &lt; Width, 0 &lt; Yp &lt; Depth, 0 &lt; Zp &lt; Height.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../radiant/mrtform.cpp" line="133"/>
        <source>The window of the Front wall does not fit on the wall: g1 + g2 must be smaller than the wall&apos;s width and z1 + z2 smaller than its height; no distance may be negative.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../radiant/mrtform.cpp" line="138"/>
        <source>The window of the Back wall does not fit on the wall: g1 + g2 must be smaller than the wall&apos;s width and z1 + z2 smaller than its height; no distance may be negative.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../radiant/mrtform.cpp" line="143"/>
        <source>The window of the Right wall does not fit on the wall: g1 + g2 must be smaller than the wall&apos;s width and z1 + z2 smaller than its height; no distance may be negative.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../radiant/mrtform.cpp" line="148"/>
        <source>The window of the Left wall does not fit on the wall: g1 + g2 must be smaller than the wall&apos;s width and z1 + z2 smaller than its height; no distance may be negative.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../radiant/mrtform.cpp" line="153"/>
        <source>The heated or cooled area of the Floor does not fit on the floor: g1 + g2 must be smaller than the room&apos;s width and z1 + z2 smaller than its depth; no distance may be negative.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../radiant/mrtform.cpp" line="158"/>
        <source>The heated or cooled area of the Ceiling does not fit on the ceiling: g1 + g2 must be smaller than the room&apos;s width and z1 + z2 smaller than its depth; no distance may be negative.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../radiant/mrtform.cpp" line="171"/>
        <source>Impossible room geometry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../radiant/mrtform.cpp" line="172"/>
        <source>Nothing was computed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../radiant/mrtform.cpp" line="255"/>
        <location filename="../radiant/mrtform.cpp" line="260"/>
        <location filename="../radiant/mrtform.cpp" line="265"/>
        <location filename="../radiant/mrtform.cpp" line="270"/>
        <location filename="../radiant/mrtform.cpp" line="275"/>
        <source>Info about ...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pmvForm</name>
    <message>
        <location filename="../forms/pmvform.ui" line="18"/>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="26"/>
        <source>PMV input data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="42"/>
        <source>Globe Temperature          [°C]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="68"/>
        <location filename="../forms/pmvform.ui" line="464"/>
        <location filename="../forms/pmvform.ui" line="647"/>
        <source>Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="71"/>
        <location filename="../forms/pmvform.ui" line="467"/>
        <location filename="../forms/pmvform.ui" line="650"/>
        <source>?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="78"/>
        <source>Air Temperature               [°C]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="105"/>
        <source>Mean Radiant Temp         [°C]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="125"/>
        <source> Obtain value from MRT Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="139"/>
        <source>Operative Temperature     [°C]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="159"/>
        <source>Relative Humidity        [%]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="179"/>
        <source>Air Velocity               [m/s]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="199"/>
        <source>Clothing Insulation      [clo]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="219"/>
        <source> Obtain value from Clothing Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="226"/>
        <source>Metabolic Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="253"/>
        <source>W/m2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="258"/>
        <source>met</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="266"/>
        <source>External Work        [W/m2]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="291"/>
        <source>Compute PMV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="319"/>
        <source>Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="325"/>
        <location filename="../comfort/pmvtable.cpp" line="158"/>
        <source>PMV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="351"/>
        <location filename="../comfort/pmvtable.cpp" line="158"/>
        <source>PPD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="377"/>
        <source>PPD-Mayer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="438"/>
        <source>Import data from file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="476"/>
        <source>Import data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="485"/>
        <source>Pick input parameters:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="492"/>
        <source>T Operative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="499"/>
        <source>T Air &amp;&amp; MRT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="506"/>
        <source>T Air &amp;&amp; T Glo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="516"/>
        <source>No. of header lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="535"/>
        <source>Number of lines to skip before the column data begins.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="545"/>
        <source>Columns seperated by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="555"/>
        <source>If comma is used to indicate the decimal place, then Semicolon is recommended to seperate the columns in CSV file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="562"/>
        <source>Semicolon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="567"/>
        <source>Comma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="572"/>
        <source>Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="577"/>
        <source>Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="585"/>
        <location filename="../comfort/pmvform.cpp" line="150"/>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="588"/>
        <source>Choose a file to open and preview it in the table.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvform.ui" line="631"/>
        <source>Write CSV </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../comfort/pmvtable.cpp" line="141"/>
        <location filename="../comfort/pmvtable.cpp" line="148"/>
        <source>Ta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../comfort/pmvtable.cpp" line="141"/>
        <source>Tg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../comfort/pmvtable.cpp" line="142"/>
        <location filename="../comfort/pmvtable.cpp" line="145"/>
        <location filename="../comfort/pmvtable.cpp" line="149"/>
        <source>rH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../comfort/pmvtable.cpp" line="142"/>
        <location filename="../comfort/pmvtable.cpp" line="146"/>
        <location filename="../comfort/pmvtable.cpp" line="149"/>
        <source>Va</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../comfort/pmvtable.cpp" line="143"/>
        <location filename="../comfort/pmvtable.cpp" line="146"/>
        <location filename="../comfort/pmvtable.cpp" line="150"/>
        <source>clo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../comfort/pmvtable.cpp" line="145"/>
        <source>To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../comfort/pmvtable.cpp" line="148"/>
        <source>Tr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../comfort/pmvtable.cpp" line="159"/>
        <source>PPD-M</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../comfort/pmvform.cpp" line="120"/>
        <source>Open Spreadsheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../comfort/pmvform.cpp" line="121"/>
        <source>Spreadsheet files (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../comfort/pmvform.cpp" line="126"/>
        <source>Choose output filename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../comfort/pmvform.cpp" line="128"/>
        <source>Spreadsheet files (*.csv*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../comfort/pmvform.cpp" line="151"/>
        <source>Cannot read file %1:
%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../comfort/pmvform.cpp" line="303"/>
        <location filename="../comfort/pmvform.cpp" line="308"/>
        <location filename="../comfort/pmvform.cpp" line="313"/>
        <source>Info about ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../comfort/pmvform.cpp" line="340"/>
        <source>Write CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../comfort/pmvform.cpp" line="341"/>
        <source>Cannot write file %1:
%2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pmvInverseForm</name>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="14"/>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="24"/>
        <source>Select the unkown parameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="30"/>
        <source> Operative Temp.       [°C]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="37"/>
        <source> Air Temperature     [°C]  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="44"/>
        <source>Mean Radiant Temp   [°C]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="51"/>
        <source>Globe Temperature   [°C]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="58"/>
        <source> Air Velocity            [m/s]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="65"/>
        <source> Relative Humidity   [%]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="72"/>
        <source>Clothing Insulation    [clo]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="79"/>
        <source>Metabolic Rate     [W/m2]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="110"/>
        <location filename="../comfort/pmvinverse.cpp" line="49"/>
        <source>Find Operative Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="136"/>
        <source>Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="139"/>
        <source>?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="150"/>
        <source>Inverse-PMV - Operative Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="156"/>
        <source> Air Temperature       [°C]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="186"/>
        <source>Global Temperature  [°C]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="213"/>
        <source>Mean Radiant Temp  [°C]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="233"/>
        <source> Obtain value from MRT Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="250"/>
        <source>Operative Temp.       [°C]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="270"/>
        <source>Relative Humidity   [%]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="290"/>
        <source>Air Velocity         [m/s]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="310"/>
        <source>Clothing Insulation [clo]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="330"/>
        <source> Obtain value from Clothing Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="340"/>
        <location filename="../comfort/pmvinverse.cpp" line="73"/>
        <source>Metabolic Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="367"/>
        <source>W/m2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="372"/>
        <source>met</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="380"/>
        <source>External Work, [W/m2]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="400"/>
        <location filename="../forms/pmvinverseform.ui" line="479"/>
        <source>PMV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="438"/>
        <source>Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="444"/>
        <location filename="../comfort/pmvinverse.cpp" line="50"/>
        <source>Operative Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="505"/>
        <source>PPD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="531"/>
        <source>PPD-Mayer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../forms/pmvinverseform.ui" line="570"/>
        <source>Result Info:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="28"/>
        <source>  Approx. Air Temperature found for given PMV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="29"/>
        <source>For the given PMV, No appropriate Ta found within the range 10-30 degree C </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="31"/>
        <source>Find Ambient Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="32"/>
        <source>Ambient Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="34"/>
        <source>  Approx. Global Temperature found for given PMV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="35"/>
        <source> For the given PMV, No appropriate Tg found within the range 10-40 degree C </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="37"/>
        <source>Find Global Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="38"/>
        <source>Global Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="40"/>
        <source>Approx. MRT found for given PMV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="41"/>
        <source> For the given PMV, No appropriate MR found within the range 10-40 degree C </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="43"/>
        <source>Find Mean Radiant Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="44"/>
        <source>MRT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="46"/>
        <source>Approx. Operative Temperature found for given PMV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="47"/>
        <source> For the given PMV, No appropriate To found within the range 10-40 degree C </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="52"/>
        <source>  Approx. Relative Humidity found for given PMV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="53"/>
        <source> For the given PMV, No appropriate rh found within the range  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="54"/>
        <source>Find Relative Humidity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="55"/>
        <source>Relative Humidity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="57"/>
        <source>  Approx. velocity found for given PMV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="58"/>
        <source> For the given PMV, No appropriate Va found within the range 0 - 1 m/s </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="60"/>
        <source>Find Air Velocity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="61"/>
        <source>Air Velocity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="63"/>
        <source>  Approx. Clothing Insultaion for given PMV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="64"/>
        <source> For the given PMV, No appropriate Icl found within the range 0 to 0.310 m2K/W </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="66"/>
        <source>Find Clothing Insulation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="67"/>
        <source>Clothing Insulation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="69"/>
        <source>  Approx. Met for given PMV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="70"/>
        <source> For the given PMV, No appropriate Met found within the range 46 to 232 W/m2 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverse.cpp" line="72"/>
        <source>Find Metabolic Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../comfort/pmvinverseform.cpp" line="309"/>
        <source>Info about ...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pmvMenuForm</name>
    <message>
        <location filename="../forms/pmvmenuform.ui" line="15"/>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../comfort/pmvmenuform.cpp" line="49"/>
        <source>Predicted Mean Vote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../comfort/pmvmenuform.cpp" line="50"/>
        <source>Mean Radiant Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../comfort/pmvmenuform.cpp" line="51"/>
        <source>Clothing </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../comfort/pmvmenuform.cpp" line="52"/>
        <source>PMV Inverse</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
