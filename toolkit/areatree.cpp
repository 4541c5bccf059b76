#include "areatree.h"

#include "keyedtree.h"
#include "lists.h"

#include <QIcon>

void fillAreaTree(KeyedTree *tree, const QString &rootText) {
    const QString folder = QStringLiteral("1");
    const QString ticked = QStringLiteral("2");
    const QString window = QStringLiteral("3");
    tree->setImage(folder, QIcon(QStringLiteral(":/icons/folder_closed.png")));
    tree->setImage(ticked, QIcon(QStringLiteral(":/icons/folder_ticked.png")));
    tree->setImage(window, QIcon(QStringLiteral(":/icons/folder_window.png")));
    const QString root = QStringLiteral("a");
    tree->addNode({}, root, rootText, window, ticked);
    lists::fillTree(
        tree, root, QStringLiteral("select LngID,strname from T_B_Line_Type order by lngID"),
        QStringLiteral("LngID"), QStringLiteral("b"), QStringLiteral("strname"), folder, ticked);
    tree->node(root)->setExpanded(true);
}
