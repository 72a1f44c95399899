#include "app/fieldreader.h"

#include "comfort/numbertext.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace {

const char *const kBadProperty = "klimaroBadField";
const char *const kBadFieldStyle = "background-color: rgb(255, 200, 200);";   // field without a number

void setMarked(QLineEdit *field, bool bad)
{
    // Keep a form's own style sheet: remember it while the field is marked.
    if (bad == field->property(kBadProperty).isValid())
        return;
    if (bad) {
        field->setProperty(kBadProperty, field->styleSheet());
        field->setStyleSheet(QLatin1String(kBadFieldStyle));
    } else {
        field->setStyleSheet(field->property(kBadProperty).toString());
        field->setProperty(kBadProperty, QVariant());
    }
}

}

FieldReader::FieldReader(QWidget *form)
    : form(form)
{
}

QString FieldReader::fieldName(const QString &labelText)
{
    QString name = labelText;
    name.remove(QRegularExpression(QStringLiteral("<[^>]*>")));   // rich-text labels
    name.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    name.remove(QLatin1Char('&'));
    name.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return name.simplified();
}

double FieldReader::number(QLineEdit *field, const QLabel *label, const ValueRange &range)
{
    QString name;
    if (label)
        name = fieldName(label->text());
    if (name.isEmpty())
        name = field->toolTip().isEmpty() ? field->objectName() : fieldName(field->toolTip());
    return number(field, name, range);
}

double FieldReader::number(QLineEdit *field, const QString &name, const ValueRange &range)
{
    return read(field, name, range, false);
}

int FieldReader::wholeNumber(QLineEdit *field, const QString &name, const ValueRange &range)
{
    // Whole numbers beyond int are refused as not whole enough to count with.
    const ValueRange within{std::max(range.min, -1e9), std::min(range.max, 1e9), range.minInclusive,
                            range.maxInclusive};
    return int(read(field, name, within, true));
}

double FieldReader::read(QLineEdit *field, const QString &name, const ValueRange &range, bool whole)
{
    double value = 0.0;
    const QString text = field->text();
    QString problem;
    if (!parseFieldNumber(text, value))
        problem = text.trimmed().isEmpty()
                      ? QCoreApplication::translate("FieldReader", "%1: empty").arg(name)
                      : QCoreApplication::translate("FieldReader", "%1: \"%2\"").arg(name, text);
    else if (!range.contains(value))
        problem = QCoreApplication::translate("FieldReader", "%1: %2 lies outside the allowed range %3")
                      .arg(name, text.trimmed(), formatRange(range));
    else if (whole && value != std::floor(value))
        problem = QCoreApplication::translate("FieldReader", "%1: %2 is not a whole number")
                      .arg(name, text.trimmed());
    setMarked(field, !problem.isEmpty());
    if (problem.isEmpty())
        return value;
    badFields.append(field);
    badLines.append(problem);
    return 0.0;
}

bool FieldReader::ok()
{
    if (badFields.isEmpty())
        return true;
    if (!reported) {
        reported = true;
        badFields.first()->setFocus();
        QMessageBox::warning(form, QCoreApplication::translate("FieldReader", "Invalid input"),
                             QCoreApplication::translate("FieldReader",
                                                         "These fields do not hold a possible number, "
                                                         "so nothing was computed:\n\n%1\n\nA decimal "
                                                         "comma or point may be used (0,5 or 0.5).")
                                 .arg(badLines.join(QLatin1Char('\n'))));
    }
    return false;
}
