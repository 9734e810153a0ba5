#include "shell/msgboxstyle.h"

#include "model/messageport.h"
#include "model/texts.h"

namespace {
struct ButtonCaptions {
    int id;
    const char *source;      // the English caption, translated for flags 0 and 1
    const char *traditional; // flag 2: the Traditional Chinese caption
};

const ButtonCaptions kCaptions[] = {
    {MsgResult::Ok, QT_TRANSLATE_NOOP("MessageBox", "OK"), "確定"},
    {MsgResult::Cancel, QT_TRANSLATE_NOOP("MessageBox", "Cancel"), "取消"},
    {MsgResult::Yes, QT_TRANSLATE_NOOP("MessageBox", "Yes"), "是"},
    {MsgResult::No, QT_TRANSLATE_NOOP("MessageBox", "No"), "否"},
    {MsgResult::Abort, QT_TRANSLATE_NOOP("MessageBox", "Abort"), "放棄"},
    {MsgResult::Ignore, QT_TRANSLATE_NOOP("MessageBox", "Ignore"), "忽略"},
    {MsgResult::Retry, QT_TRANSLATE_NOOP("MessageBox", "Retry"), "重試"},
};
} // namespace

MsgBoxLook msgBoxLookOfStyle(quint32 flags) {
    using namespace MsgResult;
    MsgBoxLook look;
    switch (flags & 0xF) {
    case 1:
        look.buttons = {Ok, Cancel};
        look.escapeButton = Cancel;
        break;
    case 2:
        look.buttons = {Abort, Retry, Ignore};
        break;
    case 3:
        look.buttons = {Yes, No, Cancel};
        look.escapeButton = Cancel;
        break;
    case 4:
        look.buttons = {Yes, No};
        break;
    case 5:
        look.buttons = {Retry, Cancel};
        look.escapeButton = Cancel;
        break;
    default:
        look.buttons = {Ok};
        look.escapeButton = Ok;
        break;
    }
    const int defaultIndex = static_cast<int>((flags >> 8) & 0x3);
    look.defaultButton = look.buttons.value(defaultIndex, look.buttons.first());
    switch (flags & 0x70) {
    case MsgStyle::IconStop:
        look.icon = MsgIcon::Stop;
        break;
    case MsgStyle::IconQuestion:
        look.icon = MsgIcon::Question;
        break;
    case MsgStyle::IconExclamation:
        look.icon = MsgIcon::Exclamation;
        break;
    case MsgStyle::IconInformation:
        look.icon = MsgIcon::Information;
        break;
    default:
        break;
    }
    look.systemModal = (flags & MsgStyle::SystemModal) != 0;
    return look;
}

QString msgBoxButtonCaption(int buttonId, qint16 language) {
    if (language < 0 || language > 2)
        return QString();
    // Flag 2 keeps its buttons in Traditional Chinese, a wording no
    // translation of the program gives.
    const TextLanguage scope(language == 2 ? qint16(1) : language);
    for (const ButtonCaptions &row : kCaptions)
        if (row.id == buttonId)
            return language == 2 ? QString::fromUtf8(row.traditional)
                                 : vq740::translate("MessageBox", row.source);
    return QString();
}

const QList<int> &msgBoxCaptionOrder() {
    static const QList<int> order = [] {
        QList<int> ids;
        for (const ButtonCaptions &row : kCaptions)
            ids << row.id;
        return ids;
    }();
    return order;
}
