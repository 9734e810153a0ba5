// Rows of CHIRP CSV files for tests: CHIRP's 21-column header and rows made
// from CHIRP's defaults with some fields changed.
#pragma once

#include "interop/chirpmemory.h"
#include "interop/csvtext.h"

#include <QMap>
#include <QStringList>

// A 21-column row: Location 1, 146.520000 MHz simplex, no tone, FM, 5.0W,
// with the fields named in `changes` replaced.
inline QStringList chirpRow(const QMap<QString, QString> &changes = {}) {
    QMap<QString, QString> f = {
        {"Location", "1"},      {"Frequency", "146.520000"}, {"Offset", "0.000000"},
        {"rToneFreq", "88.5"},  {"cToneFreq", "88.5"},       {"DtcsCode", "023"},
        {"DtcsPolarity", "NN"}, {"RxDtcsCode", "023"},       {"CrossMode", "Tone->Tone"},
        {"Mode", "FM"},         {"TStep", "5.00"},           {"Power", "5.0W"}};
    for (auto it = changes.begin(); it != changes.end(); ++it)
        f[it.key()] = it.value();
    QStringList fields;
    for (const QString &name : chirpHeader())
        fields << f.value(name);
    return fields;
}

// A whole file: the header and the rows, CRLF.
inline QByteArray chirpFile(const QList<QStringList> &rows,
                            const QStringList &header = chirpHeader()) {
    QString text = csvRecordText(header) + "\r\n";
    for (const QStringList &r : rows)
        text += csvRecordText(r) + "\r\n";
    return text.toUtf8();
}
