// The BNB assessment window: data page, pages and charts fed by Compute, gathering and report export;
// saving a chart, the comfort scatter's density, the PPD chart; the report's XML, stylesheet and PDF.
#include "report/bnbmenuform.h"

#include "app/lastfolder.h"
#include "app/resulttext.h"
#include "assessment/bnbform.h"
#include "assessment/comfortscatterchart.h"
#include "assessment/humidity.h"
#include "assessment/humidityform.h"
#include "assessment/summerbnbform.h"
#include "comfort/delimitedtext.h"
#include "comfort/pmvform.h"
#include "radiant/mrtform.h"
#include "report/reportpdf.h"
#include "report/xmlreport.h"
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

// "v1".."vn" as gathered values.
vstring values(const char *prefix, int n)
{
    vstring v;
    for (int i = 1; i <= n; ++i)
        v.push_back(prefix + std::to_string(i));
    return v;
}

// The sample document; its values outside Latin-1 ("–", "≤", "€") and inside it ("°", "³") must arrive unchanged.
QByteArray sampleReport()
{
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    beginReport(xml);
    writeWinterOperativeTemperature(xml, {values("wd", 9), values("wq", 3), {"8.0"}});
    writeWinterDraft(xml, {{"Yes"}, {"No"}, values("wb", 3), {"12.3", "erfüllt – DR ≤ 15 %"}, {"20"}});
    MrtLists mrt{{values("room", 3), values("pos", 3)}, {}, {}, {"5"}};
    for (int i = 1; i <= 6; ++i)
        mrt.boundary_conditions.push_back({"T" + std::to_string(i), "Not defined"});
    for (int i = 1; i <= 3; ++i)
        mrt.results.push_back({"PD" + std::to_string(i), "Pass"});
    writeWinterMrt(xml, mrt);
    HumidityLists humidity{values("b", 7), values("c", 6), values("rh", 11), {"up", "up%"}, {"low", "low%"}, {"2"}};
    writeWinterHumidity(xml, humidity);
    writeSummerOperativeTemperature(xml, {{"DIN 4108-2", "Sommer-Klimaregion B (€, m³, °C)"}, {"8:00 h", "18:00 h", "no"},
                                          values("sd", 9), values("sq", 3), {"complied"}});
    writeSummerDraft(xml, {{"No"}, {"Yes"}, values("sb", 3), {"9.5", "Pass"}, {"18"}});
    writeSummerMrt(xml, mrt);
    humidity.distribution_AH = values("ah", 11);
    writeSummerHumidity(xml, humidity);
    endReport(xml);
    return bytes;
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
    QString fileName;
};

}

class TestBnbMenuForm : public QObject
{
    Q_OBJECT
    // One window on examples/sample_year.csv (the year a new user tries first), each record twice as
    // half-hour records, the first indoor temperature not a number; computed once, shared by the tests.
    std::unique_ptr<bnbMenuForm> window;

    bnbForm &data() { return static_cast<bnbForm &>(tab(*window, 0)); }
    // What the window shows: operative temperature, summer draught and winter humidity pages, the table's top.
    QStringList pages()
    {
        return shown(tab(*window, 1, 0)) + shown(tab(*window, 1, 1)) + shown(tab(*window, 4, 1), {"FreqUp"})
               + tableRows(data(), 0, 2) << texts(*window, {"s_outDr", "s_outQual", "SummerPoints"});
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
                lines << (lines.isEmpty() ? QStringList{record[0], record[1], "x"} : record).join('\t');
        window = std::make_unique<bnbMenuForm>(nullptr);
        QApplication::clipboard()->setText(lines.join('\n'));
        child<QTableWidget>(data(), "tableWidget")->setRangeSelected(QTableWidgetSelectionRange(0, 0, 0, 0), true);
        data().actions().at(1)->trigger();   // paste
        QCOMPARE(child<QTableWidget>(data(), "tableWidget")->rowCount(), 17520);
        setText(data(), "dataIntervalHour", "0,5");
        MessageCatcher catcher;
        click(data(), "compButton");
        QCOMPARE(catcher.count, 1);   // computed as 0, and Compute goes on
        QVERIFY2(catcher.text.contains("First: row 1, Raum- temperatur To (°C)."), qPrintable(catcher.text));
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

    // The data page alone: import with header lines and separator, a decimal comma kept, a file shorter than
    // its header keeps the table; Compute on no rows names the season boundary. The year written as shown.
    void dataPageAlone()
    {
        QTemporaryDir dir;
        FileForm form;
        QFile file(form.openName = dir.filePath("year.csv"));
        for (const auto &[bytes, entries, rows] :
             {std::tuple("a b\n1,5  2 3 4\n", QStringList{"dataSkipLines=1", "csvcomboBox=2"}, QStringList{"1,5|2|3"}),
              {"a\n", {"dataSkipLines=2"}, {"1,5|2|3"}}, {"a\n", {"dataSkipLines=1"}, {}}}) {
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) > 0);
            file.close();
            enter(form, entries);
            click(form, "readPreviewButton");
            QCOMPARE(tableRows(form, 0, 2), rows);
        }
        MessageCatcher catcher;
        click(form, "compButton");
        QCOMPARE(catcher.text, "The data hold no row for the season boundary 01.10.2011 0:00, so nothing was "
                               "computed.\n\nThe table holds no rows.");
        QVERIFY(!form.lastComputeOk() && !enabled(form, "writeButton"));
        QCOMPARE(results(form), ResultArray{});

        enter(form, {"csvcomboBox=0"});
        form.openName = QFINDTESTDATA("../examples/sample_year.csv");
        click(form, "readPreviewButton");
        click(form, "compButton");
        form.saveName = dir.filePath("bnbout.csv");
        click(form, "writeButton");
        QCOMPARE(contents(form.saveName).split('\n').at(5000), "21.00,82.00,24.37");   // 28.07.
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
        QTest::newRow("adaptive") << 1 << 0 << "Adaptives Modell(DIN EN 15251)|N/A" << QList<int>{7} << "Limit Θc + 3 K: 25.1 25.1 31.7"
                                  << "16.7" << "Upper limit of category II at Θrm 20.0 °C: 28.40 °C" << "756.0|159.0|84.0|121.0|180.0|1300.0";
        QTest::newRow("national annex") << 2 << 0 << "Nationaler Anhang(DIN EN 15251)|N/A" << QList<int>{5, 6, 7} << "Limit: 24 24 28 28"
                                        << "45.6" << "Limit of the national annex at Te 20.0 °C: 25.00 °C" << "";
        QTest::newRow("DIN A") << 3 << 1 << "DIN 4108-2|Summer Region A" << QList<int>{2, 3, 4, 5, 6, 7} << "Limit 25 °C: 25 25" << "218.4" << "" << "";
        QTest::newRow("DIN B") << 3 << 2 << "DIN 4108-2|Summer Region B" << QList<int>{3, 4, 5, 6, 7} << "Limit 26 °C: 26 26" << "107.6" << "" << "";
        QTest::newRow("DIN C") << 3 << 3 << "DIN 4108-2|Summer Region C" << QList<int>{4, 5, 6, 7} << "Limit 27 °C: 27 27" << "50.9" << "" << "";
    }
    // Pages = the data page's arrays in hours; the compliance box recomputes the summer page at once,
    // unticking changes nothing. Band charts = the pages' hours; the picture (new each Compute) fits the model,
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
            QCOMPARE(text(summer, "pointsField"), din ? "complied" : justified);
        }
        // Rows with two decimals, the adaptive model's running mean beside them (999 before day 16); 28.07. second.
        QCOMPARE(tableRows(data(), 0, 1) + tableRows(data(), 10000, 1),
                 adaptive ? QStringList({"-1.30|96.00|0.00|999.00", "21.00|82.00|24.37|22.20"})
                          : QStringList({"-1.30|96.00|0.00", "21.00|82.00|24.37"}));
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
            QCOMPARE(picture->chart()->series().first()->name(), quality[2] + " Kh above");
            QCOMPARE(pointsOf(picture, "To").size(), int(s[8]) + 1);
        }
    }

    void summerPointsRule_data()
    {
        QTest::addColumn<QString>("page");   // DIN 4108-2 or another model, the compliance box
        QTest::addColumn<double>("value");   // DIN: degree rows, else the points
        QTest::addColumn<double>("dt");
        QTest::addColumn<QString>("shown");
        QTest::newRow("DIN 499.9 K·h") << "DIN" << 499.9 << 1.0 << "complied";
        QTest::newRow("DIN 500 K·h, the box does not count") << "DIN, box ticked" << 500.0 << 1.0 << "not complied";
        QTest::newRow("DIN 250 rows of two hours") << "DIN" << 250.0 << 2.0 << "not complied";
        QTest::newRow("box ticked lifts 5 to 10") << "box ticked" << 5.0 << 1.0 << "10";
        QTest::newRow("box ticked keeps 9.9991") << "box ticked" << 9.9991 << 1.0 << "10.0";
    }
    void summerPointsRule()
    {
        QFETCH(QString, page);
        QFETCH(double, value);
        QFETCH(double, dt);
        const bool din = page.startsWith("DIN");
        summerBNBForm summer(nullptr);
        child<QCheckBox>(summer, "checkBoxJustify")->setChecked(page.endsWith("ticked"));
        ResultArray s{};
        s[din ? SummerSlot::DegreeRows : SummerSlot::Points] = value;
        summer.showResults(s, dt, din);
        QTEST(text(summer, "pointsField"), "shown");
        QCOMPARE(child<QTableWidget>(summer, "summerQuality")->item(0, 1)->text(), "N.A");   // 0 / 0
    }

    // The sample year through the humidity calculator's defaults: the hourly table (first indoor temperature
    // read as 0), both pages, their hours as bars; the gathered lists and the CSV file are the texts shown.
    void humidity()
    {
        auto &calculator = static_cast<humidityForm &>(tab(*window, 4, 0));
        HumidityParameters p;   // the disabled spring fields keep "-" and read as 0
        p.achSpring = p.hrSpring = 9.0;
        QVERIFY(calculator.readParameters(p));
        QCOMPARE(QList<double>({p.achSpring, p.hrSpring}), QList<double>({0.0, 0.0}));
        click(*window, "computeHumid");
        QCOMPARE(tableRows(calculator, 0, 1) + tableRows(calculator, 17519, 1),
                 QStringList({"-1.30|96.00|4.25|0.00333|1.50|0.20|0.00|50.90|0.0075130|8.91",
                              "3.10|96.00|5.75|0.00459|1.50|0.20|15.54|43.35|0.0048061|5.79"}));
        QCOMPARE(child<QLabel>(tab(*window, 4, 2), "labelIndoorHumidity")->text(), "Indoor  Humidity: Summer");
        for (bool inSummer : {false, true}) {
            QWidget &page = tab(*window, 4, inSummer ? 2 : 1);
            const QStringList cells = shown(page, {"FreqUp", "FreqUpPercent", "FreqLow", "FreqLowPercent", "PointHumid"},
                                            inSummer ? "tableAHin" : "tableRHin");
            QCOMPARE(cells.join(' '), inSummer ? "0.0 0.0 164.5 478.5 418.5 165.0 54.5 15.5 3.5 0.0 1300.0 147.0 5.7 0.0 0.0 10.0"
                                               : "0.0 23.5 507.5 473.5 242.5 44.0 9.0 0.0 0.0 0.0 1300.0 0.0 0.0 445.0 17.1 0.0");
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
        click(*window, "w_checkWindow");   // window ventilation: full points again
        QCOMPARE(text(*window, "WinterPoints"), "20");
        setText(*window, "WinterPoints", "");   // no points: the chapter cannot be gathered
        QVERIFY(!window->getWinterDraftAssessment(mech, win, conditions, dr, points) && points.size() == 2);
        click(*window, "w_checkMech");
        QVERIFY(!enabled(*window, "groupCompW") && enabled(*window, "groupCompS"));

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
        QTest::newRow("interval 0") << "compButton" << "dataIntervalHour=0" << "Data Interval [h] must be greater than 0.";
        QTest::newRow("alpha 1: no weights left") << "compButton" << "inputAlphaEN=1" << "Alpha (EN)";
        QTest::newRow("draught air temperature empty") << "s_compButton" << "s_inputTa=" << "Summer: Air Temperature [°C]: empty";
        QTest::newRow("data end before October") << "compButton" << "dataIntervalHour=0,25"
            << "boundary 01.10.2011 0:00, so nothing was computed.\n\nThe data reach from 01.01.2011 0:00 to 02.07.2011 11:45.";
        QTest::newRow("room volume 0") << "computeHumid" << "inputVol=0" << "Room Volume (m³) must be greater than 0";
        QTest::newRow("winter air change not a number")
            << "computeHumid" << "inputACH_oper_winter=x" << "Air Change Rate during Operation (1/h): Winter: \"x\"";
    }
    // A field the data, draught or humidity page cannot use is named (with its season) before anything is computed,
    // as is a year without a season boundary; every page keeps what it shows (the pages' updates read the interval).
    void refusedEntry()
    {
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

    // No chapter spans its values; the row writer does from sp 1 on. No values: an empty element. A translator
    // (here one that marks its input) reaches titles and captions, not one-space titles, values or the typ.
    void rowsAndTitles()
    {
        QString out;
        QXmlStreamWriter xml(&out);
        for (int sp : {0, 1, 3, 4})
            writeXmlRow(xml, sp, "", sp < 4 ? vstring{"a", "b"} : vstring{}, sp);
        QCOMPARE(out, "<zeile nr=\"0\"><wert>a</wert><wert>b</wert></zeile>"
                      "<zeile nr=\"1\"><wert sp=\"1\">a</wert><wert sp=\"1\">b</wert></zeile>"
                      "<zeile nr=\"3\"><wert sp=\"3\">a</wert><wert sp=\"3\">b</wert></zeile><zeile nr=\"4\"/>");
        out.clear();
        writeWinterOperativeTemperature(xml, {{"wd"}, {}, {}}, [](const char *s) { return "«" + QString::fromUtf8(s) + "»"; });
        QVERIFY2(out.startsWith("<kapitel nr=\"1\" typ=\"Winter\" titel=\"«Operative Temperature: Winter»\">"), qPrintable(out));
        QVERIFY2(out.contains("<zeile nr=\"0\" titel=\" \"><wert>«To &lt;= 19»</wert>"), qPrintable(out));
        QVERIFY2(out.contains("<zeile nr=\"1\" titel=\"«Hours (h)»\"><wert>wd</wert></zeile>"), qPrintable(out));
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

    // tests/data/report_sample.xml, by hand from the chapter tables: names, attribute order, row numbers, one-space
    // titles, untitled rows, 4.1's two header rows, 2.5 in summer draught, no sp. The stylesheet shows every title and
    // value in order, escaped, through libxslt (as xsltproc, browsers); the PDF: a title page, one page per chapter.
    void sampleReportAsXmlHtmlAndPdf()
    {
        const QByteArray report = sampleReport();
        QCOMPARE(QString::fromUtf8(report).split('\n'), QString::fromUtf8(contents(QFINDTESTDATA("data/report_sample.xml"))).split('\n'));

        QString html, error;
        QVERIFY2(transformReport(report, reportStylesheet(), html, error), qPrintable(error));
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

        QTemporaryDir dir;
        const QString pdf = dir.filePath("report.pdf");
        QVERIFY2(writeReportPdf(report, pdf, error), qPrintable(error));
        QCOMPARE(contents(pdf).count("/Type /Page\n"), 9);
        QVERIFY(!writeReportPdf("<dokument>", pdf, error));
        QVERIFY2(error.contains("Premature end of data") || error.contains("dokument"), qPrintable(error));
    }
};

QTEST_MAIN(TestBnbMenuForm)
#include "tst_bnbmenuform.moc"
