#include "link/linktexts.h"

#include "model/texts.h"

using vq740::translate;

QString linkText(LinkText text, qint16 language) {
    const TextLanguage scope(language);
    switch (text) {
    case LinkText::PortNotOpen:
        return translate(
            "Link", "Communication port not open, please first selection menu 'communication port' "
                    "to open its serial ports!");
    case LinkText::Communicating:
        return translate("Link", "It's communicating, please wait......");
    case LinkText::ReadSuccess:
        return translate("Link", "Read frequency success!");
    case LinkText::WriteSuccess:
        return translate("Link", "Write frequency success!");
    case LinkText::BandRefused:
        return translate("Link", "Frequency band with discrepancies, do not write.");
    case LinkText::BandQuestion:
        return translate("Link", "Frequency band with discrepancies, do you wish to continue?");
    case LinkText::CommunicationError:
        return translate(
            "Link", "Communication error, please check the intercom model, fault, attachment and "
                    "computer serial choice!");
    }
    return QString();
}

QString portInUseText(int number, qint16 language) {
    const TextLanguage scope(language);
    return translate("Link",
                     "Serial port %1 has been other programs use, please choose other serial "
                     "or turn off its program.")
        .arg(number);
}
