// Times the main window's list as the user sees it: a reload, and a search
// typed in the search panel, each until the grid is painted with its footer
// sums, against a bare engine loop over the same statement.
//
//   lantong_grid_bench [FOLDER] [--runs N] [--search TEXT]
//
// FOLDER (default /tmp/lantong-bench) holds the shop-sized data.mdb that
// lantong_bench builds; when it is missing, lantong_bench is run once to
// build it. Runs on the offscreen platform unless QT_QPA_PLATFORM says
// otherwise.
#include <sqlcipher/sqlite3.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QPixmap>
#include <QProcess>
#include <QTextStream>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

#include "ColumnSpec.h"
#include "Connection.h"
#include "Dataset.h"
#include "ListCommands.h"
#include "RecordGrid.h"
#include "Reopen.h"
#include "Schema.h"
#include "Statement.h"
#include "StoreError.h"

namespace {

using store::Connection;
using store::Dataset;
using store::Statement;
namespace Tables = store::Tables;

double seconds(const std::function<void()>& f) {
    const auto t0 = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

double best(const std::vector<double>& v) {
    return *std::min_element(v.begin(), v.end());
}
double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void check(int rc, sqlite3* db, const char* what) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW)
        throw store::Error(QStringLiteral("%1: %2").arg(QLatin1String(what),
                                                        QString::fromUtf8(sqlite3_errmsg(db))));
}

// The bare engine: one connection kept open, every column of the statement
// read by its declared type, nothing kept.
struct PlainLoop {
    sqlite3* db = nullptr;
    std::size_t sink = 0;

    explicit PlainLoop(const QString& path) {
        check(sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr), db,
              "open");
        const std::string key =
            "PRAGMA key = '" + Connection::databasePassword().toStdString() + "'";
        check(sqlite3_exec(db, key.c_str(), nullptr, nullptr, nullptr), db, "key");
        check(sqlite3_exec(db, "PRAGMA cipher_page_size = 4096", nullptr, nullptr, nullptr), db,
              "page size");
    }
    ~PlainLoop() { sqlite3_close(db); }

    std::size_t run(const Statement& st) {
        sqlite3_stmt* stmt = nullptr;
        check(sqlite3_prepare16_v2(db, st.sql().utf16(), -1, &stmt, nullptr), db, "prepare");
        for (int i = 0; i < st.parameters().size(); ++i) {
            const QString& p = st.parameters()[i];
            sqlite3_bind_text16(stmt, i + 1, p.utf16(), int(p.size() * 2), SQLITE_TRANSIENT);
        }
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

// The database of lantong_bench, built by it when missing.
bool ensureDatabase(const QString& folder, QTextStream& out) {
    if (QFile::exists(folder + QStringLiteral("/data.mdb"))) return true;
    const QString builder =
        QCoreApplication::applicationDirPath() + QStringLiteral("/lantong_bench");
    out << "No data.mdb in " << folder << ": building it with " << builder << " ...\n";
    out.flush();
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedChannels);
    p.start(builder, {folder, QStringLiteral("--runs"), QStringLiteral("1")});
    if (!p.waitForFinished(-1) || p.exitCode() != 0) {
        out << "building the database failed\n";
        return false;
    }
    return QFile::exists(folder + QStringLiteral("/data.mdb"));
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QString folder = QStringLiteral("/tmp/lantong-bench");
    QString searchText = QStringLiteral("中性笔");
    int runs = 5;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--runs") && i + 1 < args.size())
            runs = std::max(1, args[++i].toInt());
        else if (a == QLatin1String("--search") && i + 1 < args.size())
            searchText = args[++i];
        else if (!a.startsWith(QLatin1String("--")))
            folder = a;
        else {
            out << "usage: lantong_grid_bench [FOLDER] [--runs N] [--search TEXT]\n";
            return 2;
        }
    }

    // The program's faces, so that the grid paints with the fonts it ships with.
    const QStringList song{QStringLiteral("AR PL UMing CN"), QStringLiteral("Noto Serif CJK SC"),
                           QStringLiteral("Noto Sans CJK SC")};
    QFont::insertSubstitutions(QStringLiteral("宋体"), song);
    QFont::insertSubstitutions(QStringLiteral("SimSun"), song);
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(12);
    QApplication::setFont(font);

    try {
        QDir().mkpath(folder);
        folder = QDir(folder).absolutePath();
        if (!ensureDatabase(folder, out)) return 1;
        const QString path = folder + QStringLiteral("/data.mdb");
        QDir::setCurrent(folder);

        PlainLoop plain(path);
        plain.run(Statement::table(Tables::Company));  // derive its key now

        // The main window's list area with its grid.
        Connection window;
        Dataset list(window);
        const Statement goods = Statement::table(Tables::Goods);
        store::reopen(window, {{&list, goods}});
        QWidget area;
        area.setFixedSize(976, 505);
        listui::RecordGrid grid(list, listui::purchaseColumns(), &area);
        grid.setGeometry(0, 0, 976, 505);
        area.show();
        QCoreApplication::processEvents();
        const auto painted = [&] {
            QCoreApplication::processEvents();
            const QPixmap shot = area.grab();
            if (shot.isNull()) throw store::Error(QStringLiteral("nothing painted"));
        };
        painted();

        out << "Database: " << path << ", " << list.rowCount()
            << " goods records; best and median of " << runs << " runs\n";

        const QList<listui::SearchField> typed{
            {QString(), QStringLiteral("商品编码")},
            {searchText, QStringLiteral("商品名称")},
            {QString(), QStringLiteral("联系人")},
            {QString(), QStringLiteral("联系电话")},
        };
        struct Case {
            QString title;
            Statement statement;
            std::function<void()> before;  // not timed
            std::function<void()> ours;
        };
        const Statement searched =
            Statement::containing(Tables::Goods, QStringLiteral("商品名称"), searchText);
        Case cases[] = {
            {QStringLiteral("(a) reload (reopen cycle) to the painted grid with its footer"), goods,
             [] {},
             [&] {
                 store::reopen(window, {{&list, goods}});
                 painted();
             }},
            {QStringLiteral("(b) search 商品名称 contains %1 to the painted grid").arg(searchText),
             searched,
             [&] {
                 store::reopen(window, {{&list, goods}});
                 painted();
             },
             [&] {
                 listui::searchList(list, Tables::Goods, typed);
                 painted();
             }},
        };

        bool met = true;
        for (Case& k : cases) {
            std::vector<double> ours, bare, paint;
            std::size_t plainRows = 0;
            for (int i = 0; i < runs; ++i) {  // alternated, so both see the same load
                k.before();
                ours.push_back(seconds(k.ours));
                paint.push_back(seconds(painted));
                bare.push_back(seconds([&] { plainRows = plain.run(k.statement); }));
            }
            if (std::size_t(list.rowCount()) != plainRows)
                throw store::Error(QStringLiteral("row counts differ: %1 vs %2")
                                       .arg(list.rowCount())
                                       .arg(plainRows));
            const double ratio = best(ours) / best(bare);
            met = met && ratio <= 2;
            out << "\n"
                << k.title << ": " << plainRows << " rows, footer sum " << grid.footerText(7)
                << "\n"
                << QStringLiteral("  ours   best %1 s  median %2 s  (a repaint alone: %3 s)\n")
                       .arg(best(ours), 0, 'f', 3)
                       .arg(median(ours), 0, 'f', 3)
                       .arg(best(paint), 0, 'f', 3)
                << QStringLiteral("  plain  best %1 s  median %2 s\n")
                       .arg(best(bare), 0, 'f', 3)
                       .arg(median(bare), 0, 'f', 3)
                << QStringLiteral("  ratio ours/plain  best %1  median %2  (goal <= 2)\n")
                       .arg(ratio, 0, 'f', 2)
                       .arg(median(ours) / median(bare), 0, 'f', 2);
            out.flush();
        }
        out << "\n" << (met ? "All goals met.\n" : "Some goals missed.\n");
        if (plain.sink == 42) out << "";  // keep the plain loop's reads
        return 0;
    } catch (const store::Error& e) {
        out << "error: " << e.message() << "\n";
        return 1;
    }
}
