#include "placeholderwindow.h"

#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

PlaceholderWindow::PlaceholderWindow(const QString &name, const QString &caption, QWidget *parent)
    : QWidget(parent) {
    setObjectName(name);
    setWindowTitle(caption);
    auto *layout = new QVBoxLayout(this);
    auto *notice = new QLabel(QStringLiteral("“%1”将在后续版本中提供。").arg(caption), this);
    notice->setAlignment(Qt::AlignCenter);
    layout->addWidget(notice);
    setMinimumSize(480, 320);
}

void PlaceholderWindow::addPanel(const QString &name, const QString &caption) {
    auto *panel = new QGroupBox(caption, this);
    panel->setObjectName(name);
    layout()->addWidget(panel);
}

void PlaceholderWindow::hidePanels() {
    for (QGroupBox *panel : findChildren<QGroupBox *>())
        panel->hide();
}
