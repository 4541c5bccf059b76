#include "updown.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

UpDown::UpDown(const QString &name, QLineEdit *buddy, QWidget *parent)
    : QWidget(parent), m_buddy(buddy) {
    setObjectName(name);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto *up = new QToolButton(this);
    auto *down = new QToolButton(this);
    up->setArrowType(Qt::UpArrow);
    down->setArrowType(Qt::DownArrow);
    up->setAccessibleName(QStringLiteral("增加"));
    down->setAccessibleName(QStringLiteral("减少"));
    for (QToolButton *b : {up, down}) {
        b->setAutoRepeat(true);
        b->setFixedSize(16, 11);
        layout->addWidget(b);
    }
    connect(up, &QToolButton::clicked, this, &UpDown::stepUp);
    connect(down, &QToolButton::clicked, this, &UpDown::stepDown);
}

void UpDown::step(int by) {
    bool shown = false;
    const int number = m_buddy->text().trimmed().toInt(&shown);
    setValue((shown ? number : m_value) + by);
}

void UpDown::setValue(int value) {
    m_value = std::clamp(value, kMin, kMax);
    m_buddy->setText(QString::number(m_value));
}
