#include "popupmenuhost.h"

#include <QAction>
#include <QCursor>
#include <QMenu>

PopupMenuHost::PopupMenuHost(const QString &windowName, QWidget *parent)
    : QWidget(parent), m_file(new QMenu(this)) {
    setObjectName(windowName);
    m_file->setObjectName(QStringLiteral("file"));
    hide();
}

QAction *PopupMenuHost::addItem(const QString &name, const QString &caption) {
    QAction *a = m_file->addAction(caption);
    a->setObjectName(name);
    return a;
}

void PopupMenuHost::popUp() {
    m_file->popup(QCursor::pos());
}

QAction *PopupMenuHost::item(const QString &name) const {
    return m_file->findChild<QAction *>(name);
}
