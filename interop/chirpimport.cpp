#include "interop/chirpimport.h"

#include "editor/frequencyentry.h"
#include "interop/channelvalues.h"
#include "interop/chirpmemory.h"
#include "interop/chirptones.h"
#include "interop/csvtext.h"
#include "model/bands.h"
#include "model/decimaltext.h"
#include "model/editorstate.h"
#include "model/hexhelpers.h"
#include "model/quotedvalue.h"
#include "model/texts.h"

#include <QLocale>
#include <QMap>

using vq740::translate;

namespace {

// CHIRP counts records from the header (line 1) and leaves comment lines
// out, so its "Line N" is not always the line of the file; both are named
// when they differ.
QString lineLabel(int line, int fileLine) {
    if (line == fileLine)
        return translate("ChirpImport", "Line %1").arg(line);
    return translate("ChirpImport", "Line %1 (file line %2)").arg(line).arg(fileLine);
}

// A frequency of the file against the band limits, by the channel table's
// own entry rule: band test on the exact value, then 10 Hz rounding and
// the snap. False when it lies outside the range.
bool frequencyCell(qint64 hertz, const BandLimits &limits, QString *cell) {
    if (hertz < 0)
        return false;
    return checkFrequencyText(chirpFrequencyText(hertz), limits, cell) == FrequencyCheck::InBand;
}

// A count with its thousands apart: 116,374.
QString countText(qsizetype count) {
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(qint64(count));
}

// Rows of one kind that are named one by one in the report; more of them
// are summed up in one line.
constexpr int kNamedRows = 3;
// Names of unknown columns the report lists.
constexpr int kNamedColumns = 10;
// Lines of each part of the report; the rest are counted.
constexpr int kReportLines = 100;

qint64 hertzOfCell(const QString &cell) {
    qint64 units = 0;
    decimalToUnits(cell, 5, &units);
    return units * 10;
}

struct RowOutcome {
    bool fits = false;
    ChirpFieldError error;
    ChannelValues values;
    QStringList snaps;    // "RX 160.222500 MHz → 160.22000"
    QStringList warnings; // about this row
};

class Importer {
public:
    explicit Importer(const ImportOptions &options)
        : m_options(options), m_limits(bandLimitsOfText(bandText(options.bandPosition))) {
        m_result.channels.ClearGrid();
    }

    ChirpImport run(const QByteArray &bytes);

private:
    QString colon() const { return translate("ChirpImport", ": "); }
    RowOutcome fit(const ChirpMemory &m, const ChirpHeader &header) const;
    void refuse(const QString &label, const QString &message) {
        ++m_result.refused;
        m_result.refusals << label + colon() + message;
    }
    void addDropNotes();
    void refuseLocation(int line, const QString &label, int location);
    void addLocationRefusals();
    QString unknownColumnsNote(const QStringList &names) const;

    ImportOptions m_options;
    BandLimits m_limits;
    ChirpImport m_result;
    int m_names = 0, m_comments = 0, m_steps = 0, m_dstar = 0, m_priority = 0, m_commentLines = 0;
    // Rows by location that name no channel 1 to 16: their count, and the
    // first ones with the place among the other refusals where each goes.
    int m_offChannel = 0;
    struct Placed {
        qsizetype at;
        int line;
        QString text;
    };
    QList<Placed> m_firstOffChannel;
};

void Importer::refuseLocation(int line, const QString &label, int location) {
    ++m_result.refused;
    if (m_offChannel++ < kNamedRows)
        m_firstOffChannel.append(
            {m_result.refusals.size(), line,
             label + colon() +
                 translate("ChirpImport", "[Location] %1 is not a channel 1 to 16").arg(location)});
}

// A few such rows are named one by one; a file of thousands of channels
// gives one line that counts them and names the first.
void Importer::addLocationRefusals() {
    if (m_offChannel <= kNamedRows) {
        for (qsizetype k = 0; k < m_firstOffChannel.size(); ++k)
            m_result.refusals.insert(m_firstOffChannel.at(k).at + k, m_firstOffChannel.at(k).text);
        return;
    }
    QStringList lines;
    for (const Placed &p : m_firstOffChannel)
        lines << QString::number(p.line);
    m_result.refusals.insert(
        m_firstOffChannel.first().at,
        translate("ChirpImport",
                  "[Location] %1 rows name no channel 1 to 16; the first: lines %2 ...")
            .arg(countText(m_offChannel), lines.join(translate("ChirpImport", ", "))));
}

// The unknown columns by name, the first ten of them.
QString Importer::unknownColumnsNote(const QStringList &names) const {
    QStringList shown;
    for (const QString &name : names.mid(0, kNamedColumns))
        shown << shownValue(name);
    QString list = shown.join(QStringLiteral(", "));
    if (names.size() > kNamedColumns)
        list += translate("ChirpImport", ", ... (%1 in all)").arg(countText(names.size()));
    return translate("ChirpImport", "Unknown columns are ignored: %1.").arg(list);
}

RowOutcome Importer::fit(const ChirpMemory &m, const ChirpHeader &header) const {
    using C = ChirpColumn;
    RowOutcome out;
    const QString range = bandText(m_options.bandPosition);
    auto failWith = [&out](C column, const QString &message) {
        out.error.column = column;
        out.error.message = QStringLiteral("[%1] %2").arg(chirpHeader().at(int(column)), message);
        return out;
    };
    ChannelValues &v = out.values;
    if (!frequencyCell(m.frequency, m_limits, &v.rx))
        return failWith(C::Frequency, translate("ChirpImport", "%1 MHz lies outside the range %2")
                                          .arg(chirpFrequencyText(m.frequency), range));
    if (hertzOfCell(v.rx) != m.frequency)
        out.snaps << translate("ChirpImport", "RX %1 MHz becomes %2")
                         .arg(chirpFrequencyText(m.frequency), v.rx);

    qint64 tx = m.frequency;
    if (m.duplex == QLatin1String("+"))
        tx = m.frequency + m.offset;
    else if (m.duplex == QLatin1String("-"))
        tx = m.frequency - m.offset;
    else if (m.duplex == QLatin1String("split"))
        tx = m.offset;
    if (m.duplex == QLatin1String("off")) {
        v.tx.clear();
    } else if (m.duplex.isEmpty()) {
        v.tx = v.rx;
    } else {
        const C column = header.has(C::Offset) ? C::Offset : C::Duplex;
        if (!frequencyCell(tx, m_limits, &v.tx))
            return failWith(
                column, translate("ChirpImport", "TX %1 MHz (Duplex %2) lies outside the range %3")
                            .arg(chirpFrequencyText(tx), m.duplex, range));
        if (hertzOfCell(v.tx) != tx)
            out.snaps << translate("ChirpImport", "TX %1 MHz becomes %2")
                             .arg(chirpFrequencyText(tx), v.tx);
    }

    ChirpTones tones;
    if (!tonesFromChirp(m, &tones, &out.error))
        return out;
    v.rxTone = tones.rx;
    v.txTone = tones.tx;
    if (m.tone == QLatin1String("DTCS") && header.has(C::RxDtcsCode) && m.rxDtcsCode != m.dtcsCode)
        out.warnings << translate("ChirpImport",
                                  "DTCS with RxDtcsCode %1 other than DtcsCode %2: DtcsCode "
                                  "%2 is used on both sides")
                            .arg(m.rxDtcsCode, 3, 10, QLatin1Char('0'))
                            .arg(m.dtcsCode, 3, 10, QLatin1Char('0'));

    if (m.mode == QLatin1String("NFM"))
        v.items[ColWn] = 0;
    else if (m.mode == QLatin1String("FM") || m.mode == QLatin1String("Auto"))
        v.items[ColWn] = 1;
    else if (m.mode == QLatin1String("DV"))
        return failWith(C::Mode,
                        translate("ChirpImport", "the radio does not support D-STAR (DV)"));
    else
        return failWith(
            C::Mode,
            translate("ChirpImport", "mode %1 is not supported by the radio (FM, NFM or Auto)")
                .arg(m.mode));

    // The nearer of Low 1.0 W and High 5.0 W; a tie (3.0 W) goes to Low,
    // the first level. No Power column is CHIRP's 50 W, so High.
    v.items[ColPower] =
        m.hasPower && compareDecimalText(m.powerWatts, QStringLiteral("3")) <= 0 ? 0 : 1;
    v.items[ColBclo] = 0;
    v.items[ColScanAdd] = m.skip == QLatin1String("S") ? 0 : 1;
    out.fits = true;
    return out;
}

void Importer::addDropNotes() {
    QStringList dropped;
    if (m_names)
        dropped << translate("ChirpImport", "names (rows: %1)").arg(m_names);
    if (m_comments)
        dropped << translate("ChirpImport", "comments (rows: %1)").arg(m_comments);
    if (m_steps)
        dropped << translate("ChirpImport", "tuning steps (rows: %1)").arg(m_steps);
    if (m_dstar)
        dropped << translate("ChirpImport", "D-STAR fields (rows: %1)").arg(m_dstar);
    if (!dropped.isEmpty())
        m_result.notes << translate("ChirpImport", "Not kept by the radio and dropped: %1.")
                              .arg(dropped.join(translate("ChirpImport", ", ")));
    if (m_priority)
        m_result.notes << translate("ChirpImport",
                                    "Skip P (priority) is imported as Scan Add Yes (rows: "
                                    "%1).")
                              .arg(m_priority);
    if (m_commentLines)
        m_result.notes << translate("ChirpImport", "Comment lines (#) are ignored (lines: %1).")
                              .arg(m_commentLines);
    if (m_result.taken > 0)
        m_result.notes << translate("ChirpImport",
                                    "BCLO is Off on every channel (CHIRP has no such "
                                    "column); channels the file does not fill are empty.");
}

ChirpImport Importer::run(const QByteArray &bytes) {
    CsvEncoding encoding = CsvEncoding::Utf8;
    const QList<CsvRecord> records = readCsvRecords(decodeCsvBytes(bytes, &encoding));
    if (encoding == CsvEncoding::CodePage1252)
        m_result.notes << translate("ChirpImport",
                                    "The file is not UTF-8; it is read as Windows code "
                                    "page 1252.");
    else if (encoding != CsvEncoding::Utf8)
        m_result.notes << translate("ChirpImport",
                                    "The file is UTF-16 text (CHIRP's files are UTF-8); "
                                    "it is read as UTF-16.");
    ChirpHeader header;
    bool haveHeader = false;
    int line = 0;
    QMap<int, int> lineOfChannel; // by location: the line that filled each channel
    int nextChannel = 1;
    for (const CsvRecord &record : records) {
        const QStringList &f = record.fields;
        if (!f.isEmpty() && f.first().startsWith(QLatin1Char('#'))) {
            ++m_commentLines;
            continue;
        }
        ++line;
        const QString label = lineLabel(line, record.fileLine);
        if (!haveHeader) {
            if (f.isEmpty())
                continue;
            header = readChirpHeader(f);
            haveHeader = true;
            if (!header.has(ChirpColumn::Frequency)) {
                m_result.problem =
                    header.place.isEmpty()
                        ? translate("ChirpImport",
                                    "This is not a CHIRP channel list: its first line "
                                    "names none of CHIRP's columns (Location, "
                                    "Frequency, ...).")
                        : translate("ChirpImport", "The file has no Frequency column.");
                return m_result;
            }
            if (!header.unknown.isEmpty())
                m_result.notes << unknownColumnsNote(header.unknown);
            continue;
        }
        if (f.isEmpty()) {
            ++m_result.skipped;
            continue;
        }
        if (f.size() < header.size) {
            refuse(label,
                   translate("ChirpImport", "Column number mismatch: %1 fields, the header has %2")
                       .arg(f.size())
                       .arg(header.size));
            continue;
        }
        ChirpFieldError error;
        const ChirpMemory m = parseChirpRecord(header, f, &error);
        if (error.failed()) {
            refuse(label, error.message);
            continue;
        }
        if (m.frequency == 0) {
            // An empty memory, which CHIRP skips as well.
            ++m_result.skipped;
            continue;
        }
        int channel = 0;
        if (m_options.placement == Placement::ByLocation) {
            if (m.location < 1 || m.location > kChannelCount) {
                refuseLocation(line, label, m.location);
                continue;
            }
            channel = m.location;
        } else {
            if (nextChannel > kChannelCount) {
                ++m_result.leftOver;
                continue;
            }
            channel = nextChannel;
        }
        const RowOutcome outcome = fit(m, header);
        if (!outcome.fits) {
            refuse(label, outcome.error.message);
            continue;
        }
        if (lineOfChannel.contains(channel)) {
            m_result.notes << translate("ChirpImport",
                                        "%1: channel %2 was also given on line %3; this "
                                        "later row is taken.")
                                  .arg(label)
                                  .arg(channel, 2, 10, QLatin1Char('0'))
                                  .arg(lineOfChannel.value(channel));
            --m_result.taken;
        }
        lineOfChannel.insert(channel, line);
        nextChannel = channel + 1;
        writeChannelValues(m_result.channels, channel, outcome.values, m_options.language);
        ++m_result.taken;
        if (!outcome.snaps.isEmpty()) {
            ++m_result.snapped;
            m_result.snaps << label + colon() + outcome.snaps.join(translate("ChirpImport", "; "));
        }
        for (const QString &w : outcome.warnings)
            m_result.notes << label + colon() + w;
        m_names += !m.name.trimmed().isEmpty();
        m_comments += !m.comment.trimmed().isEmpty();
        m_steps += header.has(ChirpColumn::TStep);
        m_dstar += m.dstarFields;
        m_priority += m.skip == QLatin1String("P");
    }
    if (!haveHeader) {
        m_result.problem = translate("ChirpImport", "The file is empty.");
        return m_result;
    }
    addLocationRefusals();
    if (m_result.leftOver)
        m_result.notes << translate("ChirpImport",
                                    "Rows after the first 16 that fit are not imported "
                                    "(rows: %1).")
                              .arg(m_result.leftOver);
    addDropNotes();
    if (m_result.taken == 0) {
        m_result.problem =
            translate("ChirpImport", "No row fits the radio in the range %1: no channel is "
                                     "imported.")
                .arg(bandText(m_options.bandPosition));
        return m_result;
    }
    m_result.usable = true;
    return m_result;
}

} // namespace

ChirpImport importChirpCsv(const QByteArray &bytes, const ImportOptions &options) {
    // The report's texts are in the language of the options.
    const TextLanguage scope(options.language);
    return Importer(options).run(bytes);
}

QString importSummary(const ChirpImport &im, qint16 language) {
    const TextLanguage scope(language);
    QString text = translate("ChirpImport", "Rows taken: %1, snapped: %2, refused: %3.")
                       .arg(im.taken)
                       .arg(im.snapped)
                       .arg(im.refused);
    if (im.skipped)
        text += translate("ChirpImport", " Empty rows skipped: %1.").arg(im.skipped);
    return text;
}

QString importReportText(const ChirpImport &im, qint16 language) {
    const TextLanguage scope(language);
    QStringList lines;
    if (!im.problem.isEmpty())
        lines << im.problem;
    lines << importSummary(im, language);
    auto section = [&](const QString &title, const QStringList &items) {
        if (items.isEmpty())
            return;
        lines << QString() << title;
        for (const QString &item : items.mid(0, kReportLines))
            lines << QStringLiteral("  ") + item;
        if (items.size() > kReportLines)
            lines << QStringLiteral("  ") + translate("ChirpImport", "... and %1 more")
                                                .arg(countText(items.size() - kReportLines));
    };
    section(translate("ChirpImport", "Refused:"), im.refusals);
    section(translate("ChirpImport", "Snapped onto the channel step:"), im.snaps);
    section(translate("ChirpImport", "Notes:"), im.notes);
    return lines.join(QLatin1Char('\n'));
}

EditorState stateWithImport(const EditorState &state, const ChirpImport &import) {
    EditorState next = state;
    if (import.usable) {
        next.channels = import.channels;
        next.channels.SetGrid1Text(state.language);
    }
    return next;
}
