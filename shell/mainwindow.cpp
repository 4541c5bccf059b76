#include "mainwindow.h"

#include "desktopservices.h"
#include "exitwindow.h"
#include "loginwindow.h"
#include "utilities.h"
#include "windowhost.h"
#include "workspaces.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

namespace {
// The work area's picture is stretched over the whole area rather than tiled.
class PictureMdiArea : public QMdiArea {
public:
    PictureMdiArea(const QPixmap &picture, QWidget *parent)
        : QMdiArea(parent), m_picture(picture) {}

protected:
    void paintEvent(QPaintEvent *event) override {
        QPainter painter(viewport());
        painter.drawPixmap(viewport()->rect(), m_picture);
        Q_UNUSED(event);
    }

private:
    QPixmap m_picture;
};

QPointer<MainWindow> &theWindow() {
    static QPointer<MainWindow> w;
    return w;
}

QAction *addItem(QMenu *menu, const QString &name, const QString &caption) {
    QAction *a = menu->addAction(caption);
    a->setObjectName(name);
    return a;
}

QMenu *addMenu(QMenuBar *bar, const QString &name, const QString &caption) {
    QMenu *m = bar->addMenu(caption);
    m->setObjectName(name);
    return m;
}

struct ToolButton {
    QString caption;
    QString icon;
};
const ToolButton kToolButtons[] = {
    {"前台处理", "tb_frontdesk"}, {"线路管理", "tb_routes"},  {"团队计调", "tb_groups"},
    {"客户关系", "tb_customers"}, {"财务管理", "tb_finance"}, {"系统维护", "tb_maintenance"},
    {"资料录入", "tb_reference"}, {"重新登陆", "tb_relogin"}, {"修改密码", "tb_password"},
    {"帮助", "tb_help"},          {"退出", "tb_exit"},
};
} // namespace

MainWindow *MainWindow::instance() {
    if (!theWindow())
        theWindow() = new MainWindow;
    return theWindow();
}

void MainWindow::destroyInstance() {
    delete theWindow();
}

LoginWindow *MainWindow::findLogin() {
    return WindowHost::findAs<LoginWindow>("Form1");
}

MainWindow::MainWindow() {
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(QStringLiteral("澄岚软件系列[旅游管理系统]"));
    setWindowIcon(QIcon(QStringLiteral(":/shell/app.png")));
    m_area = new PictureMdiArea(QPixmap(QStringLiteral(":/shell/background.png")), this);
    setCentralWidget(m_area);
    WindowHost::setMdiArea(m_area);
    buildMenus();
    buildToolbar();
    buildStatusBar();

    auto *timer1 = new QTimer(this);
    timer1->setObjectName(QStringLiteral("Timer1"));
    connect(timer1, &QTimer::timeout, this, &MainWindow::tick);
    timer1->start(1000);
}

void MainWindow::buildMenus() {
    QMenuBar *bar = menuBar();
    QMenu *file = addMenu(bar, "file", "文件");
    connect(addItem(file, "cxdl", "重新登陆"), &QAction::triggered, this,
            [] { LoginWindow::open(true); });
    connect(addItem(file, "xgmm", "修改密码"), &QAction::triggered, this,
            [] { utilities::openChangePassword(); });
    file->addSeparator()->setObjectName(QStringLiteral("gang"));
    connect(addItem(file, "exit", "退出系统"), &QAction::triggered, this,
            &MainWindow::showExitWindow);

    QMenu *see = addMenu(bar, "see", "显示");
    QAction *toolbarItem = addItem(see, "toolbar", "工具栏");
    toolbarItem->setCheckable(true);
    toolbarItem->setChecked(true);
    connect(toolbarItem, &QAction::toggled, this, [this](bool on) { m_toolbar1->setVisible(on); });

    QMenu *xtgn = addMenu(bar, "xtgn", "系统功能");
    static const char *const order[] = {"qtcl", "xlgl",        "tdjt",  "cwgl",
                                        "khgx", "xitongweihu", "ziliao"};
    for (const char *action : order) {
        for (const WorkspaceEntry &w : workspaces()) {
            if (w.action != QLatin1String(action))
                continue;
            const QString caption =
                w.name == QLatin1String("Form6") ? QStringLiteral("客户关系") : w.caption;
            connect(addItem(xtgn, w.action, caption), &QAction::triggered, this,
                    [name = w.name] { switchWorkspace(name); });
        }
    }

    QMenu *fujia = addMenu(bar, "fujia", "附加功能");
    connect(addItem(fujia, "jsq", "[1]计算器"), &QAction::triggered, this,
            [] { utilities::openCalculator(); });

    QMenu *database = addMenu(bar, "database", "数据库操作");
    connect(addItem(database, "databegin", "初始化"), &QAction::triggered, this,
            [] { utilities::openInitialise(); });
    connect(addItem(database, "databeifen", "数据备份"), &QAction::triggered, this,
            [] { utilities::openBackup(); });
    connect(addItem(database, "datahuifu", "数据恢复"), &QAction::triggered, this,
            [] { utilities::openRestore(); });

    QMenu *help = addMenu(bar, "help", "帮助");
    QAction *use = addItem(help, "use", "[1]如何使用");
    use->setShortcut(QKeySequence(Qt::Key_F1));
    use->setShortcutContext(Qt::ApplicationShortcut);
    connect(use, &QAction::triggered, this, [] { utilities::openHelp(); });
    connect(addItem(help, "about", "[2]关于系统"), &QAction::triggered, this,
            [] { utilities::openAbout(); });
    connect(addItem(help, "zhichi", "[3]技术支持"), &QAction::triggered, this,
            [] { utilities::openSupportMail(); });
    connect(addItem(help, "Internet", "[4]公司网站"), &QAction::triggered, this,
            [] { utilities::openWebSite(); });
}

void MainWindow::buildToolbar() {
    m_toolbar1 = addToolBar(QStringLiteral("工具栏"));
    m_toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    m_toolbar1->setMovable(false);
    m_toolbar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolbar1->setIconSize(QSize(32, 32));
    int position = 1;
    for (const ToolButton &b : kToolButtons) {
        QAction *a =
            m_toolbar1->addAction(QIcon(QStringLiteral(":/shell/%1.png").arg(b.icon)), b.caption);
        a->setToolTip(b.caption);
        a->setObjectName(QStringLiteral("Button%1").arg(position));
        connect(a, &QAction::triggered, this, [this, position] { toolbarClicked(position); });
        ++position;
    }
}

void MainWindow::buildStatusBar() {
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    static const int widths[] = {1020, 3000, 2000, 2000, 2000, 2000};
    const QStringList texts = {
        vendor::kDeveloper, "网址：" + QUrl(vendor::kWebSite).host(), "", "身份：", "当前日期：",
        "当前时间："};
    for (int i = 0; i < 6; ++i) {
        auto *label = new QLabel(texts.at(i), bar);
        label->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        label->setMinimumWidth(widths[i] / 15);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        bar->addWidget(label, i == 1 ? 1 : 0);
        m_panels << label;
    }
}

QLabel *MainWindow::panel(int number) const {
    return m_panels.value(number - 1);
}

void MainWindow::setAccountPanel(const QString &text) {
    panel(3)->setText(text);
}

void MainWindow::tick() {
    const QDateTime now = QDateTime::currentDateTime();
    // Both panels carry the date prefix, the time panel included.
    panel(5)->setText(QStringLiteral("当前日期:") + now.toString(QStringLiteral("yyyy-MM-dd")));
    panel(6)->setText(QStringLiteral("当前日期:") + now.toString(QStringLiteral("HH:mm:ss")));
}

void MainWindow::toolbarClicked(int position) {
    if (position >= 1 && position <= 7) {
        switchWorkspace(workspaces().at(position - 1).name);
        return;
    }
    switch (position) {
    case 8:
        LoginWindow::open(true);
        break;
    case 9:
        utilities::openChangePassword();
        break;
    case 10:
        utilities::openHelp();
        break;
    case 11:
        showExitWindow();
        break;
    default:
        break;
    }
}

void MainWindow::showExitWindow() {
    if (QWidget *open = WindowHost::find(QStringLiteral("Form12"))) {
        WindowHost::raise(open);
        return;
    }
    WindowHost::showChild(new ExitWindow);
}

void MainWindow::closeEvent(QCloseEvent *event) {
    event->ignore();
    showExitWindow();
}
