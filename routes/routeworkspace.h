#pragma once

#include <QWidget>

class BoundDataSource;
class DataGrid;
class FilteredList;
class KeyedTree;
class PopupMenuHost;
class QLineEdit;
class QPlainTextEdit;

// Form3 "线路管理": routes sorted by type (本地) and by area (同行, 组团); a node click lists the
// matching routes, the notes box follows the current one, and the popup menu of Form25 opens
// the route editor or deletes a route.
class RouteWorkspace : public QWidget {
    Q_OBJECT
public:
    explicit RouteWorkspace(QWidget *parent = nullptr);

    BoundDataSource *routes() const { return m_routes; }
    PopupMenuHost *popup() const { return m_popup; }
    // Re-reads the route list under its current filter (after the editor saved).
    void rereadRoutes();

private:
    KeyedTree *addTree(const QString &name);
    void buildTrees();
    void listRoutes(const QString &column, const QString &nodeText);
    void newRoute();
    void editRoute();
    void deleteRoute();

    BoundDataSource *m_routes;
    DataGrid *m_grid;
    FilteredList *m_list;
    KeyedTree *m_byType;
    KeyedTree *m_byArea;
    KeyedTree *m_byGroupArea;
    QPlainTextEdit *m_notes;
    QLineEdit *m_lastNode;
    PopupMenuHost *m_popup;
};
