#pragma once

#include <QString>

// "Contains" searches with LIKE, where the user's % and _ match themselves.
namespace likepattern {

// "<column> LIKE ? ESCAPE '\'": bind containing() to the placeholder.
QString condition(const QString &column);
// The bound pattern that finds 'text' anywhere in the column.
QString containing(const QString &text);

} // namespace likepattern
