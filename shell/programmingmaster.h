// The master of a programming run: the contents every radio is written
// with, its name and SHA-256 for the journal, and what the radio could not
// hold as the master has it, looked at once before the first radio.
#pragma once

#include "image/statefile.h"
#include "image/writechecks.h"
#include "model/editorstate.h"

#include <QList>
#include <QString>
#include <QtGlobal>

struct ProgrammingMaster {
    EditorState state;
    QString name;                 // the journal's master: the file, or the editor's
    QString digest;               // SHA-256 of the bytes every radio is written with
    QList<WriteWarning> errors;   // what stops the run before the first radio
    QList<WriteWarning> warnings; // worth knowing, no reason to stop
    bool usable() const { return errors.isEmpty(); }
};

// A problem of the master that stops the run before the first radio: what
// no radio of the master's band could hold as the master has it. A TX tone
// without TX frequency is only a warning; the radio's own band is looked at
// radio by radio.
bool isMasterError(const WriteWarning &warning);

// The master made of `state` as it is, without the band question and
// without the service block (as a programming line writes it), named
// `name` in the journal.
ProgrammingMaster programmingMaster(const EditorState &state, const QString &name);

// The journal's name for the editor's contents: "editor: " and the file the
// editor was opened from or saved to, or "editor: untitled".
QString editorMasterName(const QString &filePath);

// Loads the master file `path` as Open does (a name ending in .json is the
// JSON form, any other a data file) over the start-up values; messages in
// the language flag `language`. The master is named by the file's whole
// path. On failure `master` is left as it was.
StateFileStatus loadMasterFile(const QString &path, qint16 language, ProgrammingMaster *master);
