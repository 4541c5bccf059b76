#pragma once

#include "calculator.h"

#include <QWidget>

class QLineEdit;

// Form27: buttons and display over a Calculator that lives as long as the window.
class CalculatorWindow : public QWidget {
    Q_OBJECT
public:
    explicit CalculatorWindow(QWidget *parent = nullptr);

private:
    void press(QChar key);

    Calculator m_calculator;
    QLineEdit *m_text1;
};
