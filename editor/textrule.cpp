#include "editor/textrule.h"

namespace {

bool allowedBy(const TextRule &rule, QChar c) {
    const ushort u = c.unicode();
    switch (rule.characters) {
    case TextRule::Characters::DialCode:
        return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'D') || u == '*' || u == '#';
    case TextRule::Characters::Digits:
        return u >= '0' && u <= '9';
    case TextRule::Characters::RadioByte:
        return isRadioCharacter(c);
    case TextRule::Characters::Custom:
        return rule.accept != nullptr && rule.accept(c);
    }
    return false;
}

QChar transformed(const TextRule &rule, QChar c) {
    if (rule.upperCase && c.unicode() >= 'a' && c.unicode() <= 'z')
        return QChar(c.unicode() - 'a' + 'A');
    return c;
}

bool hasSelection(const LineState &state) {
    return state.selectionStart >= 0 && state.selectionLength > 0;
}

// A number box holds digits only; its value must not pass the maximum.
bool valueFits(const TextRule &rule, const QString &text) {
    if (rule.maxValue < 0 || text.isEmpty())
        return true;
    bool ok = false;
    const qlonglong v = text.toLongLong(&ok);
    return ok && v <= rule.maxValue;
}

} // namespace

bool isRadioCharacter(QChar c) {
    const ushort u = c.unicode();
    return (u >= 0x20 && u <= 0x7E) || (u >= 0xA0 && u <= 0xFE);
}

QString textAfterInsert(const LineState &state, const QString &inserted) {
    QString text = state.text;
    if (hasSelection(state)) {
        const int start = qBound(0, state.selectionStart, int(text.size()));
        text.replace(start, state.selectionLength, inserted);
    } else {
        text.insert(qBound(0, state.cursor, int(text.size())), inserted);
    }
    return text;
}

QChar typedCharacter(const TextRule &rule, const LineState &state, QChar typed) {
    const QChar c = transformed(rule, typed);
    if (!allowedBy(rule, c))
        return QChar();
    if (rule.maxLength > 0 && state.text.size() >= rule.maxLength && !hasSelection(state))
        return QChar();
    if (!valueFits(rule, textAfterInsert(state, QString(c))))
        return QChar();
    return c;
}

QString pastedText(const TextRule &rule, const LineState &state, const QString &pasted) {
    QString kept;
    for (QChar typed : pasted) {
        const QChar c = transformed(rule, typed);
        if (allowedBy(rule, c))
            kept += c;
    }
    if (rule.maxLength > 0) {
        const int remaining =
            int(state.text.size()) - (hasSelection(state) ? state.selectionLength : 0);
        kept.truncate(qMax(0, rule.maxLength - remaining));
    }
    if (!valueFits(rule, textAfterInsert(state, kept)))
        return QString();
    return kept;
}
