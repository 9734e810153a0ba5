// One channel record of the memory image: 16 bytes, channel c at
// (c - 1) * 16.
//
//   byte   0  1  2  3   4  5  6  7   8  9   10 11   12     13      14  15
//        +-----------+-----------+------+------+------+-------+----+----+
//        |    RX     |    TX     |  RX  |  TX  | BCLO | power | FC | FF |
//        | frequency | frequency | tone | tone |      | /band |    |    |
//        +-----------+-----------+------+------+------+-------+----+----+
//         BCD, least significant    words, low
//         byte first; FFFFFFFF =    byte first;
//         none (RX none: the        FFFF = no tone
//         whole channel is empty)
//
//   BCLO byte (12):        7 6 5 4 3 2 1 0
//                          1 1 1 1 B 0 0 0    B: busy-channel lock-out, 1 Carrier, 0 Off
//   power/band byte (13):  1 1 P W 0 0 0 0    P: 1 High, 0 Low power; W: 1 Wide, 0 Narrow
//
// An empty channel is FFFFFFFF FFFFFFFF FFFF FFFF F8 F0 FC FF.
//
// The table of columns (model/channelcolumns.h) says which bytes and bits
// hold each column; here each kind of column has its codec.
#pragma once

#include <QByteArray>
#include <QtGlobal>

class ChannelTable;

namespace ChannelRecord {
// Reads channel `channel` (1 to 16) from the bytes of an image: its record
// and its Scan Add bit. A record without RX frequency is a channel not in
// use: its cells are emptied, its option indexes stay.
void decode(ChannelTable &table, int channel, const uchar *image, qint16 language);

// Writes channel `channel` into an encoded image: its record and its Scan
// Add bit.
void encode(const ChannelTable &table, int channel, qint16 language, QByteArray &image);
} // namespace ChannelRecord
