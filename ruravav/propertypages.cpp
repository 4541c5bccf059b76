#include "propertypages.h"

#include "kx_ruravav.h"

#include <QFileDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

int twips(int value) {
    return value / 15;
}

constexpr int ColumnX = 1560;
constexpr int BoxHeight = 330;

} // namespace

PropertyPage::PropertyPage(const char *name, const char *caption, const QList<Field> &fields,
                           const QStringList &order, QWidget *parent)
    : QWidget(parent), m_order(order) {
    setObjectName(name);
    setWindowTitle(caption);
    setFixedSize(twips(5925), twips(3495));
    auto *logo = new QLabel(this);
    logo->setObjectName("imgLogo");
    logo->setPixmap(QPixmap(":/ruravav/images/logo.png"));
    logo->setGeometry(0, 0, twips(1500), twips(1500));
    for (const Field &field : fields) {
        auto *box = new QLineEdit(this);
        box->setObjectName(field.boxName);
        box->setGeometry(twips(ColumnX), twips(field.boxY), twips(field.boxWidth),
                         twips(BoxHeight));
        auto *label = new QLabel(field.label, this);
        label->setGeometry(twips(ColumnX), twips(field.labelY), twips(field.boxWidth),
                           twips(field.boxY - field.labelY));
        label->setBuddy(box);
        connect(box, &QLineEdit::textEdited, this, &PropertyPage::markChanged);
        m_boxes.insert(field.property, box);
    }
}

void PropertyPage::setControl(KX_ruravav *control) {
    m_control = control;
    if (m_control)
        for (const QString &property : m_order)
            fillProperty(property);
    m_changed = false;
}

void PropertyPage::applyChanges() {
    if (!m_control)
        return;
    for (const QString &property : m_order)
        applyProperty(property);
    m_changed = false;
}

void PropertyPage::fillProperty(const QString &property) {
    m_boxes.value(property)->setText(m_control->property(property.toLatin1()).toString());
}

// Numbers go back only when the text is a number; the bar's own checks do the rest.
void PropertyPage::applyProperty(const QString &property) {
    const QByteArray name = property.toLatin1();
    const QString text = m_boxes.value(property)->text();
    if (m_control->property(name).typeId() != QMetaType::Int) {
        m_control->setProperty(name, text);
        return;
    }
    bool isNumber = false;
    const int number = text.trimmed().toInt(&isNumber);
    if (isNumber)
        m_control->setProperty(name, number);
}

void PropertyPage::markChanged() {
    m_changed = true;
    emit changed();
}

MenuPage::MenuPage(QWidget *parent)
    : PropertyPage("Menu", "Menues",
                   {{"Current Menu:", "txtMenuCur", "MenuCur", 120, 360, 3930},
                    {"Max. Menues in Ruravav:", "txtMenusMax", "MenusMax", 840, 1080, 3930},
                    {"Menu showed on startup:", "txtMenuStartup", "MenuStartup", 1620, 1920, 3930}},
                   {"MenuStartup", "MenusMax", "MenuCur"}, parent) {}

MenuPropertiesPage::MenuPropertiesPage(QWidget *parent)
    : PropertyPage(
          "MenuProperties", "MenuObjects",
          {{"Current Menu Caption:", "txtMenuCaption", "MenuCaption", 120, 360, 4215},
           {"Current Menu Items Max.:", "txtMenuItemsMax", "MenuItemsMax", 960, 1200, 4170},
           {"Current Menu Item:", "txtMenuItemCur", "MenuItemCur", 1800, 2040, 4170}},
          {"MenuItemsMax", "MenuItemCur", "MenuCaption"}, parent) {}

ItemPropertiesPage::ItemPropertiesPage(QWidget *parent)
    : PropertyPage(
          "ItemProperties", "MenuItemObjects",
          {{"Current Item Caption:", "txtMenuItemCaption", "MenuItemCaption", 120, 360, 4215},
           {"Current Item Key:", "txtMenuItemKey", "MenuItemKey", 840, 1080, 4215},
           {"Current Item Tag:", "txtMenuItemTag", "MenuItemTag", 1560, 1800, 4215}},
          {"MenuItemCaption", "MenuItemIcon", "MenuItemKey", "MenuItemTag"}, parent),
      m_runDialog([](QFileDialog &dialog) { return dialog.exec() == QDialog::Accepted; }) {
    auto *label = new QLabel("Current Item Image:", this);
    label->setGeometry(twips(ColumnX), twips(2280), twips(3120 - ColumnX), twips(360));
    auto *frame = new QFrame(this);
    frame->setObjectName("fraPicture");
    frame->setGeometry(twips(3120), twips(2280), twips(2655), twips(735));
    frame->setStyleSheet("#fraPicture { background-color: rgb(128, 128, 128); }");
    m_imgPicture = new QLabel(frame);
    m_imgPicture->setObjectName("imgPicture");
    m_imgPicture->setGeometry(twips(120), twips(120), twips(480), twips(480));
    auto *browse = new QPushButton("New Image...", this);
    browse->setObjectName("cmdBrowse");
    browse->setGeometry(twips(ColumnX), twips(2640), twips(1485), twips(375));
    connect(browse, &QPushButton::clicked, this, &ItemPropertiesPage::browse);
}

std::unique_ptr<QFileDialog> ItemPropertiesPage::createPictureDialog(QWidget *parent) {
    auto dialog = std::make_unique<QFileDialog>(parent, "Open Picture (bmp)");
    dialog->setNameFilter("IconFiles(*.ico)");
    dialog->setDefaultSuffix("bmp");
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->selectFile("*.ico");
    return dialog;
}

void ItemPropertiesPage::browse() {
    const auto dialog = createPictureDialog(this);
    if (!m_runDialog(*dialog) || dialog->selectedFiles().isEmpty())
        return;
    const QImage picture(dialog->selectedFiles().constFirst());
    if (!picture.isNull())
        showPicture(picture);
    markChanged();
}

void ItemPropertiesPage::showPicture(const QImage &picture) {
    m_picture = picture;
    m_imgPicture->setPixmap(QPixmap::fromImage(picture));
}

void ItemPropertiesPage::fillProperty(const QString &property) {
    if (property == "MenuItemIcon")
        showPicture(control()->MenuItemIcon());
    else
        PropertyPage::fillProperty(property);
}

void ItemPropertiesPage::applyProperty(const QString &property) {
    if (property == "MenuItemIcon")
        control()->setMenuItemIcon(m_picture);
    else
        PropertyPage::applyProperty(property);
}
