#pragma once

#include <QString>
#include <memory>

class QWidget;

// Every message box of the program goes through one replaceable service.
struct MessageRequest {
    enum class Buttons { Ok, OkCancel };
    enum class Icon { None, Information, Warning, Critical, Question };
    QString text;
    QString title; // empty: the application title
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
};

class MessageService {
public:
    virtual ~MessageService() = default;
    // Returns true when the answer is OK.
    virtual bool show(const MessageRequest &request) = 0;
};

namespace Messages {

inline const QString kAppTitle = QStringLiteral("旅行社管理系统");

// OK only.
void show(const QString &text, const QString &title = QString(),
          MessageRequest::Icon icon = MessageRequest::Icon::None);
// OK and Cancel with a question icon; true when OK was chosen.
bool ask(const QString &text, const QString &title = QString());
// The confirmation every delete asks: "确定删除记录吗?" titled "删除！"; true when OK was chosen.
bool askDelete();

// Installs another service (tests install a recorder; nullptr restores message boxes);
// returns the previous one.
std::unique_ptr<MessageService> setService(std::unique_ptr<MessageService> service);

// Database errors reported by the data layer are shown as warnings.
void routeDataErrors();

} // namespace Messages
