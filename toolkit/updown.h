#pragma once

#include <QWidget>

class QLineEdit;

// An up-down spinner attached to a text box: steps of 1 within 0..10, written into the box.
// What the user types into the box is not limited.
class UpDown : public QWidget {
    Q_OBJECT
public:
    UpDown(const QString &name, QLineEdit *buddy, QWidget *parent = nullptr);
    int value() const { return m_value; }
    void setValue(int value);
    void stepUp() { setValue(m_value + 1); }
    void stepDown() { setValue(m_value - 1); }

    static constexpr int kMin = 0;
    static constexpr int kMax = 10;

private:
    QLineEdit *m_buddy;
    int m_value = 0;
};
