// The program's texts in every language it has. Every caption and message
// is written in the code in English and goes through vq740::translate() (in
// code without a QObject) or tr() (in windows); the translations are Qt
// translation files (translations/vq740_<code>.ts, compiled to .qm and
// built into the program), one per language besides English.
//
// One language is the language of the moment: translate() and tr() answer
// in it. Switching it (Texts::setLanguage) reinstalls the program's
// translator, so every window gets QEvent::LanguageChange and re-captions
// itself.
//
// Languages are named by their codes: "zh_CN" (Chinese), "en" (English, the
// texts of the code), and the code of every further translation built in
// ("vq740_de.qm" makes "de").
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace vq740 {

// The text `source` of `context` in the language of the moment: its
// translation, or `source` itself where there is none (English). `n`, when
// not -1, replaces %n. `disambiguation` tells apart texts of one context that
// read alike in English but not in every language ("Off" of two lists).
QString translate(const char *context, const char *source, const char *disambiguation = nullptr,
                  int n = -1);

} // namespace vq740

class Texts {
public:
    static const QString &chinese();
    static const QString &english();

    // Every language the program has: Chinese, English, then the further
    // translations built in, by code.
    static QStringList languages();
    static bool has(const QString &code);

    // The language of the moment; English until it is set.
    static QString language();
    // Makes `code` the language of the moment (an unknown code: English).
    // With an application object, its translator is installed again so that
    // every window is told of the change.
    static void setLanguage(const QString &code);

    // A text in a given language, whatever the language of the moment.
    static QString textIn(const QString &code, const char *context, const char *source,
                          const char *disambiguation = nullptr);
    // A text in every language, in the order of languages().
    static QStringList textsInEveryLanguage(const char *context, const char *source,
                                            const char *disambiguation = nullptr);

    // The name a language gives itself ("中文", "English", "Deutsch").
    static QString nativeName(const QString &code);
};

// The language flag the parameter file keeps (0 Chinese, 1 English) and the
// language it stands for: flag 1 stands for English or, when one was chosen,
// a further language remembered beside it; other flags show English.
QString languageOfFlag(qint16 flag, const QString &furtherLanguage = QString());
qint16 flagOfLanguage(const QString &code);

// Within its scope, translate() and tr() answer in one language, whatever the
// language of the moment, without telling the windows: for texts made for a
// given language (a message box of a window, a cell of the table, a file
// written in the language of the parameter file). Language flag 0 is
// Chinese; any other flag is the language of the moment (or of the scope
// around) when that is not Chinese (English or a further language),
// otherwise English.
class TextLanguage {
public:
    explicit TextLanguage(const QString &code);
    explicit TextLanguage(qint16 flag);
    ~TextLanguage();
    TextLanguage(const TextLanguage &) = delete;
    TextLanguage &operator=(const TextLanguage &) = delete;

    // The language a flag stands for, as above.
    static QString codeOfFlag(qint16 flag);

private:
    const QString *m_before;
    QString m_code;
};
