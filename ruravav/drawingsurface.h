#pragma once

#include "raster.h"

#include <QImage>
#include <QWidget>
#include <climits>

// The list bar's visible surface (picMenu). It keeps its pixels in an image, so the
// animations can move what is already drawn; the widget only shows that image.
class DrawingSurface : public QWidget {
    Q_OBJECT
public:
    explicit DrawingSurface(QWidget *parent);

    QImage &image() { return m_image; }
    bool hasDeviceContext() const { return !m_image.isNull(); }
    SystemColours colours() const { return SystemColours::fromPalette(palette()); }
    void clear();

    // Text is placed by its top left corner, with a transparent background; text that
    // reaches below clipBottom is cut there.
    int textWidth(const QString &text) const;
    int textHeight() const;
    void printText(int x, int y, const QString &text, const QColor &colour,
                   int clipBottom = INT_MAX);

    // Shows the current pixels at once; the animations call it after every step.
    void showStep();
    // A full paint has just been drawn: show it, no further paint needed.
    void painted();

    // Asks for a full paint before the surface is next shown.
    void requestRepaint();

signals:
    // A full paint is due before the image is shown (first show, new size, request).
    void repaintNeeded();
    // The image was reallocated at a new size and holds only the background.
    void imageReset();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QFont printFont() const;

    QImage m_image;
    bool m_needsRepaint = true;
    bool m_inPaintEvent = false;
};
