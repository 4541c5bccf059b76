#include "groupworkspace.h"

#include "areatree.h"
#include "bounddatasource.h"
#include "datagrid.h"
#include "filteredlist.h"
#include "groupeditor.h"
#include "groupsearch.h"
#include "keyedtree.h"
#include "messages.h"
#include "popupmenuhost.h"
#include "selectedrecordid.h"
#include "twips.h"
#include "windowhost.h"

#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

GroupWorkspace::GroupWorkspace(QWidget *parent)
    : QWidget(parent), m_source(new BoundDataSource(this)), m_tree(new KeyedTree(this)),
      m_grid(new DataGrid(this)), m_popup(new PopupMenuHost(QStringLiteral("Form74"), this)) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("团队计调"));
    m_source->setObjectName(QStringLiteral("Adodc1"));
    m_tree->setObjectName(QStringLiteral("TreeView1"));
    m_grid->setObjectName(QStringLiteral("DataGrid1"));
    m_popup->setWindowTitle(QStringLiteral("团队计调"));
    m_list = new FilteredList(m_source, m_grid,
                              {{"团队编号", "strGroupID"},
                               {"线路名称", "strLineName"},
                               {"线路区域", "strLineAreaName"},
                               {"等级", "strGroupDegree"},
                               {"出团时间", "dtBeginTime"},
                               {"回团时间", "dtEndTime"}},
                              this);

    auto *lastNode = new QLineEdit(this); // the text of the last clicked node
    lastNode->setObjectName(QStringLiteral("Text1"));
    lastNode->hide();
    auto *frame = new QGroupBox(QStringLiteral("团队列表"), this);
    frame->setObjectName(QStringLiteral("Frame3"));
    auto *frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(m_grid);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_tree, 1);
    layout->addWidget(frame, 3);
    setFixedTwips(this, 11400, 6600);

    m_popup->addItem(QStringLiteral("add"), QStringLiteral("新建团队"));
    m_popup->addItem(QStringLiteral("edit"), QStringLiteral("修改团队"));
    m_popup->addItem(QStringLiteral("del"), QStringLiteral("删除团队"));
    m_popup->addItem(QStringLiteral("find"), QStringLiteral("团队查询"));
    connect(m_popup->item(QStringLiteral("add")), &QAction::triggered, this,
            &GroupWorkspace::newGroup);
    connect(m_popup->item(QStringLiteral("edit")), &QAction::triggered, this,
            &GroupWorkspace::editGroup);
    connect(m_popup->item(QStringLiteral("del")), &QAction::triggered, this,
            &GroupWorkspace::deleteGroup);
    connect(m_popup->item(QStringLiteral("find")), &QAction::triggered, this,
            &GroupWorkspace::findGroups);
    m_list->attachPopup(m_popup, {QStringLiteral("edit"), QStringLiteral("del")});
    connect(m_tree, &KeyedTree::nodeClicked, this,
            [this, lastNode](const QString &, const QString &text) {
                lastNode->setText(text);
                showArea(text);
            });

    m_source->setRecordSource(QStringLiteral("select * from T_Group_BaseInfor"));
    m_source->open();
    fillAreaTree(m_tree, QStringLiteral("线路列表"));
}

// The root's text names no area, so clicking it lists nothing.
void GroupWorkspace::showArea(const QString &text) {
    m_list->setFilter(QStringLiteral("select * from T_Group_BaseInfor where strLineAreaName=?"),
                      {text});
}

void GroupWorkspace::reread() {
    m_list->reread();
}

void GroupWorkspace::newGroup() {
    SelectedRecordId::clear();
    RecordEditor::open(new GroupEditor);
}

void GroupWorkspace::editGroup() {
    if (m_list->selectShownRecord())
        RecordEditor::open(new GroupEditor);
}

// The row leaves the list at once; the list is not read again.
void GroupWorkspace::deleteGroup() {
    if (m_list->hasShownRecord() && Messages::askDelete())
        m_source->deleteCurrent();
}

void GroupWorkspace::findGroups() {
    auto *search = new GroupSearch;
    WindowHost::showSeparate(search);
    centre(search, this);
}
