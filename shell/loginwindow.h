#pragma once

#include <QWidget>

class BoundDataSource;
class DataCombo;
class QLineEdit;
class QPushButton;

// Form1: account and password checked against T_I_User_Infor. Used at start-up and for
// re-login from the main window.
class LoginWindow : public QWidget {
    Q_OBJECT
public:
    explicit LoginWindow(bool relogin, QWidget *parent = nullptr);
    int attempts() const { return m_attempts; }

    // Shows the login window; at start-up (relogin false) it is the only way in.
    static LoginWindow *open(bool relogin);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void logIn();
    void leave();
    void retry(QWidget *focus);

    bool m_relogin;
    bool m_done = false;
    qint16 m_attempts = 1;
    BoundDataSource *m_adodc1;
    DataCombo *m_text1;
    QLineEdit *m_text2;
    QPushButton *m_command1;
};
