#pragma once

#include <QImage>
#include <QObject>

class QNetworkAccessManager;

// Fetches item pictures by address (file, qrc, http and https) without blocking; each
// finished fetch that yields a picture is reported under its request name.
class PictureFetcher : public QObject {
    Q_OBJECT
public:
    explicit PictureFetcher(QObject *parent = nullptr);

    // False when no fetch could be started for the address.
    bool start(const QString &requestName, const QString &address);

signals:
    void fetched(const QString &requestName, const QImage &picture);

private:
    QNetworkAccessManager *m_network;
};
