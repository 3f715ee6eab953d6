#include "Dataset.h"

#include <sqlcipher/sqlite3.h>

#include <cmath>
#include <limits>

#include "Connection.h"
#include "NumberText.h"
#include "StoreError.h"

namespace store {
namespace {

constexpr std::uint32_t kNullText = 0xffffffffu;
const double kNullNumber = std::numeric_limits<double>::quiet_NaN();

QString closedError() { return QStringLiteral("Cannot perform this operation on a closed dataset"); }

// Finalizes a prepared statement on every path.
struct Prepared {
    sqlite3_stmt* stmt = nullptr;
    ~Prepared() { sqlite3_finalize(stmt); }
};

QString engineMessage(sqlite3* db) { return QString::fromUtf8(sqlite3_errmsg(db)); }

void prepare(sqlite3* db, const QString& sql, Prepared& p) {
    if (sqlite3_prepare16_v2(db, sql.utf16(), -1, &p.stmt, nullptr) != SQLITE_OK)
        throw Error(engineMessage(db));
}

}  // namespace

Dataset::Dataset(Connection& connection, Statement statement, QObject* parent)
    : QObject(parent), m_conn(connection), m_statement(std::move(statement)) {}

Dataset::~Dataset() = default;

void Dataset::setStatement(const Statement& statement) {
    if (isOpen()) throw Error(QStringLiteral("Cannot change the statement of an open dataset"));
    m_statement = statement;
}

void Dataset::clearStatement() { setStatement(Statement()); }

void Dataset::requireOpen() const {
    if (!isOpen()) throw Error(closedError());
}

int Dataset::columnIndex(const QString& name) const {
    for (std::size_t i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].name.compare(name, Qt::CaseInsensitive) == 0) return int(i);
    return -1;
}

void Dataset::open() {
    if (isOpen()) return;
    if (m_statement.isEmpty()) throw Error(QStringLiteral("No SQL statement"));
    m_conn.open();
    sqlite3* db = m_conn.handle();

    Prepared p;
    prepare(db, m_statement.sql(), p);
    for (int i = 0; i < m_statement.parameters().size(); ++i) {
        const QString& value = m_statement.parameters()[i];
        sqlite3_bind_text16(p.stmt, i + 1, value.utf16(), int(value.size() * 2), SQLITE_TRANSIENT);
    }

    m_table = tableDef(m_statement.tableName());
    const int first = m_statement.keyed() ? 1 : 0;
    const int resultColumns = sqlite3_column_count(p.stmt);
    std::vector<ColumnDef> columns;
    for (int i = first; i < resultColumns; ++i) {
        const QString name = QString::fromUtf16(
            static_cast<const char16_t*>(sqlite3_column_name16(p.stmt, i)));
        const ColumnDef* def = m_table ? m_table->column(name) : nullptr;
        columns.push_back(def ? *def : ColumnDef{name, ColumnType::Text, 0});
    }
    const std::size_t n = columns.size();

    std::vector<Cell> cells;
    std::vector<qint64> keys;
    std::vector<char16_t> arena;
    cells.reserve(n * 256);
    arena.reserve(4096);
    int rc;
    qint64 position = 0;
    while ((rc = sqlite3_step(p.stmt)) == SQLITE_ROW) {
        keys.push_back(first ? sqlite3_column_int64(p.stmt, 0) : position);
        ++position;
        for (std::size_t c = 0; c < n; ++c) {
            const int col = int(c) + first;
            Cell cell;
            const bool null = sqlite3_column_type(p.stmt, col) == SQLITE_NULL;
            switch (columns[c].type) {
                case ColumnType::Text: {
                    if (null) {
                        cell.text = {0, kNullText};
                        break;
                    }
                    auto* t = static_cast<const char16_t*>(sqlite3_column_text16(p.stmt, col));
                    const std::uint32_t len = std::uint32_t(sqlite3_column_bytes16(p.stmt, col) / 2);
                    cell.text = {std::uint32_t(arena.size()), len};
                    arena.insert(arena.end(), t, t + len);
                    break;
                }
                case ColumnType::Float:
                    cell.number = null ? kNullNumber : sqlite3_column_double(p.stmt, col);
                    break;
                case ColumnType::AutoNumber:
                    cell.number = null ? kNullNumber : double(sqlite3_column_int64(p.stmt, col));
                    break;
            }
            cells.push_back(cell);
        }
    }
    if (rc != SQLITE_DONE) throw Error(engineMessage(db));

    emit aboutToReset();
    m_columns = std::move(columns);
    m_idColumn = -1;
    for (std::size_t c = 0; c < m_columns.size(); ++c)
        if (m_columns[c].type == ColumnType::AutoNumber) m_idColumn = int(c);
    m_cells = std::move(cells);
    m_cells.shrink_to_fit();
    m_keys = std::move(keys);
    m_arena = std::move(arena);
    m_order.resize(m_keys.size());
    for (std::size_t i = 0; i < m_order.size(); ++i) m_order[i] = std::uint32_t(i);
    m_pending.assign(m_columns.size(), std::nullopt);
    m_state = State::Browse;
    m_current = m_order.empty() ? -1 : 0;
    m_eof = m_order.empty();
    emit reset();
    emit currentChanged(m_current);
}

void Dataset::close() {
    if (!isOpen()) return;
    emit aboutToReset();
    m_state = State::Inactive;
    m_cells = {};
    m_keys = {};
    m_order = {};
    m_arena = {};
    m_pending.clear();
    m_current = -1;
    m_eof = true;
    emit reset();
    emit currentChanged(-1);
}

void Dataset::replaceStatement(const Statement& statement) {
    if (!isOpen()) open();
    close();
    setStatement(statement);
    open();
}

int Dataset::rowCount() const {
    requireOpen();
    return int(m_order.size());
}

int Dataset::currentRow() const {
    requireOpen();
    if (m_state == State::Insert || m_current < 0) return -1;
    return m_current + 1;
}

void Dataset::setCurrent(int index) {
    if (m_state == State::Edit || m_state == State::Insert) cancel();
    if (index != m_current) {
        m_current = index;
        emit currentChanged(m_current);
    }
}

void Dataset::first() {
    requireOpen();
    setCurrent(m_order.empty() ? -1 : 0);
    m_eof = m_order.empty();
}

void Dataset::next() {
    requireOpen();
    if (m_current + 1 < int(m_order.size()))
        setCurrent(m_current + 1);
    else
        m_eof = true;
}

void Dataset::last() {
    requireOpen();
    setCurrent(int(m_order.size()) - 1);
    m_eof = m_order.empty();
}

void Dataset::moveTo(int index) {
    requireOpen();
    if (index < 0 || index >= int(m_order.size())) return;
    setCurrent(index);
    m_eof = false;
}

Dataset::Bookmark Dataset::bookmark() const { return bookmarkAt(m_current); }

Dataset::Bookmark Dataset::bookmarkAt(int index) const {
    if (index < 0 || index >= int(m_order.size())) return -1;
    return m_keys[m_order[index]];
}

int Dataset::indexOf(Bookmark bookmark) const {
    for (std::size_t i = 0; i < m_order.size(); ++i)
        if (m_keys[m_order[i]] == bookmark) return int(i);
    return -1;
}

bool Dataset::gotoBookmark(Bookmark bookmark) {
    requireOpen();
    const int index = (m_current >= 0 && bookmarkAt(m_current) == bookmark) ? m_current : indexOf(bookmark);
    if (index < 0) return false;
    moveTo(index);
    return true;
}

void Dataset::edit() {
    requireOpen();
    if (m_state == State::Edit || m_state == State::Insert) return;
    if (m_order.empty()) {
        append();
        return;
    }
    m_pending.assign(m_columns.size(), std::nullopt);
    m_state = State::Edit;
}

void Dataset::append() {
    requireOpen();
    if (m_state == State::Edit || m_state == State::Insert) post();
    m_pending.assign(m_columns.size(), std::nullopt);
    m_state = State::Insert;
}

void Dataset::cancel() {
    if (m_state != State::Edit && m_state != State::Insert) return;
    m_pending.assign(m_columns.size(), std::nullopt);
    m_state = State::Browse;
}

void Dataset::setText(const QString& column, const QString& text) {
    if (m_state != State::Edit && m_state != State::Insert)
        throw Error(QStringLiteral("Dataset not in edit or insert mode"));
    const int c = columnIndex(column);
    if (c < 0) {
        cancel();
        throw Error(QStringLiteral("Field '%1' not found").arg(column));
    }
    const ColumnDef& def = m_columns[c];
    Pending value;
    switch (def.type) {
        case ColumnType::Text:
            value.isNull = false;
            value.text = def.size > 0 ? text.left(def.size) : text;
            break;
        case ColumnType::Float:
        case ColumnType::AutoNumber:
            if (text.isEmpty()) break;
            if (auto v = NumberText::read(text)) {
                value.isNull = false;
                value.number = double(*v);
            } else {
                // Never leave a half-filled row behind for a later post.
                cancel();
                throw Error(QStringLiteral("'%1' is not a valid floating point value for field '%2'")
                                .arg(text, def.name));
            }
            break;
    }
    m_pending[c] = std::move(value);
}

Dataset::Cell Dataset::makeCell(int column, const Pending& value) {
    Cell cell;
    if (m_columns[column].type == ColumnType::Text) {
        if (value.isNull) {
            cell.text = {0, kNullText};
        } else {
            cell.text = {std::uint32_t(m_arena.size()), std::uint32_t(value.text.size())};
            const char16_t* t = reinterpret_cast<const char16_t*>(value.text.utf16());
            m_arena.insert(m_arena.end(), t, t + value.text.size());
        }
    } else {
        cell.number = value.isNull ? kNullNumber : value.number;
    }
    return cell;
}

void Dataset::post() {
    if (m_state != State::Edit && m_state != State::Insert) return;
    if (!m_table) {
        cancel();
        throw Error(QStringLiteral("This result cannot be changed"));
    }
    sqlite3* db = m_conn.handle();
    if (!db) {
        cancel();
        throw Error(closedError());
    }
    QStringList names;
    std::vector<int> set;
    for (std::size_t c = 0; c < m_pending.size(); ++c) {
        if (m_pending[c] && m_columns[c].type != ColumnType::AutoNumber) {
            names << m_columns[c].name;
            set.push_back(int(c));
        }
    }
    const bool inserting = m_state == State::Insert;
    if (!inserting && set.empty()) {
        cancel();
        return;
    }
    QString sql;
    if (inserting) {
        if (set.empty()) {
            sql = QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(m_table->name);
        } else {
            QStringList marks(set.size(), QStringLiteral("?"));
            sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                      .arg(m_table->name, names.join(u','), marks.join(u','));
        }
    } else {
        sql = QStringLiteral("UPDATE %1 SET %2 = ? WHERE rowid = ?")
                  .arg(m_table->name, names.join(QStringLiteral(" = ?, ")));
    }
    Prepared p;
    try {
        prepare(db, sql, p);
    } catch (...) {
        cancel();
        throw;
    }
    int i = 1;
    for (int c : set) {
        const Pending& v = *m_pending[c];
        if (v.isNull)
            sqlite3_bind_null(p.stmt, i);
        else if (m_columns[c].type == ColumnType::Text)
            sqlite3_bind_text16(p.stmt, i, v.text.utf16(), int(v.text.size() * 2), SQLITE_TRANSIENT);
        else
            sqlite3_bind_double(p.stmt, i, v.number);
        ++i;
    }
    if (!inserting) sqlite3_bind_int64(p.stmt, i, bookmark());
    if (sqlite3_step(p.stmt) != SQLITE_DONE) {
        const QString msg = engineMessage(db);
        cancel();
        throw Error(msg);
    }
    if (!inserting && sqlite3_changes(db) == 0) {
        cancel();
        throw Error(QStringLiteral(
            "Row cannot be located for updating. Some values may have been changed since it was last read."));
    }

    const std::size_t n = m_columns.size();
    if (inserting) {
        const qint64 key = sqlite3_last_insert_rowid(db);
        std::vector<Cell> row(n);
        for (std::size_t c = 0; c < n; ++c)
            row[c] = makeCell(int(c), m_pending[c] ? *m_pending[c] : Pending{});
        if (m_idColumn >= 0) row[m_idColumn].number = double(key);
        const int index = int(m_order.size());
        emit rowAboutToBeInserted(index);
        m_cells.insert(m_cells.end(), row.begin(), row.end());
        m_keys.push_back(key);
        m_order.push_back(std::uint32_t(m_keys.size() - 1));
        m_pending.assign(n, std::nullopt);
        m_state = State::Browse;
        m_current = index;
        m_eof = false;
        emit rowInserted(index);
        emit currentChanged(m_current);
        m_conn.addUndo([this, key] {
            const int at = indexOf(key);
            if (at >= 0) removeAt(at);
        });
    } else {
        Cell* cells = rowCells(m_current);
        std::vector<Cell> old(cells, cells + n);
        for (int c : set) cells[c] = makeCell(c, *m_pending[c]);
        m_pending.assign(n, std::nullopt);
        m_state = State::Browse;
        emit rowChanged(m_current);
        const qint64 key = bookmark();
        m_conn.addUndo([this, key, old] {
            const int at = indexOf(key);
            if (at < 0) return;
            std::copy(old.begin(), old.end(), rowCells(at));
            emit rowChanged(at);
        });
    }
}

void Dataset::removeAt(int index) {
    emit rowAboutToBeRemoved(index);
    m_order.erase(m_order.begin() + index);
    const int count = int(m_order.size());
    if (m_current >= count) m_current = count - 1;
    m_eof = count == 0;
    emit rowRemoved(index);
    emit currentChanged(m_current);
}

void Dataset::deleteCurrent() {
    requireOpen();
    if (m_state == State::Insert) {
        cancel();
        return;
    }
    cancel();
    if (m_current < 0) throw Error(QStringLiteral("Cannot perform this operation on an empty dataset"));
    if (m_table) {
        sqlite3* db = m_conn.handle();
        if (!db) throw Error(closedError());
        Prepared p;
        prepare(db, QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(m_table->name), p);
        sqlite3_bind_int64(p.stmt, 1, bookmark());
        if (sqlite3_step(p.stmt) != SQLITE_DONE) throw Error(engineMessage(db));
    }
    // A row another connection deleted already is gone all the same.
    removeAt(m_current);
}

QString Dataset::cellText(int column, const Cell& cell) const {
    switch (m_columns[column].type) {
        case ColumnType::Text:
            if (cell.text.length == kNullText) return {};
            return QString(reinterpret_cast<const QChar*>(m_arena.data() + cell.text.offset),
                           qsizetype(cell.text.length));
        case ColumnType::Float:
            if (std::isnan(cell.number)) return {};
            return NumberText::general(cell.number);
        case ColumnType::AutoNumber:
            if (std::isnan(cell.number)) return {};
            return QString::number(qint64(cell.number));
    }
    return {};
}

bool Dataset::cellNull(int column, const Cell& cell) const {
    if (m_columns[column].type == ColumnType::Text) return cell.text.length == kNullText;
    return std::isnan(cell.number);
}

QString Dataset::text(const QString& column) const {
    const int c = columnIndex(column);
    if (c < 0) throw Error(QStringLiteral("Field '%1' not found").arg(column));
    if ((m_state == State::Edit || m_state == State::Insert) && m_pending[c]) {
        const Pending& v = *m_pending[c];
        if (v.isNull) return {};
        return m_columns[c].type == ColumnType::Text ? v.text : NumberText::general(v.number);
    }
    if (m_state == State::Insert || m_current < 0) return {};
    return cellText(c, rowCells(m_current)[c]);
}

QString Dataset::value(const QString& column) const {
    const int c = columnIndex(column);
    if (c < 0) throw Error(QStringLiteral("Field '%1' not found").arg(column));
    if (m_current < 0 || m_state == State::Insert || cellNull(c, rowCells(m_current)[c]))
        throw Error(QStringLiteral("Could not convert variant of type (Null) into type (OleStr)"));
    return text(column);
}

QString Dataset::textAt(int row, int column) const { return cellText(column, rowCells(row)[column]); }

std::optional<double> Dataset::numberAt(int row, int column) const {
    const Cell& cell = rowCells(row)[column];
    if (m_columns[column].type == ColumnType::Text) {
        auto v = NumberText::read(cellText(column, cell));
        return v ? std::optional<double>(double(*v)) : std::nullopt;
    }
    if (std::isnan(cell.number)) return std::nullopt;
    return cell.number;
}

bool Dataset::isNullAt(int row, int column) const { return cellNull(column, rowCells(row)[column]); }

std::size_t Dataset::snapshotBytes() const {
    return m_cells.capacity() * sizeof(Cell) + m_keys.capacity() * sizeof(qint64) +
           m_order.capacity() * sizeof(std::uint32_t) + m_arena.capacity() * sizeof(char16_t);
}

}  // namespace store
