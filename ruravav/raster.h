#pragma once

#include <QColor>
#include <QImage>
#include <QPalette>

// A rectangle with exclusive right and bottom edges, as the list bar's geometry is defined.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool operator==(const PixelRect &o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

// Edge kinds and sides of a 3-D border, named after the classic raster operation they mimic.
enum EdgeBorder {
    BdrRaisedOuter = 0x1,
    BdrSunkenOuter = 0x2,
    BdrRaisedInner = 0x4,
    BdrSunkenInner = 0x8,
    EdgeRaised = BdrRaisedOuter | BdrRaisedInner,
    EdgeSunken = BdrSunkenOuter | BdrSunkenInner,
};

enum EdgeSides {
    BfLeft = 0x1,
    BfTop = 0x2,
    BfRight = 0x4,
    BfBottom = 0x8,
    BfTopLeft = BfLeft | BfTop,
    BfRect = BfLeft | BfTop | BfRight | BfBottom,
    BfMiddle = 0x800,
};

// The system colours the bar draws with, taken from the palette's 3-D roles.
struct SystemColours {
    QColor buttonShadow; // background of both surfaces
    QColor buttonFace;
    QColor highlight;  // inner light ring of a raised edge
    QColor light;      // outer light ring of a raised edge
    QColor darkShadow; // outer dark ring of a raised edge
    QColor buttonText;

    static SystemColours fromPalette(const QPalette &palette);
};

// Draws one or two 1-pixel rings along the chosen sides; the right and bottom lines own the
// corners they share with the top and left lines. The inner ring and the middle fill move
// inwards only on the sides that are drawn.
void drawEdge(QImage &image, PixelRect rect, int edge, int sides, const SystemColours &colours);

// Plain rectangle copy between two 32-bit images or within one (overlap allowed), clipped to
// both images.
void bitBlt(QImage &target, int x, int y, int width, int height, const QImage &source, int sourceX,
            int sourceY);

void fillRect(QImage &image, const PixelRect &rect, const QColor &colour);
