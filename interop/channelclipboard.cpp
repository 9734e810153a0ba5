#include "interop/channelclipboard.h"

#include "editor/frequencyentry.h"
#include "editor/toneentry.h"
#include "image/jsonform.h"
#include "image/tonewords.h"
#include "interop/channelvalues.h"
#include "interop/csvtext.h"
#include "model/bands.h"
#include "model/celltexts.h"
#include "model/hexhelpers.h"
#include "model/quotedvalue.h"
#include "model/texts.h"
#include "model/tonelist.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

using vq740::translate;

const char kChannelsMimeType[] = "application/x-vq740-channels";

namespace {
const char kClipFormatName[] = "VQ-740 channels";
constexpr int kClipFormatVersion = 1;

QList<int> sortedRows(const QList<int> &rows) {
    QList<int> sorted;
    for (int r : rows)
        if (r >= 1 && r <= kChannelCount && !sorted.contains(r))
            sorted << r;
    std::sort(sorted.begin(), sorted.end());
    return sorted;
}

QStringList captions(qint16 language) {
    QStringList list;
    for (int c = 0; c < kColumnCount; ++c)
        list << columnCaption(c, language);
    return list;
}

bool isHeaderRow(const QStringList &cells) {
    QStringList trimmed;
    for (const QString &c : cells)
        trimmed << c.trimmed();
    for (qint16 language : {qint16(0), qint16(1)}) {
        const QStringList header = captions(language);
        if (trimmed == header || trimmed == header.mid(1))
            return true;
    }
    return false;
}

class Paster {
public:
    Paster(const EditorState &state, int firstRow)
        : m_state(state), m_language(state.language),
          m_limits(bandLimitsOfText(bandText(state.bandPosition))), m_firstRow(firstRow) {}

    PasteResult fromText(const QString &text);
    PasteResult fromPrivate(const QByteArray &data);

private:
    bool refuse(int row, int column, const QString &message) {
        m_message = translate("ChannelClipboard", "Channel %1, column \"%2\": ")
                        .arg(row, 2, 10, QLatin1Char('0'))
                        .arg(columnCaption(column, m_language)) +
                    message;
        return false;
    }
    bool refuseWhole(const QString &message) {
        m_message = message;
        return false;
    }
    bool fits(int count);
    bool frequency(int row, int column, const QString &typed, QString *cell);
    bool tone(int row, int column, const QString &typed, ToneValue *tone);
    bool option(int row, int column, const QString &typed, int *item);
    bool pasteRow(ChannelTable &table, int row, QStringList cells);
    PasteResult result(const ChannelTable &table, int count);

    const EditorState &m_state;
    qint16 m_language;
    BandLimits m_limits;
    int m_firstRow;
    QString m_message;
};

bool Paster::fits(int count) {
    if (m_firstRow < 1 || m_firstRow > kChannelCount)
        return refuseWhole(
            translate("ChannelClipboard", "Select the channel to paste into first."));
    if (count == 0)
        return refuseWhole(translate("ChannelClipboard", "The clipboard holds no channels."));
    const int room = kChannelCount - m_firstRow + 1;
    if (count > room)
        return refuseWhole(
            translate("ChannelClipboard",
                      "From channel %1 on there is room for %2 rows; the clipboard holds %3.")
                .arg(m_firstRow, 2, 10, QLatin1Char('0'))
                .arg(room)
                .arg(count));
    return true;
}

bool Paster::frequency(int row, int column, const QString &typed, QString *cell) {
    switch (checkFrequencyText(typed, m_limits, cell)) {
    case FrequencyCheck::InBand:
        return true;
    case FrequencyCheck::OutOfBand:
        return refuse(row, column,
                      translate("ChannelClipboard", "\"%1\": %2 (%3).")
                          .arg(shownValue(typed), beyondRangeMessage(m_language),
                               bandText(m_state.bandPosition)));
    case FrequencyCheck::Empty:
    case FrequencyCheck::NotANumber:
        break;
    }
    return refuse(
        row, column,
        translate("ChannelClipboard", "\"%1\" is not a frequency.").arg(shownValue(typed)));
}

bool Paster::tone(int row, int column, const QString &typed, ToneValue *tone) {
    *tone = ToneValue();
    if (typed.isEmpty() || isOffText(typed) ||
        typed.compare(QLatin1String("off"), Qt::CaseInsensitive) == 0)
        return true;
    const QString upper = typed.toUpper();
    if (toneListEntry(0, 1) != upper && toneList(1).contains(upper))
        return toneOfCell(upper, tone);
    const QString ctcss = isDecimalNumber(typed) ? ctcssCellText(typed) : QString();
    if (!ctcss.isEmpty()) {
        tone->kind = ToneKind::Ctcss;
        tone->ctcss = ctcss;
        return true;
    }
    // Any other tone a radio holds (D221N, 300.0, a word kept as read
    // "[2013]") comes back as it was copied.
    if (isRadioToneText(typed))
        return toneOfCell(typed, tone);
    return refuse(
        row, column,
        translate("ChannelClipboard", "\"%1\" is not a tone (Off, 67.0 to 254.1, D023N, D023I).")
            .arg(shownValue(typed)));
}

bool Paster::option(int row, int column, const QString &typed, int *item) {
    if (typed.isEmpty())
        return true;
    for (int i = 0; i < kOptionItems; ++i)
        for (qint16 language : {qint16(0), qint16(1)})
            if (typed.compare(optionText(column, i, language), Qt::CaseInsensitive) == 0) {
                *item = i;
                return true;
            }
    return refuse(row, column,
                  translate("ChannelClipboard", "\"%1\" is not \"%2\" or \"%3\".")
                      .arg(shownValue(typed), optionText(column, 0, m_language),
                           optionText(column, 1, m_language)));
}

bool Paster::pasteRow(ChannelTable &table, int row, QStringList cells) {
    for (QString &c : cells)
        c = c.trimmed();
    if (cells.size() == kColumnCount)
        cells.removeFirst(); // the channel number: rows go where the paste puts them
    while (cells.size() < kColumnCount - 1)
        cells << QString();
    auto cell = [&cells](int column) { return cells.at(column - 1); };
    if (cell(ColRxFrequency).isEmpty()) {
        for (int c = ColRxFrequency + 1; c < kColumnCount; ++c)
            if (!cell(c).isEmpty())
                return refuse(row, ColRxFrequency,
                              translate("ChannelClipboard",
                                        "a channel without RX frequency holds nothing else."));
        table.ClearNO(row);
        return true;
    }
    ChannelValues v;
    if (!frequency(row, ColRxFrequency, cell(ColRxFrequency), &v.rx))
        return false;
    v.tx = v.rx;
    if (!cell(ColTxFrequency).isEmpty() &&
        !frequency(row, ColTxFrequency, cell(ColTxFrequency), &v.tx))
        return false;
    if (!tone(row, ColRxTone, cell(ColRxTone), &v.rxTone) ||
        !tone(row, ColTxTone, cell(ColTxTone), &v.txTone))
        return false;
    for (int c = 0; c < kColumnCount; ++c)
        if (isOptionColumn(c) && !option(row, c, cell(c), &v.items[c]))
            return false;
    writeChannelValues(table, row, v, m_language);
    return true;
}

PasteResult Paster::result(const ChannelTable &table, int count) {
    PasteResult r;
    r.ok = true;
    r.next = m_state;
    r.next.channels = table;
    r.firstRow = m_firstRow;
    r.lastRow = m_firstRow + count - 1;
    return r;
}

PasteResult Paster::fromText(const QString &text) {
    QList<QStringList> rows;
    const QList<CsvRecord> records = readCsvRecords(text, QLatin1Char('\t'));
    for (int i = 0; i < records.size(); ++i) {
        if (records.at(i).fields.isEmpty())
            continue;
        if (rows.isEmpty() && isHeaderRow(records.at(i).fields))
            continue;
        rows << records.at(i).fields;
    }
    PasteResult refused;
    if (!fits(int(rows.size()))) {
        refused.message = m_message;
        return refused;
    }
    ChannelTable table = m_state.channels;
    for (int i = 0; i < rows.size(); ++i) {
        const int row = m_firstRow + i;
        if (rows.at(i).size() > kColumnCount) {
            refuse(row, ColNumber,
                   translate("ChannelClipboard", "the pasted row has %1 cells; %2 at most.")
                       .arg(rows.at(i).size())
                       .arg(kColumnCount));
            refused.message = m_message;
            return refused;
        }
        if (!pasteRow(table, row, rows.at(i))) {
            refused.message = m_message;
            return refused;
        }
    }
    return result(table, int(rows.size()));
}

PasteResult Paster::fromPrivate(const QByteArray &data) {
    PasteResult refused;
    const QJsonObject root = QJsonDocument::fromJson(data).object();
    const QJsonArray channels = root.value(QLatin1String("Channels")).toArray();
    if (root.value(QLatin1String("format")).toString() != QLatin1String(kClipFormatName) ||
        root.value(QLatin1String("version")).toInt() != kClipFormatVersion) {
        refused.message =
            translate("ChannelClipboard", "The channels on the clipboard are of an unknown form.");
        return refused;
    }
    if (!fits(int(channels.size()))) {
        refused.message = m_message;
        return refused;
    }
    ChannelTable table = m_state.channels;
    for (int i = 0; i < channels.size(); ++i) {
        const int row = m_firstRow + i;
        QJsonObject obj = channels.at(i).toObject();
        obj.insert(QLatin1String(columnField(ColNumber).key), row);
        ChannelTable scratch;
        QString error;
        if (!channelFromJson(obj, row, m_language, scratch, &error)) {
            refused.message =
                translate("ChannelClipboard", "The channels on the clipboard cannot be used: %1")
                    .arg(error);
            return refused;
        }
        // The frequencies keep the band limits of this window's range.
        for (int c = 0; c < kColumnCount; ++c) {
            if (!isFrequencyColumn(c))
                continue;
            const QString text = scratch.cell(row, c);
            QString cell;
            if (!text.isEmpty() && !frequency(row, c, text, &cell)) {
                refused.message = m_message;
                return refused;
            }
            scratch.setCell(row, c, cell);
        }
        for (int c = ColRxFrequency; c < kColumnCount; ++c) {
            table.setCell(row, c, scratch.cell(row, c));
            table.setOptionIndex(row, c, scratch.optionIndex(row, c));
        }
    }
    return result(table, int(channels.size()));
}
} // namespace

ChannelClip copyChannels(const EditorState &state, const QList<int> &rows) {
    ChannelClip clip;
    QStringList lines;
    lines << csvRecordText(captions(state.language), QLatin1Char('\t'));
    QJsonArray channels;
    for (int row : sortedRows(rows)) {
        QStringList cells;
        for (int c = 0; c < kColumnCount; ++c)
            cells << state.channels.cell(row, c);
        lines << csvRecordText(cells, QLatin1Char('\t'));
        channels.append(channelToJson(state.channels, row));
    }
    clip.text = lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    QJsonObject root;
    root.insert(QLatin1String("format"), QLatin1String(kClipFormatName));
    root.insert(QLatin1String("version"), kClipFormatVersion);
    root.insert(QLatin1String("Channels"), channels);
    clip.privateData = QJsonDocument(root).toJson(QJsonDocument::Compact);
    return clip;
}

PasteResult pasteChannels(const EditorState &state, int firstRow, const QString &text,
                          const QByteArray &privateData) {
    // A refusal is told in the language of the state.
    const TextLanguage scope(state.language);
    Paster paster(state, firstRow);
    return privateData.isEmpty() ? paster.fromText(text) : paster.fromPrivate(privateData);
}

EditorState stateWithoutChannels(const EditorState &state, const QList<int> &rows) {
    EditorState next = state;
    for (int row : sortedRows(rows))
        next.channels.ClearNO(row);
    return next;
}
