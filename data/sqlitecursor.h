#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QVariantList>

struct sqlite3_stmt;

// A forward-only read through SQLite's C API on one of our connections. Values come out as
// the QVariants a data source keeps (text, integer, real, or null) straight from SQLite's
// UTF-8, which lists of many rows feel.
class SqliteCursor {
public:
    SqliteCursor(const QSqlDatabase &db, const QString &sql);
    ~SqliteCursor();
    SqliteCursor(const SqliteCursor &) = delete;
    SqliteCursor &operator=(const SqliteCursor &) = delete;

    // Starts the read again with these values for the '?' placeholders.
    bool exec(const QVariantList &bindValues);
    // The next row; false at the end, which also ends the read.
    bool next();
    // Ends the read before the last row.
    void finish();

    int columnCount() const;
    QString columnName(int column) const;
    QVariant value(int column) const;
    QString error() const { return m_error; }

private:
    sqlite3_stmt *m_statement = nullptr;
    QString m_error;
};
