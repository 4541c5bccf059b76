#include "twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void setFixedTwips(QWidget *window, int width, int height) {
    window->setFixedSize(twipsSize(width, height));
    window->setWindowFlag(Qt::WindowMinimizeButtonHint, false);
    window->setWindowFlag(Qt::WindowMaximizeButtonHint, false);
}

void centre(QWidget *window, const QWidget *owner) {
    const QRect area =
        owner ? owner->frameGeometry() : QGuiApplication::primaryScreen()->availableGeometry();
    QRect frame = window->frameGeometry();
    frame.moveCenter(area.center());
    window->move(frame.topLeft());
}
