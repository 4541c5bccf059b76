#pragma once

// What each registration still owes: weishou = shouldpay - infactpay (empty when either
// amount is empty), kept in T_tourist_data for the lists and reports that show it.
namespace outstandingamounts {

// Brings weishou of every registration up to date in one statement inside one transaction.
// Rows whose stored value is already current are not rewritten, so a table that is up to
// date costs one scan. Errors are reported through dataerrors; returns false on failure.
bool bringUpToDate();

} // namespace outstandingamounts
