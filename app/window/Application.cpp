#include "Application.h"

#include "Preferences.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>

namespace vlnokres {

void setUpApplication(QApplication &app)
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));
    keepNoToolkitSettings();
    // Without the translations installed the toolkit speaks English, which is no reason to
    // stop: the program's own texts are Czech regardless.
    auto *translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Czech, QLocale::Czechia), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}

} // namespace vlnokres
