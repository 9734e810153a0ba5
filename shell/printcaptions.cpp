#include "shell/printcaptions.h"

#include "model/editorstate.h"
#include "model/settingfields.h"
#include "shell/captiontable.h"
#include "shell/functionfields.h"

QList<SettingLine> functionSettingLines(const EditorState &state, qint16 language) {
    QList<SettingLine> lines;
    for (const SettingField *field : functionPanelFields()) {
        if (!functionShown(*field))
            continue;
        QString label = captionText(functionCaptionLabel(*field), language);
        if (label.endsWith(QLatin1Char(':')))
            label.chop(1);
        lines << SettingLine{label, captionText(QLatin1String(field->control), language,
                                                CaptionKind::ListItem, numberValue(*field, state))};
    }
    return lines;
}

QString channelListDocument(const EditorState &state, const ChannelListOptions &options) {
    return channelListHtml(state, functionSettingLines(state, state.language), options);
}
