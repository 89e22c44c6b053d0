#include "RenderCommand.h"
#include "app/language/Language.h"

#include "CommandLine.h"
#include "app/lesson/Lesson.h"
#include "app/lesson/Worksheet.h"
#include "app/picture/AnimationGif.h"
#include "app/picture/PictureExport.h"
#include "app/picture/PictureFile.h"
#include "app/picture/ReadoutText.h"
#include "core/RunScene.h"
#include "core/StartUpValues.h"
#include "core/ToneGenerator.h"
#include "core/WavFile.h"

#include <cmath>
#include <cstdio>

namespace vlnokres {

namespace {

// A file is written at the rate of most sound hardware.
constexpr int kWavRate = 48000;

int written(const CommandLine &line, const QByteArray &bytes, const QString &what)
{
    const QString failure = bytes.isEmpty() ? notEncoded() : writeWhole(line.renderFile, bytes);
    if (failure.isEmpty())
        return 0;
    std::fprintf(stderr, "%s\n", qPrintable(cannotSaveSentence(line.renderFile, failure, what)));
    return 1;
}

} // namespace

int renderPicture(const CommandLine &line)
{
    const SetUp &view = line.chosen.setUp;
    if (isAnimationFile(line.renderFile)) {
        const QByteArray gif = animationGif({line.parameters, view, line.scale, {}});
        return written(line, gif, Texts::tr("Animaci"));
    }
    // The scene as it shows at the step: the same pixels as drawn step by step, without the
    // vectors each step erases again.
    const DrawOps scene =
        RunScene{line.parameters, view.readouts, view.axis}.showing(line.step, line.step == view.axis.steps());
    const auto format = pictureFormatOf(line.renderFile);
    PictureText text = overlayText(line.parameters, line.step, view);
    text.caption = pictureCaption(line.parameters);
    const QByteArray bytes = pictureBytes(*format, scene, text, line.scale, view.look(),
                                          line.a4Page ? PdfPage::A4 : PdfPage::Picture);
    return written(line, bytes, Texts::tr("Obrázek"));
}

int renderWorksheet(const CommandLine &line)
{
    const auto read = readLessonFile(line.lessonFile);
    if (const auto *refused = std::get_if<QString>(&read)) {
        std::fprintf(stderr, "%s\n", qPrintable(*refused));
        return 2;
    }
    const LessonRead &lesson = std::get<LessonRead>(read);
    for (const QString &leftOut : lesson.leftOut)
        std::fprintf(stderr, "%s\n", qPrintable(leftOut));
    return written(line, worksheetPdf(lesson.lesson, line.answers), Texts::tr("Pracovní list"));
}

// A voice with nothing to hear is refused, as a silent file would be reported as written; a
// sum without its second tone is written with a word that it holds only the first.
int renderSound(const CommandLine &line)
{
    const Parameters &p = line.parameters;
    const sound::Voice voice = line.voice();
    const sound::Tones tones{line.chosen.setUp.baseTone, p.amplitude, p.frequency, p.phaseDegrees};
    if (const auto inaudible = sound::inaudibleTone(tones, voice, kWavRate)) {
        const QString tone = Texts::tr("Druhý tón (%1 Hz) je mimo slyšitelné pásmo").arg(pictureNumber(std::abs(*inaudible)));
        if (voice == sound::Voice::First || voice == sound::Voice::Second) {
            std::fprintf(stderr, "%s\n", qPrintable(Texts::tr("%1: soubor by byl tichý.").arg(tone)));
            return 2;
        }
        std::fprintf(stderr, "%s\n", qPrintable(Texts::tr("%1; soubor obsahuje jen první.").arg(tone)));
    }
    const auto samples = sound::toneOf(tones, voice, line.duration, kWavRate);
    const std::vector<std::uint8_t> wav = sound::wavFile(samples, kWavRate, sound::channelsOf(voice));
    return written(line, QByteArray(reinterpret_cast<const char *>(wav.data()), qsizetype(wav.size())),
                   Texts::tr("Zvuk"));
}

} // namespace vlnokres
