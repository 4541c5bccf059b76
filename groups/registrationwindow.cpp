#include "registrationwindow.h"

#include "boundform.h"
#include "lists.h"
#include "requiredchecks.h"
#include "twips.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

using C = FieldSpec::Control;

const QVector<FieldSpec> kFields = {
    {"   团队：", "Combo3", "strgroupid", C::Combo},
    {"线路：", "Combo5", "strLineName", C::Combo},
    {"姓名：", "Text1", "strName", C::Line},
    {"性别：", "Combo1", "strsex", C::Combo},
    {"证件：", "Combo2", "strver", C::Combo},
    {"证件号码：", "Text2", "strver_num", C::Line},
    {"电话：", "Text5", "strtel1", C::Line},
    {"工作单位：", "Text6", "str_company", C::Line},
    {"生日：", "Text10", "datbirth", C::Line},
    {"住址：", "Text8", "str_addr", C::Line},
    {"类型：", "Combo4", "str_type", C::Combo},
    {"应付款：", "Text3", "shouldpay", C::Line, {}, "元"},
    {"实付款：", "Text4", "infactpay", C::Line, {}, "元"},
    {"业务员：", "Text9", "strwork", C::Line},
    {"邮编：", "Text7", "str_zip", C::Line},
};

const QVector<RequiredCheck> kSaveChecks = {
    {"Combo3", "请选择所属团队！", false},
    {"Combo5", "参团线路不能为空！"},
    {"Text1", "请填写姓名！", false},
    {"Text2", "证件号码不可为空！"},
};

const QString kAdult = QStringLiteral("成人");
const QString kChild = QStringLiteral("儿童");

} // namespace

RegistrationWindow::RegistrationWindow(QWidget *parent)
    : RecordEditor(QStringLiteral("Form23"), QStringLiteral("T_tourist_data"), parent) {
    setWindowTitle(QStringLiteral("游客报名"));
    auto *fields = new QGridLayout;
    form()->build(fields, kFields, 2);
    for (const char *white : {"Text1", "Text2"})
        form()->control(white)->setStyleSheet(QStringLiteral("background: white"));
    form()->control("Text3")->setEnabled(false);

    auto *add = new QPushButton(QStringLiteral("添加"), this);
    add->setObjectName(QStringLiteral("Command1"));
    auto *save = new QPushButton(QStringLiteral("保存"), this);
    save->setObjectName(QStringLiteral("Command2"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(add);
    buttons->addWidget(save);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addStretch();
    layout->addLayout(buttons);
    setFixedTwips(this, 9000, 5400);

    connect(form()->controlAs<QComboBox>("Combo4"), &QComboBox::activated, this,
            &RegistrationWindow::chooseType);
    connect(add, &QPushButton::clicked, this, &RecordEditor::addRecord);
    connect(save, &QPushButton::clicked, this, &RecordEditor::confirm);
}

void RegistrationWindow::addFixedEntries() {
    form()->controlAs<QComboBox>("Combo1")->addItems({QStringLiteral("男"), QStringLiteral("女")});
    form()->controlAs<QComboBox>("Combo4")->addItems({kAdult, kChild});
}

void RegistrationWindow::showStored(const SharedRecordSet &record) {
    putTrimmed(record, {{"Text1", "strName"},
                        {"Text2", "strver_num"},
                        {"Text3", "shouldpay"},
                        {"Text4", "infactpay"},
                        {"Text5", "strtel1"},
                        {"Text6", "str_company"},
                        {"Text10", "datbirth"}});
    appendTrimmed(record, {{"Combo1", "strsex"},
                           {"Combo2", "strver"},
                           {"Combo3", "strgroupid"},
                           {"Combo4", "str_type"},
                           {"Combo5", "strLineName"}});
}

void RegistrationWindow::fillLists() {
    if (isNewMode()) { // the boxes' initial texts, presets of the blank registration
        form()->controlAs<QComboBox>("Combo1")->setCurrentText(QStringLiteral("男"));
        form()->controlAs<QComboBox>("Combo2")->setCurrentText(QStringLiteral("身份证"));
    }
    lists::fillFromSlot(form()->controlAs<QComboBox>("Combo2"), 1,
                        QStringLiteral("select strName from T_B_Paper_Type"),
                        QStringLiteral("strName"));
    lists::fillFromSlot(form()->controlAs<QComboBox>("Combo3"), 2,
                        QStringLiteral("select strGroupID from T_Group_BaseInfor"),
                        QStringLiteral("strGroupID"));
    lists::fillFromSlot(form()->controlAs<QComboBox>("Combo5"), 3,
                        QStringLiteral("select strLineName from T_Line_BaseInfor"),
                        QStringLiteral("strLineName"));
}

bool RegistrationWindow::checkFields() {
    return passesRequiredChecks(*form(), kSaveChecks);
}

QString RegistrationWindow::savedMessage() const {
    return QStringLiteral("添加成功！");
}

// Only a pick from the list sets the amount due; a typed type leaves it as it was.
void RegistrationWindow::chooseType(int index) {
    const QString type = form()->controlAs<QComboBox>("Combo4")->itemText(index);
    auto *due = form()->controlAs<QLineEdit>("Text3");
    if (type == kAdult)
        due->setText(QStringLiteral("55"));
    else if (type == kChild)
        due->setText(QStringLiteral("25"));
}
