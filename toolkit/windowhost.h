#pragma once

#include <QString>
#include <QWidget>

class QMdiArea;

// Where windows open: child windows inside the main window's MDI area, separate windows
// beside it. Open windows are found by their window name (objectName).
namespace WindowHost {

void setMdiArea(QMdiArea *area);

// Shows 'window' as a child of the main window (top-level when there is none), brought to
// the front. The window is deleted when closed.
QWidget *showChild(QWidget *window);
// Shows 'window' as a separate top-level window, centred on the screen.
QWidget *showSeparate(QWidget *window);

// The open window of that name, or nullptr.
QWidget *find(const QString &name);
template <class W> W *findAs(const QString &name) {
    return qobject_cast<W *>(find(name));
}
// Closes the open window of that name; nothing when none is open.
void close(const QString &name);
// Brings an open window to the front.
void raise(QWidget *window);

} // namespace WindowHost
