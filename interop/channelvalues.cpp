#include "interop/channelvalues.h"

#include "model/channeltable.h"

void writeChannelValues(ChannelTable &table, int row, const ChannelValues &v, qint16 language) {
    table.ClearNO(row);
    table.setCell(row, ColRxFrequency, v.rx);
    table.setCell(row, ColTxFrequency, v.tx);
    table.setCell(row, ColRxTone, cellOfTone(v.rxTone, language));
    const bool noTxTone = v.tx.isEmpty() && v.txTone.kind == ToneKind::Off;
    table.setCell(row, ColTxTone, noTxTone ? QString() : cellOfTone(v.txTone, language));
    for (int c = 0; c < kColumnCount; ++c)
        if (isOptionColumn(c))
            table.setOption(row, c, v.items[c], language);
}
