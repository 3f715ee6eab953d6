#pragma once

#include <gtest/gtest.h>

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

#include "Dataset.h"
#include "QtPrinters.h"
#include "Schema.h"
#include "StoreError.h"

// Runs `op` and returns the store::Error text it threw, or "<no error>".
inline QString storeErrorOf(const std::function<void()>& op) {
    try {
        op();
    } catch (const store::Error& e) {
        return e.message();
    }
    return QStringLiteral("<no error>");
}

inline QString u8(const char* s) {
    return QString::fromUtf8(s);
}

using store::Dataset;
using store::Statement;
using store::Tables::Company;
using store::Tables::Goods;
using store::Tables::Sales;

inline const QString kCode = QStringLiteral("商品编码");

// The texts of one column of every row, in order.
inline QStringList columnTexts(const Dataset& ds, const QString& column) {
    QStringList out;
    const int c = ds.columnIndex(column);
    for (int i = 0; i < ds.rowCount(); ++i) out << ds.textAt(i, c);
    return out;
}

// The keys of every row, in order.
inline QList<qint64> keysOf(const Dataset& ds) {
    QList<qint64> out;
    for (int i = 0; i < ds.rowCount(); ++i) out << ds.bookmarkAt(i);
    return out;
}
