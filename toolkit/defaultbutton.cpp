#include "defaultbutton.h"

#include <QKeyEvent>
#include <QPushButton>

namespace {

// Return and Enter that no control of the window used (a line edit passes them on, a
// multi-line box keeps them) press the button, as a dialog does with its default button.
class DefaultButtonFilter : public QObject {
public:
    DefaultButtonFilter(QPushButton *button, QWidget *window)
        : QObject(window), m_button(button), m_window(window) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (watched != m_window || event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (!enter || key->modifiers() & ~Qt::KeypadModifier || !m_button->isEnabled() ||
            !m_button->isVisible())
            return false;
        m_button->click();
        return true;
    }

private:
    QPushButton *m_button;
    QWidget *m_window;
};

} // namespace

void setDefaultButton(QPushButton *button, QWidget *window) {
    button->setDefault(true);
    window->installEventFilter(new DefaultButtonFilter(button, window));
}
