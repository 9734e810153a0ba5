#include "model/texts.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QTranslator>

#include <memory>

namespace {

constexpr char kResourceFolder[] = ":/i18n";

// The translations built in, loaded once, by language code.
class Catalog {
public:
    static Catalog &instance() {
        static Catalog catalog;
        return catalog;
    }

    QStringList languages() const { return m_languages; }
    const QTranslator *translator(const QString &code) const {
        const auto it = m_translators.constFind(code);
        return it == m_translators.constEnd() ? nullptr : it->get();
    }

    QString language;

private:
    Catalog() : language(Texts::english()) {
        m_languages << Texts::chinese() << Texts::english();
        const QStringList files =
            QDir(QLatin1String(kResourceFolder))
                .entryList({QStringLiteral("vq740_*.qm")}, QDir::Files, QDir::Name);
        for (const QString &file : files) {
            const QString code = file.mid(6, file.size() - 6 - 3);
            auto translator = std::make_unique<QTranslator>();
            if (!translator->load(QLatin1String(kResourceFolder) + QLatin1Char('/') + file))
                continue;
            if (!m_languages.contains(code))
                m_languages << code;
            m_translators.insert(code, std::shared_ptr<QTranslator>(std::move(translator)));
        }
    }

    QStringList m_languages;
    QHash<QString, std::shared_ptr<QTranslator>> m_translators;
};

// The language of a TextLanguage scope on this thread, if any.
thread_local const QString *scopedLanguage = nullptr;

const QString &currentLanguage() {
    return scopedLanguage ? *scopedLanguage : Catalog::instance().language;
}

QString lookUp(const QString &code, const char *context, const char *source,
               const char *disambiguation, int n) {
    QString text;
    if (const QTranslator *t = Catalog::instance().translator(code))
        text = t->translate(context, source, disambiguation, n);
    if (text.isNull())
        text = QString::fromUtf8(source);
    if (n != -1)
        text.replace(QLatin1String("%n"), QString::number(n));
    return text;
}

// The program's one translator: it answers tr() in the language of the
// moment from the catalogue.
class CatalogTranslator : public QTranslator {
public:
    QString translate(const char *context, const char *source, const char *disambiguation,
                      int n) const override {
        const QTranslator *t = Catalog::instance().translator(currentLanguage());
        return t ? t->translate(context, source, disambiguation, n) : QString();
    }
    bool isEmpty() const override { return false; }
};

} // namespace

QString vq740::translate(const char *context, const char *source, const char *disambiguation,
                         int n) {
    return lookUp(currentLanguage(), context, source, disambiguation, n);
}

const QString &Texts::chinese() {
    static const QString code = QStringLiteral("zh_CN");
    return code;
}

const QString &Texts::english() {
    static const QString code = QStringLiteral("en");
    return code;
}

QStringList Texts::languages() {
    return Catalog::instance().languages();
}

bool Texts::has(const QString &code) {
    return languages().contains(code);
}

QString Texts::language() {
    return currentLanguage();
}

void Texts::setLanguage(const QString &code) {
    Catalog::instance().language = has(code) ? code : english();
    QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return;
    // Installing the translator again tells every window of the change.
    static CatalogTranslator *translator = new CatalogTranslator;
    QCoreApplication::removeTranslator(translator);
    QCoreApplication::installTranslator(translator);
}

QString Texts::textIn(const QString &code, const char *context, const char *source,
                      const char *disambiguation) {
    return lookUp(code, context, source, disambiguation, -1);
}

QStringList Texts::textsInEveryLanguage(const char *context, const char *source,
                                        const char *disambiguation) {
    QStringList texts;
    for (const QString &code : languages())
        texts << textIn(code, context, source, disambiguation);
    return texts;
}

QString Texts::nativeName(const QString &code) {
    // Each translation names its own language as its translation of
    // "English" in this context.
    const TextLanguage scope(code);
    return vq740::translate("Language", "English", "the name of this language, in this language");
}

QString languageOfFlag(qint16 flag, const QString &furtherLanguage) {
    if (flag == 0)
        return Texts::chinese();
    if (flag == 1 && !furtherLanguage.isEmpty() && furtherLanguage != Texts::chinese() &&
        Texts::has(furtherLanguage))
        return furtherLanguage;
    return Texts::english();
}

qint16 flagOfLanguage(const QString &code) {
    return code == Texts::chinese() ? 0 : 1;
}

TextLanguage::TextLanguage(const QString &code)
    : m_before(scopedLanguage), m_code(Texts::has(code) ? code : Texts::english()) {
    scopedLanguage = &m_code;
}

TextLanguage::TextLanguage(qint16 flag) : TextLanguage(codeOfFlag(flag)) {}

TextLanguage::~TextLanguage() {
    scopedLanguage = m_before;
}

QString TextLanguage::codeOfFlag(qint16 flag) {
    if (flag == 0)
        return Texts::chinese();
    const QString &now = currentLanguage();
    return now == Texts::chinese() ? Texts::english() : now;
}
