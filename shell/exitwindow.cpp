#include "exitwindow.h"

#include "backup.h"
#include "database.h"
#include "messages.h"
#include "programend.h"
#include "twips.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

ExitWindow::ExitWindow(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form12"));
    setWindowTitle(QStringLiteral("退出本系统"));
    setFixedTwips(this, 5400, 2700);

    auto *advice = new QLabel(
        QStringLiteral(
            "    建议选择[备份后退出]，这样做的好处是万一数据库发生异常，还可以通过备份后的"
            "数据恢复！让您避免不必要的损失！当然这样做会占用您一定的硬盘空间！"),
        this);
    advice->setObjectName(QStringLiteral("Label1"));
    advice->setWordWrap(true);

    auto *command1 = new QPushButton(QStringLiteral("备份后退出"), this);
    auto *command2 = new QPushButton(QStringLiteral("直接退出"), this);
    auto *command3 = new QPushButton(QStringLiteral("取消退出"), this);
    command1->setObjectName(QStringLiteral("Command1"));
    command2->setObjectName(QStringLiteral("Command2"));
    command3->setObjectName(QStringLiteral("Command3"));

    auto *layout = new QGridLayout(this);
    layout->addWidget(advice, 0, 0, 1, 3);
    layout->addWidget(command1, 1, 0);
    layout->addWidget(command2, 1, 1);
    layout->addWidget(command3, 1, 2);

    connect(command1, &QPushButton::clicked, this, &ExitWindow::backUpAndExit);
    connect(command2, &QPushButton::clicked, this, [] { ProgramEnd::end(); });
    connect(command3, &QPushButton::clicked, this, &QWidget::close);
}

void ExitWindow::backUpAndExit() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QString source = database::filePath();
    QString error;
    const bool ok =
        backup::snapshot(source, backup::datedName(source, QStringLiteral("TravelDB")), &error);
    QApplication::restoreOverrideCursor();
    if (!ok) {
        Messages::show(QStringLiteral("数据库正在使用!"));
        close();
        return;
    }
    Messages::show(QStringLiteral("数据已备份完毕。"));
    ProgramEnd::end();
}
