#include "model/channelcolumns.h"

#include "model/celltexts.h"
#include "model/channeltable.h"

void writeNewChannel(ChannelTable &table, int row, const QString &rx, qint16 language) {
    for (int c = 0; c < kColumnCount; ++c) {
        switch (columnKind(c)) {
        case ColumnKind::Number:
            break;
        case ColumnKind::Frequency:
            table.setCell(row, c, rx);
            break;
        case ColumnKind::Tone:
            table.setCell(row, c, offCaption(language));
            break;
        case ColumnKind::Option:
            table.setOption(row, c, columnField(c).newItem, language);
            break;
        }
    }
}
