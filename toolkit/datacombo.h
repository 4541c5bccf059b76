#pragma once

#include <QComboBox>

class BoundDataSource;

// A drop-down listing one column of every row of a row source. Rows are read as the list
// scrolls, so a large source lists its first rows at once.
class DataCombo : public QComboBox {
    Q_OBJECT
public:
    explicit DataCombo(QWidget *parent = nullptr);
    void setRowSource(BoundDataSource *source, const QString &listField);

private:
    BoundDataSource *m_source = nullptr;
    QString m_listField;
};
