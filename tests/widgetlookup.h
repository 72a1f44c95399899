// Test helpers: a form's widgets by object name; a missing name fails the test run.
#pragma once

#include <QtWidgets>

#include "app/requirechild.h"

template<typename T>
T *child(QObject &form, const QString &name)
{
    return requireChild<T>(&form, name);
}

inline QString text(QObject &form, const QString &name) { return child<QLineEdit>(form, name)->text(); }
inline void setText(QObject &form, const QString &name, const QString &value)
{
    child<QLineEdit>(form, name)->setText(value);
}
inline void click(QObject &form, const QString &name) { child<QAbstractButton>(form, name)->click(); }
inline bool enabled(QObject &form, const QString &name) { return child<QWidget>(form, name)->isEnabled(); }

// Types "name=value" entries into line edits; a combo box takes the value as its index.
inline void enter(QObject &form, const QStringList &entries)
{
    for (const QString &entry : entries) {
        const QString name = entry.section('=', 0, 0), value = entry.section('=', 1);
        if (auto *combo = form.findChild<QComboBox *>(name))
            combo->setCurrentIndex(value.toInt());
        else
            setText(form, name, value);
    }
}

// The texts of the named line edits, space-separated.
inline QString texts(QObject &form, const QStringList &names)
{
    QStringList values;
    for (const QString &name : names)
        values << text(form, name);
    return values.join(' ');
}
