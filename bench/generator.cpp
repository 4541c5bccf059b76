#include "generator.h"

#include "database.h"

#include <QDate>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace generator {
namespace {

const QStringList kSurnames = {"王", "李", "张", "刘", "陈", "杨", "黄", "赵", "吴", "周",
                               "徐", "孙", "马", "朱", "胡", "郭", "何", "高", "林", "罗"};
const QStringList kGiven = {"伟", "芳", "娜", "敏", "静", "丽", "强", "磊",   "军", "洋",
                            "勇", "艳", "杰", "娟", "涛", "明", "超", "秀英", "华", "建国"};
const QStringList kPlaces = {"杭州",   "苏州", "黄山",   "桂林",   "三亚", "丽江", "西安", "北京",
                             "哈尔滨", "厦门", "张家界", "九寨沟", "香港", "澳门", "青岛"};
const QStringList kAreas = {"华东线", "华南线", "西南线", "东北线", "港澳线", "出境线"};
const QStringList kStates = {"可报名", "已出团", "已回团"};

class Writer {
public:
    explicit Writer(QSqlDatabase &db) : m_db(db) {}
    bool run(const QString &sql, const QVariantList &values) {
        if (!m_statements.contains(sql)) {
            m_statements.insert(sql, QSqlQuery(m_db));
            if (!m_statements[sql].prepare(sql))
                return fail(m_statements[sql]);
        }
        QSqlQuery &q = m_statements[sql];
        for (int i = 0; i < values.size(); ++i)
            q.bindValue(i, values.at(i));
        return q.exec() || fail(q);
    }
    QString error;

private:
    bool fail(const QSqlQuery &q) {
        error = q.lastError().text();
        return false;
    }
    QSqlDatabase &m_db;
    QHash<QString, QSqlQuery> m_statements;
};

QString pick(QRandomGenerator &r, const QStringList &list) {
    return list.at(int(r.bounded(quint32(list.size()))));
}

QString stamp(const QDate &d) {
    return d.toString(QStringLiteral("yyyy-MM-dd 00:00:00"));
}

} // namespace

bool generate(const QString &directory, const Sizes &sizes, QString *error) {
    database::setDirectory(directory);
    if (QFileInfo::exists(database::filePath())) {
        *error = QStringLiteral("%1 already exists").arg(database::filePath());
        return false;
    }
    if (database::prepare(error) != database::OpenResult::Created)
        return false;

    QRandomGenerator random(20261211);
    QSqlDatabase db = database::connect();
    QSqlQuery(db).exec(QStringLiteral("PRAGMA synchronous=OFF"));
    db.transaction();
    Writer w(db);
    bool ok = true;

    QStringList routeNames;
    for (int i = 0; ok && i < sizes.routes; ++i) {
        const QString from = pick(random, kPlaces);
        const QString to = pick(random, kPlaces);
        const QString name =
            QStringLiteral("%1-%2%3日游(%4)").arg(from, to).arg(2 + i % 6).arg(i + 1);
        routeNames << name;
        ok = w.run(QStringLiteral("INSERT INTO T_Line_BaseInfor(strBeginCityName, strEndCityName, "
                                  "strLineName, strlineSName, PersonCost, ChildCost, intlineFate, "
                                  "strLineAreaName, BitlineState, strLineType) "
                                  "VALUES (?,?,?,?,?,?,?,?,?,?)"),
                   {from, to, name, to, 800 + 100 * (i % 20), 400 + 50 * (i % 20), 2 + i % 6,
                    kAreas.at(i % kAreas.size()), QStringLiteral("可用线路"),
                    i % 5 ? QStringLiteral("常规线路") : QStringLiteral("临时线路")});
    }

    const QDate first(2022, 1, 1);
    QStringList groupIds;
    QStringList groupRoutes;
    for (int i = 0; ok && i < sizes.groups; ++i) {
        const QDate begin = first.addDays(int(random.bounded(5 * 365)));
        const int r = int(random.bounded(quint32(routeNames.size())));
        const QString id = QStringLiteral("T%1-%2")
                               .arg(begin.toString(QStringLiteral("yyyyMMdd")))
                               .arg(i + 1, 5, 10, QLatin1Char('0'));
        groupIds << id;
        groupRoutes << routeNames.at(r);
        ok = w.run(QStringLiteral("INSERT INTO T_Group_BaseInfor(strGroupID, strLineName, "
                                  "strLineAreaName, intMaxNum, intGroupState, dtBeginTime, "
                                  "dtEndTime, strWork) VALUES (?,?,?,?,?,?,?,?)"),
                   {id, routeNames.at(r), kAreas.at(r % kAreas.size()), 40,
                    kStates.at(int(random.bounded(3))), stamp(begin), stamp(begin.addDays(5)),
                    pick(random, kSurnames) + pick(random, kGiven)});
    }

    for (int i = 0; ok && i < sizes.tourists; ++i) {
        const int g = int(random.bounded(quint32(std::max(1, int(groupIds.size())))));
        const bool adult = random.bounded(5) != 0;
        const int due = adult ? 55 : 25;
        const quint32 how = random.bounded(10);
        const QVariant paid = how == 0 ? QVariant() : QVariant(how < 7 ? due : due / 2.0);
        QVariant outstanding = paid.isNull() ? QVariant() : QVariant(due - paid.toDouble());
        if (random.generateDouble() < sizes.staleShare)
            outstanding = due; // recorded before the last payment
        ok = w.run(
            QStringLiteral("INSERT INTO T_tourist_data(strName, strsex, datbirth, strver, "
                           "strver_num, str_type, strtel1, strgroupid, strLineName, "
                           "shouldpay, infactpay, weishou) VALUES (?,?,?,?,?,?,?,?,?,?,?,?)"),
            {pick(random, kSurnames) + pick(random, kGiven),
             random.bounded(2) ? QStringLiteral("男") : QStringLiteral("女"),
             stamp(QDate(1950, 1, 1).addDays(int(random.bounded(60 * 365)))),
             QStringLiteral("身份证"),
             QStringLiteral("3301%1").arg(random.bounded(100000000u), 14, 10, QLatin1Char('0')),
             adult ? QStringLiteral("成人") : QStringLiteral("儿童"),
             QStringLiteral("13%1").arg(random.bounded(1000000000u), 9, 10, QLatin1Char('0')),
             groupIds.value(g), groupRoutes.value(g), due, paid, outstanding});
    }
    if (ok)
        ok = db.commit();
    else
        db.rollback();
    if (!ok)
        *error = w.error.isEmpty() ? db.lastError().text() : w.error;
    database::release(db);
    return ok;
}

} // namespace generator
