#include "Application.h"

#include "Preferences.h"
#include "app/language/Language.h"

#include <QApplication>
#include <QLocale>
#include <QStyleFactory>

namespace vlnokres {

void setUpApplication(QApplication &)
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));
    keepNoToolkitSettings();
    // The toolkit's own texts, in Czech unless English was asked for already.
    setLanguage(language());
}

} // namespace vlnokres
