#pragma once

#include <QLocale>
#include <QString>

namespace vlnokres {

// The program's texts in the language chosen, Czech at source: every text it shows is
// Texts::tr("…") where it is written, or marked QT_TRANSLATE_NOOP("vlnokres::Texts", "…")
// where a table holds it and translated where it is shown. The translation is looked up
// without an application object, so that the command line's messages and --help follow the
// language too.
class Texts
{
public:
    static QString tr(const char *czech);
};

enum class Language { Czech, English };

// Their names on the command line and in the settings.
struct LanguageName {
    const char *name;
    Language language;
};
inline constexpr LanguageName kLanguageNames[] = {{"cs", Language::Czech}, {"en", Language::English}};
constexpr const char *nameOf(Language language) { return language == Language::English ? "en" : "cs"; }

// From now on the program's texts, and where an application object exists the toolkit's own
// (its dialogs and buttons, Czech from Debian's translations, English at its source), and the
// notation of the numbers it writes and reads, are in that language. Czech is the default,
// whatever the desktop's locale.
void setLanguage(Language language);
Language language();

// The notation the program's own numbers are written in: Czech's decimal comma, or English's
// decimal point.
QLocale textLocale();

} // namespace vlnokres
