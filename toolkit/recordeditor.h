#pragma once

#include <QPair>
#include <QVector>
#include <QWidget>

class BoundDataSource;
class BoundForm;
class FieldBinder;
class SharedRecordSet;

// The editor of one record of a table, opened by a list window through SelectedRecordId.
// It owns the data source Adodc1, a FieldBinder on it and a BoundForm for its fields.
//
// load() runs the load step: addFixedEntries(), OpenSharedConnection, then
//  - new mode (SelectedRecordId empty): Adodc1 holds none of the table's stored rows and stands
//    on a fresh blank record, so list presets never fall on a stored record;
//  - edit mode: Adodc1 stands on the record with that lngid and showStored() gets the record
//    read through shared slot 0; a lngid that no longer exists shows kRecordGone and load()
//    fails with nothing written;
// then fillLists(). open() loads and shows the editor as a separate window.
//
// addRecord() is "添加": save the current record without checks (a blank record nobody has
// changed is not written), re-read, append a blank record. confirm() is "确定": checkFields()
// (by default the form's ordered required checks), save, savedMessage(), afterSave(), close.
// A save the data layer refuses keeps the window open with the typed values.
class RecordEditor : public QWidget {
    Q_OBJECT
public:
    static inline const QString kRecordGone =
        QStringLiteral("要修改的记录已不存在，可能已被别人删除。");

    RecordEditor(const QString &windowName, const QString &table, QWidget *parent = nullptr);

    // Loads 'editor' and shows it separate and centred; deletes it when loading fails. An
    // editor of the same window name that is already open keeps its unsaved typing: it is
    // brought to the front instead and 'editor' is deleted unloaded.
    static RecordEditor *open(RecordEditor *editor);
    bool load();

    bool isNewMode() const { return m_recordId.isEmpty(); }
    BoundDataSource *source() const { return m_source; }
    FieldBinder *binder() const { return m_binder; }
    BoundForm *form() const { return m_form; }

public slots:
    void addRecord();
    bool confirm();

protected:
    // (control name, column) pairs for showStored().
    using StoredFields = QVector<QPair<QString, QString>>;

    virtual void addFixedEntries() {}
    virtual void showStored(const SharedRecordSet &record) { Q_UNUSED(record) }
    virtual void fillLists() {}
    virtual bool checkFields();
    virtual QString savedMessage() const = 0;
    virtual void afterSave() {}

    // Text boxes get the stored values as the record shows them, blanks trimmed.
    void putTrimmed(const SharedRecordSet &record, const StoredFields &fields);
    // Combo boxes get the stored values, blanks trimmed, appended to their lists.
    void appendTrimmed(const SharedRecordSet &record, const StoredFields &fields);

private:
    void startBlankRecord();
    QString storedText(const SharedRecordSet &record, const QString &column) const;

    QString m_table;
    QString m_recordId;
    BoundDataSource *m_source;
    FieldBinder *m_binder;
    BoundForm *m_form;
    bool m_untouchedBlank = false; // current record is a blank one nobody has changed yet
};
