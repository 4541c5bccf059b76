#include "utilities.h"

#include "aboutbox.h"
#include "backupwindow.h"
#include "calculatorwindow.h"
#include "changepasswordwindow.h"
#include "desktopservices.h"
#include "initialisewindow.h"
#include "restorewindow.h"
#include "windowhost.h"

#include <functional>

namespace utilities {
namespace {
enum class Placement { Child, Separate };

// An open window of that name comes to the front; otherwise a new one is made and shown.
QWidget *openOnce(const QString &name, Placement placement,
                  const std::function<QWidget *()> &create) {
    if (QWidget *open = WindowHost::find(name)) {
        WindowHost::raise(open);
        return open;
    }
    QWidget *window = create();
    return placement == Placement::Child ? WindowHost::showChild(window)
                                         : WindowHost::showSeparate(window);
}
} // namespace

QWidget *openChangePassword() {
    return openOnce("Form10", Placement::Child, [] { return new ChangePasswordWindow; });
}
QWidget *openCalculator() {
    return openOnce("Form27", Placement::Child, [] { return new CalculatorWindow; });
}
QWidget *openAbout() {
    return openOnce("Form56", Placement::Child, [] { return new AboutBox; });
}
QWidget *openInitialise() {
    return openOnce("Form69", Placement::Child, [] { return new InitialiseWindow; });
}
QWidget *openBackup() {
    return openOnce("Form67", Placement::Separate, [] { return new BackupWindow; });
}
QWidget *openRestore() {
    return openOnce("Form68", Placement::Separate, [] { return new RestoreWindow; });
}
void openHelp() {
    desktop::openHelp();
}
void openSupportMail() {
    desktop::openSupportMail();
}
void openWebSite() {
    desktop::openWebSite();
}
} // namespace utilities
