#pragma once

#include "Colours.h"
#include "app/cli/CommandLine.h"
#include "app/window/ControlNames.h"
#include "app/window/MainWindow.h"
#include "core/Pacer.h"

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTest>

#include <chrono>
#include <functional>
#include <vector>

// Paces a run without waiting: records each step's deadline and can act in the middle of it.
struct RecordingPacer final : vlnokres::Pacer {
    std::vector<std::chrono::nanoseconds> deadlines;
    std::function<void(int step)> atStep;
    int finishes = 0;
    bool paused = false;
    bool stopped = false;

    void start() override
    {
        deadlines.clear();
        paused = stopped = false;
    }
    bool waitUntil(std::chrono::nanoseconds sinceStart) override
    {
        deadlines.push_back(sinceStart);
        if (atStep)
            atStep(int(deadlines.size()));
        return !stopped;
    }
    void finish() override { ++finishes; }
    void setPaused(bool p) override { paused = p; }
    bool isPaused() const override { return paused; }
    void stop() override { stopped = true; }
    bool isStopped() const override { return stopped; }
};

// Stands in for the sound output: says what it was asked to play, pause and stop.
struct RecordingPlayer final : vlnokres::SoundPlayer {
    QStringList *log;
    bool present = true;
    explicit RecordingPlayer(QStringList *log) : log(log) {}
    bool available() override { return present; }
    int sampleRate() const override { return 48000; }
    void play(const vlnokres::sound::Tones &tones, vlnokres::sound::Voice voice,
              std::optional<std::chrono::milliseconds> length) override
    {
        *log << QStringLiteral("play %1 at %2 Hz, A %3 f %4 %5°%6")
                    .arg(int(voice)).arg(tones.baseTone).arg(tones.amplitude).arg(tones.frequency).arg(tones.phaseDegrees)
                    .arg(length ? QStringLiteral(" for %1 ms").arg(length->count()) : QString());
    }
    void retune(const vlnokres::sound::Tones &tones) override
    {
        *log << QStringLiteral("glide to A %1 %2°").arg(tones.amplitude).arg(tones.phaseDegrees);
    }
    void setPaused(bool paused) override { *log << (paused ? QStringLiteral("pause") : QStringLiteral("resume")); }
    void stop() override { *log << QStringLiteral("stop"); }
};

// A refusal as one line, "title: text", for comparing and reporting.
inline QString refusalLine(const vlnokres::Message &message)
{
    return QString::fromUtf8(message.title) + QStringLiteral(": ") + QString::fromUtf8(message.text);
}

// The main window with a RecordingPacer, so that a click on "Start" runs at once. A refusal
// is recorded instead of opening a modal box, so that a Start wrongly refused fails the test
// at once instead of waiting for a box nobody answers.
struct TestWindow {
    TestWindow()
    {
        window.setPacer(std::unique_ptr<vlnokres::Pacer>(pacer));
        window.setSoundPlayer(std::unique_ptr<vlnokres::SoundPlayer>(player));
        window.setRefusalHandler([this](const vlnokres::Message &message) {
            refusals.push_back(refusalLine(message));
        });
    }

    vlnokres::MainWindow window;
    RecordingPacer *pacer = new RecordingPacer; // owned by the window
    QStringList sounds;
    RecordingPlayer *player = new RecordingPlayer(&sounds); // owned by the window
    QStringList refusals;

    template <typename Control = QLineEdit>
    Control *find(const char *name)
    {
        return window.findChild<Control *>(QString::fromUtf8(name));
    }
    QLineEdit *box(const char *name) { return find(name); }
    QScrollBar *pace() { return find<QScrollBar>(vlnokres::names::kPace); }
    // The pace bar's arrow, trough or thumb as its style places them now, in its own pixels.
    QRect pacePart(QStyle::SubControl part)
    {
        QScrollBar *bar = pace();
        QStyleOptionSlider option;
        option.initFrom(bar);
        option.orientation = Qt::Horizontal;
        option.minimum = bar->minimum();
        option.maximum = bar->maximum();
        option.sliderPosition = option.sliderValue = bar->value();
        option.pageStep = bar->pageStep();
        option.singleStep = bar->singleStep();
        return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
    }
    // Shown and given the keyboard, as a user's window is; false if that never happens.
    bool showActive()
    {
        window.show();
        return QTest::qWaitForWindowActive(&window);
    }
    // Shown, at the zoom of a window of that many times the designed size.
    void showAtZoom(double zoom)
    {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.resize(QSizeF(QSizeF(vlnokres::MainWindow::kClientSize) * zoom).toSize());
        QTRY_COMPARE(window.size(), QSizeF(QSizeF(vlnokres::MainWindow::kClientSize) * zoom).toSize());
    }
    QPushButton *startButton() { return find<QPushButton>(vlnokres::names::kStart); }
    // What the command line gives the window, as the program hands it over.
    void apply(const vlnokres::CommandLine &line)
    {
        window.apply(line.chosen, line.given);
        if (line.start)
            window.startWhenShown();
    }
    // Chooses the window's action of that text, as its menu item or its key does, and lets it
    // run, as it does once the event loop has it.
    void trigger(const QString &text)
    {
        for (QAction *action : window.actions())
            if (QString(action->text()).remove(u'&') == text) // the menu underlines a letter
                action->trigger();
        QCoreApplication::processEvents();
    }
    // Clicks "Start", and lets what was held during the run be delivered after it, as the
    // event loop does once the run has returned.
    void clickStart()
    {
        QTest::mouseClick(startButton(), Qt::LeftButton);
        QCoreApplication::processEvents();
    }

    // Runs the animation with these texts in the boxes and returns the canvas it leaves.
    const QImage &run(const QString &amplitude = "0,5", const QString &frequency = "1", const QString &phase = "90")
    {
        using namespace vlnokres::names;
        box(kAmplitude)->setText(amplitude);
        box(kFrequency)->setText(frequency);
        box(kPhase)->setText(phase);
        clickStart();
        if (!refusals.isEmpty())
            QTest::qFail(qPrintable(QStringLiteral("Start was refused: ") + refusals.join(QStringLiteral("; "))),
                         __FILE__, __LINE__);
        return window.surface().image();
    }
};
