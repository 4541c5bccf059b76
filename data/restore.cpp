#include "restore.h"

#include "backup.h"
#include "database.h"
#include "schema.h"
#include "sqlitefile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <sqlite3.h>

namespace restore {
namespace {

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

    sqlitefile::Handle db(candidate, SQLITE_OPEN_READONLY);
    bool ok = false;
    const QStringList check = sqlitefile::column(db.db, "PRAGMA quick_check", &ok);
    if (!ok || check != QStringList{QStringLiteral("ok")})
        return QStringLiteral("所选文件“%1”已损坏，不能用来恢复。当前数据没有改动。").arg(shown);
    const int version = sqlitefile::column(db.db, "PRAGMA user_version", &ok).value(0).toInt();
    const QStringList tables =
        sqlitefile::column(db.db, "SELECT name FROM sqlite_master WHERE type='table'", &ok);
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
    // No CREATE flag: a missing database is an error, never an empty new file.
    if (!sqlitefile::copy(candidate, databasePath, SQLITE_OPEN_READWRITE, busyTimeoutMs, &error)) {
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
