#include "filteredlist.h"

#include "messages.h"
#include "popupmenuhost.h"
#include "selectedrecordid.h"

#include <QAction>

FilteredList::FilteredList(BoundDataSource *source, DataGrid *grid, QVector<GridColumn> columns,
                           QObject *parent)
    : QObject(parent), m_source(source), m_grid(grid), m_columns(std::move(columns)) {}

void FilteredList::setFilter(const QString &sql, const QVariantList &bindValues) {
    m_source->setCommandKind(BoundDataSource::CommandKind::Text);
    m_source->setRecordSource(sql, bindValues);
    m_source->refresh();
    if (!m_bound) {
        m_grid->setSource(m_source, m_columns);
        m_bound = true;
    }
}

bool FilteredList::reread() {
    return m_source->refresh();
}

bool FilteredList::hasShownRecord() const {
    return m_bound && !m_source->eof();
}

bool FilteredList::selectShownRecord() const {
    if (!hasShownRecord())
        return false;
    SelectedRecordId::set(m_source->fieldText(QStringLiteral("lngid")));
    return true;
}

void FilteredList::attachPopup(PopupMenuHost *host, const QStringList &recordItems) {
    connect(m_grid, &DataGrid::mouseDown, host, [this, host, recordItems](int button) {
        if (button != 2)
            return;
        for (const QString &name : recordItems)
            host->item(name)->setEnabled(hasShownRecord());
        host->popUp();
    });
}

bool FilteredList::deleteShownRecord() {
    if (!hasShownRecord() || !Messages::askDelete())
        return false;
    const bool deleted = m_source->deleteCurrent();
    m_source->refresh();
    return deleted;
}
