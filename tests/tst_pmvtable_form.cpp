// The PMV calculator's table side: import from a file, batch, CSV export.
#include "comfort/pmvform.h"

#include "messagecatcher.h"
#include "widgetlookup.h"

#include <QtTest>

#include <memory>

namespace {

// The calculator with its file dialogs answered by the test.
class FileForm : public pmvForm
{
public:
    FileForm()
        : pmvForm(nullptr)
    {
        child<QCheckBox>(*this, "checkBoxReadData")->click();
    }

    QString openName;
    QString saveName;
    int asked = 0;

protected:
    QString askOpenFileName() override
    {
        ++asked;
        return openName;
    }
    QString askSaveFileName() override
    {
        ++asked;
        return saveName;
    }
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
    if (!file.open(QIODevice::ReadOnly))
        return "<unreadable>";
    return file.readAll();
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
        rows << cells.join(QLatin1Char('|'));
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
    QTest::mouseClick(child<QPushButton>(form, "readPreviewButton"), Qt::LeftButton);
}

void compute(pmvForm &form)
{
    QTest::mouseClick(child<QPushButton>(form, "compute"), Qt::LeftButton);
}

void exportTo(FileForm &form, const QString &path)
{
    form.saveName = path;
    QTest::mouseClick(child<QPushButton>(form, "CsvWriteButton"), Qt::LeftButton);
}

QString out(pmvForm &form, const char *name)
{
    return child<QLineEdit>(form, name)->text();
}

}

class TestPmvTableForm : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void importReplacesRows_data();
    void importReplacesRows();
    void modeLayouts_data();
    void modeLayouts();
    void twoComputesGiveElevenColumnsAndModeChangeDropsThem();
    void batchUsesInputGroupMetabolicRateAndWork_data();
    void batchUsesInputGroupMetabolicRateAndWork();
    void emptyAndUnfilledTables();
    void exportWritesTableAsShown_data();
    void exportWritesTableAsShown();
    void unwritableExportIsNamedAndOldFileKept();
    void unreadableImportIsNamedAndTableKept_data();
    void unreadableImportIsNamedAndTableKept();
    void cancelledDialogsDoNothing();
    void dialogsCarryTheirCaptions();

private:
    std::unique_ptr<QTemporaryDir> dir;   // a fresh one per test
};

void TestPmvTableForm::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    QTest::failOnWarning(QRegularExpression("connectSlotsByName"));
}

void TestPmvTableForm::importReplacesRows_data()
{
    QTest::addColumn<int>("separator");   // csvcomboBox index
    QTest::addColumn<QString>("headerLines");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("rows");

    // Before each case the table holds the two rows of an earlier import.
    const QStringList earlier = {"1|2|3|4|5", "6|7|8|9|10"};
    QTest::newRow("one header line, three data lines")
        << 0 << "1" << QByteArray("Ta;Tg;rH;Va;clo\n22;22;60;0.1;0.5\n24;25;50;0.2;0.7\n20;19;40;0.05;1\n")
        << QStringList{"22|22|60|0.1|0.5", "24|25|50|0.2|0.7", "20|19|40|0.05|1"};
    QTest::newRow("fewer lines than header lines: table unchanged")
        << 0 << "3" << QByteArray("Ta;Tg\n22;22\n") << earlier;
    QTest::newRow("exactly the header lines: empty table")
        << 0 << "2" << QByteArray("Ta;Tg\n22;22\n") << QStringList{};
    QTest::newRow("empty field between semicolons is skipped")
        << 0 << "0" << QByteArray("22;22;;60;0.1;0.5\n") << QStringList{"22|22|60|0.1|0.5"};
    QTest::newRow("runs of spaces act as one separator")
        << 2 << "0" << QByteArray("22 22   60 0.1 0.5\n") << QStringList{"22|22|60|0.1|0.5"};
    QTest::newRow("comma separated")
        << 1 << "0" << QByteArray("22,22,60,0.1,0.5\n") << QStringList{"22|22|60|0.1|0.5"};
    QTest::newRow("tab separated, blank field skipped")
        << 3 << "0" << QByteArray("22\t22\t \t60\t0.1\t0.5\n") << QStringList{"22|22|60|0.1|0.5"};
    QTest::newRow("decimal comma kept as text until the batch")
        << 0 << "0" << QByteArray("22,5;22;60;0,1;0,5\n") << QStringList{"22,5|22|60|0,1|0,5"};
    QTest::newRow("fields beyond the five columns are dropped")
        << 0 << "0" << QByteArray("1;2;3;4;5;6;7\n") << QStringList{"1|2|3|4|5"};
    QTest::newRow("short line leaves the other cells unfilled")
        << 0 << "0" << QByteArray("21;23\n") << QStringList{"21|23|||"};
    QTest::newRow("empty line gives an empty row")
        << 0 << "0" << QByteArray("21;23;50;0.1;1\n\n") << QStringList{"21|23|50|0.1|1", "||||"};
    QTest::newRow("header count not a number counts as none")
        << 0 << "one" << QByteArray("22;22;60;0.1;0.5\n") << QStringList{"22|22|60|0.1|0.5"};
    QTest::newRow("Windows line ends")
        << 0 << "1" << QByteArray("Ta;Tg;rH;Va;clo\r\n22;22;60;0.1;0.5\r\n") << QStringList{"22|22|60|0.1|0.5"};
}

void TestPmvTableForm::importReplacesRows()
{
    QFETCH(int, separator);
    QFETCH(QString, headerLines);
    QFETCH(QByteArray, file);
    FileForm form;
    const QString earlier = dir->filePath("earlier.csv");
    writeFile(earlier, "Ta;Tg\n1;2;3;4;5\n6;7;8;9;10\n");
    importFile(form, earlier);
    QCOMPARE(tableRows(form), QStringList({"1|2|3|4|5", "6|7|8|9|10"}));

    child<QComboBox>(form, "csvcomboBox")->setCurrentIndex(separator);
    child<QLineEdit>(form, "dataSkipLines")->setText(headerLines);
    const QString path = dir->filePath("in.txt");
    writeFile(path, file);
    MessageCatcher catcher;
    importFile(form, path);
    QCOMPARE(catcher.count, 0);
    QTEST(tableRows(form), "rows");
}

void TestPmvTableForm::modeLayouts_data()
{
    QTest::addColumn<QString>("radio");
    QTest::addColumn<QStringList>("headers");
    QTest::newRow("operative temperature") << "radioTableTo" << QStringList{"To", "rH", "Va", "clo"};
    QTest::newRow("air and mean radiant temperature")
        << "radioTableMRT" << QStringList{"Ta", "Tr", "rH", "Va", "clo"};
    QTest::newRow("air and globe temperature")
        << "radioTableTaTg" << QStringList{"Ta", "Tg", "rH", "Va", "clo"};
}

void TestPmvTableForm::modeLayouts()
{
    QFETCH(QString, radio);
    FileForm form;
    const QString path = dir->filePath("in.csv");
    writeFile(path, "h\n1;2;3;4;5\n");
    importFile(form, path);
    // From every other mode: rows and the cells of the remaining columns stay.
    for (const char *from : {"radioTableTo", "radioTableMRT", "radioTableTaTg"}) {
        child<QRadioButton>(form, from)->click();
        child<QRadioButton>(form, radio.toLatin1())->click();
        QTEST(headers(form), "headers");
        QCOMPARE(tableRows(form).size(), 1);
        QVERIFY(tableRows(form).first().startsWith("1|2|3|4"));
    }
}

void TestPmvTableForm::twoComputesGiveElevenColumnsAndModeChangeDropsThem()
{
    FileForm form;
    const QString path = dir->filePath("in.csv");
    writeFile(path, "Ta;Tg;rH;Va;clo\n26;27;55;0.15;0.5\n22;22;60;0.1;0.5\n");
    importFile(form, path);
    compute(form);
    compute(form);
    QCOMPARE(headers(form), QStringList({"Ta", "Tg", "rH", "Va", "clo", "PMV", "PPD", "PPD-M", "PMV",
                                         "PPD", "PPD-M"}));
    // The second run reads the two-decimal texts of the first and gives the same results.
    QCOMPARE(tableRows(form).last(),
             "22.00|22.00|60.00|0.10|0.50|-0.76|17.24|59.04|-0.76|17.24|59.04");
    // The output fields show the last row.
    QCOMPARE(out(form, "outputPMV"), "-0.76");
    QCOMPARE(out(form, "outputPPD"), "17.24");
    QCOMPARE(out(form, "outputPPDM"), "59.04");

    child<QRadioButton>(form, "radioTableTo")->click();
    QCOMPARE(headers(form), QStringList({"To", "rH", "Va", "clo"}));
    QCOMPARE(tableRows(form).last(), "22.00|22.00|60.00|0.10");
    child<QRadioButton>(form, "radioTableTaTg")->click();
    QCOMPARE(tableRows(form).last(), "22.00|22.00|60.00|0.10|");
}

void TestPmvTableForm::batchUsesInputGroupMetabolicRateAndWork_data()
{
    QTest::addColumn<QString>("m");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("w");
    QTest::addColumn<QString>("pmv");
    QTest::newRow("69.6 W/m2, no work") << "69.6" << 0 << "0" << "-0.76";
    QTest::newRow("1.2 met is 69.6 W/m2") << "1.2" << 1 << "0" << "-0.76";
    QTest::newRow("decimal comma in the field") << "69,6" << 0 << "0" << "-0.76";
    QTest::newRow("external work counts in W/m2 whatever the unit") << "1.2" << 1 << "10" << "-1.16";
}

void TestPmvTableForm::batchUsesInputGroupMetabolicRateAndWork()
{
    QFETCH(QString, m);
    QFETCH(int, unit);
    QFETCH(QString, w);
    FileForm form;
    // The input group is disabled in table mode but keeps its values for the batch.
    child<QLineEdit>(form, "inputM")->setText(m);
    child<QComboBox>(form, "comboMetUnit")->setCurrentIndex(unit);
    child<QLineEdit>(form, "inputW")->setText(w);
    const QString path = dir->filePath("in.csv");
    writeFile(path, "h\n22;22;60;0.1;0.5\n");
    importFile(form, path);
    compute(form);
    QTEST(out(form, "outputPMV"), "pmv");
    QCOMPARE(tableRows(form).first().section('|', 5, 5), out(form, "outputPMV"));
}

void TestPmvTableForm::emptyAndUnfilledTables()
{
    FileForm form;
    // The initial table: ten rows of cells never filled; they read as 0.
    compute(form);
    QCOMPARE(tableRows(form).size(), 10);
    QCOMPARE(tableRows(form).first().section('|', 0, 4), "0.00|0.00|0.00|0.00|0.00");

    // A file with only its header gives an empty table: the outputs show 0.00.
    const QString path = dir->filePath("header.csv");
    writeFile(path, "Ta;Tg;rH;Va;clo\n");
    importFile(form, path);
    QCOMPARE(tableRows(form).size(), 0);
    compute(form);
    QCOMPARE(out(form, "outputPMV"), "0.00");
    QCOMPARE(out(form, "outputPPD"), "0.00");
    QCOMPARE(out(form, "outputPPDM"), "0.00");

    // Text that is no number is read up to its numeric prefix.
    writeFile(path, "h\nabc;22 °C;1,234,5;0.1x;.5\n");
    importFile(form, path);
    compute(form);
    QCOMPARE(tableRows(form).first().section('|', 0, 4), "0.00|22.00|1.23|0.10|0.50");
}

void TestPmvTableForm::exportWritesTableAsShown_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("computed");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("right after import: texts unchanged")
        << QByteArray("h\n22;22;;60;0.1;0.5\n24.5;25;50;0.2;0.7\n") << false
        << QByteArray("22,22,60,0.1,0.5\n24.5,25,50,0.2,0.7\n");
    QTest::newRow("after a batch: two decimals and three results")
        << QByteArray("h\n22;22;60;0.1;0.5\n") << true
        << QByteArray("22.00,22.00,60.00,0.10,0.50,-0.76,17.24,59.04\n");
    QTest::newRow("unfilled cells are empty fields")
        << QByteArray("h\n21;23\n") << false << QByteArray("21,23,,,\n");
    QTest::newRow("empty table gives an empty file") << QByteArray("h\n") << false << QByteArray();
}

void TestPmvTableForm::exportWritesTableAsShown()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, computed);
    FileForm form;
    const QString in = dir->filePath("in.csv");
    writeFile(in, file);
    importFile(form, in);
    if (computed)
        compute(form);
    const QString target = dir->filePath("pmvout.csv");
    writeFile(target, "an older and longer file that is replaced as a whole\n");
    MessageCatcher catcher;
    exportTo(form, target);
    QCOMPARE(catcher.count, 0);
    QTEST(readFile(target), "written");
}

void TestPmvTableForm::unwritableExportIsNamedAndOldFileKept()
{
    FileForm form;
    const QString in = dir->filePath("in.csv");
    writeFile(in, "h\n22;22;60;0.1;0.5\n");
    importFile(form, in);

    // A folder that does not exist.
    const QString missing = dir->filePath("no such folder/pmvout.csv");
    {
        MessageCatcher catcher;
        exportTo(form, missing);
        QCOMPARE(catcher.count, 1);
        QVERIFY2(catcher.text.contains(QDir::toNativeSeparators(missing)), qPrintable(catcher.text));
        QVERIFY(!QFile::exists(missing));
    }
    // An existing file whose name leaves no room for the temporary file written
    // beside it: the old contents must stay whole. (Permissions would not stop
    // a test run as root.)
    const QString old = dir->filePath(QString(250, QLatin1Char('o')));
    writeFile(old, "old contents\n");
    {
        MessageCatcher catcher;
        exportTo(form, old);
        QCOMPARE(catcher.count, 1);
        QVERIFY2(catcher.text.contains(QDir::toNativeSeparators(old)), qPrintable(catcher.text));
        QVERIFY(catcher.text.contains("Cannot write file"));
    }
    QCOMPARE(readFile(old), QByteArray("old contents\n"));
}

void TestPmvTableForm::unreadableImportIsNamedAndTableKept_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("missing file") << "missing.csv";
    QTest::newRow("a folder") << "folder";
}

void TestPmvTableForm::unreadableImportIsNamedAndTableKept()
{
    QFETCH(QString, name);
    QVERIFY(QDir(dir->path()).mkpath("folder"));
    FileForm form;
    const QString in = dir->filePath("in.csv");
    writeFile(in, "h\n22;22;60;0.1;0.5\n");
    importFile(form, in);
    const QString path = dir->filePath(name);
    MessageCatcher catcher;
    importFile(form, path);
    QCOMPARE(catcher.count, 1);
    QVERIFY2(catcher.text.contains(QDir::toNativeSeparators(path)), qPrintable(catcher.text));
    QCOMPARE(tableRows(form), QStringList({"22|22|60|0.1|0.5"}));
}

void TestPmvTableForm::cancelledDialogsDoNothing()
{
    FileForm form;
    const QString in = dir->filePath("in.csv");
    writeFile(in, "h\n22;22;60;0.1;0.5\n");
    importFile(form, in);
    MessageCatcher catcher;
    importFile(form, QString());
    exportTo(form, QString());
    QCOMPARE(form.asked, 3);
    QCOMPARE(catcher.count, 0);
    QCOMPARE(tableRows(form), QStringList({"22|22|60|0.1|0.5"}));
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList({"in.csv"}));
}

void TestPmvTableForm::dialogsCarryTheirCaptions()
{
    // The real dialogs, cancelled: captions, folder, proposed name and filters.
    pmvForm form(nullptr);
    child<QCheckBox>(form, "checkBoxReadData")->click();
    QStringList seen;
    QTimer timer;
    timer.setInterval(5);
    connect(&timer, &QTimer::timeout, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        seen << dialog->windowTitle() + " | " + dialog->nameFilters().join(';') + " | "
                    + QFileInfo(dialog->selectedFiles().value(0)).fileName() + " | "
                    + QDir(dialog->directory()).absolutePath();
        dialog->reject();
    });
    timer.start();
    const QStringList before = tableRows(form);
    QTest::mouseClick(child<QPushButton>(form, "readPreviewButton"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(form, "CsvWriteButton"), Qt::LeftButton);
    const QString here = QDir::currentPath();
    QCOMPARE(seen.size(), 2);
    QCOMPARE(seen[0].section(" | ", 0, 1), "Open Spreadsheet | Spreadsheet files (*.*)");
    QCOMPARE(seen[0].section(" | ", 3), here);
    QCOMPARE(seen[1].section(" | ", 0, 2), "Choose output filename | Spreadsheet files (*.csv*) | pmvout.csv");
    QCOMPARE(tableRows(form), before);
    QVERIFY(!QFile::exists("pmvout.csv"));
}

QTEST_MAIN(TestPmvTableForm)
#include "tst_pmvtable_form.moc"
