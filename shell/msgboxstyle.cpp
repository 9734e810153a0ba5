#include "shell/msgboxstyle.h"

#include "model/messageport.h"

namespace {
struct ButtonCaptions {
    int id;
    const char *captions[3]; // Simplified Chinese, English, Traditional Chinese
};

const ButtonCaptions kCaptions[] = {
    {MsgResult::Ok, {"确定", "OK", "確定"}},       {MsgResult::Cancel, {"取消", "Cancel", "取消"}},
    {MsgResult::Yes, {"是", "Yes", "是"}},         {MsgResult::No, {"否", "No", "否"}},
    {MsgResult::Abort, {"放弃", "Abort", "放棄"}}, {MsgResult::Ignore, {"忽略", "Ignore", "忽略"}},
    {MsgResult::Retry, {"重试", "Retry", "重試"}},
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
    for (const ButtonCaptions &row : kCaptions)
        if (row.id == buttonId)
            return QString::fromUtf8(row.captions[language]);
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
