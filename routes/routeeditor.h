#pragma once

#include "recordeditor.h"

// Form11 "线路行程安排": one route with its itinerary and notes, new or edited. After a
// save it re-reads the route workspace's list when that is open.
class RouteEditor : public RecordEditor {
    Q_OBJECT
public:
    explicit RouteEditor(QWidget *parent = nullptr);

protected:
    void addFixedEntries() override;
    void showStored(const SharedRecordSet &record) override;
    void fillLists() override;
    QString savedMessage() const override;
    void afterSave() override;
};
