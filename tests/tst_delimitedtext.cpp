// Numbers in form fields and table cells; delimited text in and out, clipboard text, gaps.
#include "comfort/delimitedtext.h"
#include "comfort/numbertext.h"

#include <QtTest>

using Numbers = QList<double>;
using Rows = QList<QStringList>;

class TestDelimitedText : public QObject
{
    Q_OBJECT
private slots:
    void fieldsAndNumbers_data()
    {
        // fields: splitLine's result; cell: parseCellNumber of the non-blank fields; field:
        // parseFieldNumber of every field, -999 where it refuses the text (value untouched).
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<Numbers>("cell");
        QTest::addColumn<Numbers>("field");
        QTest::newRow("decimal commas; a second comma ends a cell's number, refuses a field's")
            << "22,5;21;60,5;1,234,5" << ";" << QStringList{"22,5", "21", "60,5", "1,234,5"}
            << Numbers{22.5, 21, 60.5, 1.234} << Numbers{22.5, 21, 60.5, -999};
        QTest::newRow("comma separator cuts a decimal comma")
            << "22,5,60" << "," << QStringList{"22", "5", "60"} << Numbers{22, 5, 60} << Numbers{22, 5, 60};
        QTest::newRow("empty, spaces-only and tab-only fields: the tab one is a cell reading 0")
            << "22;;   ;\t;60" << ";" << QStringList{"22", "", "   ", "\t", "60"} << Numbers{22, 0, 60} << Numbers{22, -999, -999, -999, 60};
        QTest::newRow("run of three spaces with Space")
            << "22   60" << " " << QStringList{"22", "", "", "60"} << Numbers{22, 60} << Numbers{22, -999, -999, 60};
        QTest::newRow("empty line") << "" << ";" << QStringList{""} << Numbers{} << Numbers{-999};
        QTest::newRow("blanks and a tab around numbers")
            << "  21.5 ; \t22 " << ";" << QStringList{"  21.5 ", " \t22 "} << Numbers{21.5, 22} << Numbers{21.5, 22};
        QTest::newRow("exponents, a cell reads the number before junk")
            << "2.2e1;-.5e-1;  -3.5e2x;1E2" << ";" << QStringList{"2.2e1", "-.5e-1", "  -3.5e2x", "1E2"}
            << Numbers{22, -0.05, -350, 100} << Numbers{22, -0.05, -999, 100};
        QTest::newRow("exponent without digits is not read, point at either end")
            << "1e;1e+;2.5E-;.5;5.;+.5" << ";" << QStringList{"1e", "1e+", "2.5E-", ".5", "5.", "+.5"}
            << Numbers{1, 1, 2.5, 0.5, 5, 0.5} << Numbers{-999, -999, -999, 0.5, 5, 0.5};
        QTest::newRow("words, signs, infinity, not-a-number, hex and overflow: cells read 0")
            << "abc;22x;x22;-;.;+.e5;inf;NaN;-infinity;0x10;1e999" << ";"
            << QStringList{"abc", "22x", "x22", "-", ".", "+.e5", "inf", "NaN", "-infinity", "0x10", "1e999"}
            << Numbers{0, 22, 0, 0, 0, 0, 0, 0, 0, 0, 0} << Numbers(11, -999);
        QTest::newRow("long digit run") << "0000000000000000000000022.50000000000000000001" << ";"
            << QStringList{"0000000000000000000000022.50000000000000000001"} << Numbers{22.5} << Numbers{22.5};
    }

    void fieldsAndNumbers()
    {
        QFETCH(QString, line);
        QFETCH(QString, separator);
        QTEST(splitLine(line, separator), "fields");
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

    void generalFormat_data()
    {
        // Hand-overs round half up to two decimals in single precision first.
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("handOver");
        QTest::addColumn<QString>("text");
        QTest::newRow("0.50") << 0.50 << false << "0.5";
        QTest::newRow("1.0") << 1.0 << false << "1";
        QTest::newRow("six digits") << 21.0123456 << false << "21.0123";
        QTest::newRow("21.005 rounds up in single precision") << 21.005 << true << "21.01";
        QTest::newRow("21.004 rounds down") << 21.004 << true << "21";
        QTest::newRow("below zero half up") << -0.125 << true << "-0.12";
        QTest::newRow("plain two decimals") << 19.43 << true << "19.43";
    }

    void generalFormat()
    {
        QFETCH(double, value);
        QFETCH(bool, handOver);
        QTEST(formatGeneral(handOver ? roundHalfUpTwoDecimalsSingle(value) : value), "text");
    }

    void headerLinesAndBlankFields_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("headerLines");
        QTest::addColumn<bool>("headerComplete");
        QTest::addColumn<qint64>("lineCount");
        QTest::addColumn<Rows>("rows");
        QTest::newRow("1 header line, 2 data lines") << "Ta;Tg;rH;Va;clo\n22;22;60;0.1;0.5\n24;25;50;0.2;0.7\n"
            << 1 << true << 3ll << Rows{{"22", "22", "60", "0.1", "0.5"}, {"24", "25", "50", "0.2", "0.7"}};
        QTest::newRow("fewer lines than header lines: table kept") << "h1\nh2\n" << 3 << false << 2ll << Rows{};
        QTest::newRow("exactly the header lines: empty table") << "h1\nh2\n" << 2 << true << 2ll << Rows{};
        QTest::newRow("negative header count drops nothing, last line without line end")
            << "1;2\n3;4" << -1 << true << 2ll << Rows{{"1", "2"}, {"3", "4"}};
        QTest::newRow("CR LF line ends removed, an empty line gives an empty row")
            << "h\r\n\r\n22;23\r\n" << 1 << true << 3ll << Rows{{}, {"22", "23"}};
        QTest::newRow("semicolons with an empty field take no column")
            << "h\n22;22;;60;0.1;0.5\n" << 1 << true << 2ll << Rows{{"22", "22", "60", "0.1", "0.5"}};
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
        // Over the first 3 fields: a real 0, a decimal comma, a number prefix are no gaps.
        QCOMPARE(findCellGaps({{"0", "12,5", "-3e2", "x"}, {" 7", "22x", "0,0"}}, 3).count, 0);
        // Empty, never filled, missing, text without a number prefix, inf, overflow: 7 gaps,
        // the first five kept row by row.
        const CellGaps gaps = findCellGaps({{"", QString(), "1"}, {"21"}, {"abc", "inf", "1e999"}}, 3);
        QCOMPARE(gaps.count, 7);
        QCOMPARE(gaps.first, (std::vector<std::pair<int, int>>{{0, 0}, {0, 1}, {1, 1}, {1, 2}, {2, 0}}));
    }

    void tabSeparatedText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<int>("columns");
        const Rows range{{"1", "2"}, {"3", ""}, {"5", "6"}};
        QTest::newRow("own copy of 3 x 2, no final line break") << "1\t2\n3\t\n5\t6" << range << 2;
        QTest::newRow("Windows spreadsheet copy, CRLF and a final line break") << "1\t2\r\n3\t\r\n5\t6\r\n" << range << 2;
        QTest::newRow("shorter later line, empty line kept") << "a\tb\tc\n\nd\n" << Rows{{"a", "b", "c"}, {""}, {"d"}} << 3;
        QTest::newRow("empty text is no row") << "" << Rows{} << 0;
    }

    void tabSeparatedText()
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
};

QTEST_GUILESS_MAIN(TestDelimitedText)
#include "tst_delimitedtext.moc"
