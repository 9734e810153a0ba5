#include "model/decimaltext.h"

namespace {
bool isDigit(QChar c) {
    return c.unicode() >= '0' && c.unicode() <= '9';
}

// Splits a plain decimal number into its whole part without leading zeros
// and its fraction without trailing zeros.
void splitDecimal(const QString &text, QString *whole, QString *fraction) {
    const int point = text.indexOf(QLatin1Char('.'));
    *whole = point < 0 ? text : text.left(point);
    *fraction = point < 0 ? QString() : text.mid(point + 1);
    int lead = 0;
    while (lead < whole->size() && whole->at(lead) == QLatin1Char('0'))
        ++lead;
    whole->remove(0, lead);
    int end = fraction->size();
    while (end > 0 && fraction->at(end - 1) == QLatin1Char('0'))
        --end;
    fraction->truncate(end);
}
} // namespace

QString leadingDecimalText(const QString &text) {
    int i = 0;
    const int n = text.size();
    while (i < n && text.at(i).isSpace())
        ++i;
    const int start = i;
    bool seenPoint = false;
    for (; i < n; ++i) {
        const QChar c = text.at(i);
        if (isDigit(c))
            continue;
        if (c == QLatin1Char('.') && !seenPoint) {
            seenPoint = true;
            continue;
        }
        break;
    }
    return text.mid(start, i - start);
}

int compareDecimalText(const QString &a, const QString &b) {
    QString wholeA, fractionA, wholeB, fractionB;
    splitDecimal(a, &wholeA, &fractionA);
    splitDecimal(b, &wholeB, &fractionB);
    if (wholeA.size() != wholeB.size())
        return wholeA.size() < wholeB.size() ? -1 : 1;
    const int whole = wholeA.compare(wholeB);
    if (whole != 0)
        return whole < 0 ? -1 : 1;
    // Fractions compare digit by digit; a missing digit counts as 0, and
    // trailing zeros are already gone, so a plain text comparison is exact.
    const int fraction = fractionA.compare(fractionB);
    return fraction < 0 ? -1 : (fraction > 0 ? 1 : 0);
}
