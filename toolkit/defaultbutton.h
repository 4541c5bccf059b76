#pragma once

class QPushButton;
class QWidget;

// Makes 'button' the window's default button: Enter or Return presses it while the focus is
// anywhere in 'window'. Plain windows (not dialogs) have no default button of their own.
void setDefaultButton(QPushButton *button, QWidget *window);
