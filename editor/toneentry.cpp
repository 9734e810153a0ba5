#include "editor/toneentry.h"

#include "image/tonewords.h"
#include "model/celltexts.h"
#include "model/channeltable.h"
#include "model/decimaltext.h"
#include "model/hexhelpers.h"
#include "model/texts.h"
#include "model/tonelist.h"

#include <QRegularExpression>

using vq740::translate;

namespace {
bool isToneCell(const ChannelTable &table, int row, int column) {
    return isToneColumn(column) && row >= 1 && row <= kChannelCount && table.inUse(row);
}
} // namespace

bool isToneKey(QChar c) {
    const ushort u = c.unicode();
    return (u >= '0' && u <= '9') || u == '.' || u == '\b' || QStringLiteral("DdNnIi").contains(c);
}

int typedDcsEntry(const QString &typed) {
    static const QRegularExpression form(QStringLiteral("^D([0-7]{3})([NI]?)$"));
    const QRegularExpressionMatch m = form.match(typed.toUpper());
    if (!m.hasMatch())
        return -1;
    const QString polarity = m.captured(2).isEmpty() ? QStringLiteral("N") : m.captured(2);
    // The DCS entries read the same in both languages.
    return toneListPosition(QLatin1Char('D') + m.captured(1) + polarity, 1);
}

int toneListPosition(const QString &text, qint16 language) {
    return toneList(language).indexOf(text);
}

QString ctcssCellText(const QString &typed) {
    const QString number = leadingDecimalText(typed);
    // An empty or non-numeric text counts as 0, which is below the range.
    if (!isDecimalNumber(number))
        return QString();
    if (compareDecimalText(number, QStringLiteral("67")) < 0 ||
        compareDecimalText(number, QStringLiteral("254.1")) > 0)
        return QString();
    qint64 tenths = 0;
    if (!decimalToUnits(number, 1, &tenths))
        return QString();
    return QStringLiteral("%1.%2").arg(tenths / 10).arg(tenths % 10);
}

QString toneNote(const QString &text, qint16 language) {
    const TextLanguage scope(language);
    switch (toneTextKind(text)) {
    case ToneTextKind::Unlisted:
        return translate("ToneEntry", "Not in the radio's tone list: kept as the radio holds it.");
    case ToneTextKind::Kept: {
        const QString word = text.mid(1, 4);
        return translate("ToneEntry", "Tone word %1, kept exactly as read: it is no tone this "
                                      "program can show, and writes and saves give it back "
                                      "unchanged until you change this cell.")
            .arg(word);
    }
    default:
        return QString();
    }
}

bool pickTone(ChannelTable &table, int row, int column, int position, qint16 language) {
    if (!isToneCell(table, row, column) || position < 0 || position >= kToneListSize)
        return false;
    table.setCell(row, column, toneListEntry(position, language));
    return true;
}

ToneCommit commitTone(ChannelTable &table, int row, int column, const QString &editText,
                      int selectedEntry) {
    ToneCommit result;
    if (!isToneCell(table, row, column))
        return result;
    const int dcs = typedDcsEntry(editText);
    if (dcs > 0) {
        // Written again when it was picked: the same text, the same cell.
        const QString before = table.cell(row, column);
        pickTone(table, row, column, dcs, 1);
        result.text = table.cell(row, column);
        if (result.text != before)
            result.outcome = ToneOutcome::Written;
        return result;
    }
    if (editText.startsWith(QLatin1Char('D'), Qt::CaseInsensitive) || selectedEntry == 0)
        return result;
    const QString text = ctcssCellText(editText);
    if (text.isEmpty())
        return result;
    table.setCell(row, column, text);
    result.outcome = ToneOutcome::Written;
    result.text = text;
    return result;
}
