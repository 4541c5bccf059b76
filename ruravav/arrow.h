#pragma once

#include "raster.h"

#include <QImage>

class DrawingSurface;

// One of the two scroll arrows of a menu (up: ArrowType 1, down: ArrowType -1).
class Arrow {
public:
    explicit Arrow(short arrowType) : ArrowType(arrowType) {}

    void Reset() { Pressed = false, IsDisplayed = false; }
    void Show(int direction, int menusAtTop, int menusAtBottom, int totalMenus);
    void Hide();
    void DrawBorder(int direction);
    bool HitTest(int mousePosition, int x, int y);

    QImage Bitmap;
    DrawingSurface *Parent = nullptr;
    bool IsDisplayed = false;
    PixelRect ArrowRect;
    short ArrowType;
    int ButtonHeight = 18;
    int DrawnState = 0;
    bool Pressed = false;
};

// Mouse position codes handed down by the mouse handlers.
enum MousePosition { MousePressed = -1, MouseMoved = 0, MouseReleased = 1 };
