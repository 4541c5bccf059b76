#include "calculator.h"

#include <QRegularExpression>
#include <cmath>

QString Calculator::press(QChar key) {
    if (key.isDigit() || key == QLatin1Char('.')) {
        enterDigit(key);
        return {};
    }
    if (key == QLatin1Char('C')) {
        m_display.clear(); // the accumulator and the pending operator stay
        return {};
    }
    return applyOperator(key);
}

void Calculator::enterDigit(QChar key) {
    if (!m_startNew) {
        m_display += key;
        return;
    }
    m_display = key == QLatin1Char('.') ? QStringLiteral("0.") : QString(key);
    m_startNew = false;
}

QString Calculator::applyOperator(QChar op) {
    m_startNew = true;
    QString message;
    if (m_pending != QLatin1Char('=')) { // "=" leaves the display as it is
        double result = combine(leadingNumber(m_display), &message);
        // A result beyond a double would read back as nonsense: keep the accumulator.
        if (!std::isfinite(result)) {
            message = QStringLiteral("计算结果超出范围");
            result = m_accumulator;
        }
        m_display = format(result);
    }
    m_accumulator = leadingNumber(m_display);
    m_pending = op;
    return message;
}

double Calculator::combine(double x, QString *message) const {
    switch (m_pending.unicode()) {
    case '-':
        return m_accumulator - x;
    case '*':
        return m_accumulator * x;
    case '/':
        if (x != 0)
            return m_accumulator / x;
        *message = QStringLiteral("不能以0为除数");
        return m_accumulator;
    default:
        return m_accumulator + x;
    }
}

double Calculator::leadingNumber(const QString &text) {
    static const QRegularExpression number(
        QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?"));
    const QRegularExpressionMatch m = number.match(text);
    return m.hasMatch() ? m.captured(0).trimmed().toDouble() : 0;
}

QString Calculator::format(double value) {
    if (value == 0)
        return QStringLiteral("0"); // never "-0"
    return QString::number(value, 'g', 15).toUpper();
}
