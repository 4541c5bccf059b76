#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVector>

// Emptying chosen tables of the database, all or nothing.
namespace initialise {

struct Choice {
    QString caption;
    QString table;
};

// The tables a user may empty, in the order they are offered. "报名人员信息" empties
// T_tourist_data2; the registrations themselves are rows of T_tourist_data ("个人客户").
const QVector<Choice> &choices();

// Deletes every row of each table in one transaction on 'db'. When the database refuses any
// statement nothing is emptied, false is returned and 'error' says why.
bool emptyTables(QSqlDatabase db, const QStringList &tables, QString *error);

} // namespace initialise
