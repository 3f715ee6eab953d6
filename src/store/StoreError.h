#pragma once

#include <QString>
#include <stdexcept>

namespace store {

// Every failure of the data store: engine errors, conversion errors, a missing
// file. Handlers catch it at their edge and show its text.
class Error : public std::runtime_error {
public:
    explicit Error(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

}  // namespace store
