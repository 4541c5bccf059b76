#include "barfixture.h"

#include <QtTest>

// Mouse sequences on a bar with menu 1 (3 items) and menu 2 (2 items), all drawn whole.
// A step is "<event> <target>": events press, release, move, double (left button unless
// prefixed with "right-"); targets item1..item3, off (the items area, on no item), menu2.
class TestMouse : public QObject {
    Q_OBJECT

private slots:
    void sequences_data();
    void sequences();
    void arrowScrollsOnlyOnPressAndReleaseOnIt_data();
    void arrowScrollsOnlyOnPressAndReleaseOnIt();
};

namespace {

QPoint pointOf(KX_ruravav &bar, const QString &target) {
    if (target == "off")
        return {2, 150};
    if (target == "menu2")
        return {50, bar.menus().Item(2)->ButtonTop() + 5};
    const MenuItem *item = bar.menus().Item(bar.MenuCur())->MenuItemItem(target.mid(4).toInt());
    return {item->Left + 10, item->Top + 10};
}

void send(QWidget *surface, const QString &step, QPoint point) {
    const bool right = step.startsWith("right-");
    const QString event = right ? step.mid(6) : step;
    const Qt::MouseButton button = right ? Qt::RightButton : Qt::LeftButton;
    QEvent::Type type = QEvent::MouseMove;
    if (event == "press")
        type = QEvent::MouseButtonPress;
    else if (event == "double")
        type = QEvent::MouseButtonDblClick;
    else if (event == "release")
        type = QEvent::MouseButtonRelease;
    const bool isMove = type == QEvent::MouseMove;
    QMouseEvent e(type, point, surface->mapToGlobal(point), isMove ? Qt::NoButton : button,
                  isMove || type == QEvent::MouseButtonRelease ? Qt::NoButton : button,
                  Qt::NoModifier);
    QApplication::sendEvent(surface, &e);
}

QStringList run(KX_ruravav &bar, const QStringList &steps) {
    QStringList clicks;
    QObject::connect(&bar, &KX_ruravav::MenuItemClick,
                     [&](int menu, int item) { clicks << QString("%1,%2").arg(menu).arg(item); });
    for (const QString &step : steps) {
        const QStringList parts = step.split(' ');
        send(bar.surface(), parts[0], pointOf(bar, parts[1]));
    }
    return clicks;
}

QString statesOf(KX_ruravav &bar) {
    QStringList states;
    const VMenu *menu = bar.menus().Item(bar.MenuCur());
    for (int i = 1; i <= menu->MenuItemCount(); ++i)
        states << QString::number(menu->MenuItemItem(i)->State);
    return states.join(',');
}

} // namespace

void TestMouse::sequences_data() {
    QTest::addColumn<int>("startMenu");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<int>("menuAfter");
    QTest::addColumn<QString>("statesAfter");

    QTest::newRow("click item 2") << 1 << QStringList{"move item2", "press item2", "release item2"}
                                  << QStringList{"1,2"} << 1 << "0,0,0";
    QTest::newRow("hover raises, press sinks")
        << 1 << QStringList{"move item1", "press item2"} << QStringList{} << 1 << "0,-1,0";
    QTest::newRow("hover only") << 1 << QStringList{"move item3"} << QStringList{} << 1 << "0,0,1";
    QTest::newRow("press, drag off, release elsewhere")
        << 1 << QStringList{"press item2", "move off", "release off"} << QStringList{} << 1
        << "0,0,0";
    QTest::newRow("press, drag off and back, release")
        << 1 << QStringList{"press item2", "move off", "move item2", "release item2"}
        << QStringList{"1,2"} << 1 << "0,0,0";
    QTest::newRow("drag back shows sunken")
        << 1 << QStringList{"press item2", "move off", "move item2"} << QStringList{} << 1
        << "0,-1,0";
    QTest::newRow("press item 2, release on item 3")
        << 1 << QStringList{"press item2", "move item3", "release item3"} << QStringList{} << 1
        << "0,0,1";
    QTest::newRow("right button clicks nothing, hover still shows")
        << 1 << QStringList{"right-press item1", "right-release item1", "move item1"}
        << QStringList{} << 1 << "1,0,0";
    QTest::newRow("double click on item 1 of menu 2")
        << 2 << QStringList{"press item1", "release item1", "double item1", "release item1"}
        << QStringList{"2,1", "2,1"} << 2 << "0,0";
    QTest::newRow("menu button switches at the press")
        << 1 << QStringList{"press menu2", "release item1"} << QStringList{} << 2 << "1,0";
    QTest::newRow("double click on a menu button")
        << 1 << QStringList{"press menu2", "release item2", "double menu2", "release item1"}
        << QStringList{} << 2 << "1,0";
}

void TestMouse::sequences() {
    QFETCH(int, startMenu);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, clicks);
    QFETCH(int, menuAfter);
    QFETCH(QString, statesAfter);
    auto bar = shownBar({113, 400}, {3, 2});
    bar->setMenuCur(startMenu);
    QCOMPARE(run(*bar, steps), clicks);
    QCOMPARE(bar->MenuCur(), menuAfter);
    QCOMPARE(statesOf(*bar), statesAfter);
}

void TestMouse::arrowScrollsOnlyOnPressAndReleaseOnIt_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("topItem");
    QTest::addColumn<bool>("downArrowShown");
    QTest::newRow("press and release on it") << QStringList{"press", "release"} << 2 << false;
    QTest::newRow("release outside")
        << QStringList{"press", "move-off", "release-off"} << 1 << true;
    QTest::newRow("leave and come back")
        << QStringList{"press", "move-off", "release"} << 2 << false;
    QTest::newRow("pressed elsewhere") << QStringList{"press-off", "release"} << 1 << true;
}

void TestMouse::arrowScrollsOnlyOnPressAndReleaseOnIt() {
    QFETCH(QStringList, steps);
    QFETCH(int, topItem);
    QFETCH(bool, downArrowShown);
    auto bar = shownBar({113, 168}, {3});
    VMenu &menu = *bar->menus().Item(1);
    const PixelRect r = menu.downArrow().ArrowRect;
    for (const QString &step : steps) {
        const bool off = step.endsWith("-off");
        const QPoint point = off ? QPoint(2, 20) : QPoint(r.left + 8, r.top + 8);
        send(bar->surface(), off ? step.chopped(4) : step, point);
        if (step == "press")
            QCOMPARE(menu.downArrow().DrawnState, -1);
    }
    QCOMPARE(menu.TopMenuItem(), topItem);
    QCOMPARE(menu.downArrow().IsDisplayed, downArrowShown);
    QCOMPARE(menu.upArrow().IsDisplayed, topItem > 1);
    if (downArrowShown)
        QCOMPARE(menu.downArrow().DrawnState, 1);
}

QTEST_MAIN(TestMouse)
#include "tst_ruravav_mouse.moc"
