#include "initialisewindow.h"

#include "initialise.h"
#include "messages.h"
#include "sharedconnection.h"
#include "twips.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

InitialiseWindow::InitialiseWindow(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form69"));
    setWindowTitle(QStringLiteral("初始化数据"));
    setFixedTwips(this, 7380, 2775);
    OpenSharedConnection();

    auto *label1 = new QLabel(QStringLiteral("提示：初始化，将清空所选表数据或全部数据。"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setStyleSheet(QStringLiteral("color: #800000;"));

    m_frame1 = new QGroupBox(QStringLiteral("基础数据"), this);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    m_frame1->setEnabled(false);
    auto *grid = new QGridLayout(m_frame1);
    const auto &choices = initialise::choices();
    for (int i = 0; i < choices.size(); ++i) {
        auto *check = new QCheckBox(choices.at(i).caption, m_frame1);
        check->setObjectName(QStringLiteral("Check%1").arg(i + 1));
        grid->addWidget(check, i / 4, i % 4);
        m_checks << check;
    }

    auto *command1 = new QPushButton(QStringLiteral("开始"), this);
    auto *comstart = new QPushButton(QStringLiteral("初始化"), this);
    auto *comend = new QPushButton(QStringLiteral("退出"), this);
    command1->setObjectName(QStringLiteral("Command1"));
    comstart->setObjectName(QStringLiteral("Comstart"));
    comend->setObjectName(QStringLiteral("Comend"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(command1);
    buttons->addWidget(comstart);
    buttons->addWidget(comend);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label1);
    layout->addWidget(m_frame1, 1);
    layout->addLayout(buttons);

    connect(command1, &QPushButton::clicked, this, [this] { m_frame1->setEnabled(true); });
    connect(comstart, &QPushButton::clicked, this, &InitialiseWindow::run);
    connect(comend, &QPushButton::clicked, this, &QWidget::close);
}

void InitialiseWindow::run() {
    QStringList tables;
    for (int i = 0; i < m_checks.size(); ++i) {
        if (m_checks.at(i)->isChecked())
            tables << initialise::choices().at(i).table;
    }
    QString error;
    if (!initialise::emptyTables(SharedConnection::database(), tables, &error))
        Messages::show(
            QStringLiteral("初始化没有完成，所有表的数据都保持原样。\n原因：%1").arg(error));
}
