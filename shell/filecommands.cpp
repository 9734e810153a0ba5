#include "shell/filecommands.h"

#include "image/datafile.h"
#include "image/imagecodec.h"
#include "model/editorstate.h"
#include "model/messageport.h"

#include <QFileInfo>

namespace {
bool chinese(const EditorState &state) {
    return state.language == 0;
}

void reportFileError(const EditorState &state, MessagePort &port, DataFileError error,
                     const QString &path) {
    port.show(dataFileErrorMessage(error, path, state.language), MsgStyle::IconStop, QString());
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
    DataFileError error = DataFileError::None;
    const QString image = readDataFile(path, &error);
    if (error != DataFileError::None) {
        reportFileError(state, port, error, path);
        return FileOutcome::Failed;
    }
    if (!DecodeImage(state, image)) {
        reportFileError(state, port, DataFileError::TooShort, path);
        return FileOutcome::Failed;
    }
    return FileOutcome::Done;
}

FileOutcome saveCommand(const EditorState &state, FileChooser &chooser, MessagePort &port) {
    for (;;) {
        const QString path = chooser.savePath(dataFileFilter());
        if (path.isEmpty())
            return FileOutcome::Cancelled;
        const QString image = EncodeImage(state);
        if (QFileInfo::exists(path)) {
            const int answer = port.show(
                chinese(state) ? QStringLiteral("该文件已存在，是否覆盖？")
                               : QStringLiteral("This file already exists, whether to cover?"),
                MsgStyle::YesNo | MsgStyle::IconQuestion, QString());
            if (answer != MsgResult::Yes)
                continue;
        }
        DataFileError error = DataFileError::None;
        if (!writeDataFile(path, image, &error)) {
            reportFileError(state, port, error, path);
            return FileOutcome::Failed;
        }
        return FileOutcome::Done;
    }
}
