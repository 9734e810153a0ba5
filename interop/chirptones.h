// The two tone cells of a channel (RX: the tone the receiver requires; TX:
// the tone it sends) against CHIRP's tone model (Tone mode, CrossMode,
// rToneFreq, cToneFreq, DtcsCode, DtcsPolarity, RxDtcsCode), both ways.
// Polarity R in CHIRP is the radio's I (inverted); the first polarity
// character is the TX side.
#pragma once

#include "interop/chirpmemory.h"

#include <QString>

// Kept: a tone word kept exactly as the radio held it ("[2013]"), which
// has no tone form; CHIRP's fields leave it out.
enum class ToneKind { Off, Ctcss, Dcs, Kept };

// A tone as a cell holds it: Off, a CTCSS frequency ("88.5"), or a DCS code
// ("023") with its polarity.
struct ToneValue {
    ToneKind kind = ToneKind::Off;
    QString ctcss;
    QString dcsCode;
    bool inverted = false;
    QString kept; // the cell text of a kept word
    bool operator==(const ToneValue &o) const {
        return kind == o.kind && ctcss == o.ctcss && dcsCode == o.dcsCode &&
               inverted == o.inverted && kept == o.kept;
    }
};

// The tone of a cell text; false for a text that is none (Off and an empty
// cell are Off).
bool toneOfCell(const QString &cell, ToneValue *tone);
// The cell text of a tone ("88.5", "D023I", or the Off caption).
QString cellOfTone(const ToneValue &tone, qint16 language);

struct ChirpTones {
    ToneValue rx;
    ToneValue tx;
};

// The tones of a CHIRP memory, as CHIRP's split_tone_encode gives them;
// then each CTCSS value must lie in 67.0-254.1 Hz and each DCS code be one
// of the radio's 105. On a refusal `error` names the column.
bool tonesFromChirp(const ChirpMemory &memory, ChirpTones *tones, ChirpFieldError *error);

// The CHIRP tone fields of two tones, as split_tone_decode writes them, with
// the unused fields at 88.5 / 023 / Tone->Tone; a TSQL row writes its tone
// into both frequency fields and a DTCS row its code into both code fields.
void tonesToChirp(const ChirpTones &tones, ChirpMemory *memory);
