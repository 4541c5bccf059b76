#pragma once

#include "schema.h"

#include <QString>
#include <QVariant>

// Conversions between what users type, what the file stores and what screens show.
namespace values {

// A typed or picked value made ready for storage in a column of the given kind.
// Empty text becomes NULL for every kind but text. On a value the column cannot hold,
// returns an invalid QVariant and sets 'reason' to a short Chinese explanation.
QVariant toStorage(schema::Kind kind, const QVariant &input, QString *reason);

// A stored value as screens read it: currency as a double rounded to 1/10000, yes/no as
// -1/0, dates as QDateTime, integers as qlonglong, text as QString; NULL stays null.
QVariant fromStorage(schema::Kind kind, const QVariant &stored);

// The text a text box or grid cell shows for a stored value.
QString displayText(schema::Kind kind, const QVariant &stored);

// "24.9", "55", "0.5": a currency amount without trailing zeros.
QString currencyText(double amount);

// Message shown when a value is refused, naming the field by its caption.
QString refusedMessage(const QString &fieldLabel, const QString &typed, const QString &reason);

// Storage form of a date/time value.
QString storedDateTime(const QDateTime &dt);

} // namespace values
