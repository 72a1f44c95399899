#include "comfort/pmvtable.h"

#include "comfort/pmv.h"

#include <QCoreApplication>

namespace {

struct ModeColumns {
    int count;      // input columns of the mode
    int ta, t2;     // columns of the two temperatures given to computePMV
    int rh, va, clo;
    unsigned pmvMode;
};

bool modeColumns(int tableMode, ModeColumns &m)
{
    switch (tableMode) {
    case PmvTableMode::TaTg:
        m = {5, 0, 1, 2, 3, 4, PmvInputMode::TaTg};
        return true;
    case PmvTableMode::To:
        m = {4, 0, 0, 1, 2, 3, PmvInputMode::To};
        return true;
    case PmvTableMode::MRT:
        m = {5, 0, 1, 2, 3, 4, PmvInputMode::MRT};
        return true;
    default:
        return false;
    }
}

}

std::vector<const char *> pmvTableInputHeaders(int tableMode)
{
    switch (tableMode) {
    case PmvTableMode::TaTg:
        return {QT_TRANSLATE_NOOP("pmvForm", "Ta"), QT_TRANSLATE_NOOP("pmvForm", "Tg"),
                QT_TRANSLATE_NOOP("pmvForm", "rH"), QT_TRANSLATE_NOOP("pmvForm", "Va"),
                QT_TRANSLATE_NOOP("pmvForm", "clo")};
    case PmvTableMode::To:
        return {QT_TRANSLATE_NOOP("pmvForm", "To"), QT_TRANSLATE_NOOP("pmvForm", "rH"),
                QT_TRANSLATE_NOOP("pmvForm", "Va"), QT_TRANSLATE_NOOP("pmvForm", "clo")};
    case PmvTableMode::MRT:
        return {QT_TRANSLATE_NOOP("pmvForm", "Ta"), QT_TRANSLATE_NOOP("pmvForm", "Tr"),
                QT_TRANSLATE_NOOP("pmvForm", "rH"), QT_TRANSLATE_NOOP("pmvForm", "Va"),
                QT_TRANSLATE_NOOP("pmvForm", "clo")};
    default:
        return {};
    }
}

std::vector<const char *> pmvTableResultHeaders()
{
    return {QT_TRANSLATE_NOOP("pmvForm", "PMV"), QT_TRANSLATE_NOOP("pmvForm", "PPD"),
            QT_TRANSLATE_NOOP("pmvForm", "PPD-M")};
}

PmvTableBatch computePmvTable(int tableMode, const std::vector<QStringList> &rows,
                              double M, double W)
{
    PmvTableBatch batch;
    ModeColumns m;
    if (!modeColumns(tableMode, m))
        return batch;

    const size_t rowCount = rows.size();
    batch.inputs.resize(m.count);
    for (auto &column : batch.inputs)
        column.reserve(rowCount);
    for (const QStringList &row : rows) {
        for (int c = 0; c < m.count; ++c)
            batch.inputs[c].push_back(c < row.size() ? parseCellNumber(row.at(c)) : 0.0);
    }

    batch.pmv.resize(rowCount);
    batch.ppd.resize(rowCount);
    batch.ppdMayer.resize(rowCount);
    for (size_t r = 0; r < rowCount; ++r) {
        double limited = 0.0;
        computePMV(m.pmvMode, batch.inputs[m.ta][r], batch.inputs[m.t2][r],
                   batch.inputs[m.rh][r], batch.inputs[m.va][r],
                   batch.inputs[m.clo][r] * kCloToM2KW, M, W,
                   batch.pmv[r], batch.ppd[r], limited, batch.ppdMayer[r]);
    }
    return batch;
}
