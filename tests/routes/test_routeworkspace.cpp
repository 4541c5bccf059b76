// The route workspace: its trees, filtering by type and area, the popup menu and deleting.
#include "bounddatasource.h"
#include "datagrid.h"
#include "keyedtree.h"
#include "popupmenuhost.h"
#include "routeeditor.h"
#include "routefixture.h"
#include "routeworkspace.h"
#include "selectedrecordid.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QtTest>

namespace {

QStringList childNodes(KeyedTree *tree, const QString &rootKey) {
    QStringList nodes;
    QTreeWidgetItem *root = tree->node(rootKey);
    for (int i = 0; root && i < root->childCount(); ++i)
        nodes << KeyedTree::keyOf(root->child(i)) + "=" + root->child(i)->text(0);
    return nodes;
}

QImage image(const QIcon &icon, QIcon::Mode mode) {
    return icon.pixmap(16, mode).toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage resource(const QString &file) {
    return image(QIcon(":/icons/" + file), QIcon::Normal);
}

} // namespace

class RouteWorkspaceTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void fixedNodesTabsAndImages();
    void areaTreesFollowTheCodeTable_data();
    void areaTreesFollowTheCodeTable();
    void notesShowTheFirstRouteBeforeAnyClick();
    void nodeClickLists_data();
    void nodeClickLists();
    void sameNamedAreasListTheSameRoutes();
    void popupActsOnlyOnAShownRoute();
    void deleteAsksThenRereadsUnderTheFilter_data();
    void deleteAsksThenRereadsUnderTheFilter();
    void editorHandOverAndSaveShowUnderTheFilter();
    void openEditorKeepsItsTypingOnTheNextCommand();

private:
    // Routes of every kind the filters tell apart, one with an apostrophe in name and area.
    void addSampleRoutes();
    DataGrid *grid() const { return m_workspace->findChild<DataGrid *>("DataGrid1"); }
    void selectRow(int row);

    std::unique_ptr<RouteFixture> m_fx;
    RouteWorkspace *m_workspace = nullptr;
};

void RouteWorkspaceTest::init() {
    m_fx = std::make_unique<RouteFixture>();
    m_workspace = nullptr;
}

void RouteWorkspaceTest::cleanup() {
    m_fx.reset();
}

void RouteWorkspaceTest::addSampleRoutes() {
    m_fx->db().query("INSERT INTO T_B_Line_Type (LngID, strname) VALUES (7, ?)", {"港'澳线"});
    m_fx->addRoute({"江南水乡", "上海", "苏州", "华东线", "常规线路", "可用线路", "江南备注"});
    m_fx->addRoute({"黄山游", "上海", "黄山", "华东线", "临时线路", "不可用线路", "黄山备注"});
    m_fx->addRoute({"海南游", "广州", "三亚", "华南线", "常规线路", "可用线路", "海南备注"});
    m_fx->addRoute({"O'Brien之旅", "深圳", "香港", "港'澳线", "临时线路", "可用线路", "港澳备注"});
}

void RouteWorkspaceTest::selectRow(int row) {
    DataGrid *g = grid();
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {},
                      g->visualRect(g->model()->index(row, 0)).center());
    QCOMPARE(m_workspace->routes()->currentRow(), row);
}

void RouteWorkspaceTest::fixedNodesTabsAndImages() {
    m_workspace = m_fx->openWorkspace();
    QCOMPARE(m_workspace->windowTitle(), "线路管理");
    auto *tabs = m_workspace->findChild<QTabWidget *>("SSTab1");
    QCOMPARE(tabs->currentIndex(), 0);
    QStringList tabTexts;
    for (int i = 0; i < tabs->count(); ++i)
        tabTexts << tabs->tabText(i) + ":" + tabs->widget(i)->objectName();
    QCOMPARE(tabTexts, (QStringList{"本地:TreeView1", "同行:TreeView2", "组团:TreeView3"}));

    KeyedTree *byType = RouteFixture::tree(m_workspace, "TreeView1");
    QCOMPARE(byType->topLevelItemCount(), 1);
    QCOMPARE(byType->node("xianlu")->text(0), "本地线路");
    QVERIFY(byType->node("xianlu")->isExpanded());
    QCOMPARE(childNodes(byType, "xianlu"), (QStringList{"changguei=常规线路", "linshi=临时线路"}));
    QVERIFY(byType->node("xianlu")->icon(0).isNull());

    for (const auto &[name, rootText] :
         {std::pair{"TreeView2", "线路区域"}, std::pair{"TreeView3", "组团线区域"}}) {
        KeyedTree *tree = RouteFixture::tree(m_workspace, name);
        QTreeWidgetItem *root = tree->node("a");
        QCOMPARE(root->text(0), rootText);
        QVERIFY(root->isExpanded());
        QCOMPARE(image(root->icon(0), QIcon::Normal), resource("folder_window.png"));
        QCOMPARE(image(root->icon(0), QIcon::Selected), resource("folder_ticked.png"));
        QTreeWidgetItem *child = root->child(0);
        QCOMPARE(image(child->icon(0), QIcon::Normal), resource("folder_closed.png"));
        QCOMPARE(image(child->icon(0), QIcon::Selected), resource("folder_ticked.png"));
    }
}

void RouteWorkspaceTest::areaTreesFollowTheCodeTable_data() {
    QTest::addColumn<bool>("replaceRows");
    QTest::addColumn<QStringList>("rows"); // "LngID:strname"
    QTest::addColumn<QStringList>("nodes");
    QTest::newRow("seeded") << false << QStringList{}
                            << QStringList{"b1=华东线", "b2=华南线", "b3=西南线",
                                           "b4=东北线", "b5=港澳线", "b6=出境线"};
    QTest::newRow("empty table gives roots only") << true << QStringList{} << QStringList{};
    QTest::newRow("in LngID order") << true << QStringList{"20:甲线", "5:乙线", "12:丙线"}
                                    << QStringList{"b5=乙线", "b12=丙线", "b20=甲线"};
    QTest::newRow("duplicate names")
        << true << QStringList{"1:华东线", "2:华东线"} << QStringList{"b1=华东线", "b2=华东线"};
}

void RouteWorkspaceTest::areaTreesFollowTheCodeTable() {
    QFETCH(bool, replaceRows);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, nodes);
    if (replaceRows)
        m_fx->db().query("DELETE FROM T_B_Line_Type");
    for (const QString &row : rows) {
        const QStringList parts = row.split(':');
        m_fx->db().query("INSERT INTO T_B_Line_Type (LngID, strname) VALUES (?, ?)",
                         {parts[0].toInt(), parts[1]});
    }
    m_workspace = m_fx->openWorkspace();
    for (const char *name : {"TreeView2", "TreeView3"}) {
        KeyedTree *tree = RouteFixture::tree(m_workspace, name);
        QCOMPARE(tree->topLevelItemCount(), 1);
        QCOMPARE(childNodes(tree, "a"), nodes);
    }
}

void RouteWorkspaceTest::notesShowTheFirstRouteBeforeAnyClick() {
    addSampleRoutes();
    m_workspace = m_fx->openWorkspace();
    QCOMPARE(RouteFixture::listed(grid()), QStringList{});
    auto *notes = m_workspace->findChild<QPlainTextEdit *>("Text1");
    QCOMPARE(notes->toPlainText(), "江南备注");
    QVERIFY(!notes->isEnabled());
    QCOMPARE(notes->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(notes->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(notes->palette().color(QPalette::Disabled, QPalette::Base), QColor(Qt::white));
}

void RouteWorkspaceTest::nodeClickLists_data() {
    QTest::addColumn<QString>("tree");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QStringList>("routes");
    QTest::addColumn<QString>("notes");
    QTest::newRow("regular") << "TreeView1"
                             << "changguei" << QStringList{"江南水乡", "海南游"} << "江南备注";
    QTest::newRow("temporary") << "TreeView1"
                               << "linshi" << QStringList{"黄山游", "O'Brien之旅"} << "黄山备注";
    QTest::newRow("area, peer tab") << "TreeView2"
                                    << "b1" << QStringList{"江南水乡", "黄山游"} << "江南备注";
    QTest::newRow("area, group tab") << "TreeView3"
                                     << "b1" << QStringList{"江南水乡", "黄山游"} << "江南备注";
    QTest::newRow("apostrophe, peer tab") << "TreeView2"
                                          << "b7" << QStringList{"O'Brien之旅"} << "港澳备注";
    QTest::newRow("apostrophe, group tab") << "TreeView3"
                                           << "b7" << QStringList{"O'Brien之旅"} << "港澳备注";
    QTest::newRow("area without routes") << "TreeView2"
                                         << "b6" << QStringList{} << "";
    QTest::newRow("root 本地线路") << "TreeView1"
                                   << "xianlu" << QStringList{} << "";
    QTest::newRow("root 线路区域") << "TreeView2"
                                   << "a" << QStringList{} << "";
    QTest::newRow("root 组团线区域") << "TreeView3"
                                     << "a" << QStringList{} << "";
}

void RouteWorkspaceTest::nodeClickLists() {
    QFETCH(QString, tree);
    QFETCH(QString, key);
    QFETCH(QStringList, routes);
    QFETCH(QString, notes);
    addSampleRoutes();
    m_workspace = m_fx->openWorkspace();
    KeyedTree *t = RouteFixture::tree(m_workspace, tree);
    RouteFixture::clickNode(t, key);
    QCOMPARE(RouteFixture::listed(grid()), routes);
    QCOMPARE(m_workspace->findChild<QLineEdit *>("Text2")->text(), t->node(key)->text(0));
    QCOMPARE(m_workspace->findChild<QPlainTextEdit *>("Text1")->toPlainText(), notes);
    QCOMPARE(m_fx->db().errors(), QStringList{});
    QCOMPARE(m_fx->messages()->texts(), QStringList{});

    QStringList headings;
    for (int c = 0; c < grid()->model()->columnCount(); ++c)
        headings << grid()->model()->headerData(c, Qt::Horizontal).toString();
    QCOMPARE(headings,
             (QStringList{"线路名称", "始发地", "目的地", "线路区域", "线路等级", "是否可以组团"}));
}

void RouteWorkspaceTest::sameNamedAreasListTheSameRoutes() {
    m_fx->db().query("INSERT INTO T_B_Line_Type (LngID, strname) VALUES (9, '华东线')");
    addSampleRoutes();
    m_workspace = m_fx->openWorkspace();
    KeyedTree *tree = RouteFixture::tree(m_workspace, "TreeView2");
    RouteFixture::clickNode(tree, "b1");
    const QStringList first = RouteFixture::listed(grid());
    RouteFixture::clickNode(tree, "b9");
    QCOMPARE(RouteFixture::listed(grid()), first);
    QCOMPARE(first, (QStringList{"江南水乡", "黄山游"}));
}

void RouteWorkspaceTest::popupActsOnlyOnAShownRoute() {
    addSampleRoutes();
    m_workspace = m_fx->openWorkspace();
    PopupMenuHost *popup = m_workspace->popup();
    QCOMPARE(popup->objectName(), "Form25");
    QCOMPARE(popup->windowTitle(), "线路");
    QVERIFY(!popup->isVisible());
    QStringList entries;
    for (QAction *a : popup->menu()->actions())
        entries << a->objectName() + "=" + a->text();
    QCOMPARE(entries,
             (QStringList{"xinjianxianlu=新建线路", "editxianlu=编辑线路", "delxianlu=删除线路"}));

    auto rightClick = [this] {
        QTest::mousePress(grid()->viewport(), Qt::RightButton, {}, QPoint(20, 20));
        QTRY_VERIFY(m_workspace->popup()->menu()->isVisible());
        m_workspace->popup()->menu()->hide();
    };
    auto recordItemsEnabled = [popup] {
        return popup->item("editxianlu")->isEnabled() && popup->item("delxianlu")->isEnabled();
    };

    // Before the first click the source stands on a route the empty list does not show.
    rightClick();
    QVERIFY(!recordItemsEnabled());
    QVERIFY(popup->item("xinjianxianlu")->isEnabled());
    QCOMPARE(m_fx->choose(m_workspace, "editxianlu"), nullptr);
    m_fx->choose(m_workspace, "delxianlu");
    QCOMPARE(m_fx->messages()->texts(), QStringList{});
    QCOMPARE(m_fx->db().count("T_Line_BaseInfor"), 4);

    RouteFixture::clickNode(RouteFixture::tree(m_workspace, "TreeView1"), "linshi");
    rightClick();
    QVERIFY(recordItemsEnabled());

    RouteFixture::clickNode(RouteFixture::tree(m_workspace, "TreeView1"), "xianlu");
    rightClick();
    QVERIFY(!recordItemsEnabled());

    QTest::mousePress(grid()->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    QVERIFY(!popup->menu()->isVisible());
}

void RouteWorkspaceTest::deleteAsksThenRereadsUnderTheFilter_data() {
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QStringList>("listedAfter");
    QTest::addColumn<int>("storedAfter");
    QTest::newRow("OK") << true << QStringList{"江南水乡"} << 3;
    QTest::newRow("Cancel") << false << QStringList{"江南水乡", "黄山游"} << 4;
}

void RouteWorkspaceTest::deleteAsksThenRereadsUnderTheFilter() {
    QFETCH(bool, answer);
    QFETCH(QStringList, listedAfter);
    QFETCH(int, storedAfter);
    addSampleRoutes();
    m_workspace = m_fx->openWorkspace();
    RouteFixture::clickNode(RouteFixture::tree(m_workspace, "TreeView3"), "b1");
    selectRow(1);
    m_fx->messages()->answers = {answer};
    m_fx->choose(m_workspace, "delxianlu");

    QCOMPARE(m_fx->messages()->shown.size(), 1);
    const MessageRecorder::Shown asked = m_fx->messages()->shown.first();
    QCOMPARE(asked.text, "确定删除记录吗?");
    QCOMPARE(asked.title, "删除！");
    QCOMPARE(asked.buttons, MessageRequest::Buttons::OkCancel);
    QCOMPARE(asked.icon, MessageRequest::Icon::Question);
    QCOMPARE(RouteFixture::listed(grid()), listedAfter);
    QCOMPARE(m_fx->db().count("T_Line_BaseInfor"), storedAfter);
    QCOMPARE(m_fx->db().query("SELECT count(*) FROM T_Line_BaseInfor WHERE strLineName='黄山游'"),
             QStringList{answer ? "0" : "1"});
}

void RouteWorkspaceTest::editorHandOverAndSaveShowUnderTheFilter() {
    addSampleRoutes();
    m_workspace = m_fx->openWorkspace();
    RouteFixture::clickNode(RouteFixture::tree(m_workspace, "TreeView2"), "b1");
    selectRow(1);
    QCOMPARE(m_workspace->findChild<QPlainTextEdit *>("Text1")->toPlainText(), "黄山备注");
    const QString id = m_workspace->routes()->fieldText("lngid");

    RouteEditor *editor = m_fx->choose(m_workspace, "editxianlu");
    QVERIFY(editor);
    QCOMPARE(SelectedRecordId::get(), id);
    QCOMPARE(editor->findChild<QLineEdit *>("Text1")->text(), "黄山游");
    RouteFixture::type(editor, "Text1", "黄山二日游");
    RouteFixture::click(editor, "Command2");
    QCOMPARE(m_fx->messages()->texts(), QStringList{"线路添加成功"});
    QCOMPARE(RouteFixture::listed(grid()), (QStringList{"江南水乡", "黄山二日游"}));

    // Moving the route to another area takes it off this area's list.
    selectRow(1);
    editor = m_fx->choose(m_workspace, "editxianlu");
    RouteFixture::type(editor, "Combo1", "华南线");
    RouteFixture::click(editor, "Command2");
    QCOMPARE(RouteFixture::listed(grid()), QStringList{"江南水乡"});

    // A new command after an edit opens the editor empty.
    editor = m_fx->choose(m_workspace, "xinjianxianlu");
    QVERIFY(editor);
    QCOMPARE(SelectedRecordId::get(), QString());
    QCOMPARE(editor->findChild<QLineEdit *>("Text1")->text(), QString());
    QVERIFY(editor->isNewMode());
}

void RouteWorkspaceTest::openEditorKeepsItsTypingOnTheNextCommand() {
    addSampleRoutes();
    m_workspace = m_fx->openWorkspace();
    RouteFixture::clickNode(RouteFixture::tree(m_workspace, "TreeView2"), "b1");
    RouteEditor *editor = m_fx->choose(m_workspace, "editxianlu");
    RouteFixture::type(editor, "Text8", "江南");
    selectRow(1);
    QCOMPARE(m_fx->choose(m_workspace, "editxianlu"), editor);
    QCOMPARE(m_fx->choose(m_workspace, "xinjianxianlu"), editor);
    QCOMPARE(editor->findChild<QLineEdit *>("Text1")->text(), "江南水乡");
    QCOMPARE(editor->findChild<QLineEdit *>("Text8")->text(), "江南");
    int editors = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        editors += w->objectName() == "Form11";
    QCOMPARE(editors, 1);
}

QTEST_MAIN(RouteWorkspaceTest)
#include "test_routeworkspace.moc"
