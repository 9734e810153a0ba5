// Helpers of the window tests: a control of a window found by its
// objectName (a missing one ends the test with the names it looked for),
// and the bytes of a file read and written.
#pragma once

#include <QFile>
#include <QObject>

template <typename T> T *childNamed(const QObject *parent, const QString &name) {
    T *child = parent->findChild<T *>(name);
    if (!child)
        qFatal("%s holds no %s named %s", qPrintable(parent->objectName()),
               T::staticMetaObject.className(), qPrintable(name));
    return child;
}

inline QByteArray contents(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

inline bool writeFile(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}
