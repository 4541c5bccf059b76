#include "report.h"

QString formatTable(const QString &title, const QVector<BenchRow> &rows) {
    QString out = QStringLiteral("## %1\n\n| operation | ours (ms) | raw SQLite (ms) | ours/raw | "
                                 "memory added (MB) |\n|---|---:|---:|---:|---:|\n")
                      .arg(title);
    for (const BenchRow &r : rows) {
        const QString ratio =
            r.rawMs > 0 ? QString::number(r.oursMs / r.rawMs, 'f', 2) : QStringLiteral("-");
        const QString memory =
            r.memoryMb < 0 ? QStringLiteral("-") : QString::number(r.memoryMb, 'f', 1);
        out += QStringLiteral("| %1 | %2 | %3 | %4 | %5 |\n")
                   .arg(r.operation, QString::number(r.oursMs, 'f', 3),
                        QString::number(r.rawMs, 'f', 3), ratio, memory);
    }
    return out + QLatin1Char('\n');
}
