#pragma once

#include <QString>
#include <QVector>
#include <functional>

class QWidget;

// The seven exclusive workspaces, in toolbar order, and how each is made.
struct WorkspaceEntry {
    QString name;    // window name, e.g. "Form3"
    QString caption; // also the menu and toolbar caption
    QString action;  // menu item name
    bool separate;   // a top-level window beside the main window instead of a child
    std::function<QWidget *()> create;
};

const QVector<WorkspaceEntry> &workspaces();

// Windows a workspace switch closes besides the workspaces: the change-password window.
inline const QString kChangePasswordWindow = QStringLiteral("Form10");

// Closes the other workspaces and Form10, then shows (or brings forward) the target.
QWidget *switchWorkspace(const QString &name);
