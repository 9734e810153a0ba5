// A MessagePort for tests: records every message and answers from a queue
// (OK when the queue is empty).
#pragma once

#include "image/messageport.h"

#include <QList>
#include <QString>

struct ShownMessage {
    QString text;
    quint32 flags;
    QString title;
};

class RecordingPort : public MessagePort {
public:
    int show(const QString &text, quint32 flags, const QString &title) override {
        shown.append({text, flags, title});
        return answers.isEmpty() ? MsgResult::Ok : answers.takeFirst();
    }
    QList<ShownMessage> shown;
    QList<int> answers;
};
