#pragma once

#include "report.h"

// Every benchmarked operation on the database in the current application directory.
QVector<BenchRow> runOperations(int repeats);
