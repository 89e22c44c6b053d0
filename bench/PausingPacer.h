#pragma once

#include "app/run/RunController.h"
#include "core/Pacer.h"

#include <functional>

namespace vlnokres {

// Runs without waiting, and at the run's last step pauses it and hands it to the benchmark.
struct PausingPacer final : Pacer {
    RunController *run = nullptr;
    int steps = 0;
    int step = 0;
    bool paused = false;
    std::function<void()> whenPaused;
    void start() override { step = 0; }
    bool waitUntil(std::chrono::nanoseconds) override
    {
        if (++step == steps && whenPaused) {
            run->togglePause();
            whenPaused();
            run->togglePause();
        }
        return true;
    }
    void finish() override {}
    void setPaused(bool p) override { paused = p; }
    bool isPaused() const override { return paused; }
};

} // namespace vlnokres
