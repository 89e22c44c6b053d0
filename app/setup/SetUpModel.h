#pragma once

#include "app/language/Language.h"
#include "core/SetUp.h"

#include <QFlags>
#include <QObject>

#include <functional>

namespace vlnokres {

// What the user has chosen to see and hear: the scene's set-up, and the language the program
// speaks.
struct Chosen {
    SetUp setUp;
    Language language = Language::Czech;
    bool operator==(const Chosen &) const = default;
};

// The parts of it, so that each listener redraws, replays or writes only what it shows.
enum class Aspect {
    Values = 0x1,
    Slowdown = 0x2,
    Axis = 0x4,
    Colours = 0x8,
    SumHidden = 0x10,
    Labels = 0x20,
    Readouts = 0x40,
    Cursors = 0x80,
    Voice = 0x100,
    BaseTone = 0x200,
    Language = 0x400,
    LargeText = 0x800,
    Perpendicular = 0x1000,
};
Q_DECLARE_FLAGS(Aspects, Aspect)
inline constexpr Aspects kLook = Aspects(Aspect::Colours) | Aspect::SumHidden;
inline constexpr Aspects kSound = Aspects(Aspect::Voice) | Aspect::BaseTone;

// The parts in which the two differ.
Aspects differences(const Chosen &before, const Chosen &after);

// Who changed the set-up: its user, whose choices the program remembers where they are of
// what it remembers; or the command line, the settings file or a lesson, for this session.
enum class Origin { User, Session, Settings, Lesson };

// The set-up as the one place that holds it. The window and its controls, the drawing, the
// pictures, the sound and what is remembered read it here and listen to changed(); none keeps
// a copy of it. A change of language is made the program's (its texts, the toolkit's, the
// numbers' notation) before the listeners are told.
class SetUpModel final : public QObject
{
    Q_OBJECT

public:
    // In the language the program speaks already.
    SetUpModel();

    const Chosen &chosen() const { return m_chosen; }
    const SetUp &setUp() const { return m_chosen.setUp; }
    Language language() const { return m_chosen.language; }

    // The change, told with the parts it changed. A user's choice is told even where it changes
    // nothing here, as the choice itself is what another window's may have overridden.
    void change(const std::function<void(Chosen &)> &edit, Origin origin = Origin::User, Aspects chosen = {});

Q_SIGNALS:
    void changed(vlnokres::Aspects aspects, vlnokres::Origin origin);

private:
    Chosen m_chosen;
};

} // namespace vlnokres

Q_DECLARE_OPERATORS_FOR_FLAGS(vlnokres::Aspects)
