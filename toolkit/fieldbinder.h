#pragma once

#include <QObject>
#include <QVector>

class BoundDataSource;
class QWidget;

// Binds widgets to columns of a data source's current row: text boxes, editable combo
// boxes, labels, check boxes and date pickers show the column and write every change back
// into the current row, as bound controls do.
class FieldBinder : public QObject {
    Q_OBJECT
public:
    explicit FieldBinder(BoundDataSource *source, QObject *parent = nullptr);
    void bind(QWidget *widget, const QString &column);
    BoundDataSource *source() const { return m_source; }
    // Shows the current row again in every bound widget.
    void show();

private:
    struct Binding {
        QWidget *widget;
        QString column;
    };
    void showIn(const Binding &b);
    void push(QWidget *widget, const QVariant &value);

    BoundDataSource *m_source;
    QVector<Binding> m_bindings;
    bool m_showing = false;
};
