#pragma once

#include <QWidget>

class BoundDataSource;
class DataGrid;
class FilteredList;
class KeyedTree;
class PopupMenuHost;

// Form5 "团队计调": route areas on the left, the groups of the clicked area on the right,
// and the popup Form74 to create, edit, delete and search groups.
class GroupWorkspace : public QWidget {
    Q_OBJECT
public:
    explicit GroupWorkspace(QWidget *parent = nullptr);
    BoundDataSource *source() const { return m_source; }
    KeyedTree *tree() const { return m_tree; }
    PopupMenuHost *popup() const { return m_popup; }
    // Reads the list again under its area filter (the group editor calls it after a save).
    void reread();

private:
    void showArea(const QString &text);
    void newGroup();
    void editGroup();
    void deleteGroup();
    void findGroups();

    BoundDataSource *m_source;
    KeyedTree *m_tree;
    DataGrid *m_grid;
    FilteredList *m_list;
    PopupMenuHost *m_popup;
};
