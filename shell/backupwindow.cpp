#include "backupwindow.h"

#include "backup.h"
#include "database.h"
#include "messages.h"
#include "twips.h"

#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QPushButton>

BackupWindow::BackupWindow(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form67"));
    setWindowTitle(QStringLiteral("数据备份"));
    setFixedTwips(this, 3675, 1995);

    auto *command1 = new QPushButton(QStringLiteral("数据备份"), this);
    auto *command2 = new QPushButton(QStringLiteral("退出"), this);
    command1->setObjectName(QStringLiteral("Command1"));
    command2->setObjectName(QStringLiteral("Command2"));
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(command1);
    layout->addWidget(command2);

    connect(command1, &QPushButton::clicked, this, &BackupWindow::backUp);
    connect(command2, &QPushButton::clicked, this, &QWidget::close);
}

void BackupWindow::backUp() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QString source = database::filePath();
    const QString target = backup::datedName(source, QStringLiteral("Travel"));
    QString error;
    const bool ok = backup::snapshot(source, target, &error);
    QApplication::restoreOverrideCursor();
    if (ok)
        Messages::show(QStringLiteral("数据已备份完毕。"));
    else
        Messages::show(
            QStringLiteral("数据备份没有完成，数据库没有改动，原有的备份文件“%1”也保持原样。"
                           "\n原因：%2")
                .arg(QDir::toNativeSeparators(target), error));
}
