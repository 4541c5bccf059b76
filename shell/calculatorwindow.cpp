#include "calculatorwindow.h"

#include "messages.h"
#include "twips.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

namespace {
struct Key {
    QString name;
    QString caption;
    int row;
    int column;
};

// Digits Command1(0..9) and "." Command1(10); operators Command2(0..4); clear Command3.
const QVector<Key> kKeys = {
    {"Command1(7)", "7", 1, 0}, {"Command1(8)", "8", 1, 1},  {"Command1(9)", "9", 1, 2},
    {"Command2(3)", "/", 1, 3}, {"Command1(4)", "4", 2, 0},  {"Command1(5)", "5", 2, 1},
    {"Command1(6)", "6", 2, 2}, {"Command2(2)", "*", 2, 3},  {"Command1(1)", "1", 3, 0},
    {"Command1(2)", "2", 3, 1}, {"Command1(3)", "3", 3, 2},  {"Command2(1)", "-", 3, 3},
    {"Command1(0)", "0", 4, 0}, {"Command1(10)", ".", 4, 1}, {"Command2(4)", "=", 4, 2},
    {"Command2(0)", "+", 4, 3}, {"Command3", "清空", 5, 0},
};
} // namespace

CalculatorWindow::CalculatorWindow(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form27"));
    setWindowTitle(QStringLiteral("计算器"));
    setFixedTwips(this, 4155, 3060);

    m_text1 = new QLineEdit(this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setReadOnly(true);
    m_text1->setAlignment(Qt::AlignRight);

    auto *layout = new QGridLayout(this);
    layout->addWidget(m_text1, 0, 0, 1, 4);
    for (const Key &key : kKeys) {
        auto *button = new QPushButton(key.caption, this);
        button->setObjectName(key.name);
        button->setFocusPolicy(Qt::NoFocus);
        const bool clear = key.name == QLatin1String("Command3");
        layout->addWidget(button, key.row, key.column, 1, clear ? 4 : 1);
        const QChar symbol = clear ? QLatin1Char('C') : key.caption.at(0);
        connect(button, &QPushButton::clicked, this, [this, symbol] { press(symbol); });
    }
}

void CalculatorWindow::press(QChar key) {
    const QString message = m_calculator.press(key);
    if (!message.isEmpty())
        Messages::show(message);
    m_text1->setText(m_calculator.display());
}
