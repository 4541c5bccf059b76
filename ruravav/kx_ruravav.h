#pragma once

#include "drawingsurface.h"
#include "menus.h"
#include "propertystore.h"

#include <QVariant>
#include <QWidget>
#include <functional>

class PictureFetcher;

// The list bar: a vertical bar of up to 6 menus, each with up to 10 icon items.
//
// A host places one from a stored set and reacts to item clicks:
//
//   auto *bar = KX_ruravav::loadStoredSet(":/ruravav/sets/customers.txt", this);
//   connect(bar, &KX_ruravav::MenuItemClick, this, &Form6::onMenuItemClick);
//
// The program's sets are :/ruravav/sets/customers.txt, :/ruravav/sets/reference.txt and
// :/ruravav/sets/maintenance.txt. MenuItemClick's arguments count from 1; a slot may take them
// as int. They are references: the first one is the control's own MenuCur field.
//
// A control made with the constructor is empty until InitProperties (a new bar) or
// ReadProperties (a stored one) has run.
class KX_ruravav : public QWidget {
    Q_OBJECT
    Q_CLASSINFO("TypeLibrary", "KXRuravav")
    Q_CLASSINFO("Description", "Lumora Ruravav")
    Q_CLASSINFO("ProgId", "KXRuravav.KX_ruravav")
    Q_CLASSINFO("Help:WhatsThisHelpID", "Returns/sets an associated context number for an object.")
    Q_CLASSINFO("Help:ToolTipText",
                "Returns/sets the text displayed when the mouse is paused over the control.")
    Q_CLASSINFO("Help:MousePointer",
                "Returns/sets the type of mouse pointer displayed when over part of an object.")
    Q_CLASSINFO("Help:Enabled", "Returns/sets a value that determines whether an object can "
                                "respond to user-generated events.")
    Q_CLASSINFO("Help:ClipControls", "Determines whether graphics methods in Paint events repaint "
                                     "an entire object or newly exposed areas.")
    Q_CLASSINFO("Help:Refresh", "Forces a complete repaint of a object.")
    Q_PROPERTY(int MenusMax READ MenusMax WRITE setMenusMax)
    Q_PROPERTY(int MenuCur READ MenuCur WRITE setMenuCur)
    Q_PROPERTY(int MenuStartup READ MenuStartup WRITE setMenuStartup)
    Q_PROPERTY(QString MenuCaption READ MenuCaption WRITE setMenuCaption)
    Q_PROPERTY(QString MenuItemCaption READ MenuItemCaption WRITE setMenuItemCaption)
    Q_PROPERTY(QImage MenuItemIcon READ MenuItemIcon WRITE setMenuItemIcon)
    Q_PROPERTY(QString MenuItemPictureURL READ MenuItemPictureURL WRITE setMenuItemPictureURL)
    Q_PROPERTY(QString MenuItemKey READ MenuItemKey WRITE setMenuItemKey)
    Q_PROPERTY(QString MenuItemTag READ MenuItemTag WRITE setMenuItemTag)
    Q_PROPERTY(int MenuItemsMax READ MenuItemsMax WRITE setMenuItemsMax)
    Q_PROPERTY(int MenuItemCur READ MenuItemCur WRITE setMenuItemCur)
    Q_PROPERTY(int WhatsThisHelpID READ WhatsThisHelpID WRITE setWhatsThisHelpID)
    Q_PROPERTY(QString ToolTipText READ ToolTipText WRITE setToolTipText)
    Q_PROPERTY(short MousePointer READ MousePointer WRITE setMousePointer)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setStoredEnabled)
    Q_PROPERTY(bool ClipControls READ ClipControls WRITE setClipControls)
    Q_PROPERTY(QString Font READ Font WRITE setStoredFont)
    Q_PROPERTY(QString FontColor READ FontColor WRITE setFontColor)

public:
    explicit KX_ruravav(QWidget *parent = nullptr);
    ~KX_ruravav() override;

    // A bar read from a stored set file (see StoredSetFile); a file that cannot be read gives
    // the bar of an empty set.
    static KX_ruravav *loadStoredSet(const QString &path, QWidget *parent = nullptr);

    int MenusMax() const { return m_menusMax; }
    void setMenusMax(int count);
    int MenuCur() const { return m_menuCur; }
    void setMenuCur(int menu);
    int MenuStartup() const { return m_menuStartup; }
    void setMenuStartup(int menu);
    QString MenuCaption() const { return m_menuCaption; }
    void setMenuCaption(const QString &caption);
    QString MenuItemCaption() const;
    void setMenuItemCaption(const QString &caption);
    QImage MenuItemIcon() const;
    void setMenuItemIcon(const QImage &picture);
    QString MenuItemPictureURL() const;
    void setMenuItemPictureURL(const QString &address);
    QString MenuItemKey() const;
    void setMenuItemKey(const QString &key);
    QString MenuItemTag() const;
    void setMenuItemTag(const QString &tag);
    int MenuItemsMax() const { return m_menuItemsMax; }
    void setMenuItemsMax(int count);
    int MenuItemCur() const { return m_menuItemCur; }
    void setMenuItemCur(int item);
    void SetupCache();
    void Refresh();
    QVariant AboutRuravav();

    // Stored only: kept, saved and loaded, with no effect on the bar.
    int WhatsThisHelpID() const { return m_whatsThisHelpID; }
    void setWhatsThisHelpID(int id);
    QString ToolTipText() const { return m_toolTipText; }
    void setToolTipText(const QString &text);
    short MousePointer() const { return m_mousePointer; }
    void setMousePointer(short pointer);
    bool Enabled() const { return m_enabled; }
    void setStoredEnabled(bool enabled);
    bool ClipControls() const { return m_clipControls; }
    void setClipControls(bool clip);
    QString Font() const { return m_font; }
    void setStoredFont(const QString &font);
    QString FontColor() const { return m_fontColor; }
    void setFontColor(const QString &colour);

    // The stored set: a new bar, reading and writing.
    void InitProperties();
    void ReadProperties(const PropertyStore &store);
    void WriteProperties(PropertyStore &store);

    // What the host answers when asked for the bar's parent form (true unless set): with a
    // parent, item icons are stored as pictures, without one as addresses to fetch.
    void setHostHasParent(bool hasParent) { m_hostAnswersParent = hasParent; }
    bool HostHasParent() const { return m_hostHasParent; }
    bool Loading() const { return m_loading; }
    bool AsyncBusy() const { return m_asyncBusy; }
    QImage MenuItemIcon0() const { return m_menuItemIcon0; }

    // Starts fetching a picture; false when it cannot be started. The finished fetch is
    // handed to AsyncReadComplete. The default fetches through the network layer.
    using PictureFetch = std::function<bool(const QString &requestName, const QString &address)>;
    void setPictureFetch(PictureFetch fetch) { m_pictureFetch = std::move(fetch); }
    void AsyncReadComplete(const QString &requestName, const QImage &picture);

    // The parts the property pages, designer and tests look into.
    Menus &menus() { return m_menus; }
    const QImage &cache() const { return m_picCache; }
    DrawingSurface *surface() const { return m_picMenu; }
    const QImage &upBitmap() const { return m_imgUp; }
    const QImage &downBitmap() const { return m_imgDown; }

signals:
    void MenuItemClick(int &MenuNumber, int &MenuItem);
    // A stored property changed; names it, so that a designer can mark its set modified.
    void PropertyChanged(const QString &propertyName);

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    VMenu *currentMenu() const { return m_menus.Item(m_menuCur); }
    MenuItem *currentItem() const;
    QString itemText(QString MenuItem::*field) const;
    void setItemText(QString MenuItem::*field, const QString &text, const char *property);
    template <typename T> void storeStoredOnly(T &field, const T &value, const char *property) {
        field = value;
        notify(property);
    }
    void notify(const char *property) { emit PropertyChanged(QString::fromLatin1(property)); }
    void repaintBar();
    void resizeCache();
    void TakeDefaultIcon();
    void mouseDown(Qt::MouseButton button, QPoint point);
    void mouseMove(QPoint point);
    void mouseUp(Qt::MouseButton button, QPoint point);

    Menus m_menus;
    DrawingSurface *m_picMenu;
    QImage m_picCache;
    QImage m_imgUp;
    QImage m_imgDown;
    PictureFetcher *m_fetcher;
    PictureFetch m_pictureFetch;

    int m_menusMax = 0;
    int m_menuCur = 0;
    int m_menuStartup = 0;
    QString m_menuCaption;
    int m_menuItemsMax = 0;
    int m_menuItemCur = 0;
    mutable QString m_menuItemCaption;
    QImage m_menuItemIcon0;
    bool m_loading = false;
    bool m_asyncBusy = false;
    bool m_hostHasParent = true;
    bool m_hostAnswersParent = true;

    int m_whatsThisHelpID = 0;
    QString m_toolTipText;
    short m_mousePointer = 0;
    bool m_enabled = false;
    bool m_autoRedraw = false;
    bool m_clipControls = false;
    QString m_font = "0";
    QString m_fontColor = "0";
};
