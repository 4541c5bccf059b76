// Database maintenance windows and the small utilities, driven from the main window.
#include "aboutbox.h"
#include "backup.h"
#include "calculator.h"
#include "currentuser.h"
#include "database.h"
#include "desktopservices.h"
#include "leftoverwindows.h"
#include "mainwindow.h"
#include "messagerecorder.h"
#include "tempdatabase.h"
#include "utilities.h"
#include "windowhost.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSqlQuery>
#include <QStorageInfo>
#include <QToolBar>
#include <QTreeView>
#include <QUrlQuery>
#include <QtTest>

// Receives what the desktop is asked to open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

class UtilitiesTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void menusOpenTheirWindows_data();
    void menusOpenTheirWindows();
    void initialiseEmptiesTickedTablesOnly_data();
    void initialiseEmptiesTickedTablesOnly();
    void initialiseIsAllOrNothing();
    void backupReplacesSameDayCopyWhileAnotherConnectionWrites();
    void backupFailureKeepsOldCopy();
    void restoreChecksChoiceThenReplaces();
    void restoreWithoutListSelectionCloses();
    void changePassword_data();
    void changePassword();
    void secondChangeNeedsLoginPassword();
    void calculatorKeySequences_data();
    void calculatorKeySequences();
    void calculatorWindowShowsMessageAndResult();
    void systemInformation();
    void helpMailAndWebGoToTheDesktop();

private:
    template <class W> W *child(QWidget *window, const QString &name) {
        W *w = window->findChild<W *>(name);
        if (!w)
            qFatal("no control %s", qPrintable(name));
        return w;
    }
    void click(QWidget *window, const QString &button) {
        child<QPushButton>(window, button)->click();
    }
    void addRows(const QStringList &tables);
    void chooseFile(QWidget *restoreWindow, const QString &path);

    std::unique_ptr<TempDatabase> m_db;
    MessageRecorder *m_messages = nullptr;
    MainWindow *m_main = nullptr;
};

void UtilitiesTest::init() {
    m_db = std::make_unique<TempDatabase>();
    m_messages = MessageRecorder::install();
    CurrentUser::set({"admin", "admin", "系统管理员"});
    m_main = MainWindow::instance();
    m_main->show();
}

void UtilitiesTest::cleanup() {
    deleteTopLevelWindows();
    MessageRecorder::uninstall();
    m_db.reset();
}

void UtilitiesTest::addRows(const QStringList &tables) {
    for (const QString &t : tables)
        m_db->query("INSERT INTO " + t + " DEFAULT VALUES");
}

void UtilitiesTest::menusOpenTheirWindows_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("separate");
    QTest::newRow("xgmm") << "xgmm"
                          << "Form10"
                          << "修改密码" << false;
    QTest::newRow("jsq") << "jsq"
                         << "Form27"
                         << "计算器" << false;
    QTest::newRow("about") << "about"
                           << "Form56"
                           << "关于本系统......" << false;
    QTest::newRow("databegin") << "databegin"
                               << "Form69"
                               << "初始化数据" << false;
    QTest::newRow("databeifen") << "databeifen"
                                << "Form67"
                                << "数据备份" << true;
    QTest::newRow("datahuifu") << "datahuifu"
                               << "Form68"
                               << "数据恢复" << true;
}

void UtilitiesTest::menusOpenTheirWindows() {
    QFETCH(QString, action);
    QFETCH(QString, window);
    QFETCH(QString, caption);
    QFETCH(bool, separate);
    m_main->findChild<QAction *>(action)->trigger();
    QWidget *w = WindowHost::find(window);
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), caption);
    QCOMPARE(w->isWindow(), separate);
    m_main->findChild<QAction *>(action)->trigger(); // a second time: the same window
    QCOMPARE(WindowHost::find(window), w);
    QVERIFY(m_messages->texts().isEmpty());
}

void UtilitiesTest::initialiseEmptiesTickedTablesOnly_data() {
    QTest::addColumn<QStringList>("ticked");
    QTest::addColumn<QStringList>("emptied");
    // "报名人员信息" empties T_tourist_data2; registrations live in T_tourist_data.
    QTest::newRow("registrations") << QStringList{"Check2"} << QStringList{"T_tourist_data2"};
    QTest::newRow("staff, not departments")
        << QStringList{"Check5"} << QStringList{"T_I_User_Infor"};
    QTest::newRow("several") << QStringList{"Check1", "Check3", "Check6", "Check8"}
                             << QStringList{"T_Group_BaseInfor", "T_I_Company_Infor",
                                            "T_tourist_data", "T_I_Travel_Infor"};
}

void UtilitiesTest::initialiseEmptiesTickedTablesOnly() {
    QFETCH(QStringList, ticked);
    QFETCH(QStringList, emptied);
    const QStringList tables = {"T_Group_BaseInfor", "T_tourist_data2",  "T_I_Company_Infor",
                                "T_Line_BaseInfor",  "T_I_User_Infor",   "T_tourist_data",
                                "T_company_data",    "T_I_Travel_Infor", "T_I_Department_Infor1",
                                "T_B_Line_Type",     "T_B_Team_Grade"};
    addRows(tables);
    QMap<QString, int> before;
    for (const QString &t : tables)
        before[t] = m_db->count(t);

    QWidget *w = utilities::openInitialise();
    auto *frame = child<QGroupBox>(w, "Frame1");
    QVERIFY(!frame->isEnabled());
    const QStringList captions = {"团队信息",     "报名人员信息", "本单位信息", "线路信息",
                                  "部门人员信息", "个人客户",     "单位客户",   "同行旅行社"};
    for (int i = 0; i < captions.size(); ++i)
        QCOMPARE(child<QCheckBox>(frame, QString("Check%1").arg(i + 1))->text(), captions.at(i));

    // Locked until "开始": a click ticks nothing and "初始化" empties nothing.
    auto *first = child<QCheckBox>(frame, ticked.first());
    QTest::mouseClick(first, Qt::LeftButton);
    QVERIFY(!first->isChecked());
    click(w, "Comstart");
    for (const QString &t : tables)
        QCOMPARE(m_db->count(t), before[t]);

    click(w, "Command1");
    QVERIFY(frame->isEnabled());
    for (const QString &name : ticked)
        QTest::mouseClick(child<QCheckBox>(frame, name), Qt::LeftButton);
    click(w, "Comstart");
    for (const QString &t : tables)
        QCOMPARE(m_db->count(t), emptied.contains(t) ? 0 : before[t]);
    QVERIFY(m_messages->texts().isEmpty());
    QVERIFY(w->isVisible());
}

void UtilitiesTest::initialiseIsAllOrNothing() {
    addRows({"T_Group_BaseInfor", "T_tourist_data"});
    m_db->query("DROP TABLE T_tourist_data2");
    QWidget *w = utilities::openInitialise();
    click(w, "Command1");
    for (const QString &name : {"Check1", "Check2", "Check6"})
        child<QCheckBox>(w, name)->setChecked(true);
    click(w, "Comstart");
    QCOMPARE(m_messages->texts().size(), 1);
    QVERIFY(m_messages->texts().first().contains("T_tourist_data2"));
    QCOMPARE(m_db->count("T_Group_BaseInfor"), 1);
    QCOMPARE(m_db->count("T_tourist_data"), 1);
    QVERIFY(w->isVisible());
}

void UtilitiesTest::backupReplacesSameDayCopyWhileAnotherConnectionWrites() {
    const QString target =
        m_db->dir() + "/Travel" + QDate::currentDate().toString("yyyy-MM-dd") + ".mdb";
    QWidget *w = utilities::openBackup();
    click(w, "Command1");
    QCOMPARE(m_messages->texts(), QStringList{"数据已备份完毕。"});
    QVERIFY(QFile::exists(target));

    m_db->query("INSERT INTO T_B_Team_Grade(strName) VALUES ('第二次')");
    QSqlDatabase writer = database::connect();
    QVERIFY(writer.transaction());
    QVERIFY(QSqlQuery(writer).exec("INSERT INTO T_B_Team_Grade(strName) VALUES ('未提交')"));
    click(w, "Command1");
    writer.rollback();
    database::release(writer);
    QCOMPARE(m_messages->texts(), (QStringList{"数据已备份完毕。", "数据已备份完毕。"}));
    QVERIFY(w->isVisible());

    QSqlDatabase copy = QSqlDatabase::addDatabase("QSQLITE", "copy");
    copy.setDatabaseName(target);
    QVERIFY(copy.open());
    {
        QSqlQuery q(copy);
        QVERIFY(q.exec("SELECT group_concat(strName) FROM T_B_Team_Grade "
                       "WHERE strName IN ('第二次','未提交')") &&
                q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("第二次"));
    }
    database::release(copy);
    QCOMPARE(QDir(m_db->dir()).entryList({"Travel2*"}), QStringList{QFileInfo(target).fileName()});
}

void UtilitiesTest::backupFailureKeepsOldCopy() {
    // A directory where the copy should go: the rename cannot replace it.
    const QString target = backup::datedName(m_db->path(), "Travel");
    QVERIFY(QDir().mkdir(target));
    QWidget *w = utilities::openBackup();
    click(w, "Command1");
    QCOMPARE(m_messages->texts().size(), 1);
    QVERIFY(m_messages->texts().first().contains("没有完成"));
    QVERIFY(QFileInfo(target).isDir());
    QVERIFY(!QFile::exists(target + ".part"));
    QCOMPARE(m_db->count("T_I_User_Infor"), 1);
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void UtilitiesTest::chooseFile(QWidget *restoreWindow, const QString &path) {
    auto *file1 = child<QListView>(restoreWindow, "File1");
    auto *files = qobject_cast<QFileSystemModel *>(file1->model());
    QTRY_VERIFY(files->index(path).isValid() && file1->visualRect(files->index(path)).isValid());
    QTest::mouseClick(file1->viewport(), Qt::LeftButton, {},
                      file1->visualRect(files->index(path)).center());
}

void UtilitiesTest::restoreChecksChoiceThenReplaces() {
    QString error;
    QVERIFY(QDir(m_db->dir()).mkdir("older"));
    const QString good = m_db->dir() + "/older/Travel2026-01-01.mdb";
    QVERIFY(backup::snapshot(m_db->path(), good, &error));
    const QString foreign = m_db->dir() + "/notes.txt";
    QFile notes(foreign);
    QVERIFY(notes.open(QIODevice::WriteOnly));
    notes.write("not a database");
    notes.close();
    m_db->query("INSERT INTO T_B_Team_Grade(strName) VALUES ('备份之后')");

    // The lists open where the database is.
    QWidget *w = utilities::openRestore();
    auto *drive1 = child<QComboBox>(w, "Drive1");
    QCOMPARE(drive1->currentText(), QStorageInfo(m_db->dir()).rootPath());
    auto *dir1 = child<QTreeView>(w, "Dir1");
    auto *directories = qobject_cast<QFileSystemModel *>(dir1->model());
    QCOMPARE(directories->filePath(dir1->currentIndex()), m_db->dir());
    auto *text1 = child<QLineEdit>(w, "Text1");
    click(w, "Command1");
    QCOMPARE(m_messages->texts(), QStringList{"请选择要恢复的数据！"});

    m_messages->clear();
    chooseFile(w, foreign);
    QCOMPARE(text1->text(), QDir::toNativeSeparators(foreign));
    click(w, "Command1");
    QCOMPARE(m_messages->texts().size(), 1);
    QVERIFY(m_messages->texts().first().contains("不是本系统的数据库"));
    QCOMPARE(m_db->count("T_I_User_Infor"), 1);
    QCOMPARE(m_db->query("SELECT count(*) FROM T_B_Team_Grade WHERE strName='备份之后'"),
             QStringList{"1"});
    QVERIFY(w->isVisible());

    m_messages->clear();
    dir1->setCurrentIndex(directories->index(m_db->dir() + "/older"));
    chooseFile(w, good);
    QCOMPARE(text1->text(), QDir::toNativeSeparators(good));
    click(w, "Command1");
    QCOMPARE(m_messages->texts(), QStringList{"数据已恢复完毕！"});
    QCOMPARE(m_db->query("SELECT count(*) FROM T_B_Team_Grade WHERE strName='备份之后'"),
             QStringList{"0"});
    QCOMPARE(QDir(m_db->dir()).entryList({"TravelDB恢复前备份*.mdb"}).size(), 1);
    QVERIFY(w->isVisible());
}

void UtilitiesTest::restoreWithoutListSelectionCloses() {
    QWidget *w = utilities::openRestore();
    QPointer<QWidget> guard(w);
    child<QLineEdit>(w, "Text1")->setText("/tmp/typed.mdb");
    click(w, "Command1");
    QCOMPARE(m_messages->texts(), QStringList{"数据库正在使用!"});
    QTRY_VERIFY(!guard || !guard->isVisible());
    QCOMPARE(m_db->count("T_I_User_Infor"), 1);
}

void UtilitiesTest::changePassword_data() {
    QTest::addColumn<QString>("oldpass");
    QTest::addColumn<QString>("newpass");
    QTest::addColumn<QString>("newpass2");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("stored");
    const QString wrong = "输入有误，请检查！";
    const QString done = "修改密码成功！";
    QTest::newRow("wrong old") << "secret"
                               << "x"
                               << "x" << wrong << "admin";
    QTest::newRow("old differs in case") << "ADMIN"
                                         << "x"
                                         << "x" << wrong << "admin";
    QTest::newRow("old with a blank") << "admin "
                                      << "x"
                                      << "x" << wrong << "admin";
    QTest::newRow("confirmation differs") << "admin"
                                          << "abc"
                                          << "abd" << wrong << "admin";
    QTest::newRow("confirmation blanks differ") << "admin"
                                                << "abc "
                                                << "abc" << wrong << "admin";
    QTest::newRow("changed, blanks trimmed") << "admin"
                                             << " O'Brien  "
                                             << " O'Brien  " << done << "O'Brien";
    QTest::newRow("empty new password") << "admin"
                                        << ""
                                        << "" << done << "";
}

void UtilitiesTest::changePassword() {
    QFETCH(QString, oldpass);
    QFETCH(QString, newpass);
    QFETCH(QString, newpass2);
    QFETCH(QString, message);
    QFETCH(QString, stored);
    QWidget *w = utilities::openChangePassword();
    QPointer<QWidget> guard(w);
    auto *user = child<QLineEdit>(w, "user");
    QCOMPARE(user->text(), QStringLiteral("admin"));
    QVERIFY(!user->isEnabled());
    child<QLineEdit>(w, "oldpass")->setText(oldpass);
    child<QLineEdit>(w, "newpass")->setText(newpass);
    child<QLineEdit>(w, "newpass2")->setText(newpass2);
    child<QLineEdit>(w, "newpass2")->setFocus();
    click(w, "Command1");
    QCOMPARE(m_messages->texts(), QStringList{message});
    QCOMPARE(m_db->query("SELECT strUser_Password FROM T_I_User_Infor"), QStringList{stored});
    QCOMPARE(CurrentUser::get().password, QStringLiteral("admin"));
    if (message == "修改密码成功！") {
        QTRY_VERIFY(!guard);
    } else {
        QVERIFY(guard && guard->isVisible());
        for (const QString &name : {"oldpass", "newpass", "newpass2"})
            QVERIFY(child<QLineEdit>(w, name)->text().isEmpty());
        QCOMPARE(w->focusWidget(), child<QLineEdit>(w, "oldpass"));
    }
}

void UtilitiesTest::secondChangeNeedsLoginPassword() {
    const auto change = [&](const QString &old, const QString &fresh) {
        QWidget *w = utilities::openChangePassword();
        child<QLineEdit>(w, "oldpass")->setText(old);
        child<QLineEdit>(w, "newpass")->setText(fresh);
        child<QLineEdit>(w, "newpass2")->setText(fresh);
        click(w, "Command1");
    };
    change("admin", "first");
    QTRY_VERIFY(!WindowHost::find("Form10"));
    change("first", "second");
    change("admin", "second");
    QCOMPARE(m_messages->texts(),
             (QStringList{"修改密码成功！", "输入有误，请检查！", "修改密码成功！"}));
    QCOMPARE(m_db->query("SELECT strUser_Password FROM T_I_User_Infor"), QStringList{"second"});
}

void UtilitiesTest::calculatorKeySequences_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QStringList>("messages");
    const QString big(200, '0');
    QTest::newRow("sum") << "5+3="
                         << "8" << QStringList{};
    QTest::newRow("equals takes the display") << "5+3=2*4="
                                              << "8" << QStringList{};
    QTest::newRow("operator repeats on display") << "2*="
                                                 << "4" << QStringList{};
    QTest::newRow("difference") << "7-9="
                                << "-2" << QStringList{};
    QTest::newRow("half") << "1/2="
                          << "0.5" << QStringList{};
    QTest::newRow("fifteen digits") << "1/3="
                                    << "0.333333333333333" << QStringList{};
    QTest::newRow("decimal noise hidden") << ".1+.2="
                                          << "0.3" << QStringList{};
    QTest::newRow("exponent form") << "100000000000000000000+"
                                   << "1E+20" << QStringList{};
    QTest::newRow("exponent read back") << "100000000000000000000+5="
                                        << "1E+20" << QStringList{};
    QTest::newRow("division by zero") << "1/0="
                                      << "1" << QStringList{"不能以0为除数"};
    QTest::newRow("point first") << "."
                                 << "." << QStringList{};
    QTest::newRow("point after operator") << "1+."
                                          << "0." << QStringList{};
    QTest::newRow("second point") << "1.2.3+"
                                  << "1.2" << QStringList{};
    QTest::newRow("clear empties display only") << "5+3C="
                                                << "5" << QStringList{};
    QTest::newRow("clear then digits") << "12C7"
                                       << "7" << QStringList{};
    QTest::newRow("beyond a double") << "1" + big + "*1" + big + "="
                                     << "1E+200" << QStringList{"计算结果超出范围"};
}

void UtilitiesTest::calculatorKeySequences() {
    QFETCH(QString, keys);
    QFETCH(QString, display);
    QFETCH(QStringList, messages);
    Calculator calculator;
    QStringList shown;
    for (const QChar key : keys) {
        const QString message = calculator.press(key);
        if (!message.isEmpty())
            shown << message;
    }
    QCOMPARE(calculator.display(), display);
    QCOMPARE(shown, messages);
}

void UtilitiesTest::calculatorWindowShowsMessageAndResult() {
    QWidget *w = utilities::openCalculator();
    auto *text1 = child<QLineEdit>(w, "Text1");
    QVERIFY(text1->isReadOnly());
    QCOMPARE(text1->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    for (const QString &button : {"Command1(1)", "Command2(3)", "Command1(0)", "Command2(4)"})
        click(w, button);
    QCOMPARE(text1->text(), QStringLiteral("1"));
    QCOMPARE(m_messages->texts(), QStringList{"不能以0为除数"});
    for (const QString &button :
         {"Command1(10)", "Command1(5)", "Command2(2)", "Command1(4)", "Command2(4)"})
        click(w, button);
    QCOMPARE(text1->text(), QStringLiteral("2"));
    click(w, "Command3");
    QCOMPARE(text1->text(), QString());
}

void UtilitiesTest::systemInformation() {
    const QByteArray path = qgetenv("PATH");
    QTemporaryDir bin;
    qputenv("PATH", bin.path().toLocal8Bit());
    QWidget *w = utilities::openAbout();
    click(w, "Command1");
    QCOMPARE(m_messages->texts(), QStringList{"此时系统信息不可用"});

    // An installed system-information program is started instead.
    const QString marker = bin.filePath("started");
    QFile program(bin.filePath(AboutBox::systemInformationPrograms().last()));
    QVERIFY(program.open(QIODevice::WriteOnly));
    program.write("#!/bin/sh\necho > \"" + marker.toLocal8Bit() + "\"\n");
    program.close();
    program.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_messages->clear();
    click(w, "Command1");
    QTRY_VERIFY(QFile::exists(marker));
    QVERIFY(m_messages->texts().isEmpty());
    qputenv("PATH", path);
}

void UtilitiesTest::helpMailAndWebGoToTheDesktop() {
    // Nothing to open, and no handler: each says so.
    m_main->findChild<QAction *>("use")->trigger();
    m_main->findChild<QAction *>("zhichi")->trigger();
    m_main->findChild<QAction *>("Internet")->trigger();
    const QStringList texts = m_messages->texts();
    QCOMPARE(texts.size(), 3);
    QVERIFY(texts.at(0).contains("help.html"));
    QVERIFY(texts.at(1).contains(vendor::kSupportMail));
    QVERIFY(texts.at(2).contains(vendor::kWebSite));

    QFile help(desktop::helpFile());
    QVERIFY(help.open(QIODevice::WriteOnly));
    help.close();
    UrlCatcher catcher;
    for (const char *scheme : {"file", "mailto", "https"})
        QDesktopServices::setUrlHandler(scheme, &catcher, "open");
    m_messages->clear();
    m_main->toolbar()->actions().at(9)->trigger(); // toolbar 10 "帮助"
    m_main->findChild<QAction *>("zhichi")->trigger();
    m_main->findChild<QAction *>("Internet")->trigger();
    for (const char *scheme : {"file", "mailto", "https"})
        QDesktopServices::unsetUrlHandler(scheme);
    QVERIFY(m_messages->texts().isEmpty());
    QCOMPARE(catcher.urls.size(), 3);
    QCOMPARE(catcher.urls.at(0), QUrl::fromLocalFile(desktop::helpFile()));
    const QUrl mail = catcher.urls.at(1);
    QCOMPARE(mail.path(), vendor::kSupportMail);
    QCOMPARE(QUrlQuery(mail).queryItemValue("subject", QUrl::FullyDecoded),
             QStringLiteral("您好！"));
    QCOMPARE(QUrlQuery(mail).queryItemValue("body", QUrl::FullyDecoded),
             QStringLiteral("请输入您要发信的内容！"));
    QCOMPARE(catcher.urls.at(2), QUrl(vendor::kWebSite));
}

QTEST_MAIN(UtilitiesTest)
#include "test_utilities.moc"
