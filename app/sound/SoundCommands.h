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
class SetUpModel;

// The sound as the window offers it: which voice every run plays and at which base tone (the
// set-up's; none at start-up), the key that turns it on and off, a few seconds of the boxes'
// values outside a run, and the "Zvuk" submenu that says which tone is out of hearing. The
// output is asked for only when the sound is first needed; where there is none, the items are
// disabled and the submenu says so. The run's sound follows the run: it starts with its first
// step, pauses and resumes with it, and stops at its end; a voice or a tone chosen during a run
// is heard from then on.
class SoundCommands
{
public:
    // The menu's texts in the language chosen.
    void retranslate();
    static constexpr std::chrono::milliseconds kSampleLength{4000};

    SoundCommands(QWidget &window, const RunController &run, SetUpModel &setUp, std::unique_ptr<SoundPlayer> player);
    ~SoundCommands();

    void setPlayer(std::unique_ptr<SoundPlayer> player);
    std::optional<sound::Voice> voice() const;
    double baseTone() const;
    // For this session, as the command line sets them.
    void setVoice(std::optional<sound::Voice> voice);
    void setBaseTone(double hertz);
    // On with the voice chosen last (the sum at first), or off, as its user chooses.
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
    // The menu's checks, and the run's sound, as the set-up's voice and tone now are.
    void follow();
    // The chosen voice of the run going on, from now on (paused, if the run is).
    void playRun();
    // Said once, as the output goes, without stopping a run.
    void tellLost();

    QWidget &m_window;
    const RunController &m_run;
    SetUpModel &m_setUp;
    std::unique_ptr<SoundPlayer> m_player;
    bool m_dragging = false; // and sounding
    std::optional<sound::Voice> m_lastVoice; // what the key turns on again; none: the mode's own
    sound::Voice defaultVoice() const;
    QActionGroup *m_voices;
    QActionGroup *m_tones;
};

// What the class hears of the two tones at the base tone and the second's frequency, in the
// sound menu: "Tóny 220 Hz a 224,4 Hz: zázněje 4,4× za sekundu".
QString tonesLine(double baseTone, double frequency);

} // namespace vlnokres
