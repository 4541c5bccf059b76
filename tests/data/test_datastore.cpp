// Creating the database, refusing foreign files, the shared connection and backups.
#include "backup.h"
#include "database.h"
#include "schema.h"
#include "sharedconnection.h"
#include "tempdatabase.h"

#include <QFile>
#include <QSqlQuery>
#include <QtTest>

class DataStoreTest : public QObject {
    Q_OBJECT
private slots:
    void createsEveryTableAndColumn();
    void seedsAccountAndCodeTables();
    void refusesForeignFiles_data();
    void refusesForeignFiles();
    void sharedListsAreTrimmed();
    void treeLoaderReadsInKeyOrder();
    void snapshotReplacesSameDayCopy();
    void snapshotWhileAnotherConnectionWrites();
    void snapshotFailureLeavesOldCopy();
};

void DataStoreTest::createsEveryTableAndColumn() {
    TempDatabase db;
    for (const schema::Table &t : schema::tables()) {
        const QStringList cols =
            db.query(QStringLiteral("SELECT name FROM pragma_table_info(?)"), {t.name});
        QCOMPARE(cols.size(), t.columns.size());
        for (const schema::Column &c : t.columns)
            QVERIFY2(cols.contains(c.name, Qt::CaseInsensitive), qPrintable(t.name + "." + c.name));
    }
    QCOMPARE(db.query(QStringLiteral("PRAGMA user_version")).value(0).toInt(), schema::kVersion);
    // Identifiers and text comparison ignore letter case.
    QCOMPARE(db.query(QStringLiteral("SELECT STRNAME FROM t_b_line_type WHERE strname=?"),
                      {QStringLiteral("华东线")})
                 .size(),
             1);
    QCOMPARE(db.query(QStringLiteral("SELECT 1 FROM T_I_User_Infor WHERE strUser_Identity=?"),
                      {QStringLiteral("ADMIN")})
                 .size(),
             1);
}

void DataStoreTest::seedsAccountAndCodeTables() {
    TempDatabase db;
    QCOMPARE(db.query(QStringLiteral("SELECT strUser_Password||'|'||strUser_Name||'|'||"
                                     "(qiantai+xianlu+jitiao+kehugx+caiwu+xtwh+ziliao+data) "
                                     "FROM T_I_User_Infor WHERE strUser_Identity='admin'")),
             QStringList{QStringLiteral("admin|系统管理员|8")});
    QCOMPARE(db.count(QStringLiteral("T_I_Department_Infor1")), 1);
    for (const schema::Table &t : schema::tables()) {
        if (t.name.startsWith(QLatin1String("T_B_")))
            QVERIFY2(db.count(t.name) >= 3, qPrintable(t.name));
    }
    QCOMPARE(db.query(QStringLiteral("SELECT strName FROM T_B_Paper_Type")).value(0),
             QStringLiteral("身份证"));
}

void DataStoreTest::refusesForeignFiles_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("text file") << QByteArray("Standard Jet DB\0 not ours", 25);
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("other sqlite") << QByteArray("sqlite");
}

void DataStoreTest::refusesForeignFiles() {
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    database::setDirectory(dir.path());
    const QString path = database::filePath();
    if (content == "sqlite") { // a real SQLite file without our tables
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "other");
        other.setDatabaseName(path);
        QVERIFY(other.open());
        QSqlQuery(other).exec(QStringLiteral("CREATE TABLE notes(x)"));
        database::release(other);
    } else {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    QFile before(path);
    QVERIFY(before.open(QIODevice::ReadOnly));
    const QByteArray bytes = before.readAll();
    before.close();

    QString message;
    QCOMPARE(database::prepare(&message), database::OpenResult::NotSqlite);
    QVERIFY(message.contains(QStringLiteral("不会改动")));
    QFile after(path);
    QVERIFY(after.open(QIODevice::ReadOnly));
    QCOMPARE(after.readAll(), bytes);
}

void DataStoreTest::sharedListsAreTrimmed() {
    TempDatabase db;
    db.query(QStringLiteral("INSERT INTO T_B_Team_Grade(strName) VALUES (?)"),
             {QStringLiteral("  豪华'团  ")});
    OpenSharedConnection();
    const QStringList grades = SharedConnection::readList(
        0, QStringLiteral("select strName from T_B_Team_Grade"), QStringLiteral("STRNAME"));
    QCOMPARE(grades.last(), QStringLiteral("豪华'团"));
    QVERIFY(SharedConnection::slot(0).isOpen());
    OpenSharedConnection(); // releases the previous slots
    QVERIFY(!SharedConnection::slot(0).isOpen());
}

void DataStoreTest::treeLoaderReadsInKeyOrder() {
    TempDatabase db;
    QStringList names;
    const int rows = TreeLoaderConnection::load(
        QStringLiteral("select LngID,strname from T_B_Line_Type order by lngID"),
        [&](const QSqlRecord &r) { names << r.value(QStringLiteral("strName")).toString(); });
    QCOMPARE(rows, names.size());
    QCOMPARE(names, db.query(QStringLiteral("SELECT strName FROM T_B_Line_Type ORDER BY LngID")));
    QCOMPARE(TreeLoaderConnection::load(QStringLiteral("select nothing from nowhere"),
                                        [](const QSqlRecord &) {}),
             -1);
    QCOMPARE(db.errors().size(), 1);
}

void DataStoreTest::snapshotReplacesSameDayCopy() {
    TempDatabase db;
    const QString target = backup::datedName(db.path(), QStringLiteral("TravelDB"));
    QVERIFY(target.endsWith(QDate::currentDate().toString("yyyy-MM-dd") + ".mdb"));
    QVERIFY(QFileInfo(target).fileName().startsWith(QLatin1String("TravelDB2")));
    QString error;
    QVERIFY(backup::snapshot(db.path(), target, &error));
    db.query(QStringLiteral("INSERT INTO T_B_Team_Grade(strName) VALUES ('第二次')"));
    QVERIFY2(backup::snapshot(db.path(), target, &error), qPrintable(error));
    QVERIFY(!QFile::exists(target + ".part"));
    database::setDirectory(QFileInfo(target).path());
    QSqlDatabase copy = QSqlDatabase::addDatabase("QSQLITE", "copy");
    copy.setDatabaseName(target);
    QVERIFY(copy.open());
    QSqlQuery q(copy);
    QVERIFY(q.exec("SELECT count(*) FROM T_B_Team_Grade WHERE strName='第二次'") && q.next());
    QCOMPARE(q.value(0).toInt(), 1);
    q.finish();
    database::release(copy);
}

void DataStoreTest::snapshotWhileAnotherConnectionWrites() {
    TempDatabase db;
    QSqlDatabase writer = database::connect();
    QVERIFY(writer.transaction());
    QSqlQuery(writer).exec(QStringLiteral("INSERT INTO T_B_Team_Grade(strName) VALUES ('未提交')"));
    const QString target = backup::datedName(db.path(), QStringLiteral("Travel"));
    QString error;
    QVERIFY2(backup::snapshot(db.path(), target, &error), qPrintable(error));
    writer.rollback();
    database::release(writer);

    QSqlDatabase copy = QSqlDatabase::addDatabase("QSQLITE", "copy2");
    copy.setDatabaseName(target);
    QVERIFY(copy.open());
    QSqlQuery q(copy);
    QVERIFY(q.exec("PRAGMA quick_check") && q.next());
    QCOMPARE(q.value(0).toString(), QStringLiteral("ok"));
    QVERIFY(q.exec("SELECT count(*) FROM T_B_Team_Grade WHERE strName='未提交'") && q.next());
    QCOMPARE(q.value(0).toInt(), 0);
    q.finish();
    database::release(copy);
}

void DataStoreTest::snapshotFailureLeavesOldCopy() {
    TempDatabase db;
    const QString target = db.dir() + "/old.mdb";
    QFile old(target);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("previous backup");
    old.close();
    QString error;
    QVERIFY(!backup::snapshot(db.dir() + "/missing.mdb", target, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("previous backup"));
}

QTEST_GUILESS_MAIN(DataStoreTest)
#include "test_datastore.moc"
