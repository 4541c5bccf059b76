#include "fieldbinder.h"

#include "bounddatasource.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

FieldBinder::FieldBinder(BoundDataSource *source, QObject *parent)
    : QObject(parent), m_source(source) {
    connect(source, &BoundDataSource::currentRowChanged, this, &FieldBinder::show);
    connect(source, &QAbstractItemModel::modelReset, this, &FieldBinder::show);
    connect(source, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &from, const QModelIndex &to) {
                if (from.row() <= m_source->currentRow() && m_source->currentRow() <= to.row())
                    show();
            });
}

void FieldBinder::bind(QWidget *widget, const QString &column) {
    m_bindings.push_back({widget, column});
    if (auto *e = qobject_cast<QLineEdit *>(widget))
        connect(e, &QLineEdit::textChanged, this, [this, e](const QString &t) { push(e, t); });
    else if (auto *c = qobject_cast<QComboBox *>(widget))
        connect(c, &QComboBox::currentTextChanged, this,
                [this, c](const QString &t) { push(c, t); });
    else if (auto *p = qobject_cast<QPlainTextEdit *>(widget))
        connect(p, &QPlainTextEdit::textChanged, this, [this, p] { push(p, p->toPlainText()); });
    else if (auto *x = qobject_cast<QTextEdit *>(widget))
        connect(x, &QTextEdit::textChanged, this, [this, x] { push(x, x->toPlainText()); });
    else if (auto *b = qobject_cast<QCheckBox *>(widget))
        connect(b, &QCheckBox::toggled, this, [this, b](bool on) { push(b, on); });
    else if (auto *d = qobject_cast<QDateEdit *>(widget))
        connect(d, &QDateEdit::dateChanged, this, [this, d](QDate v) { push(d, v); });
    showIn(m_bindings.last());
}

void FieldBinder::show() {
    for (const Binding &b : m_bindings)
        showIn(b);
}

void FieldBinder::showIn(const Binding &b) {
    if (m_showing)
        return;
    m_showing = true;
    const QString text = m_source->fieldText(b.column);
    if (auto *e = qobject_cast<QLineEdit *>(b.widget)) {
        if (e->text() != text)
            e->setText(text);
    } else if (auto *c = qobject_cast<QComboBox *>(b.widget)) {
        if (c->currentText() != text)
            c->setCurrentText(text);
    } else if (auto *p = qobject_cast<QPlainTextEdit *>(b.widget)) {
        if (p->toPlainText() != text)
            p->setPlainText(text);
    } else if (auto *x = qobject_cast<QTextEdit *>(b.widget)) {
        if (x->toPlainText() != text)
            x->setPlainText(text);
    } else if (auto *l = qobject_cast<QLabel *>(b.widget)) {
        l->setText(text);
    } else if (auto *k = qobject_cast<QCheckBox *>(b.widget)) {
        k->setChecked(m_source->fieldValue(b.column).toInt() != 0);
    } else if (auto *d = qobject_cast<QDateEdit *>(b.widget)) {
        const QDate date = m_source->fieldValue(b.column).toDateTime().date();
        if (date.isValid())
            d->setDate(date);
    }
    m_showing = false;
}

void FieldBinder::push(QWidget *widget, const QVariant &value) {
    if (m_showing || m_source->eof())
        return;
    for (const Binding &b : m_bindings) {
        if (b.widget == widget) {
            m_showing = true; // the source echoes the change; the widget already shows it
            m_source->setFieldValue(b.column, value);
            m_showing = false;
        }
    }
}
