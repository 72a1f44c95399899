#include "report/reportpdf.h"
#include "report/xmlreport.h"

#include <QtTest>

#include <QProcess>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

// "v1".."vn" as gathered values, and the same joined as the flattened rows show them.
vstring values(const char *prefix, int n)
{
    vstring v;
    for (int i = 1; i <= n; ++i)
        v.push_back(prefix + std::to_string(i));
    return v;
}

QString joined(const char *prefix, int n)
{
    QStringList parts;
    for (const std::string &s : values(prefix, n))
        parts << QString::fromStdString(s);
    return parts.join('|');
}

// Values outside Latin-1 ("–", "≤", "€") and inside it ("°", "³") must arrive unchanged.
const std::string kUnicodeVerdict = "erfüllt – DR ≤ 15 %";
const std::string kUnicodeRegion = "Sommer-Klimaregion B (€, m³, °C)";

QByteArray sampleReport()
{
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    beginReport(xml);
    writeWinterOperativeTemperature(xml, {values("wd", 9), values("wq", 3), {"8.0"}});
    writeWinterDraft(xml, {{"Yes"}, {"No"}, values("wb", 3), {"12.3", kUnicodeVerdict}, {"20"}});
    MrtLists mrt{{values("room", 3), values("pos", 3)}, {}, {}, {"5"}};
    for (int i = 1; i <= 6; ++i)
        mrt.boundary_conditions.push_back({"T" + std::to_string(i), "Not defined"});
    for (int i = 1; i <= 3; ++i)
        mrt.results.push_back({"PD" + std::to_string(i), "Pass"});
    writeWinterMrt(xml, mrt);
    HumidityLists humidity{values("b", 7), values("c", 6), values("rh", 11), {"up", "up%"}, {"low", "low%"}, {"2"}};
    writeWinterHumidity(xml, humidity);
    writeSummerOperativeTemperature(xml, {{"DIN 4108-2", kUnicodeRegion}, {"8:00 h", "18:00 h", "no"},
                                          values("sd", 9), values("sq", 3), {"complied"}});
    writeSummerDraft(xml, {{"No"}, {"Yes"}, values("sb", 3), {"9.5", "Pass"}, {"18"}});
    writeSummerMrt(xml, mrt);
    humidity.distribution_AH = values("ah", 11);
    writeSummerHumidity(xml, humidity);
    endReport(xml);
    return bytes;
}

// One line per element: name, attributes in document order; a zeile ends in its
// values joined by "|" (and any sp attribute shown as "sp=").
QStringList flatten(const QByteArray &bytes)
{
    QStringList lines;
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        QString line = xml.name().toString();
        for (const QXmlStreamAttribute &a : xml.attributes())
            line += ' ' + a.name().toString() + '=' + a.value().toString();
        if (xml.name() == QLatin1String("zeile")) {
            QStringList items;
            while (xml.readNextStartElement()) {
                const QString sp = xml.attributes().value("sp").toString();
                items << (sp.isEmpty() ? QString() : "sp=" + sp + ' ') + xml.readElementText();
            }
            line += ": " + items.join('|');
        }
        lines << line;
    }
    if (xml.hasError())
        lines << "ERROR " + xml.errorString();
    return lines;
}

QStringList expectedMrtChapter(const QString &typ, const QString &season)
{
    QStringList rows{
        "kapitel nr=3 typ=" + typ + " titel=Asymmetric radiation and floor temperature: " + season,
        "abschnitt nr=3.1 titel=Position in the room",
        "zeile nr=0 titel= : Width (W): Xp|Depth (D): Yp|Height (Z): sitting or standing",
        "zeile nr=1 titel=Room: " + joined("room", 3),
        "zeile nr=2 titel=Position: " + joined("pos", 3),
        "abschnitt nr=3.2 titel=Boundary conditions: asymmetric radiation (for surface cooling. data "
        "sheet: see appendix 3)",
        "zeile nr=0 titel= : Surface temperature (°C)|Temperature of cool or hot surfaces(°C)"};
    const QStringList walls{"Front wall", "Back wall", "Right wall", "Left wall", "Floor", "Ceiling"};
    for (int i = 0; i < 6; ++i)
        rows << QString("zeile nr=%1 titel=%2: T%1|Not defined").arg(i + 1).arg(walls[i]);
    rows << "abschnitt nr=3.3 titel=Calculations: asymmetric radiation"
         << "zeile nr=0 titel= : Percentage of dissatisfied due to radiation asymmetry (%)|Quality according to BNB"
         << "zeile nr=1 titel=Asymmetry front/back: PD1|Pass"
         << "zeile nr=2 titel=Asymmetry right/left: PD2|Pass"
         << "zeile nr=3 titel=Asymmetry floor/ceiling: PD3|Pass"
         << "abschnitt nr=3.4 titel=Points" << "zeile nr=1 titel=Radiation asymmetry: 5";
    return rows;
}

QStringList expectedHumidityChapter(const QString &typ, const QString &season)
{
    return {"kapitel nr=4 typ=" + typ + " titel=Indoor Humidity: " + season,
            "abschnitt nr=4.1 titel=Boundary conditions for the calculation",
            "zeile nr=0: Space Volume (m³)|Infiltration (HVAC)(1/h)|Air changes per hour (1/h): Winter |"
            "Air changes per hour (1/h): Transition time|Air changes per hour (1/h): Summer|"
            "Number of persons|Other humidity sources",
            "zeile nr=1: " + joined("b", 7),
            "zeile nr=0: Number of big plants|Number of small plants|Humidity Recovery (-): Winter|"
            "Humidity Recovery (-): Transition time|Humidity Recovery (-): Summer|Pressure (Pa)| ",
            "zeile nr=2: " + joined("c", 6)};
}

}

class TestXmlReport : public QObject
{
    Q_OBJECT
private slots:
    void row_data();
    void row();
    void documentFollowsChapterTables();
    void translatorSparesOneSpaceAndFormatWords();
    void stylesheetShowsEveryTitleAndValue_data();
    void stylesheetShowsEveryTitleAndValue();
    void pdfOfTheReport();
};

void TestXmlReport::row_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("sp");
    QTest::addColumn<QString>("xml");
    const QString two = "<wert>a</wert><wert>°C</wert>";
    QTest::newRow("empty title: nr only") << "" << -1 << "<zeile nr=\"7\">" + two + "</zeile>";
    QTest::newRow("one-space title kept") << " " << -1 << "<zeile nr=\"7\" titel=\" \">" + two + "</zeile>";
    QTest::newRow("sp 0 is no span") << "T" << 0 << "<zeile nr=\"7\" titel=\"T\">" + two + "</zeile>";
    QTest::newRow("sp 1 on every value") << "T" << 1
        << "<zeile nr=\"7\" titel=\"T\"><wert sp=\"1\">a</wert><wert sp=\"1\">°C</wert></zeile>";
    QTest::newRow("sp 3") << "" << 3
        << "<zeile nr=\"7\"><wert sp=\"3\">a</wert><wert sp=\"3\">°C</wert></zeile>";
}

void TestXmlReport::row()
{
    QFETCH(QString, title);
    QFETCH(int, sp);
    QFETCH(QString, xml);
    QString out;
    QXmlStreamWriter writer(&out);
    writeXmlRow(writer, 7, title, {"a", "°C"}, sp);
    QCOMPARE(out, xml);

    out.clear();
    writeXmlRow(writer, 0, title, {}, sp);
    QCOMPARE(out, title.isEmpty() ? QString("<zeile nr=\"0\"/>") : "<zeile nr=\"0\" titel=\"" + title + "\"/>");
}

void TestXmlReport::documentFollowsChapterTables()
{
    const QByteArray bytes = sampleReport();
    QVERIFY(bytes.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                             "<?xml-stylesheet type=\"text/xsl\" href=\"BNB-Assessment.xsl\"?>\n"
                             "<dokument version=\"1.0\">\n"
                             "    <kapitel nr=\"1\" typ=\"Winter\" titel=\"Operative Temperature: Winter\">\n"
                             "        <abschnitt nr=\"1.1\" titel=\"Boundary Conditions\"/>\n"));

    const QString outside = "zeile nr=0 titel= : Duration (h)|Percent of operating time (%)|Degree hour (k h)";
    QStringList expected{
        "dokument version=1.0",
        "kapitel nr=1 typ=Winter titel=Operative Temperature: Winter",
        "abschnitt nr=1.1 titel=Boundary Conditions",
        "abschnitt nr=1.2 titel=Operative Temperature Distribution",
        "zeile nr=0 titel= : To <= 19|19 <= To < 20|20 <= To < 21|21 <= To < 22|22 <= To < 23|"
        "23 <= To < 24|24 <= To < 25|To >= 25|Total",
        "zeile nr=1 titel=Hours (h): " + joined("wd", 9),
        "abschnitt nr=1.3 titel=Time outside the category limit", outside,
        "zeile nr=1 titel=Quality niveau I: " + joined("wq", 3),
        "abschnitt nr=1.4 titel=Points", "zeile nr=1 titel=Operative temperature: 8.0",
        "kapitel nr=2 typ=Winter titel=Draft:Winter",
        "abschnitt nr=2.1 titel=Type of air supply system",
        "zeile nr=1 titel=Mechanical ventilation: Yes", "zeile nr=2 titel=Window ventilation: No",
        "abschnitt nr=2.2 titel=Boundary conditions for the calculation (Mechanical ventilation)",
        "zeile nr=0 titel=Data sheet: Air temperature (°C)|Air velocity (m/s)|Turbulence intensity (%)",
        "zeile nr=1 titel=See appendix 2: " + joined("wb", 3),
        "abschnitt nr=2.3 titel=Draft Rate (DR) calculation",
        "zeile nr=0: DR (%)|Category BNB (15 %) fulfilled / not fulfilled",
        "zeile nr=1: 12.3|" + QString::fromStdString(kUnicodeVerdict),
        "abschnitt nr=2.4 titel=Points (after interpolated assessment)", "zeile nr=1 titel=Draft: 20"};
    expected << expectedMrtChapter("Winter", "Winter") << expectedHumidityChapter("Winter", "Winter")
             << "abschnitt nr=4.2 titel=Distribution of the relative humidity (RH) in winter period "
                "(01. Oct. – 31. Mar.)"
             << "zeile nr=0 titel= : RH <= 10|10 < RH =< 20|20 < RH =< 30|30 < RH =< 40|40 < RH =< 50|"
                "50 < RH =< 60|60 < RH =< 70|70 < RH =< 80|80 < RH =< 90|90 < RH|Total"
             << "zeile nr=1 titel=Hours (h): " + joined("rh", 11)
             << "abschnitt nr=4.3 titel=Time outside the category limit"
             << "zeile nr=0: Frequency below lower limit 25% RH|Ratio of operating time (%)"
             << "zeile nr=1: low|low%"
             << "abschnitt nr=4.4 titel=Points" << "zeile nr=1 titel=Indoor Humidity: 2"
             << "kapitel nr=1 typ=Sommer titel=Operative Temperature: Summer"
             << "abschnitt nr=1.1 titel=Selected Assessment Model "
             << "zeile nr=0: Summer Assessment Model|DIN 4108-2"
             << "zeile nr=1: DIN 4108-2|" + QString::fromStdString(kUnicodeRegion)
             << "abschnitt nr=1.2 titel=Boundary conditions for calculation or measurement (see Appendix 1)"
             << "abschnitt nr=1.3 titel=Operating Times" << "zeile nr=0 titel= : Start|End|at Weekends"
             << "zeile nr=1 titel=Operation Times: 8:00 h|18:00 h|no"
             << "abschnitt nr=1.4 titel=Operative Temperature Distribution"
             << "zeile nr=0 titel= : To <= 24|24 < To =< 25|25 < To =< 26|26 < To =< 27|27 < To =< 28|"
                "28 < To =< 29|29 < To =< 30|30 < To|Total"
             << "zeile nr=1 titel=Hours (h): " + joined("sd", 9)
             << "abschnitt nr=1.5 titel=Time outside the category limit" << outside
             << "zeile nr=1 titel=Quality niveau I: " + joined("sq", 3)
             << "abschnitt nr=1.6 titel=Points " << "zeile nr=1 titel=Operative temperature: complied"
             << "kapitel nr=2 typ=Sommer titel=Draft: Summer"
             << "abschnitt nr=2.1 titel=Type of air supply system"
             << "zeile nr=1 titel=Mechanical ventilation: No" << "zeile nr=2 titel=Window ventilation: Yes"
             << expected.mid(15, 2) << "zeile nr=1 titel=See appendix 2: " + joined("sb", 3)
             << "abschnitt nr=2.3 titel=Draft Rate (DR) calculation"
             << "zeile nr=0: DR (%)|Category BNB (15%) fulfilled / not fulfilled" << "zeile nr=1: 9.5|Pass"
             << "abschnitt nr=2.5 titel=Points (after interpolated assessment)" << "zeile nr=1 titel=Draft: 18"
             << expectedMrtChapter("Sommer", "Summer") << expectedHumidityChapter("Sommer", "Summer")
             << "abschnitt nr=4.2 titel=Distribution of the absolute humidity (AH) in summer period "
                "(01.April. – 30. Sept.)"
             << "zeile nr=0 titel= : AH =< 2|2 < AH =< 4|4 < AH =< 6|6 < AH =< 8|8 < AH =< 10|"
                "10 < AH =< 12|12 < AH =< 14|14 < AH =< 16|16 < AH =< 18|18 < AH|Total"
             << "zeile nr=1 titel=Hours (h): " + joined("ah", 11)
             << "abschnitt nr=4.3 titel=Time outside the category limit"
             << "zeile nr=0: Frequency above upper limit 12 g/kg|Ratio of operating time (%)"
             << "zeile nr=1: up|up%"
             << "abschnitt nr=4.4 titel=Points" << "zeile nr=1 titel=Indoor Humidity: 2";

    const QStringList actual = flatten(bytes);
    for (int i = 0; i < std::min(actual.size(), expected.size()); ++i)
        QCOMPARE(actual[i], expected[i]);
    QCOMPARE(actual.size(), expected.size());
}

void TestXmlReport::translatorSparesOneSpaceAndFormatWords()
{
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    const ReportTranslator upper = [](const char *s) { return QString::fromUtf8(s).toUpper(); };
    writeSummerDraft(xml, {{"Ja"}, {"Nein"}, {}, {}, {}}, upper);
    writeSummerMrt(xml, {}, upper);
    const QStringList lines = flatten("<r>" + bytes + "</r>");
    QCOMPARE(lines.at(1), "kapitel nr=2 typ=Sommer titel=DRAFT: SUMMER");
    QCOMPARE(lines.at(3), "zeile nr=1 titel=MECHANICAL VENTILATION: Ja");
    QVERIFY(lines.contains("zeile nr=0 titel= : WIDTH (W): XP|DEPTH (D): YP|HEIGHT (Z): SITTING OR STANDING"));
    QVERIFY(lines.contains("zeile nr=1 titel=FRONT WALL: "));   // a missing entry is an empty row
}

void TestXmlReport::stylesheetShowsEveryTitleAndValue_data()
{
    QTest::addColumn<bool>("external");
    QTest::newRow("xsltproc, as a browser would") << true;
    QTest::newRow("libxslt inside the program") << false;
}

void TestXmlReport::stylesheetShowsEveryTitleAndValue()
{
    QFETCH(bool, external);
    const QByteArray report = sampleReport();
    const QByteArray stylesheet = reportStylesheet();
    QVERIFY(!stylesheet.isEmpty());
    QString html;
    if (external) {
        const QString xsltproc = QStandardPaths::findExecutable("xsltproc");
        if (xsltproc.isEmpty())
            QSKIP("xsltproc is not installed (Debian package xsltproc)");
        QTemporaryDir dir;
        QFile xml(dir.filePath("report.xml")), xsl(dir.filePath(kReportStylesheetName));
        QVERIFY(xml.open(QIODevice::WriteOnly) && xml.write(report) == report.size());
        QVERIFY(xsl.open(QIODevice::WriteOnly) && xsl.write(stylesheet) == stylesheet.size());
        xml.close();
        xsl.close();
        QProcess run;
        run.start(xsltproc, {xsl.fileName(), xml.fileName()});
        QVERIFY(run.waitForFinished());
        QCOMPARE(run.exitCode(), 0);
        html = QString::fromUtf8(run.readAllStandardOutput());
    } else {
        QString error;
        QVERIFY2(transformReport(report, stylesheet, html, error), qPrintable(error));
    }

    // Every chapter and section title and every value, in order, as escaped text.
    QXmlStreamReader xml(report);
    int from = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        QString text;
        if (xml.isStartElement() && xml.name() != QLatin1String("zeile"))
            text = xml.attributes().value("titel").toString();
        else if (xml.isCharacters() && !xml.isWhitespace())
            text = xml.text().toString();
        text = text.trimmed().toHtmlEscaped().replace("&quot;", "\"");
        if (text.isEmpty())
            continue;
        const int at = html.indexOf(text, from);
        QVERIFY2(at >= 0, qPrintable("missing or out of order: " + text));
        from = at;
    }
    QVERIFY(html.contains("<th>To &lt;= 19</th>"));
}

void TestXmlReport::pdfOfTheReport()
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath("report.pdf");
    QString error;
    QVERIFY2(writeReportPdf(sampleReport(), pdf, error), qPrintable(error));
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("%PDF-"));
    // A cover page and one page per chapter at least.
    QVERIFY(bytes.count("/Type /Page\n") + bytes.count("/Type /Page ") >= 9);

    QVERIFY(!writeReportPdf(sampleReport(), dir.filePath("missing/report.pdf"), error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!writeReportPdf("<dokument>", pdf, error));
    QVERIFY2(error.contains("Premature end of data") || error.contains("dokument"), qPrintable(error));
}

QTEST_MAIN(TestXmlReport)
#include "tst_xmlreport.moc"
