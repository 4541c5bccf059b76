#pragma once

#include "bounddatasource.h"

#include <QAbstractTableModel>
#include <QPointer>
#include <QTableView>
#include <QVector>

struct GridColumn {
    QString heading;
    QString column;
};

// The grid's own columns over a data source's fields, in the grid's order.
class GridColumnsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    GridColumnsModel(BoundDataSource *source, QVector<GridColumn> columns, QObject *parent);
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

private:
    QModelIndex sourceIndex(const QModelIndex &index) const;
    BoundDataSource *m_source;
    QVector<GridColumn> m_columns;
};

// A data grid: fixed columns (heading, column) over a bound data source, its current row
// kept in step with the source's both ways, cells edited in place.
class DataGrid : public QTableView {
    Q_OBJECT
public:
    explicit DataGrid(QWidget *parent = nullptr);
    void setSource(BoundDataSource *source, const QVector<GridColumn> &columns);
    BoundDataSource *source() const { return m_source; }

signals:
    // Mouse button pressed over the grid: 1 left, 2 right, 4 middle.
    void mouseDown(int button, const QPoint &globalPos);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    void followSource(int row);
    QPointer<BoundDataSource> m_source;
    bool m_syncing = false;
};
