// The route editor: new and edit modes, list orders, the checks of "确定", chains of "添加"
// and values the table refuses.
#include "routeeditor.h"
#include "routefixture.h"
#include "selectedrecordid.h"
#include "updown.h"
#include "windowhost.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QtTest>

namespace {

QStringList items(QWidget *editor, const QString &combo) {
    auto *box = editor->findChild<QComboBox *>(combo);
    QStringList list;
    for (int i = 0; i < box->count(); ++i)
        list << box->itemText(i);
    return list;
}

QString shown(QWidget *editor, const QString &control) {
    QWidget *w = editor->findChild<QWidget *>(control);
    if (auto *box = qobject_cast<QComboBox *>(w))
        return box->currentText();
    if (auto *memo = qobject_cast<QPlainTextEdit *>(w))
        return memo->toPlainText();
    return qobject_cast<QLineEdit *>(w)->text();
}

const QStringList kAreas = {"华东线", "华南线", "西南线", "东北线", "港澳线", "出境线"};
const QStringList kMeals = {"经济餐", "标准餐", "优质餐", "豪华餐"};
const QStringList kGrades = {"豪华团", "标准团", "经济团"};

} // namespace

class RouteEditorTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void newModeStandsOnABlankRecord();
    void editModeShowsTheRouteWithItsOwnValuesListed();
    void confirmChecksInOrder_data();
    void confirmChecksInOrder();
    void addChainsStoreEveryRoute();
    void refusedValueKeepsTheTypedText_data();
    void refusedValueKeepsTheTypedText();
    void spinnerStepsWithinTenTypedDaysAreKept();
    void vanishedRouteIsNeverWritten();

private:
    RouteEditor *openEditor(const QString &id);
    void fillRequired(RouteEditor *editor, const QString &name);

    std::unique_ptr<RouteFixture> m_fx;
};

void RouteEditorTest::init() {
    m_fx = std::make_unique<RouteFixture>();
}

void RouteEditorTest::cleanup() {
    m_fx.reset();
}

RouteEditor *RouteEditorTest::openEditor(const QString &id) {
    SelectedRecordId::set(id);
    return static_cast<RouteEditor *>(RecordEditor::open(new RouteEditor));
}

void RouteEditorTest::fillRequired(RouteEditor *editor, const QString &name) {
    RouteFixture::type(editor, "Text3", "北京");
    RouteFixture::type(editor, "Text5", "西安");
    RouteFixture::type(editor, "Text1", name);
}

void RouteEditorTest::newModeStandsOnABlankRecord() {
    m_fx->addRoute({"江南水乡", "上海", "苏州"});
    const QStringList before = m_fx->storedRoutes();
    RouteEditor *editor = openEditor({});
    QVERIFY(editor);
    QCOMPARE(editor->windowTitle(), "线路行程安排");
    QVERIFY(editor->isWindow());
    QVERIFY(editor->isVisible());
    QVERIFY(!(editor->windowFlags() & Qt::WindowMaximizeButtonHint));
    for (const char *text : {"Text3", "Text5", "Text1", "Text8", "Text6", "Text7", "Text2", "Text9",
                             "Text4", "Combo3", "Combo5"})
        QCOMPARE(shown(editor, text), QString());
    QCOMPARE(items(editor, "Combo1"), kAreas);
    QCOMPARE(items(editor, "Combo2"), kMeals);
    QCOMPARE(items(editor, "Combo3"), (QStringList{"可用线路", "不可用线路"}));
    QCOMPARE(items(editor, "Combo4"), kGrades);
    QCOMPARE(items(editor, "Combo5"), (QStringList{"常规线路", "临时线路"}));
    QCOMPARE(shown(editor, "Combo1"), "华东线");
    QCOMPARE(shown(editor, "Combo2"), "经济餐");
    QCOMPARE(shown(editor, "Combo4"), "豪华团");

    // "添加" right away: the presets fall on no stored route and no route is made of them.
    RouteFixture::click(editor, "Command1");
    QCOMPARE(m_fx->storedRoutes(), before);
    for (const char *box : {"Combo1", "Combo2", "Combo3", "Combo4", "Combo5"})
        QCOMPARE(shown(editor, box), QString());
    QCOMPARE(editor->focusWidget(), editor->findChild<QWidget *>("Text3"));
    QCOMPARE(m_fx->messages()->texts(), QStringList{});
}

void RouteEditorTest::editModeShowsTheRouteWithItsOwnValuesListed() {
    m_fx->addRoute({"江南水乡", "上海", "苏州"});
    const QString id = m_fx->addRoute({"黄山游"});
    m_fx->db().query("UPDATE T_Line_BaseInfor SET strBeginCityName=' 上海 ', "
                     "strLineAreaName=' 港澳线 ', strFoodDegree='标准餐', strLineDegree='特色团', "
                     "BitlineState='可用线路', strLineType='临时线路', PersonCost=1280.5, "
                     "intlineFate=3, LineDayAnPai='第一天：黄山', LineAddMemo='含门票' "
                     "WHERE lngid=?",
                     {id});
    RouteEditor *editor = openEditor(id);
    QVERIFY(editor);
    QVERIFY(!editor->isNewMode());
    QCOMPARE(shown(editor, "Text3"), "上海");
    QCOMPARE(shown(editor, "Text1"), "黄山游");
    QCOMPARE(shown(editor, "Text6"), "1280.5");
    QCOMPARE(shown(editor, "Text2"), "3");
    QCOMPARE(shown(editor, "Text9"), "第一天：黄山");
    QCOMPARE(shown(editor, "Text4"), "含门票");
    QCOMPARE(items(editor, "Combo1"), QStringList{"港澳线"} + kAreas);
    QCOMPARE(items(editor, "Combo2"), QStringList{"标准餐"} + kMeals);
    QCOMPARE(items(editor, "Combo4"), QStringList{"特色团"} + kGrades);
    QCOMPARE(items(editor, "Combo3"), (QStringList{"可用线路", "不可用线路", "可用线路"}));
    QCOMPARE(items(editor, "Combo5"), (QStringList{"常规线路", "临时线路", "临时线路"}));
    QCOMPARE(shown(editor, "Combo1"), "港澳线");
    QCOMPARE(shown(editor, "Combo3"), "可用线路");
    QCOMPARE(shown(editor, "Combo4"), "特色团");
    QCOMPARE(shown(editor, "Combo5"), "临时线路");

    RouteFixture::type(editor, "Text5", "黄山市");
    RouteFixture::click(editor, "Command2");
    QCOMPARE(m_fx->messages()->texts(), QStringList{"线路添加成功"});
    QCOMPARE(m_fx->storedRoutes(), (QStringList{"江南水乡|上海|苏州|华东线|常规线路|可用线路",
                                                "黄山游|上海|黄山市|港澳线|临时线路|可用线路"}));
    QCOMPARE(WindowHost::find("Form11"), nullptr);
}

void RouteEditorTest::confirmChecksInOrder_data() {
    QTest::addColumn<QString>("begin");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("all empty") << ""
                               << ""
                               << ""
                               << "始发地不能为空"
                               << "Text3";
    QTest::newRow("only name") << ""
                               << ""
                               << "黄山游"
                               << "始发地不能为空"
                               << "Text3";
    QTest::newRow("begin") << "上海"
                           << ""
                           << ""
                           << "目的地不能为空"
                           << "Text5";
    QTest::newRow("begin and name") << "上海"
                                    << ""
                                    << "黄山游"
                                    << "目的地不能为空"
                                    << "Text5";
    QTest::newRow("begin and end") << "上海"
                                   << "黄山"
                                   << ""
                                   << "线路名称不能为空"
                                   << "Text1";
    QTest::newRow("blanks pass") << " "
                                 << " "
                                 << " "
                                 << "线路添加成功"
                                 << "";
}

void RouteEditorTest::confirmChecksInOrder() {
    QFETCH(QString, begin);
    QFETCH(QString, end);
    QFETCH(QString, name);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    RouteEditor *editor = openEditor({});
    RouteFixture::type(editor, "Text3", begin);
    RouteFixture::type(editor, "Text5", end);
    RouteFixture::type(editor, "Text1", name);
    RouteFixture::click(editor, "Command2");

    QCOMPARE(m_fx->messages()->texts(), QStringList{message});
    QCOMPARE(m_fx->messages()->shown.first().title, "旅行社管理系统");
    QCOMPARE(m_fx->messages()->shown.first().buttons, MessageRequest::Buttons::Ok);
    if (focus.isEmpty()) {
        QCOMPARE(m_fx->storedRoutes(), QStringList{" | | |华东线||"});
        QCOMPARE(WindowHost::find("Form11"), nullptr);
    } else {
        QCOMPARE(m_fx->db().count("T_Line_BaseInfor"), 0);
        QCOMPARE(WindowHost::find("Form11"), editor);
        QCOMPARE(editor->focusWidget(), editor->findChild<QWidget *>(focus));
    }
}

void RouteEditorTest::addChainsStoreEveryRoute() {
    m_fx->addRoute({"江南水乡", "上海", "苏州"});
    RouteEditor *editor = openEditor({});
    fillRequired(editor, "长城一日游");
    RouteFixture::type(editor, "Text6", "1280.5");
    RouteFixture::click(editor, "Command1");

    fillRequired(editor, "O'Neil的港澳游");
    RouteFixture::type(editor, "Combo1", "港'澳线");
    editor->findChild<QComboBox *>("Combo3")->setCurrentIndex(1);
    editor->findChild<QComboBox *>("Combo5")->setCurrentIndex(1);
    editor->findChild<QPlainTextEdit *>("Text9")->setPlainText("第一天：香港\n第二天：澳门");
    RouteFixture::click(editor, "Command1");

    fillRequired(editor, "兵马俑");
    editor->findChild<QComboBox *>("Combo1")->setCurrentIndex(5);
    RouteFixture::click(editor, "Command2");

    QCOMPARE(m_fx->messages()->texts(), QStringList{"线路添加成功"});
    QCOMPARE(WindowHost::find("Form11"), nullptr);
    QCOMPARE(
        m_fx->storedRoutes(),
        (QStringList{"江南水乡|上海|苏州|华东线|常规线路|可用线路", "长城一日游|北京|西安|华东线||",
                     "O'Neil的港澳游|北京|西安|港'澳线|临时线路|不可用线路",
                     "兵马俑|北京|西安|出境线||"}));
    QCOMPARE(m_fx->db().query("SELECT PersonCost FROM T_Line_BaseInfor WHERE strLineName=?",
                              {"长城一日游"}),
             QStringList{"1280.5"});
    QCOMPARE(m_fx->db().query("SELECT LineDayAnPai FROM T_Line_BaseInfor WHERE strLineName=?",
                              {"O'Neil的港澳游"}),
             QStringList{"第一天：香港\n第二天：澳门"});
}

void RouteEditorTest::refusedValueKeepsTheTypedText_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("button");
    QTest::newRow("adult price, 确定") << "Text6"
                                       << "abc"
                                       << "成人报价"
                                       << "Command2";
    QTest::newRow("child price, 添加") << "Text7"
                                       << "12元"
                                       << "儿童报价"
                                       << "Command1";
    QTest::newRow("days, 确定") << "Text2"
                                << "3.5"
                                << "行程天数"
                                << "Command2";
    QTest::newRow("days, 添加") << "Text2"
                                << "三"
                                << "行程天数"
                                << "Command1";
}

void RouteEditorTest::refusedValueKeepsTheTypedText() {
    QFETCH(QString, control);
    QFETCH(QString, typed);
    QFETCH(QString, field);
    QFETCH(QString, button);
    RouteEditor *editor = openEditor({});
    fillRequired(editor, "长城一日游");
    RouteFixture::type(editor, control, typed);
    RouteFixture::click(editor, button);

    QCOMPARE(m_fx->messages()->shown.size(), 1);
    QVERIFY2(m_fx->messages()->texts().first().contains(field),
             qPrintable(m_fx->messages()->texts().first()));
    QCOMPARE(m_fx->db().count("T_Line_BaseInfor"), 0);
    QCOMPARE(WindowHost::find("Form11"), editor);
    QCOMPARE(shown(editor, control), typed);
    QCOMPARE(shown(editor, "Text1"), "长城一日游");

    // Corrected, the same record saves.
    RouteFixture::type(editor, control, "5");
    RouteFixture::click(editor, "Command2");
    QCOMPARE(m_fx->db().count("T_Line_BaseInfor"), 1);
}

void RouteEditorTest::spinnerStepsWithinTenTypedDaysAreKept() {
    RouteEditor *editor = openEditor({});
    auto *spinner = editor->findChild<UpDown *>("UpDown1");
    QVERIFY(spinner);
    const QList<QToolButton *> arrows = spinner->findChildren<QToolButton *>();
    for (int i = 0; i < 12; ++i)
        QTest::mouseClick(arrows.first(), Qt::LeftButton);
    QCOMPARE(shown(editor, "Text2"), "10");
    QTest::mouseClick(arrows.last(), Qt::LeftButton);
    QCOMPARE(shown(editor, "Text2"), "9");
    RouteFixture::type(editor, "Text2", "3"); // a step goes on from what the box shows
    QTest::mouseClick(arrows.first(), Qt::LeftButton);
    QCOMPARE(shown(editor, "Text2"), "4");

    fillRequired(editor, "长线游");
    RouteFixture::type(editor, "Text2", "25");
    RouteFixture::click(editor, "Command2");
    QCOMPARE(m_fx->db().query("SELECT intlineFate FROM T_Line_BaseInfor"), QStringList{"25"});
}

void RouteEditorTest::vanishedRouteIsNeverWritten() {
    const QString id = m_fx->addRoute({"黄山游"});
    QCOMPARE(openEditor("999"), nullptr);
    QCOMPARE(m_fx->messages()->texts(), QStringList{RecordEditor::kRecordGone});
    QCOMPARE(WindowHost::find("Form11"), nullptr);

    // Deleted while the editor is open: the save is refused, not turned into a new route.
    m_fx->messages()->clear();
    RouteEditor *editor = openEditor(id);
    m_fx->db().query("DELETE FROM T_Line_BaseInfor WHERE lngid=?", {id});
    RouteFixture::type(editor, "Text1", "黄山二日游");
    RouteFixture::click(editor, "Command2");
    QCOMPARE(m_fx->messages()->shown.size(), 1);
    QVERIFY(m_fx->messages()->texts().first() != "线路添加成功");
    QCOMPARE(m_fx->db().count("T_Line_BaseInfor"), 0);
    QCOMPARE(WindowHost::find("Form11"), editor);
}

QTEST_MAIN(RouteEditorTest)
#include "test_routeeditor.moc"
