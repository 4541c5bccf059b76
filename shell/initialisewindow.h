#pragma once

#include <QVector>
#include <QWidget>

class QCheckBox;
class QGroupBox;

// Form69: empties the tables ticked in its frame, which stays locked until "开始".
class InitialiseWindow : public QWidget {
    Q_OBJECT
public:
    explicit InitialiseWindow(QWidget *parent = nullptr);

private:
    void run();

    QGroupBox *m_frame1;
    QVector<QCheckBox *> m_checks; // in the order of initialise::choices()
};
