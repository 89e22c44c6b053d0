#include "SoundService.h"

#include "SoundOutput.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace vlnokres {
namespace {

constexpr const char *kKinds[] = {"play", "retune", "pause", "resume", "stop"};

QString numberText(double value) { return QString::number(value, 'g', 17); }

void say(const char *line)
{
    std::fputs(line, stdout);
    std::fflush(stdout);
}

} // namespace

QString lineOf(const SoundRequest &r)
{
    QStringList words{QLatin1String(kKinds[int(r.kind)])};
    if (r.kind == SoundRequest::Kind::Play || r.kind == SoundRequest::Kind::Retune)
        words << numberText(r.tones.baseTone) << numberText(r.tones.amplitude) << numberText(r.tones.frequency)
              << numberText(r.tones.phaseDegrees);
    if (r.kind == SoundRequest::Kind::Play)
        words << QString::number(int(r.voice)) << QString::number(r.length ? r.length->count() : -1);
    return words.join(u' ');
}

std::optional<SoundRequest> requestOf(const QString &line)
{
    const QStringList words = line.split(u' ');
    SoundRequest r;
    const auto kind = std::find_if(std::begin(kKinds), std::end(kKinds), [&](const char *k) { return words[0] == QLatin1String(k); });
    if (kind == std::end(kKinds))
        return std::nullopt;
    r.kind = SoundRequest::Kind(kind - std::begin(kKinds));
    const bool tones = r.kind == SoundRequest::Kind::Play || r.kind == SoundRequest::Kind::Retune;
    if (words.size() != (r.kind == SoundRequest::Kind::Play ? 7 : tones ? 5 : 1))
        return std::nullopt;
    bool ok = true;
    const auto number = [&](int i) {
        bool read = false;
        const double value = words[i].toDouble(&read);
        ok = ok && read;
        return value;
    };
    if (tones)
        r.tones = {number(1), number(2), number(3), number(4)};
    if (r.kind == SoundRequest::Kind::Play) {
        const int voice = words[5].toInt(&ok);
        if (!ok || voice < 0 || voice > int(sound::Voice::Stereo))
            return std::nullopt;
        r.voice = sound::Voice(voice);
        const qint64 ms = words[6].toLongLong(&ok);
        if (ms >= 0)
            r.length = std::chrono::milliseconds(ms);
    }
    return ok ? std::optional(r) : std::nullopt;
}

int runSoundService()
{
    SoundOutput output;
    if (!output.available()) {
        say("none\n");
        return 0;
    }
    say(qPrintable(QStringLiteral("rate %1\n").arg(output.sampleRate())));
    output.setLostListener([] {
        say("lost\n");
        QCoreApplication::exit(0);
    });
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QByteArray pending;
    QObject::connect(&input, &QSocketNotifier::activated, &input, [&] {
        char bytes[4096];
        const ssize_t got = ::read(STDIN_FILENO, bytes, sizeof bytes);
        // The window has gone: so does its sound.
        if (got <= 0) {
            QCoreApplication::exit(0);
            return;
        }
        pending.append(bytes, got);
        for (qsizetype end; (end = pending.indexOf('\n')) >= 0; pending.remove(0, end + 1)) {
            const auto request = requestOf(QString::fromLatin1(pending.left(end)));
            if (!request)
                continue;
            switch (request->kind) {
            case SoundRequest::Kind::Play: output.play(request->tones, request->voice, request->length); break;
            case SoundRequest::Kind::Retune: output.retune(request->tones); break;
            case SoundRequest::Kind::Pause: output.setPaused(true); break;
            case SoundRequest::Kind::Resume: output.setPaused(false); break;
            case SoundRequest::Kind::Stop: output.stop(); break;
            }
        }
    });
    return QCoreApplication::exec();
}

} // namespace vlnokres
