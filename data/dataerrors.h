#pragma once

#include <QString>
#include <functional>

// Database errors are reported here, never swallowed: the program shows them in a message
// box, tests record them. Without a handler they go to the debug log.
namespace dataerrors {
using Handler = std::function<void(const QString &message)>;
void setHandler(Handler handler);
void report(const QString &message);
} // namespace dataerrors
