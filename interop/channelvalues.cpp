#include "interop/channelvalues.h"

#include "model/channeltable.h"

void writeChannelValues(ChannelTable &table, int row, const ChannelValues &v, qint16 language) {
    table.ClearNO(row);
    table.setCell(row, ColRxFrequency, v.rx);
    table.setCell(row, ColTxFrequency, v.tx);
    table.setCell(row, ColRxTone, cellOfTone(v.rxTone, language));
    const bool noTxTone = v.tx.isEmpty() && v.txTone.kind == ToneKind::Off;
    table.setCell(row, ColTxTone, noTxTone ? QString() : cellOfTone(v.txTone, language));
    table.setOption(row, ColPower, v.power, language);
    table.setOption(row, ColBclo, v.bclo, language);
    table.setOption(row, ColWn, v.wn, language);
    table.setOption(row, ColScanAdd, v.scanAdd, language);
}
