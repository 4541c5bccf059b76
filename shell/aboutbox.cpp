#include "aboutbox.h"

#include "defaultbutton.h"
#include "desktopservices.h"
#include "messages.h"
#include "twips.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

AboutBox::AboutBox(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form56"));
    setWindowTitle(QStringLiteral("关于本系统......"));
    setFixedTwips(this, 7230, 4230);

    auto *banner = new QLabel(this);
    banner->setObjectName(QStringLiteral("Image1"));
    banner->setPixmap(QPixmap(QStringLiteral(":/shell/about_banner.png")));
    banner->setAlignment(Qt::AlignCenter);
    auto *title = new QLabel(QStringLiteral("旅游管理系统"), this);
    title->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont = title->font();
    titleFont.setPointSize(18);
    titleFont.setBold(true);
    title->setFont(titleFont);
    auto *version = new QLabel(QStringLiteral("版本：VER1.0"), this);
    version->setObjectName(QStringLiteral("lblVersion"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(banner);
    layout->addWidget(title);
    layout->addWidget(version);
    const QStringList lines = {QStringLiteral("开发：") + vendor::kDeveloper,
                               QStringLiteral("电子邮件：") + vendor::kSupportMail,
                               QStringLiteral("网址：") + vendor::kWebSite};
    for (const QString &line : lines) {
        auto *label = new QLabel(line, this);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(label);
    }
    layout->addStretch();

    auto *command1 = new QPushButton(QStringLiteral("系统信息"), this);
    auto *command2 = new QPushButton(QStringLiteral("确定"), this);
    command1->setObjectName(QStringLiteral("Command1"));
    command2->setObjectName(QStringLiteral("Command2"));
    setDefaultButton(command2, this);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(command1);
    buttons->addWidget(command2);
    layout->addLayout(buttons);

    connect(command1, &QPushButton::clicked, this, &AboutBox::showSystemInformation);
    connect(command2, &QPushButton::clicked, this, &QWidget::close);
}

const QStringList &AboutBox::systemInformationPrograms() {
    static const QStringList programs = {QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"),
                                         QStringLiteral("kinfocenter"),
                                         QStringLiteral("gnome-system-monitor")};
    return programs;
}

void AboutBox::showSystemInformation() {
    for (const QString &name : systemInformationPrograms()) {
        const QString program = QStandardPaths::findExecutable(name);
        if (!program.isEmpty() && QProcess::startDetached(program, {}))
            return;
    }
    Messages::show(QStringLiteral("此时系统信息不可用"));
}
