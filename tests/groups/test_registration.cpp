// Registration: amounts by type picks, the ordered checks of "保存", "添加" in new mode,
// edit mode, and a refused birthday that loses nothing.
#include "bounddatasource.h"
#include "groupfixtures.h"
#include "messagerecorder.h"
#include "registrationwindow.h"
#include "selectedrecordid.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

class RegistrationTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void amountByTypePicks_data();
    void amountByTypePicks();
    void saveChecksInOrder_data();
    void saveChecksInOrder();
    void saveWritesRegistrationAndCloses();
    void addInNewModeLeavesExistingUnchanged();
    void editModeShowsAndSavesTheRegistration();
    void refusedBirthdayLosesNothing();

private:
    RegistrationWindow *open();
    QLineEdit *edit(const QString &name) { return m_window->findChild<QLineEdit *>(name); }
    QComboBox *combo(const QString &name) { return m_window->findChild<QComboBox *>(name); }
    void press(const QString &button) { m_window->findChild<QPushButton *>(button)->click(); }
    void fillRequired();

    std::unique_ptr<TempDatabase> m_db;
    MessageRecorder *m_rec = nullptr;
    QPointer<RegistrationWindow> m_window;
};

void RegistrationTest::init() {
    m_db = std::make_unique<TempDatabase>();
    addGroup(*m_db, "HD-001", "可报名");
    addGroup(*m_db, "HD-002", "已回团");
    m_db->query("INSERT INTO T_Line_BaseInfor(strLineName) VALUES ('江南五日游'), ('桂林山水')");
    m_rec = MessageRecorder::install();
    SelectedRecordId::clear();
}

void RegistrationTest::cleanup() {
    delete m_window;
    MessageRecorder::uninstall();
    m_db.reset();
}

RegistrationWindow *RegistrationTest::open() {
    m_window = static_cast<RegistrationWindow *>(RecordEditor::open(new RegistrationWindow));
    return m_window;
}

void RegistrationTest::fillRequired() {
    edit("Text1")->setText("O'Neil 张");
    edit("Text2")->setText("110101199001011234");
}

void RegistrationTest::amountByTypePicks_data() {
    QTest::addColumn<QStringList>("picks"); // "typed:" entries are typed, not picked
    QTest::addColumn<QString>("due");
    QTest::newRow("adult") << QStringList{"成人"} << "55";
    QTest::newRow("child") << QStringList{"儿童"} << "25";
    QTest::newRow("child then adult") << QStringList{"儿童", "成人"} << "55";
    QTest::newRow("typed child keeps the amount") << QStringList{"成人", "typed:儿童"} << "55";
    QTest::newRow("typed only sets nothing") << QStringList{"typed:成人"} << "";
}

void RegistrationTest::amountByTypePicks() {
    QFETCH(QStringList, picks);
    QFETCH(QString, due);
    open();
    for (const QString &p : picks) {
        if (p.startsWith("typed:")) {
            combo("Combo4")->setEditText(p.mid(6));
        } else {
            pick(combo("Combo4"), p);
        }
    }
    QCOMPARE(edit("Text3")->text(), due);
    QVERIFY(!edit("Text3")->isEnabled());
    fillRequired();
    press("Command2");
    QCOMPARE(m_db->query("SELECT shouldpay FROM T_tourist_data").value(0), due);
}

void RegistrationTest::saveChecksInOrder_data() {
    QTest::addColumn<QStringList>("emptied");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus"); // empty: the focus stays where it was
    QTest::newRow("group and name empty") << QStringList{"Combo3", "Text1"} << "请选择所属团队！"
                                          << "";
    QTest::newRow("route") << QStringList{"Combo5", "Text2"} << "参团线路不能为空！"
                           << "Combo5";
    QTest::newRow("name") << QStringList{"Text1", "Text2"} << "请填写姓名！"
                          << "";
    QTest::newRow("document number") << QStringList{"Text2"} << "证件号码不可为空！"
                                     << "Text2";
}

void RegistrationTest::saveChecksInOrder() {
    QFETCH(QStringList, emptied);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    open();
    QApplication::setActiveWindow(m_window);
    fillRequired();
    for (const QString &name : emptied) {
        if (auto *box = combo(name))
            box->setCurrentText("");
        else
            edit(name)->clear();
    }
    edit("Text5")->setFocus();
    press("Command2");
    QCOMPARE(m_rec->texts(), QStringList{message});
    QCOMPARE(m_rec->shown.first().title, QStringLiteral("旅行社管理系统"));
    QCOMPARE(QApplication::focusWidget()->objectName(), focus.isEmpty() ? "Text5" : focus);
    QCOMPARE(m_db->count("T_tourist_data"), 0);
    QVERIFY(m_window && m_window->isVisible());
}

void RegistrationTest::saveWritesRegistrationAndCloses() {
    open();
    QCOMPARE(combo("Combo3")->currentText(), "HD-001");
    QCOMPARE(combo("Combo1")->currentText(), "男");
    QCOMPARE(combo("Combo2")->currentText(), "身份证");
    pick(combo("Combo3"), "HD-002"); // a returned group and another route are accepted
    pick(combo("Combo5"), "桂林山水");
    pick(combo("Combo4"), "儿童");
    fillRequired();
    edit("Text4")->setText("10");
    press("Command2");
    QCOMPARE(m_rec->texts(), QStringList{"添加成功！"});
    QTRY_VERIFY(!m_window);
    QCOMPARE(m_db->query("SELECT strgroupid || '|' || strLineName || '|' || strName || '|' || "
                         "str_type || '|' || shouldpay || '|' || infactpay || '|' || strver "
                         "FROM T_tourist_data"),
             QStringList{"HD-002|桂林山水|O'Neil 张|儿童|25|10|身份证"});
}

// Opening empty and pressing "添加" writes nothing; entries then follow one another.
void RegistrationTest::addInNewModeLeavesExistingUnchanged() {
    addRegistration(*m_db, "HD-001", "李明", 55, 55, 0);
    const QString before = "SELECT group_concat(strgroupid || strName || strLineName || "
                           "shouldpay || ifnull(strver, '-'), ';') FROM T_tourist_data";
    const QStringList stored = m_db->query(before);
    open();
    press("Command1");
    QCOMPARE(m_db->query(before), stored);
    QCOMPARE(edit("Text1")->text(), "");
    QCOMPARE(combo("Combo3")->currentText(), "");

    edit("Text1")->setText("王五");
    press("Command1");
    edit("Text1")->setText("赵六");
    combo("Combo3")->setCurrentText("HD-001");
    combo("Combo5")->setCurrentText("桂林山水");
    edit("Text2")->setText("X1");
    press("Command2");
    QCOMPARE(m_db->query("SELECT strName FROM T_tourist_data ORDER BY lngid"),
             (QStringList{"李明", "王五", "赵六"}));
    QVERIFY(m_db->errors().isEmpty());
}

void RegistrationTest::editModeShowsAndSavesTheRegistration() {
    addRegistration(*m_db, "HD-001", "甲", 55, 55);
    addRegistration(*m_db, "HD-002", " 李明 ", 25, 20);
    m_db->query(
        "UPDATE T_tourist_data SET strsex='女', strver='护照', str_type='儿童', strver_num='E1'");
    SelectedRecordId::set(
        m_db->query("SELECT lngid FROM T_tourist_data WHERE strgroupid='HD-002'").value(0));
    open();
    QCOMPARE(edit("Text1")->text(), "李明");
    QCOMPARE(edit("Text3")->text(), "25");
    QCOMPARE(combo("Combo3")->currentText(), "HD-002");
    QCOMPARE(combo("Combo3")->itemText(0), "HD-002");
    QCOMPARE(combo("Combo2")->itemText(0), "护照");
    QStringList sexes;
    for (int i = 0; i < combo("Combo1")->count(); ++i)
        sexes << combo("Combo1")->itemText(i);
    QCOMPARE(sexes, (QStringList{"男", "女", "女"}));
    QCOMPARE(combo("Combo1")->currentText(), "女");
    edit("Text4")->setText("25");
    press("Command2");
    QCOMPARE(m_rec->texts(), QStringList{"添加成功！"});
    QCOMPARE(m_db->query("SELECT strName || '|' || infactpay FROM T_tourist_data ORDER BY lngid"),
             (QStringList{"甲|55", "李明|25"}));
}

void RegistrationTest::refusedBirthdayLosesNothing() {
    addRegistration(*m_db, "HD-001", "甲", 55, 55);
    const QString all = "SELECT group_concat(strName || shouldpay, ';') FROM T_tourist_data";
    const QStringList stored = m_db->query(all);
    open();
    fillRequired();
    edit("Text10")->setText("1990-02-30");
    press("Command2");
    QCOMPARE(m_rec->shown.size(), 1);
    QVERIFY(m_rec->texts().first().contains("出生日期"));
    QVERIFY(!m_rec->texts().contains("添加成功！"));
    QCOMPARE(m_db->query(all), stored);
    QVERIFY(m_window && m_window->isVisible());
    QCOMPARE(edit("Text10")->text(), "1990-02-30");
    QCOMPARE(edit("Text1")->text(), "O'Neil 张");

    press("Command1"); // "添加" refuses the same value and keeps the record current
    QCOMPARE(m_db->query(all), stored);
    QCOMPARE(edit("Text1")->text(), "O'Neil 张");

    m_rec->clear();
    edit("Text10")->setText("1990-02-28");
    press("Command2");
    QCOMPARE(m_rec->texts(), QStringList{"添加成功！"});
    QCOMPARE(m_db->query("SELECT datbirth FROM T_tourist_data WHERE strName=?", {"O'Neil 张"}),
             QStringList{"1990-02-28 00:00:00"});
}

QTEST_MAIN(RegistrationTest)
#include "test_registration.moc"
