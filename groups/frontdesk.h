#pragma once

#include <QDate>
#include <QWidget>

class BoundDataSource;
class PopupMenuHost;
class QCheckBox;
class QDateEdit;

// Form4 "前台处理": groups listed by state or departure date, their details, and the popup
// Form28 leading to registration, tourist management and the group's state.
class FrontDesk : public QWidget {
    Q_OBJECT
public:
    // 'today' presets both date pickers.
    explicit FrontDesk(const QDate &today = QDate::currentDate(), QWidget *parent = nullptr);
    BoundDataSource *source() const { return m_source; }
    PopupMenuHost *popup() const { return m_popup; }

    // Windows "游客管理" closes before it opens tourist management.
    static const QStringList kClosedForTouristManagement;

private:
    void query();
    void listDateRange();
    void flipDatePickers();
    void registerTourist();
    void manageTourists();
    void changeGroupState();

    BoundDataSource *m_source;
    QDateEdit *m_begin;
    QDateEdit *m_end;
    QCheckBox *m_useDates;
    QVector<QCheckBox *> m_stateBoxes; // 可报名, 已出团, 已回团, 全部
    PopupMenuHost *m_popup;
};
