#include "datagrid.h"

#include "bounddatasource.h"

#include <QHeaderView>
#include <QMouseEvent>

GridColumnsModel::GridColumnsModel(BoundDataSource *source, QVector<GridColumn> columns,
                                   QObject *parent)
    : QAbstractTableModel(parent), m_source(source), m_columns(std::move(columns)) {
    connect(source, &QAbstractItemModel::modelAboutToBeReset, this,
            &GridColumnsModel::beginResetModel);
    connect(source, &QAbstractItemModel::modelReset, this, &GridColumnsModel::endResetModel);
    connect(source, &QAbstractItemModel::rowsAboutToBeInserted, this,
            [this](const QModelIndex &, int first, int last) { beginInsertRows({}, first, last); });
    connect(source, &QAbstractItemModel::rowsInserted, this, &GridColumnsModel::endInsertRows);
    connect(source, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex &, int first, int last) { beginRemoveRows({}, first, last); });
    connect(source, &QAbstractItemModel::rowsRemoved, this, &GridColumnsModel::endRemoveRows);
    connect(source, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &from, const QModelIndex &to) {
                emit dataChanged(index(from.row(), 0), index(to.row(), columnCount() - 1));
            });
}

QModelIndex GridColumnsModel::sourceIndex(const QModelIndex &index) const {
    return m_source->index(index.row(),
                           m_source->fieldIndex(m_columns.value(index.column()).column));
}

int GridColumnsModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : m_source->rowCount();
}

int GridColumnsModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : m_columns.size();
}

QVariant GridColumnsModel::data(const QModelIndex &index, int role) const {
    return m_source->data(sourceIndex(index), role);
}

bool GridColumnsModel::setData(const QModelIndex &index, const QVariant &value, int role) {
    return m_source->setData(sourceIndex(index), value, role);
}

Qt::ItemFlags GridColumnsModel::flags(const QModelIndex &index) const {
    return m_source->flags(sourceIndex(index));
}

QVariant GridColumnsModel::headerData(int section, Qt::Orientation o, int role) const {
    if (o == Qt::Horizontal && role == Qt::DisplayRole)
        return m_columns.value(section).heading;
    return QAbstractTableModel::headerData(section, o, role);
}

bool GridColumnsModel::canFetchMore(const QModelIndex &parent) const {
    return m_source->canFetchMore(parent);
}

void GridColumnsModel::fetchMore(const QModelIndex &parent) {
    m_source->fetchMore(parent);
}

DataGrid::DataGrid(QWidget *parent) : QTableView(parent) {
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(true);
}

void DataGrid::setSource(BoundDataSource *source, const QVector<GridColumn> &columns) {
    if (model())
        model()->deleteLater();
    m_source = source;
    setModel(new GridColumnsModel(source, columns, this));
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (m_syncing || !m_source || !current.isValid())
                    return;
                if (!m_source->moveTo(current.row()))
                    followSource(m_source->currentRow());
            });
    connect(source, &BoundDataSource::currentRowChanged, this, &DataGrid::followSource);
    connect(model(), &QAbstractItemModel::modelReset, this,
            [this] { followSource(m_source ? m_source->currentRow() : -1); });
    followSource(source->currentRow());
}

void DataGrid::followSource(int row) {
    m_syncing = true;
    if (row < 0) {
        selectionModel()->clearCurrentIndex();
        clearSelection();
    } else {
        const int column = std::max(0, currentIndex().column());
        setCurrentIndex(model()->index(row, column));
    }
    m_syncing = false;
}

void DataGrid::mousePressEvent(QMouseEvent *event) {
    const int button = event->button() == Qt::RightButton    ? 2
                       : event->button() == Qt::MiddleButton ? 4
                                                             : 1;
    if (button == 1)
        QTableView::mousePressEvent(event);
    emit mouseDown(button, event->globalPosition().toPoint());
}
