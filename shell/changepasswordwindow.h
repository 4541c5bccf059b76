#pragma once

#include <QWidget>

class BoundDataSource;
class BoundForm;

// Form10: the logged-in user changes the password of the account.
class ChangePasswordWindow : public QWidget {
    Q_OBJECT
public:
    explicit ChangePasswordWindow(QWidget *parent = nullptr);

private:
    void change();
    void rejectInput();

    BoundDataSource *m_adodc1;
    BoundForm *m_form;
};
