#include "dlgabout.h"

#include <QLabel>
#include <QPushButton>

const char *const DlgAbout::WebAddress = "https://ruravav.example.org";

namespace {
int twips(int value) {
    return value / 15;
}
} // namespace

DlgAbout::DlgAbout(QWidget *parent) : QDialog(parent) {
    setObjectName("dlgAbout");
    setWindowTitle("About the KX-Ruravav");
    setWindowIcon(QIcon(":/ruravav/images/about-icon.png"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(twips(3240), twips(2235));

    auto *logo = new QLabel(this);
    logo->setObjectName("imgLogo");
    logo->setPixmap(QPixmap(":/ruravav/images/logo.png"));
    logo->setGeometry(0, 0, 100, 100);

    auto *title = new QLabel("Lumora Ruravav", this);
    title->setObjectName("lblTitle");
    QFont titleFont("MS Sans Serif");
    titleFont.setPointSizeF(13.5);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);
    title->setGeometry(0, 100, width(), 18);

    auto *line =
        new QLabel(QString("The KX_Ruravav is powered by Lumora Diveziruru: ") + WebAddress, this);
    line->setObjectName("lblPowered");
    line->setWordWrap(true);
    line->setAlignment(Qt::AlignCenter);
    line->setGeometry(4, 118, width() - 8, 30);

    auto *ok = new QPushButton("&OK", this);
    ok->setObjectName("cmdOK");
    ok->setDefault(true);
    ok->setStyleSheet("background-color: rgb(224, 224, 224)");
    ok->setGeometry(width() - 76, 38, 66, 24);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
