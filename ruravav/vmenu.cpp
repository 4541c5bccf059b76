#include "vmenu.h"

#include "drawingsurface.h"

void VMenu::setControl(DrawingSurface *surface) {
    m_control = surface;
    m_upArrow.Parent = surface;
    m_downArrow.Parent = surface;
}

void VMenu::setButtonHeight(int height) {
    m_buttonHeight = height;
    m_upArrow.ButtonHeight = height;
    m_downArrow.ButtonHeight = height;
}

void VMenu::setButtonTop(int top) {
    m_buttonTop = top;
    const int width = m_control && m_control->hasDeviceContext() ? m_control->image().width() : 0;
    m_buttonRect = {0, top, width, top + m_buttonHeight};
}

int VMenu::TopMenuItem() {
    if (m_topMenuItem == 0)
        m_topMenuItem = 1;
    return m_topMenuItem;
}

void VMenu::setTopMenuItem(int top) {
    if (top != 0)
        m_topMenuItem = top;
}

MenuItem *VMenu::AddMenuItem(const QString &caption, int index, const QImage &icon) {
    MenuItem *item = Items.Add(caption, index, m_buttonHeight, icon);
    item->Parent = m_control;
    item->Cache = ImageCache;
    return item;
}

void VMenu::PaintItems(int iconStart, int menuCur, int clipY, int menuCount) {
    const bool lastDrawnWhole = Items.Paint(TopMenuItem(), iconStart, menuCur, clipY);
    // An empty menu has nothing to scroll to, so it shows no down arrow.
    if (lastDrawnWhole || Items.Count() == 0)
        m_downArrow.Hide();
    else
        m_downArrow.Show(0, 0, menuCount - menuCur + 1, menuCount);
    if (TopMenuItem() < 2)
        m_upArrow.Hide();
    else
        m_upArrow.Show(0, menuCur, 0, menuCount);
}

void VMenu::HideButton(int thisButton, int) {
    if (thisButton == 1)
        m_upArrow.Hide();
    else
        m_downArrow.Hide();
}

int VMenu::MouseProcessForArrows(int mousePosition, int x, int y) {
    int result = 0;
    for (int i = 0; i < 2; ++i) {
        Arrow &arrow = i == 0 ? m_downArrow : m_upArrow;
        int &state = ArrowMouseState[size_t(i)];
        const bool hit = arrow.HitTest(mousePosition, x, y);
        if (!hit) {
            if (mousePosition == MouseReleased)
                state = 1;
            continue;
        }
        if (mousePosition == MouseReleased) {
            if (state == -1)
                result = i == 1 ? 100 : -100;
            state = 1;
        } else if (mousePosition == MousePressed) {
            state = -1;
        } else if (state != -1) {
            state = 0;
        }
    }
    return result;
}
