#include "recordeditor.h"

#include "bounddatasource.h"
#include "boundform.h"
#include "fieldbinder.h"
#include "messages.h"
#include "schema.h"
#include "selectedrecordid.h"
#include "sharedconnection.h"
#include "values.h"
#include "windowhost.h"

#include <QComboBox>
#include <QLineEdit>

RecordEditor::RecordEditor(const QString &windowName, const QString &table, QWidget *parent)
    : QWidget(parent), m_table(table), m_source(new BoundDataSource(this)),
      m_binder(new FieldBinder(m_source, this)), m_form(new BoundForm(this, m_binder)) {
    setObjectName(windowName);
    m_source->setObjectName(QStringLiteral("Adodc1"));
    connect(m_source, &QAbstractItemModel::dataChanged, this, [this] { m_untouchedBlank = false; });
}

RecordEditor *RecordEditor::open(RecordEditor *editor) {
    if (auto *already = WindowHost::findAs<RecordEditor>(editor->objectName())) {
        delete editor;
        WindowHost::raise(already);
        return already;
    }
    if (!editor->load()) {
        delete editor;
        return nullptr;
    }
    WindowHost::showSeparate(editor);
    return editor;
}

bool RecordEditor::load() {
    addFixedEntries();
    OpenSharedConnection();
    m_recordId = SelectedRecordId::get();
    if (isNewMode()) {
        // A new record needs none of the stored ones: the rows start empty, so opening and
        // "添加" read nothing of a large table.
        m_source->setCommandKind(BoundDataSource::CommandKind::Text);
        m_source->setRecordSource(QStringLiteral("select * from %1 where 0").arg(m_table));
        if (!m_source->open() || !m_source->addNew())
            return false;
    } else {
        const QString byId = QStringLiteral("select * from %1 where lngid=?").arg(m_table);
        m_source->setCommandKind(BoundDataSource::CommandKind::Text);
        m_source->setRecordSource(byId, {m_recordId});
        if (!m_source->open())
            return false;
        if (m_source->eof()) {
            Messages::show(kRecordGone);
            return false;
        }
        SharedRecordSet &record = SharedConnection::slot(0);
        if (record.open(byId, {m_recordId}) && !record.eof())
            showStored(record);
        record.close(); // holds no read of the file open behind the window
    }
    fillLists();
    m_untouchedBlank = isNewMode(); // the list presets are no change of the user's
    return true;
}

void RecordEditor::startBlankRecord() {
    if (m_source->addNew())
        m_untouchedBlank = true;
}

void RecordEditor::addRecord() {
    if (QWidget *first = m_form->firstControl())
        first->setFocus();
    if (!m_untouchedBlank && !m_source->update())
        return; // refused: the message is shown, the typed values stay
    m_source->refresh();
    startBlankRecord();
}

bool RecordEditor::checkFields() {
    return m_form->checkRequired();
}

bool RecordEditor::confirm() {
    if (!checkFields() || !m_source->update())
        return false;
    Messages::show(savedMessage());
    afterSave();
    close();
    return true;
}

QString RecordEditor::storedText(const SharedRecordSet &record, const QString &column) const {
    const schema::Table *table = schema::findTable(m_table);
    const schema::Column *c = table ? schema::findColumn(*table, column) : nullptr;
    return values::displayText(c ? c->kind : schema::Kind::Any, record.value(column)).trimmed();
}

void RecordEditor::putTrimmed(const SharedRecordSet &record, const StoredFields &fields) {
    for (const auto &[name, column] : fields) {
        if (auto *edit = m_form->controlAs<QLineEdit>(name))
            edit->setText(storedText(record, column));
    }
}

void RecordEditor::appendTrimmed(const SharedRecordSet &record, const StoredFields &fields) {
    for (const auto &[name, column] : fields) {
        if (auto *box = m_form->controlAs<QComboBox>(name))
            box->addItem(storedText(record, column));
    }
}
