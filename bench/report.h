#pragma once

#include <QString>
#include <QVector>

// One measured operation: ours beside raw SQLite doing the same work on the same file.
struct BenchRow {
    QString operation;
    double oursMs = 0;
    double rawMs = 0;
    double memoryMb = -1; // resident memory added by opening a window; -1 when not a window
};

// A table per size, as text.
QString formatTable(const QString &title, const QVector<BenchRow> &rows);
