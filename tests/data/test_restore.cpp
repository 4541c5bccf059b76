// Restoring the database from a chosen file: refusals, the safety copy, atomic replacement.
#include "backup.h"
#include "bounddatasource.h"
#include "database.h"
#include "restore.h"
#include "sharedconnection.h"
#include "tempdatabase.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QtTest>

class RestoreTest : public QObject {
    Q_OBJECT
private slots:
    void refusesWhatIsNoTravelDatabase_data();
    void refusesWhatIsNoTravelDatabase();
    void replacesContentAndKeepsSafetyCopy();
    void busyDatabaseIsLeftAsItWas();

private:
    static QString makeCandidate(const TempDatabase &db, const QString &name);
    static QStringList safetyCopies(const TempDatabase &db);
};

// A sound backup of the current database under 'name', beside it.
QString RestoreTest::makeCandidate(const TempDatabase &db, const QString &name) {
    const QString path = db.dir() + "/" + name;
    QString error;
    if (!backup::snapshot(db.path(), path, &error))
        qFatal("candidate not made: %s", qPrintable(error));
    return path;
}

QStringList RestoreTest::safetyCopies(const TempDatabase &db) {
    return QDir(db.dir()).entryList({QStringLiteral("TravelDB恢复前备份*.mdb")}, QDir::Files);
}

void RestoreTest::refusesWhatIsNoTravelDatabase_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("text file") << "text"
                               << "不是本系统的数据库";
    QTest::newRow("empty file") << "empty"
                                << "不是本系统的数据库";
    QTest::newRow("damaged database") << "damaged"
                                      << "已损坏";
    QTest::newRow("foreign sqlite file") << "foreign"
                                         << "不是本系统的数据库";
    QTest::newRow("newer program's database") << "newer"
                                              << "更新版本";
    QTest::newRow("the live database itself") << "live"
                                              << "正在使用的数据库";
    QTest::newRow("missing file") << "missing"
                                  << "找不到";
}

void RestoreTest::refusesWhatIsNoTravelDatabase() {
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    TempDatabase db;
    QString candidate = db.dir() + "/candidate.mdb";
    if (kind == "text" || kind == "empty") {
        QFile f(candidate);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(kind == "text" ? QByteArray("客户名单\n张三\n") : QByteArray());
    } else if (kind == "damaged") {
        makeCandidate(db, "candidate.mdb");
        QFile f(candidate);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.size() > 5 * 4096);
        f.seek(4096); // the pages after the header page hold the tables
        f.write(QByteArray(4 * 4096, '\xA5'));
    } else if (kind == "foreign" || kind == "newer") {
        if (kind == "newer")
            makeCandidate(db, "candidate.mdb");
        QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other");
        other.setDatabaseName(candidate);
        QVERIFY(other.open());
        QSqlQuery(other).exec(kind == "newer" ? "PRAGMA user_version=99"
                                              : "CREATE TABLE T_I_User_Infor(x)");
        database::release(other);
    } else if (kind == "live") {
        candidate = db.path();
    } else {
        candidate = db.dir() + "/nowhere.mdb";
    }
    db.query("INSERT INTO T_B_Team_Grade(strName) VALUES ('留存')");

    const restore::Result result = restore::run(candidate, db.path());
    QCOMPARE(result.outcome, restore::Outcome::Refused);
    QVERIFY2(result.message.contains(reason), qPrintable(result.message));
    QCOMPARE(db.query("SELECT count(*) FROM T_B_Team_Grade WHERE strName='留存'"),
             QStringList{"1"});
    QCOMPARE(db.count("T_I_User_Infor"), 1);
    QVERIFY(safetyCopies(db).isEmpty());
}

void RestoreTest::replacesContentAndKeepsSafetyCopy() {
    TempDatabase db;
    const QString candidate = makeCandidate(db, "Travel2026-01-01.mdb");
    db.query("INSERT INTO T_B_Team_Grade(strName) VALUES ('备份之后')");

    // Windows that stay open: a bound data source and the shared connection.
    BoundDataSource grades;
    grades.setRecordSource("select * from T_B_Team_Grade");
    QVERIFY(grades.open());
    const int before = grades.recordCount();
    OpenSharedConnection();
    QCOMPARE(SharedConnection::readList(0, "select strName from T_B_Team_Grade", "strName").size(),
             before);

    const restore::Result result = restore::run(candidate, db.path());
    QCOMPARE(result.outcome, restore::Outcome::Restored);
    QCOMPARE(db.query("SELECT count(*) FROM T_B_Team_Grade WHERE strName='备份之后'"),
             QStringList{"0"});
    QCOMPARE(db.query("PRAGMA journal_mode"), QStringList{"wal"});
    QCOMPARE(db.query("PRAGMA quick_check"), QStringList{"ok"});

    QVERIFY(grades.refresh());
    QCOMPARE(grades.recordCount(), before - 1);
    QCOMPARE(SharedConnection::readList(1, "select strName from T_B_Team_Grade", "strName").size(),
             before - 1);
    QVERIFY(db.errors().isEmpty());

    // The replaced data is kept beside the database, under a name a user recognises.
    QCOMPARE(safetyCopies(db), QStringList{QFileInfo(result.safetyCopy).fileName()});
    QVERIFY(QFileInfo(result.safetyCopy)
                .fileName()
                .startsWith("TravelDB恢复前备份" + QDate::currentDate().toString("yyyy-MM-dd-")));
    QVERIFY(restore::refusal(result.safetyCopy, db.path()).isEmpty());
    QSqlDatabase kept = QSqlDatabase::addDatabase("QSQLITE", "kept");
    kept.setDatabaseName(result.safetyCopy);
    QVERIFY(kept.open());
    {
        QSqlQuery q(kept);
        QVERIFY(q.exec("SELECT count(*) FROM T_B_Team_Grade WHERE strName='备份之后'") && q.next());
        QCOMPARE(q.value(0).toInt(), 1);
    }
    database::release(kept);

    // A second restore at once keeps its own safety copy beside the first.
    QCOMPARE(restore::run(candidate, db.path()).outcome, restore::Outcome::Restored);
    QCOMPARE(safetyCopies(db).size(), 2);
}

void RestoreTest::busyDatabaseIsLeftAsItWas() {
    TempDatabase db;
    const QString candidate = makeCandidate(db, "Travel2026-01-01.mdb");
    db.query("INSERT INTO T_B_Team_Grade(strName) VALUES ('已提交')");
    QSqlDatabase writer = database::connect();
    QVERIFY(writer.transaction());
    QVERIFY(QSqlQuery(writer).exec("INSERT INTO T_B_Team_Grade(strName) VALUES ('写入中')"));

    const restore::Result result = restore::run(candidate, db.path(), 0);
    QCOMPARE(result.outcome, restore::Outcome::CopyFailed);
    QVERIFY(!result.message.isEmpty());
    QVERIFY(safetyCopies(db).isEmpty());

    QVERIFY(writer.commit());
    database::release(writer);
    QCOMPARE(db.query("SELECT strName FROM T_B_Team_Grade WHERE strName IN ('已提交','写入中') "
                      "ORDER BY strName DESC"),
             (QStringList{"已提交", "写入中"}));
    QCOMPARE(db.query("PRAGMA quick_check"), QStringList{"ok"});
}

QTEST_GUILESS_MAIN(RestoreTest)
#include "test_restore.moc"
