#pragma once

#include "SoundPlayer.h"
#include "core/StartChecks.h"

#include <QList>

#include <functional>

#include <memory>
#include <optional>

class QAction;
class QActionGroup;
class QMenu;
class QWidget;

namespace vlnokres {

class RunController;

// The sound as the window offers it: which voice every run plays (none at start-up), the key
// that turns it on and off, a few seconds of the boxes' values outside a run, and the "Zvuk"
// submenu that says which tone is out of hearing. The output is asked for only when the sound
// is first needed; where there is none, the items are disabled and the submenu says so. The
// run's sound follows the run: it starts with its first step, pauses and resumes with it, and
// stops at its end.
class SoundCommands
{
public:
    // The menu's texts in the language chosen.
    void retranslate();
    static constexpr std::chrono::milliseconds kSampleLength{4000};

    SoundCommands(QWidget &window, const RunController &run, std::unique_ptr<SoundPlayer> player);
    ~SoundCommands();

    void setPlayer(std::unique_ptr<SoundPlayer> player) { m_player = std::move(player); }
    std::optional<sound::Voice> voice() const { return m_voice; }
    void setVoice(std::optional<sound::Voice> voice);
    double baseTone() const { return m_baseTone; }
    void setBaseTone(double hertz);
    // Told when the user chooses a voice, or a base tone, in the menu.
    void setChoiceListeners(std::function<void()> voiceChosen, std::function<void()> toneChosen)
    {
        m_voiceChosen = std::move(voiceChosen);
        m_toneChosen = std::move(toneChosen);
    }
    // On with the voice chosen last (the sum at first), or off.
    void toggle();

    // The chosen voice, or the sum while the sound is off, for kSampleLength.
    void playSample(const Parameters &parameters);
    // While the second vector is dragged: the chosen voice sounds for the values under the
    // pointer, gliding from one to the next, and fades out when the vector is let go.
    void dragMoved(const Parameters &parameters);
    void dragEnded();

    // The submenu as it stands, with a line on what the two tones of the frequency in the box
    // sound like, or on the second where it is out of hearing.
    void fillMenu(QMenu &menu, QAction *toggle, QAction *playSample, std::optional<double> frequency);

private:
    sound::Tones tonesOf(const Parameters &parameters) const;
    void voiceChosen(std::optional<sound::Voice> voice);
    void baseToneChosen(double hertz);
    // The chosen voice of the run going on, from now on (paused, if the run is).
    void playRun();

    const RunController &m_run;
    std::unique_ptr<SoundPlayer> m_player;
    bool m_dragging = false; // and sounding
    std::optional<sound::Voice> m_voice;
    sound::Voice m_lastVoice = sound::Voice::Sum;
    double m_baseTone = sound::kDefaultBaseTone;
    QActionGroup *m_voices;
    QActionGroup *m_tones;
    std::function<void()> m_voiceChosen = [] {};
    std::function<void()> m_toneChosen = [] {};
};

// What the class hears of the two tones at the base tone and the second's frequency, in the
// sound menu: "Tóny 220 Hz a 224,4 Hz: zázněje 4,4× za sekundu".
QString tonesLine(double baseTone, double frequency);

} // namespace vlnokres
