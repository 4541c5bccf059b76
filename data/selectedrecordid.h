#pragma once

#include <QString>

// The lngid of the record an editor is to open, or empty for a new record.
// Set by a list's "new" and "edit" commands; never cleared after use.
namespace SelectedRecordId {
QString get();
void set(const QString &id);
void clear();
} // namespace SelectedRecordId
