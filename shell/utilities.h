#pragma once

class QWidget;

// The small utilities and database windows the main window's menus open.
namespace utilities {
QWidget *openChangePassword(); // Form10, child window
QWidget *openCalculator();     // Form27, child window
QWidget *openAbout();          // Form56, child window
QWidget *openInitialise();     // Form69
QWidget *openBackup();         // Form67
QWidget *openRestore();        // Form68
void openHelp();
void openSupportMail();
void openWebSite();
} // namespace utilities
