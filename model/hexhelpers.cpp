#include "model/hexhelpers.h"

#include <climits>
#include <cmath>

namespace {
const char kNibbleBits[] = "0000000100100011010001010110011110001001101010111100110111101111";

int hexDigitValue(QChar c) {
    const ushort u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return 0;
}
} // namespace

QString HexToBits(const QString &hex) {
    QString bits;
    bits.reserve(hex.size() * 4);
    for (QChar c : hex)
        bits += QLatin1String(kNibbleBits + hexDigitValue(c) * 4, 4);
    return bits;
}

QString BitsToHex(const QString &bits) {
    QString padded = bits;
    while (padded.size() % 4 != 0)
        padded.prepend(QLatin1Char('0'));
    QString hex;
    hex.reserve(padded.size() / 4);
    for (int i = 0; i < padded.size(); i += 4) {
        int sum = 0;
        for (int k = 0; k < 4; ++k)
            sum = sum * 2 + (padded.at(i + k) == QLatin1Char('1') ? 1 : 0);
        hex += QLatin1Char("0123456789ABCDEF"[sum]);
    }
    return hex;
}

QString HexByte(int value) {
    QString hex = QString::number(value, 16).toUpper();
    if (hex.size() == 1)
        hex.prepend(QLatin1Char('0'));
    return hex;
}

QString HexByte(double value) {
    const double rounded = std::nearbyint(value);
    return HexByte(static_cast<int>(qBound(0.0, rounded, double(INT_MAX))));
}

QString HexWord(int value) {
    QString hex = QString::number(static_cast<quint16>(value), 16).toUpper();
    while (hex.size() < 4)
        hex.prepend(QLatin1Char('0'));
    return hex;
}

QString snapFrequencyText(const QString &frequencyText) {
    const int n = frequencyText.size();
    if (n < 5)
        return frequencyText;
    const QString tail = frequencyText.right(4);
    for (QChar c : tail)
        if (!c.isDigit() || c.unicode() > '9')
            return frequencyText;
    const int a = tail.toInt();
    const int r5 = a % 500;
    const int r6 = a % 625;
    if (r5 == 0 || r6 == 0)
        return frequencyText;
    const int snapped = r6 > r5 ? a - r5 : a - r6;
    return frequencyText.left(n - 4) + QStringLiteral("%1").arg(snapped, 4, 10, QLatin1Char('0'));
}

double SnapFrequency(const QString &frequencyText) {
    return leadingNumber(snapFrequencyText(frequencyText));
}

double RealMod(double step, double value) {
    if (value < step)
        return value;
    // The quotient counts as exact when its 15-digit text form has no
    // fractional part, which is how the remainder was always decided.
    const QString quotient = QString::number(value / step, 'g', 15);
    if (!quotient.contains(QLatin1Char('.')) && !quotient.contains(QLatin1Char('e')))
        return 0.0;
    qint64 i = 1;
    while (value - static_cast<double>(i) * step >= step)
        ++i;
    return value - static_cast<double>(i) * step;
}

qint64 RealMod(qint64 step, qint64 value) {
    if (step <= 0 || value < step)
        return value;
    return value % step;
}

double leadingNumber(const QString &text) {
    int i = 0;
    const int n = text.size();
    while (i < n && text.at(i).isSpace())
        ++i;
    QString number;
    bool seenPoint = false;
    for (; i < n; ++i) {
        const QChar c = text.at(i);
        if (c.unicode() >= '0' && c.unicode() <= '9') {
            number += c;
        } else if (c == QLatin1Char('.') && !seenPoint) {
            seenPoint = true;
            number += c;
        } else {
            break;
        }
    }
    bool ok = false;
    const double v = number.toDouble(&ok);
    return ok ? v : 0.0;
}

bool isDecimalNumber(const QString &text) {
    int digits = 0;
    int points = 0;
    for (QChar c : text) {
        if (c.unicode() >= '0' && c.unicode() <= '9')
            ++digits;
        else if (c == QLatin1Char('.'))
            ++points;
        else
            return false;
    }
    return digits > 0 && points <= 1;
}

bool decimalToUnits(const QString &text, int decimals, qint64 *units) {
    if (!isDecimalNumber(text))
        return false;
    const int point = text.indexOf(QLatin1Char('.'));
    const QString whole = point < 0 ? text : text.left(point);
    QString fraction = point < 0 ? QString() : text.mid(point + 1);
    bool roundUp = false;
    if (fraction.size() > decimals) {
        roundUp = fraction.at(decimals).unicode() >= '5';
        fraction.truncate(decimals);
    }
    while (fraction.size() < decimals)
        fraction += QLatin1Char('0');
    QString digits = whole + fraction;
    while (digits.startsWith(QLatin1Char('0')))
        digits.remove(0, 1);
    if (digits.size() > 17)
        return false;
    qint64 value = digits.isEmpty() ? 0 : digits.toLongLong();
    if (roundUp)
        ++value;
    *units = value;
    return true;
}

QString unitsToMHzText(qint64 units10Hz) {
    return QStringLiteral("%1.%2")
        .arg(units10Hz / 100000)
        .arg(units10Hz % 100000, 5, 10, QLatin1Char('0'));
}
