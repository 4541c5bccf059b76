#pragma once

#include <QDialog>

// The list bar's about box, shown without waiting for it.
class DlgAbout : public QDialog {
    Q_OBJECT
public:
    explicit DlgAbout(QWidget *parent = nullptr);

    static const char *const WebAddress;
};
