#include "groupsearch.h"

#include "bounddatasource.h"
#include "datagrid.h"
#include "defaultbutton.h"
#include "likepattern.h"
#include "twips.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

GroupSearch::GroupSearch(QWidget *parent) : QDialog(parent), m_source(new BoundDataSource(this)) {
    setObjectName(QStringLiteral("Form16"));
    setWindowTitle(QStringLiteral("团队查询"));
    m_source->setObjectName(QStringLiteral("Adodc1"));
    auto *caption = new QLabel(QStringLiteral("团队编号:"), this);
    caption->setObjectName(QStringLiteral("Label1"));
    auto *text = new QLineEdit(this);
    text->setObjectName(QStringLiteral("Text1"));
    caption->setBuddy(text);
    auto *find = new QPushButton(QStringLiteral("查询"), this);
    find->setObjectName(QStringLiteral("Command1"));
    setDefaultButton(find, this);
    auto *grid = new DataGrid(this);
    grid->setObjectName(QStringLiteral("DataGrid1"));

    auto *layout = new QGridLayout(this);
    layout->addWidget(caption, 0, 0);
    layout->addWidget(text, 0, 1);
    layout->addWidget(find, 0, 2);
    layout->addWidget(grid, 1, 0, 1, 3);
    setFixedTwips(this, 7500, 5250);

    m_source->setRecordSource(QStringLiteral("select * from T_Group_BaseInfor"));
    m_source->open();
    grid->setSource(m_source, {{"团队编号", "strGroupID"},
                               {"所属线路", "strLineName"},
                               {"团队等级", "strGroupDegree"},
                               {"团队状态", "intGroupState"}});
    connect(find, &QPushButton::clicked, this, &GroupSearch::search);
}

void GroupSearch::search() {
    const QString text = findChild<QLineEdit *>(QStringLiteral("Text1"))->text();
    m_source->setCommandKind(BoundDataSource::CommandKind::Text);
    if (text.isEmpty())
        m_source->setRecordSource(QStringLiteral("select * from T_Group_BaseInfor"));
    else
        m_source->setRecordSource(QStringLiteral("select * from T_Group_BaseInfor where ") +
                                      likepattern::condition(QStringLiteral("StrGroupID")),
                                  {likepattern::containing(text)});
    m_source->refresh();
}
