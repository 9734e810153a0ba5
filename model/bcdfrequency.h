// BCD frequencies: four bytes, least significant first, eight decimal digits
// in units of 10 Hz. The text form is DDD.DDDDD (MHz); FFFFFFFF is no
// frequency.
#pragma once

#include <QString>
#include <QtGlobal>

// The DDD.DDDDD text of four bytes. The digits are copied as they stand,
// so a byte that is not two decimal digits shows its hex digits.
QString frequencyTextOfBytes(const uchar *bytes);

// The 8 hex digits of a frequency text, least significant byte first:
// FFFFFFFF for an empty text, for 1000 MHz or more and for a text that is
// not a number. A text of another form than DDD.DDDDD (30.50000, say) is
// packed by its value, so the field always keeps its four bytes.
QString frequencyBytesOfText(const QString &text);
