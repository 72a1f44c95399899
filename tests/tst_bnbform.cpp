// The data page of the BNB assessment: import, paste, Compute and its refusals.
#include "assessment/bnbform.h"

#include "messagecatcher.h"
#include "widgetlookup.h"
#include "yeardata.h"

#include <QtTest>

#include <memory>

namespace {

// The data page, its file dialogs answered by the test.
class FileForm : public bnbForm
{
public:
    FileForm() : bnbForm(nullptr) {}
    QString openName;
    QString saveName;

protected:
    QString askOpenFileName() override { return openName; }
    QString askSaveFileName() override { return saveName; }
};

QTableWidget *table(bnbForm &form) { return child<QTableWidget>(form, "tableWidget"); }

// Each row's cell texts joined by "|"; a cell never filled is empty.
QStringList tableRows(bnbForm &form, int first = 0, int count = -1)
{
    QTableWidget *t = table(form);
    const int end = count < 0 ? t->rowCount() : std::min(t->rowCount(), first + count);
    QStringList rows;
    for (int r = first; r < end; ++r) {
        QStringList cells;
        for (int c = 0; c < t->columnCount(); ++c)
            cells << (t->item(r, c) ? t->item(r, c)->text() : QString());
        rows << cells.join('|');
    }
    return rows;
}

std::array<double, 20> winter(bnbForm &form)
{
    std::array<double, 20> w{};
    form.getWinterResults(w.data());
    return w;
}

std::array<double, 20> summer(bnbForm &form)
{
    std::array<double, 20> s{};
    form.getSummerResults(s.data());
    return s;
}

void chooseModel(bnbForm &form, int index)
{
    auto *box = child<QComboBox>(form, "modelSelectBox");
    box->setCurrentIndex(index);
    emit box->textActivated(box->currentText());
}

}

class TestBnbForm : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void startState();
    void importFiles_data();
    void importFiles();
    void pasteChecksShapeFirst();
    void refusedComputeChangesNothing_data();
    void refusedComputeChangesNothing();
    void meanColumnComesAndGoesWithAdaptiveModel();
    void cellsWithoutNumberAreWarned();
    void summerResultsFollowModelChoice();

private:
    void load(FileForm &form, const QByteArray &bytes, int headerLines = 1)
    {
        const QString path = dir->filePath("year.csv");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        setText(form, "dataSkipLines", QString::number(headerLines));
        form.openName = path;
        click(form, "readPreviewButton");
    }
    std::unique_ptr<QTemporaryDir> dir;
};

void TestBnbForm::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    QTest::failOnWarning(QRegularExpression("connectSlotsByName"));
}

void TestBnbForm::startState()
{
    bnbForm form(nullptr);
    QCOMPARE(table(form)->rowCount(), 8760);
    QCOMPARE(table(form)->horizontalHeaderItem(2)->text(), "Raum-\ntemperatur\n To (°C)");
    QVERIFY(!enabled(form, "compButton") && !enabled(form, "writeButton") && !enabled(form, "dataStartDate"));
    QVERIFY(!enabled(form, "regionCheckA") && child<QRadioButton>(form, "regionCheckA")->isChecked());
    chooseModel(form, 3);
    QVERIFY(enabled(form, "regionCheckB"));
    chooseModel(form, 1);
    QVERIFY(!enabled(form, "regionCheckB"));
    QStringList actions;
    for (QAction *a : form.actions())
        actions << a->text() + (a->icon().isNull() ? " without icon" : "");
    QCOMPARE(actions, QStringList({"&Copy", "&Paste", "Cu&t"}));
    QCOMPARE(form.contextMenuPolicy(), Qt::ActionsContextMenu);
    QVERIFY(!form.lastComputeOk());
}

void TestBnbForm::importFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("headerLines");
    QTest::addColumn<int>("separator");   // index of csvcomboBox
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("header line dropped, decimal commas kept")
        << QByteArray("Ta;RH;To\n-3,5;80;19,5\n4;75,5;20\n") << 1 << 0 << QStringList{"-3,5|80|19,5", "4|75,5|20"};
    QTest::newRow("empty field: 45 moves to the humidity column")
        << QByteArray("12,5;;45\n") << 0 << 0 << QStringList{"12,5|45|"};
    QTest::newRow("runs of blanks, fourth field dropped")
        << QByteArray("a b\n1  2 3 4\n") << 1 << 2 << QStringList{"1|2|3"};
    QTest::newRow("only the header lines: empty table") << QByteArray("a\nb\n") << 2 << 0 << QStringList{};
    QTest::newRow("fewer lines than header: table kept")
        << QByteArray("a\n") << 2 << 0 << QStringList{"previous||"};
}

void TestBnbForm::importFiles()
{
    QFETCH(QByteArray, file);
    QFETCH(int, headerLines);
    QFETCH(int, separator);
    QFETCH(QStringList, rows);
    FileForm form;
    table(form)->setRowCount(1);
    table(form)->setItem(0, 0, new QTableWidgetItem("previous"));
    child<QComboBox>(form, "csvcomboBox")->setCurrentIndex(separator);
    load(form, file, headerLines);
    QCOMPARE(tableRows(form), rows);
    QVERIFY(enabled(form, "compButton"));
}

void TestBnbForm::pasteChecksShapeFirst()
{
    FileForm form;
    load(form, "h\n1;2;3\n4;5;6\n7;8;9\n");
    QTableWidget *t = table(form);
    QApplication::clipboard()->setText("a\tb\nc\td\ne\tf\n");
    t->setRangeSelected(QTableWidgetSelectionRange(0, 0, 0, 1), true);   // 1 × 2 cells for 3 × 2
    {
        MessageCatcher catcher;
        form.actions().at(1)->trigger();   // paste
        QCOMPARE(catcher.title, "Spreadsheet");
    }
    QCOMPARE(tableRows(form), QStringList({"1|2|3", "4|5|6", "7|8|9"}));
    // At one cell the table ends after the pasted rows.
    t->clearSelection();
    t->setRangeSelected(QTableWidgetSelectionRange(1, 1, 1, 1), true);
    form.actions().at(1)->trigger();
    QCOMPARE(tableRows(form), QStringList({"1|2|3", "4|a|b", "7|c|d", "|e|f"}));
}

void TestBnbForm::refusedComputeChangesNothing_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("named");
    QTest::newRow("interval not a number") << 8760 << "dataIntervalHour" << "one" << QStringList{"Data Interval [h]: \"one\""};
    QTest::newRow("interval 0") << 8760 << "dataIntervalHour" << "0" << QStringList{"Data Interval [h]", "greater than 0"};
    QTest::newRow("alpha 1: no weights left") << 8760 << "inputAlphaEN" << "1" << QStringList{"Alpha (EN)"};
    QTest::newRow("working hours empty") << 8760 << "modelWorkStart" << "" << QStringList{"Working hours from: empty"};
    QTest::newRow("data end before October")
        << 6552 << "dataStartTime" << "0" << QStringList{"01.10.2011 0:00", "01.01.2011 0:00 to 30.09.2011 23:00"};
    QTest::newRow("empty table") << 0 << "dataStartTime" << "0" << QStringList{"01.10.2011 0:00", "no rows"};
}

// Fields are read before anything else; a year without a season boundary is
// named instead of ending the program. Table, results and buttons stay.
void TestBnbForm::refusedComputeChangesNothing()
{
    QFETCH(int, rows);
    QFETCH(QString, field);
    QFETCH(QString, entry);
    QFETCH(QStringList, named);
    FileForm form;
    load(form, yearFile(simulatedYear(rows)));
    const QStringList before = tableRows(form, 0, 3);
    setText(form, field, entry);
    MessageCatcher catcher;
    click(form, "compButton");
    QCOMPARE(catcher.count, 1);
    for (const QString &part : named)
        QVERIFY2(catcher.text.contains(part), qPrintable(catcher.text));
    QCOMPARE(tableRows(form, 0, 3), before);
    QCOMPARE(table(form)->rowCount(), rows);
    QVERIFY(!form.lastComputeOk() && !enabled(form, "writeButton"));
    QCOMPARE(winter(form), (std::array<double, 20>{}));
}

void TestBnbForm::meanColumnComesAndGoesWithAdaptiveModel()
{
    FileForm form;
    load(form, yearFile(simulatedYear(8760)));
    chooseModel(form, 1);
    click(form, "compButton");
    QVERIFY(form.lastComputeOk() && enabled(form, "writeButton"));
    QCOMPARE(table(form)->horizontalHeaderItem(3)->text(), "Mean (EN)");
    const QStringList first = tableRows(form, 0, 1);
    QVERIFY2(QRegularExpression("^-?\\d+\\.\\d\\d\\|\\d+\\.\\d\\d\\|\\d+\\.\\d\\d\\|999\\.00$").match(first[0]).hasMatch(),
             qPrintable(first[0]));
    QVERIFY(tableRows(form, 383, 1)[0].endsWith("|999.00"));
    QVERIFY(!tableRows(form, 5000, 1)[0].endsWith("|999.00"));   // 28.07., in the summer period
    // Written as shown: four values per line.
    form.saveName = dir->filePath("bnbout.csv");
    click(form, "writeButton");
    QFile out(form.saveName);
    QVERIFY(out.open(QIODevice::ReadOnly));
    QCOMPARE(out.readLine(), QByteArray(first[0].toLatin1()).replace('|', ',') + '\n');
    chooseModel(form, 0);
    click(form, "compButton");
    QCOMPARE(table(form)->columnCount(), 3);
    QCOMPARE(tableRows(form, 0, 1)[0], first[0].section('|', 0, 2));
}

void TestBnbForm::cellsWithoutNumberAreWarned()
{
    FileForm form;
    QByteArray file = yearFile(simulatedYear(8760));
    file.replace("Ta;RH;To\n", "Ta;RH;To\n12,5;;45\n");
    load(form, file);
    table(form)->setRowCount(8760);
    MessageCatcher catcher;
    click(form, "compButton");
    QCOMPARE(catcher.count, 1);
    QVERIFY2(catcher.text.contains("row 1, Raum- temperatur To (°C)"), qPrintable(catcher.text));
    QCOMPARE(tableRows(form, 0, 1), QStringList{"12.50|45.00|0.00"});
    QVERIFY(form.lastComputeOk());
}

// The summer array is that of the model selected when it is fetched; a model
// never computed hands out zeros. The series and masks belong to the last Compute.
void TestBnbForm::summerResultsFollowModelChoice()
{
    FileForm form;
    load(form, yearFile(simulatedYear(8760)));
    click(form, "compButton");
    const std::array<double, 20> fixed = summer(form);
    QVERIFY(fixed[9] > 0 && fixed[15] > 0);
    chooseModel(form, 2);
    std::array<double, 20> annex = summer(form);
    QCOMPARE(std::vector<double>(annex.begin(), annex.begin() + 9), std::vector<double>(fixed.begin(), fixed.begin() + 9));
    QCOMPARE(std::vector<double>(annex.begin() + 9, annex.end()), std::vector<double>(11, 0.0));
    click(form, "compButton");
    annex = summer(form);
    QVERIFY(annex[9] != fixed[9]);
    chooseModel(form, 0);
    QCOMPARE(summer(form), fixed);

    std::vector<double> to, te, rh;
    std::vector<bool> work, w, s, wh, sh;
    form.getInputData(to, te, rh, work, w, s, wh, sh);
    QCOMPARE(to.size(), size_t(8760));
    QCOMPARE(te[1], QString::number(simulatedYear(2)[1].te, 'f', 2).toDouble());
    QCOMPARE(double(std::count(w.begin(), w.end(), true)), winter(form)[8]);
    QCOMPARE(double(std::count(s.begin(), s.end(), true)), fixed[8]);
    QCOMPARE(sh, s);
}

QTEST_MAIN(TestBnbForm)
#include "tst_bnbform.moc"
