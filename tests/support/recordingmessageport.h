// A message port for tests: records every message instead of showing it and
// answers from a queue (or the default answer). A hook runs while the box is
// "open", as timers and port notifications would in the program's nested
// event loop.
#pragma once

#include "model/messageport.h"

#include <QList>
#include <QString>

#include <functional>

struct ShownMessage {
    QString text;
    quint32 flags = 0;
    QString title;
};

class RecordingMessagePort : public MessagePort {
public:
    int show(const QString &text, quint32 flags, const QString &title) override {
        const ShownMessage message{text, flags, title};
        shown << message;
        if (whileShown)
            whileShown(message);
        return answers.isEmpty() ? defaultAnswer : answers.takeFirst();
    }

    QList<ShownMessage> shown;
    QList<int> answers; // taken in order
    int defaultAnswer = MsgResult::Ok;
    std::function<void(const ShownMessage &)> whileShown;
};
