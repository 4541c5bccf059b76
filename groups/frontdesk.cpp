#include "frontdesk.h"

#include "bounddatasource.h"
#include "datagrid.h"
#include "fieldbinder.h"
#include "groupeditor.h"
#include "popupmenuhost.h"
#include "registrationwindow.h"
#include "selectedrecordid.h"
#include "touristmanagement.h"
#include "twips.h"
#include "values.h"
#include "windowhost.h"

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kAllGroups = QStringLiteral("select * from T_Group_BaseInfor ");

// The state boxes in the order "查询" asks them; an empty state lists every group.
const struct {
    const char *name, *caption, *state;
} kStateBoxes[] = {{"Check1", "可报名团队", "可报名"},
                   {"Check2", "已出团团队", "已出团"},
                   {"Check3", "已回团团队", "已回团"},
                   {"Check4", "全部", ""}};

QLabel *namedLabel(QWidget *parent, const QString &name, const QString &text = QString()) {
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

QDateEdit *datePicker(QWidget *parent, const QString &name, const QDate &today) {
    auto *d = new QDateEdit(today, parent);
    d->setObjectName(name);
    d->setCalendarPopup(true);
    d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    d->setEnabled(false);                      // enabled while "启用时间" is ticked
    d->setMinimumWidth(d->sizeHint().width()); // the whole date stays readable
    return d;
}

} // namespace

const QStringList FrontDesk::kClosedForTouristManagement = {"Form3", "Form5", "Form6",  "Form7",
                                                            "Form8", "Form9", "Form10", "Form4"};

FrontDesk::FrontDesk(const QDate &today, QWidget *parent)
    : QWidget(parent), m_source(new BoundDataSource(this)),
      m_begin(datePicker(this, QStringLiteral("begintime"), today)),
      m_end(datePicker(this, QStringLiteral("endtime"), today)),
      m_useDates(new QCheckBox(QStringLiteral("启用时间"), this)),
      m_popup(new PopupMenuHost(QStringLiteral("Form28"), this)) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("前台处理"));
    m_source->setObjectName(QStringLiteral("Adodc1"));
    m_useDates->setObjectName(QStringLiteral("Check5"));

    auto *queryBar = new QGroupBox(QStringLiteral("团队查询"), this);
    queryBar->setObjectName(QStringLiteral("Frame1(1)"));
    auto *bar = new QHBoxLayout(queryBar);
    QLabel *from = namedLabel(queryBar, QStringLiteral("Label1"), QStringLiteral("出团日期："));
    from->setBuddy(m_begin);
    bar->addWidget(from);
    bar->addWidget(m_begin);
    bar->addWidget(namedLabel(queryBar, QStringLiteral("Label2"), QStringLiteral("--至--")));
    bar->addWidget(m_end);
    bar->addWidget(m_useDates);
    auto *line = new QFrame(queryBar);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::VLine);
    bar->addWidget(line);
    for (const auto &s : kStateBoxes) {
        auto *box = new QCheckBox(QString::fromUtf8(s.caption), queryBar);
        box->setObjectName(QString::fromUtf8(s.name));
        m_stateBoxes << box;
        bar->addWidget(box);
    }
    auto *find = new QPushButton(QStringLiteral("查询"), queryBar);
    find->setObjectName(QStringLiteral("Command1"));
    bar->addWidget(find);

    auto *listFrame = new QGroupBox(this);
    listFrame->setObjectName(QStringLiteral("Frame2"));
    auto *grid = new DataGrid(listFrame);
    grid->setObjectName(QStringLiteral("DataGrid1"));
    (new QVBoxLayout(listFrame))->addWidget(grid);

    auto *binder = new FieldBinder(m_source, this);
    auto *details = new QGridLayout;
    QFont captionFont(QStringLiteral("黑体"));
    captionFont.setPointSizeF(10.5);
    const struct {
        const char *caption, *captionText, *value, *column;
    } detailRows[] = {{"Label3", "允许最大人数：", "Label7", "intMaxNum"},
                      {"Label4", "当前报名人数：", "Label8", "intTotalNum"},
                      {"Label5", "导 游 要 求：", "Label9", "strCiceCroneDegree"},
                      {"Label6", "团 队 说 明：", "Label10", "strGroupDesc"}};
    int row = 0;
    for (const auto &d : detailRows) {
        QLabel *caption = namedLabel(this, d.caption, d.captionText);
        caption->setFont(captionFont);
        QLabel *value = namedLabel(this, d.value);
        value->setStyleSheet(QStringLiteral("color: blue"));
        binder->bind(value, d.column);
        details->addWidget(caption, row, 0);
        details->addWidget(value, row++, 1);
    }
    details->setColumnStretch(1, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(queryBar);
    layout->addWidget(listFrame, 1);
    layout->addLayout(details);
    setFixedTwips(this, 13500, 7800);

    m_popup->setWindowTitle(QStringLiteral("报名菜单"));
    connect(m_popup->addItem(QStringLiteral("grbm"), QStringLiteral("游客报名")),
            &QAction::triggered, this, &FrontDesk::registerTourist);
    m_popup->menu()->addSeparator();
    connect(m_popup->addItem(QStringLiteral("ykgl"), QStringLiteral("游客管理")),
            &QAction::triggered, this, &FrontDesk::manageTourists);
    m_popup->menu()->addSeparator();
    connect(m_popup->addItem(QStringLiteral("editzt"), QStringLiteral("修改团队状态")),
            &QAction::triggered, this, &FrontDesk::changeGroupState);
    connect(grid, &DataGrid::mouseDown, this, [this](int button) {
        if (button == 2)
            m_popup->popUp();
    });
    connect(m_useDates, &QCheckBox::toggled, this, &FrontDesk::flipDatePickers);
    connect(find, &QPushButton::clicked, this, &FrontDesk::query);

    m_source->setRecordSource(QStringLiteral("T_Group_BaseInfor"));
    m_source->open();
    grid->setSource(m_source, {{"团队状态", "intGroupState"},
                               {"团队编号", "strGroupID"},
                               {"出团时间", "dtBeginTime"},
                               {"线路名称", "strLineName"},
                               {"是否发布", "bitUpLoad"},
                               {"团队等级", "strGroupDegree"}});
}

void FrontDesk::flipDatePickers() {
    m_begin->setEnabled(!m_begin->isEnabled());
    m_end->setEnabled(!m_end->isEnabled());
}

// The first ticked box in the order 可报名, 已出团, 已回团, 全部, 启用时间 decides the list
// and unticks all the others; with none ticked every group is listed.
void FrontDesk::query() {
    m_source->setCommandKind(BoundDataSource::CommandKind::Text);
    for (QCheckBox *deciding : m_stateBoxes) {
        if (!deciding->isChecked())
            continue;
        for (QCheckBox *other : m_stateBoxes) {
            if (other != deciding)
                other->setChecked(false);
        }
        m_useDates->setChecked(false);
        const QString state = QString::fromUtf8(kStateBoxes[m_stateBoxes.indexOf(deciding)].state);
        if (state.isEmpty())
            m_source->setRecordSource(kAllGroups);
        else
            m_source->setRecordSource(
                QStringLiteral("select * from T_Group_BaseInfor where intGroupState =?"), {state});
        m_source->refresh();
        return;
    }
    if (m_useDates->isChecked()) {
        listDateRange();
        return;
    }
    m_source->setRecordSource(kAllGroups);
    m_source->refresh();
}

// Both days are included whatever the time of day stored with the departure.
void FrontDesk::listDateRange() {
    const QString first = values::storedDateTime(m_begin->date().startOfDay());
    const QString afterLast = values::storedDateTime(m_end->date().addDays(1).startOfDay());
    m_source->setRecordSource(QStringLiteral("select * from T_Group_Baseinfor where "
                                             "dtbeginTime >= ? AND dtbeginTime < ?"),
                              {first, afterLast});
    m_source->refresh();
}

void FrontDesk::registerTourist() {
    SelectedRecordId::clear();
    RecordEditor::open(new RegistrationWindow);
}

void FrontDesk::manageTourists() {
    for (const QString &name : kClosedForTouristManagement)
        WindowHost::close(name);
    WindowHost::showSeparate(new TouristManagement);
}

void FrontDesk::changeGroupState() {
    if (m_source->eof())
        return;
    SelectedRecordId::set(m_source->fieldText(QStringLiteral("lngid")));
    if (auto *editor = qobject_cast<GroupEditor *>(RecordEditor::open(new GroupEditor)))
        editor->lockForStateChange();
}
