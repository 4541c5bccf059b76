#pragma once

#include "messages.h"

#include <QList>
#include <QStringList>

// Replaces the message service for one test: records every box and answers from a script
// (OK when the script is empty). Calls 'onShow' while the box would be showing.
class MessageRecorder : public MessageService {
public:
    struct Shown {
        QString text;
        QString title;
        MessageRequest::Buttons buttons;
        MessageRequest::Icon icon;
    };

    static MessageRecorder *install(); // owned by the service slot
    static void uninstall();

    bool show(const MessageRequest &request) override;

    QList<Shown> shown;
    QList<bool> answers; // consumed in order
    QStringList texts() const;
    void clear() { shown.clear(); }
};
