#include "Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>
#include <optional>

namespace vlnokres {
namespace {

constexpr auto kContext = "vlnokres::Texts";

struct Translation {
    Language language = Language::Czech;
    std::unique_ptr<QTranslator> program; // none for Czech, the source
    std::unique_ptr<QTranslator> toolkit;
    // The locale the boxes followed before a language set its own, given back with Czech.
    std::optional<QLocale> desktopLocale;
};

Translation &current()
{
    static Translation translation;
    return translation;
}

std::unique_ptr<QTranslator> loaded(const QString &name, const QString &directory, const QLocale &locale)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, name, QStringLiteral("_"), directory))
        return nullptr;
    return translator;
}

} // namespace

QString Texts::tr(const char *czech)
{
    const Translation &t = current();
    if (t.program) {
        const QString translated = t.program->translate(kContext, czech);
        if (!translated.isEmpty())
            return translated;
    }
    return QString::fromUtf8(czech);
}

void setLanguage(Language language)
{
    Translation &t = current();
    if (t.toolkit)
        QCoreApplication::removeTranslator(t.toolkit.get());
    t.language = language;
    t.program.reset();
    t.toolkit.reset();
    if (!t.desktopLocale)
        t.desktopLocale = QLocale();
    if (language == Language::English) {
        t.program = loaded(QStringLiteral("vlnokres"), QStringLiteral(":/i18n"), QLocale(QLocale::English));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    } else {
        // Without Debian's translations the toolkit speaks English, which is no reason to
        // stop: the program's own texts are Czech regardless.
        t.toolkit = loaded(QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                           QLocale(QLocale::Czech, QLocale::Czechia));
        QLocale::setDefault(*t.desktopLocale);
    }
    if (t.toolkit && QCoreApplication::instance())
        QCoreApplication::installTranslator(t.toolkit.get());
    else
        t.toolkit.reset();
}

Language language() { return current().language; }

QLocale textLocale()
{
    return language() == Language::English ? QLocale(QLocale::English, QLocale::UnitedStates)
                                           : QLocale(QLocale::Czech, QLocale::Czechia);
}

} // namespace vlnokres
