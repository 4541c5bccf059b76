#include "menuitems.h"

#include "arrow.h"
#include "drawingsurface.h"

#include <QPainter>

bool MenuItem::PaintButton(int topMenuItemDisplayed, int iconStart, int menuCur, int clipY) {
    if (Index < topMenuItemDisplayed) {
        IsPainted = false;
        return true;
    }
    if (!Parent || !Parent->hasDeviceContext())
        return false;
    const int width = Parent->image().width();
    const int p = Index - topMenuItemDisplayed + 1;
    setTop(p * 64 + (menuCur - 1) * ButtonHeight - 32);
    setLeft(width / 2 - 16);
    if (clipY < Top) {
        IsPainted = false;
        return false;
    }
    const bool cut = clipY < Bottom;
    const int visibleBottom = cut ? clipY : Bottom;

    IsPainted = true;
    const int textHeight = Parent->textHeight();
    CaptionX = width / 2 - Parent->textWidth(Caption) / 2;
    CaptionY = Top + 36;
    HitRect = {Left - 6, Top - 6, Right + 6, cut ? clipY : Bottom + textHeight + 5};
    BorderRect = {Left - 2, Top - 2, Right + 2, cut ? clipY : Bottom + 2};

    if (Cache)
        bitBlt(Parent->image(), Left, Top, 32, visibleBottom - Top, *Cache, 0,
               2 * ButtonHeight + (p + iconStart) * 32);
    if (cut)
        return false;
    if (clipY > CaptionY + textHeight) {
        Parent->printText(CaptionX, CaptionY, Caption, Qt::white);
        return true;
    }
    Parent->printText(CaptionX, CaptionY, Caption, Qt::white, clipY);
    return false;
}

void MenuItem::DrawBorder(int direction) {
    if (!IsPainted)
        return;
    State = direction;
    if (!Parent || !Parent->hasDeviceContext())
        return;
    QImage &image = Parent->image();
    const SystemColours colours = Parent->colours();
    const PixelRect &r = BorderRect;
    const bool whole = r.bottom - r.top == 36;
    if (direction != 0) {
        drawEdge(image, r, direction == 1 ? BdrRaisedOuter : BdrSunkenInner,
                 whole ? BfRect : BfTopLeft | BfRight, colours);
        return;
    }
    const QColor &shadow = colours.buttonShadow;
    fillRect(image, {r.left, r.top, r.right, r.top + 1}, shadow);
    fillRect(image, {r.left, r.top, r.left + 1, r.bottom}, shadow);
    fillRect(image, {r.right - 1, r.top, r.right, r.bottom}, shadow);
    if (whole)
        fillRect(image, {r.left, r.bottom - 1, r.right, r.bottom}, shadow);
}

bool MenuItem::HitTest(int mousePosition, int x, int y) {
    if (!IsPainted)
        return false;
    const bool inside = HitRect.contains(x, y);
    switch (mousePosition) {
    case MousePressed:
        if (inside && State != -1)
            DrawBorder(-1);
        else if (!inside && State != 0)
            DrawBorder(0);
        Pressed = inside;
        break;
    case MouseMoved:
        if (inside && State == 0)
            DrawBorder(Pressed ? -1 : 1);
        else if (!inside && State != 0)
            DrawBorder(0);
        break;
    case MouseReleased:
        if (inside && (State == -1 || State == 0))
            DrawBorder(1);
        else if (!inside && State != 0)
            DrawBorder(0);
        Pressed = false;
        break;
    }
    return inside;
}

MenuItem *MenuItems::Add(const QString &caption, int index, int buttonHeight, const QImage &icon) {
    auto item = std::make_unique<MenuItem>();
    item->Caption = caption;
    item->Index = index;
    item->ButtonHeight = buttonHeight;
    item->Button = icon;
    MenuItem *added = item.get();
    insertAtIndex(m_items, index, std::move(item));
    return added;
}

void MenuItems::Delete(int index) {
    if (index >= 1 && index <= Count())
        m_items.erase(m_items.begin() + index - 1);
}

MenuItem *MenuItems::Item(int index) const {
    return index >= 1 && index <= Count() ? m_items[size_t(index - 1)].get() : nullptr;
}

bool MenuItems::Paint(int topMenuItemDisplayed, int iconStart, int menuCur, int clipY) {
    bool last = false;
    for (const auto &item : m_items)
        last = item->PaintButton(topMenuItemDisplayed, iconStart, menuCur, clipY);
    return last;
}

int MenuItems::MouseProcess(int mousePosition, int x, int y) {
    int result = 0;
    for (const auto &item : m_items) {
        if (!item->HitTest(mousePosition, x, y))
            continue;
        if (mousePosition != MouseReleased)
            result = item->Index;
        else if (item->Index == PressedIndex)
            result = item->Index;
        if (mousePosition == MousePressed)
            PressedIndex = item->Index;
    }
    return result;
}
