#include "measure.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <algorithm>
#include <vector>

namespace measure {
namespace {
double statusField(const char *name) {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QString text = QString::fromLatin1(f.readAll());
    const QRegularExpression re(QStringLiteral("%1:\\s+(\\d+) kB").arg(QLatin1String(name)));
    return re.match(text).captured(1).toDouble() / 1024.0;
}
} // namespace

double medianMs(int repeats, const std::function<void()> &work,
                const std::function<void()> &prepare) {
    std::vector<double> times;
    for (int i = 0; i < repeats; ++i) {
        if (prepare)
            prepare();
        QElapsedTimer t;
        t.start();
        work();
        times.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times.empty() ? 0 : times[times.size() / 2];
}

double residentMb() {
    return statusField("VmRSS");
}
double peakMb() {
    return statusField("VmHWM");
}

void resetPeak() {
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}

} // namespace measure
