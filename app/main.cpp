#include "MainWindow.h"

#include <QApplication>
#include <QStyleFactory>

#include <cstdio>
#include <cstdlib>

namespace {

// Without a display the toolkit would abort with a trace; one plain sentence serves better.
bool hasDisplay()
{
    for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const char *value = std::getenv(name);
        if (value && *value)
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    if (!hasDisplay()) {
        std::fputs("Vlnokres potřebuje grafické prostředí, ale proměnné DISPLAY ani WAYLAND_DISPLAY nejsou "
                   "nastaveny.\n",
                   stderr);
        return EXIT_FAILURE;
    }
    QApplication app(argc, argv);
    // One style everywhere: the form's grey bevels must not follow the desktop's theme.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    vlnokres::MainWindow window;
    window.show();
    return app.exec();
}
