#pragma once

// Rows the group tests start from, written straight into the test database.
#include "tempdatabase.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QVariant>

inline void addGroup(const TempDatabase &db, const QString &number, const QString &state,
                     const QString &begin = QString(), const QString &area = QString()) {
    db.query("INSERT INTO T_Group_BaseInfor(strGroupID, strLineName, strLineAreaName, "
             "intGroupState, dtBeginTime, strWork, intMaxNum) VALUES (?, ?, ?, ?, ?, ?, 40)",
             {number, QStringLiteral("江南五日游"),
              area.isEmpty() ? QStringLiteral("华东线") : area, state,
              begin.isEmpty() ? QVariant() : QVariant(begin), QStringLiteral("王芳")});
}

inline void addRegistration(const TempDatabase &db, const QString &group, const QString &name,
                            const QVariant &due, const QVariant &paid,
                            const QVariant &outstanding = QVariant()) {
    db.query("INSERT INTO T_tourist_data(strgroupid, strLineName, strName, shouldpay, infactpay, "
             "weishou) VALUES (?, '江南五日游', ?, ?, ?, ?)",
             {group, name, due, paid, outstanding});
}

// Picks a list entry as a user does: the box's list is chosen, which also emits activated().
inline void pick(QComboBox *box, const QString &entry) {
    const int index = box->findText(entry);
    box->setCurrentIndex(index);
    emit box->activated(index);
}
