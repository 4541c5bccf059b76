#include "sqlitefile.h"

#include <QFile>
#include <sqlite3.h>

namespace sqlitefile {

Handle::Handle(const QString &path, int flags) {
    sqlite3_open_v2(QFile::encodeName(path).constData(), &db, flags, nullptr);
}

Handle::~Handle() {
    sqlite3_close(db);
}

QString Handle::error() const {
    return QString::fromUtf8(sqlite3_errmsg(db));
}

QStringList column(sqlite3 *db, const char *sql, bool *ok) {
    QStringList rows;
    sqlite3_stmt *stmt = nullptr;
    *ok = sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) == SQLITE_OK;
    int rc = SQLITE_DONE;
    while (*ok && (rc = sqlite3_step(stmt)) == SQLITE_ROW)
        rows << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(stmt, 0)));
    *ok = *ok && rc == SQLITE_DONE;
    sqlite3_finalize(stmt);
    return rows;
}

bool copy(const QString &from, const QString &to, int toFlags, int busyTimeoutMs, QString *error) {
    Handle source(from, SQLITE_OPEN_READONLY);
    Handle target(to, toFlags);
    sqlite3_busy_timeout(source.db, busyTimeoutMs);
    sqlite3_busy_timeout(target.db, busyTimeoutMs);
    sqlite3_backup *pages = sqlite3_backup_init(target.db, "main", source.db, "main");
    if (!pages) {
        *error = target.error();
        return false;
    }
    // All pages in one step: one write transaction that commits whole or not at all.
    const int rc = sqlite3_backup_step(pages, -1);
    sqlite3_backup_finish(pages);
    if (rc != SQLITE_DONE)
        *error = QString::fromUtf8(sqlite3_errstr(rc));
    return rc == SQLITE_DONE;
}

} // namespace sqlitefile
