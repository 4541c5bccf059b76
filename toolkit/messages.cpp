#include "messages.h"

#include "dataerrors.h"

#include <QApplication>
#include <QMessageBox>

namespace {

class BoxService : public MessageService {
public:
    bool show(const MessageRequest &r) override {
        QMessageBox box(QApplication::activeWindow());
        box.setWindowTitle(r.title.isEmpty() ? Messages::kAppTitle : r.title);
        box.setText(r.text);
        static const QMessageBox::Icon icons[] = {QMessageBox::NoIcon, QMessageBox::Information,
                                                  QMessageBox::Warning, QMessageBox::Critical,
                                                  QMessageBox::Question};
        box.setIcon(icons[static_cast<int>(r.icon)]);
        if (r.buttons == MessageRequest::Buttons::OkCancel) {
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            box.setDefaultButton(QMessageBox::Ok);
        } else {
            box.setStandardButtons(QMessageBox::Ok);
        }
        return box.exec() == QMessageBox::Ok;
    }
};

std::unique_ptr<MessageService> &service() {
    static std::unique_ptr<MessageService> s = std::make_unique<BoxService>();
    return s;
}

} // namespace

namespace Messages {

void show(const QString &text, const QString &title, MessageRequest::Icon icon) {
    service()->show({text, title, MessageRequest::Buttons::Ok, icon});
}

bool ask(const QString &text, const QString &title) {
    return service()->show(
        {text, title, MessageRequest::Buttons::OkCancel, MessageRequest::Icon::Question});
}

bool askDelete() {
    return ask(QStringLiteral("确定删除记录吗?"), QStringLiteral("删除！"));
}

std::unique_ptr<MessageService> setService(std::unique_ptr<MessageService> next) {
    if (!next)
        next = std::make_unique<BoxService>();
    std::swap(service(), next);
    return next;
}

void routeDataErrors() {
    dataerrors::setHandler(
        [](const QString &m) { show(m, QString(), MessageRequest::Icon::Warning); });
}

} // namespace Messages
