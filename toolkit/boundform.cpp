#include "boundform.h"

#include "fieldbinder.h"
#include "requiredchecks.h"
#include "updown.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {
QString spinnerName(const FieldSpec &f) {
    return f.spinner.isEmpty() ? QStringLiteral("UpDown_") + f.name : f.spinner;
}
} // namespace

BoundForm::BoundForm(QWidget *host, FieldBinder *binder)
    : QObject(host), m_host(host), m_binder(binder) {}

QWidget *BoundForm::create(const FieldSpec &f) {
    using C = FieldSpec::Control;
    QWidget *w = nullptr;
    switch (f.control) {
    case C::Line:
    case C::Spin:
        w = new QLineEdit(m_host);
        break;
    case C::Memo: {
        auto *memo = new QPlainTextEdit(m_host);
        memo->setTabChangesFocus(true);
        w = memo;
        break;
    }
    case C::Combo: {
        auto *box = new QComboBox(m_host);
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        w = box;
        break;
    }
    case C::Date: {
        auto *date = new QDateEdit(QDate::currentDate(), m_host);
        date->setCalendarPopup(true);
        date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        w = date;
        break;
    }
    case C::Check:
        w = new QCheckBox(f.label, m_host);
        break;
    case C::Label:
        w = new QLabel(m_host);
        break;
    }
    w->setObjectName(f.name);
    w->setAccessibleName(f.label);
    m_fields.push_back(f);
    m_controls.insert(f.name, w);
    if (f.control != C::Check) {
        auto *caption = new QLabel(f.label, m_host);
        caption->setBuddy(w);
        m_captions.insert(f.name, caption);
    }
    if (f.control == C::Spin) {
        auto *edit = static_cast<QLineEdit *>(w);
        new UpDown(spinnerName(f), edit, m_host);
    }
    if (m_binder && !f.column.isEmpty())
        m_binder->bind(w, f.column);
    return w;
}

QGroupBox *BoundForm::framed(const FieldSpec &f) {
    QWidget *w = create(f);
    delete m_captions.take(f.name); // the frame's title is the caption
    auto *frame = new QGroupBox(f.label, m_host);
    auto *layout = new QVBoxLayout(frame);
    w->setParent(frame);
    layout->addWidget(w);
    return frame;
}

QWidget *BoundForm::firstControl() const {
    return m_fields.isEmpty() ? nullptr : control(m_fields.first().name);
}

void BoundForm::build(QGridLayout *layout, const QVector<FieldSpec> &fields, int perRow) {
    int cell = 0;
    for (const FieldSpec &f : fields) {
        QWidget *w = create(f);
        const int row = cell / perRow;
        const int col = (cell % perRow) * 2;
        const bool wide = f.control == FieldSpec::Control::Memo;
        if (QWidget *caption = m_captions.value(f.name))
            layout->addWidget(caption, wide ? row + 1 : row, col, Qt::AlignRight | Qt::AlignTop);
        QWidget *placed = w;
        if (f.control == FieldSpec::Control::Spin) {
            placed = new QWidget(m_host);
            auto *pair = new QHBoxLayout(placed);
            pair->setContentsMargins(0, 0, 0, 0);
            pair->setSpacing(0);
            pair->addWidget(w);
            pair->addWidget(m_host->findChild<UpDown *>(spinnerName(f)));
        }
        if (!f.unit.isEmpty()) {
            auto *withUnit = new QWidget(m_host);
            auto *pair = new QHBoxLayout(withUnit);
            pair->setContentsMargins(0, 0, 0, 0);
            pair->addWidget(placed);
            pair->addWidget(new QLabel(f.unit, withUnit));
            placed = withUnit;
        }
        if (wide) {
            const int next = (row + 1);
            layout->addWidget(placed, next, 1, 1, perRow * 2 - 1);
            cell = (next + 1) * perRow;
        } else {
            layout->addWidget(placed, row, col + 1);
            ++cell;
        }
    }
}

QString BoundForm::text(const QString &name) const {
    const QWidget *w = control(name);
    if (auto *e = qobject_cast<const QLineEdit *>(w))
        return e->text();
    if (auto *c = qobject_cast<const QComboBox *>(w))
        return c->currentText();
    if (auto *p = qobject_cast<const QPlainTextEdit *>(w))
        return p->toPlainText();
    if (auto *d = qobject_cast<const QDateEdit *>(w))
        return d->date().toString(QStringLiteral("yyyy-MM-dd"));
    if (auto *l = qobject_cast<const QLabel *>(w))
        return l->text();
    return {};
}

bool BoundForm::checkRequired() const {
    QVector<RequiredCheck> checks;
    for (const FieldSpec &f : m_fields) {
        if (!f.requiredMessage.isEmpty())
            checks.push_back({f.name, f.requiredMessage});
    }
    return passesRequiredChecks(*this, checks);
}
