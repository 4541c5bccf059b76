#pragma once

#include <QWidget>

// Form12: leave with or without a backup copy, or stay.
class ExitWindow : public QWidget {
    Q_OBJECT
public:
    explicit ExitWindow(QWidget *parent = nullptr);

    // "备份后退出": a consistent copy TravelDB<date>.mdb beside the database, then the end.
    void backUpAndExit();
};
