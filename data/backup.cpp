#include "backup.h"

#include "database.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <cstdio>

namespace backup {
namespace {

bool checkIntegrity(const QString &path, QString *error) {
    QSqlDatabase db =
        QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("backup-check"));
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    bool ok = db.open();
    if (ok) {
        QSqlQuery q(db);
        ok = q.exec(QStringLiteral("PRAGMA quick_check")) && q.next() &&
             q.value(0).toString() == QLatin1String("ok");
        if (!ok)
            *error = QStringLiteral("备份文件校验失败：%1").arg(q.lastError().text());
    } else {
        *error = db.lastError().text();
    }
    database::release(db);
    return ok;
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
    bool ok = false;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("backup-source"));
        db.setDatabaseName(databasePath);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        if (QFileInfo::exists(databasePath) && db.open()) {
            QSqlQuery q(db);
            ok = q.prepare(QStringLiteral("VACUUM INTO ?"));
            q.addBindValue(temp);
            ok = ok && q.exec();
            if (!ok)
                *error = q.lastError().text();
        } else {
            *error = QStringLiteral("无法打开数据库 %1").arg(databasePath);
        }
        database::release(db);
    }
    ok = ok && checkIntegrity(temp, error);
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
