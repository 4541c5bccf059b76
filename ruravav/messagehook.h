#pragma once

#include <QString>
#include <functional>

namespace Ruravav {

// How the control shows its range messages. The default beeps and shows a message box with
// an OK button only; tests put a recorder in its place.
using MessageHook = std::function<void(const QString &text, const QString &title)>;

// Installs a hook (an empty one restores the default) and returns the previous one.
MessageHook setMessageHook(MessageHook hook);
// Shows a range message under the application's title.
void showRangeMessage(const QString &text);

} // namespace Ruravav
