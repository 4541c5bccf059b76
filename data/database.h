#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

// Where TravelDB.mdb lives and how every connection to it is opened.
namespace database {

// The application directory: the working directory at start, unless set otherwise.
QString directory();
void setDirectory(const QString &dir);
QString filePath(); // directory() + "/TravelDB.mdb"

enum class OpenResult {
    Opened,    // an existing travel database
    Created,   // a new file with the whole schema and the seed
    NotSqlite, // the file exists but is no SQLite database: left untouched
    Failed,    // could not create or migrate
};

// Creates a missing database, migrates an older one; never touches a foreign file.
// 'message' receives a user-facing explanation when the result is NotSqlite or Failed.
OpenResult prepare(QString *message = nullptr);

// A connection of its own to the database file, opened: one let go earlier by another window
// when there is one, else a new one. Hand it back with release() once no query uses it.
QSqlDatabase connect();
void release(QSqlDatabase &db);

// The connection every data source writes through. Writes are single statements that commit
// at once, so one connection serves them all, with each statement prepared only once.
QSqlDatabase writer();
QSqlQuery &writeStatement(const QString &sql);

// True when the file starts with the SQLite header.
bool isSqliteFile(const QString &path);

} // namespace database
