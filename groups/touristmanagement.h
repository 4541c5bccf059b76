#pragma once

#include <QWidget>

class BoundDataSource;
class DataCombo;
class DataGrid;
class PopupMenuHost;
class QLabel;

// Form77 "游客管理": the registrations, all or one group's, with what each still owes.
// Opening it brings every registration's outstanding amount up to date.
class TouristManagement : public QWidget {
    Q_OBJECT
public:
    explicit TouristManagement(QWidget *parent = nullptr);
    BoundDataSource *source() const { return m_source; }
    PopupMenuHost *popup() const { return m_popup; }

private:
    void showGroup(int index);
    void showAll();
    void list(const QString &sql, const QVariantList &bindValues);
    void editRegistration();

    BoundDataSource *m_source;
    DataCombo *m_groups;
    DataGrid *m_grid;
    QLabel *m_count;
    PopupMenuHost *m_popup;
};
