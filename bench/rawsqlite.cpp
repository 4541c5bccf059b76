#include "rawsqlite.h"

#include <sqlite3.h>

RawSqlite::RawSqlite(const QString &path) {
    sqlite3_open_v2(path.toUtf8().constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_busy_timeout(m_db, 5000);
}

RawSqlite::~RawSqlite() {
    sqlite3_close(m_db);
}

long long RawSqlite::run(const QString &sql, const QVariantList &bind) {
    sqlite3_stmt *stmt = nullptr;
    if (sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &stmt, nullptr) != SQLITE_OK)
        return -1;
    for (int i = 0; i < bind.size(); ++i) {
        const QVariant &v = bind.at(i);
        if (v.isNull()) {
            sqlite3_bind_null(stmt, i + 1);
        } else if (v.typeId() == QMetaType::Int || v.typeId() == QMetaType::LongLong) {
            sqlite3_bind_int64(stmt, i + 1, v.toLongLong());
        } else if (v.typeId() == QMetaType::Double) {
            sqlite3_bind_double(stmt, i + 1, v.toDouble());
        } else {
            const QByteArray text = v.toString().toUtf8();
            sqlite3_bind_text(stmt, i + 1, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        }
    }
    // Every value of every row is read, as a list showing the rows must.
    long long rows = 0;
    const int columns = sqlite3_column_count(stmt);
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        for (int c = 0; c < columns; ++c)
            sqlite3_column_text(stmt, c);
        ++rows;
    }
    sqlite3_finalize(stmt);
    return rows;
}

long long RawSqlite::scalar(const QString &sql, const QVariantList &bind) {
    sqlite3_stmt *stmt = nullptr;
    if (sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &stmt, nullptr) != SQLITE_OK)
        return -1;
    for (int i = 0; i < bind.size(); ++i) {
        const QByteArray text = bind.at(i).toString().toUtf8();
        sqlite3_bind_text(stmt, i + 1, text.constData(), int(text.size()), SQLITE_TRANSIENT);
    }
    long long value = -1;
    if (sqlite3_step(stmt) == SQLITE_ROW)
        value = sqlite3_column_int64(stmt, 0);
    sqlite3_finalize(stmt);
    return value;
}

void RawSqlite::pageAndCount(const QString &select, const QVariantList &bind, int page) {
    scalar(QStringLiteral("SELECT count(*) FROM (%1)").arg(select), bind);
    run(QStringLiteral("%1 LIMIT %2").arg(select).arg(page), bind);
}

bool RawSqlite::backupTo(const QString &target) {
    sqlite3 *out = nullptr;
    if (sqlite3_open(target.toUtf8().constData(), &out) != SQLITE_OK) {
        sqlite3_close(out);
        return false;
    }
    sqlite3_backup *b = sqlite3_backup_init(out, "main", m_db, "main");
    const bool ok = b && sqlite3_backup_step(b, -1) == SQLITE_DONE;
    sqlite3_backup_finish(b);
    sqlite3_close(out);
    return ok;
}
