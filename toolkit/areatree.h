#pragma once

#include <QString>

class KeyedTree;

// The route-area tree of the workspaces: a root (key "a", an open folder before a window)
// with one closed-folder child per row of T_B_Line_Type in LngID order (key "b" + LngID),
// both showing the ticked folder while selected; the root expanded.
void fillAreaTree(KeyedTree *tree, const QString &rootText);
