#include "groupeditor.h"

#include "bounddatasource.h"
#include "boundform.h"
#include "groupworkspace.h"
#include "lists.h"
#include "requiredchecks.h"
#include "twips.h"
#include "windowhost.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

using C = FieldSpec::Control;

const QVector<FieldSpec> kFields = {
    {"线路名称：", "Combo5", "strLineName", C::Combo},
    {"线路区域：", "Combo4", "strLineAreaName", C::Combo},
    {"出团时间：", "DTPicker1", "dtBeginTime", C::Date},
    {"用餐标准：", "Combo2", "strFoodDegree", C::Combo},
    {"团队编号：", "Text6", "strGroupID", C::Line},
    {"团队等级：", "Combo1", "strGroupDegree", C::Combo},
    {"回团时间：", "DTPicker2", "dtEndTime", C::Date},
    {"团队状态：", "Combo6", "intGroupState", C::Combo},
    {"业务员：", "Text10", "strWork", C::Line},
    {"导游人数：", "Text11", "intCiceroneNum", C::Spin, {}, {}, "UpDown1"},
    {"导游等级：", "Combo3", "strCiceCroneDegree", C::Combo},
    {"报名最大人数：", "Text13", "intMaxNum", C::Line},
};
const FieldSpec kDescription = {"团队说明", "Text1", "strGroupDesc", C::Memo};

const QVector<RequiredCheck> kConfirmChecks = {
    {"Combo5", "请填写线路名称"}, {"Text6", "团队编号不能为空"},    {"Combo4", "线路区域不能为空"},
    {"Text10", "请填写业务员"},   {"Text13", "请填写报名最大人数"},
};

const QStringList kStates = {QStringLiteral("可报名"), QStringLiteral("已出团"),
                             QStringLiteral("已回团")};

} // namespace

GroupEditor::GroupEditor(QWidget *parent)
    : RecordEditor(QStringLiteral("Form73"), QStringLiteral("T_Group_BaseInfor"), parent) {
    setWindowTitle(QStringLiteral("新建团队"));
    auto *info = new QGroupBox(QStringLiteral("团队信息"), this);
    auto *fields = new QGridLayout(info);
    form()->build(fields, kFields, 3);
    for (const char *white : {"Text6", "Text10"})
        form()->control(white)->setStyleSheet(QStringLiteral("background: white"));
    QGroupBox *description = form()->framed(kDescription);

    auto *add = new QPushButton(QStringLiteral("添加"), this);
    add->setObjectName(QStringLiteral("Command1"));
    auto *confirmButton = new QPushButton(QStringLiteral("确定"), this);
    confirmButton->setObjectName(QStringLiteral("Command2"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(add);
    buttons->addWidget(confirmButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(info);
    layout->addWidget(description, 1);
    layout->addLayout(buttons);
    setFixedTwips(this, 10200, 6600);

    connect(add, &QPushButton::clicked, this, &RecordEditor::addRecord);
    connect(confirmButton, &QPushButton::clicked, this, &RecordEditor::confirm);
}

void GroupEditor::lockForStateChange() {
    for (const char *name : {"Combo1", "Combo2", "Combo3", "Combo4", "Combo5", "Text1", "Text6",
                             "Text10", "Text11", "Text13"})
        form()->control(name)->setEnabled(false);
    // The spinner writes into the locked guide number, so it is locked with it.
    findChild<QWidget *>(QStringLiteral("UpDown1"))->setEnabled(false);
    findChild<QWidget *>(QStringLiteral("Command1"))->setEnabled(false);
}

void GroupEditor::addFixedEntries() {
    form()->controlAs<QComboBox>("Combo6")->addItems(kStates);
}

void GroupEditor::showStored(const SharedRecordSet &record) {
    putTrimmed(record, {{"Text6", "strgroupid"},
                        {"Text10", "strwork"},
                        {"Text13", "intMaxNum"},
                        {"Text11", "intCiceroneNum"}});
    appendTrimmed(record, {{"Combo1", "strGroupDegree"},
                           {"Combo2", "strFoodDegree"},
                           {"Combo3", "strCiceCroneDegree"},
                           {"Combo4", "strLineAreaName"},
                           {"Combo5", "strLineName"},
                           {"Combo6", "intGroupState"}});
}

void GroupEditor::fillLists() {
    if (isNewMode()) {
        form()->controlAs<QComboBox>("Combo6")->setCurrentText(kStates.first());
        // The pickers cannot show an empty date: the dates they show are the new group's.
        const QPair<const char *, QString> pickers[] = {{"DTPicker1", "dtBeginTime"},
                                                        {"DTPicker2", "dtEndTime"}};
        for (const auto &[picker, column] : pickers)
            source()->setFieldValue(column, form()->controlAs<QDateEdit>(picker)->date());
    }
    const struct {
        const char *control, *sql, *column;
    } sources[] = {
        {"Combo1", "select strName from T_B_Team_Grade", "strName"},
        {"Combo2", "select strEatDesc from T_B_EatGrade", "strEatDesc"},
        {"Combo3", "select strName from T_B_Cicerone_Degree", "strName"},
        {"Combo4", "select strName from T_B_Line_Type", "strName"},
        {"Combo5", "select strLineName from T_Line_BaseInfor", "strLineName"},
    };
    int slot = 1;
    for (const auto &l : sources)
        lists::fillFromSlot(form()->controlAs<QComboBox>(l.control), slot++, l.sql, l.column);
}

bool GroupEditor::checkFields() {
    return passesRequiredChecks(*form(), kConfirmChecks);
}

QString GroupEditor::savedMessage() const {
    return QStringLiteral("信息已添加！");
}

// Opened from the front desk the group workspace is closed: there is nothing to re-read.
void GroupEditor::afterSave() {
    if (auto *workspace = WindowHost::findAs<GroupWorkspace>(QStringLiteral("Form5")))
        workspace->reread();
}
