// Import of a CHIRP CSV channel list into the 16 channels, against the band
// limits of a range: the rows CHIRP's reader would take, then the radio's own
// entry rules (band test, rounding to 10 Hz, snap onto the channel step), the
// tone mapping, mode, power and scan rules. Every row that does not fit is
// refused with CHIRP's line number and the column at fault.
#pragma once

#include "model/channeltable.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>

struct EditorState;

enum class Placement {
    ByLocation, // Location 1 to 16 is the channel; other locations are refused
    Sequential, // the first 16 rows that fit fill channels 1 to 16 in file order
};

struct ImportOptions {
    Placement placement = Placement::ByLocation;
    int bandPosition = 0; // the range whose limits every frequency must keep
    qint16 language = 1;  // of the cell texts and the report (0 Chinese)
};

struct ChirpImport {
    // False when the file cannot be used at all (not a CHIRP list, no row
    // fits); `problem` then says why and nothing may be applied.
    bool usable = false;
    QString problem;
    ChannelTable channels; // the 16 channels; those no row fills are empty
    int taken = 0;         // rows placed into a channel
    int snapped = 0;       // placed rows whose RX or TX frequency moved
    int refused = 0;       // rows that do not fit
    int skipped = 0;       // blank rows and rows without a frequency
    int leftOver = 0;      // rows after the 16th that fitted (sequential)
    // "Line 5: [Frequency] ..." one per refused row; more than three rows
    // that name no channel 1 to 16 share one line that counts them.
    QStringList refusals;
    QStringList snaps; // one per snapped row
    QStringList notes; // what was dropped, warnings, replaced locations
};

ChirpImport importChirpCsv(const QByteArray &bytes, const ImportOptions &options);

// The report of an import as text in the language: the counts, then the
// refusals, the snaps and the notes, each part's first 100 lines and the
// count of the others.
QString importReportText(const ChirpImport &import, qint16 language);
// The one-line summary: "Rows taken: 16, snapped: 2, refused: 3."
QString importSummary(const ChirpImport &import, qint16 language);

// The editor state with its 16 channels replaced by the imported ones; the
// band, the function settings and everything else stay.
EditorState stateWithImport(const EditorState &state, const ChirpImport &import);
