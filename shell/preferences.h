// The three preferences the program keeps between runs in the parameter
// file: the edit lock, the remembered serial port and the language flag.
#pragma once

#include <QtGlobal>

struct Preferences {
    bool editLock = false;
    int rememberedPort = 0; // 0 = none chosen yet, 1 to 8 = COM1 to COM8
    qint16 language = 0;    // 0 Chinese, 1 English, other values as read

    bool operator==(const Preferences &o) const {
        return editLock == o.editLock && rememberedPort == o.rememberedPort &&
               language == o.language;
    }
};
