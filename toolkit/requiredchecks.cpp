#include "requiredchecks.h"

#include "boundform.h"
#include "messages.h"

#include <QWidget>

bool passesRequiredChecks(const BoundForm &form, const QVector<RequiredCheck> &checks) {
    for (const RequiredCheck &check : checks) {
        if (!form.text(check.control).isEmpty())
            continue;
        Messages::show(check.message);
        if (check.focus)
            form.control(check.control)->setFocus();
        return false;
    }
    return true;
}
