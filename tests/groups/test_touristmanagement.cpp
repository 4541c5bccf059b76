// Tourist management: outstanding amounts brought up to date at opening, the group filter,
// the count and "还原".
#include "bounddatasource.h"
#include "datacombo.h"
#include "groupfixtures.h"
#include "messagerecorder.h"
#include "outstandingamounts.h"
#include "touristmanagement.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

class TouristManagementTest : public QObject {
    Q_OBJECT
private slots:
    void outstandingAtOpening_data();
    void outstandingAtOpening();
    void currentRowsAreNotRewritten();
    void groupFilterCountAndRestore();
};

void TouristManagementTest::outstandingAtOpening_data() {
    QTest::addColumn<QVariant>("due");
    QTest::addColumn<QVariant>("paid");
    QTest::addColumn<QVariant>("stale");
    QTest::addColumn<QString>("expected"); // empty: NULL
    QTest::newRow("paid in full") << QVariant(25) << QVariant(25) << QVariant(25) << "0";
    QTest::newRow("exact currency") << QVariant(55) << QVariant(30.1) << QVariant() << "24.9";
    QTest::newRow("nothing paid yet") << QVariant(55) << QVariant() << QVariant(55) << "";
    QTest::newRow("no amount due") << QVariant() << QVariant(10) << QVariant(0) << "";
    QTest::newRow("overpaid") << QVariant(25) << QVariant(30) << QVariant() << "-5";
}

void TouristManagementTest::outstandingAtOpening() {
    QFETCH(QVariant, due);
    QFETCH(QVariant, paid);
    QFETCH(QVariant, stale);
    QFETCH(QString, expected);
    TempDatabase db;
    addRegistration(db, "T1", "李明", due, paid, stale);
    TouristManagement window;
    const QString stored = db.query("SELECT weishou FROM T_tourist_data").value(0);
    QCOMPARE(stored, expected);
    QCOMPARE(db.query("SELECT weishou IS NULL FROM T_tourist_data").value(0),
             expected.isEmpty() ? "1" : "0");
    QCOMPARE(window.source()->fieldText("weishou"), expected);
    QCOMPARE(window.findChild<QLabel *>("Label6")->text(), "1");
    QVERIFY(db.errors().isEmpty());
}

// A table already up to date is scanned, not rewritten: only stale rows are updated.
void TouristManagementTest::currentRowsAreNotRewritten() {
    TempDatabase db;
    addRegistration(db, "T1", "甲", 55, 30, 25);
    addRegistration(db, "T1", "乙", 25, 25, 5);
    addRegistration(db, "T1", "丙", 25, QVariant(), QVariant());
    db.query("CREATE TABLE rewritten(name TEXT)");
    db.query("CREATE TRIGGER count_rewrites AFTER UPDATE ON T_tourist_data "
             "BEGIN INSERT INTO rewritten VALUES (new.strName); END");
    QVERIFY(outstandingamounts::bringUpToDate());
    QCOMPARE(db.query("SELECT name FROM rewritten"), QStringList{"乙"});
    QVERIFY(outstandingamounts::bringUpToDate());
    QCOMPARE(db.count("rewritten"), 1);
}

void TouristManagementTest::groupFilterCountAndRestore() {
    TempDatabase db;
    for (const char *name : {"甲", "乙", "丙"})
        addRegistration(db, "A'01", name, 55, 0);
    addRegistration(db, "B 02", "丁", 25, 0);
    MessageRecorder *rec = MessageRecorder::install();
    TouristManagement window;
    auto *groups = window.findChild<DataCombo *>("DataCombo1");
    auto *count = window.findChild<QLabel *>("Label6");
    QCOMPARE(count->text(), "4");

    pick(groups, "B 02");
    QCOMPARE(count->text(), "1");
    QCOMPARE(window.source()->fieldText("strName"), "丁");
    QCOMPARE(window.findChild<QLabel *>("Label2")->text(), "B 02");

    window.findChild<QPushButton *>("Command1")->click();
    QCOMPARE(count->text(), "4");
    QStringList listed;
    for (int i = 0; i < groups->count(); ++i)
        listed << groups->itemText(i);
    QCOMPARE(listed.count("A'01"), 3);

    pick(groups, "A'01");
    QCOMPARE(count->text(), "3");
    QCOMPARE(window.source()->recordCount(), 3);
    QVERIFY(rec->shown.isEmpty());
    MessageRecorder::uninstall();
}

QTEST_MAIN(TouristManagementTest)
#include "test_touristmanagement.moc"
