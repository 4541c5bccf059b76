#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

// A host's stored property set: named, typed values (bool, qint16, qint32, QString, QImage)
// kept in the order they were first written. Names compare without regard to case; a value
// equal to the default it is written with is not stored.
class PropertyStore {
public:
    QVariant read(const QString &name, const QVariant &defaultValue) const;
    void write(const QString &name, const QVariant &value, const QVariant &defaultValue);

    // Stores a value as it is, as a reader of a stored set does.
    void set(const QString &name, const QVariant &value);
    const QList<QPair<QString, QVariant>> &entries() const { return m_entries; }
    bool isEmpty() const { return m_entries.isEmpty(); }

    static bool sameValue(const QVariant &a, const QVariant &b);

private:
    int indexOf(const QString &name) const;

    QList<QPair<QString, QVariant>> m_entries;
};
