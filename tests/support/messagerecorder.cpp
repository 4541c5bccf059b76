#include "messagerecorder.h"

MessageRecorder *MessageRecorder::install() {
    auto recorder = std::make_unique<MessageRecorder>();
    MessageRecorder *raw = recorder.get();
    Messages::setService(std::move(recorder));
    Messages::routeDataErrors();
    return raw;
}

void MessageRecorder::uninstall() {
    Messages::setService(nullptr);
}

bool MessageRecorder::show(const MessageRequest &r) {
    shown.append({r.text, r.title.isEmpty() ? Messages::kAppTitle : r.title, r.buttons, r.icon});
    return answers.isEmpty() ? true : answers.takeFirst();
}

QStringList MessageRecorder::texts() const {
    QStringList t;
    for (const Shown &s : shown)
        t << s.text;
    return t;
}
