#include "sharedconnection.h"

#include "database.h"
#include "dataerrors.h"

#include <QSqlError>
#include <QSqlRecord>
#include <array>

namespace {

struct Shared {
    QSqlDatabase db;
    std::array<SharedRecordSet, SharedConnection::kSlots> recordSets;
};

std::unique_ptr<Shared> &shared() {
    static std::unique_ptr<Shared> s;
    return s;
}

bool runQuery(QSqlQuery &q, const QString &sql, const QVariantList &bindValues) {
    q.setForwardOnly(true);
    bool ok = q.prepare(sql);
    for (const QVariant &v : bindValues)
        q.addBindValue(v);
    ok = ok && q.exec();
    if (!ok)
        dataerrors::report(QStringLiteral("读取数据失败：%1").arg(q.lastError().text()));
    return ok;
}

} // namespace

bool SharedRecordSet::open(const QString &sql, const QVariantList &bindValues) {
    close();
    m_query = std::make_unique<QSqlQuery>(m_db);
    if (!runQuery(*m_query, sql, bindValues)) {
        m_query.reset();
        return false;
    }
    m_query->next();
    return true;
}

void SharedRecordSet::close() {
    m_query.reset();
}

bool SharedRecordSet::eof() const {
    return !m_query || !m_query->isValid();
}

void SharedRecordSet::moveNext() {
    if (m_query)
        m_query->next();
}

QVariant SharedRecordSet::value(const QString &column) const {
    if (eof())
        return {};
    const QSqlRecord rec = m_query->record();
    const int i = rec.indexOf(column);
    return i < 0 ? QVariant() : m_query->value(i);
}

void SharedConnection::open() {
    auto next = std::make_unique<Shared>();
    next->db = database::connect();
    if (!next->db.isOpen())
        dataerrors::report(QStringLiteral("无法打开数据库：%1").arg(next->db.lastError().text()));
    for (SharedRecordSet &s : next->recordSets)
        s.m_db = next->db;
    if (shared()) {
        for (SharedRecordSet &s : shared()->recordSets) {
            s.close();
            s.m_db = QSqlDatabase();
        }
        database::release(shared()->db);
    }
    shared() = std::move(next);
}

SharedRecordSet &SharedConnection::slot(int index) {
    if (!shared())
        open();
    return shared()->recordSets.at(static_cast<size_t>(index));
}

QSqlDatabase SharedConnection::database() {
    if (!shared())
        open();
    return shared()->db;
}

QStringList SharedConnection::readList(int slotIndex, const QString &sql, const QString &column,
                                       const QVariantList &bindValues) {
    QStringList list;
    SharedRecordSet &rs = slot(slotIndex);
    if (!rs.open(sql, bindValues))
        return list;
    for (; !rs.eof(); rs.moveNext())
        list << rs.value(column).toString().trimmed();
    return list;
}

void OpenSharedConnection() {
    SharedConnection::open();
}

int TreeLoaderConnection::load(const QString &sql, const RowHandler &handler,
                               const QVariantList &bindValues) {
    QSqlDatabase db = database::connect();
    int rows = -1;
    {
        QSqlQuery q(db);
        if (runQuery(q, sql, bindValues)) {
            rows = 0;
            while (q.next()) {
                handler(q.record());
                ++rows;
            }
        }
    }
    database::release(db);
    return rows;
}
