#pragma once

#include "vmenu.h"

#include <memory>
#include <vector>

// All menus of a list bar, their painting, animations and mouse processing.
class Menus {
public:
    VMenu *Add(const QString &caption, int index, DrawingSurface *surface);
    void Delete(int index);
    VMenu *Item(int index) const;
    int Count() const { return int(m_menus.size()); }
    int TotalMenuItems() const;
    int IsMenuButtonClicked(int x, int y) const;

    void Paint();
    void PaintButtons();
    void PaintMenuItems();
    void PlaceButtons();
    void SlideMenusUp();
    void SlideMenusDown();
    void ScrollUp();
    void ScrollDown();
    // Returns the menu pressed or the item clicked; hitType tells which (1 menu button,
    // 2 item, 3 scrolled up, 4 scrolled down) and is left alone otherwise.
    int MouseProcess(int mousePosition, int x, int y, int &hitType);

    // The cache slot of the first item of a menu: the items of all menus before it.
    int firstSlotOf(int menu) const;
    int ItemAreaBottom() const;

    DrawingSurface *Form = nullptr;
    QImage *Cache = nullptr;
    int ButtonHeight = 18;
    int PaintedMenu = 0;
    int MenuCur = 0;
    bool NumberOfMenusChanged = false;

private:
    bool canAnimate() const;
    // The current menu bounded to 0..Count(): a cursor without a menu lays the buttons out
    // as if it stood just before the first or after the last menu.
    int layoutMenu() const;
    void shiftRows(int firstRow, int lastRow, int by, int backgroundRow, int steps);

    std::vector<std::unique_ptr<VMenu>> m_menus;
};
