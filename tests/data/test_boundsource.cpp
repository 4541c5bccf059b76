// The record-set semantics windows rely on: write on move, find, add/update, delete, scale.
#include "bounddatasource.h"
#include "database.h"
#include "tempdatabase.h"

#include <QSignalSpy>
#include <QSqlQuery>
#include <QtTest>

namespace {
void addRoutes(const TempDatabase &db, const QStringList &names) {
    for (const QString &n : names)
        db.query(
            QStringLiteral("INSERT INTO T_Line_BaseInfor(strLineName, PersonCost) VALUES (?, 100)"),
            {n});
}
} // namespace

class BoundSourceTest : public QObject {
    Q_OBJECT
private slots:
    void opensOnFirstRowWithExactCount();
    void editIsWrittenWhenRowMoves();
    void addNewAndUpdateGiveLngid();
    void apostrophesSaveFilterAndFind();
    void refusedValueWritesNothing_data();
    void refusedValueWritesNothing();
    void currencyIsExact();
    void deleteDropsRowAtOnce();
    void findMovesForwardToMatch();
    void fieldNamesIgnoreCase();
    void largeTableOpensWithoutReadingAllRows();
    void readOnlySourceRefusesEdits();
    void partlyReadListLetsOthersWrite();
};

void BoundSourceTest::opensOnFirstRowWithExactCount() {
    TempDatabase db;
    addRoutes(db, {"甲", "乙", "丙"});
    BoundDataSource src;
    src.setRecordSource("T_Line_BaseInfor");
    QVERIFY(src.open());
    QCOMPARE(src.recordCount(), 3);
    QCOMPARE(src.currentRow(), 0);
    QCOMPARE(src.fieldText("strLineName"), QStringLiteral("甲"));

    BoundDataSource empty;
    empty.setRecordSource("select * from T_Line_BaseInfor where strLineName=?", {"无"});
    QVERIFY(empty.open());
    QCOMPARE(empty.recordCount(), 0);
    QVERIFY(empty.eof());
}

void BoundSourceTest::editIsWrittenWhenRowMoves() {
    TempDatabase db;
    addRoutes(db, {"甲", "乙"});
    BoundDataSource src;
    src.setRecordSource("T_Line_BaseInfor");
    QVERIFY(src.open());
    QVERIFY(src.setFieldValue("strLineName", "甲改"));
    QCOMPARE(db.query("SELECT strLineName FROM T_Line_BaseInfor ORDER BY lngid").value(0),
             QStringLiteral("甲")); // not yet written
    QVERIFY(src.moveNext());
    QCOMPARE(db.query("SELECT strLineName FROM T_Line_BaseInfor ORDER BY lngid").value(0),
             QStringLiteral("甲改"));
}

void BoundSourceTest::addNewAndUpdateGiveLngid() {
    TempDatabase db;
    addRoutes(db, {"甲"});
    BoundDataSource src;
    src.setRecordSource("select * from T_Line_BaseInfor");
    QVERIFY(src.open());
    QVERIFY(src.addNew());
    QCOMPARE(src.currentRow(), 1);
    QVERIFY(src.fieldValue("strLineName").isNull());
    src.setFieldValue("strLineName", "新线");
    src.setFieldValue("intlineFate", "5");
    QVERIFY(src.update());
    QVERIFY(src.fieldValue("lngid").toLongLong() > 1);
    QCOMPARE(src.fieldValue("intlineFate").toInt(), 5);
    QCOMPARE(src.recordCount(), 2);
    QCOMPARE(db.count("T_Line_BaseInfor"), 2);
    // Two blank rows chained one after another both arrive.
    QVERIFY(src.addNew());
    QVERIFY(src.addNew());
    QVERIFY(src.update());
    QCOMPARE(db.count("T_Line_BaseInfor"), 4);
    // The same rows are not listed twice when the source reads on.
    QVERIFY(src.refresh());
    QCOMPARE(src.recordCount(), 4);
    QCOMPARE(src.rowCount(), 4);
}

void BoundSourceTest::apostrophesSaveFilterAndFind() {
    TempDatabase db;
    BoundDataSource src;
    src.setRecordSource("T_tourist_data");
    QVERIFY(src.open());
    QVERIFY(src.addNew());
    src.setFieldValue("strName", "O'Brien");
    src.setFieldValue("strgroupid", "T'01");
    QVERIFY(src.update());
    QVERIFY(db.errors().isEmpty());

    BoundDataSource filtered;
    filtered.setCommandKind(BoundDataSource::CommandKind::Text);
    filtered.setRecordSource("select * from T_tourist_data where strgroupid=?", {"T'01"});
    QVERIFY(filtered.open());
    QCOMPARE(filtered.recordCount(), 1);
    QVERIFY(filtered.find("strName", "o'brien"));
    QCOMPARE(filtered.fieldText("STRNAME"), QStringLiteral("O'Brien"));
}

void BoundSourceTest::refusedValueWritesNothing_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("nameColumn");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("label");
    QTest::newRow("currency") << "T_Line_BaseInfor"
                              << "strLineName"
                              << "PersonCost"
                              << "一百"
                              << "成人报价";
    QTest::newRow("integer") << "T_Line_BaseInfor"
                             << "strLineName"
                             << "intlineFate"
                             << "3.5"
                             << "行程天数";
    QTest::newRow("date") << "T_tourist_data"
                          << "strName"
                          << "datbirth"
                          << "2026-13-45"
                          << "出生日期";
}

void BoundSourceTest::refusedValueWritesNothing() {
    QFETCH(QString, table);
    QFETCH(QString, nameColumn);
    QFETCH(QString, column);
    QFETCH(QString, typed);
    QFETCH(QString, label);
    TempDatabase db;
    db.query("INSERT INTO " + table + "(" + nameColumn + ") VALUES ('原名')");
    BoundDataSource src;
    src.setRecordSource(table);
    QVERIFY(src.open());
    src.setFieldValue(nameColumn, "改了");
    src.setFieldValue(column, typed);
    QVERIFY(!src.update());
    QCOMPARE(db.errors().size(), 1);
    QVERIFY2(db.errors().first().contains(label), qPrintable(db.errors().first()));
    // Nothing written, the typed value still there to correct.
    QCOMPARE(db.query("SELECT " + nameColumn + " FROM " + table), QStringList{"原名"});
    QCOMPARE(src.fieldText(column), typed);
    QVERIFY(src.isDirty());
    // The row cannot be left with the refused value either.
    QVERIFY(!src.addNew());
    QCOMPARE(db.count(table), 1);
}

void BoundSourceTest::currencyIsExact() {
    TempDatabase db;
    BoundDataSource src;
    src.setRecordSource("T_tourist_data");
    QVERIFY(src.open());
    QVERIFY(src.addNew());
    src.setFieldValue("shouldpay", "55");
    src.setFieldValue("infactpay", "30.1");
    QVERIFY(src.update());
    db.query("UPDATE T_tourist_data SET weishou = round(shouldpay - infactpay, 4)");
    QVERIFY(src.refresh());
    QCOMPARE(src.fieldText("weishou"), QStringLiteral("24.9"));
    QCOMPARE(src.fieldValue("weishou").toDouble(), 24.9);
}

void BoundSourceTest::deleteDropsRowAtOnce() {
    TempDatabase db;
    addRoutes(db, {"甲", "乙", "丙"});
    BoundDataSource src;
    src.setRecordSource("select * from T_Line_BaseInfor where PersonCost=?", {100});
    QVERIFY(src.open());
    QVERIFY(src.moveNext());
    QSignalSpy removed(&src, &QAbstractItemModel::rowsRemoved);
    QVERIFY(src.deleteCurrent());
    QCOMPARE(removed.size(), 1);
    QCOMPARE(src.rowCount(), 2);
    QCOMPARE(src.recordCount(), 2);
    QCOMPARE(src.fieldText("strLineName"), QStringLiteral("丙"));
    QCOMPARE(db.count("T_Line_BaseInfor"), 2);
    QVERIFY(src.deleteCurrent());
    QVERIFY(src.deleteCurrent());
    QVERIFY(src.eof());
    QVERIFY(!src.deleteCurrent());
}

void BoundSourceTest::findMovesForwardToMatch() {
    TempDatabase db;
    addRoutes(db, {"甲", "乙", "甲"});
    BoundDataSource src;
    src.setRecordSource("T_Line_BaseInfor");
    QVERIFY(src.open());
    QVERIFY(src.moveNext());
    QVERIFY(src.find("strLineName", "甲"));
    QCOMPARE(src.currentRow(), 2); // forwards from the current row, not from the top
    QVERIFY(src.find("strLineName", "甲"));
    QCOMPARE(src.currentRow(), 2); // the current row itself counts
    QVERIFY(src.moveFirst());
    QVERIFY(!src.find("strLineName", "丁"));
    QVERIFY(src.eof());
}

void BoundSourceTest::fieldNamesIgnoreCase() {
    TempDatabase db;
    db.query("INSERT INTO T_tourist_data(strgroupid, strName) VALUES ('G1', '李四')");
    BoundDataSource src;
    src.setRecordSource("t_tourist_data");
    QVERIFY(src.open());
    QCOMPARE(src.fieldText("strGroupID"), QStringLiteral("G1"));
    QCOMPARE(src.fieldText("STRNAME"), QStringLiteral("李四"));
    QCOMPARE(src.fieldIndex("LNGID"), src.fieldIndex("lngid"));
}

void BoundSourceTest::largeTableOpensWithoutReadingAllRows() {
    TempDatabase db;
    const int rows = 20000;
    QSqlDatabase c = database::connect();
    {
        QSqlQuery q(c);
        q.exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n "
                              "WHERE i<%1) INSERT INTO T_tourist_data(strName, strgroupid) "
                              "SELECT 'T'||i, 'G'||(i%7) FROM n")
                   .arg(rows));
    }
    database::release(c);
    BoundDataSource src;
    src.setRecordSource("T_tourist_data");
    QVERIFY(src.open());
    QCOMPARE(src.recordCount(), rows);
    QVERIFY(src.fetchedCount() <= BoundDataSource::kBlockSize);
    QVERIFY(src.canFetchMore());
    // Walking past the first block reads one more block, not the rest.
    for (int i = 0; i < BoundDataSource::kBlockSize; ++i)
        QVERIFY(src.moveNext());
    QVERIFY(src.fetchedCount() <= 2 * BoundDataSource::kBlockSize);
    // An added row is counted and listed once even though the open cursor could meet it.
    QVERIFY(src.addNew());
    src.setFieldValue("strName", "新客");
    QVERIFY(src.update());
    QCOMPARE(src.recordCount(), rows + 1);
    while (src.canFetchMore())
        src.fetchMore();
    QCOMPARE(src.rowCount(), rows + 1);
}

void BoundSourceTest::readOnlySourceRefusesEdits() {
    TempDatabase db;
    addRoutes(db, {"甲"});
    BoundDataSource src;
    src.setRecordSource("select count(*) as n from T_Line_BaseInfor");
    QVERIFY(src.open());
    QCOMPARE(src.fieldValue("n").toInt(), 1);
    src.setFieldValue("n", 5);
    QVERIFY(!src.update());
    QCOMPARE(db.errors().size(), 1);
}

void BoundSourceTest::partlyReadListLetsOthersWrite() {
    TempDatabase db;
    QStringList names;
    for (int i = 0; i < 3 * BoundDataSource::kBlockSize; ++i)
        names << QString::number(i);
    addRoutes(db, names);
    BoundDataSource list; // a long list, read only as far as its first block
    list.setRecordSource("T_Line_BaseInfor");
    QVERIFY(list.open());
    QVERIFY(list.canFetchMore());
    list.setFieldValue("strLineName", "列表里改的");
    QVERIFY(list.moveNext());

    // Another window's source writes while the list's cursor is still open, and back again.
    BoundDataSource editor;
    editor.setRecordSource("select * from T_Line_BaseInfor where lngid=?", {2});
    QVERIFY(editor.open());
    editor.setFieldValue("strLineName", "编辑器改的");
    QVERIFY(editor.update());
    list.setFieldValue("strLineName", "又改了");
    QVERIFY(list.update());
    QVERIFY(db.errors().isEmpty());
    QCOMPARE(db.query("SELECT strLineName FROM T_Line_BaseInfor WHERE lngid<=2 ORDER BY lngid"),
             (QStringList{"列表里改的", "又改了"}));
}

QTEST_GUILESS_MAIN(BoundSourceTest)
#include "test_boundsource.moc"
