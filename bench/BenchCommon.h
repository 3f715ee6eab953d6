// What the benches share: the clock, the figures, the bare engine they are
// measured against, and the shop-sized database that lantong_bench builds.
#pragma once

#include <sqlcipher/sqlite3.h>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <algorithm>
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "Connection.h"
#include "Dataset.h"
#include "Schema.h"
#include "Statement.h"
#include "StoreError.h"

namespace bench {

using store::Connection;
using store::Dataset;
using store::Statement;
namespace Tables = store::Tables;

inline double seconds(const std::function<void()>& f) {
    const auto t0 = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

inline double best(const std::vector<double>& v) {
    return *std::min_element(v.begin(), v.end());
}
inline double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// "best 0.123 s  median 0.130 s" of a series of timings in seconds.
inline QString timings(const std::vector<double>& v) {
    return QStringLiteral("best %1 s  median %2 s")
        .arg(best(v), 0, 'f', 3)
        .arg(median(v), 0, 'f', 3);
}
// The same in milliseconds, for what takes less than one.
inline QString millisecondTimings(const std::vector<double>& v) {
    return QStringLiteral("best %1 ms  median %2 ms")
        .arg(best(v) * 1000, 0, 'f', 2)
        .arg(median(v) * 1000, 0, 'f', 2);
}

inline void check(int rc, sqlite3* db, const char* what) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW)
        throw store::Error(QStringLiteral("%1: %2").arg(QLatin1String(what),
                                                        QString::fromUtf8(sqlite3_errmsg(db))));
}

inline void bindText(sqlite3_stmt* st, int i, const QString& s) {
    sqlite3_bind_text16(st, i, s.utf16(), int(s.size() * 2), SQLITE_TRANSIENT);
}

// A connection of the bare engine to the file, keyed as the program's are.
// The key is derived at the first read.
inline sqlite3* openKeyed(const QString& path, int extraFlags = 0) {
    sqlite3* db = nullptr;
    check(sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | extraFlags,
                          nullptr),
          db, "open");
    const std::string key = "PRAGMA key = '" + Connection::databasePassword().toStdString() + "'";
    check(sqlite3_exec(db, key.c_str(), nullptr, nullptr, nullptr), db, "key");
    check(sqlite3_exec(db, "PRAGMA cipher_page_size = 4096", nullptr, nullptr, nullptr), db,
          "page size");
    return db;
}

// The bare engine: one connection kept open, every column of the statement
// read by its declared type, nothing kept.
struct PlainLoop {
    sqlite3* db = nullptr;
    std::size_t sink = 0;

    explicit PlainLoop(const QString& path, int extraFlags = 0) : db(openKeyed(path, extraFlags)) {}
    ~PlainLoop() { sqlite3_close(db); }
    PlainLoop(const PlainLoop&) = delete;
    PlainLoop& operator=(const PlainLoop&) = delete;

    std::size_t run(const Statement& st) {
        sqlite3_stmt* stmt = nullptr;
        check(sqlite3_prepare16_v2(db, st.sql().utf16(), -1, &stmt, nullptr), db, "prepare");
        for (int i = 0; i < st.parameters().size(); ++i) bindText(stmt, i + 1, st.parameters()[i]);
        const store::TableDef* table = store::tableDef(st.tableName());
        const int n = sqlite3_column_count(stmt);
        std::vector<store::ColumnType> types(n, store::ColumnType::AutoNumber);  // rowid first
        for (int i = 1; i < n; ++i) {
            const QString name =
                QString::fromUtf16(static_cast<const char16_t*>(sqlite3_column_name16(stmt, i)));
            types[i] = table->column(name)->type;
        }
        std::size_t rows = 0;
        int rc;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            ++rows;
            for (int i = 0; i < n; ++i) {
                switch (types[i]) {
                    case store::ColumnType::AutoNumber:
                        sink += std::size_t(sqlite3_column_int64(stmt, i));
                        break;
                    case store::ColumnType::Float:
                        sink += std::size_t(sqlite3_column_double(stmt, i));
                        break;
                    case store::ColumnType::Text: {
                        auto* t = static_cast<const char16_t*>(sqlite3_column_text16(stmt, i));
                        const int bytes = sqlite3_column_bytes16(stmt, i);
                        sink += std::size_t(bytes) + (t && bytes ? t[0] : 0);
                        break;
                    }
                }
            }
        }
        check(rc, db, "step");
        sqlite3_finalize(stmt);
        return rows;
    }
};

// The shop-sized database: how many records of each kind.
struct DatabaseSize {
    int goods = 100000, sales = 1000000;
};

// What lantong_bench writes to FOLDER/built.txt beside the database it built;
// a database with another note is built again.
inline QString builtNote(const DatabaseSize& size) {
    return QStringLiteral("lantong-bench data v1 goods=%1 sales=%2\n")
        .arg(size.goods)
        .arg(size.sales);
}

// The database of lantong_bench in `folder`, built by running it when missing
// or, with a size asked for, when it was built with another.
inline bool ensureDatabase(const QString& folder, QTextStream& out,
                           std::optional<DatabaseSize> size = std::nullopt) {
    const QString path = folder + QStringLiteral("/data.mdb");
    QStringList args{folder};
    if (size) {
        QFile note(folder + QStringLiteral("/built.txt"));
        if (QFile::exists(path) && note.open(QIODevice::ReadOnly) &&
            QString::fromUtf8(note.readAll()) == builtNote(*size))
            return true;
        args << QStringLiteral("--goods") << QString::number(size->goods)
             << QStringLiteral("--sales") << QString::number(size->sales);
    } else if (QFile::exists(path)) {
        return true;
    }
    args << QStringLiteral("--runs") << QStringLiteral("1");
    const QString builder =
        QCoreApplication::applicationDirPath() + QStringLiteral("/lantong_bench");
    if (size)
        out << "Building the database with " << builder << " ...\n";
    else
        out << "No data.mdb in " << folder << ": building it with " << builder << " ...\n";
    out.flush();
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedChannels);
    p.start(builder, args);
    return p.waitForFinished(-1) && p.exitCode() == 0 && QFile::exists(path);
}

}  // namespace bench
