#pragma once

#include <QString>
#include <QVariantList>

struct sqlite3;

// The same work done straight through SQLite's C API: the practical limit to compare with.
class RawSqlite {
public:
    explicit RawSqlite(const QString &path);
    ~RawSqlite();
    RawSqlite(const RawSqlite &) = delete;
    RawSqlite &operator=(const RawSqlite &) = delete;

    // Runs a statement with bound values, reading every row; returns the rows read.
    long long run(const QString &sql, const QVariantList &bind = {});
    // First column of the first row as an integer.
    long long scalar(const QString &sql, const QVariantList &bind = {});
    // A page of a query plus its count, as a list shows it.
    void pageAndCount(const QString &select, const QVariantList &bind, int page = 50);
    // The sqlite3 shell's .backup: an online page copy into 'target'.
    bool backupTo(const QString &target);

private:
    sqlite3 *m_db = nullptr;
};
