#include "operations.h"

#include "backup.h"
#include "bounddatasource.h"
#include "database.h"
#include "measure.h"
#include "rawsqlite.h"

#include <QDir>
#include <QFile>

namespace {

BenchRow containsSearch(RawSqlite &raw, int repeats) {
    const QString select =
        QStringLiteral("select * from T_tourist_data where strName like ? escape '\\'");
    const QVariantList bind{QStringLiteral("%王伟%")};
    BenchRow row{QStringLiteral("contains-search strName (data source)")};
    row.oursMs = measure::medianMs(repeats, [&] {
        BoundDataSource source;
        source.setRecordSource(select, bind);
        source.open();
    });
    row.rawMs = measure::medianMs(repeats, [&] { raw.pageAndCount(select, bind); });
    return row;
}

BenchRow backupSnapshot(RawSqlite &raw, int repeats) {
    const QString path = database::filePath();
    const QString ours = QDir(database::directory()).filePath(QStringLiteral("bench-ours.mdb"));
    const QString theirs = QDir(database::directory()).filePath(QStringLiteral("bench-raw.mdb"));
    BenchRow row{QStringLiteral("backup snapshot (whole file)")};
    QString error;
    row.oursMs = measure::medianMs(repeats, [&] { backup::snapshot(path, ours, &error); });
    row.rawMs = measure::medianMs(
        repeats, [&] { raw.backupTo(theirs); }, [&] { QFile::remove(theirs); });
    QFile::remove(ours);
    QFile::remove(theirs);
    return row;
}

} // namespace

QVector<BenchRow> runOperations(int repeats) {
    RawSqlite raw(database::filePath());
    QVector<BenchRow> rows;
    rows << containsSearch(raw, repeats);
    rows << backupSnapshot(raw, repeats);
    return rows;
}
