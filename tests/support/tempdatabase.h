#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A fresh application directory with a newly created TravelDB.mdb, for one test.
// Database errors reported while it lives are collected in errors().
class TempDatabase {
public:
    TempDatabase();
    ~TempDatabase();
    QString dir() const { return m_dir.path(); }
    QString path() const;
    const QStringList &errors() const { return m_errors; }
    void clearErrors() { m_errors.clear(); }
    // Runs one statement on a connection of its own; returns the first column of each row.
    QStringList query(const QString &sql, const QVariantList &bind = {}) const;
    int count(const QString &table) const;

private:
    QTemporaryDir m_dir;
    QStringList m_errors;
};
