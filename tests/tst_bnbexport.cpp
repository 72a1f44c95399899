// The report written by the assessment window: the Export Error box, write
// failures, the stylesheet beside the report, the PDF.
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

// Presses the given buttons of the coming message boxes in turn (Ignore when
// none is left) and keeps each box's title and text.
class BoxPresser
{
public:
    explicit BoxPresser(QList<int> answers) : answers(answers)
    {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            seen << box->windowTitle() + ": " + box->text();
            const int answer = this->answers.isEmpty() ? QMessageBox::Ignore : this->answers.takeFirst();
            box->button(QMessageBox::StandardButton(answer))->click();
        });
        timer.start(5);
    }
    QStringList seen;

private:
    QList<int> answers;
    QTimer timer;
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

// The summer radiation page computed from its start values, the winter page
// left empty; only their two chapters ticked.
void radiationChapters(ReportWindow &window)
{
    click(summerRadiationPage(window), "computeMRT");
    const QRegularExpression chapterBox("Check$");
    for (QCheckBox *box : child<QWidget>(window, "bnbForm")->findChildren<QCheckBox *>(chapterBox))
        box->setChecked(box->objectName().endsWith("RadiationCheck"));
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
    void pdfFromTheWindow();
};

void TestBnbExport::init()
{
    QTest::failOnWarning(QRegularExpression("connectSlotsByName"));
}

void TestBnbExport::errorBoxAnswers_data()
{
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<int>("boxes");
    QTest::addColumn<bool>("tickedAfter");
    QTest::newRow("Abort unticks the chapter") << QList<int>{QMessageBox::Abort} << 1 << false;
    QTest::newRow("Ignore keeps the box") << QList<int>{QMessageBox::Ignore} << 1 << true;
    QTest::newRow("Retry gathers again")
        << QList<int>{QMessageBox::Retry, QMessageBox::Retry, QMessageBox::Ignore} << 3 << true;
}

// The empty winter page fails, the computed summer page is written either way.
void TestBnbExport::errorBoxAnswers()
{
    QFETCH(QList<int>, answers);
    QFETCH(int, boxes);
    QFETCH(bool, tickedAfter);
    QTemporaryDir dir;
    ReportWindow window;
    window.fileName = dir.filePath("report.xml");
    radiationChapters(window);
    BoxPresser presser(answers);
    click(window, "exportButton");

    const QString box = "Export Error: Failed to export Winter Mean Radiant Temperatures Assessment. "
                        "Please check availability of results.";
    QCOMPARE(presser.seen, QStringList(boxes, box));
    QCOMPARE(child<QCheckBox>(window, "winterRadiationCheck")->isChecked(), tickedAfter);
    const QByteArray xml = contents(window.fileName);
    QCOMPARE(xml.count("<kapitel "), 1);
    QVERIFY(xml.contains("<kapitel nr=\"3\" typ=\"Sommer\""));
    QVERIFY(xml.contains("<zeile nr=\"1\" titel=\"Radiation asymmetry\">\n                <wert>"
                         + text(summerRadiationPage(window), "RadiationPoints").toUtf8()));

    click(window, "exportButton");   // an unticked chapter is not tried again
    QCOMPARE(presser.seen.size(), tickedAfter ? boxes + 1 : boxes);
}

void TestBnbExport::writeFailureNamesTheFile_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("Export") << "exportButton";
    QTest::newRow("Export PDF") << "exportPdfButton";
}

void TestBnbExport::writeFailureNamesTheFile()
{
    QFETCH(QString, button);
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
}

void TestBnbExport::stylesheetBesideIsKept()
{
    QTemporaryDir dir;
    ReportWindow window;
    window.fileName = dir.filePath("report.xml");
    const QString xsl = dir.filePath("BNB-Assessment.xsl");
    click(window, "exportButton");
    QCOMPARE(contents(xsl), reportStylesheet());
    QVERIFY(contents(window.fileName).endsWith("<dokument version=\"1.0\"/>\n"));

    QFile edited(xsl);
    QVERIFY(edited.open(QIODevice::WriteOnly) && edited.write("mine") == 4);
    edited.close();
    click(window, "exportButton");
    QCOMPARE(contents(xsl), "mine");
}

void TestBnbExport::pdfFromTheWindow()
{
    QTemporaryDir dir;
    ReportWindow window;
    window.fileName = dir.filePath("report.pdf");
    radiationChapters(window);
    BoxPresser presser({QMessageBox::Ignore});
    click(window, "exportPdfButton");
    QCOMPARE(presser.seen.size(), 1);
    const QByteArray pdf = contents(window.fileName);
    QVERIFY(pdf.startsWith("%PDF-"));
    QCOMPARE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page "), 2);   // title page, one chapter
}

QTEST_MAIN(TestBnbExport)
#include "tst_bnbexport.moc"
