// The PMV calculator: single values, and the table side (import, batch, CSV export).
#include "comfort/pmvform.h"

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

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : "<unreadable>";
}

// Each row's cell texts joined by "|"; a cell never filled is empty.
QStringList tableRows(pmvForm &form)
{
    auto *table = child<QTableWidget>(form, "tableWidget");
    QStringList rows;
    for (int r = 0; r < table->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < table->columnCount(); ++c)
            cells << (table->item(r, c) ? table->item(r, c)->text() : QString());
        rows << cells.join('|');
    }
    return rows;
}

QStringList headers(pmvForm &form)
{
    auto *table = child<QTableWidget>(form, "tableWidget");
    QStringList texts;
    for (int c = 0; c < table->columnCount(); ++c)
        texts << table->horizontalHeaderItem(c)->text();
    return texts;
}

void importFile(FileForm &form, const QString &path)
{
    form.openName = path;
    click(form, "readPreviewButton");
}

void exportTo(FileForm &form, const QString &path)
{
    form.saveName = path;
    click(form, "CsvWriteButton");
}

QString results(pmvForm &form)
{
    return text(form, "outputPMV") + ' ' + text(form, "outputPPD") + ' ' + text(form, "outputPPDM");
}

}

class TestPmvForm : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void eachMode_data();
    void eachMode();
    void badFieldIsNamedAndNothingComputed_data();
    void badFieldIsNamedAndNothingComputed();
    void importReplacesRows_data();
    void importReplacesRows();
    void modeLayouts_data();
    void modeLayouts();
    void twoComputesGiveElevenColumnsAndModeChangeDropsThem();
    void batchUsesInputGroupMetabolicRateAndWork();
    void tableModeWithEmptyAndUnfilledTables();
    void exportWritesTableAsShown_data();
    void exportWritesTableAsShown();
    void unwritableExportIsNamedAndOldFileKept();
    void unreadableOrCancelledImportKeepsTable();

private:
    void load(FileForm &form, const QByteArray &bytes)
    {
        writeFile(dir->filePath("in.csv"), bytes);
        importFile(form, dir->filePath("in.csv"));
    }
    std::unique_ptr<QTemporaryDir> dir;   // a fresh one per test
};

void TestPmvForm::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
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
    for (const QString &entry : QStringList{"inputTa=20", "inputTg=26", "inputMRT=24", "inputTo=25", "inputVa=0.2"})
        setText(form, entry.section('=', 0, 0), entry.section('=', 1));
    for (const QString &field : unused)
        setText(form, field, "junk");
    MessageCatcher catcher;
    click(form, "compute");
    QCOMPARE(catcher.count, 0);
    double pmv = 0, ppd = 0, limited = 0, mayer = 0;
    computePMV(mode, ta, t2, 60, 0.2, 0.5 * kCloToM2KW, 69.6, 0, pmv, ppd, limited, mayer);
    QCOMPARE(results(form), QString("%1 %2 %3").arg(pmv, 0, 'f', 2).arg(ppd, 0, 'f', 2).arg(mayer, 0, 'f', 2));
}

void TestPmvForm::badFieldIsNamedAndNothingComputed_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("bad");
    QTest::addColumn<QString>("named");
    QTest::addColumn<QString>("mended");   // with a decimal comma where the value has decimals
    QTest::newRow("clothing word") << "inputIcl" << "half" << "Clothing Insulation [clo]: \"half\"" << "0,5";
    QTest::newRow("empty air speed") << "inputVa" << "" << "Air Velocity [m/s]: empty" << "0,1";
    QTest::newRow("unit typed in") << "inputTg" << "22 °C" << "Globe Temperature [°C]" << "22";
    QTest::newRow("metabolic rate") << "inputM" << "x" << "Metabolic Rate" << "69,6";
}

void TestPmvForm::badFieldIsNamedAndNothingComputed()
{
    QFETCH(QString, field);
    QFETCH(QString, bad);
    QFETCH(QString, named);
    QFETCH(QString, mended);
    pmvForm form(nullptr);
    click(form, "compute");
    setText(form, field, bad);
    MessageCatcher catcher;
    click(form, "compute");
    QCOMPARE(catcher.count, 1);
    QVERIFY2(catcher.text.contains(named), qPrintable(catcher.text));
    // The old results stay, the entry is kept and marked.
    QCOMPARE(results(form), "-0.76 17.24 59.04");
    QCOMPARE(text(form, field), bad);
    QVERIFY(!child<QLineEdit>(form, field)->styleSheet().isEmpty());
    // Mended, the field computes again and loses its mark.
    setText(form, field, mended);
    setText(form, "outputPMV", "");
    click(form, "compute");
    QCOMPARE(catcher.count, 1);
    QCOMPARE(text(form, "outputPMV"), "-0.76");
    QVERIFY(child<QLineEdit>(form, field)->styleSheet().isEmpty());
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
    QTest::newRow("exactly the header lines: empty table") << 0 << "2" << QByteArray("Ta;Tg\n22;22\n") << QStringList{};
    QTest::newRow("comma separated") << 1 << "0" << QByteArray("22,22,60,0.1,0.5\n") << QStringList{"22|22|60|0.1|0.5"};
    QTest::newRow("runs of spaces act as one separator")
        << 2 << "0" << QByteArray("22 22   60 0.1 0.5\n") << QStringList{"22|22|60|0.1|0.5"};
    QTest::newRow("tab separated, blank field skipped")
        << 3 << "0" << QByteArray("22\t22\t \t60\t0.1\t0.5\n") << QStringList{"22|22|60|0.1|0.5"};
    QTest::newRow("decimal comma kept as text until the batch")
        << 0 << "0" << QByteArray("22,5;22;60;0,1;0,5\n") << QStringList{"22,5|22|60|0,1|0,5"};
    QTest::newRow("fields beyond the five columns are dropped")
        << 0 << "0" << QByteArray("1;2;3;4;5;6;7\n") << QStringList{"1|2|3|4|5"};
    QTest::newRow("empty line gives an empty row")
        << 0 << "0" << QByteArray("21;23;50;0.1;1\n\n") << QStringList{"21|23|50|0.1|1", "||||"};
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
    QTEST(tableRows(form), "rows");
}

void TestPmvForm::modeLayouts_data()
{
    QTest::addColumn<QString>("radio");
    QTest::addColumn<QStringList>("headers");
    QTest::newRow("operative temperature") << "radioTableTo" << QStringList{"To", "rH", "Va", "clo"};
    QTest::newRow("air and mean radiant temperature") << "radioTableMRT" << QStringList{"Ta", "Tr", "rH", "Va", "clo"};
    QTest::newRow("air and globe temperature") << "radioTableTaTg" << QStringList{"Ta", "Tg", "rH", "Va", "clo"};
}

void TestPmvForm::modeLayouts()
{
    QFETCH(QString, radio);
    FileForm form;
    load(form, "h\n1;2;3;4;5\n");
    // From every other mode: rows and the cells of the remaining columns stay.
    for (const char *from : {"radioTableTo", "radioTableMRT", "radioTableTaTg"}) {
        click(form, from);
        click(form, radio);
        QTEST(headers(form), "headers");
        QCOMPARE(tableRows(form).size(), 1);
        QVERIFY(tableRows(form).first().startsWith("1|2|3|4"));
    }
}

void TestPmvForm::twoComputesGiveElevenColumnsAndModeChangeDropsThem()
{
    FileForm form;
    load(form, "Ta;Tg;rH;Va;clo\n26;27;55;0.15;0.5\n22;22;60;0.1;0.5\n");
    click(form, "compute");
    click(form, "compute");
    QCOMPARE(headers(form),
             QStringList({"Ta", "Tg", "rH", "Va", "clo", "PMV", "PPD", "PPD-M", "PMV", "PPD", "PPD-M"}));
    // The second run reads the two-decimal texts of the first and gives the same results.
    QCOMPARE(tableRows(form).last(), "22.00|22.00|60.00|0.10|0.50|-0.76|17.24|59.04|-0.76|17.24|59.04");
    QCOMPARE(results(form), "-0.76 17.24 59.04");   // the last row
    click(form, "radioTableTo");
    QCOMPARE(headers(form), QStringList({"To", "rH", "Va", "clo"}));
    QCOMPARE(tableRows(form).last(), "22.00|22.00|60.00|0.10");
    click(form, "radioTableTaTg");
    QCOMPARE(tableRows(form).last(), "22.00|22.00|60.00|0.10|");
}

void TestPmvForm::batchUsesInputGroupMetabolicRateAndWork()
{
    FileForm form;
    // The input group is disabled in table mode but keeps its values for the batch:
    // 1,2 met is 69.6 W/m², the work of 10 W/m² is not scaled by 58.
    setText(form, "inputM", "1,2");
    child<QComboBox>(form, "comboMetUnit")->setCurrentIndex(1);
    setText(form, "inputW", "10");
    load(form, "h\n22;22;60;0.1;0.5\n");
    click(form, "compute");
    QCOMPARE(text(form, "outputPMV"), "-1.16");
    QCOMPARE(tableRows(form).first().section('|', 5, 5), "-1.16");
    QCOMPARE(text(form, "inputM"), "1,2");   // the field is not converted
}

void TestPmvForm::tableModeWithEmptyAndUnfilledTables()
{
    FileForm form;
    const char *const tableWidgets[] = {"tableWidget", "groupBoxreadFile", "readPreviewButton", "CsvWriteButton"};
    for (const char *name : tableWidgets)
        QVERIFY2(enabled(form, name), name);
    QVERIFY(!enabled(form, "groupBoxInput"));
    // The initial table: ten rows of cells never filled; they read as 0.
    QCOMPARE(headers(form), QStringList({"Ta", "Tg", "rH", "Va", "clo"}));
    click(form, "compute");
    QCOMPARE(tableRows(form).size(), 10);
    QCOMPARE(tableRows(form).first().section('|', 0, 4), "0.00|0.00|0.00|0.00|0.00");
    // A file with only its header gives an empty table: the outputs show 0.00.
    load(form, "Ta;Tg;rH;Va;clo\n");
    QCOMPARE(tableRows(form), QStringList());
    click(form, "compute");
    QCOMPARE(results(form), "0.00 0.00 0.00");
    click(form, "checkBoxReadData");   // back to single values
    for (const char *name : tableWidgets)
        QVERIFY2(!enabled(form, name), name);
    QVERIFY(enabled(form, "groupBoxInput"));
}

void TestPmvForm::exportWritesTableAsShown_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("computed");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("right after import: texts unchanged")
        << QByteArray("h\n22;22;;60;0.1;0.5\n24.5;25;50;0.2;0.7\n") << false
        << QByteArray("22,22,60,0.1,0.5\n24.5,25,50,0.2,0.7\n");
    QTest::newRow("after a batch: two decimals and three results")
        << QByteArray("h\n22;22;60;0.1;0.5\n") << true << QByteArray("22.00,22.00,60.00,0.10,0.50,-0.76,17.24,59.04\n");
    QTest::newRow("unfilled cells are empty fields") << QByteArray("h\n21;23\n") << false << QByteArray("21,23,,,\n");
    QTest::newRow("empty table gives an empty file") << QByteArray("h\n") << false << QByteArray();
}

void TestPmvForm::exportWritesTableAsShown()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, computed);
    FileForm form;
    load(form, file);
    if (computed)
        click(form, "compute");
    const QString target = dir->filePath("pmvout.csv");
    writeFile(target, "an older and longer file that is replaced as a whole\n");
    MessageCatcher catcher;
    exportTo(form, target);
    QCOMPARE(catcher.count, 0);
    QTEST(readFile(target), "written");
}

void TestPmvForm::unwritableExportIsNamedAndOldFileKept()
{
    FileForm form;
    load(form, "h\n22;22;60;0.1;0.5\n");
    // A missing folder, and an existing file whose name leaves no room for the temporary
    // file written beside it (permissions would not stop a test run as root).
    const QString missing = dir->filePath("no such folder/pmvout.csv");
    const QString old = dir->filePath(QString(250, 'o'));
    writeFile(old, "old contents\n");
    for (const QString &path : {missing, old}) {
        MessageCatcher catcher;
        exportTo(form, path);
        QCOMPARE(catcher.count, 1);
        QVERIFY2(catcher.text.contains(QDir::toNativeSeparators(path)), qPrintable(catcher.text));
    }
    QVERIFY(!QFile::exists(missing));
    QCOMPARE(readFile(old), QByteArray("old contents\n"));
}

void TestPmvForm::unreadableOrCancelledImportKeepsTable()
{
    QVERIFY(QDir(dir->path()).mkpath("folder"));
    FileForm form;
    load(form, "h\n22;22;60;0.1;0.5\n");
    for (const QString &path : {dir->filePath("missing.csv"), dir->filePath("folder")}) {
        MessageCatcher catcher;
        importFile(form, path);
        QCOMPARE(catcher.count, 1);
        QVERIFY2(catcher.text.contains(QDir::toNativeSeparators(path)), qPrintable(catcher.text));
    }
    MessageCatcher catcher;
    importFile(form, QString());   // cancelled dialogs
    exportTo(form, QString());
    QCOMPARE(form.asked, 5);
    QCOMPARE(catcher.count, 0);
    QCOMPARE(tableRows(form), QStringList({"22|22|60|0.1|0.5"}));
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList({"in.csv"}));
}

QTEST_MAIN(TestPmvForm)
#include "tst_pmvform.moc"
