#include "shell/filecommands.h"

#include "image/statefile.h"
#include "model/editorstate.h"
#include "model/messageport.h"
#include "model/texts.h"

#include <QFileInfo>

using vq740::translate;

namespace {
void reportFileError(const EditorState &state, MessagePort &port, const StateFileStatus &status,
                     const QString &path) {
    reportStateFileError(port, state.language, status, path);
}
} // namespace

void reportStateFileError(MessagePort &port, qint16 language, const StateFileStatus &status,
                          const QString &path) {
    port.show(stateFileMessage(status, path, language), MsgStyle::IconStop, QString());
}

QString dataFileFilter() {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    return applicationTitle() + QStringLiteral("(*.DAT)");
#else
    return applicationTitle() + QStringLiteral("(*.DAT *.dat)");
#endif
}

FileOutcome newCommand(EditorState &state, MessagePort &port) {
    const TextLanguage scope(state.language);
    const int answer =
        port.show(translate("FileCommands", "All channel data will be clear."),
                  MsgStyle::OkCancel | MsgStyle::IconExclamation | MsgStyle::DefaultButton2,
                  translate("FileCommands", "Warnning"));
    if (answer == MsgResult::Cancel)
        return FileOutcome::Cancelled;
    state.channels.ClearGrid1();
    return FileOutcome::Done;
}

FileOutcome openCommand(EditorState &state, FileChooser &chooser, MessagePort &port,
                        QString *opened) {
    const QString path = chooser.openPath(dataFileFilter());
    if (path.isEmpty())
        return FileOutcome::Cancelled;
    const FileOutcome outcome = openDataFile(state, path, port);
    if (outcome == FileOutcome::Done && opened)
        *opened = path;
    return outcome;
}

FileOutcome openDataFile(EditorState &state, const QString &path, MessagePort &port) {
    // A name ending in .json opens the JSON form; any other is a data file.
    const StateFileStatus status = loadStateFile(path, state, StateFileKind::DataFile);
    if (!status.ok()) {
        reportFileError(state, port, status, path);
        return FileOutcome::Failed;
    }
    return FileOutcome::Done;
}

QString chooseNewFile(MessagePort &port, qint16 language, const std::function<QString()> &ask) {
    const TextLanguage scope(language);
    for (;;) {
        QString path = ask();
        if (path.isEmpty() || !QFileInfo::exists(path))
            return path;
        const int answer =
            port.show(translate("FileCommands", "This file already exists, whether to cover?"),
                      MsgStyle::YesNo | MsgStyle::IconQuestion, QString());
        if (answer == MsgResult::Yes)
            return path;
    }
}

FileOutcome saveCommand(const EditorState &state, FileChooser &chooser, MessagePort &port,
                        QString *saved) {
    const QString path = chooseNewFile(port, state.language,
                                       [&chooser] { return chooser.savePath(dataFileFilter()); });
    if (path.isEmpty())
        return FileOutcome::Cancelled;
    const FileOutcome outcome = saveToFile(state, path, port);
    if (outcome == FileOutcome::Done && saved)
        *saved = path;
    return outcome;
}

FileOutcome saveToFile(const EditorState &state, const QString &path, MessagePort &port) {
    // A name ending in .json gets the JSON form; any other a data file.
    const StateFileStatus status = saveStateFile(path, state, StateFileKind::DataFile);
    if (!status.ok()) {
        reportFileError(state, port, status, path);
        return FileOutcome::Failed;
    }
    return FileOutcome::Done;
}

QString untitledName(qint16 language) {
    const TextLanguage scope(language);
    return translate("FileCommands", "untitled");
}

UnsavedAnswer askToSaveChanges(MessagePort &port, const QString &name, qint16 language) {
    const TextLanguage scope(language);
    const QString text =
        translate("FileCommands",
                  "The channels or settings have changes that are not saved. Save the "
                  "changes to %1?\nYes saves them, No discards them.")
            .arg(name);
    const int answer = port.show(text, MsgStyle::YesNoCancel | MsgStyle::IconExclamation,
                                 translate("FileCommands", "Unsaved changes"));
    switch (answer) {
    case MsgResult::Yes:
        return UnsavedAnswer::Save;
    case MsgResult::No:
        return UnsavedAnswer::Discard;
    default:
        return UnsavedAnswer::Cancel;
    }
}
