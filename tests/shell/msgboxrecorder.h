// Answers localised message boxes in tests: records what each box showed
// (text, style bits, title, icon, button captions in id order, default
// button) and presses the button given by a queue of answers (the default
// button when the queue is empty).
#pragma once

#include "shell/localizedmsgbox.h"

#include <QAbstractButton>
#include <QList>
#include <QMap>
#include <QMessageBox>
#include <QPushButton>

struct RecordedBox {
    QString text;
    Qt::TextFormat textFormat = Qt::AutoText;
    quint32 flags = 0;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMap<int, QString> captions; // button id -> caption
    int defaultButton = 0;
    bool applicationModal = false;
};

class MsgBoxRecorder {
public:
    MsgBoxRecorder() {
        setMsgBoxPresenter([this](QMessageBox &box, quint32 flags) {
            RecordedBox r;
            r.text = box.text();
            r.textFormat = box.textFormat();
            r.flags = flags;
            r.title = box.windowTitle();
            r.icon = box.icon();
            for (QAbstractButton *b : box.buttons())
                r.captions.insert(msgBoxButtonId(b), b->text());
            r.defaultButton = msgBoxButtonId(box.defaultButton());
            r.applicationModal = box.windowModality() == Qt::ApplicationModal;
            boxes.append(r);
            const int answer = answers.isEmpty() ? r.defaultButton : answers.takeFirst();
            return r.captions.contains(answer) ? answer : -1;
        });
    }
    ~MsgBoxRecorder() { setMsgBoxPresenter(nullptr); }
    MsgBoxRecorder(const MsgBoxRecorder &) = delete;
    MsgBoxRecorder &operator=(const MsgBoxRecorder &) = delete;

    QList<RecordedBox> boxes;
    QList<int> answers;
};
