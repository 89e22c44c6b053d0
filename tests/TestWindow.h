#pragma once

#include "animation/Pacer.h"
#include "app/Vlnokres.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <chrono>
#include <functional>
#include <vector>

// Paces a run without waiting: records each step's deadline and can act in the middle of it.
struct RecordingPacer final : vlnokres::Pacer {
    std::vector<std::chrono::nanoseconds> deadlines;
    std::function<void(int step)> atStep;
    int finishes = 0;

    void start() override { deadlines.clear(); }
    bool waitUntil(std::chrono::nanoseconds sinceStart) override
    {
        deadlines.push_back(sinceStart);
        if (atStep)
            atStep(int(deadlines.size()));
        return true;
    }
    void finish() override { ++finishes; }
};

// The main window with a RecordingPacer, so that a click on "Start" runs at once.
struct TestWindow {
    TestWindow() { window.setPacer(std::unique_ptr<vlnokres::Pacer>(pacer)); }

    vlnokres::Vlnokres window;
    RecordingPacer *pacer = new RecordingPacer; // owned by the window

    QLineEdit *box(const char *name) { return window.findChild<QLineEdit *>(QString::fromUtf8(name)); }
    QScrollBar *pace() { return window.findChild<QScrollBar *>(QStringLiteral("HScroll1")); }
    void clickStart()
    {
        QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("cmdAnimace")), Qt::LeftButton);
    }

    // Runs the animation with these texts in the boxes and returns the canvas it leaves.
    const QImage &run(const QString &amplitude = "0,5", const QString &frequency = "1", const QString &phase = "90")
    {
        box("nAmplituda")->setText(amplitude);
        box("nFrekvence")->setText(frequency);
        box("nFáza")->setText(phase);
        clickStart();
        return window.surface().image();
    }
};
