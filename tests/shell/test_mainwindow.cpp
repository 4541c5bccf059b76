// Workspace switching, the toolbar, the status bar and leaving through the exit window.
#include "backup.h"
#include "database.h"
#include "leftoverwindows.h"
#include "mainwindow.h"
#include "messagerecorder.h"
#include "programend.h"
#include "tempdatabase.h"
#include "utilities.h"
#include "windowhost.h"
#include "workspaces.h"

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>
#include <QtTest>

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void menusCarryNamesAndCaptions();
    void toolbarDispatchesByPosition_data();
    void toolbarDispatchesByPosition();
    void switchClosesOthersAndPasswordWindow();
    void switchToOpenWorkspaceKeepsIt();
    void maintenancePanelsHiddenOnEverySwitch();
    void toolbarItemToggles();
    void statusPanels();
    void closeRequestShowsExitWindow();
    void backupBeforeExitReplacesSameDayCopy();
    void backupFailureKeepsProgramRunning();

private:
    QStringList openWindows() const;
    std::unique_ptr<TempDatabase> m_db;
    MessageRecorder *m_messages = nullptr;
    bool m_ended = false;
    MainWindow *m_main = nullptr;
};

void MainWindowTest::init() {
    m_db = std::make_unique<TempDatabase>();
    m_messages = MessageRecorder::install();
    m_ended = false;
    ProgramEnd::setAction([this] { m_ended = true; });
    m_main = MainWindow::instance();
    m_main->show();
}

void MainWindowTest::cleanup() {
    deleteTopLevelWindows();
    MessageRecorder::uninstall();
    ProgramEnd::setAction({});
    m_db.reset();
}

QStringList MainWindowTest::openWindows() const {
    QStringList names;
    for (const QString &n : {"Form3", "Form4", "Form5", "Form6", "Form7", "Form8", "Form9",
                             "Form10", "Form11", "Form27", "Form56"}) {
        if (WindowHost::find(n))
            names << n;
    }
    return names;
}

void MainWindowTest::menusCarryNamesAndCaptions() {
    const QStringList expected = {"文件", "显示", "系统功能", "附加功能", "数据库操作", "帮助"};
    QStringList captions;
    for (QAction *a : m_main->menuBar()->actions())
        captions << a->text();
    QCOMPARE(captions, expected);
    const QStringList items = {"cxdl",   "xgmm",  "exit",      "toolbar",    "qtcl",
                               "xlgl",   "tdjt",  "cwgl",      "khgx",       "xitongweihu",
                               "ziliao", "jsq",   "databegin", "databeifen", "datahuifu",
                               "use",    "about", "zhichi",    "Internet"};
    for (const QString &name : items)
        QVERIFY2(m_main->findChild<QAction *>(name), qPrintable(name));
    QCOMPARE(m_main->findChild<QAction *>("use")->shortcut(), QKeySequence(Qt::Key_F1));
    QCOMPARE(m_main->findChild<QAction *>("khgx")->text(), QStringLiteral("客户关系"));
    QCOMPARE(m_main->toolbar()->actions().size(), 11);
    for (QAction *a : m_main->toolbar()->actions())
        QCOMPARE(a->toolTip(), a->text());
}

void MainWindowTest::toolbarDispatchesByPosition_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::newRow("1") << 1 << "Form4"
                       << "前台处理";
    QTest::newRow("2") << 2 << "Form3"
                       << "线路管理";
    QTest::newRow("3") << 3 << "Form5"
                       << "团队计调";
    QTest::newRow("4") << 4 << "Form6"
                       << "客户关系管理";
    QTest::newRow("5") << 5 << "Form7"
                       << "财务管理";
    QTest::newRow("6") << 6 << "Form9"
                       << "系统维护";
    QTest::newRow("7") << 7 << "Form8"
                       << "资料录入";
    QTest::newRow("8") << 8 << "Form1"
                       << "旅行社管理系统[login]";
    QTest::newRow("9") << 9 << "Form10"
                       << "修改密码";
    QTest::newRow("11") << 11 << "Form12"
                        << "退出本系统";
}

void MainWindowTest::toolbarDispatchesByPosition() {
    QFETCH(int, position);
    QFETCH(QString, window);
    QFETCH(QString, caption);
    m_main->toolbar()->actions().at(position - 1)->trigger();
    QWidget *w = WindowHost::find(window);
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), caption);
}

void MainWindowTest::switchClosesOthersAndPasswordWindow() {
    switchWorkspace("Form3");
    utilities::openChangePassword();
    utilities::openCalculator();
    QCOMPARE(openWindows(), (QStringList{"Form3", "Form10", "Form27"}));
    m_main->findChild<QAction *>("qtcl")->trigger();
    QTRY_COMPARE(openWindows(), (QStringList{"Form4", "Form27"}));
    m_main->findChild<QAction *>("tdjt")->trigger();
    QTRY_COMPARE(openWindows(), (QStringList{"Form5", "Form27"}));
}

void MainWindowTest::switchToOpenWorkspaceKeepsIt() {
    QWidget *first = switchWorkspace("Form7");
    first->setProperty("marker", 42);
    QCOMPARE(switchWorkspace("Form7"), first);
    QCOMPARE(first->property("marker").toInt(), 42);
    QCOMPARE(m_main->mdiArea()->subWindowList().size(), 1);
}

void MainWindowTest::maintenancePanelsHiddenOnEverySwitch() {
    QWidget *form9 = switchWorkspace("Form9");
    for (const char *frame : {"Frame1", "Frame2"})
        QVERIFY(!form9->findChild<QGroupBox *>(frame)->isVisible());
    form9->findChild<QGroupBox *>("Frame1")->show();
    QCOMPARE(switchWorkspace("Form9"), form9);
    QVERIFY(!form9->findChild<QGroupBox *>("Frame1")->isVisible());
}

void MainWindowTest::toolbarItemToggles() {
    QAction *item = m_main->findChild<QAction *>("toolbar");
    QVERIFY(item->isChecked());
    QVERIFY(m_main->toolbar()->isVisible());
    item->trigger();
    QVERIFY(!item->isChecked());
    QVERIFY(!m_main->toolbar()->isVisible());
    item->trigger();
    QVERIFY(m_main->toolbar()->isVisible());
}

void MainWindowTest::statusPanels() {
    QCOMPARE(m_main->panel(3)->text(), QString());
    QCOMPARE(m_main->panel(4)->text(), QStringLiteral("身份："));
    QCOMPARE(m_main->panel(5)->text(), QStringLiteral("当前日期："));
    QCOMPARE(m_main->panel(6)->text(), QStringLiteral("当前时间："));
    m_main->tick();
    QVERIFY(m_main->panel(5)->text().startsWith(QStringLiteral("当前日期:2")));
    QVERIFY(
        m_main->panel(6)->text().contains(QRegularExpression("^当前日期:\\d\\d:\\d\\d:\\d\\d$")));
}

void MainWindowTest::closeRequestShowsExitWindow() {
    QVERIFY(!m_main->close());
    QVERIFY(m_main->isVisible());
    QWidget *exit = WindowHost::find("Form12");
    QVERIFY(exit);
    QVERIFY(exit->findChild<QLabel *>("Label1")->text().startsWith(
        QStringLiteral("    建议选择[备份后退出]")));
    exit->findChild<QPushButton *>("Command3")->click();
    QTRY_VERIFY(!WindowHost::find("Form12"));
    QVERIFY(!m_ended);
    m_main->showExitWindow();
    WindowHost::find("Form12")->findChild<QPushButton *>("Command2")->click();
    QVERIFY(m_ended);
    QVERIFY(m_messages->shown.isEmpty());
}

void MainWindowTest::backupBeforeExitReplacesSameDayCopy() {
    const QString target = backup::datedName(database::filePath(), "TravelDB");
    QFile stale(target);
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.write("an older copy of today");
    stale.close();
    m_main->showExitWindow();
    WindowHost::find("Form12")->findChild<QPushButton *>("Command1")->click();
    QCOMPARE(m_messages->texts(), QStringList{"数据已备份完毕。"});
    QVERIFY(m_ended);
    QVERIFY(database::isSqliteFile(target));
}

void MainWindowTest::backupFailureKeepsProgramRunning() {
    // A directory standing where the copy must go makes the backup fail.
    const QString target = backup::datedName(database::filePath(), "TravelDB");
    QVERIFY(QDir().mkpath(target + "/blocked"));
    m_main->showExitWindow();
    WindowHost::find("Form12")->findChild<QPushButton *>("Command1")->click();
    QCOMPARE(m_messages->texts(), QStringList{"数据库正在使用!"});
    QVERIFY(!m_ended);
    QTRY_VERIFY(!WindowHost::find("Form12"));
}

QTEST_MAIN(MainWindowTest)
#include "test_mainwindow.moc"
