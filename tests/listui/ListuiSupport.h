#pragma once

#include <QApplication>
#include <QList>
#include <QSet>
#include <memory>

#include "Connection.h"
#include "Dataset.h"
#include "Messages.h"
#include "Schema.h"
#include "TempStore.h"

// Answers every message box and remembers what it was asked.
struct MessageLog {
    QList<listui::Messages::Request> seen;
    bool answer = true;

    MessageLog() {
        listui::Messages::setResponder([this](const listui::Messages::Request& r) {
            seen << r;
            return answer;
        });
    }
    ~MessageLog() { listui::Messages::setResponder(nullptr); }
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;
};

// A fresh data.mdb and one window's connection with its list dataset.
struct ListFixture {
    TempStore store;
    store::Connection connection;
    std::unique_ptr<store::Dataset> dataset;

    explicit ListFixture(const QString& table = store::Tables::Goods) : table(table) {}

    void open() {
        dataset = std::make_unique<store::Dataset>(connection, store::Statement::table(table));
        dataset->open();
    }

    QString textAt(int row, const QString& column) const {
        return dataset->textAt(row, dataset->columnIndex(column));
    }
    QStringList columnTexts(const QString& column) const {
        QStringList out;
        for (int r = 0; r < dataset->rowCount(); ++r) out << textAt(r, column);
        return out;
    }

    QString table;
};

inline QString u8(const char* s) {
    return QString::fromUtf8(s);
}
