#include "operations.h"

#include "backup.h"
#include "bounddatasource.h"
#include "database.h"
#include "frontdesk.h"
#include "measure.h"
#include "outstandingamounts.h"
#include "rawsqlite.h"
#include "registrationwindow.h"
#include "selectedrecordid.h"
#include "touristmanagement.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <memory>

namespace {

const QString kAllTourists = QStringLiteral("select * from T_tourist_data");
const QString kOutstanding =
    QStringLiteral("UPDATE T_tourist_data SET weishou = round(shouldpay - infactpay, 4) "
                   "WHERE weishou IS NOT round(shouldpay - infactpay, 4)");

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

// Opens a window as a user does: built, shown and painted once.
template <class W> std::unique_ptr<W> openWindow() {
    auto window = std::make_unique<W>();
    window->show();
    QApplication::processEvents();
    return window;
}

// Resident memory added while a window opens, its peak included. 'open' returns the window.
template <class Open> double memoryOfOpening(Open open) {
    settle();
    const double before = measure::residentMb();
    measure::resetPeak();
    auto window = open();
    const double added = measure::peakMb() - before;
    window->close();
    settle();
    return added;
}

void rawOutstandingUpdate(RawSqlite &raw) {
    raw.run(QStringLiteral("BEGIN"));
    raw.run(kOutstanding);
    raw.run(QStringLiteral("COMMIT"));
}

QVector<BenchRow> touristManagement(RawSqlite &raw, int repeats, double memoryMb) {
    outstandingamounts::bringUpToDate();
    BenchRow current{QStringLiteral("open Form77, amounts current")};
    current.oursMs = measure::medianMs(repeats, [] { openWindow<TouristManagement>(); });
    current.rawMs = measure::medianMs(repeats, [&] {
        rawOutstandingUpdate(raw);
        raw.pageAndCount(kAllTourists, {});
    });
    current.memoryMb = memoryMb;

    // 1% of payments change before every opening.
    int round = 0;
    auto payments = [&] {
        raw.run(QStringLiteral("UPDATE T_tourist_data SET infactpay = coalesce(infactpay, 0) + 1 "
                               "WHERE rowid % 100 = ?"),
                {round++ % 100});
    };
    BenchRow changed{QStringLiteral("open Form77 after 1% of payments changed")};
    changed.oursMs = measure::medianMs(
        repeats, [] { openWindow<TouristManagement>(); }, payments);
    changed.rawMs = measure::medianMs(
        repeats,
        [&] {
            rawOutstandingUpdate(raw);
            raw.pageAndCount(kAllTourists, {});
        },
        payments);

    BenchRow group{QStringLiteral("Form77: choose a group in DataCombo1")};
    auto window = openWindow<TouristManagement>();
    auto *combo = window->findChild<QComboBox *>(QStringLiteral("DataCombo1"));
    const int index = std::min(7, combo->count() - 1);
    const QString groupId = combo->itemText(index);
    group.oursMs = measure::medianMs(
        repeats, [&] { emit combo->activated(index); },
        [&] { window->findChild<QPushButton *>(QStringLiteral("Command1"))->click(); });
    // Before each choice the list shows every registration again ("还原"), for both sides.
    group.rawMs = measure::medianMs(
        repeats,
        [&] {
            raw.pageAndCount(QStringLiteral("select * from T_tourist_data where strgroupid=?"),
                             {groupId});
        },
        [&] { raw.pageAndCount(kAllTourists, {}); });
    return {current, changed, group};
}

QVector<BenchRow> frontDesk(RawSqlite &raw, int repeats) {
    auto desk = openWindow<FrontDesk>();
    auto *query = desk->findChild<QPushButton *>(QStringLiteral("Command1"));
    auto *open = desk->findChild<QCheckBox *>(QStringLiteral("Check1"));
    auto *useDates = desk->findChild<QCheckBox *>(QStringLiteral("Check5"));

    BenchRow byState{QStringLiteral("Form4 查询 by state 可报名")};
    byState.oursMs = measure::medianMs(
        repeats, [&] { query->click(); }, [&] { open->setChecked(true); });
    byState.rawMs = measure::medianMs(repeats, [&] {
        raw.pageAndCount(QStringLiteral("select * from T_Group_BaseInfor where intGroupState=?"),
                         {QStringLiteral("可报名")});
    });

    const QDate first(2024, 3, 1);
    const QDate last(2024, 3, 31);
    BenchRow byDate{QStringLiteral("Form4 查询 by a one-month date range")};
    byDate.oursMs = measure::medianMs(
        repeats, [&] { query->click(); },
        [&] {
            open->setChecked(false); // a ticked state box would decide the query instead
            useDates->setChecked(true);
            desk->findChild<QDateEdit *>(QStringLiteral("begintime"))->setDate(first);
            desk->findChild<QDateEdit *>(QStringLiteral("endtime"))->setDate(last);
        });
    byDate.rawMs = measure::medianMs(repeats, [&] {
        raw.pageAndCount(
            QStringLiteral("select * from T_Group_BaseInfor where dtBeginTime >= ? "
                           "AND dtBeginTime < ?"),
            {QStringLiteral("2024-03-01 00:00:00"), QStringLiteral("2024-04-01 00:00:00")});
    });
    byDate.memoryMb = memoryOfOpening(openWindow<FrontDesk>);
    // The window really listed that month.
    if (desk->source()->recordCount() !=
        raw.scalar(QStringLiteral("SELECT count(*) FROM T_Group_BaseInfor WHERE dtBeginTime >= ? "
                                  "AND dtBeginTime < ?"),
                   {QStringLiteral("2024-03-01 00:00:00"), QStringLiteral("2024-04-01 00:00:00")}))
        qCritical("Form4 did not list the date range");
    return {byState, byDate};
}

// The whole press of "保存" (checks, write, message, closing the window), and the write alone
// (the window's data source inserting the row), each beside one raw INSERT in a transaction.
QVector<BenchRow> saveRegistration(RawSqlite &raw, int repeats) {
    QPointer<RecordEditor> window;
    auto fill = [&] {
        if (window)
            window->close();
        settle();
        SelectedRecordId::clear();
        window = RecordEditor::open(new RegistrationWindow);
        auto set = [&](const char *name, const QString &text) {
            if (auto *box = window->findChild<QComboBox *>(QLatin1String(name)))
                box->setCurrentText(text);
            else
                window->findChild<QLineEdit *>(QLatin1String(name))->setText(text);
        };
        set("Combo3", QStringLiteral("T20240301-00001"));
        set("Combo5", QStringLiteral("杭州-黄山3日游(1)"));
        set("Text1", QStringLiteral("测试游客"));
        set("Text2", QStringLiteral("330100199001010011"));
        set("Text3", QStringLiteral("55"));
        set("Text4", QStringLiteral("55"));
    };
    BenchRow click{QStringLiteral("Form23 保存 one registration (whole press)")};
    click.oursMs = measure::medianMs(
        repeats, [&] { window->findChild<QPushButton *>(QStringLiteral("Command2"))->click(); },
        fill);
    BenchRow write{QStringLiteral("Form23 保存: the registration's write")};
    write.oursMs = measure::medianMs(
        repeats, [&] { window->source()->update(); }, fill);
    window->close();
    settle();
    click.memoryMb = memoryOfOpening([] {
        SelectedRecordId::clear();
        return QPointer<RecordEditor>(RecordEditor::open(new RegistrationWindow));
    });
    // The raw insert runs under the same conditions: a registration window was just opened.
    click.rawMs = measure::medianMs(
        repeats,
        [&] {
            raw.run(QStringLiteral("BEGIN"));
            raw.run(QStringLiteral("INSERT INTO T_tourist_data(strgroupid, strLineName, strName, "
                                   "strver_num, shouldpay, infactpay) VALUES (?,?,?,?,?,?)"),
                    {QStringLiteral("T20240301-00001"), QStringLiteral("杭州-黄山3日游(1)"),
                     QStringLiteral("测试游客"), QStringLiteral("330100199001010011"), 55, 55});
            raw.run(QStringLiteral("COMMIT"));
        },
        fill);
    window->close();
    settle();
    write.rawMs = click.rawMs;
    return {click, write};
}

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
    // The first opening, before anything else has read the file, is the one that adds memory.
    const double touristManagementMb = memoryOfOpening(openWindow<TouristManagement>);
    RawSqlite raw(database::filePath());
    QVector<BenchRow> rows;
    rows << touristManagement(raw, repeats, touristManagementMb);
    rows << frontDesk(raw, repeats);
    rows << saveRegistration(raw, repeats);
    rows << containsSearch(raw, repeats);
    rows << backupSnapshot(raw, repeats);
    return rows;
}
