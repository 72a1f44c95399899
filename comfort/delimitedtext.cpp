#include "comfort/delimitedtext.h"

#include <QStringDecoder>
#include <QTextStream>

#include <algorithm>
#include <charconv>
#include <limits>
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

// parseCellNumber's reading; false when no numeric prefix converts.
bool readCellNumber(const QString &text, double &value)
{
    value = 0.0;
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
        return false;

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
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec != std::errc()) {
        value = 0.0;
        return false;
    }
    if (negative)
        value = -value;
    return true;
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
    if (!separator.isEmpty() && isBlankField(separator)) {
        fields.removeIf(isBlankField);
        return fields;
    }
    while (!fields.isEmpty() && isBlankField(fields.constLast()))
        fields.removeLast();
    return fields;
}

double parseCellNumber(const QString &text)
{
    double value = 0.0;
    readCellNumber(text, value);
    return value;
}

bool cellHoldsNumber(const QString &text)
{
    double value = 0.0;
    return readCellNumber(text, value);
}

double cellNumberOrNaN(const QString &text)
{
    double value = 0.0;
    return readCellNumber(text, value) ? value : std::numeric_limits<double>::quiet_NaN();
}

bool anyCellHoldsNumber(const std::vector<QStringList> &rows)
{
    return std::any_of(rows.cbegin(), rows.cend(), [](const QStringList &row) {
        return std::any_of(row.cbegin(), row.cend(), cellHoldsNumber);
    });
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

bool holdsNoLine(const DelimitedRows &read)
{
    return read.lineCount == 0;
}

bool looksLikeText(QByteArrayView start)
{
    const QStringConverter::Encoding encoding =
        QStringConverter::encodingForData(start).value_or(QStringConverter::Utf8);
    QStringDecoder decode(encoding);
    // A sequence cut at the sample's end stays in the decoder: no false U+FFFD.
    const QString text = decode(start);
    qsizetype odd = 0;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == 0)
            return false;
        if ((u < 0x20 && !isCSpace(c)) || u == 0x7f || u == QChar::ReplacementCharacter)
            ++odd;
    }
    return odd * 4 <= text.size();
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

QString separatorForIndex(int index, const QString &current)
{
    static const char *const separators[] = {";", ",", " ", "\t"};
    if (index >= 0 && index < 4)
        return QLatin1String(separators[index]);
    return current;
}

CellGaps findCellGaps(const std::vector<QStringList> &rows, int columns, int keep)
{
    CellGaps gaps;
    static const QString empty;
    for (int r = 0; r < int(rows.size()); ++r) {
        const QStringList &row = rows[r];
        for (int c = 0; c < columns; ++c) {
            if (cellHoldsNumber(c < row.size() ? row.at(c) : empty))
                continue;
            ++gaps.count;
            if (int(gaps.first.size()) < keep)
                gaps.first.emplace_back(r, c);
        }
    }
    return gaps;
}

QString formatTabSeparated(const std::vector<QStringList> &rows)
{
    QString text;
    for (size_t r = 0; r < rows.size(); ++r) {
        if (r > 0)
            text += QLatin1Char('\n');
        text += rows[r].join(QLatin1Char('\t'));
    }
    return text;
}

TabSeparatedBlock parseTabSeparated(const QString &text)
{
    TabSeparatedBlock block;
    QStringList lines = text.split(QLatin1Char('\n'), Qt::KeepEmptyParts);
    // The text after the last line break is a row only when it holds something:
    // a copy ends without a line break, many spreadsheets end with one.
    if (lines.last().isEmpty())
        lines.removeLast();
    block.rows.reserve(size_t(lines.size()));
    for (QString &line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        block.rows.push_back(line.split(QLatin1Char('\t'), Qt::KeepEmptyParts));
    }
    if (!block.rows.empty())
        block.columns = int(block.rows.front().size());
    return block;
}
