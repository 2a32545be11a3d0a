// SPDX-License-Identifier: GPL-3.0-or-later
// The play's two costs that a parent or child can feel: building the deck at
// Start, and one key press from input to the presented frame. Run it on a
// 1920 x 1080 screen, for example:
//   xvfb-run -s "-screen 0 1920x1080x24" build/bench/tapnest_bench_play
#include "library/PictureGroup.h"
#include "library/Settings.h"
#include "platform/files/Paths.h"
#include "platform/sound/Sound.h"
#include "play/PlayDeck.h"
#include "play/PlaySession.h"
#include "tests/support/PeakMemory.h"
#include "tests/support/QuitWordKeys.h"
#include "tests/support/TestPictures.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QKeyEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <random>

namespace {

// A bench whose library cannot be written would measure nothing: it stops at once.
void Require(const FileResult& written)
{
    if (!written)
        qFatal("cannot write %s: %s", written.Path().c_str(), written.Reason().c_str());
}

std::string MakeGroup(const std::string& installDir, const std::string& folder)
{
    const std::string path = JoinPath(installDir, folder);
    QDir().mkpath(QString::fromStdString(path));
    Require(WriteGroupFile(path, folder, folder, "bench", 1));
    Require(WriteCutList(path, {}));
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

// Key presses a fifth of a second to a third of a second apart (a human
// rhythm, argument 1) or 50 ms apart (a child mashing keys, argument 0),
// counted from the frame before; the next picture is made ready meanwhile.
void Rhythms(benchmark::internal::Benchmark* bench)
{
    bench->ArgName("human")
        ->Arg(0)
        ->Arg(1)
        ->Iterations(200)
        ->Unit(benchmark::kMillisecond)
        ->UseManualTime();
}

QByteArray Encoded(const QImage& picture, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, format, 90);
    return bytes;
}

// The event loop runs on while the child pauses, as in the program.
void Pause(std::chrono::milliseconds pause)
{
    QEventLoop loop;
    QTimer::singleShot(pause, &loop, &QEventLoop::quit);
    loop.exec();
}

void Press(CMyGameWnd& window, Qt::Key key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&window, &press);
}

// One press to its frame on the screen: the press waits for its picture
// with the event loop running, then the frame is painted.
double PressToFrameMs(CMyGameWnd& window)
{
    const auto pressed = std::chrono::steady_clock::now();
    Press(window, Qt::Key_X);
    while (window.Inputs().HasWaiting())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    window.repaint();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - pressed)
        .count();
}

// The quit word typed right after a burst of keys: the time until the play
// is gone.
double QuitWordMs(CMyGameWnd& window)
{
    for (int press = 0; press < 10; ++press)
        Press(window, Qt::Key_X);
    const auto typed = std::chrono::steady_clock::now();
    for (const auto key : kQuitWordKeys)
        Press(window, key);
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - typed).count();
    return window.isVisible() ? -1 : ms;
}

double Percentile(std::vector<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, std::size_t(fraction * double(values.size())))];
}

double PeakMemoryMb()
{
    return double(PeakMemoryProbe::PeakBytes()) / (1 << 20);
}

// A group whose cut list has been blown up to 16 MiB of entries, all
// different, the last one naming a picture of the group.
void BM_BuildDeckWithHugeCutList(benchmark::State& state)
{
    QTemporaryDir dir;
    const std::string installDir = dir.path().toStdString();
    const std::string group = MakeGroup(installDir, "G");
    for (int p = 0; p < 100; ++p)
        WriteFile(JoinPath(group, "p" + std::to_string(p) + ".png"), "tiny");
    std::vector<std::string> names;
    std::size_t bytes = 0;
    while (bytes < (std::size_t(16) << 20) - 64) { // just within what is read of a cut list
        names.push_back(std::to_string(names.size()));
        bytes += 1 + names.back().size();
    }
    names.push_back("p7.png");
    Require(WriteCutList(group, names));
    names = {};
    const PeakMemoryProbe memory; // the peak is counted from here on
    for (auto _ : state) {
        const PlayDeck deck = BuildPlayDeck(installDir);
        const auto cut = std::count_if(deck.entries.begin(), deck.entries.end(),
                                       [](const DeckEntry& entry) { return entry.cutToDisplay; });
        if (deck.entries.size() != 100 || cut != 1)
            state.SkipWithError("the deck is not as built");
    }
    state.counters["peak_mb"] = PeakMemoryMb();
}
BENCHMARK(BM_BuildDeckWithHugeCutList)->Unit(benchmark::kMillisecond);

// The median, 99th percentile and worst press of a play on the library that
// `makeLibrary` writes, the quit word after a burst, and the peak memory.
void KeyToFrame(benchmark::State& state, void (*makeLibrary)(const std::string& installDir))
{
    QTemporaryDir dir;
    const std::string installDir = dir.path().toStdString();
    makeLibrary(installDir);
    const ScriptedProgramFile program(JoinPath(installDir, "tapnest"));
    // Only the presses are measured: no key delay, no time limit, no auto display.
    Settings settings;
    settings.Load();
    settings.keyDelayOn = 0;
    settings.timeLimitOn = 0;
    settings.autoDisplayOn = 0;
    Require(settings.Save());
    SoundRecorder silence;
    QWidget owner;
    PlaySession session(settings, owner);
    CMyGameWnd& window = session.Window();
    const PeakMemoryProbe memory; // the peak is counted from here on
    session.Start();
    const bool humanRhythm = state.range(0) == 1;
    std::minstd_rand rhythm(11);
    std::vector<double> pressMs;
    for (auto _ : state) {
        Pause(std::chrono::milliseconds(humanRhythm ? 200 + rhythm() % 134 : 50));
        pressMs.push_back(PressToFrameMs(window));
        state.SetIterationTime(pressMs.back() / 1000);
    }
    state.counters["median_ms"] = Percentile(pressMs, 0.5);
    state.counters["p99_ms"] = Percentile(pressMs, 0.99);
    state.counters["max_ms"] = Percentile(pressMs, 1);
    state.counters["quit_ms"] = QuitWordMs(window);
    state.counters["peak_mb"] = PeakMemoryMb();
}

void AddPictures(const std::string& installDir, const std::string& folder,
                 const std::vector<std::pair<std::string, QByteArray>>& pictures,
                 const std::vector<std::string>& cut = {})
{
    const std::string group = MakeGroup(installDir, folder);
    for (const auto& [name, bytes] : pictures)
        WriteFile(JoinPath(group, name), bytes);
    if (!cut.empty())
        Require(WriteCutList(group, cut));
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

// Phone photos in all eight orientations: taken upright, on the side, upside
// down and mirrored.
void AddPhonePhotos(const std::string& installDir)
{
    const QByteArray photo = Encoded(Photo(4032, 3024), "jpeg");
    std::vector<std::pair<std::string, QByteArray>> photos;
    for (int orientation = 1; orientation <= 8; ++orientation)
        photos.emplace_back("phone" + std::to_string(orientation) + ".jpg",
                            WithExifOrientation(photo, orientation));
    AddPictures(installDir, "Phone", photos);
}

// The content library laid beside the program, with phone photos and a
// scan added by the parent.
void AddDefaultLibraryAndPhotos(const std::string& installDir)
{
    std::filesystem::copy(TAPNEST_BIN_DIR, installDir,
                          std::filesystem::copy_options::recursive |
                              std::filesystem::copy_options::overwrite_existing);
    AddPhonePhotos(installDir);
    AddPictures(installDir, "Scan", {{"scan.png", Encoded(Photo(4000, 3000), "png")}});
}

// Each library is made only when its case runs: the big ones take a while.
BENCHMARK_CAPTURE(KeyToFrame, Png1024x768, [](const std::string& dir) {
    AddPictures(dir, "G", {{"photo.png", Encoded(Photo(1024, 768), "png")}});
})->Apply(Rhythms);
BENCHMARK_CAPTURE(KeyToFrame, CutPng1024x768, [](const std::string& dir) {
    AddPictures(dir, "G", {{"clipart.png", ClipArtPng()}}, {"clipart.png"});
})->Apply(Rhythms);
BENCHMARK_CAPTURE(KeyToFrame, PhoneJpegs4032x3024AllOrientations, AddPhonePhotos)->Apply(Rhythms);
// A photo stored on its side and turned by its EXIF tag, 108 megapixels.
BENCHMARK_CAPTURE(KeyToFrame, Jpeg12000x9000Turned, [](const std::string& dir) {
    AddPictures(dir, "G",
                {{"huge.jpg", WithExifOrientation(Encoded(Photo(12000, 9000), "jpeg"), 6)}});
})->Apply(Rhythms);
// Formats the reader cannot clip are decoded whole on the worker.
BENCHMARK_CAPTURE(KeyToFrame, Png4000x3000, [](const std::string& dir) {
    AddPictures(dir, "G", {{"scan.png", Encoded(Photo(4000, 3000), "png")}});
})->Apply(Rhythms);
BENCHMARK_CAPTURE(KeyToFrame, Png8000x8000, [](const std::string& dir) {
    AddPictures(dir, "G", {{"poster.png", Encoded(Photo(8000, 8000), "png")}});
})->Apply(Rhythms);
BENCHMARK_CAPTURE(KeyToFrame, DefaultLibraryWithPhotos, AddDefaultLibraryAndPhotos)->Apply(Rhythms);

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
