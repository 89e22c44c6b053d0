#pragma once

#include "animation/Pacer.h"

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
