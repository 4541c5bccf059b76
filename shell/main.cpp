#include "database.h"
#include "loginwindow.h"
#include "messages.h"
#include "splashwindow.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(Messages::kAppTitle);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/shell/app.png")));
    // The program ends only through the exit window or the login rules.
    QApplication::setQuitOnLastWindowClosed(false);

    const QLocale chinese(QLocale::Chinese, QLocale::China);
    QLocale::setDefault(chinese);
    QTranslator qtChinese;
    if (qtChinese.load(chinese, QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtChinese);

    QString problem;
    const database::OpenResult result = database::prepare(&problem);
    if (result == database::OpenResult::NotSqlite || result == database::OpenResult::Failed) {
        Messages::show(problem, QString(), MessageRequest::Icon::Critical);
        return 1;
    }
    Messages::routeDataErrors();

    auto *splash = new SplashWindow;
    splash->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(splash, &SplashWindow::finished, [] { LoginWindow::open(false); });
    splash->show();
    return app.exec();
}
