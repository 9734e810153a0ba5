// Test helpers: the option dialogs as the main window has them, with a
// message port that records what it was asked to show.
#pragma once

#include "dialogs/optiondialogs.h"
#include "model/editorstate.h"
#include "model/messageport.h"
#include "tests/support/recordingmessageport.h"

#include <QByteArray>
#include <QList>
#include <QWidget>

#include <functional>
#include <memory>

struct DialogFixture {
    // The editor right after start-up, changed by `prepare` if given, and
    // the dialogs loaded by the first caption application in the language.
    explicit DialogFixture(qint16 language = 1,
                           const std::function<void(EditorState &)> &prepare = nullptr);
    ~DialogFixture();

    template <typename T = QWidget> T *find(const char *window, const char *control = nullptr) {
        QWidget *w = owner->findChild<QWidget *>(QLatin1String(window));
        if (!w)
            return nullptr;
        if (!control)
            return qobject_cast<T *>(w);
        return w->findChild<T *>(QLatin1String(control));
    }

    // Decodes image bytes into the editor and refreshes the dialogs.
    bool decode(const QByteArray &bytes);

    std::unique_ptr<QWidget> owner;
    EditorState state;
    OptionDialogs *dialogs;
    RecordingMessagePort port;
};

// The caption a window shows for a control: its title for an empty name,
// the text of a label or button, the title of a frame.
QString captionOf(QWidget *window, const QString &control);

// The bytes of the image encoded right after start-up, with `bytes` put in
// at `offset`.
QByteArray startUpImageWith(int offset, const QByteArray &bytes);
