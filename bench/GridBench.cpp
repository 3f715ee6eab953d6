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
#include <QApplication>
#include <QDir>
#include <QFont>
#include <QPixmap>
#include <QTextStream>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <vector>

#include "BenchCommon.h"
#include "ColumnSpec.h"
#include "Connection.h"
#include "Dataset.h"
#include "ListCommands.h"
#include "RecordGrid.h"
#include "Reopen.h"
#include "Schema.h"
#include "Statement.h"
#include "StoreError.h"

using namespace bench;

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
    for (const QString& family : {QStringLiteral("宋体"), QStringLiteral("SimSun")})
        QFont::insertSubstitutions(family, song);
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(12);
    QApplication::setFont(font);

    try {
        QDir().mkpath(folder);
        folder = QDir(folder).absolutePath();
        if (!bench::ensureDatabase(folder, out)) {
            out << "building the database failed\n";
            return 1;
        }
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
                << QStringLiteral("  ours   %1  (a repaint alone: %2 s)\n")
                       .arg(timings(ours))
                       .arg(best(paint), 0, 'f', 3)
                << QStringLiteral("  plain  %1\n").arg(timings(bare))
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
