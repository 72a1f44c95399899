// Test helper: a form's child by object name; a missing name fails the test run.
#pragma once

#include <QtWidgets>
#include <QtGlobal>

template<typename T>
T *child(QObject &form, const char *name)
{
    T *w = form.findChild<T *>(QLatin1String(name));
    if (!w)
        qFatal("widget %s missing", name);
    return w;
}
