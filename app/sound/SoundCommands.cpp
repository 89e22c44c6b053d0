#include "SoundCommands.h"

#include "app/language/Language.h"
#include "app/run/RunController.h"
#include "app/setup/SetUpModel.h"
#include "core/Readouts.h"

#include <QAction>
#include <QActionGroup>
#include <QLocale>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QStyle>
#include <QWidgetAction>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace vlnokres {
namespace {

using sound::Voice;

struct VoiceItem {
    const char *text; // the Czech source
    std::optional<Voice> voice;
};
const VoiceItem kVoiceItems[] = {
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Vypnuto"), std::nullopt},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "První sinusoida"), Voice::First},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Druhá sinusoida"), Voice::Second},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Součet"), Voice::Sum},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Obě vlny: první vlevo, druhá vpravo"), Voice::Stereo},
};

// The base tones a user picks from: the lowest A's of an ordinary voice and instrument.
constexpr double kBaseTones[] = {110, 220, 440, 880};

QString hertzText(double hertz) { return textLocale().toString(hertz, 'g', 6); }

// A line that tells, not one to choose: readable as the menu's items are, and not greyed as a
// disabled one would be.
void addTellingLine(QMenu &menu, const QString &text)
{
    auto *line = new QWidgetAction(&menu);
    auto *label = new QLabel(text);
    // Where the items' words begin, past the column of their checks.
    const int indent = menu.style()->pixelMetric(QStyle::PM_SmallIconSize) + 11;
    label->setContentsMargins(indent, 3, indent / 2, 3);
    line->setDefaultWidget(label);
    line->setText(text);
    menu.addAction(line);
}

std::optional<Voice> voiceOf(const QAction *action)
{
    const QVariant data = action->data();
    return data.isValid() ? std::optional(Voice(data.toInt())) : std::nullopt;
}

} // namespace

SoundCommands::SoundCommands(QWidget &window, const RunController &run, SetUpModel &setUp,
                             std::unique_ptr<SoundPlayer> player)
    : m_window(window), m_run(run), m_setUp(setUp), m_voices(new QActionGroup(&window)),
      m_tones(new QActionGroup(&window))
{
    setPlayer(std::move(player));
    QObject::connect(&run, &RunController::started, &window, [this] {
        if (voice() && m_player->available())
            m_player->play(tonesOf(m_run.lastRun()->parameters), *voice());
    });
    QObject::connect(&run, &RunController::pausedChanged, &window, [this](bool paused) {
        if (voice())
            m_player->setPaused(paused);
    });
    QObject::connect(&run, &RunController::ended, &window, [this] {
        if (voice())
            m_player->stop();
    });
    QObject::connect(&setUp, &SetUpModel::changed, &window, [this](Aspects aspects) {
        if (aspects & kSound)
            follow();
    });
    for (const VoiceItem &item : kVoiceItems) {
        auto *action = new QAction(m_voices);
        action->setCheckable(true);
        action->setChecked(!item.voice);
        if (item.voice)
            action->setData(int(*item.voice));
        QObject::connect(action, &QAction::triggered, &window, [this, voice = item.voice] { voiceChosen(voice); });
    }
    for (double hertz : kBaseTones) {
        auto *action = new QAction(m_tones);
        action->setCheckable(true);
        action->setData(hertz);
        QObject::connect(action, &QAction::triggered, &window, [this, hertz] {
            m_setUp.change([hertz](Chosen &c) { c.setUp.baseTone = hertz; }, Origin::User, Aspect::BaseTone);
        });
    }
    follow();
    retranslate();
}

void SoundCommands::retranslate()
{
    const QList<QAction *> voices = m_voices->actions();
    for (qsizetype i = 0; i < voices.size(); ++i)
        voices[i]->setText(Texts::tr(kVoiceItems[i].text));
    const QList<QAction *> tones = m_tones->actions();
    for (qsizetype i = 0; i < tones.size(); ++i)
        tones[i]->setText(Texts::tr("Základní tón %1 Hz").arg(kBaseTones[i]));
}

SoundCommands::~SoundCommands() = default;

void SoundCommands::setPlayer(std::unique_ptr<SoundPlayer> player)
{
    m_player = std::move(player);
    m_player->setLostListener([this] { tellLost(); });
}

void SoundCommands::tellLost()
{
    m_dragging = false;
    std::fputs(qPrintable(Texts::tr("Vlnokres: zvukový výstup se ztratil; při dalším zvuku ho program hledá znovu.\n")), stderr);
    auto *box = new QMessageBox(QMessageBox::NoIcon, Texts::tr("Zvuk"),
                                Texts::tr("Zvukový výstup přestal hrát. Při dalším běhu nebo přehrání zvuku ho program "
                                          "zkusí najít znovu."),
                                QMessageBox::Ok, &m_window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    // The keys stay with the window: a run goes on, and so does the lesson.
    box->setAttribute(Qt::WA_ShowWithoutActivating);
    box->show();
}

std::optional<Voice> SoundCommands::voice() const { return m_setUp.setUp().voice; }

double SoundCommands::baseTone() const { return m_setUp.setUp().baseTone; }

void SoundCommands::setVoice(std::optional<Voice> voice)
{
    m_setUp.change([voice](Chosen &c) { c.setUp.voice = voice; }, Origin::Session);
}

void SoundCommands::setBaseTone(double hertz)
{
    m_setUp.change([hertz](Chosen &c) { c.setUp.baseTone = hertz; }, Origin::Session);
}

// At right angles an oscilloscope in XY mode takes the first on the left and the second on
// the right; otherwise the sum is what is heard.
sound::Voice SoundCommands::defaultVoice() const
{
    return m_setUp.setUp().perpendicular ? Voice::Stereo : Voice::Sum;
}

void SoundCommands::toggle() { voiceChosen(voice() ? std::nullopt : std::optional(m_lastVoice.value_or(defaultVoice()))); }

// Without a sound output the sound stays off, whatever is chosen.
void SoundCommands::voiceChosen(std::optional<Voice> voice)
{
    if (voice && !m_player->available())
        voice.reset();
    m_setUp.change([voice](Chosen &c) { c.setUp.voice = voice; }, Origin::User, Aspect::Voice);
}

void SoundCommands::follow()
{
    if (voice())
        m_lastVoice = *voice();
    for (QAction *action : m_voices->actions())
        action->setChecked(voiceOf(action) == voice());
    for (QAction *action : m_tones->actions())
        action->setChecked(action->data().toDouble() == baseTone());
    if (!m_run.isRunning())
        return;
    if (voice() && m_player->available())
        playRun();
    else
        m_player->stop();
}

void SoundCommands::playRun()
{
    if (!m_run.isRunning())
        return;
    m_player->play(tonesOf(m_run.lastRun()->parameters), *voice());
    if (m_run.isPaused())
        m_player->setPaused(true);
}

sound::Tones SoundCommands::tonesOf(const Parameters &parameters) const
{
    return {baseTone(), parameters.amplitude, parameters.frequency, parameters.phaseDegrees};
}

void SoundCommands::playSample(const Parameters &parameters)
{
    if (m_player->available())
        m_player->play(tonesOf(parameters), voice().value_or(defaultVoice()), kSampleLength);
}

void SoundCommands::dragMoved(const Parameters &parameters)
{
    if (!voice() || !m_player->available())
        return;
    if (m_dragging)
        m_player->retune(tonesOf(parameters));
    else
        m_player->play(tonesOf(parameters), *voice());
    m_dragging = true;
}

void SoundCommands::dragEnded()
{
    if (m_dragging)
        m_player->stop();
    m_dragging = false;
}

void SoundCommands::fillMenu(QMenu &menu, QAction *toggle, QAction *playSample, std::optional<double> frequency)
{
    const bool available = m_player->available();
    if (!available)
        addTellingLine(menu, Texts::tr("Zvuk není k dispozici"));
    toggle->setEnabled(available);
    menu.addAction(toggle);
    // The mode's own voice first.
    QList<QAction *> voices = m_voices->actions();
    if (defaultVoice() != Voice::Sum)
        std::stable_partition(voices.begin(), voices.end(),
                              [this](const QAction *action) { return voiceOf(action) == defaultVoice(); });
    for (QAction *action : voices) {
        action->setEnabled(available);
        menu.addAction(action);
    }
    menu.addSeparator();
    for (QAction *action : m_tones->actions()) {
        action->setEnabled(available);
        menu.addAction(action);
    }
    menu.addSeparator();
    playSample->setEnabled(available);
    menu.addAction(playSample);
    const double second = frequency.value_or(1) * baseTone();
    if (!available)
        return;
    const QString line = sound::audible(second, m_player->sampleRate())
                             ? tonesLine(baseTone(), frequency.value_or(1))
                             : Texts::tr("Druhý tón (%1 Hz) je mimo slyšitelné pásmo").arg(hertzText(std::abs(second)));
    addTellingLine(menu, line);
}

// Beats are heard as a swelling and fading up to about fifteen a second; faster, they are
// heard as roughness. Where the sum does not beat, the two are heard as two tones.
QString tonesLine(double baseTone, double frequency)
{
    constexpr double kFastestHeardBeats = 15;
    const QString first = hertzText(baseTone), second = hertzText(std::abs(frequency) * baseTone);
    if (std::abs(frequency) == 1)
        return Texts::tr("Oba tóny %1 Hz").arg(first);
    const QString tones = Texts::tr("Tóny %1 Hz a %2 Hz").arg(first, second);
    if (!readouts::beats({1, frequency, 0}))
        return tones + Texts::tr(": slyšet jako dva tóny");
    const double beats = std::abs(std::abs(frequency) - 1) * baseTone;
    const QString rate = textLocale().toString(beats, 'g', 3);
    if (beats <= kFastestHeardBeats)
        return tones + Texts::tr(": zázněje %1× za sekundu").arg(rate);
    return tones + Texts::tr(": %1 záznějů za sekundu, slyšet jako drsnost").arg(rate);
}

} // namespace vlnokres
