// The data page of the BNB assessment: import, paste, Compute and its refusals.
#include "assessment/bnbform.h"

#include "assessment/operativetemperature.h"
#include "messagecatcher.h"
#include "widgetlookup.h"

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

// The header line and the first `rows` records of examples/sample_year.csv.
QByteArray sampleYear(int rows)
{
    QFile file(QFINDTESTDATA("../examples/sample_year.csv"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("examples/sample_year.csv missing");
    return file.readAll().split('\n').mid(0, rows + 1).join('\n') + '\n';
}

}

class TestBnbForm : public QObject
{
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<FileForm> form;

    QTableWidget *table() { return child<QTableWidget>(*form, "tableWidget"); }
    // Each row's cell texts joined by "|"; a cell never filled is empty.
    QStringList rows(int first = 0, int count = -1)
    {
        QTableWidget *t = table();
        const int end = count < 0 ? t->rowCount() : std::min(t->rowCount(), first + count);
        QStringList texts;
        for (int r = first; r < end; ++r) {
            QStringList cells;
            for (int c = 0; c < t->columnCount(); ++c)
                cells << (t->item(r, c) ? t->item(r, c)->text() : QString());
            texts << cells.join('|');
        }
        return texts;
    }
    ResultArray results(bool summer)
    {
        ResultArray r{};
        summer ? form->getSummerResults(r.data()) : form->getWinterResults(r.data());
        return r;
    }
    void chooseModel(int index)
    {
        auto *box = child<QComboBox>(*form, "modelSelectBox");
        box->setCurrentIndex(index);
        emit box->textActivated(box->currentText());
    }
    void load(const QByteArray &bytes, int headerLines = 1)
    {
        QFile file(dir->filePath("year.csv"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        setText(*form, "dataSkipLines", QString::number(headerLines));
        form->openName = file.fileName();
        click(*form, "readPreviewButton");
    }

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        form = std::make_unique<FileForm>();
        QTest::failOnWarning(QRegularExpression("connectSlotsByName"));
    }

    void startState()
    {
        QCOMPARE(table()->rowCount(), 8760);
        QCOMPARE(table()->horizontalHeaderItem(2)->text(), "Raum-\ntemperatur\n To (°C)");
        QVERIFY(!enabled(*form, "compButton") && !enabled(*form, "writeButton") && !enabled(*form, "dataStartDate"));
        QVERIFY(!enabled(*form, "regionCheckA") && child<QRadioButton>(*form, "regionCheckA")->isChecked());
        chooseModel(3);
        QVERIFY(enabled(*form, "regionCheckB"));
        chooseModel(1);
        QVERIFY(!enabled(*form, "regionCheckB"));
        QStringList actions;   // the table's context menu
        for (QAction *a : form->actions())
            actions << a->text() + (a->icon().isNull() ? " without icon" : "");
        QCOMPARE(actions, QStringList({"&Copy", "&Paste", "Cu&t"}));
        QCOMPARE(form->contextMenuPolicy(), Qt::ActionsContextMenu);
    }

    void importFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("headerLines");
        QTest::addColumn<int>("separator");   // index of csvcomboBox
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("header line dropped, decimal commas kept")
            << QByteArray("Ta;RH;To\n-3,5;80;19,5\n4;75,5;20\n") << 1 << 0 << QStringList{"-3,5|80|19,5", "4|75,5|20"};
        QTest::newRow("runs of blanks, fourth field dropped")
            << QByteArray("a b\n1  2 3 4\n") << 1 << 2 << QStringList{"1|2|3"};
        QTest::newRow("fewer lines than header: table kept")
            << QByteArray("a\n") << 2 << 0 << QStringList{"previous||"};
    }
    void importFiles()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, headerLines);
        table()->setRowCount(1);
        table()->setItem(0, 0, new QTableWidgetItem("previous"));
        QFETCH(int, separator);
        child<QComboBox>(*form, "csvcomboBox")->setCurrentIndex(separator);
        load(file, headerLines);
        QTEST(rows(), "rows");
        QVERIFY(enabled(*form, "compButton"));
    }

    void refusedComputeChangesNothing_data()
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
    void refusedComputeChangesNothing()
    {
        QFETCH(int, rows);
        QFETCH(QString, field);
        QFETCH(QStringList, named);
        load(sampleYear(rows));
        const QStringList before = this->rows(0, 3);
        QFETCH(QString, entry);
        setText(*form, field, entry);
        MessageCatcher catcher;
        click(*form, "compButton");
        QCOMPARE(catcher.count, 1);
        for (const QString &part : named)
            QVERIFY2(catcher.text.contains(part), qPrintable(catcher.text));
        QCOMPARE(this->rows(0, 3), before);
        QCOMPARE(table()->rowCount(), rows);
        QVERIFY(!form->lastComputeOk() && !enabled(*form, "writeButton"));
        QCOMPARE(results(false), ResultArray{});
    }

    // One year through the adaptive model: a cell without a number is warned and read as 0,
    // the running mean is shown and written, the summer array follows the model chosen.
    void computedYear()
    {
        QByteArray file = sampleYear(8760);
        load(file.insert(file.indexOf('\n') + 1, "12,5;;45\n"));
        table()->setRowCount(8760);
        chooseModel(1);
        {
            MessageCatcher catcher;
            click(*form, "compButton");
            QCOMPARE(catcher.count, 1);
            QVERIFY2(catcher.text.contains("row 1, Raum- temperatur To (°C)"), qPrintable(catcher.text));
        }
        QVERIFY(form->lastComputeOk() && enabled(*form, "writeButton"));
        QCOMPARE(table()->horizontalHeaderItem(3)->text(), "Mean (EN)");
        QCOMPARE(rows(0, 1), QStringList{"12.50|45.00|0.00|999.00"});
        QVERIFY(rows(383, 1)[0].endsWith("|999.00"));
        const QString summerRow = rows(5000, 1)[0];   // 28.07.
        QVERIFY2(QRegularExpression("^-?\\d+\\.\\d\\d\\|\\d+\\.\\d\\d\\|\\d+\\.\\d\\d\\|\\d+\\.\\d\\d$")
                     .match(summerRow).hasMatch(), qPrintable(summerRow));
        form->saveName = dir->filePath("bnbout.csv");
        click(*form, "writeButton");
        QFile out(form->saveName);
        QVERIFY(out.open(QIODevice::ReadOnly));
        QCOMPARE(out.readAll().split('\n').at(5000), summerRow.toLatin1().replace('|', ','));

        const ResultArray adaptive = results(true);
        chooseModel(2);   // never computed: the distribution and zeros
        const ResultArray annex = results(true);
        QCOMPARE(std::vector<double>(annex.begin(), annex.begin() + 9), std::vector<double>(adaptive.begin(), adaptive.begin() + 9));
        QCOMPARE(std::vector<double>(annex.begin() + 9, annex.end()), std::vector<double>(11, 0.0));
        chooseModel(0);
        click(*form, "compButton");
        QCOMPARE(table()->columnCount(), 3);
        QCOMPARE(rows(5000, 1)[0], summerRow.section('|', 0, 2));
        const ResultArray fixed = results(true);
        QVERIFY(fixed[9] > 0 && fixed[15] > 0 && fixed[9] != adaptive[9]);
        chooseModel(1);
        QCOMPARE(results(true), adaptive);

        std::vector<double> to, te, rh;
        std::vector<bool> work, w, s, wh, sh;
        form->getInputData(to, te, rh, work, w, s, wh, sh);
        QCOMPARE(to.size(), size_t(8760));
        QCOMPARE(te[2], table()->item(2, 0)->text().toDouble());   // the file's second record
        QCOMPARE(double(std::count(w.begin(), w.end(), true)), results(false)[8]);
        QCOMPARE(double(std::count(s.begin(), s.end(), true)), fixed[8]);
        QCOMPARE(sh, s);
    }
};

QTEST_MAIN(TestBnbForm)
#include "tst_bnbform.moc"
