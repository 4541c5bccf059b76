#include "storedsetfile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QSaveFile>
#include <optional>

namespace StoredSetFile {

namespace {

QString quoted(const QString &text) {
    QString out = "\"";
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            out += c;
        }
    }
    return out + '"';
}

std::optional<QString> unquoted(const QString &value) {
    if (value.size() < 2 || !value.startsWith('"') || !value.endsWith('"'))
        return std::nullopt;
    QString out;
    for (int i = 1; i < value.size() - 1; ++i) {
        QChar c = value[i];
        if (c == '"')
            return std::nullopt;
        if (c == '\\') {
            if (++i >= value.size() - 1)
                return std::nullopt;
            static const QString escapes = "\"\\nrt";
            static const QString meanings = "\"\\\n\r\t";
            const int which = escapes.indexOf(value[i]);
            if (which < 0)
                return std::nullopt;
            c = meanings[which];
        }
        out += c;
    }
    return out;
}

QByteArray pngBytes(const QImage &image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

std::optional<QVariant> number(const QString &value, int lowest, int highest) {
    bool ok = false;
    const qlonglong n = value.toLongLong(&ok);
    if (!ok || n < lowest || n > highest)
        return std::nullopt;
    return QVariant(int(n));
}

std::optional<QVariant> valueOf(const QString &type, const QString &value,
                                const QDir &pictureFolder) {
    if (type == "text")
        return unquoted(value);
    if (type == "int32")
        return number(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    if (type == "int16") {
        const auto n =
            number(value, std::numeric_limits<short>::min(), std::numeric_limits<short>::max());
        return n ? std::optional(QVariant::fromValue(short(n->toInt()))) : std::nullopt;
    }
    if (type == "bool" && (value == "true" || value == "false"))
        return QVariant(value == "true");
    QImage picture;
    if (type == "picture") {
        if (const auto file = unquoted(value))
            picture.load(pictureFolder.filePath(*file), "PNG");
    } else if (type == "png") {
        picture.loadFromData(QByteArray::fromBase64(value.toLatin1()), "PNG");
    }
    if (picture.isNull())
        return std::nullopt;
    return QVariant(picture);
}

} // namespace

PropertyStore parse(const QByteArray &text, const QDir &pictureFolder) {
    static const QRegularExpression line(R"(^\s*(\w+)\s+(\w+)\s+(.*?)\s*$)");
    PropertyStore store;
    for (const QByteArray &raw : text.split('\n')) {
        const auto match = line.match(QString::fromUtf8(raw));
        if (!match.hasMatch() || raw.trimmed().startsWith('#'))
            continue;
        if (const auto value = valueOf(match.captured(2), match.captured(3), pictureFolder))
            store.set(match.captured(1), *value);
    }
    return store;
}

PropertyStore read(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parse(file.readAll(), QFileInfo(path).absoluteDir());
}

bool write(const PropertyStore &store, const QString &path, Pictures pictures) {
    const QFileInfo info(path);
    QString text = "# KX_ruravav stored property set\n";
    for (const auto &[name, value] : store.entries()) {
        QString line;
        switch (value.typeId()) {
        case QMetaType::Bool:
            line = "bool " + QString(value.toBool() ? "true" : "false");
            break;
        case QMetaType::Short:
            line = "int16 " + QString::number(value.toInt());
            break;
        case QMetaType::Int:
            line = "int32 " + QString::number(value.toInt());
            break;
        case QMetaType::QImage:
            if (pictures == Pictures::Embedded) {
                line = "png " + QString::fromLatin1(pngBytes(value.value<QImage>()).toBase64());
            } else {
                const QString file = info.completeBaseName() + '-' + name + ".png";
                QSaveFile png(info.absoluteDir().filePath(file));
                if (!png.open(QIODevice::WriteOnly) ||
                    png.write(pngBytes(value.value<QImage>())) < 0 || !png.commit())
                    return false;
                line = "picture " + quoted(file);
            }
            break;
        default:
            line = "text " + quoted(value.toString());
        }
        text += name + ' ' + line + '\n';
    }
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0 && file.commit();
}

} // namespace StoredSetFile
