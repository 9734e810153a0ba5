// The File menu's Import, Export and Export PDF commands on the editor
// state. As with New, Open and Save, the window only forwards: file names
// come from a FileChooser, messages go through the MessagePort, and the
// questions of these commands (placement, the import report, print options)
// through InteropPrompts.
#pragma once

#include "interop/channellist.h"
#include "interop/chirpimport.h"
#include "shell/filecommands.h"

#include <QByteArray>
#include <QString>

#include <functional>

class InteropPrompts {
public:
    virtual ~InteropPrompts() = default;
    // How the rows of a CHIRP file are placed; false: cancelled.
    virtual bool askPlacement(Placement *placement) = 0;
    // Shows the report of an import; true (OK) applies it. An import that
    // cannot be used is only shown, and the answer does not count.
    virtual bool confirmImport(const ChirpImport &import) = 0;
    // The options of a printed channel list; false: cancelled.
    virtual bool askPrintOptions(ChannelListOptions *options) = 0;
};

// The file dialogs' filters for CHIRP CSV files and PDF files.
QString csvFileFilter();
QString pdfFileFilter();

// Import: asks for a CHIRP CSV file, the placement, then shows the report.
// On OK `next` receives the state with the imported channels and the
// outcome is Done; Cancel at any step changes nothing. A file that cannot
// be read, or from which no row fits, is Failed.
FileOutcome importCommand(const EditorState &state, FileChooser &chooser, MessagePort &port,
                          InteropPrompts &prompts, EditorState *next);

// Export: asks for a file name (a name without extension gets .csv), shows
// the warnings and notes of the export with OK/Cancel when there are any,
// and writes the file whole. A failed write is reported naming the file.
FileOutcome exportCommand(const EditorState &state, FileChooser &chooser, MessagePort &port);

// Export PDF: asks for a file name (.pdf added when missing) and the print
// options, then writes the bytes `render` makes of the document.
using PdfRenderer = std::function<QByteArray(const QString &html, const QString &title)>;
FileOutcome exportPdfCommand(const EditorState &state, FileChooser &chooser, MessagePort &port,
                             InteropPrompts &prompts, const PdfRenderer &render);
