#pragma once

#include <QDialog>

class BoundDataSource;

// Form16 "团队查询": groups whose number contains a text; independent of the workspace.
class GroupSearch : public QDialog {
    Q_OBJECT
public:
    explicit GroupSearch(QWidget *parent = nullptr);
    BoundDataSource *source() const { return m_source; }

private:
    void search();

    BoundDataSource *m_source;
};
