#pragma once

#include <QString>
#include <functional>
#include <vector>

struct sqlite3;

namespace store {

// One window's connection to data.mdb: an SQLCipher handle keyed with the
// database password. The file is named by a connection string, as the
// windows build it; a relative "Data Source" is looked up in the working
// directory of the moment the connection opens.
class Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    static QString databasePassword();
    // The connection string every reload builds: data.mdb in `workingDirectory`.
    static QString runtimeConnectionString(const QString& workingDirectory);
    // runtimeConnectionString() of the process's working directory now.
    static QString currentConnectionString();
    // A connection string naming any database file.
    static QString connectionStringFor(const QString& filePath);
    // "Data Source" and "Database Password" of a connection string.
    static QString dataSource(const QString& connectionString);
    static QString password(const QString& connectionString);

    void setConnectionString(const QString& connectionString);
    const QString& connectionString() const { return m_connectionString; }

    // Opens the file (never creates it), keys it and checks the key. Throws
    // store::Error naming the file and the engine's message.
    void open();
    void close();
    bool isOpen() const { return m_db != nullptr; }
    sqlite3* handle() const { return m_db; }
    QString filePath() const { return m_filePath; }

    // Runs statements without results (used by the blank database and tests).
    void exec(const QString& sql);

    // All or nothing: writes made through datasets of this connection
    // between begin and commit are undone in the file and in the snapshots
    // when the transaction rolls back (or is destroyed uncommitted).
    class Transaction {
    public:
        explicit Transaction(Connection& c);
        ~Transaction();
        void commit();

    private:
        Connection& m_c;
        bool m_done = false;
    };
    bool inTransaction() const { return m_undo != nullptr; }
    // Called by datasets when they change a snapshot inside a transaction.
    void addUndo(std::function<void()> undo);

    // Creates a new, empty database file keyed with the password.
    static void createFile(const QString& path);

private:
    void throwEngineError(const QString& what);

    QString m_connectionString;
    QString m_filePath;
    sqlite3* m_db = nullptr;
    std::vector<std::function<void()>>* m_undo = nullptr;
};

}  // namespace store
