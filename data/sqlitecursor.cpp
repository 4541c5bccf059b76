#include "sqlitecursor.h"

#include <QSqlDriver>
#include <sqlite3.h>

namespace {
sqlite3 *handleOf(const QSqlDatabase &db) {
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    return handle.isValid() ? *static_cast<sqlite3 *const *>(handle.constData()) : nullptr;
}
} // namespace

SqliteCursor::SqliteCursor(const QSqlDatabase &db, const QString &sql) {
    sqlite3 *handle = handleOf(db);
    if (!handle) {
        m_error = QStringLiteral("no open connection");
        return;
    }
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(handle, text.constData(), int(text.size()), &m_statement, nullptr) !=
        SQLITE_OK)
        m_error = QString::fromUtf8(sqlite3_errmsg(handle));
}

SqliteCursor::~SqliteCursor() {
    sqlite3_finalize(m_statement);
}

bool SqliteCursor::exec(const QVariantList &bindValues) {
    if (!m_statement)
        return false;
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
    for (int i = 0; i < bindValues.size(); ++i) {
        const QVariant &v = bindValues.at(i);
        const int at = i + 1;
        switch (v.isNull() ? QMetaType::UnknownType : v.typeId()) {
        case QMetaType::UnknownType:
            sqlite3_bind_null(m_statement, at);
            break;
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
            sqlite3_bind_int64(m_statement, at, v.toLongLong());
            break;
        case QMetaType::Double:
            sqlite3_bind_double(m_statement, at, v.toDouble());
            break;
        default: {
            const QByteArray text = v.toString().toUtf8();
            sqlite3_bind_text(m_statement, at, text.constData(), int(text.size()),
                              SQLITE_TRANSIENT);
        }
        }
    }
    return true;
}

bool SqliteCursor::next() {
    if (!m_statement)
        return false;
    const int rc = sqlite3_step(m_statement);
    if (rc == SQLITE_ROW)
        return true;
    if (rc != SQLITE_DONE)
        m_error = QString::fromUtf8(sqlite3_errmsg(sqlite3_db_handle(m_statement)));
    sqlite3_reset(m_statement);
    return false;
}

void SqliteCursor::finish() {
    if (m_statement)
        sqlite3_reset(m_statement);
}

int SqliteCursor::columnCount() const {
    return m_statement ? sqlite3_column_count(m_statement) : 0;
}

QString SqliteCursor::columnName(int column) const {
    return QString::fromUtf8(sqlite3_column_name(m_statement, column));
}

QVariant SqliteCursor::value(int column) const {
    switch (sqlite3_column_type(m_statement, column)) {
    case SQLITE_INTEGER:
        return qlonglong(sqlite3_column_int64(m_statement, column));
    case SQLITE_FLOAT:
        return sqlite3_column_double(m_statement, column);
    case SQLITE_NULL:
        return {};
    case SQLITE_BLOB:
        return QByteArray(static_cast<const char *>(sqlite3_column_blob(m_statement, column)),
                          sqlite3_column_bytes(m_statement, column));
    default:
        return QString::fromUtf8(
            reinterpret_cast<const char *>(sqlite3_column_text(m_statement, column)),
            sqlite3_column_bytes(m_statement, column));
    }
}
