#include "comfort/pmv.h"
#include "comfort/pmvtable.h"

#include <QtTest>

using Numbers = QList<double>;

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
    void batchReferenceRow_data();
    void batchReferenceRow();
    void batchMissingCellsReadZero();
    void batchUnknownModeComputesNothing();
    void impossibleRowIsNotComputed();
};

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

void TestPmvTable::impossibleRowIsNotComputed()
{
    // 101 % cannot be; the other rows compute, and the 35 °C row lies outside ISO 7730.
    const PmvTableBatch b = computePmvTable(
        PmvTableMode::To, {{"22", "60", "0.1", "0.5"}, {"22", "101", "0.1", "0.5"}, {"35", "60", "0.1", "0.5"}},
        69.6, 0.0);
    QVERIFY(std::isnan(b.pmv[1]) && std::isnan(b.ppd[1]) && std::isnan(b.ppdMayer[1]));
    QCOMPARE(f2(b.pmv[0]), "-0.76");
    QVERIFY(b.pmv[2] > 2);
    QCOMPARE(b.rowsComputed, 2);
    QCOMPARE(b.rowsOutside, 1);
    QCOMPARE(b.firstOutsideRow, 2);
    QVERIFY(b.firstOutside.isOutside(Iso7730Quantity::AirTemperature));
}

QTEST_GUILESS_MAIN(TestPmvTable)
#include "tst_pmvtable.moc"
