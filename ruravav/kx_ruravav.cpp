#include "kx_ruravav.h"

#include "dlgabout.h"
#include "messagehook.h"
#include "picturefetcher.h"
#include "storedsetfile.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

const QString DefaultIconPath = ":/ruravav/images/default-icon.png";
constexpr int ButtonHeight = 18;
constexpr int CacheFirstSlotRow = 68;

QString numbered(const char *key, int n) {
    return QString::fromLatin1(key) + QString::number(n);
}

QString numbered(const char *key, int menu, int item) {
    return numbered(key, menu) + QString::number(item);
}

} // namespace

KX_ruravav::KX_ruravav(QWidget *parent)
    : QWidget(parent), m_picMenu(new DrawingSurface(this)),
      m_imgUp(":/ruravav/images/arrow-up.png"), m_imgDown(":/ruravav/images/arrow-down.png"),
      m_fetcher(new PictureFetcher(this)) {
    setObjectName("KX_ruravav1");
    m_menus.Form = m_picMenu;
    m_menus.Cache = &m_picCache;
    m_picMenu->installEventFilter(this);
    connect(m_picMenu, &DrawingSurface::repaintNeeded, this, &KX_ruravav::Refresh);
    connect(m_picMenu, &DrawingSurface::imageReset, this, [this] {
        // A new surface holds no layout to animate from, and its width sizes the cache.
        m_menus.PaintedMenu = 0;
        resizeCache();
    });
    connect(m_fetcher, &PictureFetcher::fetched, this, &KX_ruravav::AsyncReadComplete);
    m_pictureFetch = [this](const QString &name, const QString &address) {
        return m_fetcher->start(name, address);
    };
}

KX_ruravav::~KX_ruravav() = default;

KX_ruravav *KX_ruravav::loadStoredSet(const QString &path, QWidget *parent) {
    auto *bar = new KX_ruravav(parent);
    bar->ReadProperties(StoredSetFile::read(path));
    return bar;
}

MenuItem *KX_ruravav::currentItem() const {
    const VMenu *menu = currentMenu();
    return menu ? menu->MenuItemItem(m_menuItemCur) : nullptr;
}

QString KX_ruravav::itemText(QString MenuItem::*field) const {
    const MenuItem *item = currentItem();
    return item ? item->*field : QString();
}

void KX_ruravav::setItemText(QString MenuItem::*field, const QString &text, const char *property) {
    if (MenuItem *item = currentItem())
        item->*field = text;
    notify(property);
}

void KX_ruravav::setMenusMax(int count) {
    if (count < 0 || count > 6) {
        Ruravav::showRangeMessage("MenusMax must be between 0 and 6");
        return;
    }
    const int old = m_menusMax;
    if (count > old) {
        const int savedMenu = m_menuCur;
        for (int k = old + 1; k <= count; ++k) {
            m_menuCur = k;
            VMenu *menu = m_menus.Add(QString(), k, m_picMenu);
            setMenuCaption(numbered("Menu", k));
            menu->setUpBitmap(m_imgUp);
            menu->setDownBitmap(m_imgDown);
            menu->ImageCache = &m_picCache;
            menu->AddMenuItem("Item", 1, m_menuItemIcon0);
        }
        m_menuCur = savedMenu;
    }
    for (int k = old; k >= count + 1; --k) {
        m_menus.Delete(k);
        if (count < m_menuCur)
            setMenuCur(count);
    }
    m_menusMax = count;
    m_menus.NumberOfMenusChanged = true;
    SetupCache();
    repaintBar();
    notify("MenusMax");
}

void KX_ruravav::setMenuCur(int menu) {
    if (m_asyncBusy)
        return;
    m_menuCur = menu;
    m_menuItemCur = 1;
    m_menus.MenuCur = menu;
    if (const VMenu *current = currentMenu()) {
        m_menuItemsMax = current->MenuItemCount();
        setMenuCaption(current->Caption);
    }
    notify("MenuCur");
}

void KX_ruravav::setMenuStartup(int menu) {
    m_menuStartup = menu;
    notify("MenuStartup");
}

void KX_ruravav::setMenuCaption(const QString &caption) {
    m_menuCaption = caption;
    if (VMenu *menu = currentMenu())
        menu->Caption = caption;
    repaintBar();
    notify("MenuCaption");
}

void KX_ruravav::setMenuItemsMax(int count) {
    if (count < 0 || count > 10) {
        Ruravav::showRangeMessage("MenuItemsMax must be between 0 and 10");
        return;
    }
    const int old = m_menuItemsMax;
    if (count != old) {
        const int savedItem = m_menuItemCur;
        VMenu *menu = currentMenu();
        for (int k = old + 1; k <= count; ++k) {
            m_menuItemCur = k;
            if (menu)
                menu->AddMenuItem("Item", k, m_menuItemIcon0);
            setMenuItemCaption(numbered("Item", k));
        }
        for (int k = old; k >= count + 1; --k)
            if (menu)
                menu->DeleteMenuItem(k);
        m_menuItemCur = count < savedItem ? count : savedItem;
    }
    m_menuItemsMax = count;
    SetupCache();
    repaintBar();
    notify("MenuItemsMax");
}

void KX_ruravav::setMenuItemCur(int item) {
    if (m_asyncBusy)
        return;
    if (item > m_menuItemsMax) {
        Ruravav::showRangeMessage("The current item must be between 0 and MenuItemsMax");
        return;
    }
    m_menuItemCur = item;
    notify("MenuItemCur");
}

QString KX_ruravav::MenuItemCaption() const {
    if (const MenuItem *item = currentItem())
        m_menuItemCaption = item->Caption;
    return m_menuItemCaption;
}

void KX_ruravav::setMenuItemCaption(const QString &caption) {
    if (MenuItem *item = currentItem())
        item->Caption = caption;
    m_menuItemCaption = caption;
    if (!m_loading) {
        m_picMenu->clear();
        repaintBar();
    }
    notify("MenuItemCaption");
}

QImage KX_ruravav::MenuItemIcon() const {
    const MenuItem *item = currentItem();
    return item ? item->Button : QImage();
}

void KX_ruravav::setMenuItemIcon(const QImage &picture) {
    if (MenuItem *item = currentItem())
        item->Button = picture;
    if (!m_loading) {
        SetupCache();
        repaintBar();
    }
    notify("MenuItemIcon");
}

QString KX_ruravav::MenuItemPictureURL() const {
    return itemText(&MenuItem::PictureURL);
}

void KX_ruravav::setMenuItemPictureURL(const QString &address) {
    if (MenuItem *item = currentItem())
        item->PictureURL = address;
    // A fetch that cannot be started is simply not made.
    m_pictureFetch(QString::number(m_menuCur) + QString::number(m_menuItemCur), address);
    notify("MenuItemPictureURL");
}

void KX_ruravav::AsyncReadComplete(const QString &requestName, const QImage &picture) {
    m_asyncBusy = true;
    const int savedMenu = m_menuCur;
    const int savedItem = m_menuItemCur;
    m_menuCur = requestName.left(1).toInt();
    m_menuItemCur = requestName.mid(1).toInt();
    setMenuItemIcon(picture);
    m_menuCur = savedMenu;
    m_menuItemCur = savedItem;
    m_asyncBusy = false;
}

QString KX_ruravav::MenuItemKey() const {
    return itemText(&MenuItem::Key);
}

void KX_ruravav::setMenuItemKey(const QString &key) {
    setItemText(&MenuItem::Key, key, "MenuItemKey");
}

QString KX_ruravav::MenuItemTag() const {
    return itemText(&MenuItem::Tag);
}

void KX_ruravav::setMenuItemTag(const QString &tag) {
    setItemText(&MenuItem::Tag, tag, "MenuItemTag");
}

void KX_ruravav::setWhatsThisHelpID(int id) {
    storeStoredOnly(m_whatsThisHelpID, id, "WhatsThisHelpID");
}

void KX_ruravav::setToolTipText(const QString &text) {
    storeStoredOnly(m_toolTipText, text, "ToolTipText");
}

void KX_ruravav::setMousePointer(short pointer) {
    storeStoredOnly(m_mousePointer, pointer, "MousePointer");
}

void KX_ruravav::setStoredEnabled(bool enabled) {
    storeStoredOnly(m_enabled, enabled, "Enabled");
}

void KX_ruravav::setClipControls(bool clip) {
    storeStoredOnly(m_clipControls, clip, "ClipControls");
}

void KX_ruravav::setStoredFont(const QString &font) {
    storeStoredOnly(m_font, font, "Font");
}

void KX_ruravav::setFontColor(const QString &colour) {
    storeStoredOnly(m_fontColor, colour, "FontColor");
}

// Rows 0-17 hold the button face; icon slots follow from row 68, one per item of all menus.
void KX_ruravav::SetupCache() {
    const int width = m_picMenu->width();
    m_picCache =
        QImage(width, CacheFirstSlotRow + 32 * m_menus.TotalMenuItems(), QImage::Format_RGB32);
    if (m_picCache.isNull())
        return;
    const SystemColours colours = m_picMenu->colours();
    m_picCache.fill(colours.buttonShadow);
    drawEdge(m_picCache, {0, 0, width, ButtonHeight}, EdgeRaised, BfRect | BfMiddle, colours);
    QPainter painter(&m_picCache);
    int slot = 0;
    for (int m = 1; m <= m_menus.Count(); ++m) {
        const VMenu *menu = m_menus.Item(m);
        for (int i = 1; i <= menu->MenuItemCount(); ++i, ++slot)
            if (const QImage &icon = menu->MenuItemItem(i)->Button; !icon.isNull())
                painter.drawImage(QRect(0, CacheFirstSlotRow + 32 * slot, 32, 32), icon);
    }
}

// The cache follows the surface's width; its icon slots are rebuilt rather than lost.
void KX_ruravav::resizeCache() {
    SetupCache();
}

void KX_ruravav::Refresh() {
    repaintBar();
}

void KX_ruravav::repaintBar() {
    if (m_loading || !m_picMenu->isVisible())
        return;
    m_menus.Paint();
    m_picMenu->painted();
}

QVariant KX_ruravav::AboutRuravav() {
    auto *about = new DlgAbout(this);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->show();
    return QVariant();
}

void KX_ruravav::TakeDefaultIcon() {
    if (m_menuItemIcon0.isNull())
        m_menuItemIcon0 = QImage(DefaultIconPath);
}

void KX_ruravav::InitProperties() {
    m_loading = true;
    m_hostHasParent = m_hostAnswersParent;
    m_menus.PaintedMenu = 0;
    m_menus.ButtonHeight = ButtonHeight;
    m_enabled = false;
    m_toolTipText.clear();
    m_whatsThisHelpID = 0;
    m_menuCaption = "Menu";
    m_menuItemCaption = "Item";
    m_menuItemCur = 1;
    m_menuItemsMax = 1;
    TakeDefaultIcon();
    resizeCache();
    setMenusMax(1);
    setMenuCur(1);
    setMenuStartup(1);
    m_mousePointer = 0;
    m_autoRedraw = false;
    m_clipControls = false;
    SetupCache();
    m_loading = false;
    m_font = "0";
    m_fontColor = "0";
    m_picMenu->requestRepaint();
}

void KX_ruravav::ReadProperties(const PropertyStore &store) {
    auto readInt = [&store](const QString &key, int fallback) {
        return store.read(key, fallback).toInt();
    };
    auto readText = [&store](const QString &key, const QString &fallback = QString()) {
        return store.read(key, fallback).toString();
    };
    auto readStoredOnly = [&] {
        m_whatsThisHelpID = readInt("WhatsThisHelpID", 0);
        m_toolTipText = readText("ToolTipText");
        m_mousePointer = store.read("MousePointer", QVariant::fromValue(short(0))).value<short>();
        m_enabled = store.read("Enabled", false).toBool();
        m_autoRedraw = store.read("AutoRedraw", false).toBool();
        m_clipControls = store.read("ClipControls", false).toBool();
    };

    m_loading = true;
    m_hostHasParent = m_hostAnswersParent;
    m_menus.PaintedMenu = 0;
    readStoredOnly();
    m_menuItemCur = 1;
    m_menuItemsMax = 1;
    m_menuItemIcon0 = store.read("MenuItemIcon0", QImage()).value<QImage>();
    TakeDefaultIcon();
    m_menus.ButtonHeight = ButtonHeight;
    resizeCache();

    setMenusMax(readInt("MenusMax", 1));
    for (int n = 1; n <= m_menusMax; ++n) {
        setMenuCur(n);
        m_menuCaption = readText(numbered("MenuCaption", n), "Menu");
        setMenuCaption(m_menuCaption);
        setMenuItemsMax(readInt(numbered("MenuItemsMax", n), 1));
        const int savedItem = m_menuItemCur;
        const int count = m_menus.Item(n) ? m_menus.Item(n)->MenuItemCount() : 0;
        for (int m = 1; m <= count; ++m) {
            m_menuItemCur = m;
            if (m_hostHasParent)
                setMenuItemIcon(
                    store.read(numbered("MenuItemIcon", n, m), m_menuItemIcon0).value<QImage>());
            else
                setMenuItemPictureURL(readText(numbered("MenuItemPictureURL", n, m)));
            setMenuItemCaption(readText(numbered("MenuItemCaption", n, m), "Item"));
            setMenuItemKey(readText(numbered("MenuItemKey", n, m)));
            setMenuItemTag(readText(numbered("MenuItemTag", n, m)));
        }
        m_menuItemCur = savedItem;
    }
    m_menuCur = readInt("MenuCur", 1);
    // The cursor is set directly: the last menu read may have no items, and the startup
    // menu set next resets it anyway.
    m_menuItemCur = 1;
    setMenuStartup(readInt("MenuStartup", 1));
    setMenuCur(m_menuStartup);
    readStoredOnly();
    SetupCache();
    m_loading = false;
    m_font = readText("Font", "0");
    m_fontColor = readText("FontColor", "0");
    m_picMenu->requestRepaint();
}

void KX_ruravav::WriteProperties(PropertyStore &store) {
    store.write("Enabled", m_enabled, false);
    store.write("ToolTipText", m_toolTipText, QString());
    store.write("WhatsThisHelpID", m_whatsThisHelpID, 0);
    store.write("MenusMax", m_menusMax, 1);
    store.write("MenuCur", m_menuCur, 1);
    store.write("MenuStartup", m_menuStartup, 1);
    const int savedMenu = m_menuCur;
    for (int n = 1; n <= m_menusMax; ++n) {
        m_menuCur = n;
        const VMenu *menu = m_menus.Item(n);
        if (!menu)
            continue;
        store.write(numbered("MenuCaption", n), menu->Caption, QString("Menu"));
        store.write(numbered("MenuItemsMax", n), menu->MenuItemCount(), 1);
        const int savedItem = m_menuItemCur;
        for (int m = 1; m <= menu->MenuItemCount(); ++m) {
            m_menuItemCur = m;
            const MenuItem *item = menu->MenuItemItem(m);
            if (m_hostHasParent)
                store.write(numbered("MenuItemIcon", n, m), item->Button, QImage());
            else
                store.write(numbered("MenuItemPictureURL", n, m), item->PictureURL, QString());
            store.write(numbered("MenuItemCaption", n, m), item->Caption, QString("Item"));
            store.write(numbered("MenuItemKey", n, m), item->Key, QString());
            store.write(numbered("MenuItemTag", n, m), item->Tag, QString());
        }
        m_menuItemCur = savedItem;
    }
    m_menuCur = savedMenu;
    store.write("MousePointer", QVariant::fromValue(m_mousePointer), QVariant::fromValue(short(0)));
    store.write("AutoRedraw", m_autoRedraw, false);
    store.write("ClipControls", m_clipControls, false);
    store.write("Font", m_font, QString("0"));
    store.write("FontColor", m_fontColor, QString("0"));
}

void KX_ruravav::resizeEvent(QResizeEvent *) {
    m_picMenu->setGeometry(rect());
}

bool KX_ruravav::eventFilter(QObject *watched, QEvent *event) {
    const auto type = event->type();
    const bool isMouse = type == QEvent::MouseButtonPress || type == QEvent::MouseMove ||
                         type == QEvent::MouseButtonRelease || type == QEvent::MouseButtonDblClick;
    if (watched != m_picMenu || !isMouse)
        return QWidget::eventFilter(watched, event);
    const auto *mouse = static_cast<QMouseEvent *>(event);
    const QPoint point = mouse->position().toPoint();
    if (type == QEvent::MouseButtonPress)
        mouseDown(mouse->button(), point);
    else if (type == QEvent::MouseMove)
        mouseMove(point);
    else if (type == QEvent::MouseButtonRelease)
        mouseUp(mouse->button(), point);
    else // the double click stands in for the second press of the pair
        mouseDown(Qt::LeftButton, point);
    return true;
}

void KX_ruravav::mouseDown(Qt::MouseButton button, QPoint point) {
    if (button != Qt::LeftButton)
        return;
    int hitType = 0;
    const int result = m_menus.MouseProcess(MousePressed, point.x(), point.y(), hitType);
    m_picMenu->update();
    if (hitType == 1 && result > 0)
        setMenuCur(result);
}

void KX_ruravav::mouseMove(QPoint point) {
    int hitType = 0;
    m_menus.MouseProcess(MouseMoved, point.x(), point.y(), hitType);
    m_picMenu->update();
}

void KX_ruravav::mouseUp(Qt::MouseButton button, QPoint point) {
    if (button != Qt::LeftButton)
        return;
    int hitType = 0;
    int item = m_menus.MouseProcess(MouseReleased, point.x(), point.y(), hitType);
    m_picMenu->update();
    if (hitType != 2 || item <= 0)
        return;
    mouseMove(point);
    emit MenuItemClick(m_menuCur, item);
    mouseMove(QPoint(0, 0));
}
