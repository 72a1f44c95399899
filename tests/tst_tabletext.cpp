// The table helper: clipboard shapes, copy and delete, file failures.
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

}

class TestTableText : public QObject
{
    Q_OBJECT
private slots:
    void paste_data()
    {
        QTest::addColumn<int>("rows");        // of the 3-column table before
        QTest::addColumn<QRect>("selection");   // x column, y row
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QStringList>("after");
        const QString twoByTwo = "a\tb\nc\td";
        QTest::newRow("one cell at row 0: exactly the pasted rows") << 4 << QRect(0, 0, 1, 1) << twoByTwo << QStringList{"a|b|0.2", "c|d|1.2"};
        QTest::newRow("one cell at a lower row, last column: top + pasted rows, beyond dropped") << 3 << QRect(2, 2, 1, 1) << twoByTwo + "\n"
            << QStringList{"0.0|0.1|0.2", "1.0|1.1|1.2", "2.0|2.1|a", "||c"};
        QTest::newRow("matching range keeps the longer table, short line empties its cell") << 3 << QRect(1, 0, 2, 2) << "a\tb\r\nc\r\n"
            << QStringList{"0.0|a|b", "1.0|c|", "2.0|2.1|2.2"};
        QTest::newRow("three lines into two cells of a row: refused, table kept")
            << 2 << QRect(0, 0, 2, 1) << "a\nb\nc\n" << QStringList{"0.0|0.1|0.2", "1.0|1.1|1.2"};
    }

    void paste()
    {
        QFETCH(int, rows);
        QFETCH(QRect, selection);
        QFETCH(QString, clipboard);
        QTableWidget t;
        fill(t, rows);
        t.setRangeSelected({selection.top(), selection.left(), selection.bottom(), selection.right()},
                           true);
        QApplication::clipboard()->setText(clipboard);
        MessageCatcher catcher;
        const bool refused = !pasteClipboard(&t, &t);
        QTEST(shown(t), "after");
        QCOMPARE(catcher.count, int(refused));
        QCOMPARE(catcher.title, refused ? "Spreadsheet" : "");
    }

    void copyAndDeleteRange()
    {
        QTableWidget t;
        fill(t, 4);
        t.setRangeSelected({1, 1, 3, 2}, true);
        copySelection(&t);
        QCOMPARE(QApplication::clipboard()->text(), "1.1\t1.2\n2.1\t2.2\n3.1\t3.2");
        deleteSelection(&t);
        QCOMPARE(shown(t), (QStringList{"0.0|0.1|0.2", "1.0||", "2.0||", "3.0||"}));
    }

    void fileFailuresNameFile()
    {
        QTemporaryDir dir;
        QTableWidget t;
        fill(t, 2);
        const QString missing = dir.filePath("missing.csv");
        const QString unwritable = dir.filePath("no/folder/out.csv");
        MessageCatcher catcher;
        QVERIFY(!importDelimitedFile(&t, &t, missing, 1, ";"));
        QVERIFY2(catcher.text.contains(QDir::toNativeSeparators(missing)), qPrintable(catcher.text));
        QVERIFY(!saveTableAsCsv(&t, &t, unwritable));
        QVERIFY2(catcher.text.contains(QDir::toNativeSeparators(unwritable)), qPrintable(catcher.text));
        QCOMPARE(catcher.count, 2);
        QCOMPARE(shown(t), (QStringList{"0.0|0.1|0.2", "1.0|1.1|1.2"}));
    }
};

QTEST_MAIN(TestTableText)
#include "tst_tabletext.moc"
