#include "model/bcdfrequency.h"

#include "model/hexhelpers.h"

#include <QRegularExpression>

QString frequencyTextOfBytes(const uchar *b) {
    const QString b2 = HexByte(int(b[2]));
    return HexByte(int(b[3])) + b2.at(0) + QLatin1Char('.') + b2.at(1) + HexByte(int(b[1])) +
           HexByte(int(b[0]));
}

QString frequencyBytesOfText(const QString &text) {
    static const QRegularExpression cellForm(QStringLiteral("^[0-9A-F]{3}\\.[0-9A-F]{5}$"));
    if (text.isEmpty())
        return QStringLiteral("FFFFFFFF");
    QString digits;
    if (cellForm.match(text).hasMatch()) {
        digits = text.left(3) + text.mid(4);
    } else {
        qint64 units = 0;
        if (!decimalToUnits(text, 5, &units) || units > 99999999)
            return QStringLiteral("FFFFFFFF");
        digits = QStringLiteral("%1").arg(units, 8, 10, QLatin1Char('0'));
    }
    return digits.mid(6, 2) + digits.mid(4, 2) + digits.mid(2, 2) + digits.mid(0, 2);
}
