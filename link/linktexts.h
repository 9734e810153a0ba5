// The serial link's own messages and status texts, in Chinese and English.
// The wording is the program's own, character for character.
#pragma once

#include <QString>
#include <QtGlobal>

enum class LinkText {
    PortNotOpen,        // start of a read or write without an open port
    Communicating,      // status while an exchange runs
    ReadSuccess,        // status after a read
    WriteSuccess,       // status after a write
    BandRefused,        // status when a write to a radio of another band is refused
    BandQuestion,       // question (and status on No) in band override mode
    CommunicationError, // message of the watchdog
};

// The text in the given language: 0 Chinese, anything else English.
QString linkText(LinkText text, qint16 language);

// The message shown when port `number` (1 to 8) cannot be opened.
QString portInUseText(int number, qint16 language);
