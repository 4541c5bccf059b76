#include "desktopservices.h"

#include "database.h"
#include "messages.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <QUrlQuery>

namespace desktop {

QString helpFile() {
    return QDir(database::directory()).filePath(QStringLiteral("help.html"));
}

void openHelp() {
    const QString path = QDir::toNativeSeparators(helpFile());
    if (!QFileInfo::exists(helpFile())) {
        Messages::show(QStringLiteral("找不到帮助文件“%1”。").arg(path));
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(helpFile())))
        Messages::show(
            QStringLiteral("无法打开帮助文件“%1”：本机没有可以显示网页文件的程序。").arg(path));
}

void openSupportMail() {
    QUrl mail(QStringLiteral("mailto:") + vendor::kSupportMail);
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("subject"), QStringLiteral("您好！"));
    query.addQueryItem(QStringLiteral("body"), QStringLiteral("请输入您要发信的内容！"));
    mail.setQuery(query);
    if (!QDesktopServices::openUrl(mail))
        Messages::show(QStringLiteral("无法打开邮件程序：本机没有设置收发邮件的程序。\n"
                                      "请直接发信到 %1。")
                           .arg(vendor::kSupportMail));
}

void openWebSite() {
    if (!QDesktopServices::openUrl(QUrl(vendor::kWebSite)))
        Messages::show(QStringLiteral("无法打开网页：本机没有设置浏览网页的程序。\n"
                                      "请在浏览器中访问 %1。")
                           .arg(vendor::kWebSite));
}

} // namespace desktop
