#include "values.h"

#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace values {
namespace {

constexpr int kTextLimit = 255;
const QString kStoredFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
// Jet keeps a time of day on this date.
const QDate kTimeOnlyDate(1899, 12, 30);

double roundCurrency(double v) {
    return std::llround(v * 10000.0) / 10000.0;
}

bool parseNumber(QString text, double *out) {
    text = text.trimmed();
    text.remove(QLatin1Char(','));
    if (text.startsWith(QChar(0xFFE5)) || text.startsWith(QChar(0xA5)))
        text = text.mid(1).trimmed();
    bool ok = false;
    const double v = QLocale::c().toDouble(text, &ok);
    if (!ok || !std::isfinite(v))
        return false;
    *out = v;
    return true;
}

QDateTime parseDateTime(const QString &input) {
    const QString text = input.trimmed();
    static const QStringList dateTimeFormats = {
        QStringLiteral("yyyy-M-d H:m:s"), QStringLiteral("yyyy-M-d H:m"),
        QStringLiteral("yyyy/M/d H:m:s"), QStringLiteral("yyyy/M/d H:m"),
        QStringLiteral("yyyy-M-dTH:m:s"), QStringLiteral("yyyy-M-dTH:m:s.z")};
    for (const QString &f : dateTimeFormats) {
        const QDateTime dt = QDateTime::fromString(text, f);
        if (dt.isValid())
            return dt;
    }
    static const QStringList dateFormats = {
        QStringLiteral("yyyy-M-d"), QStringLiteral("yyyy/M/d"), QStringLiteral("yyyy.M.d"),
        QStringLiteral("yyyy年M月d日"), QStringLiteral("yyyyMMdd")};
    for (const QString &f : dateFormats) {
        const QDate d = QDate::fromString(text, f);
        if (d.isValid())
            return QDateTime(d, QTime(0, 0));
    }
    static const QStringList timeFormats = {QStringLiteral("H:m:s"), QStringLiteral("H:m")};
    for (const QString &f : timeFormats) {
        const QTime t = QTime::fromString(text, f);
        if (t.isValid())
            return QDateTime(kTimeOnlyDate, t);
    }
    return {};
}

bool isEmptyInput(const QVariant &input) {
    return input.isNull() ||
           (input.typeId() == QMetaType::QString && input.toString().trimmed().isEmpty());
}

} // namespace

QString storedDateTime(const QDateTime &dt) {
    return dt.toString(kStoredFormat);
}

QVariant toStorage(schema::Kind kind, const QVariant &input, QString *reason) {
    using schema::Kind;
    if (kind == Kind::Text || kind == Kind::LongText) {
        if (input.isNull())
            return QString();
        const QString text = input.toString();
        if (kind == Kind::Text && text.size() > kTextLimit) {
            *reason = QStringLiteral("文字不能超过%1个字").arg(kTextLimit);
            return {};
        }
        return text;
    }
    if (kind == Kind::Any)
        return input.isNull() ? QVariant(QString()) : input;
    if (isEmptyInput(input))
        return QVariant(QMetaType::fromType<QString>()); // NULL
    switch (kind) {
    case Kind::Integer:
    case Kind::AutoNumber: {
        double v = 0;
        const bool number = input.typeId() == QMetaType::QString ? parseNumber(input.toString(), &v)
                                                                 : (v = input.toDouble(), true);
        if (!number || v != std::floor(v) || v < std::numeric_limits<qint32>::min() ||
            v > std::numeric_limits<qint32>::max()) {
            *reason = QStringLiteral("请输入整数");
            return {};
        }
        return static_cast<qlonglong>(v);
    }
    case Kind::Currency: {
        double v = 0;
        const bool number = input.typeId() == QMetaType::QString ? parseNumber(input.toString(), &v)
                                                                 : (v = input.toDouble(), true);
        if (!number || std::fabs(v) > 9.2e14) {
            *reason = QStringLiteral("请输入金额数字");
            return {};
        }
        return roundCurrency(v);
    }
    case Kind::DateTime: {
        QDateTime dt;
        if (input.typeId() == QMetaType::QDate)
            dt = QDateTime(input.toDate(), QTime(0, 0));
        else if (input.typeId() == QMetaType::QDateTime)
            dt = input.toDateTime();
        else if (input.typeId() == QMetaType::QTime)
            dt = QDateTime(kTimeOnlyDate, input.toTime());
        else
            dt = parseDateTime(input.toString());
        if (!dt.isValid()) {
            *reason = QStringLiteral("请输入日期，例如 2026-01-31");
            return {};
        }
        return storedDateTime(dt);
    }
    case Kind::YesNo: {
        if (input.typeId() == QMetaType::Bool)
            return input.toBool() ? 1 : 0;
        const QString t = input.toString().trimmed().toLower();
        if (t == QLatin1String("-1") || t == QLatin1String("1") || t == QLatin1String("true") ||
            t == QStringLiteral("是"))
            return 1;
        if (t == QLatin1String("0") || t == QLatin1String("false") || t == QStringLiteral("否"))
            return 0;
        *reason = QStringLiteral("请输入“是”或“否”");
        return {};
    }
    default:
        return input;
    }
}

QVariant fromStorage(schema::Kind kind, const QVariant &stored) {
    using schema::Kind;
    if (stored.isNull())
        return {};
    switch (kind) {
    case Kind::Integer:
    case Kind::AutoNumber:
        return stored.toLongLong();
    case Kind::Currency:
        return roundCurrency(stored.toDouble());
    case Kind::DateTime: {
        const QDateTime dt = QDateTime::fromString(stored.toString(), kStoredFormat);
        return dt.isValid() ? QVariant(dt) : stored;
    }
    case Kind::YesNo:
        return stored.toInt() != 0 ? -1 : 0;
    case Kind::Text:
    case Kind::LongText:
        return stored.toString();
    default:
        return stored;
    }
}

QString currencyText(double amount) {
    QString text = QString::number(roundCurrency(amount), 'f', 4);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

QString displayText(schema::Kind kind, const QVariant &stored) {
    const QVariant v = fromStorage(kind, stored);
    if (v.isNull())
        return {};
    switch (kind) {
    case schema::Kind::Currency:
        return currencyText(v.toDouble());
    case schema::Kind::DateTime: {
        if (v.typeId() != QMetaType::QDateTime)
            return v.toString();
        const QDateTime dt = v.toDateTime();
        if (dt.date() == kTimeOnlyDate)
            return dt.time().toString(QStringLiteral("HH:mm:ss"));
        if (dt.time() == QTime(0, 0))
            return dt.date().toString(QStringLiteral("yyyy-MM-dd"));
        return dt.toString(kStoredFormat);
    }
    default:
        return v.toString();
    }
}

QString refusedMessage(const QString &fieldLabel, const QString &typed, const QString &reason) {
    return QStringLiteral("“%1”不能保存“%2”：%3。").arg(fieldLabel, typed, reason);
}

} // namespace values
