// Front desk: query precedence and the remaining ticks, the inclusive date range, the date
// pickers, detail labels, and the locked group editor that changes a group's state.
#include "bounddatasource.h"
#include "frontdesk.h"
#include "groupeditor.h"
#include "groupfixtures.h"
#include "messagerecorder.h"
#include "popupmenuhost.h"
#include "selectedrecordid.h"
#include "windowhost.h"

#include "leftoverwindows.h"

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {
const QDate kToday(2024, 5, 2);
} // namespace

class FrontDeskTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void queryPrecedence_data();
    void queryPrecedence();
    void dateRange_data();
    void dateRange();
    void pickersStartAtTodayAndFlip();
    void detailsFollowTheCurrentRow();
    void stateChangeThroughLockedEditor();
    void touristManagementClosesTheListedWindows();

private:
    QStringList listed() const;
    QCheckBox *box(const QString &name) const { return m_desk->findChild<QCheckBox *>(name); }
    void query() { m_desk->findChild<QPushButton *>("Command1")->click(); }

    std::unique_ptr<TempDatabase> m_db;
    MessageRecorder *m_rec = nullptr;
    QPointer<FrontDesk> m_desk;
};

void FrontDeskTest::init() {
    m_db = std::make_unique<TempDatabase>();
    addGroup(*m_db, "G1", "可报名", "2024-05-01 00:00:00");
    addGroup(*m_db, "G2", "已出团", "2024-05-02 08:30:00");
    addGroup(*m_db, "G3", "已回团", "2024-05-03 00:00:00");
    addGroup(*m_db, "G4", "暂停", "2024-05-04 00:00:00");
    addGroup(*m_db, "G5", "可报名");
    m_rec = MessageRecorder::install();
    m_desk = new FrontDesk(kToday);
    WindowHost::showSeparate(m_desk);
}

void FrontDeskTest::cleanup() {
    deleteTopLevelWindows();
    MessageRecorder::uninstall();
    m_db.reset();
}

QStringList FrontDeskTest::listed() const {
    QStringList numbers;
    BoundDataSource *source = m_desk->source();
    for (bool more = source->moveFirst(); more; more = source->moveNext())
        numbers << source->fieldText("strGroupID");
    return numbers;
}

void FrontDeskTest::queryPrecedence_data() {
    QTest::addColumn<QStringList>("ticked");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QStringList>("stillTicked");
    const QStringList all{"G1", "G2", "G3", "G4", "G5"};
    QTest::newRow("none") << QStringList{} << all << QStringList{};
    QTest::newRow("open") << QStringList{"Check1"} << QStringList{"G1", "G5"}
                          << QStringList{"Check1"};
    QTest::newRow("open and returned")
        << QStringList{"Check1", "Check3"} << QStringList{"G1", "G5"} << QStringList{"Check1"};
    QTest::newRow("departed beats returned and all")
        << QStringList{"Check2", "Check3", "Check4"} << QStringList{"G2"} << QStringList{"Check2"};
    QTest::newRow("returned and dates")
        << QStringList{"Check3", "Check5"} << QStringList{"G3"} << QStringList{"Check3"};
    QTest::newRow("all and dates")
        << QStringList{"Check4", "Check5"} << all << QStringList{"Check4"};
    QTest::newRow("every box") << QStringList{"Check1", "Check2", "Check3", "Check4", "Check5"}
                               << QStringList{"G1", "G5"} << QStringList{"Check1"};
    QTest::newRow("dates only") << QStringList{"Check5"} << QStringList{"G2"}
                                << QStringList{"Check5"};
}

void FrontDeskTest::queryPrecedence() {
    QFETCH(QStringList, ticked);
    QFETCH(QStringList, listed);
    QFETCH(QStringList, stillTicked);
    for (const QString &name : ticked)
        box(name)->click();
    query();
    QCOMPARE(this->listed(), listed);
    QStringList ticks;
    for (const char *name : {"Check1", "Check2", "Check3", "Check4", "Check5"}) {
        if (box(name)->isChecked())
            ticks << name;
    }
    QCOMPARE(ticks, stillTicked);
    const bool datesOn = box("Check5")->isChecked();
    QCOMPARE(m_desk->findChild<QDateEdit *>("begintime")->isEnabled(), datesOn);
    QCOMPARE(m_desk->findChild<QDateEdit *>("endtime")->isEnabled(), datesOn);
}

void FrontDeskTest::dateRange_data() {
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("last");
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("both ends included, time of day too")
        << QDate(2024, 5, 1) << QDate(2024, 5, 2) << QStringList{"G1", "G2"};
    QTest::newRow("one day") << QDate(2024, 5, 3) << QDate(2024, 5, 3) << QStringList{"G3"};
    QTest::newRow("typed state listed by date")
        << QDate(2024, 5, 4) << QDate(2024, 6, 1) << QStringList{"G4"};
    QTest::newRow("reversed") << QDate(2024, 5, 3) << QDate(2024, 5, 1) << QStringList{};
}

void FrontDeskTest::dateRange() {
    QFETCH(QDate, first);
    QFETCH(QDate, last);
    QFETCH(QStringList, listed);
    box("Check5")->click();
    m_desk->findChild<QDateEdit *>("begintime")->setDate(first);
    m_desk->findChild<QDateEdit *>("endtime")->setDate(last);
    query();
    QCOMPARE(this->listed(), listed);
    QVERIFY(m_db->errors().isEmpty() && m_rec->shown.isEmpty());
}

void FrontDeskTest::pickersStartAtTodayAndFlip() {
    auto *begin = m_desk->findChild<QDateEdit *>("begintime");
    auto *end = m_desk->findChild<QDateEdit *>("endtime");
    QCOMPARE(begin->date(), kToday);
    QCOMPARE(end->date(), kToday);
    QVERIFY(!begin->isEnabled() && !end->isEnabled());
    box("Check5")->click();
    QVERIFY(begin->isEnabled() && end->isEnabled());
    box("Check4")->click();
    query(); // "全部" clears "启用时间", which flips the pickers again
    QVERIFY(!box("Check5")->isChecked());
    QVERIFY(!begin->isEnabled() && !end->isEnabled());
}

void FrontDeskTest::detailsFollowTheCurrentRow() {
    m_db->query("UPDATE T_Group_BaseInfor SET intTotalNum=12, strCiceCroneDegree='高级', "
                "strGroupDesc='含门票' WHERE strGroupID='G2'");
    query();
    m_desk->source()->moveTo(1);
    QCOMPARE(m_desk->findChild<QLabel *>("Label7")->text(), "40");
    QCOMPARE(m_desk->findChild<QLabel *>("Label8")->text(), "12");
    QCOMPARE(m_desk->findChild<QLabel *>("Label9")->text(), "高级");
    QCOMPARE(m_desk->findChild<QLabel *>("Label10")->text(), "含门票");
    const QFont caption = m_desk->findChild<QLabel *>("Label3")->font();
    QCOMPARE(caption.family(), QStringLiteral("黑体"));
    QCOMPARE(caption.pointSizeF(), 10.5);
}

void FrontDeskTest::stateChangeThroughLockedEditor() {
    m_desk->source()->moveTo(0); // G1, 可报名
    m_desk->popup()->item("editzt")->trigger();
    auto *editor = WindowHost::findAs<GroupEditor>("Form73");
    QVERIFY(editor);
    QStringList disabled;
    for (QWidget *w : editor->findChildren<QWidget *>()) {
        if (!w->isEnabled() && !w->objectName().isEmpty() && w->parentWidget()->isEnabled())
            disabled << w->objectName();
    }
    disabled.sort();
    QCOMPARE(disabled, (QStringList{"Combo1", "Combo2", "Combo3", "Combo4", "Combo5", "Command1",
                                    "Text1", "Text10", "Text11", "Text13", "Text6", "UpDown1"}));
    QStringList states;
    auto *state = editor->findChild<QComboBox *>("Combo6");
    for (int i = 0; i < state->count(); ++i)
        states << state->itemText(i);
    QCOMPARE(states, (QStringList{"可报名", "已出团", "已回团", "可报名"}));

    pick(state, "已出团");
    editor->findChild<QDateEdit *>("DTPicker2")->setDate(QDate(2024, 5, 6));
    editor->findChild<QPushButton *>("Command2")->click();
    QCOMPARE(m_rec->texts(), QStringList{"信息已添加！"});
    QCOMPARE(m_db->query("SELECT intGroupState || '|' || dtEndTime || '|' || strWork FROM "
                         "T_Group_BaseInfor WHERE strGroupID='G1'"),
             QStringList{"已出团|2024-05-06 00:00:00|王芳"});
    QCOMPARE(m_desk->source()->fieldText("intGroupState"), "可报名"); // until the next query
    query();
    QCOMPARE(m_desk->source()->fieldText("intGroupState"), "已出团");
}

void FrontDeskTest::touristManagementClosesTheListedWindows() {
    auto *other = new QWidget;
    other->setObjectName("Form10");
    WindowHost::showSeparate(other);
    QPointer<QWidget> otherAlive = other;
    m_desk->popup()->item("ykgl")->trigger();
    QVERIFY(WindowHost::find("Form77"));
    QTRY_VERIFY(!m_desk && !otherAlive);
}

QTEST_MAIN(FrontDeskTest)
#include "test_frontdesk.moc"
