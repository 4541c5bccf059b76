#include "menus.h"

#include "drawingsurface.h"

#include <algorithm>

VMenu *Menus::Add(const QString &caption, int index, DrawingSurface *surface) {
    auto menu = std::make_unique<VMenu>();
    menu->Caption = caption;
    menu->Index = index;
    menu->setButtonHeight(ButtonHeight);
    menu->setControl(surface);
    VMenu *added = menu.get();
    insertAtIndex(m_menus, index, std::move(menu));
    return added;
}

void Menus::Delete(int index) {
    if (index >= 1 && index <= Count())
        m_menus.erase(m_menus.begin() + index - 1);
}

VMenu *Menus::Item(int index) const {
    return index >= 1 && index <= Count() ? m_menus[size_t(index - 1)].get() : nullptr;
}

int Menus::TotalMenuItems() const {
    int total = 0;
    for (const auto &menu : m_menus)
        total += menu->MenuItemCount();
    return total;
}

int Menus::IsMenuButtonClicked(int x, int y) const {
    for (const auto &menu : m_menus)
        if (menu->IsMenuSelected(x, y))
            return menu->Index;
    return 0;
}

int Menus::firstSlotOf(int menu) const {
    int slot = 0;
    for (int i = 1; i < menu && i <= Count(); ++i)
        slot += Item(i)->MenuItemCount();
    return slot;
}

int Menus::layoutMenu() const {
    return std::clamp(MenuCur, 0, Count());
}

int Menus::ItemAreaBottom() const {
    const int height = Form && Form->hasDeviceContext() ? Form->image().height() : 0;
    return height - (Count() - layoutMenu()) * ButtonHeight;
}

bool Menus::canAnimate() const {
    return Count() > 0 && Form && Form->hasDeviceContext() && Cache && !Cache->isNull();
}

void Menus::Paint() {
    if (PaintedMenu == 0)
        PaintedMenu = MenuCur;
    const bool bothAreMenus = Item(PaintedMenu) && Item(MenuCur);
    if (PaintedMenu < MenuCur && bothAreMenus)
        SlideMenusUp();
    else if (PaintedMenu > MenuCur && bothAreMenus)
        SlideMenusDown();
    else
        PaintButtons();
    PaintMenuItems();
    PlaceButtons();
    PaintedMenu = MenuCur;
}

void Menus::PaintButtons() {
    if (!Form || !Form->hasDeviceContext())
        return;
    if (NumberOfMenusChanged) {
        Form->clear();
        NumberOfMenusChanged = false;
    }
    const QColor textColour = Form->colours().buttonText;
    if (Count() == 0 || !Cache || Cache->isNull())
        return;
    const int width = Form->image().width();
    const int height = Form->image().height();
    const int current = layoutMenu();
    const int n = Count();
    auto paintButton = [&](int i, int top) {
        bitBlt(Form->image(), 0, top, width, ButtonHeight, *Cache, 0, 0);
        const QString &caption = Item(i)->Caption;
        Form->printText(width / 2 - Form->textWidth(caption) / 2, top + 2, caption, textColour);
    };
    for (int i = 1; i <= current; ++i)
        paintButton(i, (i - 1) * ButtonHeight);
    for (int i = n; i >= current + 1; --i)
        paintButton(i, height - (n - i + 1) * ButtonHeight);
}

void Menus::PaintMenuItems() {
    VMenu *menu = Item(MenuCur);
    if (!menu)
        return;
    const int iconStart = firstSlotOf(MenuCur) + menu->TopMenuItem() - 1;
    menu->PaintItems(iconStart, MenuCur, ItemAreaBottom(), Count());
}

void Menus::PlaceButtons() {
    const int height = Form && Form->hasDeviceContext() ? Form->image().height() : 0;
    const int current = layoutMenu();
    for (const auto &menu : m_menus)
        menu->setButtonTop(menu->Index <= current
                               ? (menu->Index - 1) * ButtonHeight
                               : height - (Count() - menu->Index + 1) * ButtonHeight);
}

// Moves rows firstRow..lastRow by one or two rows (by = -1, +1, -2 or +2) per step and fills
// the rows left behind from the cache's background rows, showing every step.
void Menus::shiftRows(int firstRow, int lastRow, int by, int backgroundRow, int steps) {
    QImage &image = Form->image();
    const int width = image.width();
    const int rows = std::abs(by);
    const int uncovered = by > 0 ? firstRow : lastRow + by + 1;
    for (int step = 0; step < steps; ++step) {
        bitBlt(image, 0, firstRow + by, width, lastRow - firstRow + 1, image, 0, firstRow);
        bitBlt(image, 0, uncovered, width, rows, *Cache, 0, backgroundRow);
        Form->showStep();
    }
}

void Menus::SlideMenusUp() {
    if (!canAnimate())
        return;
    const int height = Form->image().height();
    const int n = Count();
    const int oldTop = PaintedMenu * ButtonHeight;
    const int oldClip = height - (n - PaintedMenu) * ButtonHeight;
    const int newClip = height - (n - MenuCur) * ButtonHeight;
    shiftRows(oldTop + 1, newClip - 1, -1, ButtonHeight + 3, oldClip - oldTop);
}

void Menus::SlideMenusDown() {
    if (!canAnimate())
        return;
    const int height = Form->image().height();
    const int newTop = MenuCur * ButtonHeight;
    const int oldClip = height - (Count() - PaintedMenu) * ButtonHeight;
    shiftRows(newTop, oldClip - 2, 1, ButtonHeight + 3, oldClip - PaintedMenu * ButtonHeight);
}

void Menus::ScrollUp() {
    VMenu *menu = Item(MenuCur);
    if (!menu)
        return;
    menu->setTopMenuItem(menu->TopMenuItem() - 1);
    menu->HideButton(1, 0);
    if (!canAnimate())
        return;
    const int top = MenuCur * ButtonHeight;
    shiftRows(top, ItemAreaBottom() - 3, 2, ButtonHeight + 3, 32);
    PaintMenuItems();
    PlaceButtons();
}

void Menus::ScrollDown() {
    VMenu *menu = Item(MenuCur);
    if (!menu)
        return;
    menu->setTopMenuItem(menu->TopMenuItem() + 1);
    menu->HideButton(-1, 0);
    if (!canAnimate())
        return;
    const int top = MenuCur * ButtonHeight;
    shiftRows(top + 2, ItemAreaBottom() - 1, -2, ButtonHeight + 3, 32);
    PaintMenuItems();
    PlaceButtons();
}

int Menus::MouseProcess(int mousePosition, int x, int y, int &hitType) {
    int result = 0;
    if (mousePosition == MousePressed) {
        result = IsMenuButtonClicked(x, y);
        if (result != 0)
            hitType = 1;
    }
    VMenu *menu = Item(MenuCur);
    if (!menu)
        return result;
    if (result == 0) {
        const int item = menu->Items.MouseProcess(mousePosition, x, y);
        if (mousePosition == MouseReleased && item > 0) {
            hitType = 2;
            result = item;
        }
    }
    const int scroll = menu->MouseProcessForArrows(mousePosition, x, y);
    if (scroll == 100) {
        ScrollUp();
        hitType = 3;
    } else if (scroll == -100) {
        ScrollDown();
        hitType = 4;
    }
    return result;
}
