#pragma once

#include <QString>

// Replacing the live database with a chosen copy, safely: the copy is checked first, the
// current database is kept beside it, and the content is replaced in one write transaction
// so that open connections keep working and a crash leaves either the old or the new data.
namespace restore {

enum class Outcome {
    Restored,
    Refused,          // the chosen file is no sound travel database; nothing touched
    SafetyCopyFailed, // the current database could not be kept; nothing touched
    CopyFailed,       // the database is busy or could not be written; nothing changed
};

struct Result {
    Outcome outcome = Outcome::CopyFailed;
    QString message;    // why, for the user; empty when restored
    QString safetyCopy; // the kept copy of the replaced database, when restored
};

// Why 'candidate' cannot replace the database at 'databasePath'; empty when it can.
QString refusal(const QString &candidate, const QString &databasePath);

// "TravelDB恢复前备份yyyy-MM-dd-HHmmss.mdb" beside the database, never an existing file.
QString safetyCopyName(const QString &databasePath);

// Checks 'candidate', keeps the current database as a safety copy, then copies the
// candidate into the live database. 'busyTimeoutMs' is how long to wait for other
// connections to finish writing.
Result run(const QString &candidate, const QString &databasePath, int busyTimeoutMs = 5000);

} // namespace restore
