// The play's two costs that a parent or child can feel: building the deck at
// Start, and one key press from input to the presented frame. Run it on a
// 1920 x 1080 screen, for example:
//   xvfb-run -s "-screen 0 1920x1080x24" build/bench/tapnest_bench_play
#include "library/PictureGroup.h"
#include "library/Settings.h"
#include "platform/Paths.h"
#include "platform/Sound.h"
#include "play/MyGameWnd.h"
#include "play/PlayDeck.h"
#include "tests/support/TestPictures.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <chrono>
#include <random>
#include <thread>

namespace {

std::string MakeGroup(const std::string& installDir, const std::string& folder)
{
    const std::string path = JoinPath(installDir, folder);
    QDir().mkpath(QString::fromStdString(path));
    WriteGroupFile(path, folder, folder, "bench", 1);
    WriteCutList(path, {});
    return path;
}

void BM_BuildDeck100x100(benchmark::State& state)
{
    QTemporaryDir dir;
    const std::string installDir = dir.path().toStdString();
    const QByteArray picture("tiny");
    for (int g = 0; g < 100; ++g) {
        const std::string group = MakeGroup(installDir, "group" + std::to_string(g));
        for (int p = 0; p < 100; ++p) {
            QFile file(QString::fromStdString(JoinPath(group, "p" + std::to_string(p) + ".png")));
            file.open(QIODevice::WriteOnly);
            file.write(picture);
        }
    }
    for (auto _ : state) {
        const PlayDeck deck = BuildPlayDeck(installDir);
        benchmark::DoNotOptimize(deck.entries.data());
        if (deck.entries.size() != 10000)
            state.SkipWithError("deck is incomplete");
    }
}
BENCHMARK(BM_BuildDeck100x100)->Unit(benchmark::kMillisecond);

QImage Photo(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    std::minstd_rand grain(7);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb((x + int(grain() % 16)) % 256, y % 256, (x + y) % 256));
    return picture;
}

void Rhythms(benchmark::internal::Benchmark* bench)
{
    bench->ArgName("human")
        ->Arg(0)
        ->Arg(1)
        ->Iterations(30)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
}

QByteArray Encoded(const QImage& picture, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, format, 90);
    return bytes;
}

// Key presses come back to back (a child mashing keys, argument 0) or a
// quarter of a second apart (a human rhythm, argument 1), when the next
// picture is made ready between them; only the press to its frame is timed.
void KeyToFrame(benchmark::State& state, const char* name, QByteArray (*makeFile)(), bool cut)
{
    QTemporaryDir dir;
    const std::string installDir = dir.path().toStdString();
    const std::string group = MakeGroup(installDir, "G");
    WriteFile(JoinPath(group, name), makeFile());
    if (cut)
        WriteCutList(group, {name});
    OverrideProgramFilePath(JoinPath(installDir, "tapnest"));
    Settings settings;
    settings.Load();
    settings.keyDelayOn = 0;
    SoundRecorder silence;
    CMyGameWnd window(settings);
    window.StartPlay();
    window.EnterFullScreen();
    window.PrepareBackground();
    const bool humanRhythm = state.range(0) == 1;
    for (auto _ : state) {
        if (humanRhythm) {
            state.PauseTiming();
            std::this_thread::sleep_for(std::chrono::milliseconds(250));
            state.ResumeTiming();
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier);
        QApplication::sendEvent(&window, &press);
        window.repaint(); // the frame is on the screen when this returns
    }
    window.EndPlay();
    OverrideProgramFilePath({});
}

QByteArray ClipArtPng()
{
    QImage clipArt(1024, 768, QImage::Format_RGB32);
    clipArt.fill(Qt::white);
    QPainter painter(&clipArt);
    painter.setBrush(Qt::red);
    painter.drawEllipse(100, 100, 800, 500);
    painter.end();
    return Encoded(clipArt, "png");
}

// Each picture is made only when its case runs: the big ones take a while.
BENCHMARK_CAPTURE(
    KeyToFrame, Png1024x768, "photo.png", [] { return Encoded(Photo(1024, 768), "png"); }, false)
    ->Apply(Rhythms);
BENCHMARK_CAPTURE(
    KeyToFrame, Jpeg4000x3000, "camera.jpg", [] { return Encoded(Photo(4000, 3000), "jpeg"); },
    false)
    ->Apply(Rhythms);
// A phone photo taken upright: stored on its side, turned by its EXIF tag.
BENCHMARK_CAPTURE(
    KeyToFrame, PhoneJpeg4032x3024Turned, "phone.jpg",
    [] { return WithExifOrientation(Encoded(Photo(4032, 3024), "jpeg"), 6); }, false)
    ->Apply(Rhythms);
BENCHMARK_CAPTURE(
    KeyToFrame, Jpeg12000x9000Turned, "huge.jpg",
    [] { return WithExifOrientation(Encoded(Photo(12000, 9000), "jpeg"), 6); }, false)
    ->Apply(Rhythms);
// Formats the reader cannot clip are decoded whole.
BENCHMARK_CAPTURE(
    KeyToFrame, Png4000x3000, "scan.png", [] { return Encoded(Photo(4000, 3000), "png"); }, false)
    ->Apply(Rhythms);
BENCHMARK_CAPTURE(
    KeyToFrame, Png8000x8000, "poster.png", [] { return Encoded(Photo(8000, 8000), "png"); }, false)
    ->Apply(Rhythms);
BENCHMARK_CAPTURE(KeyToFrame, CutPng1024x768, "clipart.png", ClipArtPng, true)->Apply(Rhythms);

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
