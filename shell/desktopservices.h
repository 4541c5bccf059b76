#pragma once

#include <QString>

// Our own addresses, and opening help, mail and web pages with the desktop's handlers.
namespace vendor {
inline const QString kDeveloper = QStringLiteral("澄岚软件工作室");
inline const QString kSupportMail = QStringLiteral("support@chenglan-soft.example");
inline const QString kWebSite = QStringLiteral("https://www.chenglan-soft.example/");
} // namespace vendor

namespace desktop {

// help.html of the application directory.
QString helpFile();

// Each says in a message box when there is nothing to open or no handler for it.
void openHelp();
void openSupportMail(); // a new message to the support mailbox, for the user to complete
void openWebSite();

} // namespace desktop
