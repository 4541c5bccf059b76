#include "initialise.h"

#include <QSqlError>
#include <QSqlQuery>

namespace initialise {

const QVector<Choice> &choices() {
    static const QVector<Choice> list = {
        {QStringLiteral("团队信息"), QStringLiteral("T_Group_BaseInfor")},
        {QStringLiteral("报名人员信息"), QStringLiteral("T_tourist_data2")},
        {QStringLiteral("本单位信息"), QStringLiteral("T_I_Company_Infor")},
        {QStringLiteral("线路信息"), QStringLiteral("T_Line_BaseInfor")},
        {QStringLiteral("部门人员信息"), QStringLiteral("T_I_User_Infor")},
        {QStringLiteral("个人客户"), QStringLiteral("T_tourist_data")},
        {QStringLiteral("单位客户"), QStringLiteral("T_company_data")},
        {QStringLiteral("同行旅行社"), QStringLiteral("T_I_Travel_Infor")},
    };
    return list;
}

bool emptyTables(QSqlDatabase db, const QStringList &tables, QString *error) {
    if (tables.isEmpty())
        return true;
    if (!db.transaction()) {
        *error = db.lastError().text();
        return false;
    }
    for (const QString &table : tables) {
        // Table names come from choices(), never from user input.
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("DELETE FROM ") + table)) {
            *error = QStringLiteral("%1：%2").arg(table, q.lastError().text());
            db.rollback();
            return false;
        }
    }
    if (!db.commit()) {
        *error = db.lastError().text();
        db.rollback();
        return false;
    }
    return true;
}

} // namespace initialise
