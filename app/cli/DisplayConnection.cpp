#include "DisplayConnection.h"

#include "app/language/Language.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace vlnokres {
namespace {

constexpr const char *kDisplayVariables[] = {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"};

const char *valueOf(const char *name)
{
    const char *value = std::getenv(name);
    return value && *value ? value : nullptr;
}

[[noreturn]] void endWithoutDisplay()
{
    std::string named;
    for (const char *name : kDisplayVariables) {
        if (const char *value = valueOf(name))
            named += std::string(named.empty() ? "" : ", ") + name + "=" + value;
    }
    const QString said =
        named.empty()
            ? Texts::tr("Vlnokres potřebuje grafické prostředí, ale proměnné DISPLAY ani WAYLAND_DISPLAY nejsou nastaveny.")
            : Texts::tr("Vlnokres se nemůže připojit ke grafickému prostředí (%1).").arg(QString::fromStdString(named));
    std::fprintf(stderr, "%s\n", qPrintable(said));
    std::fflush(stderr);
    std::_Exit(EXIT_FAILURE);
}

// The toolkit's messages while it connects. A fatal one means that no display could be
// reached; the others are passed on once it has been.
std::vector<std::string> g_connecting;

void holdBackWhileConnecting(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg)
        endWithoutDisplay();
    g_connecting.push_back(qFormatLogMessage(type, context, message).toStdString());
}

// The toolkit's own option that names the platform, as "-platform offscreen" does.
bool platformNamed(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "-platform" || argument == "--platform" || argument.starts_with("-platform=") ||
            argument.starts_with("--platform="))
            return true;
    }
    return false;
}

} // namespace

std::unique_ptr<QApplication> connectToDisplay(int &argc, char **argv)
{
    bool named = platformNamed(argc, argv);
    for (const char *name : kDisplayVariables)
        named |= valueOf(name) != nullptr;
    if (!named)
        endWithoutDisplay();

    const QtMessageHandler previous = qInstallMessageHandler(holdBackWhileConnecting);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    for (const std::string &line : g_connecting)
        std::fprintf(stderr, "%s\n", line.c_str());
    g_connecting.clear();
    return app;
}

} // namespace vlnokres
