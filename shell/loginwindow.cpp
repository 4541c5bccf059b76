#include "loginwindow.h"

#include "bounddatasource.h"
#include "currentuser.h"
#include "datacombo.h"
#include "defaultbutton.h"
#include "mainwindow.h"
#include "messages.h"
#include "programend.h"
#include "twips.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

LoginWindow::LoginWindow(bool relogin, QWidget *parent) : QWidget(parent), m_relogin(relogin) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("旅行社管理系统[login]"));
    setFixedTwips(this, 6435, 2670);

    m_adodc1 = new BoundDataSource(this);
    m_adodc1->setObjectName(QStringLiteral("Adodc1"));
    m_adodc1->setRecordSource(QStringLiteral("select * from T_I_User_Infor"));
    m_adodc1->open();

    auto *picture = new QLabel(this);
    picture->setPixmap(QPixmap(QStringLiteral(":/shell/login.png")));
    picture->setAlignment(Qt::AlignCenter);

    auto *frame = new QGroupBox(QStringLiteral("用户登陆"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    m_text1 = new DataCombo(frame);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setRowSource(m_adodc1, QStringLiteral("strUser_Identity"));
    m_text2 = new QLineEdit(frame);
    m_text2->setObjectName(QStringLiteral("Text2"));
    m_text2->setEchoMode(QLineEdit::Password);
    auto *label1 = new QLabel(QStringLiteral("用户名："), frame);
    auto *label2 = new QLabel(QStringLiteral("密  码："), frame);
    label1->setBuddy(m_text1);
    label2->setBuddy(m_text2);
    m_command1 = new QPushButton(QStringLiteral("登陆"), frame);
    m_command1->setObjectName(QStringLiteral("Command1"));
    setDefaultButton(m_command1, this);
    auto *command2 = new QPushButton(QStringLiteral("退出"), frame);
    command2->setObjectName(QStringLiteral("Command2"));

    auto *grid = new QGridLayout(frame);
    grid->addWidget(label1, 0, 0);
    grid->addWidget(m_text1, 0, 1, 1, 2);
    grid->addWidget(label2, 1, 0);
    grid->addWidget(m_text2, 1, 1, 1, 2);
    grid->addWidget(m_command1, 2, 1);
    grid->addWidget(command2, 2, 2);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(picture);
    layout->addWidget(frame, 1);

    connect(m_command1, &QPushButton::clicked, this, &LoginWindow::logIn);
    connect(command2, &QPushButton::clicked, this, &LoginWindow::leave);
    connect(m_text1, &QComboBox::editTextChanged, this, [this] { m_text2->setFocus(); });
    m_text1->setFocus();
}

LoginWindow *LoginWindow::open(bool relogin) {
    if (auto *existing = MainWindow::findLogin()) {
        existing->raise();
        existing->activateWindow();
        return existing;
    }
    auto *login = new LoginWindow(relogin, relogin ? MainWindow::instance() : nullptr);
    login->setAttribute(Qt::WA_DeleteOnClose);
    login->setWindowFlag(Qt::Window);
    login->show();
    centre(login, relogin ? MainWindow::instance() : nullptr);
    return login;
}

void LoginWindow::retry(QWidget *focus) {
    m_text1->setEditText(QString());
    m_text2->clear();
    m_adodc1->moveFirst();
    focus->setFocus();
}

void LoginWindow::logIn() {
    const QString typed = m_text1->currentText();
    MainWindow::instance()->setAccountPanel(typed);
    const QString account = typed.trimmed();
    const bool found =
        !m_adodc1->eof() && m_adodc1->find(QStringLiteral("strUser_Identity"), account);
    if (!found) {
        Messages::show(QStringLiteral("用户名错误！"), QStringLiteral("警告"));
        retry(m_text2);
    } else if (m_adodc1->fieldText(QStringLiteral("strUser_Password")).trimmed() !=
               m_text2->text().trimmed()) {
        Messages::show(QStringLiteral("密码错误！"), QStringLiteral("警告"));
        if (m_attempts == 3) {
            Messages::show(QStringLiteral("错误输入三次，请与系统管理员联系！"),
                           QStringLiteral("警告！"));
            ++m_attempts;
            ProgramEnd::end();
            return;
        }
        retry(m_text1);
    } else {
        const CurrentUser::User user{
            m_adodc1->fieldText(QStringLiteral("strUser_Identity")).trimmed(),
            m_adodc1->fieldText(QStringLiteral("strUser_Password")).trimmed(),
            m_adodc1->fieldText(QStringLiteral("strUser_Name")).trimmed()};
        CurrentUser::set(user);
        m_done = true;
        ++m_attempts;
        close();
        Messages::show(QStringLiteral("  欢迎 ") + user.name + QStringLiteral(" 进入系统"));
        MainWindow::instance()->showMaximized();
        return;
    }
    ++m_attempts;
}

void LoginWindow::leave() {
    close();
}

void LoginWindow::closeEvent(QCloseEvent *event) {
    event->accept();
    // At start-up there is nothing behind the login window: leaving it ends the program.
    if (!m_done && !m_relogin)
        ProgramEnd::end();
}
