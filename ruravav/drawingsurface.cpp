#include "drawingsurface.h"

#include <QFontMetrics>
#include <QPainter>

DrawingSurface::DrawingSurface(QWidget *parent) : QWidget(parent) {
    setObjectName("picMenu");
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DrawingSurface::clear() {
    m_image.fill(colours().buttonShadow);
}

// Aliased text draws the same pixels however often it is printed over itself, which keeps
// repaints in place stable.
QFont DrawingSurface::printFont() const {
    QFont f = font();
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

int DrawingSurface::textWidth(const QString &text) const {
    return QFontMetrics(printFont()).horizontalAdvance(text);
}

int DrawingSurface::textHeight() const {
    return QFontMetrics(printFont()).height();
}

void DrawingSurface::printText(int x, int y, const QString &text, const QColor &colour,
                               int clipBottom) {
    if (m_image.isNull())
        return;
    QPainter painter(&m_image);
    if (clipBottom != INT_MAX)
        painter.setClipRect(QRect(0, y, m_image.width(), clipBottom - y));
    painter.setFont(printFont());
    painter.setPen(colour);
    painter.drawText(QPoint(x, y + QFontMetrics(printFont()).ascent()), text);
}

void DrawingSurface::showStep() {
    if (isVisible() && !m_inPaintEvent)
        repaint();
}

void DrawingSurface::painted() {
    m_needsRepaint = false;
    if (!m_inPaintEvent)
        update();
}

void DrawingSurface::requestRepaint() {
    m_needsRepaint = true;
    update();
}

void DrawingSurface::paintEvent(QPaintEvent *) {
    m_inPaintEvent = true;
    if (m_needsRepaint) {
        m_needsRepaint = false;
        emit repaintNeeded();
    }
    QPainter(this).drawImage(0, 0, m_image);
    m_inPaintEvent = false;
}

void DrawingSurface::resizeEvent(QResizeEvent *) {
    m_image = QImage(size(), QImage::Format_RGB32);
    clear();
    m_needsRepaint = true;
    emit imageReset();
}

void DrawingSurface::showEvent(QShowEvent *) {
    m_needsRepaint = true;
}
