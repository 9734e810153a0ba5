#include "model/quotedvalue.h"

namespace {
QString hex(char32_t c, int digits) {
    return QStringLiteral("%1").arg(quint32(c), digits, 16, QLatin1Char('0')).toUpper();
}

// Characters that break a message's line or lay out its text otherwise
// than it reads, and halves of characters.
bool hidden(char32_t c) {
    switch (QChar::category(c)) {
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}
} // namespace

QString shownValue(const QString &value) {
    QString shown;
    int count = 0;
    for (qsizetype i = 0; i < value.size(); ++count) {
        if (count == kShownValueLength) {
            shown += QLatin1String("...");
            break;
        }
        char32_t c = value.at(i).unicode();
        const bool pair = value.at(i).isHighSurrogate() && i + 1 < value.size() &&
                          value.at(i + 1).isLowSurrogate();
        if (pair)
            c = QChar::surrogateToUcs4(value.at(i), value.at(i + 1));
        if (QChar::category(c) == QChar::Other_Control) // C0, DEL and C1
            shown += QLatin1String("\\x") + hex(c, 2);
        else if (hidden(c))
            shown +=
                c > 0xFFFF ? QLatin1String("\\U") + hex(c, 8) : QLatin1String("\\u") + hex(c, 4);
        else if (c == U'\\')
            shown += QLatin1String("\\\\");
        else
            shown += value.mid(i, pair ? 2 : 1);
        i += pair ? 2 : 1;
    }
    return shown;
}

QString quotedValue(const QString &value) {
    return QLatin1Char('"') + shownValue(value) + QLatin1Char('"');
}
