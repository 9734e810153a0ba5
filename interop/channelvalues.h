// The values of one channel as the interchange formats carry them, and the
// one way they are written into the channel table: cell texts in the
// language, the option index table in step.
#pragma once

#include "interop/chirptones.h"
#include "model/channelcolumns.h"

#include <QString>
#include <QtGlobal>

class ChannelTable;

struct ChannelValues {
    QString rx; // DDD.DDDDD
    QString tx; // DDD.DDDDD, or empty: no transmit frequency
    ToneValue rxTone;
    ToneValue txTone;
    // The item of each option column (items[ColPower], ...), at first the
    // new channel's.
    ColumnItems items = newChannelItems();
};

// Writes a channel in use. A channel without TX frequency and without TX
// tone keeps its TX tone cell empty, as decoding shows it.
void writeChannelValues(ChannelTable &table, int row, const ChannelValues &values, qint16 language);
