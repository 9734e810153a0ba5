// How the core asks the user something or tells them something: a message
// box with the text, the style bits and the title, answered with the id of
// the pressed button. The desktop program shows a localised message box;
// the command-line tool prints the text and answers by its options; tests
// answer as they like.
#pragma once

#include <QString>
#include <QtGlobal>

// Style bits of the message box (button set, icon, default button).
namespace MsgStyle {
constexpr quint32 OkOnly = 0;
constexpr quint32 OkCancel = 1;
constexpr quint32 YesNoCancel = 3;
constexpr quint32 YesNo = 4;
constexpr quint32 IconStop = 16;
constexpr quint32 IconQuestion = 32;
constexpr quint32 IconExclamation = 48;
constexpr quint32 IconInformation = 64;
constexpr quint32 DefaultButton2 = 256;
constexpr quint32 SystemModal = 4096;
} // namespace MsgStyle

// Ids of the button that closed the box.
namespace MsgResult {
constexpr int Ok = 1;
constexpr int Cancel = 2;
constexpr int Abort = 3;
constexpr int Retry = 4;
constexpr int Ignore = 5;
constexpr int Yes = 6;
constexpr int No = 7;
} // namespace MsgResult

// The application title, used for message boxes given an empty title, for
// the file dialog filter and for the help file name.
inline QString applicationTitle() {
    return QStringLiteral("VQ-740 Software");
}

class MessagePort {
public:
    virtual ~MessagePort() = default;
    // Shows the message and returns the id of the pressed button (1 to 7).
    // An empty title stands for the application title.
    virtual int show(const QString &text, quint32 flags, const QString &title) = 0;
};
