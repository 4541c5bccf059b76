#include "barfixture.h"
#include "dlgabout.h"
#include "propertypages.h"

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

// The three property pages and the about box.
class TestPages : public QObject {
    Q_OBJECT

private slots:
    void layout_data();
    void layout();
    void applyOrder_data();
    void applyOrder();
    void newImage();
    void aboutBoxIsModeless();
};

namespace {

std::unique_ptr<PropertyPage> makePage(const QString &name) {
    if (name == "Menu")
        return std::make_unique<MenuPage>();
    if (name == "MenuProperties")
        return std::make_unique<MenuPropertiesPage>();
    return std::make_unique<ItemPropertiesPage>();
}

QLineEdit *box(QWidget &page, const QString &name) {
    return page.findChild<QLineEdit *>(name);
}

} // namespace

void TestPages::layout_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("rows"); // "label|box|label y|box y|box width" in twips
    QTest::newRow("Menu") << "Menu"
                          << "Menues"
                          << QStringList{"Current Menu:|txtMenuCur|120|360|3930",
                                         "Max. Menues in Ruravav:|txtMenusMax|840|1080|3930",
                                         "Menu showed on startup:|txtMenuStartup|1620|1920|3930"};
    QTest::newRow("MenuProperties")
        << "MenuProperties"
        << "MenuObjects"
        << QStringList{"Current Menu Caption:|txtMenuCaption|120|360|4215",
                       "Current Menu Items Max.:|txtMenuItemsMax|960|1200|4170",
                       "Current Menu Item:|txtMenuItemCur|1800|2040|4170"};
    QTest::newRow("ItemProperties")
        << "ItemProperties"
        << "MenuItemObjects"
        << QStringList{"Current Item Caption:|txtMenuItemCaption|120|360|4215",
                       "Current Item Key:|txtMenuItemKey|840|1080|4215",
                       "Current Item Tag:|txtMenuItemTag|1560|1800|4215"};
}

void TestPages::layout() {
    QFETCH(QString, page);
    QFETCH(QString, caption);
    QFETCH(QStringList, rows);
    const auto widget = makePage(page);
    QCOMPARE(widget->objectName(), page);
    QCOMPARE(widget->windowTitle(), caption);
    QCOMPARE(widget->size(), QSize(5925 / 15, 3495 / 15));
    for (const QString &row : rows) {
        const QStringList f = row.split('|');
        QLineEdit *edit = box(*widget, f[1]);
        QVERIFY2(edit, qPrintable(f[1]));
        QCOMPARE(edit->geometry(), QRect(104, f[3].toInt() / 15, f[4].toInt() / 15, 22));
        const auto labels = widget->findChildren<QLabel *>();
        const auto label = std::find_if(labels.begin(), labels.end(),
                                        [&](QLabel *l) { return l->buddy() == edit; });
        QVERIFY(label != labels.end());
        QCOMPARE((*label)->text(), f[0]);
        QCOMPARE((*label)->y(), f[2].toInt() / 15);
    }
}

void TestPages::applyOrder_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("entries"); // box=text
    QTest::addColumn<QStringList>("order");
    QTest::addColumn<QString>("outcome"); // MenusMax,MenuCur,MenuStartup,MenuItemsMax,MenuItemCur
    QTest::newRow("Menu: more menus, then pick the last")
        << "Menu" << QStringList{"txtMenusMax=3", "txtMenuCur=3", "txtMenuStartup=2"}
        << QStringList{"MenuStartup", "MenusMax", "MenuCur"} << "3,3,2,1,1";
    QTest::newRow("Menu: a text that is not a number is not taken")
        << "Menu" << QStringList{"txtMenusMax=three", "txtMenuCur=1"}
        << QStringList{"MenuStartup", "MenuCur"} << "1,1,1,1,1";
    QTest::newRow("MenuProperties: more items, then pick a new one")
        << "MenuProperties"
        << QStringList{"txtMenuItemCur=4", "txtMenuItemsMax=4", "txtMenuCaption=Tours"}
        << QStringList{"MenuItemsMax", "MenuItemCur", "MenuCaption"} << "1,1,1,4,4";
    QTest::newRow("ItemProperties")
        << "ItemProperties"
        << QStringList{"txtMenuItemCaption=Hotels", "txtMenuItemKey=k", "txtMenuItemTag=t"}
        << QStringList{"MenuItemCaption", "MenuItemIcon", "MenuItemKey", "MenuItemTag"}
        << "1,1,1,1,1";
}

void TestPages::applyOrder() {
    QFETCH(QString, page);
    QFETCH(QStringList, entries);
    QFETCH(QStringList, order);
    QFETCH(QString, outcome);
    KX_ruravav bar;
    bar.InitProperties();
    MessageRecorder recorder;
    const auto widget = makePage(page);
    widget->setControl(&bar);
    QSignalSpy changed(widget.get(), &PropertyPage::changed);
    for (const QString &entry : entries) {
        QLineEdit *edit = box(*widget, entry.section('=', 0, 0));
        edit->selectAll();
        QTest::keyClicks(edit, entry.section('=', 1));
    }
    QVERIFY(widget->isChanged());
    QVERIFY(changed.count() > 0);
    QStringList applied;
    connect(&bar, &KX_ruravav::PropertyChanged, [&](const QString &name) {
        if (order.contains(name) || name == "MenusMax")
            applied << name;
    });
    widget->applyChanges();
    applied.removeDuplicates();
    QCOMPARE(applied, order);
    QVERIFY(recorder.texts.isEmpty());
    QVERIFY(!widget->isChanged());
    const QString state = QString("%1,%2,%3,%4,%5")
                              .arg(bar.MenusMax())
                              .arg(bar.MenuCur())
                              .arg(bar.MenuStartup())
                              .arg(bar.MenuItemsMax())
                              .arg(bar.MenuItemCur());
    QCOMPARE(state, outcome);
    if (page == "ItemProperties")
        QCOMPARE(bar.MenuItemCaption() + bar.MenuItemKey() + bar.MenuItemTag(),
                 QString("Hotelskt"));
    if (page == "MenuProperties")
        QCOMPARE(bar.menus().Item(1)->Caption, QString("Tours"));
}

void TestPages::newImage() {
    const auto dialog = ItemPropertiesPage::createPictureDialog(nullptr);
    QCOMPARE(dialog->windowTitle(), QString("Open Picture (bmp)"));
    QCOMPARE(dialog->nameFilters(), QStringList{"IconFiles(*.ico)"});
    QCOMPARE(dialog->defaultSuffix(), QString("bmp"));

    QTemporaryDir dir;
    const QString ico = dir.filePath("tour.ico");
    QVERIFY(markedIcon(5).save(ico, "ICO"));
    KX_ruravav bar;
    bar.InitProperties();
    ItemPropertiesPage page;
    page.setControl(&bar);
    QString chosen = dir.filePath("broken.ico");
    page.setDialogRunner([&](QFileDialog &d) {
        d.selectFile(chosen);
        return true;
    });
    auto *browse = page.findChild<QPushButton *>("cmdBrowse");
    QCOMPARE(browse->text(), QString("New Image..."));
    QTest::mouseClick(browse, Qt::LeftButton);
    QCOMPARE(page.picture(), bar.MenuItemIcon0()); // unreadable file: picture kept
    QVERIFY(page.isChanged());
    chosen = ico;
    QTest::mouseClick(browse, Qt::LeftButton);
    page.applyChanges();
    QCOMPARE(bar.MenuItemIcon().convertToFormat(QImage::Format_RGB32), markedIcon(5));
}

void TestPages::aboutBoxIsModeless() {
    KX_ruravav bar;
    QVERIFY(!bar.AboutRuravav().isValid());
    auto *about = bar.findChild<DlgAbout *>("dlgAbout");
    QVERIFY(about && about->isVisible() && !about->isModal());
    QCOMPARE(about->windowTitle(), QString("About the KX-Ruravav"));
    QCOMPARE(about->size(), QSize(3240 / 15, 2235 / 15));
    QCOMPARE(about->findChild<QLabel *>("lblTitle")->text(), QString("Lumora Ruravav"));
    QCOMPARE(about->findChild<QLabel *>("lblPowered")->text(),
             QString("The KX_Ruravav is powered by Lumora Diveziruru: ") + DlgAbout::WebAddress);
    auto *ok = about->findChild<QPushButton *>("cmdOK");
    QCOMPARE(ok->text(), QString("&OK"));
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(!about->isVisible());
}

QTEST_MAIN(TestPages)
#include "tst_ruravav_pages.moc"
