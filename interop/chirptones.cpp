#include "interop/chirptones.h"

#include "editor/toneentry.h"
#include "image/tonewords.h"
#include "model/celltexts.h"
#include "model/hexhelpers.h"
#include "model/quotedvalue.h"
#include "model/texts.h"
#include "model/tonelist.h"

using vq740::translate;

namespace {
const QString kUnusedCtcss = QStringLiteral("88.5");
constexpr int kUnusedDcs = 23;

QString dcsText(int code) {
    return QStringLiteral("%1").arg(code, 3, 10, QLatin1Char('0'));
}

bool fail(ChirpFieldError *error, ChirpColumn column, const QString &message) {
    if (error && !error->failed()) {
        error->column = column;
        error->message = QStringLiteral("[%1] %2").arg(chirpHeader().at(int(column)), message);
    }
    return false;
}

bool ctcssTone(const QString &value, ChirpColumn column, ToneValue *tone, ChirpFieldError *error) {
    // The radio takes any typed tone of 67.0-254.1 Hz, 199.5 and 100.3 too;
    // the rule is the tone selector's.
    const QString text = ctcssCellText(value);
    if (text.isEmpty() || !isDecimalNumber(value))
        return fail(error, column,
                    translate("ChirpImport", "tone %1 Hz lies outside 67.0-254.1 Hz")
                        .arg(shownValue(value)));
    tone->kind = ToneKind::Ctcss;
    tone->ctcss = text;
    return true;
}

bool dcsTone(int code, QChar polarity, ChirpColumn column, ToneValue *tone,
             ChirpFieldError *error) {
    const QString text = dcsText(code);
    if (!dcsCodes().contains(text))
        return fail(error, column,
                    translate("ChirpImport", "DCS code %1 is not one of the radio's").arg(text));
    tone->kind = ToneKind::Dcs;
    tone->dcsCode = text;
    tone->inverted = polarity == QLatin1Char('R');
    return true;
}
} // namespace

bool toneOfCell(const QString &cell, ToneValue *tone) {
    *tone = ToneValue();
    if (cell.isEmpty() || isOffText(cell))
        return true;
    if (cell.size() == 5 && cell.startsWith(QLatin1Char('D')) &&
        (cell.endsWith(QLatin1Char('N')) || cell.endsWith(QLatin1Char('I')))) {
        const QString code = cell.mid(1, 3);
        for (QChar c : code)
            if (c.unicode() < '0' || c.unicode() > '7')
                return false;
        tone->kind = ToneKind::Dcs;
        tone->dcsCode = code;
        tone->inverted = cell.endsWith(QLatin1Char('I'));
        return true;
    }
    if (toneTextKind(cell) == ToneTextKind::Kept) {
        tone->kind = ToneKind::Kept;
        tone->kept = cell;
        return true;
    }
    if (!isDecimalNumber(cell))
        return false;
    tone->kind = ToneKind::Ctcss;
    tone->ctcss = cell;
    return true;
}

QString cellOfTone(const ToneValue &tone, qint16 language) {
    switch (tone.kind) {
    case ToneKind::Off:
        return offCaption(language);
    case ToneKind::Ctcss:
        return tone.ctcss;
    case ToneKind::Dcs:
        return QLatin1Char('D') + tone.dcsCode +
               (tone.inverted ? QLatin1Char('I') : QLatin1Char('N'));
    case ToneKind::Kept:
        return tone.kept;
    }
    return QString();
}

bool tonesFromChirp(const ChirpMemory &m, ChirpTones *tones, ChirpFieldError *error) {
    using C = ChirpColumn;
    *tones = ChirpTones();
    const QChar txPolarity = m.dtcsPolarity.at(0);
    const QChar rxPolarity = m.dtcsPolarity.at(1);
    if (m.tone.isEmpty())
        return true;
    if (m.tone == QLatin1String("Tone"))
        return ctcssTone(m.rToneFreq, C::RToneFreq, &tones->tx, error);
    if (m.tone == QLatin1String("TSQL"))
        return ctcssTone(m.cToneFreq, C::CToneFreq, &tones->tx, error) &&
               ctcssTone(m.cToneFreq, C::CToneFreq, &tones->rx, error);
    if (m.tone == QLatin1String("DTCS"))
        return dcsTone(m.dtcsCode, txPolarity, C::DtcsCode, &tones->tx, error) &&
               dcsTone(m.dtcsCode, rxPolarity, C::DtcsCode, &tones->rx, error);
    if (m.tone != QLatin1String("Cross"))
        return fail(error, C::Tone,
                    translate("ChirpImport", "reverse squelch (%1) is not supported by the radio")
                        .arg(m.tone));
    const QString tx = m.crossMode.section(QLatin1String("->"), 0, 0);
    const QString rx = m.crossMode.section(QLatin1String("->"), 1, 1);
    bool ok = true;
    if (tx == QLatin1String("Tone"))
        ok = ctcssTone(m.rToneFreq, C::RToneFreq, &tones->tx, error);
    else if (tx == QLatin1String("DTCS"))
        ok = dcsTone(m.dtcsCode, txPolarity, C::DtcsCode, &tones->tx, error);
    if (!ok)
        return false;
    if (rx == QLatin1String("Tone"))
        return ctcssTone(m.cToneFreq, C::CToneFreq, &tones->rx, error);
    if (rx == QLatin1String("DTCS"))
        return dcsTone(m.rxDtcsCode, rxPolarity, C::RxDtcsCode, &tones->rx, error);
    return true;
}

void tonesToChirp(const ChirpTones &given, ChirpMemory *m) {
    // A kept tone word has no CHIRP form: that side goes without a tone.
    ChirpTones t = given;
    for (ToneValue *side : {&t.rx, &t.tx})
        if (side->kind == ToneKind::Kept)
            *side = ToneValue();
    m->rToneFreq = kUnusedCtcss;
    m->cToneFreq = kUnusedCtcss;
    m->dtcsCode = kUnusedDcs;
    m->rxDtcsCode = kUnusedDcs;
    m->crossMode = QStringLiteral("Tone->Tone");
    const QChar txPolarity =
        t.tx.kind == ToneKind::Dcs && t.tx.inverted ? QLatin1Char('R') : QLatin1Char('N');
    const QChar rxPolarity =
        t.rx.kind == ToneKind::Dcs && t.rx.inverted ? QLatin1Char('R') : QLatin1Char('N');
    m->dtcsPolarity = QString(txPolarity) + rxPolarity;
    if (t.tx.kind == ToneKind::Ctcss)
        m->rToneFreq = t.tx.ctcss;
    if (t.rx.kind == ToneKind::Ctcss)
        m->cToneFreq = t.rx.ctcss;
    if (t.tx.kind == ToneKind::Dcs)
        m->dtcsCode = t.tx.dcsCode.toInt();
    if (t.rx.kind == ToneKind::Dcs)
        m->rxDtcsCode = t.rx.dcsCode.toInt();

    const ToneKind rx = t.rx.kind;
    const ToneKind tx = t.tx.kind;
    if (rx == ToneKind::Off && tx == ToneKind::Off) {
        m->tone.clear();
    } else if (rx == ToneKind::Off && tx == ToneKind::Ctcss) {
        m->tone = QStringLiteral("Tone");
    } else if (rx == ToneKind::Ctcss && tx == ToneKind::Ctcss && t.rx.ctcss == t.tx.ctcss) {
        m->tone = QStringLiteral("TSQL");
    } else if (rx == ToneKind::Dcs && tx == ToneKind::Dcs && t.rx.dcsCode == t.tx.dcsCode) {
        m->tone = QStringLiteral("DTCS");
    } else {
        static const char *const kKind[3] = {"", "Tone", "DTCS"};
        m->tone = QStringLiteral("Cross");
        m->crossMode = QStringLiteral("%1->%2").arg(QLatin1String(kKind[int(tx)]),
                                                    QLatin1String(kKind[int(rx)]));
    }
}
