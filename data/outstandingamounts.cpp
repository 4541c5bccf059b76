#include "outstandingamounts.h"

#include "database.h"
#include "dataerrors.h"

#include <QSqlError>
#include <QSqlQuery>

namespace outstandingamounts {
namespace {

bool update(QSqlDatabase &db, QString *error) {
    if (!db.isOpen() || !db.transaction()) {
        *error = db.lastError().text();
        return false;
    }
    // Amounts are kept to 1/10000, so the difference is rounded the same way; an empty
    // amount makes the difference NULL, which IS NOT compares like a value.
    QSqlQuery q(db);
    const bool ok =
        q.exec(QStringLiteral("UPDATE T_tourist_data SET weishou = round(shouldpay - infactpay, 4) "
                              "WHERE weishou IS NOT round(shouldpay - infactpay, 4)"));
    q.finish();
    if (!ok || !db.commit()) {
        *error = ok ? db.lastError().text() : q.lastError().text();
        db.rollback();
        return false;
    }
    return true;
}

} // namespace

bool bringUpToDate() {
    QSqlDatabase db = database::connect();
    QString error;
    const bool ok = update(db, &error);
    database::release(db);
    if (!ok)
        dataerrors::report(QStringLiteral("未收金额更新失败：%1").arg(error));
    return ok;
}

} // namespace outstandingamounts
