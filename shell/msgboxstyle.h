// What the style bits of a message box ask for (button set, icon, default
// button), and the button captions that follow the language flag.
#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

enum class MsgIcon { None, Stop, Question, Exclamation, Information };

struct MsgBoxLook {
    QList<int> buttons;    // button ids (MsgResult) in the platform's order
    int defaultButton = 0; // id of the default button
    int escapeButton = 0;  // id that Escape and the close box give, 0 = none
    MsgIcon icon = MsgIcon::None;
    bool systemModal = false;
};

// The look asked for by the style bits: the low four bits pick the button
// set (0 OK, 1 OK/Cancel, 2 Abort/Retry/Ignore, 3 Yes/No/Cancel, 4 Yes/No,
// 5 Retry/Cancel), bits 4-6 the icon, bits 8-9 the default button.
MsgBoxLook msgBoxLookOfStyle(quint32 flags);

// The caption of a button id for the language flag: 0 Simplified Chinese,
// 1 English, 2 Traditional Chinese. Empty for other flag values, where the
// buttons keep the platform's own captions.
QString msgBoxButtonCaption(int buttonId, qint16 language);

// The ids in the order their captions are applied: OK, Cancel, Yes, No,
// Abort, Ignore, Retry.
const QList<int> &msgBoxCaptionOrder();
