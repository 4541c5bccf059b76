#include "windowhost.h"

#include "twips.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

namespace WindowHost {
namespace {
QPointer<QMdiArea> &area() {
    static QPointer<QMdiArea> a;
    return a;
}
} // namespace

void setMdiArea(QMdiArea *a) {
    area() = a;
}

QWidget *showChild(QWidget *window) {
    window->setAttribute(Qt::WA_DeleteOnClose);
    if (!area())
        return showSeparate(window);
    const QSize fixed =
        window->minimumSize() == window->maximumSize() ? window->minimumSize() : QSize();
    QMdiSubWindow *sub = area()->addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowIcon(window->windowIcon());
    if (fixed.isValid()) {
        sub->setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowCloseButtonHint);
        sub->adjustSize();
        sub->setFixedSize(sub->size());
    }
    sub->show();
    area()->setActiveSubWindow(sub);
    return window;
}

QWidget *showSeparate(QWidget *window) {
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowFlag(Qt::Window);
    window->show();
    centre(window);
    window->raise();
    window->activateWindow();
    return window;
}

QWidget *find(const QString &name) {
    if (area()) {
        for (QMdiSubWindow *sub : area()->subWindowList()) {
            if (sub->widget() && sub->widget()->objectName() == name)
                return sub->widget();
        }
    }
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == name && w->isVisible())
            return w;
    }
    return nullptr;
}

void close(const QString &name) {
    if (QWidget *w = find(name))
        w->close();
}

void raise(QWidget *window) {
    if (auto *sub = qobject_cast<QMdiSubWindow *>(window->parentWidget())) {
        sub->showNormal();
        if (area())
            area()->setActiveSubWindow(sub);
        return;
    }
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace WindowHost
