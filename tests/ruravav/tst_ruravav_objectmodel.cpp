#include "barfixture.h"

#include <QSignalSpy>
#include <QtTest>

// The content properties: limits, range messages, captions, cursors and notifications.
class TestObjectModel : public QObject {
    Q_OBJECT

private slots:
    void freshBarHasOneMenuWithOneItem();
    void rangeMessagesChangeNothing_data();
    void rangeMessagesChangeNothing();
    void growingMenusCaptionsThem();
    void shrinkingBelowCurrentMenuMakesLastCurrent();
    void itemsEmptyAndRegrow();
    void itemCursorHasNoLowerBound();
    void menuCursorWithoutMenuKeepsContent();
    void pictureAddressRequestNameAndCompletion();
    void clickHandlerWritesMenuCurField();
};

void TestObjectModel::freshBarHasOneMenuWithOneItem() {
    KX_ruravav bar;
    bar.InitProperties();
    QCOMPARE(bar.MenusMax(), 1);
    QCOMPARE(bar.MenuCur(), 1);
    QCOMPARE(bar.menus().Item(1)->Caption, QString("Menu1"));
    QCOMPARE(bar.MenuItemsMax(), 1);
    QCOMPARE(bar.MenuItemCaption(), QString("Item"));
    QVERIFY(!bar.MenuItemIcon().isNull());
    QCOMPARE(bar.MenuItemIcon(), bar.MenuItemIcon0());
}

void TestObjectModel::rangeMessagesChangeNothing_data() {
    QTest::addColumn<QString>("property");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("message");
    const QString menus = "MenusMax must be between 0 and 6";
    const QString items = "MenuItemsMax must be between 0 and 10";
    QTest::newRow("7 menus") << "MenusMax" << 7 << menus;
    QTest::newRow("-1 menus") << "MenusMax" << -1 << menus;
    QTest::newRow("11 items") << "MenuItemsMax" << 11 << items;
    QTest::newRow("-1 items") << "MenuItemsMax" << -1 << items;
    QTest::newRow("item cursor beyond items")
        << "MenuItemCur" << 3 << "The current item must be between 0 and MenuItemsMax";
}

void TestObjectModel::rangeMessagesChangeNothing() {
    QFETCH(QString, property);
    QFETCH(int, value);
    QFETCH(QString, message);
    auto bar = shownBar({113, 300}, {2, 1});
    const QImage before = surfaceOf(*bar);
    MessageRecorder recorder;
    QSignalSpy notified(bar.get(), &KX_ruravav::PropertyChanged);
    bar->setProperty(property.toLatin1(), value);
    QCOMPARE(recorder.texts, QStringList{message});
    QCOMPARE(recorder.titles, QStringList{QGuiApplication::applicationDisplayName()});
    QCOMPARE(notified.count(), 0);
    QCOMPARE(bar->MenusMax(), 2);
    QCOMPARE(bar->menus().Count(), 2);
    QCOMPARE(bar->MenuItemsMax(), 2);
    QCOMPARE(bar->MenuItemCur(), 1);
    QCOMPARE(surfaceOf(*bar), before);
}

void TestObjectModel::growingMenusCaptionsThem() {
    KX_ruravav bar;
    bar.InitProperties();
    QSignalSpy notified(&bar, &KX_ruravav::PropertyChanged);
    bar.setMenusMax(3);
    QCOMPARE(bar.MenuCur(), 1);
    for (int m = 2; m <= 3; ++m) {
        const VMenu *menu = bar.menus().Item(m);
        QCOMPARE(menu->Caption, QString("Menu%1").arg(m));
        QCOMPARE(menu->Index, m);
        QCOMPARE(menu->MenuItemCount(), 1);
        QCOMPARE(menu->MenuItemItem(1)->Caption, QString("Item"));
    }
    QCOMPARE(notified.last().at(0).toString(), QString("MenusMax"));
    QCOMPARE(bar.cache().height(), 68 + 3 * 32);
}

void TestObjectModel::shrinkingBelowCurrentMenuMakesLastCurrent() {
    auto bar = shownBar({113, 300}, {1, 2, 3, 1});
    bar->setMenuCur(4);
    bar->setMenusMax(2);
    QCOMPARE(bar->MenuCur(), 2);
    QCOMPARE(bar->MenuItemsMax(), 2);
    QCOMPARE(bar->MenuCaption(), QString("M2"));
    bar->setMenusMax(0);
    QCOMPARE(bar->menus().Count(), 0);
    bar->Refresh();
    QImage blank(bar->size(), QImage::Format_RGB32);
    blank.fill(bar->surface()->colours().buttonShadow);
    QCOMPARE(surfaceOf(*bar), blank);
}

void TestObjectModel::itemsEmptyAndRegrow() {
    KX_ruravav bar;
    bar.InitProperties();
    bar.setMenuItemsMax(0);
    QCOMPARE(bar.menus().Item(1)->MenuItemCount(), 0);
    QCOMPARE(bar.MenuItemCur(), 0);
    bar.setMenuItemsMax(2);
    QCOMPARE(bar.menus().Item(1)->MenuItemItem(1)->Caption, QString("Item1"));
    QCOMPARE(bar.menus().Item(1)->MenuItemItem(2)->Caption, QString("Item2"));
    QCOMPARE(bar.MenuItemCur(), 0);
    bar.setMenuItemCur(1);
    bar.setMenuItemsMax(4);
    QCOMPARE(bar.menus().Item(1)->MenuItemItem(3)->Caption, QString("Item3"));
    QCOMPARE(bar.MenuItemCur(), 1);
}

void TestObjectModel::itemCursorHasNoLowerBound() {
    KX_ruravav bar;
    bar.InitProperties();
    MessageRecorder recorder;
    for (int cursor : {0, -5}) {
        bar.setMenuItemCur(cursor);
        QCOMPARE(bar.MenuItemCur(), cursor);
        QCOMPARE(bar.MenuItemKey(), QString());
        bar.setMenuItemCaption("nowhere"); // no item: only the stored text changes
    }
    QVERIFY(recorder.texts.isEmpty());
    QCOMPARE(bar.menus().Item(1)->MenuItemItem(1)->Caption, QString("Item"));
}

void TestObjectModel::menuCursorWithoutMenuKeepsContent() {
    auto bar = shownBar({113, 300}, {3, 1});
    bar->setMenuItemCur(2);
    bar->setMenuCur(5);
    QCOMPARE(bar->MenuCur(), 5);
    QCOMPARE(bar->MenuItemCur(), 1);
    QCOMPARE(bar->MenuItemsMax(), 3);
    QCOMPARE(bar->MenuCaption(), QString("M1"));
    bar->Refresh(); // lays the two buttons out on top, paints no items
    QCOMPARE(bar->menus().Item(2)->ButtonTop(), 18);
}

void TestObjectModel::pictureAddressRequestNameAndCompletion() {
    auto bar = shownBar({113, 800}, {1, 10});
    QStringList requests;
    bar->setPictureFetch([&](const QString &name, const QString &address) {
        requests << name + " " + address;
        return false;
    });
    bar->setMenuCur(2);
    bar->setMenuItemCur(10);
    bar->setMenuItemPictureURL("http://example.org/x.png");
    QCOMPARE(requests, QStringList{"210 http://example.org/x.png"});
    QCOMPARE(bar->MenuItemPictureURL(), QString("http://example.org/x.png"));

    // A host reacting to the change must not move the cursors while the picture is applied.
    bar->setMenuCur(1);
    connect(bar.get(), &KX_ruravav::PropertyChanged, bar.get(), [&](const QString &name) {
        if (name == "MenuItemIcon") {
            QVERIFY(bar->AsyncBusy());
            bar->setMenuCur(2);
            bar->setMenuItemCur(0);
        }
    });
    bar->AsyncReadComplete("210", markedIcon(99));
    QVERIFY(!bar->AsyncBusy());
    QCOMPARE(bar->MenuCur(), 1);
    QCOMPARE(bar->MenuItemCur(), 1);
    QCOMPARE(bar->menus().Item(2)->MenuItemItem(10)->Button, markedIcon(99));
    QCOMPARE(bar->cache().pixel(10, 68 + 32 * 10 + 10), markedIcon(99).pixel(10, 10));
}

void TestObjectModel::clickHandlerWritesMenuCurField() {
    auto bar = shownBar({113, 300}, {2, 2});
    QSignalSpy notified(bar.get(), &KX_ruravav::PropertyChanged);
    connect(bar.get(), &KX_ruravav::MenuItemClick, [](int &menuNumber, int &) { menuNumber = 2; });
    const PixelRect hit = bar->menus().Item(1)->MenuItemItem(1)->HitRect;
    QTest::mousePress(bar->surface(), Qt::LeftButton, {}, QPoint(hit.left + 8, hit.top + 8));
    QTest::mouseRelease(bar->surface(), Qt::LeftButton, {}, QPoint(hit.left + 8, hit.top + 8));
    QCOMPARE(bar->MenuCur(), 2);
    QCOMPARE(bar->menus().MenuCur, 1); // none of the property's effects
    QCOMPARE(bar->MenuCaption(), QString("M1"));
    QCOMPARE(notified.count(), 0);
}

QTEST_MAIN(TestObjectModel)
#include "tst_ruravav_objectmodel.moc"
