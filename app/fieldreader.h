// The one reader of numbers typed into form fields, shared by every form.
#pragma once

#include "comfort/numbertext.h"

#include <QList>
#include <QString>

class QLabel;
class QLineEdit;
class QWidget;

// Reads numeric line edits for one computation. A decimal comma is a decimal
// point; a field that holds no number (empty text included), or a number outside
// the range the caller allows, is marked on the form and collected. ok() then
// names every bad field (and the allowed range) in one warning, puts the focus on
// the first and returns false: the caller computes nothing.
//
//     FieldReader in(this);
//     const double ta = in.number(ui.inputTa, ui.labelTa, PmvPhysical::kTemperature);
//     if (!in.ok())
//         return;
class FieldReader
{
public:
    explicit FieldReader(QWidget *form);

    // The field's number, or 0 for a bad field (then ok() is false). The label
    // names the field in the message; without one the field's tool tip or
    // object name does. The default range allows every finite number.
    double number(QLineEdit *field, const QLabel *label = nullptr, const ValueRange &range = {});
    double number(QLineEdit *field, const QString &name, const ValueRange &range = {});
    // A number that must also be whole (an hour of day, a count of lines).
    int wholeNumber(QLineEdit *field, const QString &name, const ValueRange &range = {});

    // True when every field read so far held an allowed number; otherwise shows the
    // warning once and returns false.
    bool ok();

    // The name of a field as the message shows it: the label's text without
    // mnemonics, runs of spaces or line breaks ("Air Temperature [°C]").
    static QString fieldName(const QString &labelText);

private:
    double read(QLineEdit *field, const QString &name, const ValueRange &range, bool whole);

    QWidget *form;
    QList<QLineEdit *> badFields;
    QStringList badLines;   // one per bad field: its name and what is wrong
    bool reported = false;
};
