// A child widget that must exist, looked up by object name: a missing one ends the program in
// every build (unlike Q_ASSERT), since a form without it cannot work.
#pragma once

#include <QObject>
#include <QString>

template<typename T>
T *requireChild(const QObject *root, const QString &name)
{
    T *c = root->findChild<T *>(name);
    if (!c)
        qFatal("missing child %s", qPrintable(name));
    return c;
}
