#pragma once

#include "arrow.h"
#include "menuitems.h"

#include <array>

// One menu: its button, its items and its two scroll arrows.
class VMenu {
public:
    VMenu() : m_upArrow(1), m_downArrow(-1) {}

    void setControl(DrawingSurface *surface);
    DrawingSurface *Control() const { return m_control; }
    void setButtonHeight(int height);
    int ButtonHeight() const { return m_buttonHeight; }
    void setButtonTop(int top);
    int ButtonTop() const { return m_buttonTop; }
    const PixelRect &ButtonRect() const { return m_buttonRect; }
    void setUpBitmap(const QImage &bitmap) { m_upArrow.Bitmap = bitmap; }
    void setDownBitmap(const QImage &bitmap) { m_downArrow.Bitmap = bitmap; }
    int TopMenuItem();
    void setTopMenuItem(int top);

    MenuItem *AddMenuItem(const QString &caption, int index, const QImage &icon);
    void DeleteMenuItem(int index) { Items.Delete(index); }
    MenuItem *MenuItemItem(int index) const { return Items.Item(index); }
    int MenuItemCount() const { return Items.Count(); }

    bool IsMenuSelected(int x, int y) const { return m_buttonRect.contains(x, y); }
    void PaintItems(int iconStart, int menuCur, int clipY, int menuCount);
    void HideButton(int thisButton, int offset);
    // 100 when the up arrow was clicked, -100 for the down arrow, else 0.
    int MouseProcessForArrows(int mousePosition, int x, int y);

    Arrow &upArrow() { return m_upArrow; }
    Arrow &downArrow() { return m_downArrow; }

    QString Caption;
    int Index = 0;
    QImage *ImageCache = nullptr;
    MenuItems Items;
    // Element 0 for the down arrow, 1 for the up arrow.
    std::array<int, 2> ArrowMouseState{0, 0};

private:
    Arrow m_upArrow;
    Arrow m_downArrow;
    DrawingSurface *m_control = nullptr;
    int m_buttonHeight = 18;
    int m_buttonTop = 0;
    PixelRect m_buttonRect;
    int m_topMenuItem = 1;
};
