#pragma once

#include <QHash>
#include <QIcon>
#include <QTreeWidget>

// A tree view whose nodes carry text keys and images from an image list.
class KeyedTree : public QTreeWidget {
    Q_OBJECT
public:
    explicit KeyedTree(QWidget *parent = nullptr);

    void setImage(const QString &name, const QIcon &icon) { m_images.insert(name, icon); }
    // Adds a node under 'parentKey' (empty: a root node). Returns nullptr for a duplicate key.
    // 'selectedImage' (optional) is shown instead of 'image' while the node is selected.
    QTreeWidgetItem *addNode(const QString &parentKey, const QString &key, const QString &text,
                             const QString &image = QString(),
                             const QString &selectedImage = QString());
    QTreeWidgetItem *node(const QString &key) const { return m_nodes.value(key); }
    static QString keyOf(const QTreeWidgetItem *item);

signals:
    void nodeClicked(const QString &key, const QString &text);

private:
    QHash<QString, QIcon> m_images;
    QHash<QString, QTreeWidgetItem *> m_nodes;
};
