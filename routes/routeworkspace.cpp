#include "routeworkspace.h"

#include "areatree.h"
#include "bounddatasource.h"
#include "datagrid.h"
#include "fieldbinder.h"
#include "filteredlist.h"
#include "keyedtree.h"
#include "popupmenuhost.h"
#include "recordeditor.h"
#include "routeeditor.h"
#include "selectedrecordid.h"
#include "twips.h"

#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const QString kAllRoutes = QStringLiteral("select * from T_Line_BaseInfor");

const QVector<GridColumn> kColumns = {
    {QStringLiteral("线路名称"), QStringLiteral("strLineName")},
    {QStringLiteral("始发地"), QStringLiteral("strBeginCityName")},
    {QStringLiteral("目的地"), QStringLiteral("strEndCityName")},
    {QStringLiteral("线路区域"), QStringLiteral("strLineAreaName")},
    {QStringLiteral("线路等级"), QStringLiteral("strLineDegree")},
    {QStringLiteral("是否可以组团"), QStringLiteral("BitlineState")},
};

} // namespace

RouteWorkspace::RouteWorkspace(QWidget *parent)
    : QWidget(parent), m_routes(new BoundDataSource(this)), m_grid(new DataGrid(this)),
      m_list(new FilteredList(m_routes, m_grid, kColumns, this)), m_notes(new QPlainTextEdit(this)),
      m_lastNode(new QLineEdit(this)), m_popup(new PopupMenuHost(QStringLiteral("Form25"), this)) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("线路管理"));
    setFixedTwips(this, 11400, 7200);

    auto *tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("SSTab1"));
    m_byType = addTree(QStringLiteral("TreeView1"));
    m_byArea = addTree(QStringLiteral("TreeView2"));
    m_byGroupArea = addTree(QStringLiteral("TreeView3"));
    tabs->addTab(m_byType, QStringLiteral("本地"));
    tabs->addTab(m_byArea, QStringLiteral("同行"));
    tabs->addTab(m_byGroupArea, QStringLiteral("组团"));
    tabs->setFixedWidth(twips(3000));

    auto *listFrame = new QGroupBox(QStringLiteral("线路列表"), this);
    listFrame->setObjectName(QStringLiteral("Frame2"));
    m_grid->setObjectName(QStringLiteral("DataGrid1"));
    m_grid->setAccessibleName(listFrame->title());
    (new QVBoxLayout(listFrame))->addWidget(m_grid);

    auto *notesFrame = new QGroupBox(QStringLiteral("线路行程报价详细说明"), this);
    notesFrame->setObjectName(QStringLiteral("Frame3"));
    m_notes->setObjectName(QStringLiteral("Text1"));
    m_notes->setAccessibleName(notesFrame->title());
    m_notes->setEnabled(false);
    m_notes->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_notes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_notes->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette white = m_notes->palette();
    white.setColor(QPalette::Disabled, QPalette::Base, Qt::white);
    m_notes->setPalette(white);
    (new QVBoxLayout(notesFrame))->addWidget(m_notes);

    m_lastNode->setObjectName(QStringLiteral("Text2"));
    m_lastNode->hide();
    m_routes->setObjectName(QStringLiteral("Adodc1"));

    auto *right = new QVBoxLayout;
    right->addWidget(listFrame, 3);
    right->addWidget(notesFrame, 2);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(tabs);
    layout->addLayout(right);

    m_popup->setWindowTitle(QStringLiteral("线路"));
    connect(m_popup->addItem(QStringLiteral("xinjianxianlu"), QStringLiteral("新建线路")),
            &QAction::triggered, this, &RouteWorkspace::newRoute);
    connect(m_popup->addItem(QStringLiteral("editxianlu"), QStringLiteral("编辑线路")),
            &QAction::triggered, this, &RouteWorkspace::editRoute);
    connect(m_popup->addItem(QStringLiteral("delxianlu"), QStringLiteral("删除线路")),
            &QAction::triggered, this, &RouteWorkspace::deleteRoute);
    m_list->attachPopup(m_popup, {QStringLiteral("editxianlu"), QStringLiteral("delxianlu")});

    // The notes follow the source from the start: before the first node click they show the
    // first route of the whole table while the list is still empty.
    (new FieldBinder(m_routes, this))->bind(m_notes, QStringLiteral("LineAddMemo"));
    m_routes->setRecordSource(kAllRoutes);
    m_routes->open();
    buildTrees();
    tabs->setCurrentIndex(0);
}

KeyedTree *RouteWorkspace::addTree(const QString &name) {
    auto *tree = new KeyedTree(this);
    tree->setObjectName(name);
    return tree;
}

void RouteWorkspace::buildTrees() {
    fillAreaTree(m_byArea, QStringLiteral("线路区域"));
    fillAreaTree(m_byGroupArea, QStringLiteral("组团线区域"));

    m_byType->addNode({}, QStringLiteral("xianlu"), QStringLiteral("本地线路"));
    m_byType->addNode(QStringLiteral("xianlu"), QStringLiteral("changguei"),
                      QStringLiteral("常规线路"));
    m_byType->addNode(QStringLiteral("xianlu"), QStringLiteral("linshi"),
                      QStringLiteral("临时线路"));
    m_byType->node(QStringLiteral("xianlu"))->setExpanded(true);
    m_byType->setRootIsDecorated(true);

    connect(m_byType, &KeyedTree::nodeClicked, this, [this](const QString &, const QString &text) {
        listRoutes(QStringLiteral("strLineType"), text);
    });
    for (KeyedTree *areaTree : {m_byArea, m_byGroupArea}) {
        connect(areaTree, &KeyedTree::nodeClicked, this,
                [this](const QString &, const QString &text) {
                    listRoutes(QStringLiteral("strLineAreaName"), text);
                });
    }
}

void RouteWorkspace::listRoutes(const QString &column, const QString &nodeText) {
    m_lastNode->setText(nodeText);
    m_list->setFilter(kAllRoutes + QStringLiteral(" where %1=?").arg(column), {nodeText});
}

void RouteWorkspace::rereadRoutes() {
    m_list->reread();
}

void RouteWorkspace::newRoute() {
    SelectedRecordId::clear();
    RecordEditor::open(new RouteEditor);
}

void RouteWorkspace::editRoute() {
    if (m_list->selectShownRecord())
        RecordEditor::open(new RouteEditor);
}

void RouteWorkspace::deleteRoute() {
    m_list->deleteShownRecord();
}
