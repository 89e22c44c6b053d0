#pragma once

#include <optional>

namespace vlnokres {

// Where a run stands: the step whose picture shows, and the step its user moved it to while it
// was paused, which the run goes on from when it resumes.
struct RunCursor {
    int shown = 0;
    std::optional<int> movedTo;
};

} // namespace vlnokres
