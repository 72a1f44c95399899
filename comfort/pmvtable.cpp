#include "comfort/pmvtable.h"

#include "comfort/pmv.h"

#include <QCoreApplication>
#include <QTextStream>

#include <algorithm>
#include <charconv>
#include <string>

namespace {

// White space as C's isspace sees it in the "C" locale.
bool isCSpace(QChar c)
{
    const char16_t u = c.unicode();
    return u == u' ' || u == u'\t' || u == u'\n' || u == u'\v' || u == u'\f' || u == u'\r';
}

bool isAsciiDigit(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

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

QStringList splitLine(const QString &line, const QString &separator)
{
    if (separator.isEmpty())
        return {line};
    return line.split(separator, Qt::KeepEmptyParts);
}

bool isBlankField(const QString &field)
{
    return std::all_of(field.cbegin(), field.cend(),
                       [](QChar c) { return c.unicode() == u' '; });
}

QStringList nonBlankFields(const QString &line, const QString &separator)
{
    QStringList fields = splitLine(line, separator);
    fields.removeIf(isBlankField);
    return fields;
}

double parseCellNumber(const QString &text)
{
    // The first comma reads as a decimal point; later ones end the number.
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    const qsizetype n = text.size();
    auto at = [&](qsizetype i) { return i == comma ? QChar(u'.') : text.at(i); };

    qsizetype i = 0;
    while (i < n && isCSpace(at(i)))
        ++i;

    bool negative = false;
    if (i < n && (at(i) == u'+' || at(i) == u'-')) {
        negative = at(i) == u'-';
        ++i;
    }

    std::string number;   // unsigned decimal prefix, converted below
    int digits = 0;
    for (; i < n && isAsciiDigit(at(i)); ++i, ++digits)
        number += char(at(i).unicode());
    if (i < n && at(i) == u'.') {
        number += '.';
        for (++i; i < n && isAsciiDigit(at(i)); ++i, ++digits)
            number += char(at(i).unicode());
    }
    if (digits == 0)
        return 0.0;

    // An exponent counts only with at least one digit: "1e" and "1e+" read as 1.
    if (i < n && (at(i) == u'e' || at(i) == u'E')) {
        qsizetype j = i + 1;
        std::string exponent = "e";
        if (j < n && (at(j) == u'+' || at(j) == u'-'))
            exponent += char(at(j++).unicode());
        if (j < n && isAsciiDigit(at(j))) {
            for (; j < n && isAsciiDigit(at(j)); ++j)
                exponent += char(at(j).unicode());
            number += exponent;
        }
    }

    // from_chars ignores the C locale. Out of range (beyond about 1.8e308, or
    // below the smallest subnormal) leaves value at 0.
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec != std::errc())
        return 0.0;
    return negative ? -value : value;
}

DelimitedRows readDelimitedRows(QTextStream &in, int headerLines, const QString &separator)
{
    DelimitedRows result;
    const qint64 skip = std::max(headerLines, 0);
    QString line;
    while (in.readLineInto(&line)) {
        if (result.lineCount >= skip)
            result.rows.push_back(nonBlankFields(line, separator));
        ++result.lineCount;
    }
    result.headerComplete = result.lineCount >= skip;
    return result;
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

void writeCsvRows(QTextStream &out, const std::vector<QStringList> &rows)
{
    for (const QStringList &row : rows) {
        for (qsizetype c = 0; c < row.size(); ++c) {
            if (c > 0)
                out << ',';
            out << row.at(c);
        }
        out << '\n';
    }
}
