// The PMV calculator: single values, and the table side (import, batch, CSV export).
#include "comfort/pmvform.h"

#include "app/tabletext.h"
#include "comfort/pmv.h"
#include "messagecatcher.h"
#include "widgetlookup.h"

#include <QtTest>

#include <memory>

namespace {

// The calculator in table mode, its file dialogs answered by the test.
class FileForm : public pmvForm
{
public:
    FileForm() : pmvForm(nullptr) { click(*this, "checkBoxReadData"); }
    QString openName;
    QString saveName;
    int asked = 0;

protected:
    QString askOpenFileName() override { return ++asked, openName; }
    QString askSaveFileName() override { return ++asked, saveName; }
};

// Each row's cell texts joined by "|"; a cell never filled is empty.
QStringList rows(pmvForm &form)
{
    QStringList lines;
    auto *table = child<QTableWidget>(form, "tableWidget");
    for (const QStringList &row : tableRows(table, table->columnCount()))
        lines << row.join('|');
    return lines;
}

QString headers(pmvForm &form)
{
    auto *table = child<QTableWidget>(form, "tableWidget");
    QStringList texts;
    for (int c = 0; c < table->columnCount(); ++c)
        texts << table->horizontalHeaderItem(c)->text();
    return texts.join(' ');
}

QString results(pmvForm &form)
{
    return texts(form, {"outputPMV", "outputPPD", "outputPPDM"});
}

QString validity(pmvForm &form)
{
    return child<QLabel>(form, "labelValidity")->text();
}

}

class TestPmvForm : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void eachMode_data();
    void eachMode();
    void refusedFieldIsNamedAndResultsCleared_data();
    void refusedFieldIsNamedAndResultsCleared();
    void validityNote_data();
    void validityNote();
    void importReplacesRows_data();
    void importReplacesRows();
    void modesAndResultColumns();
    void batchUsesInputGroupMetabolicRateAndWork();
    void gapWarning_data();
    void gapWarning();
    void impossibleRowReadsNotAvailable();
    void unreadableOrCancelledImportKeepsTable();

private:
    void load(FileForm &form, const QByteArray &bytes)
    {
        QFile file(dir->filePath("in.csv"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        open(form, file.fileName());
    }
    static void open(FileForm &form, const QString &path)
    {
        form.openName = path;
        click(form, "readPreviewButton");
    }
    QByteArray exportCsv(FileForm &form)
    {
        form.saveName = dir->filePath("pmvout.csv");
        click(form, "CsvWriteButton");
        QFile file(form.saveName);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : "<unreadable>";
    }
    std::unique_ptr<QTemporaryDir> dir;   // a fresh one per test
};

void TestPmvForm::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QTest::failOnWarning(QRegularExpression("connectSlotsByName"));
}

void TestPmvForm::eachMode_data()
{
    QTest::addColumn<QString>("radio");
    QTest::addColumn<QString>("enabled");   // rows Tg Ta MRT RecvMrt To
    QTest::addColumn<unsigned>("mode");
    QTest::addColumn<double>("ta");
    QTest::addColumn<double>("t2");
    QTest::addColumn<QStringList>("unused");   // disabled fields, neither used nor judged
    // Fields: Ta 20, Tg 26, MRT 24, To 25; air speed 0.2 so the globe correction counts.
    QTest::newRow("globe: air 20, globe 26")
        << "radioTaTg" << "11000" << 1u << 20.0 << 26.0 << QStringList{"inputMRT", "inputTo"};
    QTest::newRow("MRT: air 20, radiant 24")
        << "radioMRT" << "01110" << 3u << 20.0 << 24.0 << QStringList{"inputTg", "inputTo"};
    QTest::newRow("operative 25 for both")
        << "radioTo" << "00001" << 2u << 25.0 << 25.0 << QStringList{"inputTa", "inputTg", "inputMRT"};
}

void TestPmvForm::eachMode()
{
    QFETCH(QString, radio);
    QFETCH(QString, enabled);
    QFETCH(unsigned, mode);
    QFETCH(double, ta);
    QFETCH(double, t2);
    QFETCH(QStringList, unused);
    const QList<QStringList> rows = {{"labelTg", "inputTg"}, {"labelTa", "inputTa"},
                                     {"labelMRT", "inputMRT"}, {"checkBoxRecvMrt"}, {"labelTo", "inputTo"}};
    pmvForm form(nullptr);
    for (const char *from : {"radioTaTg", "radioMRT", "radioTo"}) {
        click(form, from);
        click(form, radio);
        for (int i = 0; i < rows.size(); ++i)
            for (const QString &name : rows[i])
                QVERIFY2(::enabled(form, name) == (enabled[i] == '1'), qPrintable(name + " after " + from));
    }
    click(form, "compute");   // every temperature defaults to 22 °C: the reference state
    QCOMPARE(results(form), "-0.76 17.24 59.04");
    enter(form, {"inputTa=20", "inputTg=26", "inputMRT=24", "inputTo=25", "inputVa=0.2"});
    for (const QString &field : unused)
        setText(form, field, "junk");
    MessageCatcher catcher;
    click(form, "compute");
    QCOMPARE(catcher.count, 0);
    double pmv = 0, ppd = 0, limited = 0, mayer = 0;
    computePMV(mode, ta, t2, 60, 0.2, 0.5 * kCloToM2KW, 69.6, 0, pmv, ppd, limited, mayer);
    QCOMPARE(results(form), QString("%1 %2 %3").arg(pmv, 0, 'f', 2).arg(ppd, 0, 'f', 2).arg(mayer, 0, 'f', 2));
}

void TestPmvForm::refusedFieldIsNamedAndResultsCleared_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("bad");
    QTest::addColumn<QString>("named");
    QTest::addColumn<QString>("mended");   // with a decimal comma where the value has decimals
    const QString range = "%1 lies outside the allowed range %2";
    QTest::newRow("clothing word") << "inputIcl" << "half" << "Clothing Insulation [clo]: \"half\"" << "0,5";
    QTest::newRow("empty air speed") << "inputVa" << "" << "Air Velocity [m/s]: empty" << "0,1";
    QTest::newRow("air speed just below 0")
        << "inputVa" << "-0.001" << "Air Velocity [m/s]: " + range.arg("-0.001", "≥ 0") << "0,1";
    QTest::newRow("humidity just above 100")
        << "inputRh" << "100.1" << "Relative Humidity [%]: " + range.arg("100.1", "0–100") << "60";
    QTest::newRow("metabolic rate 0") << "inputM" << "0" << "Metabolic Rate: " + range.arg("0", "> 0") << "69,6";
    QTest::newRow("air below absolute zero")
        << "inputTa" << "-273.16" << "Air Temperature [°C]: " + range.arg("-273.16", "≥ -273.15") << "22";
}

void TestPmvForm::refusedFieldIsNamedAndResultsCleared()
{
    QFETCH(QString, field);
    QFETCH(QString, bad);
    QFETCH(QString, named);
    QFETCH(QString, mended);
    pmvForm form(nullptr);
    setText(form, "inputVa", "1.5");   // outside ISO 7730: the note is cleared too
    click(form, "compute");
    QVERIFY(!validity(form).isEmpty());
    setText(form, "inputVa", "0.1");
    setText(form, field, bad);
    MessageCatcher catcher;
    click(form, "compute");
    QCOMPARE(catcher.count, 1);
    QVERIFY2(catcher.text.contains(named), qPrintable(catcher.text));
    QCOMPARE(results(form), "  ");
    QCOMPARE(validity(form), "");
    QCOMPARE(text(form, field), bad);   // the entry is kept and marked
    QVERIFY(!child<QLineEdit>(form, field)->styleSheet().isEmpty());
    setText(form, field, mended);
    click(form, "compute");
    QCOMPARE(catcher.count, 1);
    QCOMPARE(results(form), "-0.76 17.24 59.04");
    QVERIFY(child<QLineEdit>(form, field)->styleSheet().isEmpty());
}

void TestPmvForm::validityNote_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("results");
    QTest::addColumn<QString>("note");
    QTest::newRow("reference state: none") << QStringList() << "-0.76 17.24 59.04" << "";
    QTest::newRow("clothing 2.2 clo")
        << QStringList{"inputIcl=2.2"} << "1.09 30.05 34.90"
        << "Outside the range of ISO 7730, which does not cover these results: "
           "clothing 0.341 m²K/W (0 to 0.31 m²K/W).";
    // The unit is switched without converting the field: 69.6 met = 4036.8 W/m².
    QTest::newRow("69.6 met")
        << QStringList{"comboMetUnit=1"} << "74.27 100.00 96.72"
        << "Outside the range of ISO 7730, which does not cover these results: "
           "metabolic rate 4036.8 W/m² (46 to 232 W/m²); PMV 74.27 (-2 to 2).";
}

void TestPmvForm::validityNote()
{
    QFETCH(QStringList, entries);
    pmvForm form(nullptr);
    enter(form, entries);
    click(form, "compute");
    QTEST(results(form), "results");
    QTEST(validity(form), "note");
}

void TestPmvForm::importReplacesRows_data()
{
    QTest::addColumn<int>("separator");   // csvcomboBox index
    QTest::addColumn<QString>("headerLines");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("rows");
    // Before each case the table holds the two rows of an earlier import.
    QTest::newRow("one header line, Windows line ends")
        << 0 << "1" << QByteArray("Ta;Tg;rH;Va;clo\r\n22;22;60;0.1;0.5\r\n24;25;50;0.2;0.7\r\n")
        << QStringList{"22|22|60|0.1|0.5", "24|25|50|0.2|0.7"};
    QTest::newRow("fewer lines than header lines: table unchanged")
        << 0 << "3" << QByteArray("Ta;Tg\n22;22\n") << QStringList{"1|2|3|4|5", "6|7|8|9|10"};
    QTest::newRow("runs of spaces act as one separator")
        << 2 << "0" << QByteArray("22 22   60 0.1 0.5\n") << QStringList{"22|22|60|0.1|0.5"};
    QTest::newRow("fields beyond the five columns are dropped")
        << 0 << "0" << QByteArray("1;2;3;4;5;6;7\n") << QStringList{"1|2|3|4|5"};
    QTest::newRow("header count not a number counts as none")
        << 0 << "one" << QByteArray("22;22;60;0.1;0.5\n") << QStringList{"22|22|60|0.1|0.5"};
}

void TestPmvForm::importReplacesRows()
{
    QFETCH(int, separator);
    QFETCH(QString, headerLines);
    QFETCH(QByteArray, file);
    FileForm form;
    load(form, "Ta;Tg\n1;2;3;4;5\n6;7;8;9;10\n");
    child<QComboBox>(form, "csvcomboBox")->setCurrentIndex(separator);
    setText(form, "dataSkipLines", headerLines);
    MessageCatcher catcher;
    load(form, file);
    QCOMPARE(catcher.count, 0);
    QTEST(rows(form), "rows");
}

void TestPmvForm::modesAndResultColumns()
{
    FileForm form;
    load(form, "h\n1;2;3;4;5\n");
    // Each mode sets its headers; rows and the cells of the remaining columns stay.
    for (const QString &step : {"radioTableTo To rH Va clo", "radioTableMRT Ta Tr rH Va clo",
                                "radioTableTaTg Ta Tg rH Va clo", "radioTableTo To rH Va clo"}) {
        click(form, step.section(' ', 0, 0));
        QCOMPARE(headers(form), step.section(' ', 1));
        QCOMPARE(rows(form).first().section('|', 0, 3), "1|2|3|4");
    }
    click(form, "radioTableTaTg");
    load(form, "Ta;Tg;rH;Va;clo\n26;27;55;0.15;0.5\n22;22;60;0.1;0.5\n");
    click(form, "compute");
    click(form, "compute");
    QCOMPARE(headers(form), "Ta Tg rH Va clo PMV PPD PPD-M PMV PPD PPD-M");
    // The second run reads the two-decimal texts of the first and gives the same results;
    // the outputs show the last row.
    QCOMPARE(rows(form).last(), "22.00|22.00|60.00|0.10|0.50|-0.76|17.24|59.04|-0.76|17.24|59.04");
    QCOMPARE(results(form), "-0.76 17.24 59.04");
    QCOMPARE(exportCsv(form).split('\n').at(0), "26.00,27.00,55.00,0.15,0.50,0.53,10.82,16.45,0.53,10.82,16.45");
    // Reading a file again: the mode's input columns and nothing more, also in the CSV
    // (texts as read, a cell never filled an empty field).
    load(form, "h\n21;23;50;0.1;1;7;8;9\n24;;25\n");
    QCOMPARE(headers(form), "Ta Tg rH Va clo");
    QCOMPARE(exportCsv(form), "21,23,50,0.1,1\n24,25,,,\n");
    click(form, "radioTableTo");   // another mode also drops result columns
    MessageCatcher catcher;        // the gaps of the second row
    click(form, "compute");
    QCOMPARE(catcher.count, 1);
    click(form, "radioTableMRT");
    QCOMPARE(headers(form), "Ta Tr rH Va clo");
}

void TestPmvForm::batchUsesInputGroupMetabolicRateAndWork()
{
    FileForm form;
    // The input group is disabled in table mode but keeps its values for the batch:
    // 1,2 met is 69.6 W/m², the work of 10 W/m² is not scaled by 58.
    enter(form, {"inputM=1,2", "comboMetUnit=1", "inputW=10"});
    load(form, "h\n22;22;60;0.1;0.5\n");
    click(form, "compute");
    QCOMPARE(text(form, "outputPMV"), "-1.16");
    QCOMPARE(rows(form).first().section('|', 5, 5), "-1.16");
    QCOMPARE(text(form, "inputM"), "1,2");   // the field is not converted
}

void TestPmvForm::gapWarning_data()
{
    QTest::addColumn<QByteArray>("file");   // empty: the start table of ten unfilled rows
    QTest::addColumn<QString>("warning");
    QTest::newRow("start table") << QByteArray()
        << "Input cells without a number (empty, or text without a numeric prefix): 50. "
           "They were computed as 0.\nFirst: row 1, Ta; row 1, Tg; row 1, rH; row 1, Va; row 1, clo.";
    QTest::newRow("commas read with the semicolon") << QByteArray("h\n22,22,60,0.1,0.5\n22,22,60,0.1,0.5\n")
        << "Input cells without a number (empty, or text without a numeric prefix): 8. They were "
           "computed as 0.\nFirst: row 1, Tg; row 1, rH; row 1, Va; row 1, clo; row 2, Tg.";
    QTest::newRow("none") << QByteArray("h\n22;22;60;0.1;0.5\n") << "";
}

void TestPmvForm::gapWarning()
{
    QFETCH(QByteArray, file);
    FileForm form;
    if (!file.isEmpty())
        load(form, file);
    MessageCatcher catcher;
    click(form, "compute");
    QTEST(catcher.text, "warning");
    QCOMPARE(catcher.count, catcher.text.isEmpty() ? 0 : 1);
    QVERIFY(!rows(form).first().section('|', 5).isEmpty());   // computed all the same
}

void TestPmvForm::impossibleRowReadsNotAvailable()
{
    FileForm form;
    load(form, "h\n35;35;60;0.1;0.5\n22;22;60;-0.1;0.5\n22;22;60;0.1;0.5\n");
    MessageCatcher catcher;
    click(form, "compute");
    QCOMPARE(catcher.count, 0);
    const QStringList shown = rows(form);
    QCOMPARE(shown.at(1), "22.00|22.00|60.00|-0.10|0.50|N.A|N.A|N.A");
    QCOMPARE(shown.at(2).section('|', 5), "-0.76|17.24|59.04");
    QCOMPARE(validity(form),
             "1 of 2 rows lie outside the range of ISO 7730, which does not cover their results. "
             "First: row 1, air temperature 35.00 °C (10 to 30 °C); water vapour pressure 3375 Pa "
             "(0 to 2700 Pa); PMV 3.32 (-2 to 2).");
}

void TestPmvForm::unreadableOrCancelledImportKeepsTable()
{
    FileForm form;
    load(form, "h\n22;22;60;0.1;0.5\n");
    MessageCatcher catcher;
    open(form, dir->filePath("missing.csv"));
    QCOMPARE(catcher.count, 1);
    open(form, QString());   // cancelled dialogs
    click(form, "CsvWriteButton");
    QCOMPARE(form.asked, 4);
    QCOMPARE(catcher.count, 1);
    QCOMPARE(rows(form), QStringList({"22|22|60|0.1|0.5"}));
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList({"in.csv"}));
}

QTEST_MAIN(TestPmvForm)
#include "tst_pmvform.moc"
