#pragma once

#include <QObject>
#include <QString>
#include <QVariant>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "GrowBuffer.h"
#include "Schema.h"
#include "Statement.h"

namespace store {

class Connection;

// A snapshot of one statement's rows, with the record operations the windows
// use: move, edit, append, set columns from text, post, delete. Rows are
// read once at open; a post or delete writes its one row to the file at once.
// Rows are kept compact (fixed-size records, texts in one arena) so that
// large tables reload fast and cheaply.
class Dataset : public QObject {
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Edit, Insert };
    using Bookmark = qint64;  // the row key (ID), or the position for keyless results

    Dataset(Connection& connection, Statement statement = {}, QObject* parent = nullptr);
    ~Dataset() override;

    Connection& connection() const { return m_conn; }
    const Statement& statement() const { return m_statement; }
    void setStatement(const Statement& statement);  // only while closed
    void clearStatement();

    void open();
    void close();
    bool isOpen() const { return m_state != State::Inactive; }
    State state() const { return m_state; }
    // Close, set the new statement and open again on the open connection;
    // a closed dataset first reruns the statement it holds.
    void replaceStatement(const Statement& statement);

    // Columns of the result.
    int columnCount() const { return int(m_columns.size()); }
    int columnIndex(const QString& name) const;  // -1 when absent
    const ColumnDef& column(int index) const { return m_columns[index]; }

    int rowCount() const;                           // throws when closed
    int currentRow() const;                         // 1-based; -1 when none or appending
    int currentIndex() const { return m_current; }  // 0-based, -1 when none
    bool atEnd() const { return m_eof; }
    void first();
    void next();
    void last();
    void moveTo(int index);  // 0-based

    Bookmark bookmark() const;  // of the current row
    Bookmark bookmarkAt(int index) const;
    int indexOf(Bookmark bookmark) const;  // -1 when the row is gone
    bool gotoBookmark(Bookmark bookmark);

    void edit();
    void append();
    // Sets a column of the row in edit from text. A text column keeps the first
    // N characters; a float column reads the text as a number, an empty text
    // giving null. A text that is not a number discards the row in edit and
    // throws "'<text>' is not a valid floating point value for field '<column>'".
    void setText(const QString& column, const QString& text);
    void post();
    void cancel();
    void deleteCurrent();

    // Reading the current row (the row in edit shows its new values).
    QString text(const QString& column) const;
    // The column's value for building lists: throws "Could not convert
    // variant of type (Null) into type (OleStr)" on a null.
    QString value(const QString& column) const;

    // Direct reads for models and sums (0-based row, column index).
    QString textAt(int row, int column) const;
    std::optional<double> numberAt(int row, int column) const;
    bool isNullAt(int row, int column) const;

    // Memory held by the snapshot's rows.
    std::size_t snapshotBytes() const;

signals:
    void aboutToReset();
    void reset();
    void rowAboutToChange(int index);  // its cells still hold the old values
    void rowChanged(int index);
    void rowAboutToBeRemoved(int index);
    void rowRemoved(int index);
    void rowAboutToBeInserted(int index);
    void rowInserted(int index);
    void currentChanged(int index);

private:
    // Where a column's value lives in a row record.
    enum class Slot : std::uint8_t {
        Key,     // the ID column of a keyed result: the row key itself
        Number,  // a double, NaN for null
        Text,    // a reference into the text arena
    };
    struct Layout {
        Slot slot;
        std::uint32_t offset;  // bytes into the row record
    };
    struct Pending {
        bool isNull = true;
        double number = 0;
        QString text;
    };

    void requireOpen() const;
    const unsigned char* record(int index) const {
        return m_rows.data() + std::size_t(m_order[index]) * m_stride;
    }
    unsigned char* record(int index) {
        return m_rows.data() + std::size_t(m_order[index]) * m_stride;
    }
    static qint64 keyOf(const unsigned char* record);
    std::uint32_t storeText(const QString& text);
    void writeValue(unsigned char* record, int column, const Pending& value);
    QString valueText(int column, const unsigned char* record) const;
    bool valueNull(int column, const unsigned char* record) const;
    void setCurrent(int index);
    void removeAt(int index);
    // Registers an undo of a snapshot change with the connection's transaction.
    void onRollback(std::function<void()> undo);

    Connection& m_conn;
    Statement m_statement;
    const TableDef* m_table = nullptr;
    std::vector<ColumnDef> m_columns;
    std::vector<Layout> m_layout;  // per column

    // Physical rows are records of m_stride bytes: the row key (8 bytes), then
    // eight bytes per number column and four per text column. Texts live in
    // one arena, one byte per character when they fit Latin-1, else UTF-16.
    std::size_t m_stride = 8;
    GrowBuffer m_rows;
    GrowBuffer m_arena;
    std::vector<std::uint32_t> m_order;  // visible row -> physical row
    int m_current = -1;
    bool m_eof = true;

    State m_state = State::Inactive;
    std::uint64_t m_generation = 0;                 // counts opens and closes
    std::vector<std::optional<Pending>> m_pending;  // columns set in edit/insert
};

}  // namespace store
