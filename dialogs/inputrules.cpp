#include "dialogs/inputrules.h"

namespace TextRules {
TextRule idCode() {
    return TextRule{TextRule::Characters::DialCode, 10, true, true, -1, nullptr};
}
TextRule pttIdCode() {
    return TextRule{TextRule::Characters::DialCode, 16, true, true, -1, nullptr};
}
TextRule autoDialCell() {
    return TextRule{TextRule::Characters::DialCode, 0, true, false, -1, nullptr};
}
TextRule embeddedLine() {
    return TextRule{TextRule::Characters::RadioByte, 32, false, false, -1, nullptr};
}
TextRule scanSeconds() {
    return TextRule{TextRule::Characters::Digits, 3, false, false, 300, nullptr};
}
} // namespace TextRules

QString autoDialTooLongMessage() {
    return QStringLiteral("存储器只能存储16位！");
}
