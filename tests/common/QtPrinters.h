#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <ostream>

// Readable failures: gtest would print Qt values as bytes.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QStringList& l, std::ostream* os) {
    *os << '[' << l.join(QStringLiteral(", ")).toStdString() << ']';
}
// Null, a quoted text, or a number.
inline void PrintTo(const QVariant& v, std::ostream* os) {
    if (!v.isValid())
        *os << "null";
    else if (v.typeId() == QMetaType::QString)
        PrintTo(v.toString(), os);
    else
        *os << v.toString().toStdString();
}
QT_END_NAMESPACE
