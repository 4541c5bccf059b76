// Group workspace, group editor and group search: area filter, the editor's checks and
// modes, re-reading the workspace, delete, and contains-searches on group numbers.
#include "bounddatasource.h"
#include "groupeditor.h"
#include "groupfixtures.h"
#include "groupsearch.h"
#include "groupworkspace.h"
#include "keyedtree.h"
#include "messagerecorder.h"
#include "popupmenuhost.h"
#include "selectedrecordid.h"
#include "windowhost.h"

#include "leftoverwindows.h"

#include <QAction>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

class GroupWorkspaceTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void areaNodesFilterTheList();
    void confirmChecksInOrder_data();
    void confirmChecksInOrder();
    void newGroupIsSavedAndListed();
    void addInNewModeLeavesExistingUnchanged();
    void editModeListsStoredValuesFirst();
    void deleteAsksFirst_data();
    void deleteAsksFirst();
    void searchContains_data();
    void searchContains();

private:
    void clickArea(const QString &key);
    QStringList listed(BoundDataSource *source) const;
    GroupEditor *openEditor(const QString &id = QString());

    std::unique_ptr<TempDatabase> m_db;
    MessageRecorder *m_rec = nullptr;
    QPointer<GroupWorkspace> m_workspace;
};

void GroupWorkspaceTest::init() {
    m_db = std::make_unique<TempDatabase>();
    addGroup(*m_db, "HD-01", "可报名", "2024-05-01 00:00:00", "华东线");
    addGroup(*m_db, "HN-10", "可报名", {}, "华南线");
    addGroup(*m_db, "HD-01", "已出团", {}, "华东线"); // numbers may repeat
    addGroup(*m_db, "X'100%", "已回团", {}, "无此区域");
    m_db->query("INSERT INTO T_Line_BaseInfor(strLineName) VALUES ('江南五日游')");
    m_rec = MessageRecorder::install();
    m_workspace = new GroupWorkspace;
    WindowHost::showSeparate(m_workspace);
}

void GroupWorkspaceTest::cleanup() {
    deleteTopLevelWindows();
    MessageRecorder::uninstall();
    m_db.reset();
}

void GroupWorkspaceTest::clickArea(const QString &key) {
    KeyedTree *tree = m_workspace->tree();
    QTreeWidgetItem *node = tree->node(key);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(node).center());
}

QStringList GroupWorkspaceTest::listed(BoundDataSource *source) const {
    QStringList numbers;
    for (bool more = source->moveFirst(); more; more = source->moveNext())
        numbers << source->fieldText("strGroupID") + "/" + source->fieldText("intGroupState");
    return numbers;
}

GroupEditor *GroupWorkspaceTest::openEditor(const QString &id) {
    SelectedRecordId::set(id);
    return static_cast<GroupEditor *>(RecordEditor::open(new GroupEditor));
}

void GroupWorkspaceTest::areaNodesFilterTheList() {
    KeyedTree *tree = m_workspace->tree();
    QCOMPARE(tree->topLevelItem(0)->text(0), "线路列表");
    QCOMPARE(tree->topLevelItem(0)->childCount(), 6);
    QCOMPARE(tree->topLevelItem(0)->child(0)->text(0), "华东线");
    clickArea(KeyedTree::keyOf(tree->topLevelItem(0)->child(0)));
    QCOMPARE(listed(m_workspace->source()), (QStringList{"HD-01/可报名", "HD-01/已出团"}));
    QCOMPARE(m_workspace->findChild<QLineEdit *>("Text1")->text(), "华东线");
    clickArea("a");
    QCOMPARE(m_workspace->source()->recordCount(), 0);
}

void GroupWorkspaceTest::confirmChecksInOrder_data() {
    QTest::addColumn<QStringList>("emptied");
    QTest::addColumn<QString>("message");
    QTest::newRow("route and number") << QStringList{"Combo5", "Text6"} << "请填写线路名称";
    QTest::newRow("number and area") << QStringList{"Text6", "Combo4"} << "团队编号不能为空";
    QTest::newRow("area and salesperson") << QStringList{"Combo4", "Text10"} << "线路区域不能为空";
    QTest::newRow("salesperson and capacity") << QStringList{"Text10", "Text13"} << "请填写业务员";
    QTest::newRow("capacity") << QStringList{"Text13"} << "请填写报名最大人数";
}

void GroupWorkspaceTest::confirmChecksInOrder() {
    QFETCH(QStringList, emptied);
    QFETCH(QString, message);
    GroupEditor *editor = openEditor();
    QApplication::setActiveWindow(editor);
    editor->findChild<QLineEdit *>("Text6")->setText("HD-09");
    editor->findChild<QLineEdit *>("Text10")->setText("李");
    editor->findChild<QLineEdit *>("Text13")->setText("30");
    for (const QString &name : emptied) {
        if (auto *box = editor->findChild<QComboBox *>(name))
            box->setCurrentText("");
        else
            editor->findChild<QLineEdit *>(name)->clear();
    }
    editor->findChild<QPushButton *>("Command2")->click();
    QCOMPARE(m_rec->texts(), QStringList{message});
    QCOMPARE(QApplication::focusWidget()->objectName(), emptied.first());
    QCOMPARE(m_db->count("T_Group_BaseInfor"), 4);
}

void GroupWorkspaceTest::newGroupIsSavedAndListed() {
    clickArea("b1");
    m_workspace->popup()->item("add")->trigger();
    auto *editor = WindowHost::findAs<GroupEditor>("Form73");
    QVERIFY(editor);
    QCOMPARE(editor->findChild<QComboBox *>("Combo6")->currentText(), "可报名");
    QCOMPARE(editor->findChild<QComboBox *>("Combo4")->currentText(), "华东线");
    editor->findChild<QLineEdit *>("Text6")->setText("HD-01"); // a repeated number is accepted
    editor->findChild<QLineEdit *>("Text10")->setText("王芳");
    editor->findChild<QLineEdit *>("Text13")->setText("35");
    editor->findChild<QDateEdit *>("DTPicker1")->setDate(QDate(2024, 6, 1));
    editor->findChild<QDateEdit *>("DTPicker2")->setDate(QDate(2024, 5, 30)); // before: accepted
    editor->findChild<QPushButton *>("Command2")->click();
    QCOMPARE(m_rec->texts(), QStringList{"信息已添加！"});
    QCOMPARE(listed(m_workspace->source()),
             (QStringList{"HD-01/可报名", "HD-01/已出团", "HD-01/可报名"}));
    QCOMPARE(m_db->query("SELECT strLineName || '|' || dtBeginTime || '|' || dtEndTime || '|' || "
                         "intMaxNum FROM T_Group_BaseInfor WHERE lngid=5"),
             QStringList{"江南五日游|2024-06-01 00:00:00|2024-05-30 00:00:00|35"});
}

void GroupWorkspaceTest::addInNewModeLeavesExistingUnchanged() {
    const QString all = "SELECT group_concat(strGroupID || strLineName || strLineAreaName || "
                        "ifnull(strGroupDegree, '-') || intGroupState, ';') FROM T_Group_BaseInfor";
    const QStringList stored = m_db->query(all);
    GroupEditor *editor = openEditor();
    editor->findChild<QPushButton *>("Command1")->click();
    QCOMPARE(m_db->query(all), stored);
    QCOMPARE(editor->findChild<QComboBox *>("Combo5")->currentText(), "");
    QCOMPARE(editor->findChild<QComboBox *>("Combo6")->currentText(), "");
}

void GroupWorkspaceTest::editModeListsStoredValuesFirst() {
    m_db->query("UPDATE T_Group_BaseInfor SET strGroupDegree=' 经济团 ' WHERE lngid=2");
    GroupEditor *editor = openEditor("2");
    auto entries = [editor](const char *name) {
        QStringList items;
        auto *box = editor->findChild<QComboBox *>(name);
        for (int i = 0; i < box->count(); ++i)
            items << box->itemText(i);
        return items;
    };
    QCOMPARE(editor->findChild<QLineEdit *>("Text6")->text(), "HN-10");
    QCOMPARE(entries("Combo1").first(), "经济团");
    QCOMPARE(entries("Combo4").first(), "华南线");
    QCOMPARE(entries("Combo6"), (QStringList{"可报名", "已出团", "已回团", "可报名"}));
    pick(editor->findChild<QComboBox *>("Combo6"), "已回团");
    editor->findChild<QPushButton *>("Command2")->click();
    QCOMPARE(m_db->query("SELECT intGroupState FROM T_Group_BaseInfor WHERE lngid=2"),
             QStringList{"已回团"});
}

void GroupWorkspaceTest::deleteAsksFirst_data() {
    QTest::addColumn<bool>("answer");
    QTest::addColumn<int>("remaining");
    QTest::newRow("cancel") << false << 4;
    QTest::newRow("ok") << true << 3;
}

void GroupWorkspaceTest::deleteAsksFirst() {
    QFETCH(bool, answer);
    QFETCH(int, remaining);
    addRegistration(*m_db, "HN-10", "李明", 55, 0);
    clickArea("b2");
    m_rec->answers = {answer};
    m_workspace->popup()->item("del")->trigger();
    QCOMPARE(m_rec->shown.size(), 1);
    QCOMPARE(m_rec->shown.first().text, "确定删除记录吗?");
    QCOMPARE(m_rec->shown.first().title, "删除！");
    QCOMPARE(m_db->count("T_Group_BaseInfor"), remaining);
    QCOMPARE(m_workspace->source()->recordCount(), remaining - 3);
    QCOMPARE(m_db->count("T_tourist_data"), 1);
}

void GroupWorkspaceTest::searchContains_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("empty lists all") << "" << QStringList{"HD-01", "HN-10", "HD-01", "X'100%"};
    QTest::newRow("digit 0") << "0" << QStringList{"HD-01", "HN-10", "HD-01", "X'100%"};
    QTest::newRow("case ignored") << "hd" << QStringList{"HD-01", "HD-01"};
    QTest::newRow("apostrophe") << "X'1" << QStringList{"X'100%"};
    QTest::newRow("percent matches itself") << "%" << QStringList{"X'100%"};
    QTest::newRow("underscore matches itself") << "_" << QStringList{};
}

void GroupWorkspaceTest::searchContains() {
    QFETCH(QString, text);
    QFETCH(QStringList, listed);
    m_workspace->popup()->item("find")->trigger();
    auto *search = WindowHost::findAs<GroupSearch>("Form16");
    QVERIFY(search);
    QCOMPARE(search->source()->recordCount(), 4);
    QTest::keyClicks(search->findChild<QLineEdit *>("Text1"), text);
    QTest::keyClick(search->findChild<QLineEdit *>("Text1"), Qt::Key_Return);
    QStringList numbers;
    for (bool more = search->source()->moveFirst(); more; more = search->source()->moveNext())
        numbers << search->source()->fieldText("strGroupID");
    QCOMPARE(numbers, listed);
    QVERIFY(m_db->errors().isEmpty() && m_rec->shown.isEmpty());
}

QTEST_MAIN(GroupWorkspaceTest)
#include "test_groupworkspace.moc"
