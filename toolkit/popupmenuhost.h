#pragma once

#include <QWidget>

class QAction;
class QMenu;

// A hidden window that only carries a menu named "file", popped up at the mouse over a list.
class PopupMenuHost : public QWidget {
    Q_OBJECT
public:
    PopupMenuHost(const QString &windowName, QWidget *parent);
    QAction *addItem(const QString &name, const QString &caption);
    QMenu *menu() const { return m_file; }
    void popUp();
    // The item of that name, for tests and keyboard users.
    QAction *item(const QString &name) const;

private:
    QMenu *m_file;
};
