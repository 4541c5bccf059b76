#pragma once

#include "raster.h"

#include <QImage>
#include <QString>
#include <algorithm>
#include <memory>
#include <vector>

class DrawingSurface;

// One icon item of a menu. Left/Top/Right/Bottom, the caption place, HitRect and BorderRect
// describe the last paint; the mouse is tested against them.
class MenuItem {
public:
    void setLeft(int left) { Left = left, Right = left + 32; }
    void setTop(int top) { Top = top, Bottom = top + 32; }

    // Paints the icon and caption of a current-menu item; returns whether it was drawn whole
    // (an item scrolled off the top counts as whole).
    bool PaintButton(int topMenuItemDisplayed, int iconStart, int menuCur, int clipY);
    void DrawBorder(int direction);
    bool HitTest(int mousePosition, int x, int y);

    QString Caption;
    int Index = 0;
    QImage Button;
    QString PictureURL;
    QString Key;
    QString Tag;
    int ButtonHeight = 18;
    DrawingSurface *Parent = nullptr;
    QImage *Cache = nullptr;
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    int CaptionX = 0, CaptionY = 0;
    int State = 0;
    bool IsPainted = false;
    bool Pressed = false;
    PixelRect HitRect;
    PixelRect BorderRect;
};

// The ordered items of one menu; positions and Index are 1-based.
class MenuItems {
public:
    MenuItem *Add(const QString &caption, int index, int buttonHeight, const QImage &icon);
    void Delete(int index);
    MenuItem *Item(int index) const;
    int Count() const { return int(m_items.size()); }

    bool Paint(int topMenuItemDisplayed, int iconStart, int menuCur, int clipY);
    int MouseProcess(int mousePosition, int x, int y);

    int PressedIndex = 0;

private:
    std::vector<std::unique_ptr<MenuItem>> m_items;
};

// Inserts at the place the list bar's Add operations use: at the end for count + 1, first
// for 1, else directly after position index - 1. Shared by menus and items.
template <typename T>
void insertAtIndex(std::vector<std::unique_ptr<T>> &list, int index, std::unique_ptr<T> entry) {
    const int count = int(list.size());
    int position = count; // end, also for an empty list or index = count + 1
    if (count > 0 && index != count + 1)
        position = index <= 1 ? 0 : std::min(index - 1, count);
    list.insert(list.begin() + position, std::move(entry));
}
