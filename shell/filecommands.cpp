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
    port.show(stateFileMessage(status, path, state.language), MsgStyle::IconStop, QString());
}
} // namespace

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

FileOutcome openCommand(EditorState &state, FileChooser &chooser, MessagePort &port) {
    const QString path = chooser.openPath(dataFileFilter());
    if (path.isEmpty())
        return FileOutcome::Cancelled;
    return openDataFile(state, path, port);
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

FileOutcome saveCommand(const EditorState &state, FileChooser &chooser, MessagePort &port) {
    for (;;) {
        const QString path = chooser.savePath(dataFileFilter());
        if (path.isEmpty())
            return FileOutcome::Cancelled;
        if (QFileInfo::exists(path)) {
            const int answer = port.show(
                chinese(state) ? QStringLiteral("该文件已存在，是否覆盖？")
                               : QStringLiteral("This file already exists, whether to cover?"),
                MsgStyle::YesNo | MsgStyle::IconQuestion, QString());
            if (answer != MsgResult::Yes)
                continue;
        }
        const StateFileStatus status = saveStateFile(path, state, StateFileKind::DataFile);
        if (!status.ok()) {
            reportFileError(state, port, status, path);
            return FileOutcome::Failed;
        }
        return FileOutcome::Done;
    }
}
