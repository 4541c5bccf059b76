#pragma once

#include <QImage>
#include <QMap>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>

class KX_ruravav;
class QFileDialog;
class QLabel;
class QLineEdit;

// A design-time page editing some properties of a list bar. The host hands it the selected
// bar (which fills it) and tells it to apply; both run in the page's own property order.
class PropertyPage : public QWidget {
    Q_OBJECT
public:
    void setControl(KX_ruravav *control);
    void applyChanges();
    bool isChanged() const { return m_changed; }

signals:
    void changed();

protected:
    // A text box for one property; y values and width in twips.
    struct Field {
        const char *label;
        const char *boxName;
        const char *property;
        int labelY;
        int boxY;
        int boxWidth;
    };
    PropertyPage(const char *name, const char *caption, const QList<Field> &fields,
                 const QStringList &order, QWidget *parent);

    virtual void fillProperty(const QString &property);
    virtual void applyProperty(const QString &property);
    void markChanged();
    KX_ruravav *control() const { return m_control; }

private:
    KX_ruravav *m_control = nullptr;
    QMap<QString, QLineEdit *> m_boxes;
    QStringList m_order;
    bool m_changed = false;
};

class MenuPage : public PropertyPage {
    Q_OBJECT
public:
    explicit MenuPage(QWidget *parent = nullptr);
};

class MenuPropertiesPage : public PropertyPage {
    Q_OBJECT
public:
    explicit MenuPropertiesPage(QWidget *parent = nullptr);
};

class ItemPropertiesPage : public PropertyPage {
    Q_OBJECT
public:
    explicit ItemPropertiesPage(QWidget *parent = nullptr);

    // The dialog of "New Image..."; the runner shows it and tells whether a file was chosen
    // (replaceable for tests).
    static std::unique_ptr<QFileDialog> createPictureDialog(QWidget *parent);
    using DialogRunner = std::function<bool(QFileDialog &)>;
    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }
    QImage picture() const { return m_picture; }

protected:
    void fillProperty(const QString &property) override;
    void applyProperty(const QString &property) override;

private:
    void browse();
    void showPicture(const QImage &picture);

    QLabel *m_imgPicture;
    QImage m_picture;
    DialogRunner m_runDialog;
};
