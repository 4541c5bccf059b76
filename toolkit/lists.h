#pragma once

#include <QStringList>

class QComboBox;
class KeyedTree;

// Filling drop-downs and trees the way every window does it.
namespace lists {

// Opens a slot of the shared connection with the query, appends the named column of every
// row (blanks trimmed) to the box's list and shows the first entry.
void fillFromSlot(QComboBox *box, int slot, const QString &sql, const QString &column);
// Appends fixed entries and shows the first one of the list.
void fill(QComboBox *box, const QStringList &entries);

// One child node per row of the query under 'parentKey', through a tree loader: the key is
// keyPrefix + the key column (blanks trimmed), the text the text column. Returns the number of
// rows read.
int fillTree(KeyedTree *tree, const QString &parentKey, const QString &sql,
             const QString &keyColumn, const QString &keyPrefix, const QString &textColumn,
             const QString &image, const QString &selectedImage = QString());

} // namespace lists
