#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <functional>

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

// Lets gtest print QStrings in failure messages.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
QT_END_NAMESPACE
