#include "designerwindow.h"

#include "kx_ruravav.h"
#include "propertypages.h"
#include "storedsetfile.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
// The width the program's workspaces give their bars (1695 twips).
constexpr int BarWidth = 113;
} // namespace

DesignerWindow::DesignerWindow(const QString &path, QWidget *parent)
    : QMainWindow(parent), m_path(path), m_bar(new KX_ruravav), m_pages(new QTabWidget) {
    setWindowTitle(QFileInfo(path).fileName() + " - ruravav-designer");
    if (QFileInfo::exists(path))
        m_bar->ReadProperties(StoredSetFile::read(path));
    else
        m_bar->InitProperties();
    m_bar->setFixedWidth(BarWidth);
    m_bar->setMinimumHeight(300);

    m_pageList = {new MenuPage, new MenuPropertiesPage, new ItemPropertiesPage};
    for (PropertyPage *page : m_pageList)
        m_pages->addTab(page, page->windowTitle());

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Apply | QDialogButtonBox::Save);
    connect(buttons->button(QDialogButtonBox::Apply), &QPushButton::clicked, this,
            &DesignerWindow::applyPages);
    connect(buttons->button(QDialogButtonBox::Save), &QPushButton::clicked, this,
            &DesignerWindow::save);

    auto *side = new QVBoxLayout;
    side->addWidget(m_pages);
    side->addWidget(buttons);
    side->addStretch();
    auto *central = new QWidget;
    auto *layout = new QHBoxLayout(central);
    layout->addWidget(m_bar);
    layout->addLayout(side);
    setCentralWidget(central);

    QMenu *file = menuBar()->addMenu("&File");
    file->addAction("&Save", QKeySequence::Save, this, &DesignerWindow::save);
    file->addAction("&Quit", QKeySequence::Quit, this, &QWidget::close);
    menuBar()->addMenu("&Help")->addAction("&About", this, [this] { m_bar->AboutRuravav(); });

    connect(m_bar, &KX_ruravav::MenuItemClick, this, [this](int menu, int item) {
        statusBar()->showMessage(QString("MenuItemClick(%1, %2)").arg(menu).arg(item));
        refillPages();
    });
    refillPages();
}

void DesignerWindow::applyPages() {
    // The visible page is applied last, so that its values win.
    for (PropertyPage *page : m_pageList)
        if (page != m_pages->currentWidget() && page->isChanged())
            page->applyChanges();
    static_cast<PropertyPage *>(m_pages->currentWidget())->applyChanges();
    refillPages();
}

void DesignerWindow::refillPages() {
    for (PropertyPage *page : m_pageList)
        page->setControl(m_bar);
}

bool DesignerWindow::save() {
    PropertyStore store;
    m_bar->WriteProperties(store);
    if (StoredSetFile::write(store, m_path, StoredSetFile::Pictures::Beside)) {
        statusBar()->showMessage("Saved " + m_path);
        return true;
    }
    QMessageBox::warning(this, windowTitle(), "Cannot write " + m_path);
    return false;
}
