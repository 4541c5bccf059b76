#include "messagehook.h"

#include <QApplication>
#include <QMessageBox>

namespace Ruravav {

namespace {

void showMessageBox(const QString &text, const QString &title) {
    QApplication::beep();
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok);
    box.exec();
}

MessageHook &currentHook() {
    static MessageHook hook = showMessageBox;
    return hook;
}

} // namespace

MessageHook setMessageHook(MessageHook hook) {
    MessageHook previous = currentHook();
    currentHook() = hook ? std::move(hook) : MessageHook(showMessageBox);
    return previous;
}

void showRangeMessage(const QString &text) {
    currentHook()(text, QGuiApplication::applicationDisplayName());
}

} // namespace Ruravav
