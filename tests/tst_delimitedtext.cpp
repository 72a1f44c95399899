// Delimited text: file lines to fields and numbers, CSV out, clipboard text, gaps.
#include "comfort/delimitedtext.h"

#include <QtTest>

#include <QBuffer>
#include <QTextStream>

using Numbers = QList<double>;
using Rows = QList<QStringList>;
using Cells = QList<QPair<int, int>>;   // (row, column)

class TestDelimitedText : public QObject
{
    Q_OBJECT
private slots:
    void fieldsAndNumbers_data();
    void fieldsAndNumbers();
    void headerLinesAndBlankFields_data();
    void headerLinesAndBlankFields();
    void csvTextIsExact();
    void cellGaps_data();
    void cellGaps();
    void tabSeparatedText_data();
    void tabSeparatedText();
};

void TestDelimitedText::fieldsAndNumbers_data()
{
    // fields: splitLine's result; numbers: parseCellNumber of the non-blank fields.
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<Numbers>("numbers");
    QTest::newRow("semicolon file with decimal commas")
        << "22,5;21;60,5" << ";" << QStringList{"22,5", "21", "60,5"} << Numbers{22.5, 21, 60.5};
    QTest::newRow("comma separator cuts a decimal comma")
        << "22,5,60" << "," << QStringList{"22", "5", "60"} << Numbers{22, 5, 60};
    QTest::newRow("empty field between semicolons")
        << "22;22;;60" << ";" << QStringList{"22", "22", "", "60"} << Numbers{22, 22, 60};
    QTest::newRow("field of spaces only")
        << "22;   ;60" << ";" << QStringList{"22", "   ", "60"} << Numbers{22, 60};
    QTest::newRow("tab-only field is not blank: a column reading 0")
        << "22;\t;60" << ";" << QStringList{"22", "\t", "60"} << Numbers{22, 0, 60};
    QTest::newRow("run of three spaces with Space")
        << "22   60" << " " << QStringList{"22", "", "", "60"} << Numbers{22, 60};
    QTest::newRow("empty line") << "" << ";" << QStringList{""} << Numbers{};
    QTest::newRow("leading blanks and tab inside fields")
        << "  21.5; \t22" << ";" << QStringList{"  21.5", " \t22"} << Numbers{21.5, 22};
    QTest::newRow("second comma ends the number")
        << "1,234,5" << ";" << QStringList{"1,234,5"} << Numbers{1.234};
    QTest::newRow("exponents") << "2.2e1;-.5e-1;  -3.5e2x;1E2" << ";"
        << QStringList{"2.2e1", "-.5e-1", "  -3.5e2x", "1E2"} << Numbers{22, -0.05, -350, 100};
    QTest::newRow("exponent without digits is not read")
        << "1e;1e+;2.5E-" << ";" << QStringList{"1e", "1e+", "2.5E-"} << Numbers{1, 1, 2.5};
    QTest::newRow("point at either end")
        << ".5;5.;+.5" << ";" << QStringList{".5", "5.", "+.5"} << Numbers{0.5, 5, 0.5};
    QTest::newRow("junk reads 0, a number prefix is kept")
        << "abc;22x;x22;-;.;+.e5" << ";" << QStringList{"abc", "22x", "x22", "-", ".", "+.e5"}
        << Numbers{0, 22, 0, 0, 0, 0};
    QTest::newRow("infinity, not-a-number, hex and overflow read 0")
        << "inf;NaN;-infinity;0x10;1e999" << ";"
        << QStringList{"inf", "NaN", "-infinity", "0x10", "1e999"} << Numbers{0, 0, 0, 0, 0};
    QTest::newRow("long digit run") << "0000000000000000000000022.50000000000000000001" << ";"
        << QStringList{"0000000000000000000000022.50000000000000000001"} << Numbers{22.5};
}

void TestDelimitedText::fieldsAndNumbers()
{
    QFETCH(QString, line);
    QFETCH(QString, separator);
    QFETCH(Numbers, numbers);
    QTEST(splitLine(line, separator), "fields");
    const QStringList kept = nonBlankFields(line, separator);
    QCOMPARE(kept.size(), numbers.size());
    for (qsizetype i = 0; i < kept.size(); ++i) {
        const double v = parseCellNumber(kept.at(i));
        QVERIFY2(std::isfinite(v), qPrintable(kept.at(i)));
        QCOMPARE(v, numbers.at(i));
    }
}

void TestDelimitedText::headerLinesAndBlankFields_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("headerLines");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<bool>("headerComplete");
    QTest::addColumn<qint64>("lineCount");
    QTest::addColumn<Rows>("rows");
    const QStringList row{"22", "22", "60", "0.1", "0.5"};
    QTest::newRow("1 header line, 2 data lines")
        << "Ta;Tg;rH;Va;clo\n22;22;60;0.1;0.5\n24;25;50;0.2;0.7\n" << 1 << ";" << true << 3ll
        << Rows{row, {"24", "25", "50", "0.2", "0.7"}};
    QTest::newRow("fewer lines than header lines: table kept")
        << "h1\nh2\n" << 3 << ";" << false << 2ll << Rows{};
    QTest::newRow("exactly the header lines: empty table")
        << "h1\nh2\n" << 2 << ";" << true << 2ll << Rows{};
    QTest::newRow("no header, last line without line end")
        << "1;2\n3;4" << 0 << ";" << true << 2ll << Rows{{"1", "2"}, {"3", "4"}};
    QTest::newRow("negative header count drops nothing")
        << "1;2\n3;4\n" << -1 << ";" << true << 2ll << Rows{{"1", "2"}, {"3", "4"}};
    QTest::newRow("CR LF line ends removed")
        << "h\r\n22;23\r\n24;25\r\n" << 1 << ";" << true << 3ll << Rows{{"22", "23"}, {"24", "25"}};
    QTest::newRow("empty line gives an empty row")
        << "h\n\n22;23\n" << 1 << ";" << true << 3ll << Rows{{}, {"22", "23"}};
    QTest::newRow("semicolons with an empty field take no column")
        << "h\n22;22;;60;0.1;0.5\n" << 1 << ";" << true << 2ll << Rows{row};
    QTest::newRow("spaces, leading, trailing and a run of three")
        << "h\n  22 22   60 0.1 0.5 \n" << 1 << " " << true << 2ll << Rows{row};
    QTest::newRow("tabs with a blank field")
        << "h\n22\t22\t \t60\t0.1\t0.5\n" << 1 << "\t" << true << 2ll << Rows{row};
}

void TestDelimitedText::headerLinesAndBlankFields()
{
    QFETCH(QString, text);
    QFETCH(int, headerLines);
    QFETCH(QString, separator);
    QTextStream in(&text, QIODevice::ReadOnly);
    const DelimitedRows r = readDelimitedRows(in, headerLines, separator);
    QTEST(r.headerComplete, "headerComplete");
    QTEST(r.lineCount, "lineCount");
    QTEST(Rows(r.rows.begin(), r.rows.end()), "rows");
}

void TestDelimitedText::csvTextIsExact()
{
    // Texts are written as they stand: no number formatting, no quoting.
    QBuffer buffer;
    QVERIFY(buffer.open(QIODevice::WriteOnly));
    {
        QTextStream out(&buffer);
        writeCsvRows(out, {{"22.00", "22.00", "60.00", "0.10", "0.50", "-0.76", "17.24", "59.04"},
                           {"22,5", "", "  21.0"},
                           {},
                           {"a b", "x;y"}});
    }
    QCOMPARE(buffer.data(),
             QByteArray("22.00,22.00,60.00,0.10,0.50,-0.76,17.24,59.04\n22,5,,  21.0\n\na b,x;y\n"));
}

void TestDelimitedText::cellGaps_data()
{
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<qint64>("count");
    QTest::addColumn<Cells>("first");   // at most five, row by row
    QTest::newRow("real 0, decimal comma, prefix, field beyond the inputs: no gap")
        << Rows{{"0", "12,5", "-3e2", "x"}, {" 7", "22x", "0,0"}} << 0ll << Cells{};
    QTest::newRow("empty, never filled, missing, text without prefix, inf, overflow")
        << Rows{{"", QString(), "1"}, {"21"}, {"abc", "inf", "1e999"}} << 7ll
        << Cells{{0, 0}, {0, 1}, {1, 1}, {1, 2}, {2, 0}};
}

void TestDelimitedText::cellGaps()
{
    QFETCH(Rows, rows);
    const CellGaps gaps = findCellGaps(std::vector<QStringList>(rows.begin(), rows.end()), 3);
    QTEST(gaps.count, "count");
    QTEST(Cells(gaps.first.begin(), gaps.first.end()), "first");
}

void TestDelimitedText::tabSeparatedText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<int>("columns");
    const Rows range{{"1", "2"}, {"3", ""}, {"5", "6"}};
    QTest::newRow("own copy of 3 x 2, no final line break") << "1\t2\n3\t\n5\t6" << range << 2;
    QTest::newRow("Windows spreadsheet copy, CRLF and a final line break")
        << "1\t2\r\n3\t\r\n5\t6\r\n" << range << 2;
    QTest::newRow("shorter later line, empty line kept")
        << "a\tb\tc\n\nd\n" << Rows{{"a", "b", "c"}, {""}, {"d"}} << 3;
    QTest::newRow("empty text is no row") << "" << Rows{} << 0;
}

void TestDelimitedText::tabSeparatedText()
{
    QFETCH(QString, text);
    QFETCH(Rows, rows);
    const TabSeparatedBlock block = parseTabSeparated(text);
    QCOMPARE(Rows(block.rows.begin(), block.rows.end()), rows);
    QTEST(block.columns, "columns");
    const TabSeparatedBlock back =   // our own copy pastes back the same rows
        parseTabSeparated(formatTabSeparated(std::vector<QStringList>(rows.begin(), rows.end())));
    QCOMPARE(Rows(back.rows.begin(), back.rows.end()), rows);
}

QTEST_GUILESS_MAIN(TestDelimitedText)
#include "tst_delimitedtext.moc"
