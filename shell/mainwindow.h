#pragma once

#include <QMainWindow>

class LoginWindow;
class QLabel;
class QMdiArea;
class QToolBar;

// MDIForm1: the frame of the workspaces, with menus, toolbar, status bar and clock.
// A close request is refused and shows the exit window instead.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    static MainWindow *instance(); // created on first use
    static void destroyInstance();
    static LoginWindow *findLogin();

    void setAccountPanel(const QString &text);
    QLabel *panel(int number) const; // 1..6
    QToolBar *toolbar() const { return m_toolbar1; }
    QMdiArea *mdiArea() const { return m_area; }

    // Toolbar buttons are dispatched by position, 1 to 11.
    void toolbarClicked(int position);
    void showExitWindow();

public slots:
    void tick(); // rewrites the date and time panels

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    MainWindow();
    void buildMenus();
    void buildToolbar();
    void buildStatusBar();

    QMdiArea *m_area;
    QToolBar *m_toolbar1;
    QVector<QLabel *> m_panels;
};
