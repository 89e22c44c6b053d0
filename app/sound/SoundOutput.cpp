#include "SoundOutput.h"

#include "SoundWorker.h"
#include "app/language/Language.h"

#include <QMediaDevices>

#include <cstdio>

namespace vlnokres {
namespace {

constexpr int kRate = 48000;

QAudioFormat formatFor(const QAudioDevice &device)
{
    const QAudioFormat format = wantedSoundFormat();
    return device.isFormatSupported(format) ? format : device.preferredFormat();
}

} // namespace

QAudioFormat wantedSoundFormat()
{
    QAudioFormat format;
    format.setSampleRate(kRate);
    format.setChannelCount(2);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

SoundOutput::SoundOutput() { m_thread.setObjectName(QStringLiteral("zvuk")); }

SoundOutput::~SoundOutput()
{
    if (m_worker)
        QMetaObject::invokeMethod(m_worker, [worker = m_worker] { delete worker; }, Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
}

bool SoundOutput::available()
{
    if (m_available)
        return *m_available;
    // Where there is no sound server, the toolkit would say so in its own words; one line of
    // ours is enough.
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    qInstallMessageHandler(previous);
    m_available = !device.isNull();
    if (!*m_available) {
        std::fputs(qPrintable(Texts::tr("Vlnokres: zvukový výstup není k dispozici, zvuk zůstane vypnutý.\n")), stderr);
        return false;
    }
    const QAudioFormat format = formatFor(device);
    m_rate = format.sampleRate();
    m_worker = new SoundWorker(device, format);
    QObject::connect(m_worker, &SoundWorker::lost, &m_here, [this] { tellLost(); });
    m_worker->moveToThread(&m_thread);
    m_thread.start(QThread::TimeCriticalPriority);
    return true;
}

int SoundOutput::sampleRate() const { return m_rate; }

void SoundOutput::play(const sound::Tones &tones, sound::Voice voice, std::optional<std::chrono::milliseconds> length)
{
    if (!available())
        return;
    std::optional<qint64> samples;
    if (length)
        samples = sound::samplesBeforeFadeOut(std::chrono::duration<double>(*length).count(), m_rate);
    QMetaObject::invokeMethod(m_worker, [worker = m_worker, tones, voice, samples] { worker->play(tones, voice, samples); });
}

void SoundOutput::retune(const sound::Tones &tones)
{
    if (m_worker)
        QMetaObject::invokeMethod(m_worker, [worker = m_worker, tones] { worker->retune(tones); });
}

void SoundOutput::setPaused(bool paused)
{
    if (m_worker)
        QMetaObject::invokeMethod(m_worker, [worker = m_worker, paused] { worker->setPaused(paused); });
}

void SoundOutput::stop()
{
    if (m_worker)
        QMetaObject::invokeMethod(m_worker, [worker = m_worker] { worker->stop(); });
}

} // namespace vlnokres
