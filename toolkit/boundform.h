#pragma once

#include <QHash>
#include <QObject>
#include <QVector>

class FieldBinder;
class QGridLayout;
class QGroupBox;
class QWidget;

// One field of a form, described as data: caption, control name, bound column, kind of
// control, and the message shown when it is required and left empty.
struct FieldSpec {
    enum class Control { Line, Memo, Combo, Date, Check, Label, Spin };
    QString label;
    QString name;
    QString column; // empty: not bound
    Control control = Control::Line;
    QString requiredMessage;
    QString unit;    // shown after the control, e.g. "元"
    QString spinner; // Spin: the up-down's name (default "UpDown_" + name)
};

// Builds a form's captions and controls from its field table, binds them to the data source
// and checks required fields in order.
class BoundForm : public QObject {
    Q_OBJECT
public:
    BoundForm(QWidget *host, FieldBinder *binder);

    // Places each field as caption + control, 'perRow' fields on a grid row.
    void build(QGridLayout *layout, const QVector<FieldSpec> &fields, int perRow = 2);
    // Creates one control (with its caption label as buddy) without placing it.
    QWidget *create(const FieldSpec &field);
    // Creates the control inside a frame titled with the field's label (the frame is its
    // caption), for memos that fill a frame of their own.
    QGroupBox *framed(const FieldSpec &field);

    QWidget *control(const QString &name) const { return m_controls.value(name); }
    template <class W> W *controlAs(const QString &name) const {
        return qobject_cast<W *>(control(name));
    }
    QWidget *caption(const QString &name) const { return m_captions.value(name); }
    QWidget *firstControl() const;
    QString text(const QString &name) const;

    // In field-table order: the first required field whose text has length zero shows its
    // message (OK only), gets the focus, and the check fails.
    bool checkRequired() const;

private:
    QWidget *m_host;
    FieldBinder *m_binder;
    QVector<FieldSpec> m_fields;
    QHash<QString, QWidget *> m_controls;
    QHash<QString, QWidget *> m_captions;
};
