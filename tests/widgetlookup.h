// Test helpers: a form's widgets by object name; a missing name fails the test run.
#pragma once

#include <QtWidgets>

template<typename T>
T *child(QObject &form, const QString &name)
{
    T *w = form.findChild<T *>(name);
    if (!w)
        qFatal("widget %s missing", qPrintable(name));
    return w;
}

inline QString text(QObject &form, const QString &name) { return child<QLineEdit>(form, name)->text(); }
inline void setText(QObject &form, const QString &name, const QString &value)
{
    child<QLineEdit>(form, name)->setText(value);
}
inline void click(QObject &form, const QString &name) { child<QAbstractButton>(form, name)->click(); }
inline bool enabled(QObject &form, const QString &name) { return child<QWidget>(form, name)->isEnabled(); }
