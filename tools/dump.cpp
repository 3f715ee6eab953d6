// Prints one table of a data.mdb as tab-separated text through the store:
// a line of column names, then one line per row with every column read as
// text the way the windows read it (numbers in the general form, null as
// the empty text). Tabs, line breaks and backslashes inside values are
// written as \t, \n, \r and \\, so that every row stays on one line.
#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

#include "Connection.h"
#include "Dataset.h"
#include "Schema.h"
#include "Statement.h"
#include "StoreError.h"

namespace {

QString escaped(QString s) {
    s.replace(u'\\', QStringLiteral("\\\\"));
    s.replace(u'\t', QStringLiteral("\\t"));
    s.replace(u'\n', QStringLiteral("\\n"));
    s.replace(u'\r', QStringLiteral("\\r"));
    return s;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = app.arguments().mid(1);
    QString path = QStringLiteral("data.mdb");
    QString table;
    bool usage = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--db") && i + 1 < args.size())
            path = args[++i];
        else if (!a.startsWith(QLatin1String("--")) && table.isEmpty())
            table = a;
        else
            usage = true;
    }
    if (usage || table.isEmpty()) {
        err << "usage: lantong-dump [--db PATH] TABLE   (PATH defaults to ./data.mdb)\n";
        return 2;
    }
    try {
        if (!store::tableDef(table)) throw store::Error(QStringLiteral("no table '%1'").arg(table));
        store::Connection connection;
        connection.setConnectionString(
            store::Connection::connectionStringFor(QDir(path).absolutePath()));
        connection.open();
        store::Dataset rows(connection, store::Statement::table(table));
        rows.open();
        QStringList names;
        for (int c = 0; c < rows.columnCount(); ++c) names << rows.column(c).name;
        out << names.join(u'\t') << "\n";
        for (int r = 0; r < rows.rowCount(); ++r) {
            QStringList line;
            for (int c = 0; c < rows.columnCount(); ++c) line << escaped(rows.textAt(r, c));
            out << line.join(u'\t') << "\n";
        }
    } catch (const store::Error& e) {
        err << e.message() << "\n";
        return 1;
    }
    return 0;
}
