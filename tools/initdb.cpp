// Writes a new blank data.mdb: the five tables, and with --company/--website
// the company row, since the company window shows those two read-only.
#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

#include "Connection.h"
#include "Dataset.h"
#include "Schema.h"
#include "StoreError.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString path, company, website;
    bool haveCompany = false;
    QTextStream err(stderr);
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if ((a == QLatin1String("--company") || a == QLatin1String("--website")) && i + 1 < args.size()) {
            (a == QLatin1String("--company") ? company : website) = args[++i];
            haveCompany = true;
        } else if (!a.startsWith(QLatin1String("--")) && path.isEmpty()) {
            path = a;
        } else {
            path.clear();
            break;
        }
    }
    if (path.isEmpty()) {
        err << "usage: lantong-initdb PATH [--company NAME] [--website URL]\n";
        return 2;
    }
    try {
        path = QDir(path).absolutePath();
        store::Connection::createFile(path);
        store::Connection conn;
        conn.setConnectionString(store::Connection::connectionStringFor(path));
        conn.open();
        for (const store::TableDef& t : store::schema()) conn.exec(store::createTableSql(t));
        if (haveCompany) {
            store::Dataset ds(conn, store::Statement::table(store::Tables::Company));
            ds.open();
            ds.append();
            ds.setText(QStringLiteral("公司名称"), company);
            ds.setText(QStringLiteral("公司地址"), QString());
            ds.setText(QStringLiteral("联系人"), QString());
            ds.setText(QStringLiteral("联系电话"), QString());
            ds.setText(QStringLiteral("网址"), website);
            ds.setText(QStringLiteral("备注"), QString());
            ds.post();
        }
    } catch (const store::Error& e) {
        err << e.message() << "\n";
        return 1;
    }
    return 0;
}
