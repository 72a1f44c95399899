// The table helper: clipboard shapes, delete, import and save failures, the gap warning.
#include "app/tabletext.h"

#include "messagecatcher.h"

#include <QtTest>
#include <QtWidgets>

namespace {

// A table of `rows` x 3 cells reading "r.c".
void fill(QTableWidget &t, int rows)
{
    t.setColumnCount(3);
    std::vector<QStringList> cells(rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < 3; ++c)
            cells[r] << QString("%1.%2").arg(r).arg(c);
    fillTable(&t, cells);
}

// Each row's cells joined by "|".
QStringList shown(const QTableWidget &t)
{
    QStringList lines;
    for (const QStringList &row : tableRows(&t, t.columnCount()))
        lines << row.join('|');
    return lines;
}

void select(QTableWidget &t, const QRect &cells)   // x column, y row
{
    t.clearSelection();
    if (!cells.isEmpty())
        t.setRangeSelected({cells.top(), cells.left(), cells.bottom(), cells.right()}, true);
}

}

class TestTableText : public QObject
{
    Q_OBJECT
private slots:
    void paste_data();
    void paste();
    void copyAndDeleteRange();
    void unreadableImportKeepsTable();
    void saveFailureNamesFile();
    void gapWarning();
};

void TestTableText::paste_data()
{
    QTest::addColumn<int>("rows");        // of the 3-column table before
    QTest::addColumn<QRect>("selection");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<bool>("pasted");
    QTest::addColumn<QStringList>("after");
    const QString twoByTwo = "a\tb\nc\td";
    QTest::newRow("one cell at row 0: exactly the pasted rows")
        << 4 << QRect(0, 0, 1, 1) << twoByTwo << true << QStringList{"a|b|0.2", "c|d|1.2"};
    QTest::newRow("one cell at a lower row: top + pasted rows")
        << 4 << QRect(1, 3, 1, 1) << twoByTwo + "\n" << true
        << QStringList{"0.0|0.1|0.2", "1.0|1.1|1.2", "2.0|2.1|2.2", "3.0|a|b", "|c|d"};
    QTest::newRow("one cell at the last column: cells beyond dropped")
        << 1 << QRect(2, 0, 1, 1) << twoByTwo << true << QStringList{"0.0|0.1|a", "||c"};
    QTest::newRow("matching range keeps the longer table")
        << 3 << QRect(1, 0, 2, 2) << "a\tb\r\nc\r\n" << true
        << QStringList{"0.0|a|b", "1.0|c|", "2.0|2.1|2.2"};
    QTest::newRow("three lines into two cells of a row: refused")
        << 2 << QRect(0, 0, 2, 1) << "a\nb\nc\n" << false << QStringList{"0.0|0.1|0.2", "1.0|1.1|1.2"};
    QTest::newRow("nothing selected: refused")
        << 1 << QRect() << "a" << false << QStringList{"0.0|0.1|0.2"};
}

void TestTableText::paste()
{
    QFETCH(int, rows);
    QFETCH(QRect, selection);
    QFETCH(QString, clipboard);
    QFETCH(bool, pasted);
    QTableWidget t;
    fill(t, rows);
    select(t, selection);
    QApplication::clipboard()->setText(clipboard);
    MessageCatcher catcher;
    QCOMPARE(pasteClipboard(&t, &t), pasted);
    QTEST(shown(t), "after");
    QCOMPARE(catcher.count, pasted ? 0 : 1);
    if (!pasted)
        QCOMPARE(catcher.title, "Spreadsheet");
}

void TestTableText::copyAndDeleteRange()
{
    QTableWidget t;
    fill(t, 4);
    select(t, QRect(1, 1, 2, 3));
    copySelection(&t);
    QCOMPARE(QApplication::clipboard()->text(), "1.1\t1.2\n2.1\t2.2\n3.1\t3.2");
    deleteSelection(&t);
    QCOMPARE(shown(t), (QStringList{"0.0|0.1|0.2", "1.0||", "2.0||", "3.0||"}));
    // Copy, then paste at one cell of a fresh table: the same range comes back.
    QTableWidget u;
    fill(u, 5);
    select(u, QRect(0, 0, 1, 1));
    QApplication::clipboard()->setText("1.1\t1.2\n2.1\t2.2\n3.1\t3.2");
    QVERIFY(pasteClipboard(&u, &u));
    QCOMPARE(shown(u), (QStringList{"1.1|1.2|0.2", "2.1|2.2|1.2", "3.1|3.2|2.2"}));
}

void TestTableText::unreadableImportKeepsTable()
{
    QTemporaryDir dir;
    QTableWidget t;
    fill(t, 2);
    const QString missing = dir.filePath("missing.csv");
    MessageCatcher catcher;
    QVERIFY(!importDelimitedFile(&t, &t, missing, 1, ";"));
    QCOMPARE(catcher.count, 1);
    QVERIFY2(catcher.text.contains(QDir::toNativeSeparators(missing)), qPrintable(catcher.text));
    QFile shortFile(dir.filePath("short.csv"));
    QVERIFY(shortFile.open(QIODevice::WriteOnly) && shortFile.write("h1\n") == 3);
    shortFile.close();
    QVERIFY(importDelimitedFile(&t, &t, shortFile.fileName(), 2, ";"));
    QCOMPARE(catcher.count, 1);
    QCOMPARE(shown(t), (QStringList{"0.0|0.1|0.2", "1.0|1.1|1.2"}));
}

void TestTableText::saveFailureNamesFile()
{
    QTemporaryDir dir;
    QTableWidget t;
    fill(t, 1);
    const QString path = dir.filePath("no/such/folder/out.csv");
    MessageCatcher catcher;
    QVERIFY(!saveTableAsCsv(&t, &t, path));
    QCOMPARE(catcher.count, 1);
    QVERIFY2(catcher.text.contains(QDir::toNativeSeparators(path)), qPrintable(catcher.text));
    QVERIFY(saveTableAsCsv(&t, &t, dir.filePath("out.csv")));
    QCOMPARE(catcher.count, 1);
}

void TestTableText::gapWarning()
{
    QTableWidget t;
    fill(t, 8);
    t.setHorizontalHeaderLabels({"Outdoor\nTa", "rH", "To"});
    MessageCatcher catcher;
    warnCellGaps(&t, &t, {});
    QCOMPARE(catcher.count, 0);
    warnCellGaps(&t, &t, {7, {{0, 0}, {1, 2}, {2, 1}, {4, 1}, {6, 0}}});
    QCOMPARE(catcher.count, 1);
    QVERIFY2(catcher.text.contains("prefix): 7. They")
                 && catcher.text.endsWith("row 1, Outdoor Ta; row 2, To; row 3, rH; row 5, rH; "
                                          "row 7, Outdoor Ta."),
             qPrintable(catcher.text));
}

QTEST_MAIN(TestTableText)
#include "tst_tabletext.moc"
