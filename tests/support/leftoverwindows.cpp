#include "leftoverwindows.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

void deleteTopLevelWindows() {
    QList<QPointer<QWidget>> windows;
    for (QWidget *w : QApplication::topLevelWidgets())
        windows << w;
    // A window owned by another one goes with its owner.
    for (const QPointer<QWidget> &w : windows) {
        if (w && !w->parentWidget())
            delete w.data();
    }
    for (const QPointer<QWidget> &w : windows)
        delete w.data();
}
