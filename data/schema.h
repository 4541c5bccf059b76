#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// Every table and column of TravelDB.mdb, with the kind of value each column holds.
namespace schema {

// Schema version kept in PRAGMA user_version; raise it with a migration step.
constexpr int kVersion = 1;

enum class Kind {
    Text,     // short text
    LongText, // multi-line text
    Integer,
    Currency,   // exact to 1/10000 yuan
    DateTime,   // stored as "yyyy-MM-dd hh:mm:ss"
    YesNo,      // stored 0/1, read back as -1/0
    AutoNumber, // INTEGER PRIMARY KEY AUTOINCREMENT
    Any,        // kind not fixed: shown only, stored as given
};

struct Column {
    QString name;
    Kind kind;
    QString label; // the caption users see for the field
};

struct Table {
    QString name;
    QVector<Column> columns;
};

const QVector<Table> &tables();

// Case-insensitive lookups; nullptr when unknown.
const Table *findTable(const QString &name);
const Column *findColumn(const Table &table, const QString &column);

// CREATE TABLE statement for one table.
QString createStatement(const Table &table);
// CREATE INDEX statements, run after the tables are made.
QStringList indexStatements();

} // namespace schema
