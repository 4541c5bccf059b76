#include "likepattern.h"

namespace likepattern {

QString condition(const QString &column) {
    return column + QStringLiteral(" LIKE ? ESCAPE '\\'");
}

QString containing(const QString &text) {
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('%'), QLatin1String("\\%"))
        .replace(QLatin1Char('_'), QLatin1String("\\_"));
    return QLatin1Char('%') + escaped + QLatin1Char('%');
}

} // namespace likepattern
