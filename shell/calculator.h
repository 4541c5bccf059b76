#pragma once

#include <QChar>
#include <QString>

// The four-function accumulator behind the calculator window. Keys: '0'..'9', '.',
// the operators '+', '-', '*', '/', '=', and 'C' to empty the display.
class Calculator {
public:
    // Returns the message the key gives ("不能以0为除数"), or an empty text.
    QString press(QChar key);
    QString display() const { return m_display; }

    // The numeric value of the leading number of a text; 0 when there is none.
    static double leadingNumber(const QString &text);
    // General decimal form to 15 significant digits: 8, 0.5, 1E+20.
    static QString format(double value);

private:
    void enterDigit(QChar key);
    QString applyOperator(QChar op);
    // The pending operator applied to the accumulator and x.
    double combine(double x, QString *message) const;

    QString m_display;
    bool m_startNew = false;
    double m_accumulator = 0;
    QChar m_pending = QLatin1Char('+');
};
