#include "routefixture.h"

#include "keyedtree.h"
#include "popupmenuhost.h"
#include "routeeditor.h"
#include "routeworkspace.h"
#include "windowhost.h"

#include "leftoverwindows.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

RouteFixture::RouteFixture()
    : m_db(std::make_unique<TempDatabase>()), m_messages(MessageRecorder::install()) {}

RouteFixture::~RouteFixture() {
    deleteTopLevelWindows();
    MessageRecorder::uninstall();
}

QString RouteFixture::addRoute(const Route &r) {
    m_db->query("INSERT INTO T_Line_BaseInfor (strLineName, strBeginCityName, strEndCityName, "
                "strLineAreaName, strLineType, BitlineState, LineAddMemo) "
                "VALUES (?, ?, ?, ?, ?, ?, ?)",
                {r.name, r.begin, r.end, r.area, r.type, r.state, r.memo});
    return m_db->query("SELECT max(lngid) FROM T_Line_BaseInfor").value(0);
}

QStringList RouteFixture::storedRoutes() const {
    return m_db->query("SELECT ifnull(strLineName, '') || '|' || ifnull(strBeginCityName, '') "
                       "|| '|' || ifnull(strEndCityName, '') || '|' || ifnull(strLineAreaName, '') "
                       "|| '|' || ifnull(strLineType, '') || '|' || ifnull(BitlineState, '') "
                       "FROM T_Line_BaseInfor ORDER BY lngid");
}

RouteWorkspace *RouteFixture::openWorkspace() {
    auto *workspace = new RouteWorkspace;
    WindowHost::showChild(workspace);
    return workspace;
}

RouteEditor *RouteFixture::choose(RouteWorkspace *workspace, const QString &item) {
    workspace->popup()->item(item)->trigger();
    return WindowHost::findAs<RouteEditor>("Form11");
}

KeyedTree *RouteFixture::tree(RouteWorkspace *workspace, const QString &name) {
    return workspace->findChild<KeyedTree *>(name);
}

void RouteFixture::clickNode(KeyedTree *tree, const QString &key) {
    auto *tabs = tree->window()->findChild<QTabWidget *>("SSTab1");
    tabs->setCurrentIndex(tabs->indexOf(tree));
    QTreeWidgetItem *node = tree->node(key);
    QVERIFY(node);
    tree->scrollToItem(node);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(node).center());
}

QStringList RouteFixture::listed(QAbstractItemView *grid) {
    QStringList names;
    for (int row = 0; grid->model() && row < grid->model()->rowCount(); ++row)
        names << grid->model()->index(row, 0).data().toString();
    return names;
}

void RouteFixture::type(QWidget *window, const QString &control, const QString &text) {
    QWidget *w = window->findChild<QWidget *>(control);
    QVERIFY2(w, qPrintable(control));
    QLineEdit *edit = qobject_cast<QLineEdit *>(w);
    if (auto *box = qobject_cast<QComboBox *>(w))
        edit = box->lineEdit();
    QVERIFY2(edit, qPrintable(control));
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QInputMethodEvent typing; // Chinese is typed through the input method
    typing.setCommitString(text);
    QApplication::sendEvent(edit, &typing);
    QCOMPARE(edit->text(), text);
}

void RouteFixture::click(QWidget *window, const QString &button) {
    auto *b = window->findChild<QPushButton *>(button);
    QVERIFY2(b, qPrintable(button));
    QTest::mouseClick(b, Qt::LeftButton);
}
