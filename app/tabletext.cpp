#include "app/tabletext.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QSaveFile>
#include <QTableWidget>
#include <QTextStream>

#include <algorithm>

namespace {

// Translation context of the table messages.
class TableText
{
    Q_DECLARE_TR_FUNCTIONS(TableText)
};

QString cellText(const QTableWidget *t, int row, int column)
{
    const QTableWidgetItem *item = t->item(row, column);
    return item ? item->text() : QString();
}

// Why importDelimitedFile refuses the rows it read, empty when it takes them.
QString contentRefusal(const DelimitedRows &read, unsigned refusals, int headerLines)
{
    if ((refusals & ImportRefusal::NoLine) && holdsNoLine(read))
        return TableText::tr("The file is empty");
    if ((refusals & ImportRefusal::NoNumber) && !anyCellHoldsNumber(read.rows))
        return TableText::tr("No line holds a number (header lines skipped: %1)")
            .arg(std::max(headerLines, 0));
    return QString();
}

QTableWidgetSelectionRange firstSelection(const QTableWidget *t)
{
    const QList<QTableWidgetSelectionRange> ranges = t->selectedRanges();
    return ranges.isEmpty() ? QTableWidgetSelectionRange() : ranges.first();
}

}

std::vector<QStringList> tableRows(const QTableWidget *t, int columns)
{
    std::vector<QStringList> rows(size_t(t->rowCount()));
    for (int r = 0; r < t->rowCount(); ++r) {
        rows[r].reserve(columns);
        for (int c = 0; c < columns; ++c)
            rows[r].append(cellText(t, r, c));
    }
    return rows;
}

void fillTable(QTableWidget *t, const std::vector<QStringList> &rows)
{
    const int columns = t->columnCount();
    const bool updates = t->updatesEnabled();
    t->setUpdatesEnabled(false);
    t->setRowCount(0);
    t->setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) {
        const QStringList &fields = rows[r];
        const int n = std::min(int(fields.size()), columns);
        for (int c = 0; c < n; ++c)
            t->setItem(r, c, new QTableWidgetItem(fields.at(c)));
    }
    t->setUpdatesEnabled(updates);
}

// QTableWidget inserts or removes columns row by row in one flat list of
// items, which takes time quadratic in the rows; with the table emptied first
// the same change is linear.
void setColumnCountKeepingCells(QTableWidget *t, int columns)
{
    const int rows = t->rowCount();
    const int kept = std::min(columns, t->columnCount());
    const bool updates = t->updatesEnabled();
    t->setUpdatesEnabled(false);
    std::vector<QTableWidgetItem *> items(size_t(rows) * size_t(kept));
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < kept; ++c)
            items[size_t(r) * kept + c] = t->takeItem(r, c);
    t->setRowCount(0);
    t->setColumnCount(columns);
    t->setRowCount(rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < kept; ++c)
            if (QTableWidgetItem *item = items[size_t(r) * kept + c])
                t->setItem(r, c, item);
    t->setUpdatesEnabled(updates);
}

bool importDelimitedFile(QWidget *parent, QTableWidget *t, const QString &fileName,
                         int headerLines, const QString &separator, qint64 *lineCount,
                         unsigned refusals)
{
    QFile file(fileName);
    DelimitedRows read;
    QString refused;
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        // Judged before the whole file is read: a large binary file may hold no line end.
        if ((refusals & ImportRefusal::NotText) && !looksLikeText(file.peek(kTextSampleBytes))) {
            refused = TableText::tr("The file is not a text file (it holds binary data)");
        } else {
            QTextStream in(&file);
            read = readDelimitedRows(in, headerLines, separator);
        }
    }
    if (lineCount)
        *lineCount = read.lineCount;
    // A folder opens on some systems and fails at the first read: both count.
    if (file.error() != QFileDevice::NoError)
        refused = file.errorString();
    else if (refused.isEmpty())
        refused = contentRefusal(read, refusals, headerLines);
    if (!refused.isEmpty()) {
        QMessageBox::warning(parent, TableText::tr("Import"),
                             TableText::tr("Cannot read file %1:\n%2.")
                                 .arg(QDir::toNativeSeparators(fileName), refused));
        return false;
    }
    if (read.headerComplete)
        fillTable(t, read.rows);
    return true;
}

// A cell without item is an empty field. QSaveFile keeps an existing file
// whole until the new one is complete.
bool saveTableAsCsv(QWidget *parent, const QTableWidget *t, const QString &fileName)
{
    QSaveFile file(fileName);
    bool written = file.open(QIODevice::WriteOnly);
    if (written) {
        QTextStream out(&file);
        writeCsvRows(out, tableRows(t, t->columnCount()));
        out.flush();
        written = out.status() == QTextStream::Ok && file.commit();
    }
    if (!written)
        QMessageBox::warning(parent, TableText::tr("Write CSV"),
                             TableText::tr("Cannot write file %1:\n%2.")
                                 .arg(QDir::toNativeSeparators(fileName), file.errorString()));
    return written;
}

void copySelection(const QTableWidget *t)
{
    const QTableWidgetSelectionRange range = firstSelection(t);
    std::vector<QStringList> rows;
    for (int r = range.topRow(); r <= range.bottomRow(); ++r) {
        QStringList &row = rows.emplace_back();
        for (int c = range.leftColumn(); c <= range.rightColumn(); ++c)
            row.append(cellText(t, r, c));
    }
    QApplication::clipboard()->setText(formatTabSeparated(rows));
}

void deleteSelection(QTableWidget *t)
{
    const QList<QTableWidgetItem *> items = t->selectedItems();
    qDeleteAll(items);
}

bool pasteClipboard(QWidget *parent, QTableWidget *t)
{
    const TabSeparatedBlock block = parseTabSeparated(QApplication::clipboard()->text());
    const int rows = int(block.rows.size());
    if (rows == 0)
        return false;
    const QTableWidgetSelectionRange range = firstSelection(t);
    const bool oneCell = range.rowCount() == 1 && range.columnCount() == 1;
    if (!oneCell && (range.rowCount() != rows || range.columnCount() != block.columns)) {
        QMessageBox::information(parent, TableText::tr("Spreadsheet"),
                                 TableText::tr("The information cannot be pasted because the "
                                               "copy and paste areas aren't the same size."));
        return false;
    }
    const int top = range.topRow();
    const int left = range.leftColumn();
    const int right = std::min(left + block.columns, t->columnCount());
    const bool updates = t->updatesEnabled();
    t->setUpdatesEnabled(false);
    if (oneCell)
        t->setRowCount(top + rows);
    for (int i = 0; i < rows; ++i) {
        const QStringList &fields = block.rows[i];
        // A line with fewer cells than the first leaves the missing ones empty.
        for (int c = left; c < right; ++c) {
            const int j = c - left;
            if (j < fields.size())
                t->setItem(top + i, c, new QTableWidgetItem(fields.at(j)));
            else
                delete t->takeItem(top + i, c);
        }
    }
    t->setUpdatesEnabled(updates);
    return true;
}

QString cellGapPlaces(const QTableWidget *t, const CellGaps &gaps)
{
    QStringList cells;
    for (const auto &[row, column] : gaps.first) {
        const QTableWidgetItem *header = t->horizontalHeaderItem(column);
        // Multi-line headers ("Outdoor\nTa") read as one line.
        const QString name = header ? header->text().simplified() : QString::number(column + 1);
        cells << TableText::tr("row %1, %2").arg(row + 1).arg(name);
    }
    return cells.isEmpty() ? QString() : TableText::tr("First: %1.").arg(cells.join(QStringLiteral("; ")));
}

void warnCellGaps(QWidget *parent, const QTableWidget *t, const CellGaps &gaps, CellGapRows rows)
{
    if (gaps.count == 0)
        return;
    QString text = rows == CellGapRows::NotComputed
        ? TableText::tr("Input cells without a number (empty, or text without a numeric "
                        "prefix): %1. Their rows were not computed (N.A).")
        : TableText::tr("Input cells without a number (empty, or text without a numeric "
                        "prefix): %1. They were computed as 0.");
    text = text.arg(gaps.count);
    const QString places = cellGapPlaces(t, gaps);
    if (!places.isEmpty())
        text += QLatin1Char('\n') + places;
    QMessageBox::warning(parent, TableText::tr("Cells without a number"), text);
}
