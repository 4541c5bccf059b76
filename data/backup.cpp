#include "backup.h"

#include "sqlitefile.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <sqlite3.h>

namespace backup {
namespace {

// The copy becomes a file complete on its own (no write-ahead log beside it), then must open
// and show this program's schema version.
bool finishCopy(const QString &path, QString *error) {
    sqlitefile::Handle copy(path, SQLITE_OPEN_READWRITE);
    bool ok = false;
    sqlitefile::column(copy.db, "PRAGMA journal_mode=DELETE", &ok);
    const int version =
        ok ? sqlitefile::column(copy.db, "PRAGMA user_version", &ok).value(0).toInt() : 0;
    if (!ok || version < 1) {
        *error = QStringLiteral("备份文件无法打开：%1").arg(copy.error());
        return false;
    }
    return true;
}

} // namespace

QString datedName(const QString &databasePath, const QString &prefix) {
    const QFileInfo info(databasePath);
    return info.dir().filePath(prefix +
                               QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")) +
                               QStringLiteral(".mdb"));
}

bool snapshot(const QString &databasePath, const QString &target, QString *error) {
    const QString temp = target + QStringLiteral(".part");
    QFile::remove(temp);
    bool ok = QFileInfo::exists(databasePath);
    if (!ok)
        *error = QStringLiteral("无法打开数据库 %1").arg(databasePath);
    ok = ok && sqlitefile::copy(databasePath, temp, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                                5000, error);
    ok = ok && finishCopy(temp, error);
    // rename(2) replaces the old copy in one step: a crash leaves the old copy or the new one.
    if (ok && std::rename(QFile::encodeName(temp).constData(),
                          QFile::encodeName(target).constData()) != 0) {
        *error = QStringLiteral("无法写入备份文件 %1").arg(target);
        ok = false;
    }
    if (!ok)
        QFile::remove(temp);
    return ok;
}

} // namespace backup
