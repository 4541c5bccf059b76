// The generated demo database is one the program opens and works on.
#include "bounddatasource.h"
#include "database.h"
#include "generator.h"

#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

class GeneratorTest : public QObject {
    Q_OBJECT
private slots:
    void generatedDatabaseOpensWithItsRows();
    void refusesToOverwrite();
};

void GeneratorTest::generatedDatabaseOpensWithItsRows() {
    QTemporaryDir dir;
    QString error;
    generator::Sizes sizes;
    sizes.tourists = 3000;
    sizes.groups = 200;
    sizes.routes = 20;
    sizes.staleShare = 0.1;
    QVERIFY2(generator::generate(dir.path(), sizes, &error), qPrintable(error));
    QCOMPARE(database::prepare(&error), database::OpenResult::Opened);

    BoundDataSource tourists;
    tourists.setRecordSource("T_tourist_data");
    QVERIFY(tourists.open());
    QCOMPARE(tourists.recordCount(), sizes.tourists);
    QVERIFY(!tourists.fieldText("strName").isEmpty());

    QSqlDatabase db = database::connect();
    {
        QSqlQuery q(db);
        auto scalar = [&](const QString &sql) {
            q.exec(sql);
            q.next();
            return q.value(0).toInt();
        };
        QCOMPARE(scalar("SELECT count(*) FROM T_Group_BaseInfor"), sizes.groups);
        QCOMPARE(scalar("SELECT count(*) FROM T_Line_BaseInfor"), sizes.routes);
        // Every registration belongs to a generated group and route.
        QCOMPARE(scalar("SELECT count(*) FROM T_tourist_data t WHERE NOT EXISTS (SELECT 1 FROM "
                        "T_Group_BaseInfor g WHERE g.strGroupID = t.strgroupid AND "
                        "g.strLineName = t.strLineName)"),
                 0);
        QCOMPARE(scalar("SELECT count(*) FROM T_tourist_data WHERE shouldpay NOT IN (25, 55)"), 0);
        // Some outstanding amounts are stale, most are current.
        const int stale = scalar("SELECT count(*) FROM T_tourist_data WHERE weishou IS NOT "
                                 "round(shouldpay - infactpay, 4)");
        QVERIFY(stale > 0 && stale < sizes.tourists / 4);
        // The account of the README still logs in.
        QCOMPARE(scalar("SELECT count(*) FROM T_I_User_Infor WHERE strUser_Identity='admin'"), 1);
    }
    database::release(db);
}

void GeneratorTest::refusesToOverwrite() {
    QTemporaryDir dir;
    QString error;
    generator::Sizes tiny;
    tiny.tourists = 10;
    tiny.groups = 2;
    tiny.routes = 2;
    QVERIFY(generator::generate(dir.path(), tiny, &error));
    QVERIFY(!generator::generate(dir.path(), tiny, &error));
    QVERIFY(error.contains("exists"));
}

QTEST_GUILESS_MAIN(GeneratorTest)
#include "test_generator.moc"
