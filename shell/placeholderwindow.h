#pragma once

#include <QWidget>

// Stands in for a window that comes in a later version: right name and caption, a notice.
class PlaceholderWindow : public QWidget {
    Q_OBJECT
public:
    PlaceholderWindow(const QString &name, const QString &caption, QWidget *parent = nullptr);
    // A framed panel of the coming window, so that switching behaviour can be seen.
    void addPanel(const QString &name, const QString &caption);
    Q_INVOKABLE void hidePanels();
};
