#include "shell/filecommands.h"

#include "image/statefile.h"
#include "model/editorstate.h"
#include "model/messageport.h"

#include <QFileInfo>

namespace {
bool chinese(const EditorState &state) {
    return state.language == 0;
}

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
    const bool zh = chinese(state);
    const int answer =
        port.show(zh ? QStringLiteral("所有信道的数据将被清除！")
                     : QStringLiteral("All channel data will be clear."),
                  MsgStyle::OkCancel | MsgStyle::IconExclamation | MsgStyle::DefaultButton2,
                  zh ? QStringLiteral("警告") : QStringLiteral("Warnning"));
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
    for (;;) {
        QString path = ask();
        if (path.isEmpty() || !QFileInfo::exists(path))
            return path;
        const int answer =
            port.show(language == 0 ? QStringLiteral("该文件已存在，是否覆盖？")
                                    : QStringLiteral("This file already exists, whether to cover?"),
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
    return language == 0 ? QStringLiteral("未命名") : QStringLiteral("untitled");
}

UnsavedAnswer askToSaveChanges(MessagePort &port, const QString &name, qint16 language) {
    const bool zh = language == 0;
    const QString text =
        zh ? QStringLiteral("信道或设置的修改尚未保存。是否将修改保存到 %1？\n"
                            "选“是”保存，选“否”放弃修改。")
                 .arg(name)
           : QStringLiteral("The channels or settings have changes that are not saved. Save the "
                            "changes to %1?\nYes saves them, No discards them.")
                 .arg(name);
    const int answer =
        port.show(text, MsgStyle::YesNoCancel | MsgStyle::IconExclamation,
                  zh ? QStringLiteral("未保存的修改") : QStringLiteral("Unsaved changes"));
    switch (answer) {
    case MsgResult::Yes:
        return UnsavedAnswer::Save;
    case MsgResult::No:
        return UnsavedAnswer::Discard;
    default:
        return UnsavedAnswer::Cancel;
    }
}
