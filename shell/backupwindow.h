#pragma once

#include <QWidget>

// Form67: a dated copy "Travel<date>.mdb" of the database beside it.
class BackupWindow : public QWidget {
    Q_OBJECT
public:
    explicit BackupWindow(QWidget *parent = nullptr);

private:
    void backUp();
};
