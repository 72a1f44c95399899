// The report's XML rows, the whole document against a hand-written sample, translated
// titles, the stylesheet's HTML and the PDF.
#include "report/reportpdf.h"
#include "report/xmlreport.h"

#include <QtTest>

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

// "v1".."vn" as gathered values.
vstring values(const char *prefix, int n)
{
    vstring v;
    for (int i = 1; i <= n; ++i)
        v.push_back(prefix + std::to_string(i));
    return v;
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
    HumidityLists humidity{values("b", 7), values("c", 6), values("rh", 11),
                           {"up", "up%"}, {"low", "low%"}, {"2"}};
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

}

class TestXmlReport : public QObject
{
    Q_OBJECT
private slots:
    void rowSpan_data()
    {
        QTest::addColumn<int>("sp");
        QTest::addColumn<QString>("value");   // as written
        QTest::newRow("sp 0 is no span") << 0 << "<wert>a</wert>";
        QTest::newRow("sp 1 on every value") << 1 << "<wert sp=\"1\">a</wert>";
        QTest::newRow("sp 3") << 3 << "<wert sp=\"3\">a</wert>";
    }
    // No chapter spans its values (the document below has no sp); the row writer does from 1 on.
    void rowSpan()
    {
        QFETCH(int, sp);
        QFETCH(QString, value);
        QString out;
        QXmlStreamWriter xml(&out);
        writeXmlRow(xml, 7, "", {"a", "a"}, sp);
        QCOMPARE(out, "<zeile nr=\"7\">" + value + value + "</zeile>");
    }

    // The expected document (tests/data/report_sample.xml) was written by hand from the
    // chapter tables: every name, attribute order, row number, one-space title and row without
    // title, section 4.1's two header rows, 2.5 in the summer draft chapter, no sp.
    void documentFollowsChapterTables()
    {
        QFile file(QFINDTESTDATA("data/report_sample.xml"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(sampleReport()).split('\n'), QString::fromUtf8(file.readAll()).split('\n'));
    }

    void translatorSparesOneSpaceAndFormatWords()
    {
        QString out;
        QXmlStreamWriter xml(&out);
        const ReportTranslator upper = [](const char *s) { return QString::fromUtf8(s).toUpper(); };
        writeSummerDraft(xml, {{"Ja"}, {"Nein"}, {}, {}, {}}, upper);
        writeSummerMrt(xml, {}, upper);
        QVERIFY(out.startsWith("<kapitel nr=\"2\" typ=\"Sommer\" titel=\"DRAFT: SUMMER\">"
                               "<abschnitt nr=\"2.1\" titel=\"TYPE OF AIR SUPPLY SYSTEM\">"
                               "<zeile nr=\"1\" titel=\"MECHANICAL VENTILATION\"><wert>Ja</wert>"));
        QVERIFY(out.contains("<zeile nr=\"0\" titel=\" \"><wert>WIDTH (W): XP</wert>"));
        QVERIFY(out.contains("<zeile nr=\"1\" titel=\"FRONT WALL\"/>"));   // a missing entry is an empty row
    }

    // Through libxslt inside the program, the engine of xsltproc and of the browsers that
    // open the report with the stylesheet beside it.
    void stylesheetShowsEveryTitleAndValue()
    {
        const QByteArray report = sampleReport();
        QString html, error;
        QVERIFY2(transformReport(report, reportStylesheet(), html, error), qPrintable(error));
        // Every title and every value, in order, as escaped text.
        QXmlStreamReader xml(report);
        int from = 0;
        while (!xml.atEnd()) {
            xml.readNext();
            QString text = xml.isStartElement() ? xml.attributes().value("titel").toString() : xml.text().toString();
            text = text.trimmed().toHtmlEscaped().replace("&quot;", "\"");
            if (text.isEmpty())
                continue;
            const int at = html.indexOf(text, from);
            QVERIFY2(at >= 0, qPrintable("missing or out of order: " + text));
            from = at;
        }
        QVERIFY(html.contains("<th>To &lt;= 19</th>"));
    }

    void pdfOfTheReport()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath("report.pdf");
        QString error;
        QVERIFY2(writeReportPdf(sampleReport(), pdf, error), qPrintable(error));
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("%PDF-"));
        QCOMPARE(bytes.count("/Type /Page\n"), 9);   // a title page, then one page per chapter

        QVERIFY(!writeReportPdf("<dokument>", pdf, error));
        QVERIFY2(error.contains("Premature end of data") || error.contains("dokument"), qPrintable(error));
    }
};

QTEST_MAIN(TestXmlReport)
#include "tst_xmlreport.moc"
