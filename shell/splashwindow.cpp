#include "splashwindow.h"

#include "twips.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <cmath>

SplashWindow::SplashWindow(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("澄岚软件系列[旅行社管理系统]"));
    setFixedTwips(this, 5760, 3645);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setBrush(QPalette::Window, QPixmap(QStringLiteral(":/shell/splash.png")).scaled(size()));
    setPalette(p);

    m_label1 = new QLabel(QStringLiteral("正在启动........"), this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setStyleSheet(QStringLiteral("color: white; font-size: 14px;"));
    m_label1->move(16, height() - 34);
    m_label1->adjustSize();
    m_label1->setVisible(true); // hidden in the design, shown on load

    m_timer2 = new QTimer(this);
    m_timer2->setObjectName(QStringLiteral("Timer2"));
    m_timer2->setInterval(3000);
    m_timer2->setSingleShot(true);
    connect(m_timer2, &QTimer::timeout, this, &SplashWindow::finish);
    m_timer2->start();
}

// Narrows by one twip per step about the horizontal centre, letting events run between
// steps so the screen keeps painting.
void SplashWindow::shrink() {
    int counter = width() * 15;
    double left = x();
    while (counter > 1) {
        QCoreApplication::processEvents();
        const int noted = counter;
        --counter;
        left += (noted - counter) / 2.0 / 15.0;
        const int pixels = std::max(1, twips(counter));
        if (pixels != width()) {
            setFixedWidth(pixels);
            move(int(std::lround(left)), y());
        }
    }
}

void SplashWindow::finish() {
    m_timer2->stop();
    shrink();
    close();
    emit finished();
}
