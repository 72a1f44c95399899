// The BNB assessment window: data page, pages and charts fed by Compute, gathering and report export, room
// files saved and opened (the window's report is the core's report of the same room); saving a chart, the
// comfort scatter's density, the PPD chart.
#include "report/bnbmenuform.h"

#include "app/lastfolder.h"
#include "app/resulttext.h"
#include "assessment/bnbform.h"
#include "assessment/comfortscatterchart.h"
#include "assessment/humidity.h"
#include "assessment/humidityform.h"
#include "assessment/simulationimportdialog.h"
#include "assessment/summerbnbform.h"
#include "comfort/delimitedtext.h"
#include "comfort/pmvform.h"
#include "radiant/mrtform.h"
#include "report/reportpdf.h"
#include "report/assessmenttexts.h"
#include "report/roomfile.h"
#include "messagecatcher.h"
#include "widgetlookup.h"

#include <QtCharts>
#include <QtTest>

#include <memory>

namespace {

QString joined(const vstring &v)
{
    QStringList texts;
    for (const std::string &s : v)
        texts << QString::fromStdString(s);
    return texts.join('|');
}

// Row 0 of the page's tables (of all when `table` is empty), then the fields, as shown.
QStringList shown(QWidget &page, const QStringList &fields = {"pointsField"}, const QString &table = {})
{
    QStringList texts;
    for (QTableWidget *t : page.findChildren<QTableWidget *>(table))
        for (int c = 0; c < t->columnCount(); ++c)
            texts << (t->item(0, c) ? t->item(0, c)->text() : "<none>");
    for (const QString &f : fields)
        texts << text(page, f);
    return texts;
}

// Rows of the form's table, cells joined by "|"; a cell never filled is empty.
QStringList tableRows(QWidget &form, int first, int count)
{
    auto *t = child<QTableWidget>(form, "tableWidget");
    QStringList texts;
    for (int r = first; r < std::min(t->rowCount(), first + count); ++r) {
        QStringList cells;
        for (int c = 0; c < t->columnCount(); ++c)
            cells << (t->item(r, c) ? t->item(r, c)->text() : QString());
        texts << cells.join('|');
    }
    return texts;
}

// A winter or summer page's cells as the core's array gives them at data interval dt.
QStringList expectedCells(const ResultArray &r, double dt)
{
    QStringList texts;
    for (int c = 0; c <= 8; ++c)
        texts << resultText(r[c] * dt, 1);
    return texts << resultText(r[9] * dt, 1) << resultText(r[9] / r[8] * 100, 1) << resultText(r[11] * dt, 1);
}

// Tab `inner` of the outer tab `outer`; -1: the outer tab itself.
QWidget &tab(QWidget &window, int outer, int inner = -1)
{
    auto *tabs = qobject_cast<QTabWidget *>(window.layout()->itemAt(0)->widget());
    return inner < 0 ? *tabs->widget(outer) : *qobject_cast<QTabWidget *>(tabs->widget(outer))->widget(inner);
}

void chooseModel(QWidget &form, int index, const QString &region = {})
{
    auto *box = child<QComboBox>(form, "modelSelectBox");
    box->setCurrentIndex(index);
    emit box->textActivated(box->currentText());
    if (!region.isEmpty())
        click(form, region);
}

ResultArray results(const bnbForm &data, bool summer = true)
{
    ResultArray r{};
    summer ? data.getSummerResults(r.data()) : data.getWinterResults(r.data());
    return r;
}

// The points of every series whose name starts with `prefix`.
QList<QPointF> pointsOf(QChartView *view, const QString &prefix)
{
    QList<QPointF> points;
    for (QAbstractSeries *s : view->chart()->series())
        if (auto *xy = qobject_cast<QXYSeries *>(s); xy && s->name().startsWith(prefix))
            points << xy->points();
    return points;
}

// Hours of each bar (within + outside) with 1 decimal; the bars drawn in the warning colour.
QStringList barsOf(QChartView *view, QList<int> *outside = nullptr)
{
    auto *stacked = qobject_cast<QAbstractBarSeries *>(view->chart()->series().first());
    const QBarSet *in = stacked->barSets().at(0), *out = stacked->barSets().at(1);
    QStringList hours;
    for (int i = 0; i < in->count(); ++i) {
        hours << resultText(in->at(i) + out->at(i), 1);
        if (outside && out->at(i) > 0)
            *outside << i;
    }
    return hours;
}

QByteArray contents(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The data page and the window, their file dialogs answered by the test.
class FileForm : public bnbForm
{
public:
    FileForm() : bnbForm(nullptr) {}
    QString askOpenFileName() override { return openName; }
    QString askSaveFileName() override { return saveName; }
    QString openName, saveName;
};

// Opens a file dialog by `open` and answers it with `file` (empty: cancelled); returns the folder the
// dialog opened in, empty when none opened. A button's key clicks it a moment later.
QString answerFileDialog(const std::function<void()> &open, const QString &file)
{
    QString folder;
    bool answered = false;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
            timer.stop();
            answered = true;
            folder = dialog->directory().absolutePath();
            if (file.isEmpty())
                return dialog->reject();
            dialog->selectFile(file);
            static_cast<QDialog *>(dialog)->accept();   // QFileDialog hides it
        }
    });
    timer.start(5);
    open();
    for (int wait = 0; wait < 100 && !answered; ++wait)
        QTest::qWait(10);
    return folder;
}

class ReportWindow : public bnbMenuForm
{
public:
    ReportWindow() : bnbMenuForm(nullptr) {}
    QString askReportFileName(const QString &, const QString &) override { return fileName; }
    QString askRoomFileName(bool) override { return roomName; }
    QString fileName, roomName;
};

// The report the window exports now.
QByteArray exported(ReportWindow &window, const QString &fileName)
{
    window.fileName = fileName;
    click(window, "exportButton");
    return contents(fileName);
}

// The core's report of a room file: read, its year read, assessed and written, titles and words translated
// as the window translates them.
QByteArray coreReport(const QString &roomFile)
{
    const Room room = *readRoomFile(roomFile).room;
    const YearFileRead year = readYearFile(roomDataPath(roomFile, room), room.year.headerLines,
                                           separatorText(room.year.separator));
    const RoomAssessment a = assessRoom(room, yearSeriesFromRows(year.rows));
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    writeRoomReport(xml, a, bnbMenuForm::reportText, assessmentWords());
    return bytes;
}


// A year of hourly records from 01.01. 1:00 (hour ending) as a weather file and as an EnergyPlus CSV with two zones,
// a design day before its run period; record `hole` of zone B left empty.
void writeSimulationYear(const QString &epw, const QString &csv, int hole = -1)
{
    const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    QByteArray weather = "LOCATION,Musterstadt,NW,DEU,test,000000,51.5,7.5,1.0,90.0\nDESIGN CONDITIONS,0\n"
                         "TYPICAL/EXTREME PERIODS,0\nGROUND TEMPERATURES,0\nHOLIDAYS/DAYLIGHT SAVINGS,No,0,0,0\n"
                         "COMMENTS 1,test\nCOMMENTS 2,test\nDATA PERIODS,1,1,Data,Thursday, 1/ 1,12/31\n";
    QByteArray sim = "Date/Time,Environment:Site Outdoor Air Drybulb Temperature [C](Hourly),"
                     "ZONE A:Zone Operative Temperature [C](Hourly),ZONE B:Zone Operative Temperature [C](Hourly)\n";
    for (int h = 1; h <= 24; ++h)
        sim += QStringLiteral(" 07/21  %1:00:00,30.0,27.0,28.0\n").arg(h, 2, 10, QLatin1Char('0')).toLatin1();
    int record = 0;
    for (int m = 1; m <= 12; ++m)
        for (int d = 1; d <= days[m - 1]; ++d)
            for (int h = 1; h <= 24; ++h, ++record) {
                const double t = 9 + 10 * std::sin((record - 2500) * 2 * M_PI / 8760) + 4 * std::sin((h - 9) * M_PI / 12);
                weather += QStringLiteral("2015,%1,%2,%3,60,?9?9,%4,5.0,%5,100600,0,0,340,0,0,0,0,0,0,0,210,2.7,3,2,777.7,"
                                          "77777,9,999999999,22,0.1,0,88,0.2,0.0,0.0\n")
                               .arg(m).arg(d).arg(h).arg(t, 0, 'f', 1).arg(int(70 - t)).toLatin1();
                sim += QStringLiteral(" %1/%2  %3:00:00,%4,%5,%6\n").arg(m, 2, 10, QLatin1Char('0')).arg(d, 2, 10, QLatin1Char('0'))
                           .arg(h, 2, 10, QLatin1Char('0')).arg(t, 0, 'f', 2).arg(21 + t / 5, 0, 'f', 2)
                           .arg(record == hole ? QString() : QString::number(22 + t / 4, 'f', 2)).toLatin1();
            }
    for (const auto &[name, bytes] : {std::pair(epw, weather), {csv, sim}}) {
        QFile f(name);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    }
}

}

class TestBnbMenuForm : public QObject
{
    Q_OBJECT
    // One window on examples/sample_year.csv (the year a new user tries first), each record twice as
    // half-hour records; computed once, shared by the tests that only read it.
    std::unique_ptr<bnbMenuForm> window;

    bnbForm &data() { return static_cast<bnbForm &>(tab(*window, 0)); }
    // What the window shows: operative temperature and winter humidity pages, the table's top.
    QStringList pages()
    {
        return shown(tab(*window, 1, 0)) + shown(tab(*window, 1, 1)) + shown(tab(*window, 4, 1), {"FreqUp"})
               + tableRows(data(), 0, 2);
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);   // the file dialogs' folders: not in the user's settings
        QCoreApplication::setOrganizationName("KlimaroTest");
        QSettings().clear();
        QTextStream in(contents(QFINDTESTDATA("../examples/sample_year.csv")));
        QStringList lines;
        for (const QStringList &record : readDelimitedRows(in, 1, ";").rows)
            for (int copy = 0; copy < 2; ++copy)
                lines << record.join('\t');
        window = std::make_unique<bnbMenuForm>(nullptr);
        QApplication::clipboard()->setText(lines.join('\n'));
        child<QTableWidget>(data(), "tableWidget")->setRangeSelected(QTableWidgetSelectionRange(0, 0, 0, 0), true);
        data().actions().at(1)->trigger();   // paste
        QCOMPARE(child<QTableWidget>(data(), "tableWidget")->rowCount(), 17520);
        setText(data(), "dataIntervalHour", "0,5");
        MessageCatcher catcher;
        click(data(), "compButton");
        QCOMPARE(catcher.count, 0);   // 17,520 records of 0.5 h: one year
        QVERIFY(data().lastComputeOk() && enabled(data(), "writeButton"));
    }
    void init() { QTest::failOnWarning(QRegularExpression("connectSlotsByName")); }

    // Before Compute: no Compute, no Write, climate regions for DIN 4108-2 only; empty pages, the humidity
    // Compute asks for the year data, every gathering for the report is refused. The report export cancelled:
    // nothing; a missing folder is named, not created. The stylesheet beside the XML, kept once there (the
    // user's own edit); the PDF. Radiation chapters ticked: the empty winter page fails, the computed summer
    // page is written each time; Retry gathers again, Ignore keeps the box, Abort unticks it, then no more tries.
    void newWindowAndReportExport()
    {
        QTemporaryDir dir;
        ReportWindow report;
        QWidget &start = tab(report, 0);
        QVERIFY(!enabled(start, "compButton") && !enabled(start, "writeButton") && !enabled(start, "regionCheckA"));
        for (int model : {3, 1}) {
            chooseModel(start, model);
            QCOMPARE(enabled(start, "regionCheckB"), model == 3);
        }
        QCOMPARE(shown(tab(report, 1, 0)), QStringList(12, "<none>") << "");
        MessageCatcher catcher;
        click(report, "computeHumid");
        QVERIFY2(catcher.text.contains("computed first"), qPrintable(catcher.text));
        QVERIFY(!child<QTableWidget>(tab(report, 4, 0), "tableWidget")->item(0, 0) && !enabled(tab(report, 4, 0), "writeButton"));
        vstring rest;
        QVERIFY(!report.getWinterHumidityAssessment(rest, rest, rest, rest, rest, rest));
        QVERIFY(!report.getWinterOperativeTemperatureAssessment(rest, rest, rest));
        QVERIFY(!report.getSummerOperativeTemperatureAssessment(rest, rest, rest, rest, rest));

        for (const QString button : {"exportButton", "exportPdfButton"}) {
            report.fileName.clear();
            click(report, button);
            report.fileName = dir.filePath("missing/" + button);
            click(report, button);
            QVERIFY2(catcher.text.startsWith("Cannot write file " + QDir::toNativeSeparators(report.fileName) + ":\n"), qPrintable(catcher.text));
            report.fileName = dir.filePath(button);
            click(report, button);
        }
        QCOMPARE(catcher.count, 3);   // with the humidity Compute's
        QVERIFY(!QFileInfo::exists(dir.filePath("missing")));
        QVERIFY(contents(dir.filePath("exportPdfButton")).startsWith("%PDF-"));
        QFile xsl(dir.filePath("BNB-Assessment.xsl"));
        QCOMPARE(contents(xsl.fileName()), reportStylesheet());
        QVERIFY(xsl.open(QIODevice::WriteOnly) && xsl.write("mine") == 4 && xsl.flush());

        report.fileName = dir.filePath("report.xml");
        click(tab(report, 3, 1), "computeMRT");
        for (QCheckBox *box : tab(report, 0).findChildren<QCheckBox *>())
            box->setChecked(box->objectName().endsWith("RadiationCheck"));
        catcher.answers = {QMessageBox::Retry, QMessageBox::Ignore, QMessageBox::Abort};
        for (const auto &[boxes, ticked] : {std::pair(5, true), {6, false}, {6, false}}) {
            click(report, "exportButton");
            QCOMPARE(catcher.count, boxes);
            QCOMPARE(child<QCheckBox>(report, "winterRadiationCheck")->isChecked(), ticked);
            const QByteArray xml = contents(report.fileName);
            QCOMPARE(xml.count("<kapitel nr=\"3\" typ=\"Sommer\""), xml.count("<kapitel "));
            QVERIFY(xml.contains("<zeile nr=\"1\" titel=\"Radiation asymmetry\">\n                <wert>"
                                 + text(tab(report, 3, 1), "RadiationPoints").toUtf8()));
        }
        QCOMPARE(catcher.title + ": " + catcher.text, "Export Error: Failed to export Winter Mean Radiant "
                                                      "Temperatures Assessment. Please check availability of results.");
        QCOMPARE(contents(xsl.fileName()), "mine");
    }

    // The data page alone: import with header lines and separator, a decimal comma kept; a file the page cannot use
    // (shorter than its header, empty, binary, a header read as a record, no number at all) is named and keeps the
    // table. Compute refuses a cell without a number; data that are not one year are computed with a warning
    // that says what they cover; the year written as computed.
    void dataPageAlone()
    {
        QTemporaryDir dir;
        FileForm form;
        QFile file(form.openName = dir.filePath("year.csv"));
        MessageCatcher catcher;
        for (const auto &[bytes, entries, message] :
             {std::tuple(QByteArray("a b\n1,5  2 x 4\n"), QStringList{"dataSkipLines=1", "csvcomboBox=2"}, QString()),
              {"a\n", {"dataSkipLines=2"}, "holds 1 lines, fewer than the 2 header lines"},
              {"", {"dataSkipLines=1"}, "is empty."},
              {QByteArray("\x00\x01\x02 binary", 10), {}, "is no text file"},
              {"Ta RH To\n1 2 3\n", {"dataSkipLines=0"},
               "holds no number in any cell: it looks like a header. Set \"No. of header lines\" to skip it (now 0)."},
              {"a\nb c\n", {"dataSkipLines=1"}, "holds no line with a number after its 1 header lines."}}) {
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
            file.close();
            enter(form, entries);
            catcher.text.clear();
            click(form, "readPreviewButton");
            QCOMPARE(tableRows(form, 0, 2), QStringList{"1,5|2|x"});
            QVERIFY2(message.isEmpty() ? catcher.text.isEmpty() : catcher.text.contains(message), qPrintable(catcher.text));
        }
        click(form, "compButton");
        QVERIFY2(catcher.text.startsWith("1 cells of the year data hold no number (empty, or text without a numeric prefix), "
                                         "so nothing was computed.\nFirst: row 1, "), qPrintable(catcher.text));
        QVERIFY(!form.lastComputeOk() && !enabled(form, "writeButton"));

        const QByteArray year = contents(QFINDTESTDATA("../examples/sample_year.csv"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(year + year.mid(year.indexOf('\n') + 1)) > 0);
        file.close();
        enter(form, {"csvcomboBox=0"});
        click(form, "readPreviewButton");
        click(form, "compButton");
        QCOMPARE(catcher.text, "The data cover 17520 h (17520 records of 1 h) from 01.01.2011 0:00 to 31.12.2012 23:00, not "
                               "one year of 8,760 h (8,784 h in a leap year). The results count these hours.");
        QVERIFY(form.lastComputeOk());
        form.saveName = dir.filePath("bnbout.csv");
        click(form, "writeButton");
        QCOMPARE(contents(form.saveName).split('\n').at(5000), "21.00,82.00,24.37");   // 28.07.
        const auto headers = [&form] {   // Clear gives the empty table the headers of a new page
            QStringList texts;
            auto *t = child<QTableWidget>(form, "tableWidget");
            for (int c = 0; c < t->columnCount(); ++c)
                texts << t->horizontalHeaderItem(c)->text();
            return texts.join('|');
        };
        click(form, "clearButton");
        QCOMPARE(headers(), "Outdoor\ntemperature\nTa (°C)|Outdoor\nhumidity\nRH (%)|Indoor\ntemperature\nTo (°C)");
    }

    void everyModelReachesPagesAndCharts_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("region");   // SummerRegion, ticked as regionCheckA, B, C
        QTest::addColumn<QString>("selection");   // gathered for the report
        QTest::addColumn<QList<int>>("bandsAbove");   // of the summer band chart, in the warning colour
        QTest::addColumn<QString>("limit");   // the picture's limit line as the legend names it, left to right
        QTest::addColumn<QString>("degreeHours");   // on the summer page: the model's own array
        QTest::addColumn<QString>("readOff");   // the scatter's limit read off at x = 20 °C
        QTest::addColumn<QString>("categories");   // hours I, II, III, beyond, not valid, total; adaptive only
        QTest::newRow("26 °C") << 0 << 0 << "26 °C|N/A" << QList<int>{3, 4, 5, 6, 7} << "Limit 26 °C: 26 26" << "107.6" << "" << "";
        QTest::newRow("adaptive") << 1 << 0 << "Adaptive model (DIN EN 15251)|N/A" << QList<int>{7} << "Limit Θc + 3 K: 25.1 25.1 31.7"
                                  << "16.7" << "Upper limit of category II at Θrm 20.0 °C: 28.40 °C" << "756.0|159.0|84.0|121.0|180.0|1300.0";
        QTest::newRow("national annex") << 2 << 0 << "National annex (DIN EN 15251)|N/A" << QList<int>{5, 6, 7} << "Limit: 24 24 28 28"
                                        << "45.6" << "Limit of the national annex at Te 20.0 °C: 25.00 °C" << "";
        QTest::newRow("DIN A") << 3 << 1 << "DIN 4108-2|Summer Region A" << QList<int>{2, 3, 4, 5, 6, 7} << "Limit 25 °C: 25 25" << "218.4" << "" << "";
        QTest::newRow("DIN B") << 3 << 2 << "DIN 4108-2|Summer Region B" << QList<int>{3, 4, 5, 6, 7} << "Limit 26 °C: 26 26" << "107.6" << "" << "";
        QTest::newRow("DIN C") << 3 << 3 << "DIN 4108-2|Summer Region C" << QList<int>{4, 5, 6, 7} << "Limit 27 °C: 27 27" << "50.9" << "" << "";
    }
    // Pages = the data page's arrays in hours; the summer page's points follow the compliance box both ways. Band charts = the pages' hours; the picture (new each Compute) fits the model,
    // its limit a line of its own in the legend, read off where the pointer rests; under the adaptive
    // scatter its hours per category, adding up to the summer working hours.
    void everyModelReachesPagesAndCharts()
    {
        QFETCH(int, model);
        QFETCH(int, region);
        chooseModel(*window, model, region ? QString("regionCheck") + QChar('A' + region - 1) : QString());
        click(*window, "compButton");
        const ResultArray w = results(data(), false), s = results(data());
        QWidget &winter = tab(*window, 1, 0), &summer = tab(*window, 1, 1);
        QCOMPARE(shown(winter), expectedCells(w, 0.5) << resultText(w[12], 1));
        const bool din = model == 3, adaptive = model == 1;
        QFETCH(QString, categories);   // emptied for another model
        const QStringList hours = adaptive ? categories.split('|') : QStringList(6, "<none>");
        QCOMPARE(shown(summer), expectedCells(s, 0.5) + hours << (din ? "complied" : "0"));   // every region below 500 K·h
        QCOMPARE(child<QTableWidget>(summer, "adaptiveCategories")->isVisibleTo(&summer), adaptive);
        if (adaptive)
            QCOMPARE(hours.last(), expectedCells(s, 0.5).at(8));   // the summer working hours
        const QString justified = s[15] < 9.9991 ? "10" : resultText(s[15], 1);
        for (bool ticked : {true, false}) {
            child<QCheckBox>(summer, "checkBoxJustify")->setChecked(ticked);
            QCOMPARE(text(summer, "pointsField"), din ? "complied" : ticked ? justified : "0");
        }
        // Rows with two decimals, the adaptive model's running mean beside them (999 before day 16); 28.07. second.
        QCOMPARE(tableRows(data(), 0, 1) + tableRows(data(), 10000, 1),
                 adaptive ? QStringList({"-1.30|96.00|20.16|999.00", "21.00|82.00|24.37|22.20"})
                          : QStringList({"-1.30|96.00|20.16", "21.00|82.00|24.37"}));
        if (adaptive)
            QCOMPARE(child<QTableWidget>(data(), "tableWidget")->horizontalHeaderItem(3)->text(), "Mean (EN)");
        vstring selection, time, rest, operative;
        QVERIFY(window->getSummerOperativeTemperatureAssessment(selection, time, rest, rest, rest));
        QTEST(joined(selection), "selection");
        QCOMPARE(joined(time), "8:00 h|18:00 h|no");
        QVERIFY(window->getWinterOperativeTemperatureAssessment(operative, operative, operative));
        QCOMPARE(joined(operative).section('|', 0, 8), shown(winter, {}).mid(0, 9).join('|'));

        QList<int> winterAbove, summerAbove;
        QCOMPARE(barsOf(child<QChartView>(winter, "winterBandChart"), &winterAbove)
                     + barsOf(child<QChartView>(summer, "summerBandChart"), &summerAbove),
                 shown(winter, {}, "winterDistribution").mid(0, 8) + shown(summer, {}, "summerDistribution").mid(0, 8));
        QCOMPARE(winterAbove, QList<int>({1}));   // 0 h below 19 °C, hours in 19-20 °C
        QTEST(summerAbove, "bandsAbove");
        auto *picture = qobject_cast<QChartView *>(child<QStackedWidget>(summer, "")->currentWidget());
        QVERIFY(picture->isVisibleTo(&summer));
        QList<QAbstractSeries *> limits;
        for (QAbstractSeries *s : picture->chart()->series())
            if (s->name().startsWith("Limit"))
                limits << s;
        QCOMPARE(limits.size(), 1);
        QStringList limit{limits[0]->name() + ':'};
        for (const QPointF &p : pointsOf(picture, "Limit"))
            limit << QString::number(p.y());
        QTEST(limit.join(' '), "limit");
        if (auto *scatter = qobject_cast<ComfortScatterChart *>(picture)) {
            auto *line = qobject_cast<QLineSeries *>(limits[0]);
            emit line->hovered(QPointF(20, 0), true);
            QTEST(scatter->limitReadOff(), "readOff");
            emit line->hovered(QPointF(20, 0), false);
            QCOMPARE(scatter->limitReadOff(), QString());
        }

        // The picture's hours or degree hours above the limit are the page's.
        const QStringList quality = shown(summer, {}, "summerQuality");
        QTEST(quality[2], "degreeHours");
        QCOMPARE(picture->objectName(), adaptive || model == 2 ? "summerScatterChart" : "summerDurationChart");
        if (picture->objectName() == "summerScatterChart") {
            QCOMPARE(resultText(pointsOf(picture, "Above").size() * 0.5, 1), quality[0]);
            QCOMPARE(pointsOf(picture, "Within").size() + pointsOf(picture, "Above").size()
                         + pointsOf(picture, "Not valid").size(), int(s[8]));   // the summer working rows
        } else {
            QCOMPARE(picture->chart()->series().first()->name(), quality[2] + " K·h above");
            QCOMPARE(pointsOf(picture, "To").size(), int(s[8]) + 1);
        }
    }

    // The sample year through the humidity calculator's defaults: the hourly table, both pages (hours = records
    // × 0.5 h), their hours as bars; the gathered lists and the CSV file are the texts shown.
    void humidity()
    {
        auto &calculator = static_cast<humidityForm &>(tab(*window, 4, 0));
        HumidityInput in;   // the disabled spring fields keep "-": not given
        in.springAirChange = in.springRecovery = 9.0;
        QVERIFY(calculator.readInput(in));
        QVERIFY(!in.springAirChange && !in.springRecovery);
        click(*window, "computeHumid");
        QCOMPARE(tableRows(calculator, 0, 1) + tableRows(calculator, 17519, 1),
                 QStringList({"-1.30|96.00|4.25|0.00333|1.50|0.20|20.16|50.90|0.0075130|8.91",
                              "3.10|96.00|5.75|0.00459|1.50|0.20|15.54|42.95|0.0047616|5.74"}));
        QCOMPARE(child<QLabel>(tab(*window, 4, 2), "labelIndoorHumidity")->text(), "Indoor  Humidity: Summer");
        for (bool inSummer : {false, true}) {
            QWidget &page = tab(*window, 4, inSummer ? 2 : 1);
            const QStringList cells = shown(page, {"FreqUp", "FreqUpPercent", "FreqLow", "FreqLowPercent", "PointHumid"},
                                            inSummer ? "tableAHin" : "tableRHin");
            QCOMPARE(cells.join(' '), inSummer ? "0.0 0.0 163.5 477.0 421.5 161.5 58.5 13.5 4.5 0.0 1300.0 76.5 5.9 0.0 0.0 10.0"
                                               : "0.0 26.5 517.0 468.5 234.0 43.0 11.0 0.0 0.0 0.0 1300.0 0.0 0.0 231.5 17.8 0.0");
            vstring c1, c2, all{"kept"};
            QVERIFY(inSummer ? window->getSummerHumidityAssessment(c1, c2, all, all, all, all)
                             : window->getWinterHumidityAssessment(c1, c2, all, all, all, all));
            QCOMPARE(joined(all), "kept|" + cells.join('|'));
            QCOMPARE(joined(c1) + " / " + joined(c2), "108|0.2|2|-|2|3|0 / 0|1|0|-|0|100000");   // the room
            for (const QString chart : {"rhChart", "xChart"})   // the ten bands
                QCOMPARE(barsOf(child<QChartView>(page, chart)),
                         shown(page, {}, chart == "rhChart" ? "tableRHin" : "tableAHin").mid(0, 10));
            QCOMPARE(pointsOf(child<QChartView>(page, "rhChart"), "Lower limit").first().x(), 2.0);
            QCOMPARE(pointsOf(child<QChartView>(page, "xChart"), "Upper limit").first().x(), 5.5);
        }

        QTemporaryDir dir;
        const QString name = dir.filePath("humidity_out.csv");
        QVERIFY(calculator.writeCsv(name));
        const QStringList lines = QString::fromUtf8(contents(name)).split('\n');
        QCOMPARE(lines.size(), 17523);
        QCOMPARE(lines[0], "Humidity output generated by Klimaro v0.3");
        QCOMPARE(lines[1], "Ta_out(°C);RH_out(%);AH_out[g/m³];AH_ratio_out[kg/kg];Mprod[g/h];ACH(1/h);"
                           "Ta_in(°C);RH_in(%);AH_ratio_in[kg/kg];AH_in[g/m³];");
        QCOMPARE(lines[2], tableRows(calculator, 0, 1)[0].replace('|', ';') + ';');
        MessageCatcher messages;
        QVERIFY(!calculator.writeCsv(dir.filePath("missing/humidity_out.csv")));
        QVERIFY2(messages.text.startsWith("Cannot write file " + QDir::toNativeSeparators(dir.filePath("missing"))), qPrintable(messages.text));
    }

    // Draught: mechanical ventilation opens a season's groups; winter on it alone, summer with window ventilation
    // too. Radiation: a window in the summer front wall only, its temperature beside the wall's, others "Not defined".
    void draughtAndRadiation()
    {
        QVERIFY(!enabled(*window, "groupInputW") && !enabled(*window, "groupCompS"));
        click(*window, "s_checkMech");
        QVERIFY(enabled(*window, "groupInputS") && enabled(*window, "groupCompS") && !enabled(*window, "groupInputW"));
        click(*window, "w_checkMech");
        click(*window, "w_checkWindow");
        for (const QString season : {"w_", "s_"}) {
            enter(*window, {season + "inputTa=21", season + "inputVa=0.15", season + "inputTu=40"});
            click(*window, season + "compButton");
        }
        vstring mech, win, conditions, dr, points;
        QVERIFY(window->getWinterDraftAssessment(mech, win, conditions, dr, points));
        QVERIFY(window->getSummerDraftAssessment(mech, win, conditions, dr, points));
        QCOMPARE(QStringList({joined(mech), joined(win), joined(conditions), joined(dr), joined(points)}).join(" / "),
                 "Yes|Yes / No|Yes / 21|0.15|40|21|0.15|40 / 16.72|Fail|16.72|Pass / 13|10");
        click(*window, "w_checkWindow");   // window ventilation: full points at once, from the same DR
        QCOMPARE(texts(*window, {"w_outDr", "w_outQual", "WinterPoints"}), "16.72 Pass 20");
        click(*window, "w_checkMech");   // no mechanical ventilation: nothing computed, full points
        QVERIFY(!enabled(*window, "groupCompW") && enabled(*window, "groupCompS"));
        QCOMPARE(texts(*window, {"w_outDr", "w_outQual", "WinterPoints"}), "  20");
        click(*window, "w_checkMech");   // on again: no result until Compute, the chapter cannot be gathered
        QCOMPARE(texts(*window, {"w_outDr", "w_outQual", "WinterPoints"}), "  ");
        QVERIFY(!window->getWinterDraftAssessment(mech, win, conditions, dr, points) && points.size() == 2);
        click(*window, "w_compButton");

        auto *mrt = static_cast<mrtForm *>(&tab(*window, 3, 1));
        child<QCheckBox>(*mrt, "checkBoxFW")->setChecked(true);
        click(*mrt, "computeMRT");
        lvstring position, boundaries, results;
        vstring radiationPoints;
        QVERIFY(window->getMRTAssessment(mrt, position, boundaries, results, radiationPoints));
        QStringList gathered, expected{text(*mrt, "inputFT") + '|' + text(*mrt, "inputFWT")};
        for (const lvstring &list : {boundaries, results})
            for (const vstring &row : list)
                gathered << joined(row);
        for (const char *surface : {"inputBT", "inputRT", "inputLT", "inputFloorT", "inputCeilT"})
            expected << text(*mrt, surface) + "|Not defined";
        for (const QString pair : {"PdFrBk|FrBkQuality", "PdLeRt|LeRtQuality", "PdClFlr|ClFlrQuality"})
            expected << text(*mrt, "output" + pair.section('|', 0, 0)) + '|' + text(*mrt, "output" + pair.section('|', 1));
        QCOMPARE(gathered << joined(radiationPoints), expected << text(*mrt, "RadiationPoints"));
    }

    void refusedEntry_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("named");
        QTest::newRow("interval not a number") << "compButton" << "dataIntervalHour=one" << "Data Interval [h]: \"one\"";
        QTest::newRow("interval 0") << "compButton" << "dataIntervalHour=0" << "Data Interval [h]: 0 lies outside the allowed range > 0, ≤ 24";
        QTest::newRow("alpha 1: no weights left") << "compButton" << "inputAlphaEN=1" << "Alpha (EN)";
        QTest::newRow("draught air temperature empty") << "s_compButton" << "s_inputTa=" << "Summer: Air Temperature [°C]: empty";
        QTest::newRow("data end before October") << "compButton" << "dataIntervalHour=0,25"
            << "boundary 01.10.2011 0:00, so nothing was computed.\n\nThe data reach from 01.01.2011 0:00 to 02.07.2011 11:45.";
        QTest::newRow("room volume 0") << "computeHumid" << "inputVol=0" << "Room Volume (m³): 0 lies outside the allowed range > 0";
        QTest::newRow("working time 20 to 18") << "compButton" << "modelWorkStart=20"
                                               << "Working hours: the working time from 20 to 18 h holds no record of 0.5 h";
        QTest::newRow("working hour not whole") << "compButton" << "modelWorkEnd=17,5" << "Working hours to: 17,5 is not a whole number";
        QTest::newRow("air velocity -1 m/s") << "s_compButton" << "s_inputVa=-1" << "Summer: Air Velocity [m/s]: -1 lies outside the allowed range ≥ 0";
        QTest::newRow("turbulence 1e308 %") << "w_compButton" << "w_inputTu=1e308" << "Winter: Turbulence [%]: 1e308 lies outside the allowed range 0–100";
        QTest::newRow("winter air change not a number")
            << "computeHumid" << "inputACH_oper_winter=x" << "Air Change Rate during Operation (1/h): Winter: \"x\"";
    }
    // A field the data, draught or humidity page cannot use is named (with its season) before anything is computed,
    // as is a year without a season boundary; every page keeps what it shows (the pages' updates read the interval).
    void refusedEntry()
    {
        for (const QString box : {"w_checkMech", "s_checkMech"})   // the draught pages offer Compute
            child<QCheckBox>(*window, box)->setChecked(true);
        click(*window, "computeHumid");
        QFETCH(QString, entry);
        const QString field = entry.section('=', 0, 0), kept = text(*window, field);
        const QStringList before = pages();
        enter(*window, {entry});
        MessageCatcher catcher;
        QFETCH(QString, button);
        click(*window, button);
        setText(*window, field, kept);
        QCOMPARE(catcher.count, 1);
        QFETCH(QString, named);
        QVERIFY2(catcher.text.contains(named), qPrintable(catcher.text));
        QCOMPARE(pages(), before);
        if (button.endsWith("_compButton"))   // a refused draught computation clears its season
            QCOMPARE(texts(*window, {button.left(2) + "outDr", button.left(2) + "outQual"}), " ");
        if (button == "compButton")
            QVERIFY(!data().lastComputeOk());
    }

    // Beyond kDensityThreshold plottable points the comfort scatter draws the density, one point fewer the points.
    // Saved as PNG at the widget's size and SVG; a failed write names the file.
    void chartWidgets()
    {
        std::vector<ScatterPoint> points;   // every tenth above the limit
        for (size_t i = 0; i <= kDensityThreshold; ++i)
            points.push_back({12.0 + (i % 100) * 0.1, 22.0 + (i % 77) * 0.1, ComfortCategory::I, i % 10 == 0});
        ComfortScatterChart chart(nullptr);
        chart.showNationalAnnex(points, 1.0);
        QVERIFY(chart.showsDensity());
        QTemporaryDir dir;
        chart.resize(500, 350);
        QVERIFY(chart.saveAsPng(dir.filePath("chart.png")) && chart.saveAsSvg(dir.filePath("chart.svg")));
        QCOMPARE(QImage(dir.filePath("chart.png")).size(), QSize(500, 350));
        QVERIFY(contents(dir.filePath("chart.svg")).contains("<svg"));
        MessageCatcher catcher;
        QVERIFY(!chart.saveAsPng(dir.filePath("missing/chart.png")) && !chart.saveAsSvg(dir.filePath("missing/chart.svg")));
        QCOMPARE(catcher.count, 2);
        QVERIFY(catcher.text.startsWith("Cannot write file " + QDir::toNativeSeparators(dir.filePath("missing"))));
        points.pop_back();
        chart.showNationalAnnex(points, 1.0);
        QCOMPARE(pointsOf(&chart, "Above").size(), int(kDensityThreshold / 10));   // density cells: at most 770

        pmvForm form(nullptr);
        click(form, "compute");   // the PPD curves, the computed state marked on both
        auto *ppd = child<QChartView>(form, "ppdChart");
        QCOMPARE(pointsOf(ppd, "PPD").size(), 121 + 121);   // PPD and PPD-Mayer
        QStringList marked;
        for (const QPointF &p : pointsOf(ppd, "Computed state"))
            marked << QString::number(p.x(), 'f', 2) + ' ' + QString::number(p.y(), 'f', 2);
        QCOMPARE(marked, QStringList({texts(form, {"outputPMV", "outputPPD"}), texts(form, {"outputPMV", "outputPPDM"})}));
    }


    void roomReport_data()
    {
        QTest::addColumn<int>("model");
        QTest::newRow("26 °C") << 0;
        QTest::newRow("adaptive") << 1;
        QTest::newRow("national annex") << 2;
        QTest::newRow("DIN 4108-2, region B") << 3;
    }
    // Every tab away from its defaults and every chapter ticked, each model in a window of its own: the window's
    // export, the core's report of the room file it saves, and the export of a new window that opened that room
    // are the same bytes. The title names the room, with a "*" once a field changes; a room that cannot be written is
    // named with the reason.
    void roomReport()
    {
        QFETCH(int, model);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("years") && QDir(dir.path()).mkpath("rooms"));
        const QString year = dir.filePath("years/sample.csv");
        QVERIFY(QFile::copy(QFINDTESTDATA("../examples/sample_year.csv"), year));
        MessageCatcher catcher;
        ReportWindow w;
        QSignalSpy titles(&w, &bnbMenuForm::roomTitleChanged);
        auto &page = static_cast<bnbForm &>(tab(w, 0));
        QVERIFY(page.importYearFile(year));
        chooseModel(page, model, model == 3 ? "regionCheckB" : QString());
        enter(page, {"inputAlphaEN=0.7", "modelWorkStart=7", "modelWorkEnd=19"});
        click(page, "checkIgnoreWeekend");
        for (QCheckBox *box : page.findChildren<QCheckBox *>())
            box->setChecked(box->objectName().endsWith("Check"));
        click(page, "compButton");
        child<QCheckBox>(tab(w, 1, 1), "checkBoxJustify")->setChecked(true);
        for (const QString box : {"w_checkMech", "s_checkMech", "s_checkWindow"})
            click(w, box);
        enter(w, {"w_inputTa=21", "w_inputVa=0.18", "w_inputTu=35", "s_inputTa=25,5", "s_inputVa=0.12", "s_inputTu=40"});
        click(w, "w_compButton");
        click(w, "s_compButton");
        QWidget &winterMrt = tab(w, 3, 0), &summerMrt = tab(w, 3, 1);
        click(winterMrt, "checkBoxFW");
        enter(winterMrt, {"inputFWT=12", "inputFWinL=1", "inputFWinR=1.5", "inputFWinCeil=0.4", "inputFWinFloor=0.8",
                          "inputLT=19.2"});
        click(winterMrt, "checkBoxFloorT");
        click(winterMrt, "computeMRT");
        click(summerMrt, "inputRadioStand");
        click(summerMrt, "checkBoxCeil");
        enter(summerMrt, {"inputCeilHC=17", "inputCeilWinL=1", "inputCeilWinR=1", "inputCeilWinCeil=1", "inputCeilWinFloor=1"});
        if (model == 2)
            click(summerMrt, "checkMrtSurface");
        click(summerMrt, "computeMRT");
        enter(tab(w, 4, 0), {"inputVol=75", "inputN_per=2", "inputBigTree=1", "inputACH_oper_winter=1.5", "inputHumidRecov_summer=0.3"});
        click(w, "computeHumid");
        QCOMPARE(catcher.count, 0);
        QCOMPARE(titles.last().first().toString(), "New room*");

        const QByteArray shown = exported(w, dir.filePath("window.xml"));
        QCOMPARE(shown.count("<kapitel "), 8);
        QVERIFY(w.saveRoomAs(dir.filePath("rooms/office.json")));
        QCOMPARE(titles.last().first().toString(), "office.json");
        QVERIFY(contents(dir.filePath("rooms/office.json")).contains("\"data\": \"../years/sample.csv\""));
        QCOMPARE(QString::fromUtf8(coreReport(dir.filePath("rooms/office.json"))).split('\n'), QString::fromUtf8(shown).split('\n'));

        ReportWindow reopened;
        QVERIFY(reopened.openRoom(dir.filePath("rooms/office.json")));
        QCOMPARE(catcher.count, 0);
        QCOMPARE(QString::fromUtf8(exported(reopened, dir.filePath("reopened.xml"))).split('\n'), QString::fromUtf8(shown).split('\n'));
        QVERIFY(!reopened.hasUnsavedWork());
        QTest::keyClicks(child<QLineEdit>(reopened, "inputAlphaEN"), "5");
        QVERIFY(reopened.hasUnsavedWork());
        QVERIFY(!reopened.saveRoomAs(dir.filePath("missing/office.json")));
        QVERIFY2(catcher.text.startsWith("Cannot write file " + QDir::toNativeSeparators(dir.filePath("missing/office.json"))),
                 qPrintable(catcher.text));
        // A new year read after an adaptive Compute comes without the running mean's column.
        QVERIFY(page.importYearFile(year));
        QCOMPARE(child<QTableWidget>(page, "tableWidget")->columnCount(), 3);
    }

    // Every file dialog of both tools opens in the folder of the last file of its kind, also after a
    // dialog cancelled; a folder since removed gives the working directory. Read & Preview, Compute and
    // both exports answer their keys on the data page, named in their tool tips.
    void fileDialogsAndKeys()
    {
        QTemporaryDir dir;
        bnbMenuForm report(nullptr);
        pmvForm pmv(nullptr);
        child<QCheckBox>(pmv, "checkBoxReadData")->setChecked(true);   // the table's buttons
        report.show();
        QVERIFY(QTest::qWaitForWindowActive(&report));
        QWidget &start = tab(report, 0);
        QWidget *chart = child<QWidget>(report, "summerBandChart");
        struct Case { QWidget *page; const char *button, *keys, *file; };
        for (const Case &c : {Case{&start, "readPreviewButton", "Ctrl+R", "year.csv"}, {&start, "writeButton", "", "bnbout.csv"},
                              {&start, "exportButton", "Ctrl+E", "report.xml"}, {&start, "exportPdfButton", "Ctrl+Shift+E", "report.pdf"},
                              {&tab(report, 4, 0), "writeButton", "", "humidity.csv"}, {&pmv, "readPreviewButton", "", "table.csv"},
                              {&pmv, "CsvWriteButton", "", "pmvout.csv"}, {chart, nullptr, "", "chart.png"}}) {
            const QString folder = dir.filePath(c.file), file = folder + '/' + c.file;   // a folder each
            const bool import = c.button && QString(c.button) == "readPreviewButton";
            QVERIFY(QDir().mkpath(folder));
            if (import)
                QVERIFY(QFile::copy(QFINDTESTDATA("../examples/sample_year.csv"), file));
            const auto open = [&] {
                if (!c.button)
                    QMetaObject::invokeMethod(c.page, "savePng");
                else if (*c.keys) {
                    report.activateWindow();   // the closed dialog had the focus
                    QVERIFY(QTest::qWaitForWindowActive(&report));
                    QTest::keySequence(&report, QKeySequence(c.keys));
                }
                else
                    click(*c.page, c.button);
            };
            if (*c.keys)
                QVERIFY(child<QAbstractButton>(*c.page, c.button)->toolTip().endsWith(QString("(%1)").arg(c.keys)));
            QVERIFY(!answerFileDialog(open, file).isEmpty());
            QVERIFY2(QFileInfo::exists(file), c.file);
            QCOMPARE(answerFileDialog(open, {}), folder);
            QCOMPARE(answerFileDialog(open, {}), folder);   // a cancelled dialog changes nothing
            if (c.page == &start && import) {
                report.activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(&report));
                QTest::keySequence(&report, QKeySequence(Qt::Key_F9));
                QTRY_VERIFY(static_cast<bnbForm &>(start).lastComputeOk());
                click(report, "computeHumid");
            }
        }
        QCOMPARE(lastFolder(FileKind::Report), dir.filePath("report.pdf"));
        QVERIFY(QDir(dir.filePath("report.pdf")).removeRecursively());
        QCOMPARE(lastFolder(FileKind::Report), QDir::currentPath());
    }

    void badRoomKeepsWindow_data()
    {
        QTest::addColumn<QByteArray>("room");
        QTest::addColumn<QString>("message");
        const QByteArray head = "{\"format\": \"klimaro-room\", \"version\": 1, ";
        QTest::newRow("not JSON") << QByteArray("{\"format\": ") << "line 1, column 12: this is no JSON text";
        QTest::newRow("text for a number") << head + "\"timeAxis\": {\"interval\": \"one\"}}" << "timeAxis.interval: a number is expected";
        QTest::newRow("missing year file") << head + "\"data\": \"none.csv\"}" << "none.csv:\nNo such file";
        QTest::newRow("no year file named") << head + "\"summerModel\": {}}" << "It names no year data file";
        QTest::newRow("year with a gap") << head + "\"data\": \"gap.csv\"}" << "1 cells of the year data hold no number";
        QTest::newRow("year ends in summer") << head + "\"data\": \"short.csv\"}" << "season boundary 01.10.2011 0:00";
    }
    // A room file that cannot be used is named with what is wrong, and nothing of the window changes.
    void badRoomKeepsWindow()
    {
        QTemporaryDir dir;
        QFile year(QFINDTESTDATA("../examples/sample_year.csv"));
        QVERIFY(year.open(QIODevice::ReadOnly));
        QByteArrayList lines = year.readAll().split('\n');
        for (const auto &[name, last] : {std::pair("short.csv", 5000), {"gap.csv", -1}}) {
            QFile out(dir.filePath(name));
            QVERIFY(out.open(QIODevice::WriteOnly));
            QByteArrayList part = lines.mid(0, last);
            if (last < 0)
                part[300] = "1;2;warm";
            out.write(part.join('\n'));
        }
        QFETCH(QByteArray, room);
        QFile file(dir.filePath("room.json"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(room) == room.size());
        file.close();
        ReportWindow w;
        enter(w, {"inputAlphaEN=0.6", "inputVol=80"});
        MessageCatcher catcher;
        QVERIFY(!w.openRoom(file.fileName()));
        QFETCH(QString, message);
        QVERIFY2(catcher.text.startsWith("Cannot open the room file " + QDir::toNativeSeparators(file.fileName()) + ":\n"),
                 qPrintable(catcher.text));
        QVERIFY2(catcher.text.contains(message), qPrintable(catcher.text));
        QCOMPARE(texts(w, {"inputAlphaEN", "inputVol"}), "0.6 80");
        QCOMPARE(w.roomFileName(), QString());
    }

    // After a Compute the interval field and the model change: the summer page's compliance box, the humidity
    // Compute and the report keep to the interval and model of that Compute.
    void lastComputeCounts()
    {
        click(*window, "computeHumid");
        const QStringList before = pages();
        vstring selection, rest;
        QVERIFY(window->getSummerOperativeTemperatureAssessment(selection, rest, rest, rest, rest));
        enter(data(), {"dataIntervalHour=1"});
        chooseModel(data(), 3);
        auto *box = child<QCheckBox>(tab(*window, 1, 1), "checkBoxJustify");
        box->setChecked(!box->isChecked());
        box->setChecked(!box->isChecked());
        click(*window, "computeHumid");
        QCOMPARE(pages(), before);
        vstring again;
        QVERIFY(window->getSummerOperativeTemperatureAssessment(again, rest, rest, rest, rest));
        QCOMPARE(joined(again), joined(selection));
        enter(data(), {"dataIntervalHour=0,5"});
    }

    // Import from simulation: a year's weather file and an EnergyPlus CSV with a design day before its run period;
    // operative temperature preselected, each file's records named, the year's validity report; the table and the
    // time axis filled, the report on the page. A planted hole is a warning, the short example files an error that
    // offers no Ok, a file that is no simulation output names its line. A room saved on imported data writes the
    // year beside it.
    void simulationImport()
    {
        QTemporaryDir dir;
        writeSimulationYear(dir.filePath("year.epw"), dir.filePath("eplusout.csv"));
        simulationImportDialog dialog(nullptr);
        dialog.setWeatherFile(dir.filePath("year.epw"));
        dialog.setSimulationFile(dir.filePath("eplusout.csv"));
        QCOMPARE(child<QComboBox>(dialog, "zoneColumn")->currentText(), "ZONE A:Zone Operative Temperature [C](Hourly)");
        QCOMPARE(child<QLabel>(dialog, "weatherInfo")->text(),
                 "Musterstadt, DEU: 8760 hourly records from 01.01.2011 0:00 (the file's year 2015).");
        QCOMPARE(child<QLabel>(dialog, "simulationInfo")->text(),
                 "8760 hourly records from 01.01.2011 0:00; 24 records of design days skipped.");
        QCOMPARE(child<QLabel>(dialog, "yearInfo")->text(), "No findings: the year is complete and plausible.");
        auto *ok = child<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Ok);
        QVERIFY(ok->isEnabled());
        child<QComboBox>(dialog, "zoneColumn")->setCurrentIndex(2);   // zone B

        ReportWindow w;
        auto &page = static_cast<bnbForm &>(tab(w, 0));
        page.applyImport(dialog.year());
        QCOMPARE(tableRows(page, 0, 1), QStringList{"-4.2|74|20.95"});
        QCOMPARE(texts(page, {"dataStartDate", "dataStartTime", "dataIntervalHour"}), "01.01.2011 0 1");
        QCOMPARE(child<QComboBox>(page, "dataStartDay")->currentText(), "Thu");
        QVERIFY(child<QGroupBox>(page, "validityBox")->isVisibleTo(&page));
        MessageCatcher catcher;
        catcher.answers = {QMessageBox::Yes};
        w.roomName = dir.filePath("zone_b.json");
        click(page, "saveRoomButton");
        QVERIFY2(catcher.text.contains("zone_b_year.csv"), qPrintable(catcher.text));
        QVERIFY(QFileInfo::exists(dir.filePath("zone_b_year.csv")) && QFileInfo::exists(w.roomName));
        ReportWindow reopened;
        QVERIFY(reopened.openRoom(w.roomName));
        QCOMPARE(tableRows(tab(reopened, 0), 0, 1), QStringList{"-4.20|74.00|20.95"});

        writeSimulationYear(dir.filePath("year.epw"), dir.filePath("eplusout.csv"), 4000);
        dialog.setSimulationFile(dir.filePath("eplusout.csv"));
        child<QComboBox>(dialog, "zoneColumn")->setCurrentIndex(2);
        QVERIFY2(child<QLabel>(dialog, "yearInfo")->text().startsWith(
                     "warning: indoor operative temperature: 1 missing value: row 4001 (16.06.2011 16:00)"),
                 qPrintable(child<QLabel>(dialog, "yearInfo")->text()));
        QVERIFY(ok->isEnabled());
        dialog.setWeatherFile(QFINDTESTDATA("../examples/weather_july.epw"));
        dialog.setSimulationFile(QFINDTESTDATA("../examples/eplusout_july.csv"));
        QVERIFY2(child<QLabel>(dialog, "yearInfo")->text().startsWith("error: "), qPrintable(child<QLabel>(dialog, "yearInfo")->text()));
        QVERIFY(!ok->isEnabled());
        dialog.setSimulationFile(dir.filePath("year.epw"));
        QVERIFY2(child<QLabel>(dialog, "simulationInfo")->text().startsWith(dir.filePath("year.epw") + ": line 1: no EnergyPlus header"),
                 qPrintable(child<QLabel>(dialog, "simulationInfo")->text()));
    }
};

QTEST_MAIN(TestBnbMenuForm)
#include "tst_bnbmenuform.moc"
