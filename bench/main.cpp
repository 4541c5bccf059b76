// travelmgr-bench: generates agency-sized databases and measures the program's operations on
// them beside raw SQLite doing the same work on the same file.
#include "database.h"
#include "generator.h"
#include "measure.h"
#include "messages.h"
#include "operations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QTextStream>
#include <cstdio>

namespace {

// The benchmark answers every message box with OK and keeps going.
class SilentMessages : public MessageService {
public:
    bool show(const MessageRequest &) override { return true; }
};

int fail(const QString &message) {
    std::fprintf(stderr, "%s\n", qPrintable(message));
    return 1;
}

int generateCommand(const QCommandLineParser &p) {
    if (p.positionalArguments().size() != 2)
        return fail(QStringLiteral("usage: travelmgr-bench generate [--tourists N] [--groups G] "
                                   "[--routes R] DIR"));
    generator::Sizes sizes;
    sizes.tourists = p.value(QStringLiteral("tourists")).toInt();
    sizes.groups = p.value(QStringLiteral("groups")).toInt();
    sizes.routes = p.value(QStringLiteral("routes")).toInt();
    const QString dir = p.positionalArguments().at(1);
    QDir().mkpath(dir);
    QString error;
    if (!generator::generate(dir, sizes, &error))
        return fail(error);
    std::printf("%s: %d registrations, %d groups, %d routes\n", qPrintable(database::filePath()),
                sizes.tourists, sizes.groups, sizes.routes);
    return 0;
}

int runCommand(const QCommandLineParser &p) {
    if (p.positionalArguments().size() != 2)
        return fail(QStringLiteral("usage: travelmgr-bench run [--repeat K] [--out FILE] DIR"));
    database::setDirectory(p.positionalArguments().at(1));
    QString error;
    if (database::prepare(&error) != database::OpenResult::Opened)
        return fail(error.isEmpty() ? QStringLiteral("no database in that directory") : error);
    Messages::setService(std::make_unique<SilentMessages>());

    const QVector<BenchRow> rows = runOperations(p.value(QStringLiteral("repeat")).toInt());
    const QString title =
        QStringLiteral("%1 (%2, %3)")
            .arg(QDir::toNativeSeparators(database::filePath()), QSysInfo::prettyProductName(),
                 QSysInfo::currentCpuArchitecture());
    const QString table = formatTable(title, rows);
    std::printf("%s", table.toUtf8().constData());
    if (p.isSet(QStringLiteral("out"))) {
        QFile out(p.value(QStringLiteral("out")));
        if (out.open(QIODevice::Append | QIODevice::Text))
            out.write(table.toUtf8());
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Only the table goes to the terminal: the offscreen platform's notices would bury it.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
        if (type >= QtCriticalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    QApplication app(argc, argv);
    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral("travelmgr benchmark: generate DIR | run DIR"));
    p.addHelpOption();
    p.addPositionalArgument(QStringLiteral("command"), QStringLiteral("generate or run"));
    p.addPositionalArgument(QStringLiteral("dir"), QStringLiteral("application directory"));
    p.addOption({QStringLiteral("tourists"), QStringLiteral("registrations"), QStringLiteral("N"),
                 QStringLiteral("10000")});
    p.addOption({QStringLiteral("groups"), QStringLiteral("groups"), QStringLiteral("G"),
                 QStringLiteral("20000")});
    p.addOption({QStringLiteral("routes"), QStringLiteral("routes"), QStringLiteral("R"),
                 QStringLiteral("200")});
    p.addOption({QStringLiteral("repeat"), QStringLiteral("repetitions per operation"),
                 QStringLiteral("K"), QStringLiteral("7")});
    p.addOption({QStringLiteral("out"), QStringLiteral("append the table to FILE"),
                 QStringLiteral("FILE")});
    p.process(app);
    const QString command = p.positionalArguments().value(0);
    if (command == QLatin1String("generate"))
        return generateCommand(p);
    if (command == QLatin1String("run"))
        return runCommand(p);
    p.showHelp(1);
}
