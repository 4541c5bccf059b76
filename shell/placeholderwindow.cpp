#include "placeholderwindow.h"

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
    resize(480, 320);
}
