#include "link/linktexts.h"

namespace {

struct TextPair {
    const char *chinese;
    const char *english;
};

TextPair pairOf(LinkText text) {
    switch (text) {
    case LinkText::PortNotOpen:
        return {"通信端口未打开，请先选择菜单“通信端口”打开其串口！",
                "Communication port not open, please first selection menu 'communication port' "
                "to open its serial ports!"};
    case LinkText::Communicating:
        return {"正在通信,请稍后……", "It's communicating, please wait......"};
    case LinkText::ReadSuccess:
        return {"读频成功！", "Read frequency success!"};
    case LinkText::WriteSuccess:
        return {"写频成功！", "Write frequency success!"};
    case LinkText::BandRefused:
        return {"频段不符，不可写入。", "Frequency band with discrepancies, do not write."};
    case LinkText::BandQuestion:
        return {"频段不符，是否继续？",
                "Frequency band with discrepancies, do you wish to continue?"};
    case LinkText::CommunicationError:
        return {"通信出错，请检查对讲机型号、故障、连线及计算机串口的选择！",
                "Communication error, please check the intercom model, fault, attachment and "
                "computer serial choice!"};
    }
    return {"", ""};
}

} // namespace

QString linkText(LinkText text, qint16 language) {
    const TextPair pair = pairOf(text);
    return QString::fromUtf8(language == 0 ? pair.chinese : pair.english);
}

QString portInUseText(int number, qint16 language) {
    if (language == 0)
        return QStringLiteral("串行端口%1已被其它程序使用，请选择其它串口或关掉其程序.")
            .arg(number);
    return QStringLiteral("Serial port %1 has been other programs use, please choose other serial "
                          "or turn off its program.")
        .arg(number);
}
