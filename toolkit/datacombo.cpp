#include "datacombo.h"

#include "bounddatasource.h"

DataCombo::DataCombo(QWidget *parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // A completer searches the whole row source, which would read every row of a large one.
    setCompleter(nullptr);
}

void DataCombo::setRowSource(BoundDataSource *source, const QString &listField) {
    m_source = source;
    m_listField = listField;
    const QString typed = currentText();
    setModel(source);
    auto follow = [this] { setModelColumn(std::max(0, m_source->fieldIndex(m_listField))); };
    follow();
    connect(source, &QAbstractItemModel::modelReset, this, follow);
    setCurrentIndex(-1);
    setEditText(typed);
}
