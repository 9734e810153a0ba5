// Byte layout of the memory image. Image byte n lies at radio address
// 0x0010 + n. An encoded image is 0x350 bytes; decoding reads 0x000-0x32F.
//
//   0x000-0x0FF  16 channel records of 16 bytes (channel c at (c-1)*16)
//                  +0 RX BCD  +4 TX BCD  +8 RX tone  +10 TX tone
//                  +12 BCLO (F0/F8)  +13 power/bandwidth  +14 FC  +15 FF
//   0x100-0x107  DTMF settings          0x108-0x10C FF
//   0x10D-0x10E  PF1, PF2               0x10F FF
//   0x110-0x119  ID Code                0x11A-0x11E FF
//   0x11F-0x12E  function settings      0x12F FF
//   0x130-0x13F  PTT ID Start Code      0x140-0x14F PTT ID End Code
//   0x150-0x158  scan settings          0x159-0x16D FF
//   0x16E-0x16F  Scan Add bitmap        0x170-0x172 FF
//   0x173        TX high power level    0x174-0x177 FF
//   0x178        TX low power level     0x179-0x1A7 FF
//   0x1A8-0x1AF  identity block: model identity, band code, F8, FF
//   0x1B0-0x1EF  FF
//   0x1F0-0x26F  Auto-dial Memory, 8 codes of 16 characters
//   0x270-0x2EF  16 test frequency pairs (RX, TX)
//   0x2F0-0x30F  embedded information line 1
//   0x310-0x32F  embedded information line 2
//   0x330-0x336  second model identity  0x337-0x33B FF
//   0x33C        band code again        0x33D-0x33F FF
//   0x340-0x347  "47318250"             0x348-0x34F 88 x 8
#pragma once

namespace Layout {
constexpr int kImageSize = 0x350;      // bytes of an encoded image
constexpr int kDecodedSize = 0x330;    // bytes decoding needs
constexpr int kRadioImageSize = 0x400; // bytes a read brings from the radio
constexpr int kRadioBase = 0x0010;     // radio address of image byte 0

constexpr int kChannelRecords = 0x000;
constexpr int kChannelRecordSize = 16;
constexpr int kDtmf = 0x100;
constexpr int kKeys = 0x10D;
constexpr int kIdCode = 0x110;
constexpr int kIdCodeLength = 10;
constexpr int kFunctionSettings = 0x11F;
constexpr int kPttIdStartCode = 0x130;
constexpr int kPttIdEndCode = 0x140;
constexpr int kPttIdCodeLength = 16;
constexpr int kScanSettings = 0x150;
constexpr int kScanAddBitmap = 0x16E;
constexpr int kTxHighPower = 0x173;
constexpr int kTxLowPower = 0x178;
constexpr int kIdentityBlock = 0x1A8;
constexpr int kBandCode = 0x1AD;
constexpr int kAutoDialMemory = 0x1F0;
constexpr int kAutoDialLength = 16;
constexpr int kTestFrequencies = 0x270;
constexpr int kEmbeddedLine1 = 0x2F0;
constexpr int kEmbeddedLine2 = 0x310;
constexpr int kEmbeddedLength = 32;
constexpr int kSecondIdentity = 0x330;
constexpr int kBandCodeRepeated = 0x33C;
} // namespace Layout
