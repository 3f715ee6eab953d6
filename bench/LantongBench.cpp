// Times the list reloads on a shop-sized data.mdb against a bare engine loop.
//
//   lantong_bench [FOLDER] [--goods N] [--sales N] [--runs N] [--rebuild] [--profile]
//
// FOLDER (default /tmp/lantong-bench) keeps the generated database between
// runs. For each case the store's reload is compared with a plain
// sqlite3_step loop that reads every column of the same statement by its type
// on one connection that is already open. --profile only repeats the store's
// reload of 表3, for running under perf.
#include <sqlcipher/sqlite3.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTextStream>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <random>
#include <vector>

#include "BenchCommon.h"
#include "Connection.h"
#include "Dataset.h"
#include "NumberText.h"
#include "Reopen.h"
#include "Schema.h"
#include "Statement.h"
#include "StoreError.h"

namespace {

using namespace bench;

// ---------------------------------------------------------------- the data

QStringList split(const char* words) {
    return QString::fromUtf8(words).split(u' ');
}

struct Vocabulary {
    QStringList brands = split(
        "晨光 得力 真彩 齐心 广博 英雄 百乐 斑马 三菱 国誉 康师傅 统一 农夫山泉 娃哈哈 伊利 蒙牛 "
        "海飞丝 舒肤佳 立白 心相印 清风 维达 洁柔 双汇 金龙鱼 福临门 鲁花 海天 老干妈 雕牌 "
        "蓝月亮 得宝 白猫 青岛 燕京 雪花 旺旺 达利园 徐福记 好丽友");
    QStringList products = split(
        "中性笔 圆珠笔 铅笔 自动铅笔 钢笔 订书机 笔记本 文件夹 固体胶 剪刀 计算器 橡皮擦 荧光笔 "
        "矿泉水 纯净水 方便面 纯牛奶 酸奶 洗发水 沐浴露 香皂 洗衣液 洗衣粉 抽纸 卷纸 湿巾 火腿肠 "
        "食用油 酱油 陈醋 辣椒酱 啤酒 饼干 薯片 面包 蛋黄派 糖果 牙膏 牙刷 毛巾 垃圾袋 电池");
    QStringList variants = split(
        "0.5mm 0.38mm 0.7mm A5 B5 A4 550ml 1.5L 5L 5kg 2.5kg 500g 120g （大） （小） 加厚 经典款 "
        "家庭装 促销装 礼盒 10支装 24瓶 整箱 红色 黑色 蓝色");
    QStringList modelPrefixes = split("GP K AGP Q7 DL S M HX ZB TC YX BL JD MG");
    QStringList specs = split(
        "12支/盒 0.5mm黑色 0.5mm红色 0.38mm蓝色 500ml×24瓶 550ml×12瓶 A4 80g A5 60页 "
        "5kg/袋 1.8L/桶 120g×5包 100抽×3包 10卷/提 24罐/箱 单只装 20个/包 200g 36只/盒");
    QStringList units = split("支 盒 箱 瓶 包 个 本 袋 桶 件 提 把");
    QStringList surnames = split(
        "王 李 张 刘 陈 杨 黄 赵 吴 周 徐 孙 马 朱 胡 郭 何 高 林 罗 郑 梁 谢 宋 唐 许 韩 冯 邓 曹 "
        "彭 曾 肖 田 董 袁 潘 于 蒋 蔡 余 杜 叶 程 苏 魏 吕 丁 任 沈 姚 卢 姜 崔 钟 谭 陆 汪 范 金 "
        "石 廖 贾 夏 韦 付 方 白 邹 孟 熊 秦 邱 江 尹 薛 闫 段 雷 侯 龙 史 陶 黎 贺 顾 毛 郝 龚 邵 "
        "万 钱 严 覃 武 戴 莫 孔 向 汤 欧阳 司马 诸葛");
    QStringList givenChars = split(
        "伟 芳 娜 敏 静 丽 强 磊 军 洋 勇 艳 杰 娟 涛 明 超 秀 霞 平 刚 桂 英 华 玉 兰 萍 红 建 国 "
        "文 辉 力 鹏 宇 浩 婷 雪 琳 晨 欣 怡 佳 俊 博 思 涵 子 梓 轩 一 诺 雨 泽 嘉 志 海 春 秋 "
        "冬");
    QStringList places = split(
        "北京市朝阳区 北京市海淀区 上海市浦东新区 上海市奉贤区 广东省广州市天河区 "
        "广东省深圳市南山区 "
        "浙江省杭州市西湖区 浙江省义乌市 江苏省南京市鼓楼区 江苏省苏州市工业园区 "
        "四川省成都市武侯区 "
        "湖北省武汉市洪山区 湖南省长沙市岳麓区 山东省济南市历下区 山东省青岛市市南区 "
        "河南省郑州市金水区 "
        "福建省厦门市思明区 陕西省西安市雁塔区 重庆市渝中区 天津市南开区");
    QStringList roads = split(
        "建国路 人民路 解放路 中山路 和平路 胜利路 长江路 黄河路 新华路 文化路 稠州北路 金钱公路 "
        "科技园路 学府路 幸福大街 迎宾大道");
    QStringList supplierKinds = split("文具 商贸 食品 日用品 贸易 百货 实业");
    QStringList remarks = split("畅销 季节性商品 促销 新品 临期 缺货补货 老客户");
};

struct Goods {
    QString code, name, model, size, unit;
};

struct Customer {
    QString name, phone, address;
};

class Generator {
public:
    explicit Generator(unsigned seed) : m_rng(seed) {}

    int uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_rng); }
    const QString& pick(const QStringList& list) { return list[uniform(0, int(list.size()) - 1)]; }
    bool chance(int percent) { return uniform(1, 100) <= percent; }

    QString digits(int n) {
        QString s;
        for (int i = 0; i < n; ++i) s += QChar(u'0' + uniform(0, 9));
        return s;
    }
    QString mobile() { return pick(m_mobilePrefixes) + digits(8); }
    QString phone() {
        return chance(70) ? mobile() : QStringLiteral("0") + digits(2) + u'-' + digits(8);
    }
    QString personName() {
        QString s = pick(v.surnames) + pick(v.givenChars);
        if (chance(60)) s += pick(v.givenChars);
        return s;
    }
    QString address() {
        return pick(v.places) + pick(v.roads) + QString::number(uniform(1, 999)) +
               QStringLiteral("号") +
               (chance(40) ? QString::number(uniform(1, 30)) + QStringLiteral("栋") +
                                 QString::number(uniform(101, 2808)) + QStringLiteral("室")
                           : QString());
    }
    QString cents(int lo, int hi) {  // a price text with at most two decimals
        return store::NumberText::general(uniform(lo, hi) / 100.0L);
    }

    Goods goods() {
        Goods g;
        g.code = QStringLiteral("69") + digits(11);
        g.name = pick(v.brands) + pick(v.products) + (chance(70) ? pick(v.variants) : QString());
        g.model = pick(v.modelPrefixes) + u'-' + QString::number(uniform(100, 9999));
        g.size = pick(v.specs);
        g.unit = pick(v.units);
        return g;
    }
    QString supplier() {
        const QString city = pick(v.places).left(3);
        return city + pick(v.brands) + pick(v.supplierKinds) + QStringLiteral("有限公司");
    }
    QString remark() { return chance(80) ? QString() : pick(v.remarks); }

    Vocabulary v;

private:
    std::mt19937 m_rng;
    QStringList m_mobilePrefixes =
        split("130 131 132 135 136 137 138 139 150 151 152 158 159 186 188 199");
};

// An INSERT of every column of a table but ID, bound by position.
class Inserter {
public:
    Inserter(sqlite3* db, const store::TableDef& table) : m_db(db) {
        QStringList names, marks;
        for (const store::ColumnDef& c : table.columns) {
            if (c.type == store::ColumnType::AutoNumber) continue;
            names << c.name;
            marks << QStringLiteral("?");
            m_types.push_back(c.type);
        }
        const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                .arg(table.name, names.join(u','), marks.join(u','));
        check(sqlite3_prepare16_v2(db, sql.utf16(), -1, &m_stmt, nullptr), db, "prepare");
    }
    ~Inserter() { sqlite3_finalize(m_stmt); }

    // Values as texts, set the way a window sets them: numbers read from
    // text, an empty number text is null.
    void insert(const QStringList& values) {
        for (int i = 0; i < values.size(); ++i) {
            if (m_types[i] == store::ColumnType::Float) {
                if (values[i].isEmpty())
                    sqlite3_bind_null(m_stmt, i + 1);
                else
                    sqlite3_bind_double(m_stmt, i + 1,
                                        double(store::NumberText::toNumber(values[i])));
            } else {
                bench::bindText(m_stmt, i + 1, values[i]);
            }
        }
        check(sqlite3_step(m_stmt), m_db, "insert");
        sqlite3_reset(m_stmt);
    }

private:
    sqlite3* m_db;
    sqlite3_stmt* m_stmt = nullptr;
    std::vector<store::ColumnType> m_types;
};

void buildDatabase(const QString& path, int goodsRows, int salesRows) {
    QTextStream out(stdout);
    QElapsedTimer timer;
    timer.start();
    QFile::remove(path);
    Connection::createFile(path);
    Connection c;
    c.setConnectionString(Connection::connectionStringFor(path));
    for (const store::TableDef& t : store::schema()) c.exec(store::createTableSql(t));
    sqlite3* db = c.handle();
    Generator gen(20240305);
    using store::NumberText::general;
    using store::NumberText::product;

    // Goods records as an add makes them, then as sales left them.
    std::vector<Goods> goods;
    goods.reserve(goodsRows);
    std::vector<Customer> suppliers(2000);
    for (std::size_t i = 0; i < suppliers.size(); ++i)
        suppliers[i] = {gen.supplier(), gen.phone(), gen.address()};
    c.exec(QStringLiteral("BEGIN"));
    {
        Inserter ins(db, *store::tableDef(Tables::Goods));
        for (int i = 0; i < goodsRows; ++i) {
            Goods g = gen.goods();
            const QString price = gen.cents(50, 50000);
            const int quantity = gen.uniform(1, 1000);
            const int sold = gen.chance(70) ? gen.uniform(0, quantity) : 0;
            const QString salePrice = sold ? gen.cents(60, 60000) : QStringLiteral("0");
            const QString q = QString::number(quantity), s = QString::number(sold);
            const QString amount = product(price, q);
            const QString saleAmount = product(salePrice, s);
            const QString cost = product(store::NumberText::round2(price), s);
            const Customer& sup = suppliers[gen.uniform(0, int(suppliers.size()) - 1)];
            ins.insert({g.code, g.name, g.model, g.size, g.unit, price, q, amount, salePrice, s,
                        saleAmount,
                        general(store::NumberText::toNumber(saleAmount) -
                                store::NumberText::toNumber(cost)),
                        QString::number(quantity - sold),
                        product(price, QString::number(quantity - sold)), sup.name,
                        gen.personName(), sup.phone, sup.address, gen.remark()});
            goods.push_back(std::move(g));
        }
    }
    c.exec(QStringLiteral("COMMIT"));
    out << "  " << goodsRows << " goods records in " << timer.elapsed() / 1000.0 << " s\n";
    out.flush();

    // 10,000 customers, each with a fixed telephone and address.
    QSet<QString> names;
    std::vector<Customer> customers;
    while (customers.size() < 10000) {
        QString name = gen.personName();
        if (names.contains(name)) continue;
        names.insert(name);
        customers.push_back({name, gen.phone(), gen.address()});
    }
    const QDateTime start(QDate(2021, 1, 1), QTime(8, 0));
    c.exec(QStringLiteral("BEGIN"));
    {
        Inserter ins(db, *store::tableDef(Tables::Sales));
        for (int i = 0; i < salesRows; ++i) {
            const Goods& g = goods[gen.uniform(0, int(goods.size()) - 1)];
            const Customer& cu = customers[gen.uniform(0, int(customers.size()) - 1)];
            // Sales in time order over four years, in shop hours.
            const QDateTime at =
                start.addDays(qint64(i) * 1460 / salesRows)
                    .addSecs(gen.chance(2) ? -8 * 3600 : gen.uniform(0, 12 * 3600));
            const QString price = gen.cents(60, 60000);
            const QString q = QString::number(gen.uniform(1, 50));
            ins.insert({store::dateTimeText(at), g.code.left(50), g.name.left(50), g.model.left(50),
                        g.size.left(50), g.unit.left(50), price, q, product(price, q), cu.name,
                        cu.phone, cu.address.left(50), gen.remark()});
        }
    }
    c.exec(QStringLiteral("COMMIT"));
    out << "  " << salesRows << " sale records, " << timer.elapsed() / 1000.0 << " s in all\n";
}

// ---------------------------------------------------------------- timing

struct Figures {
    std::vector<double> ours, plain;
};

// UTF-8 bytes of every column's text form (numbers in general form), per row.
double rawBytesPerRow(const Dataset& ds) {
    std::size_t bytes = 0;
    for (int r = 0; r < ds.rowCount(); ++r)
        for (int c = 0; c < ds.columnCount(); ++c)
            bytes += std::size_t(ds.textAt(r, c).toUtf8().size());
    return ds.rowCount() ? double(bytes) / ds.rowCount() : 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QString folder = QStringLiteral("/tmp/lantong-bench");
    int goodsRows = 100000, salesRows = 1000000, runs = 5;
    bool rebuild = false, profile = false;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--goods") && i + 1 < args.size())
            goodsRows = args[++i].toInt();
        else if (a == QLatin1String("--sales") && i + 1 < args.size())
            salesRows = args[++i].toInt();
        else if (a == QLatin1String("--runs") && i + 1 < args.size())
            runs = std::max(1, args[++i].toInt());
        else if (a == QLatin1String("--rebuild"))
            rebuild = true;
        else if (a == QLatin1String("--profile"))
            profile = true;
        else if (!a.startsWith(QLatin1String("--")))
            folder = a;
        else {
            out << "usage: lantong_bench [FOLDER] [--goods N] [--sales N] [--runs N] [--rebuild] "
                   "[--profile]\n";
            return 2;
        }
    }
    if (goodsRows < 1 || salesRows < 1) {
        out << "--goods and --sales need at least one row\n";
        return 2;
    }

    try {
        QDir().mkpath(folder);
        folder = QDir(folder).absolutePath();
        const QString path = folder + QStringLiteral("/data.mdb");
        const QString markerPath = folder + QStringLiteral("/built.txt");
        const QString marker = bench::builtNote({goodsRows, salesRows});
        QFile markerFile(markerPath);
        const bool cached = !rebuild && QFile::exists(path) &&
                            markerFile.open(QIODevice::ReadOnly) &&
                            QString::fromUtf8(markerFile.readAll()) == marker;
        markerFile.close();
        if (!cached) {
            if (rebuild) QFile::remove(path);
            out << "Building " << path << " ...\n";
            out.flush();
            QFile::remove(markerPath);
            buildDatabase(path, goodsRows, salesRows);
            QFile f(markerPath);
            if (f.open(QIODevice::WriteOnly)) f.write(marker.toUtf8());
        }
        out << "Database: " << path << " (" << QFileInfo(path).size() / 1048576.0 << " MiB), "
            << goodsRows << " goods, " << salesRows << " sales, best and median of " << runs
            << " runs\n";
        QDir::setCurrent(folder);
        if (profile) {
            Connection window;
            Dataset list(window);
            for (int i = 0; i < runs; ++i) {
                const double t = seconds([&] {
                    store::reopen(window, {{&list, Statement::table(Tables::Sales)}});
                });
                out << "reopen 表3: " << t << " s, " << list.snapshotBytes() / list.rowCount()
                    << " bytes/row\n";
                out.flush();
            }
            return 0;
        }

        // The key is derived once per file; later connections must not pay for it.
        Connection probe;
        probe.setConnectionString(Connection::currentConnectionString());
        const double firstOpen = seconds([&] { probe.open(); });
        const char* firstNote = cached ? "derives the key" : "key already derived while building";
        probe.close();
        std::vector<double> opens;
        for (int i = 0; i < 20; ++i) {
            opens.push_back(seconds([&] { probe.open(); }));
            probe.close();
        }
        out << QStringLiteral("Connection open: first %1 ms (%2), later %3 ms (best %4 ms)\n")
                   .arg(firstOpen * 1000, 0, 'f', 2)
                   .arg(QLatin1String(firstNote))
                   .arg(median(opens) * 1000, 0, 'f', 2)
                   .arg(best(opens) * 1000, 0, 'f', 2);

        PlainLoop plain(path, 0);
        PlainLoop plainUnlocked(path, SQLITE_OPEN_NOMUTEX);  // for comparison only
        plain.run(Statement::table(Tables::Company));        // derive their keys now
        plainUnlocked.run(Statement::table(Tables::Company));

        Connection window;
        Dataset list(window, Statement::table(Tables::Goods));
        list.open();

        struct Case {
            const char* title;
            Statement statement;
            std::function<void()> ours;
        };
        const Statement goods = Statement::table(Tables::Goods);
        const Statement sales = Statement::table(Tables::Sales);
        const Statement search = Statement::containing(Tables::Sales, QStringLiteral("商品名称"),
                                                       QStringLiteral("中性笔"));
        Case cases[] = {
            {"(a) reopen cycle, 表1", goods,
             [&] {
                 store::reopen(window, {{&list, goods}});
             }},
            {"(b) reopen cycle, 表3", sales,
             [&] {
                 store::reopen(window, {{&list, sales}});
             }},
            {"(c) search 表3 商品名称 contains 中性笔", search,
             [&] { list.replaceStatement(search); }},
        };
        bool met = true;
        for (Case& k : cases) {
            Figures f, unlocked;
            std::size_t plainRows = 0;
            // Alternate them so that all see the same machine load.
            for (int i = 0; i < runs; ++i) {
                if (k.statement == search)
                    list.replaceStatement(sales);  // search from the full list
                f.ours.push_back(seconds(k.ours));
                f.plain.push_back(seconds([&] { plainRows = plain.run(k.statement); }));
                unlocked.plain.push_back(seconds([&] { plainUnlocked.run(k.statement); }));
            }
            if (std::size_t(list.rowCount()) != plainRows)
                throw store::Error(QStringLiteral("row counts differ: %1 vs %2")
                                       .arg(list.rowCount())
                                       .arg(plainRows));
            const double ratio = best(f.ours) / best(f.plain);
            const double medianRatio = median(f.ours) / median(f.plain);
            const double perRow = double(list.snapshotBytes()) / std::max(1, list.rowCount());
            const double raw = rawBytesPerRow(list);
            met = met && ratio <= 1.5 && perRow <= 2 * raw;
            out << "\n"
                << QString::fromUtf8(k.title) << ": " << plainRows << " rows\n"
                << QStringLiteral("  ours   %1\n").arg(timings(f.ours))
                << QStringLiteral("  plain  %1\n").arg(timings(f.plain))
                << QStringLiteral("  plain, opened without the engine's locks: %1\n")
                       .arg(timings(unlocked.plain))
                << QStringLiteral("  ratio ours/plain  best %1  median %2  (goal <= 1.5)\n")
                       .arg(ratio, 0, 'f', 2)
                       .arg(medianRatio, 0, 'f', 2)
                << QStringLiteral(
                       "  snapshot %1 bytes/row, raw texts %2 bytes/row: %3x (goal <= 2)\n")
                       .arg(perRow, 0, 'f', 1)
                       .arg(raw, 0, 'f', 1)
                       .arg(perRow / raw, 0, 'f', 2);
            out.flush();
        }
        out << "\n" << (met ? "All goals met.\n" : "Some goals missed.\n");
        if (plain.sink + plainUnlocked.sink == 42) out << "";  // keep the plain loops' reads
        return 0;
    } catch (const store::Error& e) {
        out << "error: " << e.message() << "\n";
        return 1;
    }
}
