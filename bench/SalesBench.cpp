// Times selling in the sales window on a shop-sized data.mdb against the
// bare engine doing the same writes or reads.
//
//   lantong_sales_bench [FOLDER] [--runs N] [--goods N] [--sales N]
//
// FOLDER (default /tmp/lantong-bench) holds the database that lantong_bench
// builds and keeps; it is built by running lantong_bench when missing. The
// sales are made on a copy in FOLDER/sales-bench, removed afterwards.
//
// (a) 确定: the window's Button1Click (the sale rules, the message, hiding
//     the panel) and the paint that follows (the sold row and the footer
//     sums), against an INSERT into 表3 and an UPDATE of 表1 in one
//     transaction on a plain connection.
// (b) the customer list: opening the selling panel, which lists the distinct
//     customers of 表3 in the name box, against a plain sqlite3_step loop of
//     "Select Distinct 客户姓名 From 表3".
#include <sqlcipher/sqlite3.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTextStream>
#include <algorithm>
#include <functional>
#include <vector>

#include "BenchCommon.h"
#include "ColumnSpec.h"
#include "Connection.h"
#include "CustomerLookup.h"
#include "Dataset.h"
#include "DatasetModel.h"
#include "FloatingPanel.h"
#include "Messages.h"
#include "RecordGrid.h"
#include "Schema.h"
#include "Statement.h"
#include "StoreError.h"
#include "XsxxUnit.h"

namespace {

using namespace bench;

// The bare engine on the same file, opened and keyed as a window's
// connection is, and kept open.
struct Plain {
    sqlite3* db = nullptr;

    explicit Plain(const QString& path) : db(bench::openKeyed(path)) {
        check(sqlite3_exec(db, "select count(*) from sqlite_master", nullptr, nullptr, nullptr), db,
              "key check");
    }
    ~Plain() { sqlite3_close(db); }

    sqlite3_stmt* prepare(const QString& sql) {
        sqlite3_stmt* st = nullptr;
        check(sqlite3_prepare16_v2(db, sql.utf16(), -1, &st, nullptr), db, "prepare");
        return st;
    }
    void exec(const char* sql) { check(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), db, sql); }
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QString folder = QStringLiteral("/tmp/lantong-bench");
    int runs = 15, goodsRows = 100000, salesRows = 1000000;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--runs") && i + 1 < args.size())
            runs = std::max(1, args[++i].toInt());
        else if (a == QLatin1String("--goods") && i + 1 < args.size())
            goodsRows = args[++i].toInt();
        else if (a == QLatin1String("--sales") && i + 1 < args.size())
            salesRows = args[++i].toInt();
        else if (!a.startsWith(QLatin1String("--")))
            folder = a;
        else {
            out << "usage: lantong_sales_bench [FOLDER] [--runs N] [--goods N] [--sales N]\n";
            return 2;
        }
    }

    QDir().mkpath(folder);
    folder = QDir(folder).absolutePath();
    if (!bench::ensureDatabase(folder, out, bench::DatabaseSize{goodsRows, salesRows})) {
        out << "error: could not build the database in " << folder << "\n";
        return 1;
    }
    const QString work = folder + QStringLiteral("/sales-bench");
    QDir(work).removeRecursively();
    QDir().mkpath(work);
    const QString path = work + QStringLiteral("/data.mdb");
    if (!QFile::copy(folder + QStringLiteral("/data.mdb"), path)) {
        out << "error: could not copy the database to " << path << "\n";
        return 1;
    }
    struct RemoveCopy {
        QString dir;
        ~RemoveCopy() { QDir(dir).removeRecursively(); }
    } removeCopy{work};
    QDir::setCurrent(work);

    int boxes = 0;
    QString lastBox;
    listui::Messages::setResponder([&](const listui::Messages::Request& r) {
        ++boxes;
        lastBox = r.text;
        return true;
    });

    try {
        out << "Database: " << path << " (" << QFileInfo(path).size() / 1048576.0 << " MiB), "
            << goodsRows << " goods, " << salesRows << " sales; best and median of " << runs
            << " runs\n";
        out.flush();

        TXsxxForm form;
        form.show();
        QApplication::processEvents();
        listui::RecordGrid* grid = form.DBGridEh1;
        Dataset& goods = form.ADOQuery1;

        // The visible row with the most stock takes all the sales.
        const int stockColumn = goods.columnIndex(QStringLiteral("库存数量"));
        int row = 0;
        for (int r = 1; r < std::min(goods.rowCount(), 20); ++r)
            if (goods.numberAt(r, stockColumn).value_or(0) >
                goods.numberAt(row, stockColumn).value_or(0))
                row = r;
        if (goods.numberAt(row, stockColumn).value_or(0) < 2 * runs)
            throw store::Error(QStringLiteral("not enough stock for %1 sales").arg(runs));
        goods.moveTo(row);

        // ---- (a) 确定
        int reloads = 0;
        QObject::connect(&goods, &Dataset::aboutToReset, [&] { ++reloads; });

        // One sale through the window: the panel opened and filled, then
        // 确定 and the paint of what it changed. With the panel closed before
        // 确定, that is the sold row and the footer; with it open, also the
        // part of the list the panel uncovers.
        const auto sell = [&](bool panelOpen) {
            form.SpeedButton1Click();
            form.Edit8->setText(QStringLiteral("12.5"));
            form.Edit9->setText(QStringLiteral("1"));
            form.ComboBox1->setEditText(QStringLiteral("张三"));
            form.Edit11->setText(QStringLiteral("13800001111"));
            if (!panelOpen) form.Panel2->hide();
            QApplication::processEvents();
            reloads = 0;
            boxes = 0;
            const double t = seconds([&] {
                form.Button1Click();
                QApplication::processEvents();  // paints what the sale changed
            });
            if (boxes != 1 || lastBox != QStringLiteral("销售商品成功！"))
                throw store::Error(QStringLiteral("the sale said: ") + lastBox);
            if (reloads != 0) throw store::Error(QStringLiteral("a sale reloaded the goods list"));
            if (form.ADOQuery2.rowCount() != 1)
                throw store::Error(QStringLiteral("a sale loaded 表3"));
            return t;
        };

        // The same two writes as plain code makes them: prepared, bound,
        // stepped and finalized in one transaction.
        Plain plain(path);
        const qint64 plainGoods = goods.bookmarkAt(row == 0 ? 1 : 0);
        const auto plainSale = [&] {
            plain.exec("BEGIN");
            sqlite3_stmt* insert = plain.prepare(QStringLiteral(
                "INSERT INTO 表3 (销售日期,商品编码,商品名称,商品型号,商品规格,单位,销售单价,"
                "销售数量,销售金额,客户姓名,联系电话,详细地址,备注) "
                "VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?)"));
            const QString texts[] = {QStringLiteral("2024/5/17 10:30:05"),
                                     QStringLiteral("6912345678901"),
                                     QStringLiteral("晨光中性笔"),
                                     QStringLiteral("GP-1008"),
                                     QStringLiteral("12支/盒"),
                                     QStringLiteral("盒")};
            for (int c = 0; c < 6; ++c) bindText(insert, c + 1, texts[c]);
            sqlite3_bind_double(insert, 7, 12.5);
            sqlite3_bind_double(insert, 8, 1);
            sqlite3_bind_double(insert, 9, 12.5);
            bindText(insert, 10, QStringLiteral("张三"));
            bindText(insert, 11, QStringLiteral("13800001111"));
            bindText(insert, 12, QString());
            bindText(insert, 13, QString());
            check(sqlite3_step(insert), plain.db, "insert");
            sqlite3_finalize(insert);
            sqlite3_stmt* update = plain.prepare(
                QStringLiteral("UPDATE 表1 SET 销售单价=?,销售数量=?,销售金额=?,销售利润=?,"
                               "库存数量=?,库存金额=? WHERE rowid=?"));
            const double values[] = {12.5, 2, 25, 5, 8, 80};
            for (int c = 0; c < 6; ++c) sqlite3_bind_double(update, c + 1, values[c]);
            sqlite3_bind_int64(update, 7, plainGoods);
            check(sqlite3_step(update), plain.db, "update");
            sqlite3_finalize(update);
            plain.exec("COMMIT");
        };

        // Opening the panel lists the customers on the window's connection,
        // which leaves its page cache full of 表3; the sale then reads the
        // pages it writes afresh. The plain writes are timed both on a
        // connection that only writes and on one that has just listed the
        // customers too.
        const auto listCustomers = [&] {
            sqlite3_stmt* st = plain.prepare(Statement::distinctCustomers().sql());
            while (sqlite3_step(st) == SQLITE_ROW) {
            }
            sqlite3_finalize(st);
        };
        std::vector<double> ours, withPanel, bare, bareAfterList;
        for (int i = 0; i < runs; ++i) {
            ours.push_back(sell(false));
            bare.push_back(seconds(plainSale));
            listCustomers();
            bareAfterList.push_back(seconds(plainSale));
            withPanel.push_back(sell(true));
        }
        // The footer kept up sale by sale; adding up afresh must agree.
        const listui::DatasetModel fresh(goods, listui::salesColumns());
        for (int c = 0; c < fresh.columnCount(); ++c)
            if (grid->footerText(c) != fresh.footerText(c))
                throw store::Error(QStringLiteral("footer %1 shows %2, the rows add up to %3")
                                       .arg(c)
                                       .arg(grid->footerText(c), fresh.footerText(c)));
        const double ratioA = best(ours) / best(bare);
        const double ratioAList = best(ours) / best(bareAfterList);
        out << "\n(a) 确定: the sale, then the paint of the sold row and the footer sums\n"
            << QStringLiteral("  ours   %1\n").arg(millisecondTimings(ours))
            << QStringLiteral(
                   "  plain  %1  (INSERT 表3 + UPDATE 表1 in one "
                   "transaction)\n")
                   .arg(millisecondTimings(bare))
            << QStringLiteral("  plain after listing the customers  %1\n")
                   .arg(millisecondTimings(bareAfterList))
            << QStringLiteral("  ratio ours/plain  best %1  median %2  (goal < 2)\n")
                   .arg(ratioA, 0, 'f', 2)
                   .arg(median(ours) / median(bare), 0, 'f', 2)
            << QStringLiteral("  ratio ours/plain after listing  best %1  median %2  (goal < 2)\n")
                   .arg(ratioAList, 0, 'f', 2)
                   .arg(median(ours) / median(bareAfterList), 0, 'f', 2)
            << QStringLiteral(
                   "  for comparison, with the list under the closing panel "
                   "repainted too: %1\n")
                   .arg(millisecondTimings(withPanel));
        out.flush();

        // ---- (b) the customer list
        Connection rulesConnection;
        Dataset rulesSales(rulesConnection, Statement::emptyOf(Tables::Sales));
        sales::CustomerLookup lookup(rulesSales);
        std::vector<double> window, rules, loop;
        int listed = 0, plainRows = 0;
        std::size_t sink = 0;
        for (int i = 0; i < runs; ++i) {
            form.Panel2->hide();
            window.push_back(seconds([&] { form.SpeedButton1Click(); }));
            listed = form.ComboBox1->count();
            rules.push_back(seconds([&] { sink += lookup.customers().size(); }));
            loop.push_back(seconds([&] {
                sqlite3_stmt* st = plain.prepare(Statement::distinctCustomers().sql());
                plainRows = 0;
                int rc;
                while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
                    ++plainRows;
                    auto* t = static_cast<const char16_t*>(sqlite3_column_text16(st, 0));
                    const int bytes = sqlite3_column_bytes16(st, 0);
                    sink += std::size_t(bytes) + (t && bytes ? t[0] : 0);
                }
                check(rc, plain.db, "step");
                sqlite3_finalize(st);
            }));
        }
        if (listed != plainRows)
            throw store::Error(QStringLiteral("the box lists %1 names, the table has %2")
                                   .arg(listed)
                                   .arg(plainRows));
        const double ratioB = best(window) / best(loop);
        out << "\n(b) the customer list: " << listed << " names from " << salesRows << " sales\n"
            << QStringLiteral("  ours, opening the selling panel  %1\n").arg(timings(window))
            << QStringLiteral("  ours, the list alone (CustomerLookup)  %1\n").arg(timings(rules))
            << QStringLiteral("  plain  %1\n").arg(timings(loop))
            << QStringLiteral("  ratio ours/plain  best %1  median %2  (goal <= 1.5)\n")
                   .arg(ratioB, 0, 'f', 2)
                   .arg(median(window) / median(loop), 0, 'f', 2);
        out << "\nGoals: (a) " << (ratioA < 2 ? "met" : "missed") << " against the plain writes, "
            << (ratioAList < 2 ? "met" : "missed") << " against them after listing; (b) "
            << (ratioB <= 1.5 ? "met" : "missed") << ".\n";
        if (sink == 42) out << "";  // keep the plain loop's reads
        listui::Messages::setResponder(nullptr);
        return 0;
    } catch (const store::Error& e) {
        out << "error: " << e.message() << "\n";
        listui::Messages::setResponder(nullptr);
        return 1;
    }
}
