// Helpers of the window tests: a control of a window found by its
// objectName (a missing one ends the test with the names it looked for).
#pragma once

#include "tests/support/testfiles.h"

#include <QObject>
#include <QStringList>
#include <QTableWidget>

template <typename T> T *childNamed(const QObject *parent, const QString &name) {
    T *child = parent->findChild<T *>(name);
    if (!child)
        qFatal("%s holds no %s named %s", qPrintable(parent->objectName()),
               T::staticMetaObject.className(), qPrintable(name));
    return child;
}

// The texts of a column of a table, top to bottom.
inline QStringList column(const QTableWidget *table, int c) {
    QStringList cells;
    for (int row = 0; row < table->rowCount(); ++row)
        cells << table->item(row, c)->text();
    return cells;
}

// The header texts of a table, left to right.
inline QStringList headers(const QTableWidget *table) {
    QStringList texts;
    for (int c = 0; c < table->columnCount(); ++c)
        texts << table->horizontalHeaderItem(c)->text();
    return texts;
}
