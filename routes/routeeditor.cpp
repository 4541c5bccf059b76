#include "routeeditor.h"

#include "boundform.h"
#include "lists.h"
#include "routeworkspace.h"
#include "twips.h"
#include "windowhost.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

using C = FieldSpec::Control;

// In this order "确定" checks the required fields.
const QVector<FieldSpec> kFields = {
    {"始发地：", "Text3", "strBeginCityName", C::Line, "始发地不能为空"},
    {"目的地：", "Text5", "strEndCityName", C::Line, "目的地不能为空"},
    {"线路名称：", "Text1", "strLineName", C::Line, "线路名称不能为空"},
    {"线路简称：", "Text8", "strlineSName"},
    {"成人报价：", "Text6", "PersonCost", C::Line, {}, "元"},
    {"儿童报价：", "Text7", "ChildCost", C::Line, {}, "元"},
    {"行程天数：", "Text2", "intlineFate", C::Spin, {}, {}, "UpDown1"},
    {"线路区域：", "Combo1", "strLineAreaName", C::Combo},
    {"用餐标准：", "Combo2", "strFoodDegree", C::Combo},
    {"线路状态：", "Combo3", "BitlineState", C::Combo},
    {"线路等级：", "Combo4", "strLineDegree", C::Combo},
    {"线路类型：", "Combo5", "strLineType", C::Combo},
};
const FieldSpec kItinerary = {"线路日程安排", "Text9", "LineDayAnPai", C::Memo};
const FieldSpec kNotes = {"线路附加说明", "Text4", "LineAddMemo", C::Memo};

QPushButton *button(const QString &name, const QString &caption, QWidget *parent) {
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    return b;
}

} // namespace

RouteEditor::RouteEditor(QWidget *parent)
    : RecordEditor(QStringLiteral("Form11"), QStringLiteral("T_Line_BaseInfor"), parent) {
    setWindowTitle(QStringLiteral("线路行程安排"));
    setFixedTwips(this, 9600, 7800);

    auto *basics = new QGroupBox(QStringLiteral("线路基础信息"), this);
    auto *grid = new QGridLayout(basics);
    form()->build(grid, kFields, 2);
    for (const char *name : {"Text3", "Text5"}) {
        QWidget *box = form()->control(name);
        QPalette white = box->palette();
        white.setColor(QPalette::Base, Qt::white);
        box->setPalette(white);
    }

    auto *texts = new QHBoxLayout;
    texts->addWidget(form()->framed(kItinerary));
    texts->addWidget(form()->framed(kNotes));

    auto *add = button(QStringLiteral("Command1"), QStringLiteral("添加"), this);
    auto *ok = button(QStringLiteral("Command2"), QStringLiteral("确定"), this);
    connect(add, &QPushButton::clicked, this, &RecordEditor::addRecord);
    connect(ok, &QPushButton::clicked, this, &RecordEditor::confirm);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(add);
    buttons->addWidget(ok);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(basics);
    layout->addLayout(texts, 1);
    layout->addLayout(buttons);
}

void RouteEditor::addFixedEntries() {
    form()->controlAs<QComboBox>("Combo3")->addItems({"可用线路", "不可用线路"});
    form()->controlAs<QComboBox>("Combo5")->addItems({"常规线路", "临时线路"});
}

void RouteEditor::showStored(const SharedRecordSet &record) {
    putTrimmed(record, {{"Text3", "strBeginCityName"},
                        {"Text5", "strEndCityName"},
                        {"Text1", "strLineName"},
                        {"Text8", "strlineSName"},
                        {"Text6", "PersonCost"},
                        {"Text7", "ChildCost"},
                        {"Text2", "intlineFate"}});
    appendTrimmed(record, {{"Combo1", "strLineAreaName"},
                           {"Combo2", "strFoodDegree"},
                           {"Combo3", "BitlineState"},
                           {"Combo4", "strLineDegree"},
                           {"Combo5", "strLineType"}});
}

void RouteEditor::fillLists() {
    lists::fillFromSlot(form()->controlAs<QComboBox>("Combo1"), 1,
                        "select strName from T_B_Line_Type", "strName");
    lists::fillFromSlot(form()->controlAs<QComboBox>("Combo2"), 2,
                        "select strEatDesc from T_B_EatGrade", "strEatDesc");
    lists::fillFromSlot(form()->controlAs<QComboBox>("Combo4"), 3,
                        "select strName from T_B_Team_Grade", "strName");
}

QString RouteEditor::savedMessage() const {
    return QStringLiteral("线路添加成功");
}

void RouteEditor::afterSave() {
    if (auto *workspace = WindowHost::findAs<RouteWorkspace>(QStringLiteral("Form3")))
        workspace->rereadRoutes();
}
