// Numbers in form fields and table cells, delimited text in and out, the clipboard, the table helper.
#include "app/tabletext.h"
#include "comfort/numbertext.h"

#include "messagecatcher.h"

#include <QtTest>
#include <QtWidgets>

using Numbers = QList<double>;
using Rows = QList<QStringList>;

namespace {

// A table of `rows` x 3 cells reading "r.c".
void fill(QTableWidget &t, int rows)
{
    t.setColumnCount(3);
    std::vector<QStringList> cells(rows);
    for (int i = 0; i < rows * 3; ++i)
        cells[i / 3] << QString("%1.%2").arg(i / 3).arg(i % 3);
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

class TestDelimitedText : public QObject
{
    Q_OBJECT
private slots:
    void fieldsAndNumbers_data()
    {
        // cell: parseCellNumber of the non-blank fields; field: parseFieldNumber of the fields
        // splitLine gives, -999 where it refuses the text (value untouched).
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<Numbers>("cell");
        QTest::addColumn<Numbers>("field");
        QTest::newRow("decimal commas; a second comma ends a cell's number, refuses a field's")
            << "22,5;21;60,5;1,234,5" << ";" << Numbers{22.5, 21, 60.5, 1.234} << Numbers{22.5, 21, 60.5, -999};
        QTest::newRow("comma separator cuts a decimal comma") << "22,5,60" << "," << Numbers{22, 5, 60} << Numbers{22, 5, 60};
        // Read as 0 here, they are gaps to the tables (cellGaps).
        QTest::newRow("empty, spaces-only and tab-only fields keep their columns, blanks at the end give none")
            << ";22;;   ;\t;60; ;" << ";" << Numbers{0, 22, 0, 0, 0, 60} << Numbers{-999, 22, -999, -999, -999, 60, -999, -999};
        QTest::newRow("runs of spaces with Space, none at either end") << "  22   60 " << " " << Numbers{22, 60}
            << Numbers{-999, -999, 22, -999, -999, 60, -999};
        QTest::newRow("a line of blank fields: no cell") << " ;;" << ";" << Numbers{} << Numbers{-999, -999, -999};
        QTest::newRow("blanks and a tab around numbers") << "  21.5 ; \t22 " << ";" << Numbers{21.5, 22} << Numbers{21.5, 22};
        QTest::newRow("exponents, a cell reads the number before junk")
            << "2.2e1;-.5e-1;  -3.5e2x;1E2" << ";" << Numbers{22, -0.05, -350, 100} << Numbers{22, -0.05, -999, 100};
        QTest::newRow("exponent without digits is not read, point at either end")
            << "1e;1e+;2.5E-;.5;5.;+.5" << ";" << Numbers{1, 1, 2.5, 0.5, 5, 0.5} << Numbers{-999, -999, -999, 0.5, 5, 0.5};
        QTest::newRow("words, signs, infinity, not-a-number, hex and overflow: cells read 0")
            << "abc;22x;x22;-;.;+.e5;inf;NaN;-infinity;0x10;1e999" << ";" << Numbers{0, 22, 0, 0, 0, 0, 0, 0, 0, 0, 0} << Numbers(11, -999);
        QTest::newRow("long digit run") << "0000000000000000000000022.50000000000000000001" << ";" << Numbers{22.5} << Numbers{22.5};
    }

    void fieldsAndNumbers()
    {
        QFETCH(QString, line);
        QFETCH(QString, separator);
        Numbers cells, fields;
        for (const QString &text : nonBlankFields(line, separator))
            cells << parseCellNumber(text);
        for (const QString &text : splitLine(line, separator)) {
            double value = -999;
            const bool ok = parseFieldNumber(text, value);
            QCOMPARE(ok, value != -999);
            fields << value;
        }
        QTEST(cells, "cell");
        QTEST(fields, "field");
    }

    void generalFormat()
    {
        QCOMPARE(formatGeneral(21.0123456), "21.0123");   // six significant digits
        // Hand-overs round half up to two decimals in single precision first; trailing zeros go.
        QCOMPARE(formatGeneral(roundHalfUpTwoDecimalsSingle(21.004)), "21");
        QCOMPARE(formatGeneral(roundHalfUpTwoDecimalsSingle(-0.125)), "-0.12");
        QCOMPARE(formatGeneral(roundHalfUpTwoDecimalsSingle(19.43)), "19.43");
    }

    void headerLinesAndBlankFields_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("headerLines");
        QTest::addColumn<bool>("headerComplete");
        QTest::addColumn<qint64>("lineCount");
        QTest::addColumn<Rows>("rows");
        QTest::newRow("header line skipped, fields kept as they stand") << "Ta;Tg\n22; 22\n24 ;25\n" << 1 << true << 3ll
            << Rows{{"22", " 22"}, {"24 ", "25"}};
        QTest::newRow("fewer lines than header lines: table kept") << "h1\nh2\n" << 3 << false << 2ll << Rows{};
        QTest::newRow("exactly the header lines: empty table") << "h1\nh2\n" << 2 << true << 2ll << Rows{};
        QTest::newRow("negative header count, last line without line end") << "1;2\n3;4" << -1 << true << 2ll << Rows{{"1", "2"}, {"3", "4"}};
        QTest::newRow("CR LF removed, an empty line gives an empty row") << "h\r\n\r\n22;23\r\n" << 1 << true << 3ll << Rows{{}, {"22", "23"}};
        QTest::newRow("an empty field keeps its column, a separator ending the line adds none")
            << "h\n22;;60;\n;1\n" << 1 << true << 3ll << Rows{{"22", "", "60"}, {"", "1"}};
        QTest::newRow("no line at all") << "" << 0 << true << 0ll << Rows{};
    }

    void headerLinesAndBlankFields()
    {
        QFETCH(QString, text);
        QFETCH(int, headerLines);
        QTextStream in(&text, QIODevice::ReadOnly);
        const DelimitedRows r = readDelimitedRows(in, headerLines, ";");
        QTEST(r.headerComplete, "headerComplete");
        QTEST(r.lineCount, "lineCount");
        QTEST(Rows(r.rows.begin(), r.rows.end()), "rows");
        QCOMPARE(holdsNoLine(r), r.lineCount == 0);
    }

    void textOrBinary_data()
    {
        // A file's start as an import sees it: text, and whether a stream reads a line of it.
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("text");
        QTest::addColumn<bool>("noLine");
        QTest::newRow("0 bytes: text without a line") << QByteArray("") << true << true;
        QTest::newRow("a UTF-8 byte order mark only: no line") << QByteArray("\xEF\xBB\xBF") << true << true;
        QTest::newRow("one line end is a line") << QByteArray("\n") << true << false;
        QTest::newRow("German header in Windows-1252") << QByteArray("Au\xDF" "entemperatur (\xB0" "C);rF\n-1,3;96\n") << true << false;
        QTest::newRow("spreadsheet's Unicode text: UTF-16 with byte order mark")
            << QByteArray("\xFF\xFE" "2\0" "2\0\t\0" "6\0" "0\0\r\0\n\0", 16) << true << false;
        QTest::newRow("a character cut at the sample's end") << QByteArray("\xC2\xB0\xC2") << true << false;
        QTest::newRow("exactly a quarter control characters") << QByteArray("abc\x01") << true << false;
        QTest::newRow("just over a quarter control characters") << QByteArray("abcde\x01\x7F") << false << false;
        QTest::newRow("half the bytes no UTF-8") << QByteArray("\xFA\xFB\xFC;1\n") << false << false;
        QTest::newRow("one NUL in text") << QByteArray("22;60\0\n", 7) << false << false;
        QTest::newRow("PNG picture") << QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16) << false << false;
    }

    void textOrBinary()
    {
        QFETCH(QByteArray, bytes);
        QTEST(looksLikeText(bytes), "text");
        QBuffer file(&bytes);
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        QTextStream in(&file);
        QTEST(holdsNoLine(readDelimitedRows(in, 0, "\t")), "noLine");
    }

    void csvTextIsExact()
    {
        // Texts are written as they stand: no number formatting, no quoting.
        QString text;
        QTextStream out(&text);
        writeCsvRows(out, {{"22.00", "-0.76", "17.24"}, {"22,5", "", "  21.0"}, {}, {"a b", "x;y"}});
        out.flush();
        QCOMPARE(text, "22.00,-0.76,17.24\n22,5,,  21.0\n\na b,x;y\n");
    }

    void cellGaps()
    {
        // Over the first 3 fields. No gaps in rows 0 and 1: a real 0, a decimal comma, a number prefix.
        // Then empty, never filled, missing, no number prefix, inf, overflow: 7 gaps, the first five kept.
        const auto gaps = findCellGaps({{"0", "12,5", "-3e2", "x"}, {" 7", "22x", "0,0"}, {"", QString(), "1"}, {"21"}, {"abc", "inf", "1e999"}}, 3);
        QCOMPARE(gaps.count, 7);
        QCOMPARE(gaps.first, (std::vector<std::pair<int, int>>{{2, 0}, {2, 1}, {3, 1}, {3, 2}, {4, 0}}));
        // A file is readable when some cell holds a number, beyond the input columns too.
        QVERIFY(anyCellHoldsNumber({{}, {"", "abc", "inf", "x", "7"}}));
        QVERIFY(!anyCellHoldsNumber({{}, {"", "abc", "inf", "1e999"}}));
    }

    void tabSeparatedText()
    {
        // A copied range pastes back as it was, empty cells and lines kept (line ends, a final
        // line break and short lines: paste); an empty text is no row.
        const std::vector<QStringList> rows{{"1", "2"}, {"3", ""}, {""}, {"5", "6"}};
        const TabSeparatedBlock block = parseTabSeparated(formatTabSeparated(rows));
        QCOMPARE(block.rows, rows);
        QCOMPARE(block.columns, 2);
        QVERIFY(parseTabSeparated("").rows.empty() && parseTabSeparated("").columns == 0);
    }

    void paste_data()
    {
        QTest::addColumn<int>("rows");          // of the 3-column table before
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
        t.setRangeSelected({selection.top(), selection.left(), selection.bottom(), selection.right()}, true);
        QApplication::clipboard()->setText(clipboard);
        MessageCatcher catcher;
        const bool refused = !pasteClipboard(&t, &t);
        QTEST(shown(t), "after");
        QCOMPARE(catcher.count, int(refused));
        QCOMPARE(catcher.title, refused ? "Spreadsheet" : "");
    }

    void copyDeleteAndFileFailures()
    {
        // A range copied as tab text, then emptied; a failed import and a failed save each
        // name their file and leave the table as it is.
        QTemporaryDir dir;
        QTableWidget t;
        fill(t, 4);
        t.setRangeSelected({1, 1, 3, 2}, true);
        copySelection(&t);
        QCOMPARE(QApplication::clipboard()->text(), "1.1\t1.2\n2.1\t2.2\n3.1\t3.2");
        deleteSelection(&t);
        const QString missing = dir.filePath("missing.csv");
        const QString unwritable = dir.filePath("no/folder/out.csv");
        MessageCatcher catcher;
        QVERIFY(!importDelimitedFile(&t, &t, missing, 1, ";"));
        QVERIFY2(catcher.text.contains(QDir::toNativeSeparators(missing)), qPrintable(catcher.text));
        QVERIFY(!saveTableAsCsv(&t, &t, unwritable));
        QVERIFY2(catcher.text.contains(QDir::toNativeSeparators(unwritable)), qPrintable(catcher.text));
        QCOMPARE(catcher.count, 2);
        QCOMPARE(shown(t), (QStringList{"0.0|0.1|0.2", "1.0||", "2.0||", "3.0||"}));
    }
};

QTEST_MAIN(TestDelimitedText)
#include "tst_delimitedtext.moc"
