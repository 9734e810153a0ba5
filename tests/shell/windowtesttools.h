// Helpers of the window tests: a control of a window found by its
// objectName (a missing one ends the test with the names it looked for).
#pragma once

#include "tests/support/testfiles.h"

#include <QObject>

template <typename T> T *childNamed(const QObject *parent, const QString &name) {
    T *child = parent->findChild<T *>(name);
    if (!child)
        qFatal("%s holds no %s named %s", qPrintable(parent->objectName()),
               T::staticMetaObject.className(), qPrintable(name));
    return child;
}
