#include "changepasswordwindow.h"

#include "bounddatasource.h"
#include "boundform.h"
#include "currentuser.h"
#include "defaultbutton.h"
#include "messages.h"
#include "twips.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QVector<FieldSpec> kFields = {
    {QStringLiteral("用户名："), QStringLiteral("user")},
    {QStringLiteral("旧密码："), QStringLiteral("oldpass")},
    {QStringLiteral("新密码："), QStringLiteral("newpass")},
    {QStringLiteral("确认新密码："), QStringLiteral("newpass2")},
};
const QStringList kPasswordBoxes = {QStringLiteral("oldpass"), QStringLiteral("newpass"),
                                    QStringLiteral("newpass2")};
} // namespace

ChangePasswordWindow::ChangePasswordWindow(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(QStringLiteral("修改密码"));
    setFixedTwips(this, 3975, 3150);

    m_adodc1 = new BoundDataSource(this);
    m_adodc1->setObjectName(QStringLiteral("Adodc1"));
    m_adodc1->setRecordSource(QStringLiteral("T_I_User_Infor"));
    m_adodc1->open();

    auto *layout = new QGridLayout(this);
    m_form = new BoundForm(this, nullptr);
    m_form->build(layout, kFields, 1);
    auto *user = m_form->controlAs<QLineEdit>(QStringLiteral("user"));
    user->setText(CurrentUser::get().account);
    user->setEnabled(false);

    auto *command1 = new QPushButton(QStringLiteral("确定"), this);
    auto *command2 = new QPushButton(QStringLiteral("取消"), this);
    command1->setObjectName(QStringLiteral("Command1"));
    command2->setObjectName(QStringLiteral("Command2"));
    setDefaultButton(command1, this);
    const int buttonRow = layout->rowCount();
    layout->addWidget(command1, buttonRow, 0);
    layout->addWidget(command2, buttonRow, 1);

    connect(command1, &QPushButton::clicked, this, &ChangePasswordWindow::change);
    connect(command2, &QPushButton::clicked, this, &QWidget::close);
    m_form->control(QStringLiteral("oldpass"))->setFocus();
}

void ChangePasswordWindow::change() {
    const CurrentUser::User &user = CurrentUser::get();
    const QString newPassword = m_form->text(QStringLiteral("newpass2"));
    if (m_form->text(QStringLiteral("oldpass")) != user.password ||
        newPassword != m_form->text(QStringLiteral("newpass"))) {
        rejectInput();
        return;
    }
    m_adodc1->moveFirst();
    if (!m_adodc1->find(QStringLiteral("strUser_Identity"), user.account)) {
        Messages::show(QStringLiteral("找不到用户“%1”的记录，密码没有修改。").arg(user.account));
        return;
    }
    m_adodc1->setFieldValue(QStringLiteral("strUser_Password"), newPassword.trimmed());
    if (!m_adodc1->update())
        return; // the data source has shown why
    Messages::show(QStringLiteral("修改密码成功！"));
    m_adodc1->refresh();
    close();
}

void ChangePasswordWindow::rejectInput() {
    Messages::show(QStringLiteral("输入有误，请检查！"));
    for (const QString &name : kPasswordBoxes)
        m_form->controlAs<QLineEdit>(name)->clear();
    m_form->control(QStringLiteral("oldpass"))->setFocus();
}
