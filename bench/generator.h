#pragma once

#include <QString>

// Writes a realistic TravelDB.mdb into a directory through the program's own schema:
// routes, groups over several years and registrations with payments, a share of whose
// outstanding amounts are stale. Also serves as demo data.
namespace generator {

struct Sizes {
    int tourists = 10000;
    int groups = 2000;
    int routes = 60;
    double staleShare = 0.05; // registrations whose weishou no longer matches
};

// Returns false with a message when the directory already holds a database or writing fails.
bool generate(const QString &directory, const Sizes &sizes, QString *error);

} // namespace generator
