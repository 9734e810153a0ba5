#include "interop/channellist.h"

#include "model/bands.h"
#include "model/celltexts.h"
#include "model/editorstate.h"
#include "model/texts.h"

using vq740::translate;

namespace {
// The shade of every second channel, as in the window's table.
const char kShade[] = "#c0c0ff";

QString escaped(const QString &text) {
    return text.toHtmlEscaped();
}
} // namespace

QString channelListTitle(qint16 language) {
    const TextLanguage scope(language);
    return translate("ChannelList", "VQ-740 Channel List");
}

QString channelListHtml(const EditorState &state, const QList<SettingLine> &settings,
                        const ChannelListOptions &options) {
    const qint16 language = state.language;
    const TextLanguage scope(language);
    const ChannelTable &t = state.channels;
    QString html;
    html += QStringLiteral("<!DOCTYPE html>\n<html lang=\"%1\"><head><meta charset=\"utf-8\">")
                .arg(translate("ChannelList", "en", "the language of the page, as HTML names it"));
    html += QStringLiteral("<title>%1</title></head>\n<body>\n")
                .arg(escaped(channelListTitle(language)));
    html += QStringLiteral("<h1>%1</h1>\n").arg(escaped(channelListTitle(language)));
    html +=
        QStringLiteral("<p>%1 %2<br>%3 %4</p>\n")
            .arg(escaped(translate("ChannelList", "Range:")), escaped(bandText(state.bandPosition)),
                 escaped(translate("ChannelList", "Date:")), options.date.toString(Qt::ISODate));

    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\" "
                           "style=\"border-collapse: collapse\">\n<thead><tr>");
    // A caption stays on one line: "RX QT/DQT" would otherwise break after
    // its slash. The table takes the page's whole width, which holds them.
    for (int c = 0; c < kColumnCount; ++c)
        html += QStringLiteral("<th style=\"white-space: nowrap\">%1</th>")
                    .arg(escaped(columnCaption(c, language)));
    html += QStringLiteral("</tr></thead>\n<tbody>\n");
    int shown = 0;
    for (int row = 1; row <= kChannelCount; ++row) {
        if (options.omitEmpty && !t.inUse(row))
            continue;
        ++shown;
        html += row % 2 == 0 ? QStringLiteral("<tr bgcolor=\"%1\">").arg(QLatin1String(kShade))
                             : QStringLiteral("<tr>");
        for (int c = 0; c < kColumnCount; ++c)
            html += QStringLiteral("<td align=\"center\">%1</td>").arg(escaped(t.cell(row, c)));
        html += QStringLiteral("</tr>\n");
    }
    html += QStringLiteral("</tbody></table>\n");
    if (shown == 0)
        html += QStringLiteral("<p>%1</p>\n")
                    .arg(escaped(translate("ChannelList", "No channel is in use.")));

    html += QStringLiteral("<h2>%1</h2>\n<table cellspacing=\"0\" cellpadding=\"3\">\n")
                .arg(escaped(translate("ChannelList", "Functions Setting")));
    for (const SettingLine &line : settings)
        html += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>\n")
                    .arg(escaped(line.label), escaped(line.value));
    html += QStringLiteral("</table>\n</body></html>\n");
    return html;
}
