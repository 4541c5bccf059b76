#include "keyedtree.h"

#include <QHeaderView>

KeyedTree::KeyedTree(QWidget *parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setColumnCount(1);
    connect(this, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem *item) { emit nodeClicked(keyOf(item), item->text(0)); });
}

QTreeWidgetItem *KeyedTree::addNode(const QString &parentKey, const QString &key,
                                    const QString &text, const QString &image,
                                    const QString &selectedImage) {
    if (m_nodes.contains(key))
        return nullptr;
    QTreeWidgetItem *parent = parentKey.isEmpty() ? nullptr : m_nodes.value(parentKey);
    auto *item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    item->setText(0, text);
    item->setData(0, Qt::UserRole, key);
    item->setData(0, Qt::AccessibleTextRole, text);
    if (!image.isEmpty()) {
        QIcon icon = m_images.value(image);
        if (!selectedImage.isEmpty()) {
            const QIcon selected = m_images.value(selectedImage);
            for (const QSize &size : selected.availableSizes())
                icon.addPixmap(selected.pixmap(size), QIcon::Selected);
        }
        item->setIcon(0, icon);
    }
    m_nodes.insert(key, item);
    return item;
}

QString KeyedTree::keyOf(const QTreeWidgetItem *item) {
    return item ? item->data(0, Qt::UserRole).toString() : QString();
}
