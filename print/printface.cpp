#include "print/printface.h"

#include <QFontDatabase>
#include <QList>
#include <QRawFont>
#include <QStringList>

#include <algorithm>
#include <utility>

namespace {
// A face that has the Latin and the Chinese texts; Qt falls back to any
// other installed face for a missing character.
QStringList chineseFamilies() {
    return {QStringLiteral("Noto Sans CJK SC"),
            QStringLiteral("Noto Sans SC"),
            QStringLiteral("WenQuanYi Micro Hei"),
            QStringLiteral("Microsoft YaHei"),
            QStringLiteral("SimSun"),
            QStringLiteral("PingFang SC"),
            QStringLiteral("sans-serif")};
}

const QString kPrintFamily = QStringLiteral("VQ-740 Print");

// Characters the print face does not map: the CJK radicals (U+2E80 to
// U+2FDF) share their glyphs with the ideographs they stand for and come
// before them; surrogates are no characters.
bool leftOut(char32_t c) {
    return (c >= 0x2E80 && c < 0x2FE0) || (c >= 0xD800 && c < 0xE000);
}

// The tables copied from the installed face as they are: outlines, metrics
// and positioning. The substitutions (GSUB) are left out; the character map
// and the names are made here.
const char *const kCopiedTables[] = {"OS/2", "head", "hhea", "hmtx", "maxp", "post", "CFF ",
                                     "CFF2", "glyf", "loca", "cvt ", "fpgm", "prep", "gasp",
                                     "GDEF", "GPOS", "BASE", "vhea", "vmtx", "VORG", "kern"};

void put16(QByteArray &out, quint32 value) {
    out.append(char((value >> 8) & 0xFF));
    out.append(char(value & 0xFF));
}

void put32(QByteArray &out, quint32 value) {
    put16(out, value >> 16);
    put16(out, value & 0xFFFF);
}

// The sum of a table as big-endian 32-bit words, the last one padded.
quint32 checksum(const QByteArray &data) {
    const qsizetype size = data.size();
    quint32 sum = 0;
    for (qsizetype i = 0; i < size; i += 4) {
        quint32 word = 0;
        for (qsizetype k = i; k < i + 4; ++k)
            word = (word << 8) | (k < size ? quint32(uchar(data.at(k))) : 0);
        sum += word;
    }
    return sum;
}

// The face's own map of every character but those left out, written as one
// format 12 table (runs of characters on runs of glyphs) for Unicode on
// both platforms. Empty when the face maps nothing.
QByteArray characterMap(const QRawFont &face) {
    QList<char32_t> codes;
    QString text;
    codes.reserve(0x110000);
    text.reserve(0x110000 + 0x100000);
    for (char32_t c = 1; c < 0x110000; ++c) {
        if (leftOut(c))
            continue;
        codes.append(c);
        if (QChar::requiresSurrogates(c)) {
            text.append(QChar(QChar::highSurrogate(c)));
            text.append(QChar(QChar::lowSurrogate(c)));
        } else {
            text.append(QChar(char16_t(c)));
        }
    }
    QList<quint32> glyphs(text.size(), 0);
    int count = int(glyphs.size());
    if (!face.glyphIndexesForChars(text.constData(), int(text.size()), glyphs.data(), &count) ||
        count != codes.size())
        return {};

    struct Run {
        quint32 first, last, glyph;
    };
    QList<Run> runs;
    for (int i = 0; i < count; ++i) {
        const quint32 c = codes.at(i);
        const quint32 g = glyphs.at(i);
        if (g == 0)
            continue;
        if (!runs.isEmpty() && runs.last().last + 1 == c &&
            runs.last().glyph + (c - runs.last().first) == g)
            runs.last().last = c;
        else
            runs.append({c, c, g});
    }
    if (runs.isEmpty())
        return {};

    QByteArray table;
    put16(table, 0); // version
    put16(table, 2); // encoding records, both on the one subtable after them
    for (quint32 platform : {0u, 3u}) {
        put16(table, platform);
        put16(table, platform == 0 ? 4 : 10); // Unicode full repertoire
        put32(table, 4 + 2 * 8);
    }
    put16(table, 12);
    put16(table, 0);
    put32(table, quint32(16 + 12 * runs.size()));
    put32(table, 0); // language
    put32(table, quint32(runs.size()));
    for (const Run &r : runs) {
        put32(table, r.first);
        put32(table, r.last);
        put32(table, r.glyph);
    }
    return table;
}

// A name table of the family, style, full and PostScript names (Windows,
// Unicode, US English).
QByteArray nameTable(const QString &family, const QString &style) {
    // The PostScript name has letters and digits only, and a hyphen
    // before the style: "VQ740Print-Regular".
    const auto plain = [](QString text) {
        text.removeIf([](QChar c) { return c.unicode() > 0x7E || !c.isLetterOrNumber(); });
        return text;
    };
    const QString postscript = plain(family) + QLatin1Char('-') + plain(style);
    const std::pair<quint16, QString> names[] = {
        {1, family}, {2, style}, {4, family + QLatin1Char(' ') + style}, {6, postscript}};
    const int count = int(std::size(names));
    QByteArray records;
    QByteArray strings;
    for (const auto &[id, text] : names) {
        const qsizetype offset = strings.size();
        for (QChar c : text)
            put16(strings, c.unicode());
        put16(records, 3);      // Windows
        put16(records, 1);      // Unicode BMP
        put16(records, 0x0409); // US English
        put16(records, id);
        put16(records, quint32(strings.size() - offset));
        put16(records, quint32(offset));
    }
    QByteArray table;
    put16(table, 0);
    put16(table, count);
    put16(table, 6 + 12 * count);
    return table + records + strings;
}

// An OpenType font of the tables (tag, data), in the order of their tags.
QByteArray fontFile(QList<std::pair<QByteArray, QByteArray>> tables, bool outlinesAreCff) {
    std::sort(tables.begin(), tables.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    const int n = int(tables.size());
    int selector = 0;
    while ((2 << selector) <= n)
        ++selector;
    QByteArray font;
    put32(font, outlinesAreCff ? 0x4F54544F /* OTTO */ : 0x00010000);
    put16(font, n);
    put16(font, (1 << selector) * 16);
    put16(font, selector);
    put16(font, n * 16 - (1 << selector) * 16);
    qsizetype offset = 12 + 16 * n;
    qsizetype headAt = -1;
    for (auto &[tag, data] : tables) {
        if (tag == "head" && data.size() >= 12) {
            data.replace(8, 4, QByteArray(4, '\0')); // the whole font's sum goes here
            headAt = offset;
        }
        font.append(tag);
        put32(font, checksum(data));
        put32(font, quint32(offset));
        put32(font, quint32(data.size()));
        offset += (data.size() + 3) & ~qsizetype(3);
    }
    for (const auto &table : tables) {
        font.append(table.second);
        font.append(QByteArray((4 - table.second.size() % 4) % 4, '\0'));
    }
    if (headAt >= 0) {
        const quint32 adjustment = 0xB1B0AFBA - checksum(font);
        QByteArray word;
        put32(word, adjustment);
        font.replace(headAt + 8, 4, word);
    }
    return font;
}

// The print face made from an installed face, named `family`; empty when
// the face has no outlines to copy.
QByteArray printFaceData(const QRawFont &face, const QString &family) {
    QList<std::pair<QByteArray, QByteArray>> tables;
    for (const char *tag : kCopiedTables) {
        const QByteArray data = face.fontTable(tag);
        if (!data.isEmpty())
            tables.append({QByteArray(tag), data});
    }
    const auto has = [&tables](const char *tag) {
        return std::any_of(tables.cbegin(), tables.cend(),
                           [tag](const auto &t) { return t.first == tag; });
    };
    const bool cff = has("CFF ") || has("CFF2");
    const QByteArray cmap = characterMap(face);
    if (!(cff || (has("glyf") && has("loca"))) || !has("head") || !has("maxp") || cmap.isEmpty())
        return {};
    tables.append({QByteArrayLiteral("cmap"), cmap});
    tables.append({QByteArrayLiteral("name"), nameTable(family, face.styleName())});
    return fontFile(tables, cff);
}

// Registers the print face made from the installed face of `weight` in
// the program's font list.
bool registerPrintFace(QFont::Weight weight) {
    QFont font;
    font.setFamilies(chineseFamilies());
    font.setWeight(weight);
    const QRawFont face = QRawFont::fromFont(font, QFontDatabase::SimplifiedChinese);
    // 信, the first character of the Chinese title; a face of its own for
    // bold, which is otherwise drawn bold from the regular one.
    if (!face.isValid() || !face.supportsCharacter(QChar(0x4FE1)) ||
        (weight == QFont::Bold && face.weight() < QFont::DemiBold))
        return false;
    const QByteArray data = printFaceData(face, kPrintFamily);
    const int id = data.isEmpty() ? -1 : QFontDatabase::addApplicationFontFromData(data);
    return id >= 0 && QFontDatabase::applicationFontFamilies(id).contains(kPrintFamily);
}

// The print face's family, its faces registered the first time; empty when
// there is no Chinese face to make it from.
QString printFamily() {
    static const QString family = [] {
        if (!registerPrintFace(QFont::Normal))
            return QString();
        registerPrintFace(QFont::Bold);
        return kPrintFamily;
    }();
    return family;
}
} // namespace

QFont channelListFont() {
    QStringList families = chineseFamilies();
    const QString print = printFamily();
    if (!print.isEmpty())
        families.prepend(print);
    QFont font;
    font.setFamilies(families);
    font.setPointSize(10);
    // Glyph by glyph: no ligatures and no alternate digits, also in the
    // faces used when there is no print face.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}
