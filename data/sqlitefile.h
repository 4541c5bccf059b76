#pragma once

#include <QString>
#include <QStringList>

struct sqlite3;

// Direct SQLite access for whole-file work (backup, restore), which Qt's driver does not offer.
namespace sqlitefile {

// An open handle, closed however the function using it ends.
struct Handle {
    sqlite3 *db = nullptr;
    Handle(const QString &path, int flags);
    ~Handle();
    Handle(const Handle &) = delete;
    Handle &operator=(const Handle &) = delete;
    QString error() const;
};

// Every row of a one-column query; 'ok' false when the query fails.
QStringList column(sqlite3 *db, const char *sql, bool *ok);

// Copies every page of the database 'from' into 'to' in one write transaction of 'to', taken
// from one consistent read of 'from': 'to' ends up whole or unchanged.
bool copy(const QString &from, const QString &to, int toFlags, int busyTimeoutMs, QString *error);

} // namespace sqlitefile
