#include "raster.h"

#include <QPainter>
#include <algorithm>
#include <cstring>

SystemColours SystemColours::fromPalette(const QPalette &palette) {
    return {palette.color(QPalette::Dark),   palette.color(QPalette::Button),
            palette.color(QPalette::Light),  palette.color(QPalette::Midlight),
            palette.color(QPalette::Shadow), palette.color(QPalette::ButtonText)};
}

void fillRect(QImage &image, const PixelRect &rect, const QColor &colour) {
    if (rect.right <= rect.left || rect.bottom <= rect.top || image.isNull())
        return;
    QPainter painter(&image);
    painter.fillRect(QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top),
                     colour);
}

namespace {

void drawRing(QImage &image, const PixelRect &r, int sides, const QColor &topLeft,
              const QColor &bottomRight) {
    // Without a right or bottom side the light lines run to the rectangle's end.
    const int topEnd = sides & BfRight ? r.right - 1 : r.right;
    const int leftEnd = sides & BfBottom ? r.bottom - 1 : r.bottom;
    if (sides & BfTop)
        fillRect(image, {r.left, r.top, topEnd, r.top + 1}, topLeft);
    if (sides & BfLeft)
        fillRect(image, {r.left, r.top, r.left + 1, leftEnd}, topLeft);
    if (sides & BfBottom)
        fillRect(image, {r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
    if (sides & BfRight)
        fillRect(image, {r.right - 1, r.top, r.right, r.bottom}, bottomRight);
}

PixelRect inset(PixelRect r, int sides) {
    if (sides & BfLeft)
        ++r.left;
    if (sides & BfTop)
        ++r.top;
    if (sides & BfRight)
        --r.right;
    if (sides & BfBottom)
        --r.bottom;
    return r;
}

} // namespace

void drawEdge(QImage &image, PixelRect rect, int edge, int sides, const SystemColours &c) {
    if (edge & BdrRaisedOuter)
        drawRing(image, rect, sides, c.light, c.darkShadow);
    else if (edge & BdrSunkenOuter)
        drawRing(image, rect, sides, c.buttonShadow, c.highlight);
    if (edge & (BdrRaisedOuter | BdrSunkenOuter))
        rect = inset(rect, sides);
    if (edge & BdrRaisedInner)
        drawRing(image, rect, sides, c.highlight, c.buttonShadow);
    else if (edge & BdrSunkenInner)
        drawRing(image, rect, sides, c.darkShadow, c.light);
    if (edge & (BdrRaisedInner | BdrSunkenInner))
        rect = inset(rect, sides);
    if (sides & BfMiddle)
        fillRect(image, rect, c.buttonFace);
}

void bitBlt(QImage &target, int x, int y, int width, int height, const QImage &source, int sourceX,
            int sourceY) {
    if (target.isNull() || source.isNull() || target.depth() != 32 || source.depth() != 32)
        return;
    // Clip the block against both images, moving both corners together.
    const int dx = std::max({0, -x, -sourceX});
    const int dy = std::max({0, -y, -sourceY});
    x += dx, sourceX += dx, width -= dx;
    y += dy, sourceY += dy, height -= dy;
    width = std::min({width, target.width() - x, source.width() - sourceX});
    height = std::min({height, target.height() - y, source.height() - sourceY});
    if (width <= 0 || height <= 0)
        return;
    const bool sameImage = target.constBits() == source.constBits();
    const QImage &from = source;
    // Overlapping rows within one image: walk in the direction that never reads a row
    // already overwritten.
    const bool upwards = sameImage && y > sourceY;
    for (int i = 0; i < height; ++i) {
        const int row = upwards ? height - 1 - i : i;
        const uchar *src = from.constScanLine(sourceY + row) + sourceX * 4;
        uchar *dst = target.scanLine(y + row) + x * 4;
        std::memmove(dst, src, size_t(width) * 4);
    }
}
