#pragma once

#include <QString>
#include <QVector>

class BoundForm;

// One required field of a save command, checked in the command's own order (which need not
// be the order of the form's field table).
struct RequiredCheck {
    QString control;
    QString message;
    bool focus = true; // false: the focus stays where it was
};

// Runs the checks in order: the first control whose text has length zero shows its message
// (OK only), takes the focus when the check says so, and the run fails.
bool passesRequiredChecks(const BoundForm &form, const QVector<RequiredCheck> &checks);
