#include "SoundProcess.h"

#include "SoundService.h"
#include "app/language/Language.h"

#include <QCoreApplication>
#include <QProcess>

#include <cstdio>

namespace vlnokres {
namespace {

// A service that has not said what it found by then has found nothing.
constexpr int kAnswerMs = 5000;
// How often a lost output is looked for again, at the most.
constexpr qint64 kLookAgainMs = 2000;

} // namespace

SoundProcess::SoundProcess(QString program)
    : m_program(program.isEmpty() ? QCoreApplication::applicationFilePath() : std::move(program))
{
}

SoundProcess::~SoundProcess()
{
    if (!m_service)
        return;
    // Its input closed, the service ends by itself, its sound faded out.
    m_service->closeWriteChannel();
    if (!m_service->waitForFinished(1000))
        m_service->kill();
}

void SoundProcess::start()
{
    m_service = std::make_unique<QProcess>();
    m_service->setStandardErrorFile(QProcess::nullDevice());
    m_service->start(m_program, {QLatin1String(kSoundServiceOption)});
    m_available = false;
    m_sinceLooked.start();
    if (!m_service->waitForStarted(kAnswerMs) || !m_service->waitForReadyRead(kAnswerMs) ||
        !m_service->canReadLine()) {
        m_service.reset();
        return;
    }
    const QByteArray answer = m_service->readLine().trimmed();
    if (!answer.startsWith("rate ")) {
        m_service.reset();
        return;
    }
    m_rate = answer.mid(5).toInt();
    m_available = true;
    m_lost = false;
    QObject::connect(m_service.get(), &QProcess::readyReadStandardOutput, m_service.get(), [this] {
        while (m_service->canReadLine())
            if (m_service->readLine().trimmed() == "lost" && !m_lost) {
                m_lost = true;
                m_sinceLooked.start();
                tellLost();
            }
    });
}

bool SoundProcess::available()
{
    const bool gone = m_service && m_service->state() == QProcess::NotRunning;
    if (gone && !m_lost) {
        // Ended without a word: as good as lost.
        m_lost = true;
        m_sinceLooked.start();
        tellLost();
    }
    if (!m_available || ((m_lost || gone) && m_sinceLooked.elapsed() >= kLookAgainMs)) {
        const bool first = !m_available;
        start();
        if (first && !*m_available)
            std::fputs(qPrintable(Texts::tr("Vlnokres: zvukový výstup není k dispozici, zvuk zůstane vypnutý.\n")), stderr);
    }
    return *m_available && !m_lost;
}

void SoundProcess::send(const SoundRequest &request)
{
    if (m_service && m_service->state() == QProcess::Running)
        m_service->write((lineOf(request) + u'\n').toLatin1());
}

void SoundProcess::play(const sound::Tones &tones, sound::Voice voice, std::optional<std::chrono::milliseconds> length)
{
    if (available())
        send({SoundRequest::Kind::Play, tones, voice, length});
}

void SoundProcess::retune(const sound::Tones &tones) { send({SoundRequest::Kind::Retune, tones}); }

void SoundProcess::setPaused(bool paused) { send({paused ? SoundRequest::Kind::Pause : SoundRequest::Kind::Resume}); }

void SoundProcess::stop() { send({SoundRequest::Kind::Stop}); }

} // namespace vlnokres
