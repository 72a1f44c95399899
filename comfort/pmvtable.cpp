#include "comfort/pmvtable.h"

#include "comfort/numbertext.h"
#include "comfort/pmv.h"

#include <QCoreApplication>

#include <cmath>
#include <limits>

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
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const QStringList &row : rows) {
        for (int c = 0; c < m.count; ++c)
            batch.inputs[c].push_back(c < row.size() ? cellNumberOrNaN(row.at(c)) : nan);
    }

    batch.pmv.resize(rowCount);
    batch.ppd.resize(rowCount);
    batch.ppdMayer.resize(rowCount);
    for (size_t r = 0; r < rowCount; ++r) {
        const double ta = batch.inputs[m.ta][r], t2 = batch.inputs[m.t2][r];
        const double rh = batch.inputs[m.rh][r], va = batch.inputs[m.va][r];
        const double icl = batch.inputs[m.clo][r] * kCloToM2KW;
        // A cell without a number is not a number here: such a row is not computed either.
        if (!pmvStateIsPhysical(ta, t2, rh, va, icl, M)) {
            batch.pmv[r] = batch.ppd[r] = batch.ppdMayer[r] = nan;
            continue;
        }
        double limited = 0.0;
        computePMV(m.pmvMode, ta, t2, rh, va, icl, M, W, batch.pmv[r], batch.ppd[r], limited,
                   batch.ppdMayer[r]);
        ++batch.rowsComputed;
        const Iso7730Check check = checkIso7730(m.pmvMode, ta, t2, rh, va, icl, M, batch.pmv[r]);
        if (check.any() && batch.rowsOutside++ == 0) {
            batch.firstOutsideRow = int(r);
            batch.firstOutside = check;
        }
    }
    return batch;
}

std::vector<QStringList> pmvTableTexts(const PmvTableBatch &batch, const std::vector<QStringList> &rows,
                                       const QString &notAvailable)
{
    const auto result = [&notAvailable](double v) {
        return std::isfinite(v) ? formatFixed(v) : notAvailable;
    };
    std::vector<QStringList> texts(batch.pmv.size());
    for (size_t r = 0; r < texts.size(); ++r) {
        QStringList &row = texts[r];
        row.reserve(qsizetype(batch.inputs.size()) + 3);
        for (size_t c = 0; c < batch.inputs.size(); ++c) {
            const double value = batch.inputs[c][r];
            row << (std::isnan(value) ? rows[r].value(qsizetype(c)) : formatFixed(value));
        }
        row << result(batch.pmv[r]) << result(batch.ppd[r]) << result(batch.ppdMayer[r]);
    }
    return texts;
}
