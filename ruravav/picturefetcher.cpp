#include "picturefetcher.h"

#include <QDir>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QUrl>

PictureFetcher::PictureFetcher(QObject *parent)
    : QObject(parent), m_network(new QNetworkAccessManager(this)) {}

bool PictureFetcher::start(const QString &requestName, const QString &address) {
    if (address.trimmed().isEmpty())
        return false;
    const QUrl url = QUrl::fromUserInput(address, QDir::currentPath(), QUrl::AssumeLocalFile);
    static const QStringList schemes{"file", "qrc", "http", "https"};
    if (!url.isValid() || !schemes.contains(url.scheme()))
        return false;
    QNetworkReply *reply = m_network->get(QNetworkRequest(url));
    connect(reply, &QNetworkReply::finished, this, [this, reply, requestName] {
        reply->deleteLater();
        if (reply->error() != QNetworkReply::NoError)
            return;
        const QImage picture = QImage::fromData(reply->readAll());
        if (!picture.isNull())
            emit fetched(requestName, picture);
    });
    return true;
}
