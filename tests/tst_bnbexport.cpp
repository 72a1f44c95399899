// The report written by the assessment window: the Export Error box, the XML and
// the PDF written or their failure named, the stylesheet beside the report.
#include "report/bnbmenuform.h"
#include "report/reportpdf.h"

#include "messagecatcher.h"
#include "widgetlookup.h"

#include <QtTest>

namespace {

class ReportWindow : public bnbMenuForm
{
public:
    ReportWindow() : bnbMenuForm(nullptr) {}
    QString fileName;

protected:
    QString askReportFileName(const QString &, const QString &) override { return fileName; }
};

QByteArray contents(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QWidget &summerRadiationPage(QWidget &window)
{
    for (QTabWidget *tabs : window.findChildren<QTabWidget *>()) {
        if (tabs->count() == 2 && tabs->widget(1)->inherits("mrtForm"))
            return *tabs->widget(1);
    }
    qFatal("no summer radiation page");
}

}

class TestBnbExport : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void errorBoxAnswers_data();
    void errorBoxAnswers();
    void writeFailureNamesTheFile_data();
    void writeFailureNamesTheFile();
    void stylesheetBesideIsKept();
};

void TestBnbExport::init()
{
    QTest::failOnWarning(QRegularExpression("connectSlotsByName"));
}

void TestBnbExport::errorBoxAnswers_data()
{
    using Answers = QList<QMessageBox::StandardButton>;
    QTest::addColumn<Answers>("answers");
    QTest::addColumn<bool>("tickedAfter");
    QTest::newRow("Abort unticks the chapter") << Answers{QMessageBox::Abort} << false;
    QTest::newRow("Ignore keeps the box") << Answers{QMessageBox::Ignore} << true;
    QTest::newRow("Retry gathers again")
        << Answers{QMessageBox::Retry, QMessageBox::Retry, QMessageBox::Ignore} << true;
}

// Only the two radiation chapters ticked: the empty winter page fails, the
// summer page computed from its start values is written either way.
void TestBnbExport::errorBoxAnswers()
{
    QFETCH(QList<QMessageBox::StandardButton>, answers);
    QFETCH(bool, tickedAfter);
    QTemporaryDir dir;
    ReportWindow window;
    window.fileName = dir.filePath("report.xml");
    click(summerRadiationPage(window), "computeMRT");
    for (QCheckBox *box : child<QWidget>(window, "bnbForm")->findChildren<QCheckBox *>())
        box->setChecked(box->objectName().endsWith("RadiationCheck"));
    MessageCatcher catcher;
    catcher.answers = answers;
    click(window, "exportButton");

    QCOMPARE(catcher.count, answers.size());
    QCOMPARE(catcher.title, "Export Error");
    QCOMPARE(catcher.text, "Failed to export Winter Mean Radiant Temperatures Assessment. "
                           "Please check availability of results.");
    QCOMPARE(child<QCheckBox>(window, "winterRadiationCheck")->isChecked(), tickedAfter);
    const QByteArray xml = contents(window.fileName);
    QCOMPARE(xml.count("<kapitel "), 1);
    QVERIFY(xml.contains("<kapitel nr=\"3\" typ=\"Sommer\""));
    QVERIFY(xml.contains("<zeile nr=\"1\" titel=\"Radiation asymmetry\">\n                <wert>"
                         + text(summerRadiationPage(window), "RadiationPoints").toUtf8()));

    click(window, "exportButton");   // an unticked chapter is not tried again
    QCOMPARE(catcher.count, answers.size() + (tickedAfter ? 1 : 0));
}

void TestBnbExport::writeFailureNamesTheFile_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QByteArray>("head");   // of the file written when the folder exists
    QTest::addColumn<QByteArray>("page");
    QTest::newRow("Export") << "exportButton" << QByteArray("<?xml") << QByteArray("<dokument version");
    QTest::newRow("Export PDF") << "exportPdfButton" << QByteArray("%PDF-") << QByteArray("/Type /Page\n");
}

void TestBnbExport::writeFailureNamesTheFile()
{
    QFETCH(QString, button);
    QFETCH(QByteArray, head);
    QFETCH(QByteArray, page);
    QTemporaryDir dir;
    ReportWindow window;
    MessageCatcher catcher;
    click(window, button);   // a cancelled dialog does nothing
    QCOMPARE(catcher.count, 0);

    window.fileName = dir.filePath("missing/report");
    click(window, button);
    QCOMPARE(catcher.count, 1);
    const QString named = "Cannot write file " + QDir::toNativeSeparators(window.fileName) + ":\n";
    QVERIFY2(catcher.text.startsWith(named), qPrintable(catcher.text));
    QVERIFY(!QFileInfo::exists(dir.filePath("missing")));

    window.fileName = dir.filePath("report");
    click(window, button);
    QCOMPARE(catcher.count, 1);
    const QByteArray written = contents(window.fileName);
    QVERIFY(written.startsWith(head) && written.contains(page));
}

void TestBnbExport::stylesheetBesideIsKept()
{
    QTemporaryDir dir;
    ReportWindow window;
    window.fileName = dir.filePath("report.xml");
    const QString xsl = dir.filePath("BNB-Assessment.xsl");
    click(window, "exportButton");
    QCOMPARE(contents(xsl), reportStylesheet());

    QFile edited(xsl);
    QVERIFY(edited.open(QIODevice::WriteOnly) && edited.write("mine") == 4);
    edited.close();
    click(window, "exportButton");
    QCOMPARE(contents(xsl), "mine");
}

QTEST_MAIN(TestBnbExport)
#include "tst_bnbexport.moc"
