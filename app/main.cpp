#include "app/cli/CommandLine.h"
#include "app/cli/DisplayConnection.h"
#include "app/cli/RenderCommand.h"
#include "app/window/Application.h"
#include "app/sound/SoundService.h"
#include "app/window/MainWindow.h"

#include <QApplication>
#include <QGuiApplication>

#include <cstdio>
#include <cstring>

namespace {

void print(FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

} // namespace

int main(int argc, char *argv[])
{
    // The window's sound, in a process of its own.
    if (argc == 2 && std::strcmp(argv[1], vlnokres::kSoundServiceOption) == 0) {
        QCoreApplication service(argc, argv);
        return vlnokres::runSoundService();
    }
    const auto text = vlnokres::argumentsOf(argc, argv);
    const QStringList arguments = std::holds_alternative<QStringList>(text) ? std::get<QStringList>(text) : QStringList();
    // What the command line says, --help and its messages are in the language it asks for.
    if (const auto language = vlnokres::languageAsked(arguments))
        vlnokres::setLanguage(*language);
    const auto parsed = arguments.isEmpty() ? std::variant<vlnokres::CommandLine, vlnokres::CommandLineError>(
                                                  std::get<vlnokres::CommandLineError>(text))
                                            : vlnokres::parseCommandLine(arguments);
    if (const auto *error = std::get_if<vlnokres::CommandLineError>(&parsed)) {
        print(stderr, error->message + u'\n' + (error->showUsage ? vlnokres::usageLine() + u'\n' : QString()));
        return 2;
    }
    const auto &line = std::get<vlnokres::CommandLine>(parsed);
    using Action = vlnokres::CommandLine::Action;
    switch (line.action) {
    case Action::Help:
        print(stdout, vlnokres::helpText());
        return 0;
    case Action::Version:
        print(stdout, QStringLiteral("vlnokres %1\n").arg(QStringLiteral(VLNOKRES_VERSION)));
        return 0;
    case Action::Render:
    case Action::RenderSheet: {
        vlnokres::setLanguage(line.chosen.language);
        // No window and no display: the fonts and the painters work offscreen, whatever
        // platform the toolkit's options name. The toolkit's remarks about the desktop it
        // does not use are no concern of a script's.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &message) {
            if (type == QtCriticalMsg || type == QtFatalMsg)
                print(stderr, qFormatLogMessage(type, context, message) + u'\n');
        });
        int programOnly = 1;
        QGuiApplication app(programOnly, argv);
        return line.action == Action::Render ? vlnokres::renderPicture(line) : vlnokres::renderWorksheet(line);
    }
    case Action::RenderSound:
        return vlnokres::renderSound(line);
    case Action::Window:
        break;
    }

    const auto app = vlnokres::connectToDisplay(argc, argv);
    vlnokres::setUpApplication(*app);
    vlnokres::MainWindow window;
    const bool fullScreen = window.restore(std::make_unique<vlnokres::SettingsFile>());
    window.apply(line.chosen, line.given);
    if (!line.lessonFile.isEmpty())
        window.openWhenShown(line.lessonFile, line.scene);
    if (line.start)
        window.startWhenShown();
    fullScreen ? window.showFullScreen() : window.show();
    return QApplication::exec();
}
