// The PMV tool's forms and the main window as a user works them; the core tests pin the numbers.
#include "app/mainwindow.h"
#include "app/tabletext.h"
#include "assessment/bnbform.h"
#include "comfort/clothingform.h"
#include "comfort/numbertext.h"
#include "comfort/pmvform.h"
#include "comfort/pmvinverseform.h"
#include "comfort/pmvmenuform.h"
#include "help/helpbrowser.h"
#include "help/infodialog.h"
#include "radiant/mrtform.h"
#include "radiant/tsurfcalcdialog.h"

#include "messagecatcher.h"
#include "widgetlookup.h"

#include <QtTest>

namespace {

// The calculator in table mode; its file dialogs answer `answer` (empty: cancelled).
class FileForm : public pmvForm
{
public:
    FileForm() : pmvForm(nullptr) { click(*this, "checkBoxReadData"); }
    QString answer;

protected:
    QString askOpenFileName() override { return answer; }
    QString askSaveFileName() override { return answer; }
};

// The table as shown: the headers, then each row; cells joined by "|", a cell never filled empty.
QStringList table(pmvForm &form)
{
    auto *widget = child<QTableWidget>(form, "tableWidget");
    QStringList headers;
    for (int c = 0; c < widget->columnCount(); ++c)
        headers << widget->horizontalHeaderItem(c)->text();
    QStringList lines{headers.join('|')};
    for (const QStringList &row : tableRows(widget, widget->columnCount()))
        lines << row.join('|');
    return lines;
}

// PMV, PPD and PPD after Mayer, then the ISO 7730 note after "|".
QString shown(QWidget &form)
{
    return texts(form, {"outputPMV", "outputPPD", "outputPPDM"}) + '|' + child<QLabel>(form, "labelValidity")->text();
}

// Junk in every disabled field: the computation must neither use nor judge it.
void junkInDisabledFields(QWidget &form)
{
    for (QLineEdit *field : form.findChildren<QLineEdit *>(QRegularExpression("^input")))
        if (!field->isEnabled())
            field->setText("junk");
}

// Enabled states as 0/1 of the named widgets ("|" between groups), 2 for the checked one of
// enabled selectors; a label shares its field's state.
QString enabling(QWidget &form, const QString &names)
{
    QString states;
    for (const QString &name : names.split(' ')) {
        if (name.startsWith("input") && enabled(form, "label" + name.mid(5)) != enabled(form, name))
            return name + " differs from its label";
        auto *selector = form.findChild<QRadioButton *>(name);
        states += name == "|" ? " " : !enabled(form, name) ? "0" : selector && selector->isChecked() ? "2" : "1";
    }
    return states;
}

const QString kInverseRows = "radioTaTg radioMRT radioTo | inputTa inputTg inputMRT inputTo | inputRh inputVa "
                             "inputIcl inputM comboMetUnit | inputW inputPMV | checkBoxRecvMrt checkBoxRecvClo";
const QStringList kPicks = {"To", "Ta", "MRT", "Tg", "Va", "Rh", "Clo", "Met"};   // each after "radioPick"

// The MRT form's MRT, three asymmetries, three PDs, three verdicts and the points.
const QStringList kMrtOutputs = {"outputMRT", "outputAsmFrBk", "outputAsmLeRt", "outputAsmClFlr", "outputPdFrBk", "outputPdLeRt",
                                 "outputPdClFlr", "outputFrBkQuality", "outputLeRtQuality", "outputClFlrQuality", "RadiationPoints"};

// Clicks the named buttons and boxes and types the "field=text" entries, in order.
void act(QWidget &form, const QStringList &steps)
{
    for (const QString &step : steps)
        step.contains('=') ? enter(form, {step}) : click(form, step);
}

// Triggers the menu action of that text, deletes the page it replaced, names the page shown.
QString go(MainWindow &window, const QString &action)
{
    for (QAction *a : window.findChildren<QAction *>())
        if (a->text() == action)
            a->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return window.centralWidget()->metaObject()->className();
}

}

class TestPmvTool : public QObject
{
    Q_OBJECT

    QScopedPointer<QTemporaryDir> dir;   // a fresh one per test

    // Imports a file of these bytes (none: a file that does not exist).
    void load(FileForm &form, const QByteArray &bytes)
    {
        QFile file(dir->filePath(bytes.isNull() ? "missing.csv" : "in.csv"));
        QVERIFY(bytes.isNull() || (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()));
        file.close();
        form.answer = file.fileName();
        click(form, "readPreviewButton");
    }

    QByteArray exportCsv(FileForm &form)
    {
        form.answer = dir->filePath("pmvout.csv");
        click(form, "CsvWriteButton");
        QFile file(form.answer);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : "<unreadable>";
    }

private slots:
    // The language choice goes to the test's own settings, never the user's.
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName("Klimaro test");
        QSettings().remove("language");
    }
    void cleanupTestCase() { QSettings().remove("language"); }

    void init()
    {
        dir.reset(new QTemporaryDir);
        QTest::failOnWarning(QRegularExpression("connectSlotsByName"));
    }

    void calculator_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("enabled");   // rows Tg Ta MRT RecvMrt To in that mode
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("refused");   // the message's line that names the field
        QTest::addColumn<QString>("shown");
        // Air 20 °C, globe 26 °C, MRT 24 °C, operative 25 °C; 0,2 m/s so that the globe correction counts.
        const QStringList t = {"inputTa=20", "inputTg=26", "inputMRT=24", "inputTo=25", "inputVa=0,2"};
        QTest::newRow("globe: air 20, globe 26") << "radioTaTg" << "11000" << t << "" << "-0.26 6.36 33.28|";
        QTest::newRow("MRT: air 20, radiant 24") << "radioMRT" << "01110" << t << "" << "-1.24 37.07 79.13|";
        QTest::newRow("operative 25 for both") << "radioTo" << "00001" << t << "" << "-0.11 5.25 26.83|";
        // The unit is switched without converting the field: 69.6 met = 4036.8 W/m².
        QTest::newRow("69.6 met, 2.2 clo: noted") << "" << "" << QStringList{"comboMetUnit=1", "inputIcl=2.2"} << ""
            << "64.63 100.00 96.72|Outside the range of ISO 7730, which does not cover these results: metabolic rate "
               "4036.8 W/m² (46 to 232 W/m²); clothing 0.341 m²K/W (0 to 0.31 m²K/W); PMV 64.63 (-2 to 2).";
        const auto refused = [](const char *row, const QString &entry, const QString &line) {
            QTest::newRow(row) << "" << "" << QStringList{entry} << line << "  |";
        };
        const QString range = "%1: %2 lies outside the allowed range %3";
        refused("clothing word", "inputIcl=half", "Clothing Insulation [clo]: \"half\"");
        refused("empty air speed", "inputVa=", "Air Velocity [m/s]: empty");
        refused("air speed just below 0", "inputVa=-0.001", range.arg("Air Velocity [m/s]", "-0.001", "≥ 0"));
        refused("humidity just above 100", "inputRh=100.1", range.arg("Relative Humidity [%]", "100.1", "0–100"));
        refused("metabolic rate 0", "inputM=0", range.arg("Metabolic Rate", "0", "> 0"));
        refused("air below 0 K", "inputTa=-273.16", range.arg("Air Temperature [°C]", "-273.16", "≥ -273.15"));
    }

    void calculator()
    {
        QFETCH(QString, mode);
        QFETCH(QString, enabled);
        QFETCH(QStringList, entries);
        QFETCH(QString, refused);
        pmvForm form(nullptr);
        act(form, {"inputVa=1.5", "compute"});   // a result and a note, which a refusal clears
        setText(form, "inputVa", "0.1");
        for (const QString &from : mode.isEmpty() ? QStringList() : QStringList{"radioTaTg", "radioMRT", "radioTo"}) {
            act(form, {from, mode});
            QVERIFY2(enabling(form, "inputTg inputTa inputMRT checkBoxRecvMrt inputTo") == enabled, qPrintable(from));
        }
        enter(form, entries);
        junkInDisabledFields(form);
        MessageCatcher catcher;
        click(form, "compute");
        QCOMPARE(catcher.count, refused.isEmpty() ? 0 : 1);
        QVERIFY2(catcher.text.contains(refused), qPrintable(catcher.text));
        QTEST(shown(form), "shown");
        if (refused.isEmpty())
            return;
        // The entry is kept and marked until a number is typed.
        const QString field = entries.first().section('=', 0, 0);
        QCOMPARE(text(form, field), entries.first().section('=', 1));
        QVERIFY(!child<QLineEdit>(form, field)->styleSheet().isEmpty());
        pmvForm fresh(nullptr);
        setText(form, field, text(fresh, field));
        click(form, "compute");
        QCOMPARE(shown(form), "-0.76 17.24 59.04|");   // no message: it would clear the results
        QVERIFY(child<QLineEdit>(form, field)->styleSheet().isEmpty());
    }

    void importReplacesRows_data()
    {
        QTest::addColumn<int>("separator");   // csvcomboBox index
        QTest::addColumn<QString>("headerLines");
        QTest::addColumn<QByteArray>("file");   // none: a file that does not exist
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("refused");   // the reason the message gives after the file's name
        // Before each case the table holds the two rows of an earlier import.
        const QStringList kept = {"1|2|3|4|5", "6|7|8|9|10"}, oneRow = {"22|22|60|0.1|0.5"};
        QTest::newRow("one header line, Windows line ends")
            << 0 << "1" << QByteArray("Ta;Tg;rH;Va;clo\r\n22;22;60;0.1;0.5\r\n24;25;50;0.2;0.7\r\n")
            << oneRow + QStringList{"24|25|50|0.2|0.7"} << "";
        QTest::newRow("an empty field keeps its column, a separator ending the line adds none")
            << 0 << "0" << QByteArray("22;22;;0,1;0,5;\n") << QStringList{"22|22||0,1|0,5"} << "";
        QTest::newRow("runs of spaces act as one separator, none at the line's ends") << 2 << "0" << QByteArray(" 22 22   60 0.1 0.5 \n") << oneRow << "";
        QTest::newRow("header count not a number counts as none") << 0 << "one" << QByteArray("22;22;60;0.1;0.5\n") << oneRow << "";
        QTest::newRow("fewer lines than header lines: refused") << 0 << "3" << QByteArray("Ta;Tg\n22;22\n") << kept
            << "No line holds a number (header lines skipped: 3)";
        QTest::newRow("no cell with a number: refused") << 0 << "1" << QByteArray("Ta;Tg\n\nabc;-\n") << kept
            << "No line holds a number (header lines skipped: 1)";
        QTest::newRow("0 bytes: refused") << 0 << "0" << QByteArray("") << kept << "The file is empty";
        QTest::newRow("a picture: refused") << 0 << "0" << QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR\0\0\x01\0", 20) << kept
            << "The file is not a text file (it holds binary data)";
        QTest::newRow("missing file: refused") << 0 << "0" << QByteArray() << kept << "No such file or directory";
    }

    void importReplacesRows()
    {
        QFETCH(int, separator);
        QFETCH(QString, headerLines);
        QFETCH(QByteArray, file);
        QFETCH(QString, refused);
        FileForm form;
        load(form, "Ta;Tg\n1;2;3;4;5\n6;7;8;9;10\n");
        child<QComboBox>(form, "csvcomboBox")->setCurrentIndex(separator);
        setText(form, "dataSkipLines", headerLines);
        MessageCatcher catcher;
        load(form, file);
        QCOMPARE(catcher.count, refused.isEmpty() ? 0 : 1);
        QCOMPARE(catcher.text, refused.isEmpty() ? "" : "Cannot read file " + QDir::toNativeSeparators(form.answer) + ":\n" + refused + ".");
        form.answer.clear();   // cancelled dialogs change nothing and write nothing
        act(form, {"readPreviewButton", "CsvWriteButton"});
        QTEST(table(form).mid(1), "rows");
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList({"in.csv"}));
    }

    void tableImportComputeExport()
    {
        FileForm form;
        load(form, "h\n1;2;3;4;5\n");
        // Each mode sets its headers; rows and the cells of the remaining columns stay.
        for (const QString step : {"radioTableTo To|rH|Va|clo 1|2|3|4", "radioTableMRT Ta|Tr|rH|Va|clo 1|2|3|4|",
                                    "radioTableTaTg Ta|Tg|rH|Va|clo 1|2|3|4|"}) {
            click(form, step.section(' ', 0, 0));
            QCOMPARE(table(form).join(' '), step.section(' ', 1));
        }
        // Metabolic rate and work come from the disabled input group: 1,2 met is 69.6 W/m², the
        // work of 10 W/m² is not scaled by 58. An impossible row (air speed below 0) reads N.A.
        enter(form, {"inputM=1,2", "comboMetUnit=1", "inputW=10"});
        load(form, "Ta;Tg;rH;Va;clo\n35;35;60;0.1;0.5\n22;22;60;-0.1;0.5\n22;22;60;0.1;0.5\n");
        act(form, {"compute", "compute"});
        // The second run reads the two-decimal texts of the first and gives the same results.
        QCOMPARE(table(form), QStringList({"Ta|Tg|rH|Va|clo|PMV|PPD|PPD-M|PMV|PPD|PPD-M",
                                           "35.00|35.00|60.00|0.10|0.50|2.92|98.73|96.15|2.92|98.73|96.15",
                                           "22.00|22.00|60.00|-0.10|0.50|N.A|N.A|N.A|N.A|N.A|N.A",
                                           "22.00|22.00|60.00|0.10|0.50|-1.16|33.47|76.54|-1.16|33.47|76.54"}));
        QCOMPARE(shown(form), "-1.16 33.47 76.54|1 of 2 rows lie outside the range of ISO 7730, which does not "
                              "cover their results. First: row 1, air temperature 35.00 °C (10 to 30 °C); water "
                              "vapour pressure 3375 Pa (0 to 2700 Pa); PMV 2.92 (-2 to 2).");   // the last row
        QCOMPARE(text(form, "inputM"), "1,2");   // read, not converted
        QCOMPARE(exportCsv(form).split('\n').at(0), "35.00,35.00,60.00,0.10,0.50,2.92,98.73,96.15,2.92,98.73,96.15");
        // Reading again: the mode's input columns only, in the CSV too (texts as read, unfilled cells empty).
        load(form, "h\n21;23;50;0.1;1;7;8;9\n24;;25\n");
        QCOMPARE(exportCsv(form), "21,23,50,0.1,1\n24,,25,,\n");
        MessageCatcher catcher;
        act(form, {"radioTableTo", "compute"});   // another mode also drops result columns
        QCOMPARE(catcher.text, "Input cells without a number (empty, or text without a numeric prefix): 2. Their rows "
                               "were not computed (N.A).\nFirst: row 2, rH; row 2, clo.");
        QCOMPARE(catcher.count, 1);
        // The row of the gaps keeps its cells as they were, in the export too; the last row's N.A is shown.
        QCOMPARE(exportCsv(form).split('\n').at(1), "24.00,,25.00,,N.A,N.A,N.A");
        QCOMPARE(texts(form, {"outputPMV", "outputPPD", "outputPPDM"}), "N.A N.A N.A");
        click(form, "radioTableMRT");
        QCOMPARE(table(form).first(), "Ta|Tr|rH|Va|clo");
    }

    void inversePicks_data()
    {
        QTest::addColumn<QString>("pick");      // after "radioPick"
        QTest::addColumn<QString>("enabled");   // groups as in kInverseRows
        QTest::addColumn<QString>("button");    // after "Find "
        QTest::addColumn<QString>("found");
        QTest::addColumn<QString>("chosen");    // a mode chosen while searching, after "radio"; its rows Ta Tg MRT To
        // The defaults give the default target -0.76: each search finds the default value again (clothing
        // in clo); below about 0.1 m/s free convection governs and the smallest air speed wins the tie.
        QTest::newRow("4 operative: all temperatures off") << "To" << "000 0000 11111 11 00" << "Operative Temperature" << "22.00" << "";
        QTest::newRow("1 air: MRT mode, radiant row only") << "Ta" << "120 0010 11111 11 00" << "Ambient Temperature" << "22.00" << "TaTg 0100";
        QTest::newRow("3 radiant: air row only") << "MRT" << "000 1000 11111 11 00" << "Mean Radiant Temperature" << "22.00" << "";
        QTest::newRow("2 globe: air row only") << "Tg" << "000 1000 11111 11 00" << "Globe Temperature" << "22.00" << "";
        QTest::newRow("6 air speed, free convection") << "Va" << "211 1100 10111 11 00" << "Air Velocity" << "0.00" << "To 0001";
        QTest::newRow("5 humidity") << "Rh" << "211 1100 01111 11 00" << "Relative Humidity" << "60.00" << "MRT 1010";
        QTest::newRow("7 clothing") << "Clo" << "211 1100 11011 11 00" << "Clothing Insulation" << "0.50" << "TaTg 1100";
        QTest::newRow("8 metabolic rate, 4 W/m2 grid") << "Met" << "211 1100 11100 11 00" << "Metabolic Rate" << "70.00" << "MRT 1010";
    }

    void inversePicks()
    {
        QFETCH(QString, pick);
        QFETCH(QString, enabled);
        QFETCH(QString, button);
        QFETCH(QString, chosen);
        // From every other pick: the last decides, so leaving the metabolic rate re-enables its unit.
        for (const QString &from : kPicks) {
            pmvInverseForm form(nullptr);
            act(form, {"radioPick" + from, "radioPick" + pick});
            QVERIFY2(enabling(form, kInverseRows) == enabled, qPrintable(from + ": " + enabling(form, kInverseRows)));
            QCOMPARE(child<QPushButton>(form, "compute")->text(), "Find " + button);
            if (from != kPicks.last())
                continue;
            // A chosen mode opens its temperature row; the search reads no disabled field, takes 1,2 met as 69.6 W/m².
            if (!chosen.isEmpty()) {
                click(form, "radio" + chosen.section(' ', 0, 0));
                QCOMPARE(enabling(form, kInverseRows).section(' ', 1, 1), chosen.section(' ', 1));
            }
            enter(form, {"inputM=1,2", "comboMetUnit=1"});
            junkInDisabledFields(form);
            MessageCatcher catcher;
            click(form, "compute");
            QCOMPARE(catcher.count, 0);
            QTEST(text(form, "outputUnknown"), "found");
            QVERIFY2(std::fabs(text(form, "outputPMV").toDouble() + 0.76) < 0.05, qPrintable(text(form, "outputPMV")));
            QVERIFY(child<QPlainTextEdit>(form, "outputInfo")->toPlainText().contains("Approx."));
        }
    }

    void inverseOutcomes()
    {
        pmvInverseForm form(nullptr);
        const auto outcome = [&form] {
            return text(form, "outputUnknown") + ' ' + shown(form) + '|'
                   + child<QPlainTextEdit>(form, "outputInfo")->toPlainText();
        };
        QCOMPARE(enabling(form, kInverseRows), "000 0000 11111 11 00");
        click(form, "compute");   // no unknown picked
        QCOMPARE(outcome(), "-NA- -NA- -NA- -NA-||");
        act(form, {"radioPickRh", "inputPMV=0", "compute"});   // the best point, 99 %, is 0.5 away
        QCOMPARE(outcome(), "-NA- -NA- -NA- -NA-|| For the given PMV, No appropriate rh found within the range 0 to 100 % \n");
        act(form, {"radioPickTo", "inputPMV=2.5", "compute"});   // found, but outside ISO 7730: noted
        QCOMPARE(outcome(), "32.50 2.50 93.47 90.89|Outside the range of ISO 7730, which does not cover these results: "
                            "air temperature 32.50 °C (10 to 30 °C); water vapour pressure 2935 Pa (0 to 2700 Pa); "
                            "PMV 2.50 (-2 to 2).|Approx. Operative Temperature found for given PMV\n");
        MessageCatcher catcher;
        act(form, {"inputVa=-0.1", "inputPMV=", "compute"});
        QVERIFY2(catcher.count == 1
                     && catcher.text.contains("Air Velocity [m/s]: -0.1 lies outside the allowed range ≥ 0\nPMV: empty"),
                 qPrintable(catcher.text));
        QCOMPARE(outcome(), "   ||");
        QCOMPARE(text(form, "inputVa"), "-0.1");
        act(form, {"inputVa=0,1", "inputPMV=-0,76", "compute"});   // a decimal comma is a number
        QCOMPARE(outcome(), "22.00 -0.76 17.24 59.04||Approx. Operative Temperature found for given PMV\n");
    }

    void clothingList()
    {
        clothingForm form(nullptr);
        const QList<QRadioButton *> radios = form.findChildren<QRadioButton *>();
        QCOMPARE(text(form, "lineClo"), "0.1");   // no pick yet
        // Work clothing, then daily wear, one exclusive group: the unchecked ensemble writes first.
        const QString picks = "1=0.7 2=0.8 3=0.9 4=1 5=1.2 6=1.4 7=2 8=2.55 1_d=0.3 2_d=0.5 3_d=0.7 4_d=0.7 5_d=1 6_d=1.1 "
                              "7_d=1.3 8_d=1.5";
        for (const QString &pick : picks.split(' ')) {
            click(form, "radio" + pick.section('=', 0, 0));
            QVERIFY2(text(form, "lineClo") == pick.section('=', 1), qPrintable(pick + ": " + text(form, "lineClo")));
            QCOMPARE(std::count_if(radios.begin(), radios.end(), [](QRadioButton *r) { return r->isChecked(); }), 1);
        }
    }

    void handOver_data()
    {
        // Ticking copies at once, in general format; the MRT is rounded in single precision.
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("copied");
        QTest::newRow("clothing: trailing zero dropped") << "lineClo" << "0.50" << "0.5";
        QTest::newRow("clothing: not a number copied as it stands") << "lineClo" << "0.5 clo" << "0.5 clo";
        QTest::newRow("MRT 21.005 half up") << "outputMRT" << "21.005" << "21.01";
        QTest::newRow("MRT not a number") << "outputMRT" << "N.A" << "N.A";
    }

    void handOver()
    {
        QFETCH(QString, source);
        QFETCH(QString, typed);
        // While the box is ticked: the clothing value, the MRT also after Compute MRT (20.00 °C).
        const bool clo = source == "lineClo";
        const QString box = clo ? "checkBoxRecvClo" : "checkBoxRecvMrt";
        const QString target = clo ? "inputIcl" : "inputMRT";
        const QStringList later = clo ? QStringList{"radio8", "2.55"} : QStringList{"computeMRT", "20"};
        pmvMenuForm window(nullptr);
        QWidget &calculator = *child<pmvForm>(window, "pmvForm");   // the inverse page has the same names
        click(calculator, "radioMRT");   // the MRT box is enabled in MRT mode only
        setText(window, source, typed);
        click(calculator, box);
        QTEST(text(calculator, target), "copied");
        // The calculator's Compute reads the copy: a text that is no number is named, not taken as 0.
        MessageCatcher catcher;
        click(calculator, "compute");
        double value = 0;
        QCOMPARE(catcher.text.contains(": \"" + typed + '"'), !parseFieldNumber(typed, value));
        click(window, later[0]);
        QCOMPARE(text(calculator, target), later[1]);
        click(calculator, box);   // unticked: neither a new text nor Compute MRT reaches the calculator
        act(calculator, {target + "=30"});
        setText(window, source, typed);
        click(window, later[0]);
        QCOMPARE(text(calculator, target), "30");
    }

    void mrtFormAndDialog()
    {
        // The start: seated, nothing computed. Standing and seated preset the height.
        mrtForm form(true, nullptr);
        QCOMPARE(texts(form, kMrtOutputs), QString(10, ' '));
        const auto height = [&form] { return text(form, "inputZp") + (enabled(form, "inputZp") ? " on" : " off"); };
        QCOMPARE(height(), "0.6 off");
        for (const QString step : {"inputRadioStand 1.0 off", "inputRadioOther 1.0 on", "inputZp=1.35 1.35 on",
                                   "inputRadioSit 0.6 off", "inputRadioOther 0.6 on", "inputRadioStand 1.0 off"}) {
            act(form, {step.section(' ', 0, 0)});
            QCOMPARE(height(), step.section(' ', 1));
        }
        // Each area row follows its box and keeps its entries when the box is unticked. Unticked
        // rows, junk in every field, are neither used nor judged: the room computes as a plain one.
        const QStringList rows = {"FW FWT FWinL FWinR FWinCeil FWinFloor", "BW BWT BWinL BWinR BWinCeil BWinFloor",
                                  "RW RWT RWinL RWinR RWinCeil RWinFloor", "LW LWT LWinL LWinR LWinCeil LWinFloor",
                                  "Floor FloorHC FloorWinL FloorWinR FloorWinCeil FloorWinFloor",
                                  "Ceil CeilHC CeilWinL CeilWinR CeilWinCeil CeilWinFloor"};
        for (const QString &row : rows) {
            click(form, "checkBox" + row.section(' ', 0, 0));
            for (const QString &other : rows)
                for (const QString &field : other.split(' ').mid(1))
                    QVERIFY2(enabled(form, "input" + field) == (other == row), qPrintable(field));
            for (const QString &field : row.split(' ').mid(1))
                setText(form, "input" + field, "junk");
            click(form, "checkBox" + row.section(' ', 0, 0));
        }
        MessageCatcher catcher;
        click(form, "computeMRT");
        QCOMPARE(catcher.count, 0);
        QCOMPARE(texts(form, kMrtOutputs), "20.00 0.00 0.00 0.00 0.00 0.00 0.00 Pass Pass Pass 0");
        for (const QString &row : rows)
            for (const QString &field : row.split(' ').mid(1))
                QVERIFY2(!enabled(form, "input" + field) && text(form, "input" + field) == "junk", qPrintable(field));
        // The surface temperature dialog, one per form, keeps its entries.
        click(form, "TsurfCalcButton");
        TsurfCalcDialog *dialog = form.findChild<TsurfCalcDialog *>();
        QVERIFY(dialog && dialog->isVisible() && !dialog->isModal());
        // 20 - 25 × 0.13 × 1.3 = 15.775, just below the half in double precision.
        click(*dialog, "computeSurfaceT");
        QCOMPARE(text(*dialog, "outputTs"), "15.77");
        act(*dialog, {"inputTsUval=0,7", "computeSurfaceT"});
        QCOMPARE(text(*dialog, "outputTs"), "17.73");
        act(*dialog, {"inputTsRsi=-0.13", "computeSurfaceT"});
        QVERIFY2(catcher.count == 1 && catcher.text.contains("-0.13 lies outside the allowed range ≥ 0"),
                 qPrintable(catcher.text));
        QCOMPARE(text(*dialog, "outputTs"), "");
        child<QDialogButtonBox>(*dialog, "buttonBox")->button(QDialogButtonBox::Ok)->click();
        QVERIFY(!dialog->isVisible());
        click(form, "TsurfCalcButton");   // the same dialog with its entries
        QCOMPARE(form.findChildren<TsurfCalcDialog *>(), QList<TsurfCalcDialog *>{dialog});
        QVERIFY(dialog->isVisible());
        QCOMPARE(text(*dialog, "inputTsUval"), "0,7");
    }

    void mrtOutputs_data()
    {
        QTest::addColumn<bool>("summer");         // the PMV tool's instance
        QTest::addColumn<QStringList>("steps");   // buttons and boxes clicked, "field=text" typed
        QTest::addColumn<QString>("message");     // the message box's title and text, "|" between
        QTest::addColumn<QString>("outputs");
        // Room 5 × 6 × 3 m, occupant at (2, 2.5, 1.1) m, all surfaces 20 °C, a window of 10 °C in
        // the front wall, 1 m from either side, 0.5 m below the ceiling and 0.8 m above the floor.
        const QStringList example = {"inputRadioOther", "checkBoxFW", "inputWidth=5", "inputDepth=6", "inputHeight=3",
                                     "inputXp=2", "inputYp=2,5", "inputZp=1.1", "inputFWT=10", "inputFWinL=1",
                                     "inputFWinR=1", "inputFWinCeil=0.5", "inputFWinFloor=0.8"};
        const QString plain = "20.00 0.00 0.00 0.00 0.00 0.00 0.00 Pass Pass Pass ";
        QTest::newRow("floor box ticked judges at once (summer 10 points)")
            << true << QStringList{"checkBoxFloorT"} << "" << plain + "10";
        QTest::newRow("unticked: no points at once")
            << true << QStringList{"checkBoxFloorT", "checkBoxFloorT"} << "" << plain + "0";
        QTest::newRow("window example, winter") << false << example + QStringList{"checkBoxFloorT"} << ""
                                                << "19.44 1.71 0.23 0.33 0.24 0.00 0.00 Pass Pass Pass 20";
        // A -20 °C window fails (PD above 1 %); the surface method judges nothing: no verdict or points stay.
        QTest::newRow("cold window fails, the surface method judges nothing")
            << false << example + QStringList{"inputFWT=-20", "checkBoxFloorT", "checkMrtSurface", "inputFWT=10", "computeMRT"} << ""
            << "19.40 N.A N.A N.A N.A N.A N.A N.A N.A N.A N.A | no asymmetry";
        // Six wall temperatures and four areas, all different: a field read into the wrong surface (left
        // for right, front for back, g1 for g2) moves the results, which are computeMrtPlane's and
        // computeMrtSurface's on this room. Front window edge g1 = Xp and floor area edge on the foot point.
        const QStringList own = example + QStringList{
            "checkBoxRW", "checkBoxFloor", "checkBoxCeil", "inputFT=19", "inputBT=21", "inputRT=22", "inputLT=24",
            "inputFloorT=23", "inputCeilT=25", "inputFWinL=2", "inputRWT=14", "inputRWinL=0.5", "inputRWinR=3.5",
            "inputRWinCeil=0.4", "inputRWinFloor=1", "inputFloorHC=28", "inputFloorWinL=2", "inputFloorWinR=0.5",
            "inputFloorWinCeil=2.5", "inputFloorWinFloor=1", "inputCeilHC=17", "inputCeilWinL=0.3",
            "inputCeilWinR=2.2", "inputCeilWinCeil=0.6", "inputCeilWinFloor=3.1", "computeMRT"};
        QTest::newRow("every surface its own temperature")
            << false << own << "" << "22.21 3.56 0.80 2.35 0.46 0.18 0.02 Pass Pass Pass 0";
        QTest::newRow("every surface its own temperature, surface method")
            << false << own + QStringList{"checkMrtSurface", "computeMRT"} << ""
            << "22.08 N.A N.A N.A N.A N.A N.A N.A N.A N.A N.A | no asymmetry";
        // Refused after a result: the result goes, the entry stays (example: g1 = g2 = 1 of W = 5).
        const auto refused = [&example](const char *row, const QString &entry, const QString &message) {
            QTest::newRow(row) << false << example + QStringList{"computeMRT", entry, "computeMRT"} << message
                               << QString(10, ' ');
        };
        refused("occupant on the front wall", "inputYp=0", "Impossible room geometry|The occupant must stand inside "
                "the room: 0 < Xp < Width, 0 < Yp < Depth, 0 < Zp < Height.");
        refused("room of zero width", "inputWidth=0",
                "Impossible room geometry|The room must have a size: Width, Depth and Height must be greater than 0.");
        refused("window as wide as the wall", "inputFWinR=4", "Impossible room geometry|The window of the Front wall "
                "does not fit on the wall: g1 + g2 must be smaller than the wall's width and z1 + z2 smaller than its "
                "height; no distance may be negative.");
        refused("empty wall temperature", "inputRT=", "Right: Temperature [°C]: empty");
        refused("window below absolute zero", "inputFWT=-274",
                "Front cold/hot area: Temperature [°C]: -274 lies outside the allowed range ≥ -273.15");
    }

    void mrtOutputs()
    {
        QFETCH(bool, summer);
        QFETCH(QStringList, steps);
        QFETCH(QString, message);
        mrtForm form(summer, nullptr);
        MessageCatcher catcher;
        act(form, steps);
        QCOMPARE(catcher.count, message.isEmpty() ? 0 : 1);
        QVERIFY2((catcher.title + '|' + catcher.text).contains(message), qPrintable(catcher.text));
        QTEST(texts(form, kMrtOutputs) + (enabled(form, "groupRadiationAsm") ? "" : " | no asymmetry"), "outputs");
        const QString entry = steps.value(steps.size() - 2);
        QVERIFY(message.isEmpty() || text(form, entry.section('=', 0, 0)) == entry.section('=', 1));
    }

    void mainWindow()
    {
        // Each menu with its actions and their status tips; "-" is a separator.
        MainWindow window;
        QStringList menus;
        for (QAction *top : window.menuBar()->actions()) {
            QString entries = top->text() + ':';
            for (QAction *a : top->menu()->actions())
                entries += a->isSeparator() ? QString(" -") : ' ' + a->text() + " (" + a->statusTip() + ')';
            menus << entries;
        }
        QCOMPARE(menus, QStringList({"&File: - E&xit (Exit the application)",
                                     "&Tools: Main Menu (Return to main menu) PMV (PMV, MRT, Inverse PMV) "
                                     "BNB Assessment (BNB Assessment)",
                                     "&Settings: &Language (Language of the interface, applied at the next start)",
                                     "&Help: &About (About Klimaro) Documentation (User documentation)"}));
        QCOMPARE(window.windowTitle(), "Klimaro v0.3");
        MessageCatcher catcher;
        go(window, "&About");
        QCOMPARE(catcher.title, "About Klimaro");
        QVERIFY(catcher.text.startsWith("<center>Klimaro v0.3<hr>") && catcher.text.endsWith("</center>"));
        click(window, "infoButton");   // a pop-up that page switches leave alone
        QCOMPARE(go(window, "PMV"), "pmvMenuForm");
        QPointer<QWidget> first = window.centralWidget();
        // Every "?" button of the tool shows its picture in a pop-up that does not block the tool.
        for (QAbstractButton *button : first->findChildren<QAbstractButton *>(QRegularExpression("^InfoBu")))
            button->click();
        const QList<InfoDialog *> pictures = first->findChildren<InfoDialog *>();
        QCOMPARE(pictures.size(), 10);
        for (InfoDialog *picture : pictures)
            QVERIFY(!picture->isModal() && !child<QLabel>(*picture, "label")->pixmap().isNull());
        // Each tool page is kept for the session: switching shows it as it was left.
        setText(*first, "inputTa", "30");
        QCOMPARE(go(window, "BNB Assessment"), "bnbMenuForm");
        QWidget *assessment = window.centralWidget();
        setText(*assessment, "dataIntervalHour", "0,5");
        for (const QString tool : {"PMV", "Main Menu", "PMV", "BNB Assessment", "Main Menu", "BNB Assessment"}) {
            go(window, tool);
            QVERIFY(!first.isNull() && first->isHidden() == (tool != "PMV") && !first->isWindow());
        }
        QVERIFY(window.centralWidget() == assessment && !assessment->isWindow());
        QCOMPARE(text(*first, "inputTa") + ' ' + text(*assessment, "dataIntervalHour"), "30 0,5");
        const QList<InfoDialog *> infos = window.findChildren<InfoDialog *>(Qt::FindDirectChildrenOnly);
        QCOMPARE(infos.size(), 1);
        QVERIFY(infos.first()->isVisible() && !infos.first()->isModal());
        QVERIFY(child<QLabel>(*infos.first(), "label")->text().startsWith("<h2> Klimaro_V1 </h2> <br/>"));
        go(window, "Main Menu");
        click(window, "startDocumentation");
        HelpBrowser *browser = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            browser = browser ? browser : qobject_cast<HelpBrowser *>(w);
        QVERIFY(browser && browser->isVisible());
        QCOMPARE(browser->windowTitle(), "Klimaro v0.3 Documentation");
        QVERIFY(!browser->findChild<QTextBrowser *>()->toPlainText().isEmpty());   // found in the resources
        QTest::keyClick(browser, Qt::Key_Escape);
        QVERIFY(!browser->isVisible());
        go(window, "Documentation");
        QVERIFY(browser->isVisible());   // the same window again
        // A picture is scaled down to fit the dialog (531 × 470 at most); 500 × 420 fits whole.
        InfoDialog *large = InfoDialog::showPicture("Info about ...", "title.png", &window);
        QCOMPARE(child<QLabel>(*large, "label")->pixmap().width(), 519);   // 600 × 120 scaled
        InfoDialog *help = InfoDialog::showPicture("Info about ...", "InfoBuPMV.png", &window);
        auto *label = child<QLabel>(*help, "label");
        QCOMPARE(label->pixmap().size(), QSize(500, 420));
        help->layout()->activate();
        QVERIFY(label->height() >= 420 && label->width() >= 500);

        // Settings → Language: one of two checked, stored for the next start (said once, not again when kept).
        catcher.count = 0;
        const auto checked = [](MainWindow &w) {
            QString which;
            for (QAction *a : w.findChildren<QAction *>())
                which += a->isChecked() ? a->text() : QString();
            return which;
        };
        QCOMPARE(checked(window), QLocale::system().language() == QLocale::German ? "German" : "English");
        for (const char *language : {"German", "German", "English"})
            go(window, language);
        QCOMPARE(catcher.count, 2);
        QCOMPARE(catcher.text, "Klimaro shows the chosen language from its next start on.");
        QCOMPARE(QSettings().value("language").toString() + ' ' + checked(window), "en English");
        go(window, "German");
        QCOMPARE(checked(*std::make_unique<MainWindow>()), "German");
    }

    // Closing the window (File → Exit and its Ctrl+Q, the close button) asks first once a tool page holds the user's
    // work: a typed field, a chosen item or box, data in a table. Cancel keeps the window open.
    void quitQuestion_data()
    {
        // Tools shown, buttons clicked, "type <calculator field>", "pick <combo>", a "cell" set, a "paste"; "Exit" closes by
        // the action (the offscreen platform binds no Ctrl+Q to it), else the window's close button.
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("answer");          // QMessageBox::StandardButton
        QTest::addColumn<bool>("asked");
        QTest::addColumn<QString>("question");   // title: text; the assessment's room may be saved first
        const int quit = QMessageBox::Discard, cancel = QMessageBox::Cancel;
        const QString pmv = "Quit Klimaro: Quit Klimaro? Entered data and results are not saved.";
        const QString room = "Assessment: The room has unsaved changes. Save them as a room file?";
        QTest::newRow("main menu only") << QStringList() << quit << false << pmv;
        QTest::newRow("both tools, defaults computed and shown") << QStringList{"PMV", "compute", "computeMRT", "BNB Assessment", "Exit"}
                                                                 << quit << false << pmv;
        QTest::newRow("PMV field typed, Cancel: stays open") << QStringList{"PMV", "type inputTa", "Main Menu"} << cancel << true << pmv;
        QTest::newRow("PMV field typed, Quit by File → Exit") << QStringList{"PMV", "type inputRh", "Exit"} << quit << true << pmv;
        QTest::newRow("PMV table mode ticked") << QStringList{"PMV", "checkBoxReadData", "Exit"} << cancel << true << pmv;
        QTest::newRow("PMV table cell typed") << QStringList{"PMV", "checkBoxReadData", "cell", "checkBoxReadData", "Main Menu"} << quit << true << pmv;
        QTest::newRow("assessment summer model chosen") << QStringList{"BNB Assessment", "pick modelSelectBox", "PMV"} << cancel << true << room;
        QTest::newRow("assessment year pasted") << QStringList{"BNB Assessment", "paste"} << quit << true << room;
    }
    void quitQuestion()
    {
        QFETCH(QStringList, steps);
        QFETCH(int, answer);
        QFETCH(bool, asked);
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QApplication::clipboard()->setText("1\t2\t3");
        MessageCatcher catcher;   // before the steps: a message they raise fails the count, never hangs
        bool closedByAction = false;
        for (const QString &step : steps) {
            QWidget &page = *window.centralWidget();
            if (step == "Exit") {
                closedByAction = true;
                break;
            } else if (step.startsWith("type ")) {   // the calculator's field, not the inverse form's namesake
                QTest::keyClicks(child<QLineEdit>(*page.findChild<pmvForm *>(), step.mid(5)), "5");
            }
            else if (step.startsWith("pick "))
                QTest::keyClick(child<QComboBox>(page, step.mid(5)), Qt::Key_Down);
            else if (step == "cell")
                child<QTableWidget>(page, "tableWidget")->setItem(0, 0, new QTableWidgetItem("21"));
            else if (step == "paste") {
                bnbForm &data = *page.findChild<bnbForm *>();
                child<QTableWidget>(data, "tableWidget")->setRangeSelected(QTableWidgetSelectionRange(0, 0, 0, 0), true);
                data.actions().at(1)->trigger();
            } else if (page.findChild<QAbstractButton *>(step))
                click(page, step);
            else
                go(window, step);
        }
        catcher.answers = {QMessageBox::StandardButton(answer)};
        if (closedByAction)
            go(window, "E&xit");
        else
            window.close();
        QCOMPARE(window.hasUnsavedWork(), asked);
        QCOMPARE(catcher.count, asked ? 1 : 0);
        QFETCH(QString, question);
        if (asked)
            QCOMPARE(catcher.title + ": " + catcher.text, question);
        QCOMPARE(window.isVisible(), asked && answer == QMessageBox::Cancel);
    }
};

QTEST_MAIN(TestPmvTool)
#include "tst_pmvtool.moc"
