#pragma once

#include "recordeditor.h"

// Form73 "新建团队": one travel group, new or edited, and the place where its state is
// advanced. The front desk opens it locked to the state and the two dates.
class GroupEditor : public RecordEditor {
    Q_OBJECT
public:
    explicit GroupEditor(QWidget *parent = nullptr);
    // Leaves only the state, the two dates and "确定" usable.
    void lockForStateChange();

protected:
    void addFixedEntries() override;
    void showStored(const SharedRecordSet &record) override;
    void fillLists() override;
    bool checkFields() override;
    QString savedMessage() const override;
    void afterSave() override;
};
