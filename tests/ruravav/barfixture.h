#pragma once

#include "kx_ruravav.h"
#include "messagehook.h"

#include <QPainter>
#include <QStringList>
#include <memory>

// Records the range messages instead of showing them.
struct MessageRecorder {
    MessageRecorder() {
        previous = Ruravav::setMessageHook([this](const QString &text, const QString &title) {
            texts << text;
            titles << title;
        });
    }
    ~MessageRecorder() { Ruravav::setMessageHook(previous); }

    QStringList texts;
    QStringList titles;
    Ruravav::MessageHook previous;
};

// A 32 x 32 icon of one colour with a black top left corner, so slots and orientation show.
inline QImage markedIcon(int number) {
    QImage icon(32, 32, QImage::Format_RGB32);
    icon.fill(QColor::fromHsv((number * 47) % 360, 200, 230));
    QPainter(&icon).fillRect(0, 0, 4, 4, Qt::black);
    return icon;
}

// A bar of the given size with menus holding the given numbers of items, each item with
// its own marked icon and a short caption; shown and painted on menu 1.
inline std::unique_ptr<KX_ruravav> shownBar(QSize size, const QList<int> &itemsPerMenu,
                                            bool show = true) {
    auto bar = std::make_unique<KX_ruravav>();
    bar->resize(size);
    bar->InitProperties();
    bar->setMenusMax(int(itemsPerMenu.size()));
    int number = 0;
    for (int m = 1; m <= itemsPerMenu.size(); ++m) {
        bar->setMenuCur(m);
        bar->setMenuCaption(QString("M%1").arg(m));
        bar->setMenuItemsMax(itemsPerMenu[m - 1]);
        for (int i = 1; i <= itemsPerMenu[m - 1]; ++i) {
            bar->setMenuItemCur(i);
            bar->setMenuItemCaption(QString("I%1").arg(i));
            bar->setMenuItemIcon(markedIcon(++number));
        }
    }
    bar->setMenuCur(1);
    if (show) {
        bar->show();
        bar->Refresh();
    }
    return bar;
}

inline QImage surfaceOf(KX_ruravav &bar) {
    return bar.surface()->image().copy();
}
