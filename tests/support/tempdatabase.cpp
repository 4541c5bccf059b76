#include "tempdatabase.h"

#include "database.h"
#include "dataerrors.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

TempDatabase::TempDatabase() {
    database::setDirectory(m_dir.path());
    QString message;
    const auto result = database::prepare(&message);
    if (result != database::OpenResult::Created)
        qFatal("test database not created: %s", qPrintable(message));
    dataerrors::setHandler([this](const QString &m) { m_errors << m; });
}

TempDatabase::~TempDatabase() {
    dataerrors::setHandler({});
}

QString TempDatabase::path() const {
    return database::filePath();
}

QStringList TempDatabase::query(const QString &sql, const QVariantList &bind) const {
    QStringList rows;
    QSqlDatabase db = database::connect();
    {
        QSqlQuery q(db);
        q.prepare(sql);
        for (const QVariant &v : bind)
            q.addBindValue(v);
        if (!q.exec())
            qWarning() << "query failed" << sql << q.lastError().text();
        while (q.next())
            rows << q.value(0).toString();
    }
    database::release(db);
    return rows;
}

int TempDatabase::count(const QString &table) const {
    return query(QStringLiteral("SELECT count(*) FROM ") + table).value(0).toInt();
}
