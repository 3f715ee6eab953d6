#include "Dataset.h"

#include <sqlcipher/sqlite3.h>

#include <QPointer>
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <numeric>

#include "Connection.h"
#include "NumberText.h"
#include "StoreError.h"

namespace store {
namespace {

static_assert(std::endian::native == std::endian::little, "texts are kept as UTF-16LE");

// Text references of a row record: an arena offset, or one of these.
constexpr std::uint32_t kNullText = 0xffffffffu;
constexpr std::uint32_t kEmptyText = 0xfffffffeu;
constexpr std::size_t kArenaLimit = 0xfffffff0u;
const double kNullNumber = std::numeric_limits<double>::quiet_NaN();

// An arena text is a length header, (units << 1 | wide) as a varint, then
// the characters: UTF-16LE when wide, else one Latin-1 byte each.
std::uint32_t appendText(GrowBuffer& arena, const unsigned char* utf16le, std::size_t units) {
    if (units == 0) return kEmptyText;
    unsigned char high = 0;
    for (std::size_t i = 0; i < units; ++i) high |= utf16le[2 * i + 1];
    const bool wide = high != 0;
    const std::size_t offset = arena.size();
    const std::size_t bytes = wide ? 2 * units : units;
    if (offset + bytes + 10 > kArenaLimit)
        throw Error(QStringLiteral("The result is too large to be held in memory"));
    unsigned char* d = arena.tail(bytes + 10);
    std::size_t h = 0;
    for (std::uint64_t v = (std::uint64_t(units) << 1) | (wide ? 1 : 0);; v >>= 7) {
        if (v < 0x80) {
            d[h++] = static_cast<unsigned char>(v);
            break;
        }
        d[h++] = static_cast<unsigned char>(v | 0x80);
    }
    if (wide) {
        std::memcpy(d + h, utf16le, bytes);
    } else {
        for (std::size_t i = 0; i < units; ++i) d[h + i] = utf16le[2 * i];
    }
    arena.commit(h + bytes);
    return std::uint32_t(offset);
}

QString arenaText(const GrowBuffer& arena, std::uint32_t ref) {
    if (ref >= kEmptyText) return {};
    const unsigned char* p = arena.data() + ref;
    std::uint64_t v = 0;
    for (int shift = 0;; shift += 7) {
        const unsigned char b = *p++;
        v |= std::uint64_t(b & 0x7f) << shift;
        if (b < 0x80) break;
    }
    const qsizetype units = qsizetype(v >> 1);
    if (!(v & 1)) return QString::fromLatin1(reinterpret_cast<const char*>(p), units);
    QString text(units, Qt::Uninitialized);
    std::memcpy(text.data(), p, std::size_t(units) * 2);
    return text;
}

double loadDouble(const unsigned char* p) {
    double d;
    std::memcpy(&d, p, sizeof d);
    return d;
}

std::uint32_t loadRef(const unsigned char* p) {
    std::uint32_t r;
    std::memcpy(&r, p, sizeof r);
    return r;
}

// Texts of a database kept in UTF-16LE can be taken as they lie in the row,
// without the engine's copy that adds a terminator.
bool storesUtf16le(sqlite3* db) {
    sqlite3_stmt* st = nullptr;
    bool utf16le = false;
    if (sqlite3_prepare_v2(db, "PRAGMA encoding", -1, &st, nullptr) == SQLITE_OK &&
        sqlite3_step(st) == SQLITE_ROW) {
        const char* e = reinterpret_cast<const char*>(sqlite3_column_text(st, 0));
        utf16le = e && std::strcmp(e, "UTF-16le") == 0;
    }
    sqlite3_finalize(st);
    return utf16le;
}

QString closedError() {
    return QStringLiteral("Cannot perform this operation on a closed dataset");
}

// Finalizes a prepared statement on every path.
struct Prepared {
    sqlite3_stmt* stmt = nullptr;
    ~Prepared() { sqlite3_finalize(stmt); }
};

QString engineMessage(sqlite3* db) {
    return QString::fromUtf8(sqlite3_errmsg(db));
}

QString readOnlyError() {
    return QStringLiteral("This result cannot be changed");
}

// The first n UTF-16 units of a text, one less where the cut would split a
// character outside the basic plane.
QString leftChars(const QString& text, int n) {
    if (text.size() <= n) return text;
    if (n > 0 && text.at(n - 1).isHighSurrogate() && text.at(n).isLowSurrogate()) --n;
    return text.left(n);
}

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

void Dataset::clearStatement() {
    setStatement(Statement());
}

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
        const QString name =
            QString::fromUtf16(static_cast<const char16_t*>(sqlite3_column_name16(p.stmt, i)));
        const ColumnDef* def = m_table ? m_table->column(name) : nullptr;
        columns.push_back(def ? *def : ColumnDef{name, ColumnType::Text, 0});
    }
    const std::size_t n = columns.size();

    // Lay out the row record.
    struct Reader {
        Slot slot;
        std::uint32_t offset;
        int column;     // of the result
        bool integer;   // an autonumber without a row key
        bool asStored;  // a declared text column of a UTF-16LE file
    };
    const bool utf16le = storesUtf16le(db);
    std::vector<Layout> layout;
    std::vector<Reader> readers;
    std::size_t stride = sizeof(qint64);
    for (std::size_t c = 0; c < n; ++c) {
        const ColumnDef& def = columns[c];
        Reader r{Slot::Text, std::uint32_t(stride), int(c) + first, false, false};
        if (def.type == ColumnType::AutoNumber && first) {
            r.slot = Slot::Key;
            r.offset = 0;
        } else if (def.type == ColumnType::Text) {
            r.asStored = utf16le && m_table && m_table->column(def.name);
            stride += sizeof(std::uint32_t);
        } else {
            r.slot = Slot::Number;
            r.integer = def.type == ColumnType::AutoNumber;
            stride += sizeof(double);
        }
        layout.push_back({r.slot, r.offset});
        readers.push_back(r);
    }

    GrowBuffer rows, arena;
    sqlite3_stmt* st = p.stmt;
    int rc;
    qint64 position = 0;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        unsigned char* rec = rows.tail(stride);
        const qint64 key = first ? sqlite3_column_int64(st, 0) : position;
        ++position;
        std::memcpy(rec, &key, sizeof key);
        for (const Reader& r : readers) {
            switch (r.slot) {
                case Slot::Key:
                    break;
                case Slot::Number: {
                    double d = r.integer ? double(sqlite3_column_int64(st, r.column))
                                         : sqlite3_column_double(st, r.column);
                    if (d == 0 && sqlite3_column_type(st, r.column) == SQLITE_NULL) d = kNullNumber;
                    std::memcpy(rec + r.offset, &d, sizeof d);
                    break;
                }
                case Slot::Text: {
                    std::uint32_t ref;
                    if (r.asStored) {
                        auto* t =
                            static_cast<const unsigned char*>(sqlite3_column_blob(st, r.column));
                        if (t)
                            ref = appendText(arena, t,
                                             std::size_t(sqlite3_column_bytes(st, r.column)) / 2);
                        else
                            ref = sqlite3_column_type(st, r.column) == SQLITE_NULL ? kNullText
                                                                                   : kEmptyText;
                    } else if (sqlite3_column_type(st, r.column) == SQLITE_NULL) {
                        ref = kNullText;
                    } else {
                        auto* t =
                            static_cast<const unsigned char*>(sqlite3_column_text16(st, r.column));
                        ref = t ? appendText(arena, t,
                                             std::size_t(sqlite3_column_bytes16(st, r.column)) / 2)
                                : kEmptyText;
                    }
                    std::memcpy(rec + r.offset, &ref, sizeof ref);
                    break;
                }
            }
        }
        rows.commit(stride);
    }
    if (rc != SQLITE_DONE) throw Error(engineMessage(db));
    rows.trim();
    arena.trim();

    emit aboutToReset();
    m_columns = std::move(columns);
    m_layout = std::move(layout);
    m_stride = stride;
    m_rows = std::move(rows);
    m_arena = std::move(arena);
    std::vector<std::uint32_t> order(static_cast<std::size_t>(position));
    std::iota(order.begin(), order.end(), 0u);
    m_order = std::move(order);
    m_pending.assign(m_columns.size(), std::nullopt);
    m_state = State::Browse;
    ++m_generation;
    m_current = m_order.empty() ? -1 : 0;
    m_eof = m_order.empty();
    emit reset();
    emit currentChanged(m_current);
}

void Dataset::close() {
    if (!isOpen()) return;
    emit aboutToReset();
    m_state = State::Inactive;
    ++m_generation;
    m_rows.clear();
    m_arena.clear();
    std::vector<std::uint32_t>().swap(m_order);  // "= {}" would keep the capacity
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

Dataset::Bookmark Dataset::bookmark() const {
    return bookmarkAt(m_current);
}

Dataset::Bookmark Dataset::bookmarkAt(int index) const {
    if (index < 0 || index >= int(m_order.size())) return -1;
    return keyOf(record(index));
}

qint64 Dataset::keyOf(const unsigned char* record) {
    qint64 key;
    std::memcpy(&key, record, sizeof key);
    return key;
}

int Dataset::indexOf(Bookmark bookmark) const {
    for (std::size_t i = 0; i < m_order.size(); ++i)
        if (keyOf(record(int(i))) == bookmark) return int(i);
    return -1;
}

bool Dataset::gotoBookmark(Bookmark bookmark) {
    requireOpen();
    const int index =
        (m_current >= 0 && bookmarkAt(m_current) == bookmark) ? m_current : indexOf(bookmark);
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
            value.text = def.size > 0 ? leftChars(text, def.size) : text;
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
                throw Error(
                    QStringLiteral("'%1' is not a valid floating point value for field '%2'")
                        .arg(text, def.name));
            }
            break;
    }
    m_pending[c] = std::move(value);
}

std::uint32_t Dataset::storeText(const QString& text) {
    return appendText(m_arena, reinterpret_cast<const unsigned char*>(text.utf16()),
                      std::size_t(text.size()));
}

void Dataset::writeValue(unsigned char* record, int column, const Pending& value) {
    const Layout& l = m_layout[column];
    switch (l.slot) {
        case Slot::Key:
            break;
        case Slot::Number: {
            const double d = value.isNull ? kNullNumber : value.number;
            std::memcpy(record + l.offset, &d, sizeof d);
            break;
        }
        case Slot::Text: {
            const std::uint32_t ref = value.isNull ? kNullText : storeText(value.text);
            std::memcpy(record + l.offset, &ref, sizeof ref);
            break;
        }
    }
}

void Dataset::post() {
    if (m_state != State::Edit && m_state != State::Insert) return;
    // Only rows keyed by their rowid can be written back: the customer list's
    // positions are no row keys.
    if (!m_table || !m_statement.keyed()) {
        cancel();
        throw Error(readOnlyError());
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
            sqlite3_bind_text16(p.stmt, i, v.text.utf16(), int(v.text.size() * 2),
                                SQLITE_TRANSIENT);
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
        throw Error(
            QStringLiteral("Row cannot be located for updating. Some values may have been changed "
                           "since it was last read."));
    }

    const std::size_t n = m_columns.size();
    if (inserting) {
        const qint64 key = sqlite3_last_insert_rowid(db);
        const std::size_t physical = m_rows.size() / m_stride;
        unsigned char* rec = m_rows.tail(m_stride);
        std::memcpy(rec, &key, sizeof key);
        for (std::size_t c = 0; c < n; ++c)
            writeValue(rec, int(c), m_pending[c] ? *m_pending[c] : Pending{});
        m_rows.commit(m_stride);
        const int index = int(m_order.size());
        emit rowAboutToBeInserted(index);
        m_order.push_back(std::uint32_t(physical));
        m_pending.assign(n, std::nullopt);
        m_state = State::Browse;
        m_current = index;
        m_eof = false;
        emit rowInserted(index);
        emit currentChanged(m_current);
        onRollback([this, key] {
            const int at = indexOf(key);
            if (at >= 0) removeAt(at);
        });
    } else {
        unsigned char* rec = record(m_current);
        std::vector<unsigned char> old(rec, rec + m_stride);
        emit rowAboutToChange(m_current);
        for (int c : set) writeValue(rec, c, *m_pending[c]);
        m_pending.assign(n, std::nullopt);
        m_state = State::Browse;
        emit rowChanged(m_current);
        const qint64 key = bookmark();
        onRollback([this, key, old] {
            const int at = indexOf(key);
            if (at < 0) return;
            emit rowAboutToChange(at);
            std::copy(old.begin(), old.end(), record(at));
            emit rowChanged(at);
        });
    }
}

void Dataset::onRollback(std::function<void()> undo) {
    if (!m_conn.inTransaction()) return;
    // The undo belongs to this snapshot: a dataset since destroyed, closed or
    // reloaded has nothing left to undo.
    QPointer<Dataset> self(this);
    m_conn.addUndo([self, generation = m_generation, undo = std::move(undo)] {
        if (self && self->m_generation == generation) undo();
    });
}

void Dataset::removeAt(int index) {
    emit rowAboutToBeRemoved(index);
    m_order.erase(m_order.begin() + index);
    const int count = int(m_order.size());
    if (index < m_current) --m_current;  // keep the same row current
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
    if (m_current < 0)
        throw Error(QStringLiteral("Cannot perform this operation on an empty dataset"));
    if (!m_table || !m_statement.keyed()) throw Error(readOnlyError());
    sqlite3* db = m_conn.handle();
    if (!db) throw Error(closedError());
    Prepared p;
    prepare(db, QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(m_table->name), p);
    sqlite3_bind_int64(p.stmt, 1, bookmark());
    if (sqlite3_step(p.stmt) != SQLITE_DONE) throw Error(engineMessage(db));
    // A row another connection deleted already is gone all the same.
    const int index = m_current;
    const std::uint32_t physical = m_order[index];
    removeAt(index);
    // A rollback brings the row back to where it was.
    onRollback([this, index, physical] {
        const int at = std::min(index, int(m_order.size()));
        emit rowAboutToBeInserted(at);
        m_order.insert(m_order.begin() + at, physical);
        if (m_current < 0 || at <= m_current) ++m_current;
        m_eof = false;
        emit rowInserted(at);
        emit currentChanged(m_current);
    });
}

QString Dataset::valueText(int column, const unsigned char* rec) const {
    const Layout& l = m_layout[column];
    switch (l.slot) {
        case Slot::Key:
            return QString::number(keyOf(rec));
        case Slot::Number: {
            const double d = loadDouble(rec + l.offset);
            if (std::isnan(d)) return {};
            if (m_columns[column].type == ColumnType::AutoNumber) return QString::number(qint64(d));
            return NumberText::general(d);
        }
        case Slot::Text:
            return arenaText(m_arena, loadRef(rec + l.offset));
    }
    return {};
}

bool Dataset::valueNull(int column, const unsigned char* rec) const {
    const Layout& l = m_layout[column];
    switch (l.slot) {
        case Slot::Key:
            return false;
        case Slot::Number:
            return std::isnan(loadDouble(rec + l.offset));
        case Slot::Text:
            return loadRef(rec + l.offset) == kNullText;
    }
    return true;
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
    return valueText(c, record(m_current));
}

QString Dataset::value(const QString& column) const {
    const int c = columnIndex(column);
    if (c < 0) throw Error(QStringLiteral("Field '%1' not found").arg(column));
    if (m_current < 0 || m_state == State::Insert || valueNull(c, record(m_current)))
        throw Error(QStringLiteral("Could not convert variant of type (Null) into type (OleStr)"));
    return text(column);
}

QString Dataset::textAt(int row, int column) const {
    return valueText(column, record(row));
}

std::optional<double> Dataset::numberAt(int row, int column) const {
    const unsigned char* rec = record(row);
    const Layout& l = m_layout[column];
    switch (l.slot) {
        case Slot::Key:
            return double(keyOf(rec));
        case Slot::Number: {
            const double d = loadDouble(rec + l.offset);
            if (std::isnan(d)) return std::nullopt;
            return d;
        }
        case Slot::Text: {
            auto v = NumberText::read(valueText(column, rec));
            return v ? std::optional<double>(double(*v)) : std::nullopt;
        }
    }
    return std::nullopt;
}

bool Dataset::isNullAt(int row, int column) const {
    return valueNull(column, record(row));
}

std::size_t Dataset::snapshotBytes() const {
    return m_rows.capacity() + m_arena.capacity() + m_order.capacity() * sizeof(std::uint32_t);
}

}  // namespace store
