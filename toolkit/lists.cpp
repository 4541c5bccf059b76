#include "lists.h"

#include "keyedtree.h"
#include "sharedconnection.h"

#include <QComboBox>
#include <QSqlRecord>

namespace lists {

void fill(QComboBox *box, const QStringList &entries) {
    box->addItems(entries);
    box->setCurrentText(box->count() > 0 ? box->itemText(0) : QString());
}

void fillFromSlot(QComboBox *box, int slot, const QString &sql, const QString &column) {
    fill(box, SharedConnection::readList(slot, sql, column));
}

int fillTree(KeyedTree *tree, const QString &parentKey, const QString &sql,
             const QString &keyColumn, const QString &keyPrefix, const QString &textColumn,
             const QString &image, const QString &selectedImage) {
    return TreeLoaderConnection::load(sql, [&](const QSqlRecord &row) {
        tree->addNode(parentKey, keyPrefix + row.value(keyColumn).toString().trimmed(),
                      row.value(textColumn).toString(), image, selectedImage);
    });
}

} // namespace lists
