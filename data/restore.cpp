#include "restore.h"

#include "backup.h"
#include "database.h"
#include "schema.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <sqlite3.h>

namespace restore {
namespace {

// Closes the handle however the function using it ends.
struct Connection {
    sqlite3 *db = nullptr;
    Connection(const QString &path, int flags) {
        sqlite3_open_v2(QFile::encodeName(path).constData(), &db, flags, nullptr);
    }
    ~Connection() { sqlite3_close(db); }
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;
    QString error() const { return QString::fromUtf8(sqlite3_errmsg(db)); }
};

// Every row of a one-column query, or nothing when the query fails.
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

bool hasEveryTable(const QStringList &names) {
    QSet<QString> present;
    for (const QString &n : names)
        present.insert(n.toLower());
    for (const schema::Table &t : schema::tables()) {
        if (!present.contains(t.name.toLower()))
            return false;
    }
    return true;
}

bool copyInto(const QString &candidate, const QString &databasePath, int busyTimeoutMs,
              QString *error) {
    Connection source(candidate, SQLITE_OPEN_READONLY);
    // No CREATE flag: a missing database is an error, never an empty new file.
    Connection live(databasePath, SQLITE_OPEN_READWRITE);
    sqlite3_busy_timeout(live.db, busyTimeoutMs);
    sqlite3_backup *copy = sqlite3_backup_init(live.db, "main", source.db, "main");
    if (!copy) {
        *error = live.error();
        return false;
    }
    // All pages in one step: one write transaction that commits whole or not at all.
    const int rc = sqlite3_backup_step(copy, -1);
    sqlite3_backup_finish(copy);
    if (rc != SQLITE_DONE)
        *error = QString::fromUtf8(sqlite3_errstr(rc));
    return rc == SQLITE_DONE;
}

} // namespace

QString refusal(const QString &candidate, const QString &databasePath) {
    const QString shown = QDir::toNativeSeparators(candidate);
    const QString notOurs =
        QStringLiteral("所选文件“%1”不是本系统的数据库，不能用来恢复。当前数据没有改动。")
            .arg(shown);
    const QFileInfo info(candidate);
    if (!info.isFile())
        return QStringLiteral("找不到所选文件“%1”。当前数据没有改动。").arg(shown);
    if (info.canonicalFilePath() == QFileInfo(databasePath).canonicalFilePath())
        return QStringLiteral("所选文件就是正在使用的数据库“%1”，无需恢复。").arg(shown);
    if (!database::isSqliteFile(candidate))
        return notOurs;

    Connection db(candidate, SQLITE_OPEN_READONLY);
    bool ok = false;
    const QStringList check = column(db.db, "PRAGMA quick_check", &ok);
    if (!ok || check != QStringList{QStringLiteral("ok")})
        return QStringLiteral("所选文件“%1”已损坏，不能用来恢复。当前数据没有改动。").arg(shown);
    const int version = column(db.db, "PRAGMA user_version", &ok).value(0).toInt();
    const QStringList tables =
        column(db.db, "SELECT name FROM sqlite_master WHERE type='table'", &ok);
    if (!ok || version < 1 || !hasEveryTable(tables))
        return notOurs;
    if (version > schema::kVersion)
        return QStringLiteral("所选文件“%1”由更新版本的程序建立，不能用来恢复。当前数据没有改动。")
            .arg(shown);
    return {};
}

QString safetyCopyName(const QString &databasePath) {
    const QDir dir = QFileInfo(databasePath).dir();
    const QString stem = QStringLiteral("TravelDB恢复前备份") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    QString name = dir.filePath(stem + QStringLiteral(".mdb"));
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = dir.filePath(QStringLiteral("%1-%2.mdb").arg(stem).arg(n));
    return name;
}

Result run(const QString &candidate, const QString &databasePath, int busyTimeoutMs) {
    Result result;
    result.message = refusal(candidate, databasePath);
    if (!result.message.isEmpty()) {
        result.outcome = Outcome::Refused;
        return result;
    }
    const QString safetyCopy = safetyCopyName(databasePath);
    QString error;
    if (!backup::snapshot(databasePath, safetyCopy, &error)) {
        result.outcome = Outcome::SafetyCopyFailed;
        result.message =
            QStringLiteral("无法保存当前数据库的安全副本（%1），数据没有恢复，当前数据没有改动。")
                .arg(error);
        return result;
    }
    if (!copyInto(candidate, databasePath, busyTimeoutMs, &error)) {
        // The database is unchanged, so its copy would only be clutter.
        QFile::remove(safetyCopy);
        result.outcome = Outcome::CopyFailed;
        result.message = error;
        return result;
    }
    result.outcome = Outcome::Restored;
    result.safetyCopy = safetyCopy;
    return result;
}

} // namespace restore
