#pragma once

#include <QWidget>

class QLabel;
class QTimer;

// Form2: shown first; after 3000 ms it narrows itself away about its centre and opens the
// login window.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget *parent = nullptr);
    QTimer *timer() const { return m_timer2; }

public slots:
    // What Timer2 does when it fires.
    void finish();

signals:
    void finished();

private:
    void shrink();
    QLabel *m_label1;
    QTimer *m_timer2;
};
