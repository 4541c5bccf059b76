#include "barfixture.h"

#include <QtTest>

// Pixels of the cache and the drawing surface, computed from the layout rules and the
// surface's own font metrics.
class TestPainting : public QObject {
    Q_OBJECT

private slots:
    void cacheLayout();
    void arrowBitmaps();
    void threeItemsInOneHundredFiftyPixels();
    void captionCutAtClipLine();
    void cutIconHasOpenBorder();
    void arrowPositions();
    void slideEqualsRepaintInPlace_data();
    void slideEqualsRepaintInPlace();
    void scrollEqualsRepaintInPlace();
    void resizeKeepsIcons();
    void noRepaintWhileLoading();
};

namespace {

bool blockEquals(const QImage &surface, int left, int top, const QImage &icon, int rows = 32) {
    return surface.copy(left, top, 32, rows) == icon.copy(0, 0, 32, rows);
}

int whitePixels(const QImage &image, const QRect &area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixel(x, y) == qRgb(255, 255, 255);
    return count;
}

QRect captionArea(KX_ruravav &bar, const MenuItem &item) {
    return QRect(item.CaptionX, item.CaptionY, bar.surface()->textWidth(item.Caption),
                 bar.surface()->textHeight());
}

MenuItem &itemOf(KX_ruravav &bar, int menu, int item) {
    return *bar.menus().Item(menu)->MenuItemItem(item);
}

void clickAt(QWidget *surface, const PixelRect &r) {
    const QPoint centre((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    QTest::mousePress(surface, Qt::LeftButton, {}, centre);
    QTest::mouseRelease(surface, Qt::LeftButton, {}, centre);
}

} // namespace

void TestPainting::cacheLayout() {
    auto bar = shownBar({113, 300}, {2, 1});
    QImage seeThrough(32, 32, QImage::Format_ARGB32);
    seeThrough.fill(Qt::transparent);
    bar->setMenuCur(2);
    bar->setMenuItemIcon(seeThrough);
    const QImage &cache = bar->cache();
    const SystemColours c = bar->surface()->colours();
    QCOMPARE(cache.size(), QSize(113, 68 + 3 * 32));
    const int mid = 113 / 2;
    const QList<QPair<int, QColor>> face{{0, c.light},
                                         {1, c.highlight},
                                         {9, c.buttonFace},
                                         {16, c.buttonShadow},
                                         {17, c.darkShadow}};
    for (const auto &[row, colour] : face)
        QCOMPARE(cache.pixel(mid, row), colour.rgb());
    for (int row = 18; row < 68; ++row)
        QCOMPARE(cache.pixel(mid, row), c.buttonShadow.rgb());
    QVERIFY(blockEquals(cache, 0, 68, markedIcon(1)));
    QVERIFY(blockEquals(cache, 0, 100, markedIcon(2)));
    QCOMPARE(cache.pixel(10, 132 + 10), c.buttonShadow.rgb());
}

void TestPainting::arrowBitmaps() {
    KX_ruravav bar;
    for (const bool up : {true, false}) {
        const QImage bitmap = up ? bar.upBitmap() : bar.downBitmap();
        QCOMPARE(bitmap.size(), QSize(16, 16));
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const int half = up ? y - 6 : 9 - y;
                const bool black = y >= 6 && y <= 9 && std::abs(x - 7) <= half;
                QCOMPARE(bitmap.pixel(x, y), black ? qRgb(0, 0, 0) : qRgb(192, 192, 192));
            }
    }
}

void TestPainting::threeItemsInOneHundredFiftyPixels() {
    auto bar = shownBar({113, 18 + 150}, {3});
    const int textHeight = bar->surface()->textHeight();
    QVERIFY2(132 + textHeight < 168, "the font is too tall for this layout");
    VMenu &menu = *bar->menus().Item(1);
    QImage surface = surfaceOf(*bar);
    const int left = 113 / 2 - 16;
    for (int i = 1; i <= 3; ++i) {
        const MenuItem &item = itemOf(*bar, 1, i);
        QCOMPARE(item.Top, 18 + 14 + (i - 1) * 64);
        QCOMPARE(item.Left, left);
        QVERIFY(blockEquals(surface, left, item.Top, markedIcon(i), std::min(32, 168 - item.Top)));
        QCOMPARE(item.CaptionX, 113 / 2 - bar->surface()->textWidth(item.Caption) / 2);
    }
    QVERIFY(whitePixels(surface, captionArea(*bar, itemOf(*bar, 1, 1))) > 0);
    QVERIFY(whitePixels(surface, captionArea(*bar, itemOf(*bar, 1, 2))) > 0);
    const MenuItem &cut = itemOf(*bar, 1, 3);
    QCOMPARE(cut.HitRect, (PixelRect{left - 6, cut.Top - 6, left + 38, 168}));
    QCOMPARE(cut.BorderRect, (PixelRect{left - 2, cut.Top - 2, left + 34, 168}));
    QVERIFY(menu.downArrow().IsDisplayed);
    QVERIFY(!menu.upArrow().IsDisplayed);

    clickAt(bar->surface(), menu.downArrow().ArrowRect);
    surface = surfaceOf(*bar);
    QCOMPARE(menu.TopMenuItem(), 2);
    QVERIFY(!itemOf(*bar, 1, 1).IsPainted);
    QCOMPARE(itemOf(*bar, 1, 2).Top, 32);
    QCOMPARE(itemOf(*bar, 1, 3).Top, 96);
    QVERIFY(blockEquals(surface, left, 96, markedIcon(3)));
    QVERIFY(whitePixels(surface, captionArea(*bar, itemOf(*bar, 1, 3))) > 0);
    QVERIFY(menu.upArrow().IsDisplayed);
    QVERIFY(!menu.downArrow().IsDisplayed);
}

void TestPainting::captionCutAtClipLine() {
    // Item 2's caption starts 132 pixels down; the lower button cuts it in half.
    const int textHeight = KX_ruravav().surface()->textHeight();
    const int clip = 132 + textHeight / 2;
    auto bar = shownBar({113, clip + 18}, {2, 1});
    auto reference = shownBar({113, clip + 18}, {2, 1});
    reference->setMenuItemCur(2);
    reference->setMenuItemCaption(QString());
    const QImage surface = surfaceOf(*bar);
    const MenuItem &item = itemOf(*bar, 1, 2);
    QCOMPARE(bar->menus().ItemAreaBottom(), clip);
    QVERIFY(whitePixels(surface, QRect(0, item.CaptionY, 113, clip - item.CaptionY)) > 0);
    QCOMPARE(surface.copy(0, clip, 113, 18), surfaceOf(*reference).copy(0, clip, 113, 18));
    QVERIFY(bar->menus().Item(1)->downArrow().IsDisplayed);
}

void TestPainting::cutIconHasOpenBorder() {
    auto bar = shownBar({113, 110}, {2});
    const MenuItem &item = itemOf(*bar, 1, 2);
    const QImage before = surfaceOf(*bar);
    QMouseEvent move(QEvent::MouseMove, QPointF(item.Left + 5, item.Top + 5),
                     QPointF(item.Left + 5, item.Top + 5), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(bar->surface(), &move);
    QCOMPARE(item.State, 1);
    const SystemColours c = bar->surface()->colours();
    const QImage hovered = surfaceOf(*bar);
    const PixelRect &b = item.BorderRect;
    QCOMPARE(hovered.pixel(b.left, b.top), c.light.rgb());
    QCOMPARE(hovered.pixel(b.left, 109), c.light.rgb());
    QCOMPARE(hovered.pixel(b.right - 1, 109), c.darkShadow.rgb());
    QCOMPARE(hovered.copy(b.left + 1, 109, b.right - b.left - 2, 1),
             before.copy(b.left + 1, 109, b.right - b.left - 2, 1));

    QMouseEvent away(QEvent::MouseMove, QPointF(1, 50), QPointF(1, 50), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(bar->surface(), &away);
    QCOMPARE(item.State, 0);
    QCOMPARE(surfaceOf(*bar), before);
}

void TestPainting::arrowPositions() {
    auto bar = shownBar({113, 400}, {1, 10, 1}, false);
    bar->setMenuCur(2);
    bar->menus().Item(2)->setTopMenuItem(2);
    bar->show();
    bar->Refresh();
    const QImage surface = surfaceOf(*bar);
    const SystemColours c = bar->surface()->colours();
    VMenu &menu = *bar->menus().Item(2);
    const int clip = 400 - 18;
    QCOMPARE(menu.upArrow().ArrowRect, (PixelRect{113 - 22, 2 * 18 + 6, 113 - 6, 2 * 18 + 22}));
    QCOMPARE(menu.downArrow().ArrowRect, (PixelRect{113 - 22, clip - 24, 113 - 6, clip - 8}));
    for (Arrow *arrow : {&menu.upArrow(), &menu.downArrow()}) {
        const PixelRect &r = arrow->ArrowRect;
        QVERIFY(arrow->IsDisplayed);
        QCOMPARE(arrow->DrawnState, 1);
        QCOMPARE(surface.pixel(r.left, r.top), c.light.rgb());
        QCOMPARE(surface.pixel(r.right - 1, r.bottom - 1), c.darkShadow.rgb());
        QCOMPARE(surface.pixel(r.left + 7, r.top + 8), qRgb(0, 0, 0));
        QCOMPARE(surface.pixel(r.left + 3, r.top + 8), qRgb(192, 192, 192));
    }
}

void TestPainting::slideEqualsRepaintInPlace_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::newRow("1 to 3 of 4") << 1 << 3;
    QTest::newRow("3 back to 1") << 3 << 1;
    QTest::newRow("1 to 4") << 1 << 4;
    QTest::newRow("4 to 2") << 4 << 2;
}

void TestPainting::slideEqualsRepaintInPlace() {
    QFETCH(int, from);
    QFETCH(int, to);
    auto bar = shownBar({113, 320}, {2, 3, 1, 2});
    bar->setMenuCur(from);
    bar->setMenuCur(to);
    auto fresh = shownBar({113, 320}, {2, 3, 1, 2}, false);
    fresh->setMenuCur(to);
    fresh->show();
    fresh->Refresh();
    QCOMPARE(surfaceOf(*bar), surfaceOf(*fresh));
    for (int m = 1; m <= 4; ++m)
        QCOMPARE(bar->menus().Item(m)->ButtonTop(), m <= to ? (m - 1) * 18 : 320 - (5 - m) * 18);
}

void TestPainting::scrollEqualsRepaintInPlace() {
    auto bar = shownBar({113, 200}, {5});
    VMenu &menu = *bar->menus().Item(1);
    clickAt(bar->surface(), menu.downArrow().ArrowRect);
    auto scrolled = shownBar({113, 200}, {5}, false);
    scrolled->menus().Item(1)->setTopMenuItem(2);
    scrolled->show();
    scrolled->Refresh();
    QCOMPARE(surfaceOf(*bar), surfaceOf(*scrolled));

    clickAt(bar->surface(), menu.upArrow().ArrowRect);
    QCOMPARE(menu.TopMenuItem(), 1);
    QCOMPARE(surfaceOf(*bar), surfaceOf(*shownBar({113, 200}, {5})));
}

void TestPainting::resizeKeepsIcons() {
    auto bar = shownBar({113, 300}, {3});
    bar->resize(141, 300);
    bar->Refresh();
    const QImage surface = surfaceOf(*bar);
    for (int i = 1; i <= 3; ++i)
        QVERIFY(blockEquals(surface, 141 / 2 - 16, itemOf(*bar, 1, i).Top, markedIcon(i)));
}

void TestPainting::noRepaintWhileLoading() {
    auto bar = shownBar({113, 300}, {3, 2});
    const QImage before = surfaceOf(*bar);
    PropertyStore store;
    store.set("MenuItemsMax1", 5);
    int checked = 0;
    connect(bar.get(), &KX_ruravav::PropertyChanged, this, [&] {
        QVERIFY(bar->Loading());
        QCOMPARE(surfaceOf(*bar), before);
        ++checked;
    });
    bar->ReadProperties(store);
    QVERIFY(checked > 10);
    QCOMPARE(bar->menus().PaintedMenu, 0);
}

QTEST_MAIN(TestPainting)
#include "tst_ruravav_painting.moc"
