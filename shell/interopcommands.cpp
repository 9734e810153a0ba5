#include "shell/interopcommands.h"

#include "image/filewriter.h"
#include "image/statefile.h"
#include "interop/channelvalues.h"
#include "interop/chirpfiles.h"
#include "model/editorstate.h"
#include "model/messageport.h"
#include "model/texts.h"
#include "shell/printcaptions.h"

#include <QDate>
#include <QFileInfo>

using vq740::translate;

namespace {
QString withSuffix(const QString &path, const QString &suffix) {
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + QLatin1Char('.') + suffix;
}

QString chooseExportPath(const EditorState &state, FileChooser &chooser, MessagePort &port,
                         const QString &filter, const QString &suffix) {
    return chooseNewFile(port, state.language,
                         [&] { return withSuffix(chooser.exportPath(filter, suffix), suffix); });
}

FileOutcome writeExport(const EditorState &state, MessagePort &port, const QString &path,
                        const QByteArray &bytes) {
    StateFileStatus status;
    if (!writeWholeFile(path, bytes, &status.detail)) {
        status.error = StateFileError::CannotWrite;
        reportStateFileError(port, state.language, status, path);
        return FileOutcome::Failed;
    }
    return FileOutcome::Done;
}
} // namespace

QString csvFileFilter() {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    return QStringLiteral("CHIRP CSV (*.csv)");
#else
    return QStringLiteral("CHIRP CSV (*.csv *.CSV)");
#endif
}

QString pdfFileFilter() {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    return QStringLiteral("PDF (*.pdf)");
#else
    return QStringLiteral("PDF (*.pdf *.PDF)");
#endif
}

FileOutcome importCommand(const EditorState &state, FileChooser &chooser, MessagePort &port,
                          InteropPrompts &prompts, EditorState *next) {
    const QString path = chooser.openPath(csvFileFilter());
    if (path.isEmpty())
        return FileOutcome::Cancelled;
    ImportOptions options;
    if (!prompts.askPlacement(&options.placement))
        return FileOutcome::Cancelled;
    options.bandPosition = state.bandPosition;
    options.language = state.language;
    StateFileStatus status;
    const ChirpImport import = importChirpFile(path, options, &status);
    if (!status.ok()) {
        reportStateFileError(port, state.language, status, path);
        return FileOutcome::Failed;
    }
    const bool confirmed = prompts.confirmImport(import);
    if (!import.usable)
        return FileOutcome::Failed;
    if (!confirmed)
        return FileOutcome::Cancelled;
    *next = stateWithImport(state, import);
    return FileOutcome::Done;
}

FileOutcome exportCommand(const EditorState &state, FileChooser &chooser, MessagePort &port) {
    const QString path =
        chooseExportPath(state, chooser, port, csvFileFilter(), QStringLiteral("csv"));
    if (path.isEmpty())
        return FileOutcome::Cancelled;
    const ChirpExport result = exportChirpCsv(state);
    const QStringList remarks = result.warnings + result.notes;
    if (!remarks.isEmpty()) {
        const TextLanguage scope(state.language);
        const QString text = translate("InteropCommands", "Export to %1:\n\n%2\n\nWrite the file?")
                                 .arg(QFileInfo(path).fileName(), remarks.join(QLatin1Char('\n')));
        const int answer = port.show(text, MsgStyle::OkCancel | MsgStyle::IconExclamation,
                                     translate("InteropCommands", "Export CHIRP CSV"));
        if (answer != MsgResult::Ok)
            return FileOutcome::Cancelled;
    }
    return writeExport(state, port, path, result.bytes);
}

FileOutcome exportPdfCommand(const EditorState &state, FileChooser &chooser, MessagePort &port,
                             InteropPrompts &prompts, const PdfRenderer &render) {
    const QString path =
        chooseExportPath(state, chooser, port, pdfFileFilter(), QStringLiteral("pdf"));
    if (path.isEmpty())
        return FileOutcome::Cancelled;
    ChannelListOptions options;
    options.date = QDate::currentDate();
    if (!prompts.askPrintOptions(&options))
        return FileOutcome::Cancelled;
    const QString html = channelListDocument(state, options);
    return writeExport(state, port, path, render(html, channelListTitle(state.language)));
}
