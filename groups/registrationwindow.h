#pragma once

#include "recordeditor.h"

// Form23 "游客报名": one registration of a tourist into a group. New mode from the front
// desk, edit mode (SelectedRecordId) from tourist management. Re-reads no other window.
class RegistrationWindow : public RecordEditor {
    Q_OBJECT
public:
    explicit RegistrationWindow(QWidget *parent = nullptr);

protected:
    void addFixedEntries() override;
    void showStored(const SharedRecordSet &record) override;
    void fillLists() override;
    bool checkFields() override;
    QString savedMessage() const override;

private:
    void chooseType(int index);
};
