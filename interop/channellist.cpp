#include "interop/channellist.h"

#include "interop/channelvalues.h"
#include "model/bands.h"
#include "model/celltexts.h"
#include "model/editorstate.h"

namespace {
// The shade of every second channel, as in the window's table.
const char kShade[] = "#c0c0ff";

QString escaped(const QString &text) {
    return text.toHtmlEscaped();
}
} // namespace

QString channelListTitle(qint16 language) {
    return zhEn(language, QStringLiteral("VQ-740 信道表"), QStringLiteral("VQ-740 Channel List"));
}

QString channelListHtml(const EditorState &state, const QList<SettingLine> &settings,
                        const ChannelListOptions &options) {
    const qint16 language = state.language;
    const ChannelTable &t = state.channels;
    QString html;
    html += QStringLiteral("<!DOCTYPE html>\n<html lang=\"%1\"><head><meta charset=\"utf-8\">")
                .arg(zhEn(language, QStringLiteral("zh-CN"), QStringLiteral("en")));
    html += QStringLiteral("<title>%1</title></head>\n<body>\n")
                .arg(escaped(channelListTitle(language)));
    html += QStringLiteral("<h1>%1</h1>\n").arg(escaped(channelListTitle(language)));
    html += QStringLiteral("<p>%1 %2<br>%3 %4</p>\n")
                .arg(escaped(zhEn(language, QStringLiteral("频段："), QStringLiteral("Range:"))),
                     escaped(bandText(state.bandPosition)),
                     escaped(zhEn(language, QStringLiteral("日期："), QStringLiteral("Date:"))),
                     options.date.toString(Qt::ISODate));

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
                    .arg(escaped(zhEn(language, QStringLiteral("没有使用中的信道。"),
                                      QStringLiteral("No channel is in use."))));

    html += QStringLiteral("<h2>%1</h2>\n<table cellspacing=\"0\" cellpadding=\"3\">\n")
                .arg(escaped(zhEn(language, QStringLiteral("功能设置"),
                                  QStringLiteral("Functions Setting"))));
    for (const SettingLine &line : settings)
        html += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>\n")
                    .arg(escaped(line.label), escaped(line.value));
    html += QStringLiteral("</table>\n</body></html>\n");
    return html;
}
