// The login rules: lookups, messages, the attempt counter and the third-wrong-password end.
#include "currentuser.h"
#include "leftoverwindows.h"
#include "loginwindow.h"
#include "mainwindow.h"
#include "messagerecorder.h"
#include "programend.h"
#include "splashwindow.h"
#include "tempdatabase.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {
const QString kWrongAccount = QStringLiteral("用户名错误！");
const QString kWrongPassword = QStringLiteral("密码错误！");
const QString kThird = QStringLiteral("错误输入三次，请与系统管理员联系！");
const QString kWelcome = QStringLiteral("  欢迎 系统管理员 进入系统");
} // namespace

class LoginTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void presses_data();
    void presses();
    void messagesCarryTheirTitles();
    void failedReloginKeepsUser();
    void leavingAtStartEndsButNotAtRelogin();
    void accountChangeMovesFocus();
    void enterPressesLogin();
    void splashShrinksThenOpensLogin();

private:
    // Types account and password and presses "登陆"; returns the window if still open.
    void press(LoginWindow *login, const QString &account, const QString &password);

    std::unique_ptr<TempDatabase> m_db;
    MessageRecorder *m_messages = nullptr;
    bool m_ended = false;
};

void LoginTest::init() {
    m_db = std::make_unique<TempDatabase>();
    m_messages = MessageRecorder::install();
    m_ended = false;
    ProgramEnd::setAction([this] { m_ended = true; });
    CurrentUser::set({});
}

void LoginTest::cleanup() {
    deleteTopLevelWindows();
    MessageRecorder::uninstall();
    ProgramEnd::setAction({});
    m_db.reset();
}

void LoginTest::press(LoginWindow *login, const QString &account, const QString &password) {
    login->findChild<QComboBox *>("Text1")->setEditText(account);
    login->findChild<QLineEdit *>("Text2")->setText(password);
    login->findChild<QPushButton *>("Command1")->click();
}

void LoginTest::presses_data() {
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QStringList>("presses"); // "account|password"
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("ended");
    QTest::addColumn<QString>("user");

    QTest::newRow("success") << "" << QStringList{"admin|admin"} << QStringList{kWelcome} << false
                             << "admin";
    QTest::newRow("blanks around account and password")
        << "" << QStringList{"  admin  |  admin "} << QStringList{kWelcome} << false << "admin";
    QTest::newRow("stored password with trailing blanks")
        << "UPDATE T_I_User_Infor SET strUser_Password='admin   '" << QStringList{"admin|admin"}
        << QStringList{kWelcome} << false << "admin";
    QTest::newRow("password case differs")
        << "" << QStringList{"admin|ADMIN"} << QStringList{kWrongPassword} << false << "";
    QTest::newRow("two wrong accounts then wrong password ends")
        << "" << QStringList{"x|admin", "y|admin", "admin|bad"}
        << QStringList{kWrongAccount, kWrongAccount, kWrongPassword, kThird} << true << "";
    QTest::newRow("wrong account on third press does not end")
        << "" << QStringList{"admin|a", "admin|b", "x|c", "admin|d"}
        << QStringList{kWrongPassword, kWrongPassword, kWrongAccount, kWrongPassword} << false
        << "";
    QTest::newRow("success after two wrong passwords")
        << "" << QStringList{"admin|a", "admin|b", "admin|admin"}
        << QStringList{kWrongPassword, kWrongPassword, kWelcome} << false << "admin";
    QTest::newRow("apostrophe in account")
        << "" << QStringList{"ad'min|admin"} << QStringList{kWrongAccount} << false << "";
    QTest::newRow("no accounts at all")
        << "DELETE FROM T_I_User_Infor" << QStringList{"admin|admin"} << QStringList{kWrongAccount}
        << false << "";
    QTest::newRow("first of two equal accounts is compared")
        << "INSERT INTO T_I_User_Infor(strUser_Identity, strUser_Password, strUser_Name) "
           "VALUES ('admin', 'other', '第二个')"
        << QStringList{"admin|other"} << QStringList{kWrongPassword} << false << "";
    QTest::newRow("account with apostrophe logs in")
        << "INSERT INTO T_I_User_Infor(strUser_Identity, strUser_Password, strUser_Name) "
           "VALUES ('o''brien', 'pw', '系统管理员')"
        << QStringList{"o'brien|pw"} << QStringList{kWelcome} << false << "o'brien";
}

void LoginTest::presses() {
    QFETCH(QString, setup);
    QFETCH(QStringList, presses);
    QFETCH(QStringList, messages);
    QFETCH(bool, ended);
    QFETCH(QString, user);
    if (!setup.isEmpty())
        m_db->query(setup);

    QPointer<LoginWindow> login = LoginWindow::open(false);
    for (const QString &p : presses) {
        QVERIFY(login);
        const QStringList parts = p.split('|');
        press(login, parts.at(0), parts.at(1));
        // Panel 3 shows what was typed, whatever the outcome.
        QCOMPARE(MainWindow::instance()->panel(3)->text(), parts.at(0));
    }
    QCOMPARE(m_messages->texts(), messages);
    QCOMPARE(m_ended, ended);
    QCOMPARE(CurrentUser::get().account, user);
    if (!user.isEmpty()) {
        QVERIFY(!login || !login->isVisible());
        QVERIFY(MainWindow::instance()->isVisible());
    } else if (!ended) {
        QVERIFY(login && login->isVisible());
        QVERIFY(login->findChild<QLineEdit *>("Text2")->text().isEmpty());
        QVERIFY(login->findChild<QComboBox *>("Text1")->currentText().isEmpty());
    }
}

void LoginTest::messagesCarryTheirTitles() {
    LoginWindow *login = LoginWindow::open(false);
    for (int i = 0; i < 2; ++i)
        press(login, "admin", "bad");
    press(login, "admin", "bad");
    QCOMPARE(m_messages->shown.size(), 4);
    QCOMPARE(m_messages->shown.at(0).title, QStringLiteral("警告"));
    QCOMPARE(m_messages->shown.at(3).title, QStringLiteral("警告！"));
    QVERIFY(m_messages->shown.at(3).buttons == MessageRequest::Buttons::Ok);
}

void LoginTest::failedReloginKeepsUser() {
    press(LoginWindow::open(false), "admin", "admin");
    QCOMPARE(CurrentUser::get().name, QStringLiteral("系统管理员"));
    LoginWindow *again = LoginWindow::open(true);
    press(again, "somebody", "x");
    QCOMPARE(CurrentUser::get().account, QStringLiteral("admin"));
    QCOMPARE(MainWindow::instance()->panel(3)->text(), QStringLiteral("somebody"));
}

void LoginTest::leavingAtStartEndsButNotAtRelogin() {
    LoginWindow::open(false)->findChild<QPushButton *>("Command2")->click();
    QVERIFY(m_ended);
    m_ended = false;
    QPointer<LoginWindow> relogin = LoginWindow::open(true);
    relogin->findChild<QPushButton *>("Command2")->click();
    QVERIFY(!m_ended);
    QTRY_VERIFY(!relogin || !relogin->isVisible());
}

void LoginTest::accountChangeMovesFocus() {
    LoginWindow *login = LoginWindow::open(false);
    login->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(login));
    auto *account = login->findChild<QComboBox *>("Text1");
    account->setFocus();
    QTest::keyClick(account, Qt::Key_A);
    QCOMPARE(QApplication::focusWidget(), login->findChild<QLineEdit *>("Text2"));
}

void LoginTest::enterPressesLogin() {
    LoginWindow *login = LoginWindow::open(false);
    login->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(login));
    login->findChild<QComboBox *>("Text1")->setEditText("admin");
    auto *password = login->findChild<QLineEdit *>("Text2");
    password->setFocus();
    QTest::keyClicks(password, "admin");
    QTest::keyClick(password, Qt::Key_Return);
    QCOMPARE(m_messages->texts(), QStringList{kWelcome});
    QCOMPARE(CurrentUser::get().account, QStringLiteral("admin"));
}

void LoginTest::splashShrinksThenOpensLogin() {
    QPointer<SplashWindow> splash = new SplashWindow;
    splash->setAttribute(Qt::WA_DeleteOnClose);
    connect(splash, &SplashWindow::finished, [] { LoginWindow::open(false); });
    splash->show();
    QCOMPARE(splash->windowTitle(), QStringLiteral("澄岚软件系列[旅行社管理系统]"));
    QCOMPARE(splash->size(), QSize(384, 243));
    QVERIFY(splash->findChild<QLabel *>("Label1")->isVisible());
    QCOMPARE(splash->timer()->interval(), 3000);
    QVERIFY(splash->timer()->isActive());
    int narrowest = splash->width();
    const int centre = splash->geometry().center().x();
    connect(splash, &SplashWindow::finished, this, [&] { narrowest = splash->width(); });
    splash->finish(); // what the timer does after 3000 ms
    QCOMPARE(narrowest, 1);
    QVERIFY(qAbs(splash->geometry().center().x() - centre) <= 1);
    QTRY_VERIFY(!splash);
    QVERIFY(MainWindow::findLogin());
}

QTEST_MAIN(LoginTest)
#include "test_login.moc"
