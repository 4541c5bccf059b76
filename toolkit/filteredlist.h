#pragma once

#include "datagrid.h"

#include <QObject>
#include <QStringList>

class PopupMenuHost;

// A list window's grid over its data source under a filter that the user changes (tree node,
// search). The grid is bound at the first filter: before that it shows nothing although the
// source may already stand on a row. Re-reads keep the filter. Commands on "the selected
// record" act only on a row the grid shows.
class FilteredList : public QObject {
    Q_OBJECT
public:
    FilteredList(BoundDataSource *source, DataGrid *grid, QVector<GridColumn> columns,
                 QObject *parent);

    // Reads 'sql' with its bound values into the source and binds the grid.
    void setFilter(const QString &sql, const QVariantList &bindValues = {});
    // Reads the source again under the current filter (after an edit elsewhere).
    bool reread();
    // The grid is bound and shows a current row.
    bool hasShownRecord() const;
    // Hands the shown row's lngid to an editor through SelectedRecordId; false when no row
    // is shown.
    bool selectShownRecord() const;

    // Right button over the grid pops up the host's menu; 'recordItems' are enabled only
    // while hasShownRecord().
    void attachPopup(PopupMenuHost *host, const QStringList &recordItems);

    // Asks the delete confirmation; on OK deletes the shown current row and re-reads.
    // Returns true when a row was deleted.
    bool deleteShownRecord();

private:
    BoundDataSource *m_source;
    DataGrid *m_grid;
    QVector<GridColumn> m_columns;
    bool m_bound = false;
};
