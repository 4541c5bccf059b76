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
    // A step starts from the number the box shows (typed or loaded), else from the last value.
    void stepUp() { step(1); }
    void stepDown() { step(-1); }

    static constexpr int kMin = 0;
    static constexpr int kMax = 10;

private:
    void step(int by);
    QLineEdit *m_buddy;
    int m_value = 0;
};
