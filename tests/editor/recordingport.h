// A message port that records every message instead of showing it, and
// answers with a chosen button.
#pragma once

#include "image/messageport.h"

#include <QList>
#include <QString>

class RecordingPort : public MessagePort {
public:
    struct Message {
        QString text;
        quint32 flags;
        QString title;
    };

    int show(const QString &text, quint32 flags, const QString &title) override {
        messages.append({text, flags, title});
        return answer;
    }

    QList<Message> messages;
    int answer = MsgResult::Ok;
};
