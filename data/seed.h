#pragma once

class QSqlDatabase;

namespace schema {

// Fills a newly created database: the first login account, one department and a few
// realistic entries in every code table. Runs inside the caller's transaction.
// Returns false (with the database's error left on the failed query) if a row is refused.
bool seed(QSqlDatabase &db);

} // namespace schema
