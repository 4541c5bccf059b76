#pragma once

#include <QString>

// Consistent copies of the live database, safe while other connections are open.
namespace backup {

// Writes a snapshot of the database to 'target': first under a temporary name, checked,
// then renamed over any existing file of that name. On failure 'target' is left as it was.
bool snapshot(const QString &databasePath, const QString &target, QString *error);

// "<prefix>yyyy-MM-dd.mdb" beside the database, e.g. TravelDB2026-12-11.mdb.
QString datedName(const QString &databasePath, const QString &prefix);

} // namespace backup
