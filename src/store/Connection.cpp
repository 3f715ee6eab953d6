#include "Connection.h"

#include <openssl/evp.h>
#include <sqlcipher/sqlite3.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>

#include "StoreError.h"

namespace store {
namespace {

const char* const kPassword = "315846092733";
const int kSaltSize = 16;
const int kKeySize = 32;
const int kKdfIterations = 64000;  // SQLCipher 3's default

// SQLCipher derives the page key from the password and the file's salt with
// 64,000 rounds of PBKDF2; every reload opens a new connection, so derive it
// once per salt and hand later connections the raw key.
QByteArray rawKeyPragma(const QByteArray& salt, const QByteArray& password) {
    static QMutex mutex;
    static QHash<QByteArray, QByteArray> cache;
    QMutexLocker lock(&mutex);
    const QByteArray id = salt + '\0' + password;
    auto it = cache.find(id);
    if (it != cache.end()) return *it;
    unsigned char key[kKeySize];
    PKCS5_PBKDF2_HMAC_SHA1(password.constData(), password.size(),
                           reinterpret_cast<const unsigned char*>(salt.constData()), salt.size(),
                           kKdfIterations, kKeySize, key);
    QByteArray pragma = "PRAGMA key = \"x'" +
                        QByteArray(reinterpret_cast<const char*>(key), kKeySize).toHex() +
                        salt.toHex() + "'\"";
    cache.insert(id, pragma);
    return pragma;
}

// A value in double quotes may hold ";" (a folder name can); a quote inside
// is doubled.
QString quotedValue(const QString& value) {
    if (!value.contains(u';') && !value.startsWith(u'"') && !value.startsWith(u'\'')) return value;
    QString out = value;
    out.replace(u'"', QStringLiteral("\"\""));
    return u'"' + out + u'"';
}

QString settingOf(const QString& s, const QString& name) {
    const int n = int(s.size());
    int i = 0;
    while (i < n) {
        const int semi = int(s.indexOf(u';', i));
        const int eq = int(s.indexOf(u'=', i));
        if (eq < 0) break;
        if (semi >= 0 && semi < eq) {  // a part without a value
            i = semi + 1;
            continue;
        }
        const QString key = s.mid(i, eq - i).trimmed();
        int j = eq + 1;
        while (j < n && s[j] == u' ') ++j;
        QString value;
        if (j < n && (s[j] == u'"' || s[j] == u'\'')) {
            const QChar quote = s[j++];
            while (j < n) {
                if (s[j] == quote) {
                    if (j + 1 < n && s[j + 1] == quote) {
                        value += quote;
                        j += 2;
                        continue;
                    }
                    ++j;
                    break;
                }
                value += s[j++];
            }
            const int end = int(s.indexOf(u';', j));
            j = end < 0 ? n : end;
        } else {
            const int end = int(s.indexOf(u';', j));
            j = end < 0 ? n : end;
            value = s.mid(eq + 1, j - eq - 1).trimmed();
        }
        if (key.compare(name, Qt::CaseInsensitive) == 0) return value;
        i = j + 1;
    }
    return {};
}

void execOrThrow(sqlite3* db, const char* sql) {
    char* err = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &err) != SQLITE_OK) {
        QString msg = QString::fromUtf8(err ? err : sqlite3_errmsg(db));
        sqlite3_free(err);
        throw Error(msg);
    }
}

}  // namespace

Connection::Connection()
    : m_connectionString(
          QStringLiteral(
              "Provider=SQLCipher;User ID=Admin;Data Source=data.mdb;Mode=Share Deny None;"
              "Persist Security Info=False;Database Password=%1")
              .arg(QLatin1String(kPassword))) {}

Connection::~Connection() {
    close();
}

QString Connection::databasePassword() {
    return QString::fromLatin1(kPassword);
}

QString Connection::runtimeConnectionString(const QString& workingDirectory) {
    QString dir = QDir::cleanPath(workingDirectory);
    if (dir.endsWith(u'/') && dir.size() > 1) dir.chop(1);
    const QString sep = dir.endsWith(u'/') ? QString() : QStringLiteral("/");
    return connectionStringFor(dir + sep + QStringLiteral("data.mdb"));
}

QString Connection::connectionStringFor(const QString& filePath) {
    return QStringLiteral("Provider=SQLCipher;Database Password=\"") + databasePassword() +
           QStringLiteral("\";Data Source=") + quotedValue(filePath) +
           QStringLiteral(";Persist Security Info=True");
}

QString Connection::currentConnectionString() {
    return runtimeConnectionString(QDir::currentPath());
}

QString Connection::dataSource(const QString& s) {
    return settingOf(s, QStringLiteral("Data Source"));
}
QString Connection::password(const QString& s) {
    return settingOf(s, QStringLiteral("Database Password"));
}

void Connection::setConnectionString(const QString& s) {
    m_connectionString = s;
}

void Connection::throwEngineError(const QString& what) {
    QString msg = what;
    if (m_db) {
        msg += QStringLiteral(": ") + QString::fromUtf8(sqlite3_errmsg(m_db));
        sqlite3_close(m_db);
        m_db = nullptr;
    }
    throw Error(msg);
}

void Connection::open() {
    if (m_db) return;
    const QString source = dataSource(m_connectionString);
    m_filePath = QFileInfo(source).absoluteFilePath();
    const QString cannotOpen = QStringLiteral("Could not open database file '%1'").arg(m_filePath);

    // The program never creates the file: a missing one is an error.
    QFile file(m_filePath);
    if (!QFileInfo(m_filePath).isFile() || !file.open(QIODevice::ReadOnly))
        throw Error(cannotOpen + QStringLiteral(": unable to open database file"));
    const QByteArray salt = file.read(kSaltSize);
    file.close();
    if (salt.size() < kSaltSize)
        throw Error(cannotOpen + QStringLiteral(": file is encrypted or is not a database"));

    sqlite3* db = nullptr;
    // A connection is only ever used by the thread of its window: spare the
    // engine's lock around every call.
    int rc = sqlite3_open_v2(m_filePath.toUtf8().constData(), &db,
                             SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    m_db = db;
    if (rc != SQLITE_OK) throwEngineError(cannotOpen);

    const QByteArray pragma = rawKeyPragma(salt, password(m_connectionString).toUtf8());
    try {
        execOrThrow(m_db, pragma.constData());
        execOrThrow(m_db, "PRAGMA cipher_page_size = 4096");
        // A wrong key only shows at the first read.
        execOrThrow(m_db, "select count(*) from sqlite_master");
    } catch (const Error& e) {
        sqlite3_close(m_db);
        m_db = nullptr;
        throw Error(cannotOpen + QStringLiteral(": ") + e.message());
    }
    sqlite3_busy_timeout(m_db, 10000);
}

void Connection::close() {
    if (!m_db) return;
    sqlite3_close_v2(m_db);
    m_db = nullptr;
}

void Connection::exec(const QString& sql) {
    open();
    execOrThrow(m_db, sql.toUtf8().constData());
}

void Connection::addUndo(std::function<void()> undo) {
    if (m_undo) m_undo->push_back(std::move(undo));
}

Connection::Transaction::Transaction(Connection& c) : m_c(c) {
    if (c.m_undo) throw Error(QStringLiteral("A transaction is already running"));
    c.open();
    execOrThrow(c.m_db, "BEGIN IMMEDIATE");
    c.m_undo = new std::vector<std::function<void()>>;
}

void Connection::Transaction::commit() {
    execOrThrow(m_c.m_db, "COMMIT");
    delete m_c.m_undo;
    m_c.m_undo = nullptr;
    m_done = true;
}

Connection::Transaction::~Transaction() {
    if (m_done) return;
    auto* undo = m_c.m_undo;
    m_c.m_undo = nullptr;
    if (m_c.m_db) sqlite3_exec(m_c.m_db, "ROLLBACK", nullptr, nullptr, nullptr);
    if (undo) {
        for (auto it = undo->rbegin(); it != undo->rend(); ++it) (*it)();
        delete undo;
    }
}

void Connection::createFile(const QString& path) {
    if (QFileInfo::exists(path)) throw Error(QStringLiteral("'%1' already exists").arg(path));
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                        nullptr) != SQLITE_OK) {
        QString msg = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_close(db);
        throw Error(QStringLiteral("Could not create '%1': %2").arg(path, msg));
    }
    try {
        const QByteArray key = "PRAGMA key = '" + QByteArray(kPassword) + "'";
        execOrThrow(db, key.constData());
        execOrThrow(db, "PRAGMA cipher_page_size = 4096");
        // Texts are read back as UTF-16 into the snapshots: store them so.
        execOrThrow(db, "PRAGMA encoding = 'UTF-16le'");
        execOrThrow(db, "PRAGMA user_version = 1");
    } catch (...) {
        sqlite3_close(db);
        QFile::remove(path);
        throw;
    }
    sqlite3_close(db);
}

}  // namespace store
