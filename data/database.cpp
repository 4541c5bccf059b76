#include "database.h"

#include "schema.h"
#include "seed.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>

namespace database {
namespace {

QString &dirValue() {
    static QString dir = QDir::currentPath();
    return dir;
}

const QString kPooledPrefix = QStringLiteral("travel-");

QSqlDatabase openFile(const QString &path, const QString &prefix = QStringLiteral("new-")) {
    static QAtomicInt counter;
    const QString name = prefix + QString::number(counter.fetchAndAddRelaxed(1));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    db.open();
    return db;
}

bool exec(QSqlDatabase &db, const QString &sql, QString *error) {
    QSqlQuery q(db);
    if (q.exec(sql))
        return true;
    *error = q.lastError().text();
    return false;
}

bool createSchema(QSqlDatabase &db, QString *error) {
    if (!exec(db, QStringLiteral("PRAGMA journal_mode=WAL"), error) || !db.transaction()) {
        return false;
    }
    QStringList statements;
    for (const schema::Table &t : schema::tables())
        statements << schema::createStatement(t);
    statements << schema::indexStatements();
    for (const QString &statement : statements) {
        if (!exec(db, statement, error)) {
            db.rollback();
            return false;
        }
    }
    if (!schema::seed(db)) {
        *error = db.lastError().text();
        db.rollback();
        return false;
    }
    if (!exec(db, QStringLiteral("PRAGMA user_version=%1").arg(schema::kVersion), error)) {
        db.rollback();
        return false;
    }
    return db.commit();
}

// A new database is built under a temporary name and renamed into place when complete,
// so an interrupted first start leaves no half-made TravelDB.mdb.
OpenResult create(const QString &path, QString *message) {
    const QString temp = path + QStringLiteral(".new");
    QFile::remove(temp);
    QString error;
    {
        QSqlDatabase db = openFile(temp);
        bool ok = db.isOpen() && createSchema(db, &error);
        if (!db.isOpen())
            error = db.lastError().text();
        // Leave WAL so that the finished file is complete on its own before the rename.
        if (ok)
            ok = exec(db, QStringLiteral("PRAGMA journal_mode=DELETE"), &error);
        release(db);
        if (ok && QFile::rename(temp, path)) {
            QSqlDatabase reopened = openFile(path);
            exec(reopened, QStringLiteral("PRAGMA journal_mode=WAL"), &error);
            release(reopened);
            return OpenResult::Created;
        }
    }
    QFile::remove(temp);
    if (message)
        *message =
            QStringLiteral("无法创建数据库文件 %1：%2").arg(QDir::toNativeSeparators(path), error);
    return OpenResult::Failed;
}

} // namespace

QString directory() {
    return dirValue();
}
void setDirectory(const QString &dir) {
    dirValue() = dir;
}
QString filePath() {
    return QDir(directory()).filePath(QStringLiteral("TravelDB.mdb"));
}

bool isSqliteFile(const QString &path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    return f.read(16) == QByteArray("SQLite format 3\0", 16);
}

OpenResult prepare(QString *message) {
    const QString path = filePath();
    if (!QFileInfo::exists(path))
        return create(path, message);
    if (!isSqliteFile(path)) {
        if (message)
            *message = QStringLiteral("文件 %1 不是本系统可以打开的数据库。为保护其中的数据，"
                                      "程序不会改动它。请把它移走或换成本系统的数据库后再启动。")
                           .arg(QDir::toNativeSeparators(path));
        return OpenResult::NotSqlite;
    }
    QSqlDatabase db = openFile(path);
    QSqlQuery q(db);
    int version = -1;
    if (q.exec(QStringLiteral("PRAGMA user_version")) && q.next())
        version = q.value(0).toInt();
    const bool hasAccounts =
        db.tables().contains(QStringLiteral("T_I_User_Infor"), Qt::CaseInsensitive);
    q.finish();
    release(db);
    if (version < 1 || !hasAccounts) {
        if (message)
            *message = QStringLiteral("文件 %1 不是本系统的数据库，程序不会改动它。")
                           .arg(QDir::toNativeSeparators(path));
        return OpenResult::NotSqlite;
    }
    if (version > schema::kVersion) {
        if (message)
            *message = QStringLiteral("数据库 %1 由更新版本的程序建立，请使用新版本程序打开。")
                           .arg(QDir::toNativeSeparators(path));
        return OpenResult::Failed;
    }
    // Versions below kVersion would be migrated here, one step per version.
    return OpenResult::Opened;
}

// Connections that windows have let go stay open for the next window: opening one reads the
// whole schema again, which would cost every list and editor a millisecond or more.
namespace {
QStringList &idleConnections() {
    static QStringList idle;
    return idle;
}
constexpr int kIdleLimit = 8;

QHash<QString, QSqlQuery> &writeStatements() {
    static QHash<QString, QSqlQuery> prepared;
    return prepared;
}

const QString kWriter = QStringLiteral("writer");

// Prepared statements must go before the SQL driver does, when the application ends.
void closeWriter() {
    writeStatements().clear();
    QSqlDatabase::removeDatabase(kWriter);
}
} // namespace

QSqlDatabase writer() {
    QSqlDatabase db = QSqlDatabase::database(kWriter, false);
    if (db.isOpen() && db.databaseName() == filePath())
        return db;
    static const bool cleanupRegistered = (qAddPostRoutine(closeWriter), true);
    Q_UNUSED(cleanupRegistered)
    writeStatements().clear();
    db = QSqlDatabase(); // the file moved: open on the current one
    QSqlDatabase::removeDatabase(kWriter);
    db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kWriter);
    db.setDatabaseName(filePath());
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    db.open();
    return db;
}

QSqlQuery &writeStatement(const QString &sql) {
    const QSqlDatabase db = writer(); // first: a reopened writer drops the old statements
    QHash<QString, QSqlQuery> &prepared = writeStatements();
    auto it = prepared.find(sql);
    if (it == prepared.end()) {
        it = prepared.insert(sql, QSqlQuery(db));
        it->prepare(sql);
    }
    return *it;
}

QSqlDatabase connect() {
    QStringList &idle = idleConnections();
    while (!idle.isEmpty()) {
        QSqlDatabase db = QSqlDatabase::database(idle.takeLast(), false);
        if (db.isOpen() && db.databaseName() == filePath())
            return db;
        release(db);
    }
    return openFile(filePath(), kPooledPrefix);
}

void release(QSqlDatabase &db) {
    const QString name = db.connectionName();
    QStringList &idle = idleConnections();
    if (db.isOpen() && db.databaseName() == filePath() && name.startsWith(kPooledPrefix) &&
        idle.size() < kIdleLimit && !idle.contains(name)) {
        db.rollback(); // nothing is left pending for the next user
        idle << name;
        db = QSqlDatabase();
        return;
    }
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(name);
}

} // namespace database
