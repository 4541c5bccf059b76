#include "barfixture.h"
#include "storedsetfile.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

// Writing and reading stored sets: defaults, key order, the program's three sets, picture
// addresses, bad counts and mangled files.
class TestStoredSet : public QObject {
    Q_OBJECT

private slots:
    void emptyStoreLoadsDefaultMenu();
    void programSetsLoadAndSaveBackIdentical_data();
    void programSetsLoadAndSaveBackIdentical();
    void defaultsAreNotStored();
    void startupMenuWinsOverStoredMenuCur();
    void hostWithoutParentStoresAddressesAndFetches();
    void fetchByFileAddressAppliesIcon();
    void namesIgnoreCaseAndPicturesEmbed();
    void badStoredCounts_data();
    void badStoredCounts();
    void mangledSetsNeverBreakTheBar();
};

namespace {

QByteArray contents(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList names(const PropertyStore &store) {
    QStringList out;
    for (const auto &entry : store.entries())
        out << entry.first;
    return out;
}

// Checks the bar's invariants after any load.
void verifyConsistent(KX_ruravav &bar) {
    QVERIFY(bar.MenusMax() >= 0 && bar.MenusMax() <= 6);
    QCOMPARE(bar.menus().Count(), bar.MenusMax());
    for (int m = 1; m <= bar.menus().Count(); ++m) {
        const int count = bar.menus().Item(m)->MenuItemCount();
        QVERIFY(count >= 0 && count <= 10);
    }
    QCOMPARE(bar.cache().height(), 68 + 32 * bar.menus().TotalMenuItems());
    QVERIFY(!bar.Loading());
}

} // namespace

void TestStoredSet::emptyStoreLoadsDefaultMenu() {
    KX_ruravav bar;
    bar.ReadProperties(PropertyStore());
    QCOMPARE(bar.MenusMax(), 1);
    QCOMPARE(bar.menus().Item(1)->Caption, QString("Menu"));
    QCOMPARE(bar.MenuItemsMax(), 1);
    QCOMPARE(bar.MenuItemCaption(), QString("Item"));
    QCOMPARE(bar.MenuItemIcon(), QImage(":/ruravav/images/default-icon.png"));
    QCOMPARE(bar.Font(), QString("0"));
    PropertyStore saved;
    bar.WriteProperties(saved);
    QCOMPARE(names(saved), QStringList{"MenuItemIcon11"});
}

void TestStoredSet::programSetsLoadAndSaveBackIdentical_data() {
    QTest::addColumn<QString>("set");
    QTest::addColumn<QStringList>("captions"); // menu caption, then its items; "|" between menus
    QTest::newRow("customers") << "customers"
                               << QStringList{"客户分类", "旅行社客户", "单位客户", "个人客户"};
    QTest::newRow("reference") << "reference"
                               << QStringList{"旅游信息维护", "交通信息维护", "各地信息",
                                              "其他信息"};
    QTest::newRow("maintenance") << "maintenance"
                                 << QStringList{"常用信息库维护", "常用信息维护",
                                                "本单位信息维护", "|",
                                                "部门与人员管理", "部门与人员管理"};
}

void TestStoredSet::programSetsLoadAndSaveBackIdentical() {
    QFETCH(QString, set);
    QFETCH(QStringList, captions);
    const QString resource = ":/ruravav/sets/" + set + ".txt";
    std::unique_ptr<KX_ruravav> bar(KX_ruravav::loadStoredSet(resource));
    QStringList loaded;
    QSet<QImage::Format> formats;
    for (int m = 1; m <= bar->menus().Count(); ++m) {
        const VMenu *menu = bar->menus().Item(m);
        loaded << (m > 1 ? QStringList{"|"} : QStringList{}) << menu->Caption;
        for (int i = 1; i <= menu->MenuItemCount(); ++i) {
            const QImage &icon = menu->MenuItemItem(i)->Button;
            QCOMPARE(icon.size(), QSize(32, 32));
            QVERIFY(icon.colorCount() > 0 && icon.colorCount() <= 17); // 16 colours + clear
            QVERIFY(icon != bar->MenuItemIcon0());
            loaded << menu->MenuItemItem(i)->Caption;
        }
    }
    QCOMPARE(loaded, captions);
    QCOMPARE(bar->MenuCur(), 1);
    if (set == "customers")
        QVERIFY(!contents(resource).contains("MenusMax"));

    QTemporaryDir dir;
    PropertyStore store;
    bar->WriteProperties(store);
    const QString path = dir.filePath(set + ".txt");
    QVERIFY(StoredSetFile::write(store, path, StoredSetFile::Pictures::Beside));
    QCOMPARE(contents(path), contents(resource));
    for (const QString &png : QDir(dir.path()).entryList({"*.png"}))
        QCOMPARE(contents(dir.filePath(png)), contents(":/ruravav/sets/" + png));
    QCOMPARE(QDir(dir.path()).entryList({"*.png"}).size(), bar->menus().TotalMenuItems());
}

void TestStoredSet::defaultsAreNotStored() {
    KX_ruravav bar;
    bar.InitProperties();
    bar.setMenuItemsMax(2);
    bar.setMenuItemCur(2);
    bar.setMenuItemKey("k");
    bar.setStoredEnabled(true);
    bar.setMousePointer(3);
    PropertyStore store;
    bar.WriteProperties(store);
    QCOMPARE(names(store),
             (QStringList{"Enabled", "MenuCaption1", "MenuItemsMax1", "MenuItemIcon11",
                          "MenuItemIcon12", "MenuItemCaption12", "MenuItemKey12", "MousePointer"}));
    QCOMPARE(store.read("MenuCaption1", QString()).toString(), QString("Menu1"));
    QCOMPARE(store.read("MousePointer", 0).toInt(), 3);
}

void TestStoredSet::startupMenuWinsOverStoredMenuCur() {
    auto bar = shownBar({113, 300}, {1, 2}, false);
    bar->setMenuCur(2);
    PropertyStore store;
    bar->WriteProperties(store);
    QCOMPARE(store.read("MenuCur", 1).toInt(), 2);
    KX_ruravav loaded;
    loaded.ReadProperties(store);
    QCOMPARE(loaded.MenuCur(), 1);
    QCOMPARE(loaded.MenuItemsMax(), 1);
    QCOMPARE(loaded.MenuCaption(), QString("M1"));
    QCOMPARE(loaded.menus().MenuCur, 1);
}

void TestStoredSet::hostWithoutParentStoresAddressesAndFetches() {
    auto bar = shownBar({113, 300}, {2, 1}, false);
    bar->setHostHasParent(false);
    bar->InitProperties(); // the host is asked again at every initialise or load
    bar->setMenusMax(2);
    bar->setMenuItemsMax(2);
    bar->setMenuItemCur(2);
    bar->setPictureFetch([](const QString &, const QString &) { return false; });
    bar->setMenuItemPictureURL("pictures/b.png");
    PropertyStore store;
    bar->WriteProperties(store);
    QVERIFY(!names(store).join(' ').contains("MenuItemIcon"));
    QCOMPARE(store.read("MenuItemPictureURL12", QString()).toString(), QString("pictures/b.png"));

    KX_ruravav loaded;
    loaded.setHostHasParent(false);
    QStringList fetches;
    loaded.setPictureFetch([&](const QString &name, const QString &address) {
        fetches << name + "=" + address;
        return true;
    });
    loaded.ReadProperties(store);
    QCOMPARE(fetches, (QStringList{"11=", "12=pictures/b.png", "21="}));
}

void TestStoredSet::fetchByFileAddressAppliesIcon() {
    QTemporaryDir dir;
    const QString png = dir.filePath("icon.png");
    QVERIFY(markedIcon(7).save(png));
    PropertyStore store;
    store.set("MenuItemPictureURL11", QUrl::fromLocalFile(png).toString());
    store.set("MenuItemPictureURL12", dir.filePath("missing.png"));
    store.set("MenuItemsMax1", 2);
    KX_ruravav bar;
    bar.setHostHasParent(false);
    bar.ReadProperties(store);
    const MenuItem *first = bar.menus().Item(1)->MenuItemItem(1);
    QTRY_COMPARE(first->Button.convertToFormat(QImage::Format_RGB32), markedIcon(7));
    QCOMPARE(bar.menus().Item(1)->MenuItemItem(2)->Button, bar.MenuItemIcon0());
}

void TestStoredSet::namesIgnoreCaseAndPicturesEmbed() {
    QTemporaryDir dir;
    const QByteArray text = "menusmax int32 2\nmenucaption2 text \"旅游 \\\"二\\\"\"\n"
                            "MENUITEMCAPTION21 text \"a\\nb\"\nmenustartup int32 2\n";
    KX_ruravav bar;
    bar.ReadProperties(StoredSetFile::parse(text, QDir(dir.path())));
    QCOMPARE(bar.MenuCur(), 2);
    QCOMPARE(bar.MenuCaption(), QString("旅游 \"二\""));
    QCOMPARE(bar.MenuItemCaption(), QString("a\nb"));

    bar.setMenuItemIcon(markedIcon(3));
    PropertyStore store;
    bar.WriteProperties(store);
    const QString path = dir.filePath("embedded.txt");
    QVERIFY(StoredSetFile::write(store, path, StoredSetFile::Pictures::Embedded));
    QCOMPARE(QDir(dir.path()).entryList({"*.png"}), QStringList());
    const PropertyStore back = StoredSetFile::read(path);
    QCOMPARE(names(back), names(store));
    for (int i = 0; i < store.entries().size(); ++i) {
        const QVariant &written = store.entries()[i].second;
        const QVariant &read = back.entries()[i].second;
        if (written.typeId() == QMetaType::QImage)
            QCOMPARE(read.value<QImage>().convertToFormat(QImage::Format_RGB32),
                     written.value<QImage>().convertToFormat(QImage::Format_RGB32));
        else
            QCOMPARE(read, written);
    }
}

void TestStoredSet::badStoredCounts_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("menus");
    QTest::addColumn<int>("items");
    QTest::newRow("too many menus") << QByteArray("MenusMax int32 9\n")
                                    << QStringList{"MenusMax must be between 0 and 6"} << 0 << 0;
    QTest::newRow("too many items")
        << QByteArray("MenuItemsMax1 int32 12\n")
        << QStringList{"MenuItemsMax must be between 0 and 10"} << 1 << 1;
    QTest::newRow("last menu without items is no error")
        << QByteArray("MenusMax int32 2\nMenuItemsMax2 int32 0\n") << QStringList{} << 2 << 1;
}

void TestStoredSet::badStoredCounts() {
    QFETCH(QByteArray, text);
    QFETCH(QStringList, messages);
    QFETCH(int, menus);
    QFETCH(int, items);
    MessageRecorder recorder;
    KX_ruravav bar;
    bar.ReadProperties(StoredSetFile::parse(text, QDir()));
    QCOMPARE(recorder.texts, messages);
    QCOMPARE(bar.menus().Count(), menus);
    QCOMPARE(bar.menus().TotalMenuItems(), items);
}

// Random damage to the customer set plus hand-picked hostile lines; every result must load,
// paint and take mouse input without breaking the bar.
void TestStoredSet::mangledSetsNeverBreakTheBar() {
    const QByteArray original = contents(":/ruravav/sets/customers.txt");
    const QList<QByteArray> hostile{"MenuStartup int32 2147483647",
                                    "MenuCur int32 -2147483648",
                                    "MenusMax int32 6",
                                    "MenuItemsMax1 int32 10",
                                    "MenuItemsMax1 int32 -1",
                                    "MenuStartup int32 0",
                                    "MenuItemIcon11 png ***",
                                    "MenuItemIcon12 picture \"../nowhere.png\"",
                                    "MenuCaption1 text \"open",
                                    "MousePointer int16 99999",
                                    "MenusMax text \"3\"",
                                    "MenusMax int32 99999999999",
                                    "\xff\xfe\x00 garbage",
                                    "MenuCaption1 text \"\\q\""};
    MessageRecorder recorder;
    QRandomGenerator random(20240611);
    for (int round = 0; round < 150; ++round) {
        QByteArray text = original;
        for (int damage = random.bounded(1, 5); damage > 0 && !text.isEmpty(); --damage) {
            const int at = random.bounded(int(text.size()));
            switch (random.bounded(4)) {
            case 0:
                text[at] = char(random.bounded(256));
                break;
            case 1:
                text.remove(at, random.bounded(1, 40));
                break;
            case 2:
                text.insert(at, "\n" + hostile[random.bounded(int(hostile.size()))] + "\n");
                break;
            default:
                text.truncate(at);
            }
        }
        KX_ruravav bar;
        bar.resize(113, 250);
        bar.ReadProperties(StoredSetFile::parse(text, QDir(":/ruravav/sets")));
        verifyConsistent(bar);
        bar.show();
        bar.Refresh();
        QTest::mouseClick(bar.surface(), Qt::LeftButton, {}, QPoint(56, 40));
        QTest::mouseClick(bar.surface(), Qt::LeftButton, {}, QPoint(100, 230));
        PropertyStore saved;
        bar.WriteProperties(saved);
    }
}

QTEST_MAIN(TestStoredSet)
#include "tst_ruravav_storedset.moc"
