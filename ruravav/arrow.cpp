#include "arrow.h"

#include "drawingsurface.h"

#include <QPainter>

void Arrow::Show(int, int menusAtTop, int menusAtBottom, int) {
    if (!Parent || !Parent->isVisible() || !Parent->hasDeviceContext())
        return;
    const int width = Parent->image().width();
    const int height = Parent->image().height();
    ArrowRect.left = width - 6 - 16;
    if (ArrowType == 1) {
        if (menusAtTop == 0) {
            ArrowRect.left = 0;
            return;
        }
        ArrowRect.top = menusAtTop * ButtonHeight + 6;
    } else {
        ArrowRect.top = (height - 6) - ButtonHeight * menusAtBottom;
    }
    ArrowRect.right = ArrowRect.left + 16;
    ArrowRect.bottom = ArrowRect.top + 16;
    if (ArrowRect.left == 0)
        return;
    IsDisplayed = true;
    DrawBorder(1);
}

void Arrow::Hide() {
    if (!IsDisplayed)
        return;
    if (Parent)
        fillRect(Parent->image(),
                 {ArrowRect.left, ArrowRect.top, ArrowRect.right + 1, ArrowRect.bottom + 1},
                 Parent->colours().buttonShadow);
    IsDisplayed = false;
}

void Arrow::DrawBorder(int direction) {
    if (!IsDisplayed || !Parent || !Parent->hasDeviceContext())
        return;
    QImage &image = Parent->image();
    const PixelRect &r = ArrowRect;
    if (direction == 1) {
        QPainter(&image).drawImage(QPoint(r.left, r.top), Bitmap);
        drawEdge(image, r, EdgeRaised, BfRect, Parent->colours());
        DrawnState = 1;
    } else if (direction == -1) {
        QPainter(&image).drawImage(
            QRect(r.left + 1, r.top + 1, r.right - r.left - 1, r.bottom - r.top - 1), Bitmap);
        drawEdge(image, r, EdgeSunken, BfRect, Parent->colours());
        DrawnState = -1;
    }
}

bool Arrow::HitTest(int mousePosition, int x, int y) {
    if (!IsDisplayed)
        return false;
    const bool inside = ArrowRect.contains(x, y);
    switch (mousePosition) {
    case MousePressed:
        if (inside) {
            if (DrawnState != -1)
                DrawBorder(-1);
            Pressed = true;
        } else {
            if (DrawnState == -1)
                DrawBorder(1);
            Pressed = false;
        }
        break;
    case MouseMoved:
        if (inside && DrawnState == 1 && Pressed)
            DrawBorder(-1);
        else if (!inside && DrawnState == -1)
            DrawBorder(1);
        break;
    case MouseReleased:
        if (inside && DrawnState == -1)
            DrawBorder(1);
        Pressed = false;
        break;
    }
    return inside;
}
