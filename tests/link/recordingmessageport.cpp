#include "recordingmessageport.h"

int RecordingMessagePort::show(const QString &text, quint32 flags, const QString &title) {
    const ShownMessage message{text, flags, title};
    shown << message;
    if (whileShown)
        whileShown(message);
    return answers.isEmpty() ? defaultAnswer : answers.takeFirst();
}
