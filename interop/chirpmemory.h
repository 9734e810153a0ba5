// One CHIRP memory as CHIRP's CSV reader yields it from a row, and the
// parsers of its fields. Frequencies are whole hertz; tones and powers are
// kept as the decimal text of the file, so that nothing passes through
// binary floating point.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QtGlobal>

// CHIRP's columns, in the order CHIRP writes them.
enum class ChirpColumn {
    Location,
    Name,
    Frequency,
    Duplex,
    Offset,
    Tone,
    RToneFreq,
    CToneFreq,
    DtcsCode,
    DtcsPolarity,
    RxDtcsCode,
    CrossMode,
    Mode,
    TStep,
    Skip,
    Power,
    Comment,
    Urcall,
    Rpt1call,
    Rpt2call,
    Dvcode,
};
constexpr int kChirpColumnCount = 21;

// The 21 header names of CHIRP's CSV files since 2023-01-16, in order.
const QStringList &chirpHeader();

// Where each known column stands in a file's header. CHIRP maps columns by
// name, case-sensitively; a name given twice counts at its last place.
struct ChirpHeader {
    QHash<int, int> place; // ChirpColumn -> field index
    QStringList unknown;   // names CHIRP does not know, as written
    int size = 0;          // fields of the header
    bool has(ChirpColumn c) const { return place.contains(int(c)); }
};

// Reads a header record. Names are taken without surrounding blanks and
// quotes (third-party files quote them, also with single quotes).
ChirpHeader readChirpHeader(const QStringList &fields);

struct ChirpMemory {
    int location = 0;
    bool hasLocation = false;
    QString name;
    qint64 frequency = 0; // Hz
    QString duplex;
    qint64 offset = 600000; // Hz
    QString tone;
    QString rToneFreq = QStringLiteral("88.5");
    QString cToneFreq = QStringLiteral("88.5");
    int dtcsCode = 23; // as written, read in base 10: 23 stands for code 023
    QString dtcsPolarity = QStringLiteral("NN");
    int rxDtcsCode = 23;
    QString crossMode = QStringLiteral("Tone->Tone");
    QString mode = QStringLiteral("FM");
    QString tStep = QStringLiteral("5.0");
    QString skip;
    bool hasPower = false; // a Power column was read
    QString powerWatts;    // decimal text of the watts, when hasPower
    QString comment;
    bool dstarFields = false; // URCALL, RPT1CALL, RPT2CALL or DVCODE not empty
};

// What went wrong in a field: the column and a message in the words CHIRP
// would use, in the language of the moment (vq740::translate) when the field
// was read.
struct ChirpFieldError {
    ChirpColumn column = ChirpColumn::Location;
    QString message;
    bool failed() const { return !message.isEmpty(); }
};

// Parses a data record under a header as CHIRP's reader does; fields of
// columns missing from the header keep CHIRP's memory defaults (a missing
// rToneFreq or cToneFreq copies the other). The first bad field is
// reported and the memory is then of no use.
ChirpMemory parseChirpRecord(const ChirpHeader &header, const QStringList &fields,
                             ChirpFieldError *error);

// CHIRP's frequency forms: "146.52", "146", ".6", "146.52 MHz", "600 kHz".
// More than six decimals is an error. An empty text is 0 Hz.
bool parseChirpFrequency(const QString &text, qint64 *hertz);

// The MHz text CHIRP writes, "%d.%06d": 146520000 gives "146.520000".
QString chirpFrequencyText(qint64 hertz);

// CHIRP's power forms: "5", "5.0", "5W", "5.0 W", "5w". Gives the decimal
// text of the watts; "High", "L1", "" and "-1" are refused.
bool parseChirpPower(const QString &text, QString *watts);

// The modes CHIRP knows (case-sensitive).
const QStringList &chirpModes();
// CHIRP's cross modes, TX->RX.
const QStringList &chirpCrossModes();
// CHIRP's 50 CTCSS tones (199.5 where the radio's list has 199.9) and its
// 104 DCS codes (the radio's 105 without 645), as texts.
const QStringList &chirpCtcssTones();
const QStringList &chirpDcsCodes();
