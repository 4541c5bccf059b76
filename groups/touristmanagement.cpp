#include "touristmanagement.h"

#include "bounddatasource.h"
#include "datacombo.h"
#include "datagrid.h"
#include "fieldbinder.h"
#include "outstandingamounts.h"
#include "popupmenuhost.h"
#include "registrationwindow.h"
#include "selectedrecordid.h"
#include "twips.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kValueStyle = QStringLiteral("color: #3399ff");

// The route column shows the registration's own route; the participation-state column is
// bound to no field and stays empty.
const QVector<GridColumn> kColumns = {
    {"团队编号", "strgroupid"}, {"线路名称", "strLineName"}, {"参团状态", ""},
    {"游客类型", "str_type"},   {"姓名", "strName"},         {"性别", "strsex"},
    {"出生日期", "datbirth"},   {"参团价格", "shouldpay"},   {"已付", "infactpay"},
    {"尚欠", "weishou"},        {"报名时间", "datReg_time"},
};

QLabel *label(QWidget *parent, const QString &name, const QString &text = QString()) {
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

QLabel *valueLabel(QWidget *parent, const QString &name) {
    QLabel *l = label(parent, name);
    l->setStyleSheet(kValueStyle);
    return l;
}

} // namespace

TouristManagement::TouristManagement(QWidget *parent)
    : QWidget(parent), m_source(new BoundDataSource(this)), m_groups(new DataCombo(this)),
      m_grid(new DataGrid(this)), m_count(valueLabel(this, QStringLiteral("Label6"))),
      m_popup(new PopupMenuHost(QStringLiteral("Form15"), this)) {
    setObjectName(QStringLiteral("Form77"));
    setWindowTitle(QStringLiteral("游客管理"));
    m_source->setObjectName(QStringLiteral("Adodc1"));
    m_groups->setObjectName(QStringLiteral("DataCombo1"));
    m_grid->setObjectName(QStringLiteral("DataGrid1"));
    auto *binder = new FieldBinder(m_source, this);

    QLabel *caption = label(this, QStringLiteral("Label1"), QStringLiteral("团队编号："));
    caption->setBuddy(m_groups);
    QLabel *currentGroup = valueLabel(this, QStringLiteral("Label2"));
    binder->bind(currentGroup, QStringLiteral("strgroupid"));
    auto *restore = new QPushButton(QStringLiteral("还原"), this);
    restore->setObjectName(QStringLiteral("Command1"));
    auto *top = new QGridLayout;
    top->addWidget(caption, 0, 0);
    top->addWidget(currentGroup, 0, 1); // covered by the list box
    top->addWidget(m_groups, 0, 1);
    top->addWidget(restore, 0, 2);
    top->addWidget(label(this, QStringLiteral("Label5"), QStringLiteral("当前报名人数：")), 0, 3);
    top->addWidget(m_count, 0, 4);
    top->setColumnStretch(5, 1);

    auto *details = new QGroupBox(this);
    details->setObjectName(QStringLiteral("Frame3"));
    details->setStyleSheet(QStringLiteral("QGroupBox#Frame3 { background: #ffe4c4; }"));
    auto *detailLayout = new QGridLayout(details);
    const struct {
        const char *caption, *captionText, *value, *column;
    } detailRows[] = {{"Label7", "客户来源：", "Label10", "strFrom"},
                      {"Label8", "业务员：", "Label11", "strwork"},
                      {"Label9", "备注：", "Label12", "str_note"}};
    int row = 0;
    for (const auto &d : detailRows) {
        QLabel *value = valueLabel(details, d.value);
        binder->bind(value, d.column);
        detailLayout->addWidget(label(details, d.caption, d.captionText), row, 0);
        detailLayout->addWidget(value, row++, 1);
    }
    detailLayout->setColumnStretch(1, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_grid, 1);
    layout->addWidget(details);
    setFixedTwips(this, 10500, 7200);

    m_popup->addItem(QStringLiteral("edit"), QStringLiteral("修改游客信息"));
    connect(m_popup->item(QStringLiteral("edit")), &QAction::triggered, this,
            &TouristManagement::editRegistration);
    connect(m_grid, &DataGrid::mouseDown, this, [this](int button) {
        if (button == 2)
            m_popup->popUp();
    });
    connect(m_groups, &QComboBox::activated, this, &TouristManagement::showGroup);
    connect(restore, &QPushButton::clicked, this, &TouristManagement::showAll);

    outstandingamounts::bringUpToDate();
    m_source->setRecordSource(QStringLiteral("T_tourist_data"));
    m_source->open();
    m_count->setText(QString::number(m_source->recordCount()));
    m_grid->setSource(m_source, kColumns);
    m_groups->setRowSource(m_source, QStringLiteral("strgroupid"));
}

// Filters on a number picked from the list; typing alone does not filter.
void TouristManagement::showGroup(int index) {
    list(QStringLiteral("select * from T_tourist_data where strgroupid=?"),
         {m_groups->itemText(index)});
}

void TouristManagement::showAll() {
    list(QStringLiteral("select * from T_tourist_data"), {});
}

void TouristManagement::list(const QString &sql, const QVariantList &bindValues) {
    m_source->setCommandKind(BoundDataSource::CommandKind::Text);
    m_source->setRecordSource(sql, bindValues);
    m_source->refresh();
    m_count->setText(QString::number(m_source->recordCount()));
}

void TouristManagement::editRegistration() {
    if (m_source->eof())
        return;
    SelectedRecordId::set(m_source->fieldText(QStringLiteral("lngid")));
    RecordEditor::open(new RegistrationWindow);
}
