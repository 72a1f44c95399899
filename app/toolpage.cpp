#include "app/toolpage.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>

ToolPage::ToolPage(QWidget *parent)
    : QWidget(parent)
{
}

bool ToolPage::hasUnsavedWork() const
{
    if (edited)
        return true;
    for (const QPointer<QTableWidget> &table : tables) {
        if (!table)
            continue;
        for (int r = 0; r < table->rowCount(); ++r)
            for (int c = 0; c < table->columnCount(); ++c)
                if (const QTableWidgetItem *item = table->item(r, c); item && !item->text().isEmpty())
                    return true;
    }
    return false;
}

// textEdited, activated and clicked come from the user only (or a test acting as one),
// never from the forms' own setText and setCurrentIndex.
void ToolPage::watchForWork(const QList<QTableWidget *> &dataTables)
{
    const auto mark = [this] { edited = true; };
    for (QLineEdit *field : findChildren<QLineEdit *>())
        connect(field, &QLineEdit::textEdited, this, mark);
    for (QComboBox *box : findChildren<QComboBox *>())
        connect(box, &QComboBox::activated, this, mark);
    for (QAbstractButton *button : findChildren<QAbstractButton *>())
        if (button->isCheckable())
            connect(button, &QAbstractButton::clicked, this, mark);
    for (QTableWidget *table : dataTables)
        tables << table;
}
