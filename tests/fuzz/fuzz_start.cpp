// Feeds arbitrary bytes to what a click on "Start" does with the boxes' texts: the input is
// up to four lines (amplitude, frequency, phase, slowdown), read under Czech or C notation as
// its first byte says; what passes the checks has its steps computed, clipped and rasterised.
// Any crash, leak, undefined behaviour or hang is a finding; so is a clipped point outside
// the clip rectangle or a pixel outside the surface. An input that starts with "{" is a lesson
// file instead: what is read of it must be written and read back whole.

#include "app/language/NumberText.h"
#include "app/lesson/Lesson.h"
#include "core/Clip.h"
#include "core/DotRaster.h"
#include "core/Pace.h"
#include "core/SceneGeometry.h"
#include "core/StartChecks.h"
#include "core/StepOperations.h"

#include <QStringList>

#include <cstdint>
#include <cstdlib>

using namespace vlnokres;

namespace {

constexpr Rect kCanvas{-8, -8, 800, 581};
constexpr int kWidth = 792;
constexpr int kHeight = 573;

void require(bool holds)
{
    if (!holds)
        std::abort();
}

void drawChecked(const DrawOps &ops)
{
    for (const DrawOp &op : ops) {
        if (const auto *line = std::get_if<Line>(&op)) {
            if (const auto clipped = clipSegment(line->from, line->to, kCanvas)) {
                for (const Point &p : {clipped->first, clipped->second}) {
                    require(p.x >= kCanvas.left - 1e-6 && p.x <= kCanvas.right + 1e-6);
                    require(p.y >= kCanvas.top - 1e-6 && p.y <= kCanvas.bottom + 1e-6);
                }
            }
        } else if (const auto *circle = std::get_if<Circle>(&op)) {
            for (const PixelSpan &span : circleSpans(circle->centre, circle->radius, 2, kWidth, kHeight))
                require(span.y >= 0 && span.y < kHeight && span.xFirst >= 0 && span.xFirst <= span.xLast &&
                        span.xLast < kWidth);
        }
    }
}

// A lesson read is written and read again with nothing left out, scene for scene.
void lessonReadBack(const std::uint8_t *data, std::size_t size)
{
    const auto read = parseLesson(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), "f.vlnokres");
    const auto *lesson = std::get_if<LessonRead>(&read);
    if (!lesson)
        return;
    const auto again = parseLesson(lessonJson(lesson->lesson), "f.vlnokres");
    const auto *back = std::get_if<LessonRead>(&again);
    require(back && back->leftOut.isEmpty() && back->lesson.scenes.size() == lesson->lesson.scenes.size());
    for (std::size_t i = 0; i < back->lesson.scenes.size(); ++i)
        require(back->lesson.scenes[i].setUp == lesson->lesson.scenes[i].setUp);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const QLocale czech(QStringLiteral("cs_CZ"));
    if (size == 0)
        return 0;
    if (data[0] == '{') {
        lessonReadBack(data, size);
        return 0;
    }
    const QLocale &locale = data[0] % 2 ? czech : QLocale::c();
    const QStringList boxes =
        QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1)).split(u'\n');
    auto box = [&](int i) { return readNumber(boxes.value(i), locale); };

    const auto checked = checkParameters({box(0), box(1), box(2)});
    const auto *parameters = std::get_if<Parameters>(&checked);
    if (!parameters)
        return 0;
    // What the amplitude box would show for a zero amplitude reads back as the same number.
    require(readNumber(writeNumber(parameters->amplitude, locale), locale) == parameters->amplitude);
    require(pausePerStep(box(3).value_or(kFastest)) <= kSteps * pausePerStep(kSlowest));

    const SecondSinusoid second = secondSinusoidOf(*parameters);
    const int somewhere = 1 + int(size % kSteps);
    for (int t : {1, somewhere, kSteps})
        drawChecked(stepOps(second, t));
    return 0;
}
