#include "app/lesson/Lesson.h"
#include "app/window/MainWindow.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace vlnokres;

namespace {

// A lesson of 50 scenes of the designed axis, each with its own values, title and question.
QString fiftyScenes(const QTemporaryDir &dir)
{
    Lesson lesson{QStringLiteral("Padesát scén"), {}, {}};
    for (int i = 0; i < 50; ++i) {
        LessonScene scene;
        scene.setUp.values = {0.5 + i % 10 * 0.1, 1.0 + i % 3, double(i * 15 % 360)};
        scene.setUp.labels = i % 2 == 0;
        scene.title = QStringLiteral("Scéna číslo %1").arg(i + 1);
        scene.question = QStringLiteral("Jak bude vypadat součet? Nakreslete ho do časového grafu.");
        lesson.scenes.push_back(scene);
    }
    const QString path = dir.filePath(QStringLiteral("lekce.vlnokres"));
    saveLessonFile(path, lesson);
    return path;
}

// Opening a 50-scene lesson, read, checked and its first scene's finished picture drawn and
// painted, full screen at 1920 × 1080; and moving between its scenes. Target: within a frame
// (16.7 ms) for both.
void lessonAtFullHd(benchmark::State &state, bool moving)
{
    QTemporaryDir dir;
    const QString path = fiftyScenes(dir);
    MainWindow window;
    window.resize(1920, 1080);
    window.show();
    QCoreApplication::processEvents();
    window.lessons().open(path);
    QCoreApplication::processEvents();
    int scene = 1;
    for (auto _ : state) {
        if (moving)
            window.lessons().showScene(scene = scene % 50 + 1);
        else
            window.lessons().open(path, 2 - scene++ % 2);
        QCoreApplication::processEvents();
    }
}

void openLesson(benchmark::State &state) { lessonAtFullHd(state, false); }
BENCHMARK(openLesson)->Unit(benchmark::kMillisecond);
void moveBetweenScenes(benchmark::State &state) { lessonAtFullHd(state, true); }
BENCHMARK(moveBetweenScenes)->Unit(benchmark::kMillisecond);

} // namespace
