#include "propertystore.h"

#include <QImage>
#include <limits>

int PropertyStore::indexOf(const QString &name) const {
    for (int i = 0; i < m_entries.size(); ++i)
        if (m_entries[i].first.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

bool PropertyStore::sameValue(const QVariant &a, const QVariant &b) {
    if (a.typeId() == QMetaType::QImage || b.typeId() == QMetaType::QImage)
        return a.typeId() == b.typeId() && a.value<QImage>() == b.value<QImage>();
    return a.typeId() == b.typeId() && a == b;
}

QVariant PropertyStore::read(const QString &name, const QVariant &defaultValue) const {
    const int i = indexOf(name);
    if (i < 0)
        return defaultValue;
    QVariant value = m_entries[i].second;
    if (value.typeId() == defaultValue.typeId())
        return value;
    // A stored number read as a 16-bit value must fit; anything that does not convert to
    // the type asked for reads as the default.
    if (defaultValue.typeId() == QMetaType::Short) {
        bool ok = false;
        const int number = value.toInt(&ok);
        const bool fits = number >= std::numeric_limits<short>::min() &&
                          number <= std::numeric_limits<short>::max();
        return ok && fits ? QVariant::fromValue(short(number)) : defaultValue;
    }
    if (defaultValue.typeId() == QMetaType::QImage || !value.convert(defaultValue.metaType()))
        return defaultValue;
    return value;
}

void PropertyStore::write(const QString &name, const QVariant &value,
                          const QVariant &defaultValue) {
    if (sameValue(value, defaultValue)) {
        const int i = indexOf(name);
        if (i >= 0)
            m_entries.removeAt(i);
        return;
    }
    set(name, value);
}

void PropertyStore::set(const QString &name, const QVariant &value) {
    const int i = indexOf(name);
    if (i >= 0)
        m_entries[i].second = value;
    else
        m_entries.append({name, value});
}
