#include "comfort/pmv.h"
#include "comfort/pmvtable.h"

#include <QtTest>

#include <QBuffer>
#include <QTextStream>

using Numbers = QList<double>;
using Rows = QList<QStringList>;

namespace {

QString f2(double v)
{
    return QString::number(v, 'f', 2);
}

}

class TestPmvTable : public QObject
{
    Q_OBJECT
private slots:
    void fieldsAndNumbers_data();
    void fieldsAndNumbers();
    void headerLinesAndBlankFields_data();
    void headerLinesAndBlankFields();
    void csvTextIsExact();
    void batchReferenceRow_data();
    void batchReferenceRow();
    void batchMissingCellsReadZero();
    void batchUnknownModeComputesNothing();
};

void TestPmvTable::fieldsAndNumbers_data()
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

void TestPmvTable::fieldsAndNumbers()
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

void TestPmvTable::headerLinesAndBlankFields_data()
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

void TestPmvTable::headerLinesAndBlankFields()
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

void TestPmvTable::csvTextIsExact()
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

void TestPmvTable::batchReferenceRow_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<Numbers>("inputs");
    QTest::newRow("air and globe 22 °C") << int(PmvTableMode::TaTg)
        << QStringList{"22", "22", "60", "0.1", "0.5"} << Numbers{22, 22, 60, 0.1, 0.5};
    QTest::newRow("operative 22 °C, four columns, a fifth cell ignored") << int(PmvTableMode::To)
        << QStringList{"22", "60", "0.1", "0.5", "99"} << Numbers{22, 60, 0.1, 0.5};
    QTest::newRow("air and radiant 22 °C, decimal commas") << int(PmvTableMode::MRT)
        << QStringList{"22,0", "22", "60", "0,1", "0,5"} << Numbers{22, 22, 60, 0.1, 0.5};
}

void TestPmvTable::batchReferenceRow()
{
    QFETCH(int, mode);
    QFETCH(QStringList, cells);
    QFETCH(Numbers, inputs);
    const PmvTableBatch b = computePmvTable(mode, {cells}, 69.6, 0.0);
    QCOMPARE(b.inputs.size(), size_t(inputs.size()));
    for (qsizetype c = 0; c < inputs.size(); ++c)
        QCOMPARE(b.inputs[c], std::vector<double>{inputs.at(c)});
    QCOMPARE(b.pmv.size(), size_t(1));
    QCOMPARE(QStringList({f2(b.pmv[0]), f2(b.ppd[0]), f2(b.ppdMayer[0])}),
             QStringList({"-0.76", "17.24", "59.04"}));
}

void TestPmvTable::batchMissingCellsReadZero()
{
    // A short row, a never filled (null) cell and an empty cell all read 0; M and W
    // apply to every row; Tr and Tg columns reach computePMV as their modes need.
    const std::vector<QStringList> rows{{"22", "26"}, {"22", QString(), "", "0.1", "0.5"},
                                        {"22", "26", "60", "0.1", "0.5"}};
    const PmvTableBatch b = computePmvTable(PmvTableMode::MRT, rows, 116.0, 10.0);
    QCOMPARE(b.inputs[1], (std::vector<double>{26, 0, 26}));
    QCOMPARE(b.inputs[2], (std::vector<double>{0, 0, 60}));
    const double expected[3][5] = {{22, 26, 0, 0, 0}, {22, 0, 0, 0.1, 0.5}, {22, 26, 60, 0.1, 0.5}};
    for (int r = 0; r < 3; ++r) {
        double pmv = 0, ppd = 0, lim = 0, mayer = 0;
        const double *e = expected[r];
        computePMV(3, e[0], e[1], e[2], e[3], e[4] * kCloToM2KW, 116.0, 10.0, pmv, ppd, lim, mayer);
        QCOMPARE(b.pmv[r], pmv);
        QCOMPARE(b.ppd[r], ppd);
        QCOMPARE(b.ppdMayer[r], mayer);
    }
    // The same row in globe mode differs: column 1 is a globe reading there.
    const PmvTableBatch g = computePmvTable(PmvTableMode::TaTg, {rows[2]}, 116.0, 10.0);
    QVERIFY(std::fabs(g.pmv[0] - b.pmv[2]) > 0.05);
}

void TestPmvTable::batchUnknownModeComputesNothing()
{
    const PmvTableBatch b = computePmvTable(0, {{"22", "22", "60", "0.1", "0.5"}}, 69.6, 0.0);
    QVERIFY(b.inputs.empty() && b.pmv.empty() && b.ppd.empty() && b.ppdMayer.empty());
    const PmvTableBatch empty = computePmvTable(PmvTableMode::To, {}, 69.6, 0.0);
    QCOMPARE(empty.inputs.size(), size_t(4));
    QVERIFY(empty.pmv.empty());
}

QTEST_GUILESS_MAIN(TestPmvTable)
#include "tst_pmvtable.moc"
