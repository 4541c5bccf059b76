#pragma once

#include <QSize>

class QWidget;

// Window sizes are given in twips: 15 twips make one pixel.
constexpr int twips(int t) {
    return t / 15;
}
inline QSize twipsSize(int w, int h) {
    return {twips(w), twips(h)};
}

// Fixed border at a size in twips, no minimise or maximise box.
void setFixedTwips(QWidget *window, int width, int height);
// Centre on the screen, or on 'owner' when given.
void centre(QWidget *window, const QWidget *owner = nullptr);
