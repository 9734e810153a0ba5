#include "shell/printcaptions.h"

#include "model/editorstate.h"
#include "shell/captiontable.h"

QList<SettingLine> functionSettingLines(const EditorState &state, qint16 language) {
    const FunctionSettings &f = state.functions;
    // The label and the list of each setting the window shows.
    const struct {
        const char *label;
        const char *list;
        int selected;
    } settings[] = {{"Label4", "Combo2", f.voiceNotice},
                    {"Label5", "Combo3", f.timeoutTimer},
                    {"Label6", "Combo9", f.squelchLevel},
                    {"Label7", "Combo6", f.batterySave},
                    {"Label8", "Combo7", f.beep}};
    QList<SettingLine> lines;
    for (const auto &s : settings) {
        QString label = captionText(QLatin1String(s.label), language);
        if (label.endsWith(QLatin1Char(':')))
            label.chop(1);
        lines << SettingLine{
            label, captionText(QLatin1String(s.list), language, CaptionKind::ListItem, s.selected)};
    }
    return lines;
}

QString channelListDocument(const EditorState &state, const ChannelListOptions &options) {
    return channelListHtml(state, functionSettingLines(state, state.language), options);
}
