// SPDX-License-Identifier: GPL-3.0-or-later
// What the play window does for one key press: open a picture, decode the
// part that lands on a 1920 x 1080 screen, draw it into the frame. Pictures
// larger than the screen also report how far decoding their top-left part
// raised the resident memory.
#include "library/PictureImage.h"
#include "tests/support/PeakMemory.h"
#include "tests/support/TestPictures.h"

#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <random>

namespace {

const QSize kScreen(1920, 1080);

// Smooth shading with a little grain, closer to a photograph than to flat
// colour, so the JPEG decoder has realistic work.
QImage Photo(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    std::minstd_rand grain(7);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int noise = int(grain() % 16);
            row[x] = qRgb((x * 255 / width + noise) % 256, (y * 255 / height + noise) % 256,
                          ((x + y) / 8 + noise) % 256);
        }
    }
    return picture;
}

// Coloured shapes on white, the kind of picture that is cut to display.
QImage ClipArt(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setPen(Qt::NoPen);
    std::minstd_rand place(11);
    for (int i = 0; i < 40; ++i) {
        painter.setBrush(QColor::fromHsv(int(place() % 360), 200, 220));
        painter.drawEllipse(int(place() % width), int(place() % height), 150, 120);
    }
    return picture;
}

// 68 bytes: one pixel on a logical screen of 28170 x 3850.
QByteArray TinyFrameOnAWideScreen()
{
    QImage pixel(1, 1, QImage::Format_Indexed8);
    pixel.setColorTable({qRgb(200, 30, 30), qRgb(0, 0, 0)});
    pixel.fill(0);
    return EncodeGif(pixel, {QSize(28170, 3850), {0, 0}, -1, 0, false});
}

class Pictures
{
public:
    Pictures()
    {
        Photo(1024, 768).save(m_dir.filePath("photo.png"));
        Photo(4000, 3000).save(m_dir.filePath("camera.jpg"), "jpeg", 90);
        ClipArt(1024, 768).save(m_dir.filePath("clipart.png"));
        Photo(4000, 3000).save(m_dir.filePath("camera.png"));
        ClipArt(8000, 8000).save(m_dir.filePath("poster.png"));
        WriteFile(Path("solid.png"), SolidPalettePng(QSize(11580, 11580), qRgb(250, 140, 20)));
        WriteFile(Path("screen.gif"), TinyFrameOnAWideScreen());
    }
    std::string Path(const char* name) const { return m_dir.filePath(name).toStdString(); }

private:
    QTemporaryDir m_dir;
};

const Pictures& TestPictures()
{
    static const Pictures pictures;
    return pictures;
}

// A random place for the picture on the screen; a picture larger than the
// screen shows a random part of itself.
QPoint RandomPlace(std::minstd_rand& random, const QSize& picture)
{
    const auto pick = [&random](int room) {
        return room > 0 ? int(random() % room) : -int(random() % (1 - room));
    };
    return {pick(kScreen.width() - picture.width()), pick(kScreen.height() - picture.height())};
}

void ShowPicture(benchmark::State& state, const char* name, bool cutToDisplay, bool clip)
{
    const std::string path = TestPictures().Path(name);
    QImage frame(kScreen, QImage::Format_RGB32);
    frame.fill(Qt::blue);
    std::minstd_rand random(3);
    CPictureImage image;
    for (auto _ : state) {
        if (image.Open(path) != CPictureImage::kSuccess) {
            state.SkipWithError("cannot open the picture");
            break;
        }
        const QPoint at = RandomPlace(random, QSize(image.Width(), image.Height()));
        const QRect visible = clip ? QRect(-at, kScreen) : QRect();
        if (image.Decode(visible) != CPictureImage::kSuccess) {
            state.SkipWithError("cannot decode the picture");
            break;
        }
        QPainter painter(&frame);
        if (cutToDisplay) {
            image.BlitTransparentTo(painter, at.x(), at.y(), image.PixelAt(0, 0));
        } else {
            image.BlitTo(painter, at.x(), at.y());
        }
        painter.end();
        image.Release();
        benchmark::DoNotOptimize(frame.constBits());
    }
}

// Decodes the top-left part of a picture larger than the screen, as the play
// places it, and reports the resident memory's peak growth.
void ShowTopLeft(benchmark::State& state, const char* name)
{
    const std::string path = TestPictures().Path(name);
    const PeakMemoryProbe memory;
    CPictureImage image;
    for (auto _ : state) {
        if (image.Open(path) != CPictureImage::kSuccess ||
            image.Decode(
                QRect(QPoint(0, 0), kScreen.boundedTo(QSize(image.Width(), image.Height())))) !=
                CPictureImage::kSuccess) {
            state.SkipWithError("cannot decode the picture");
            break;
        }
        image.Release();
    }
    constexpr double kMiB = 1 << 20;
    state.counters["peak_growth_MiB"] = double(memory.GrowthBytes()) / kMiB;
}

void BM_TopLeftOfPng8000x8000(benchmark::State& state)
{
    ShowTopLeft(state, "poster.png");
}

void BM_TopLeftOfPng11580x11580(benchmark::State& state)
{
    ShowTopLeft(state, "solid.png");
}

void BM_TopLeftOfPng4000x3000(benchmark::State& state)
{
    ShowTopLeft(state, "camera.png");
}

void BM_TopLeftOfGifScreen28170x3850(benchmark::State& state)
{
    ShowTopLeft(state, "screen.gif");
}

void BM_Png1024x768(benchmark::State& state)
{
    ShowPicture(state, "photo.png", false, true);
}

void BM_Jpeg4000x3000Clipped(benchmark::State& state)
{
    ShowPicture(state, "camera.jpg", false, true);
}

void BM_Jpeg4000x3000Whole(benchmark::State& state)
{
    ShowPicture(state, "camera.jpg", false, false);
}

void BM_CutToDisplayPng1024x768(benchmark::State& state)
{
    ShowPicture(state, "clipart.png", true, true);
}

constexpr int kRepetitions = 5;
BENCHMARK(BM_Png1024x768)->Unit(benchmark::kMillisecond)->Repetitions(kRepetitions);
BENCHMARK(BM_Jpeg4000x3000Clipped)->Unit(benchmark::kMillisecond)->Repetitions(kRepetitions);
BENCHMARK(BM_Jpeg4000x3000Whole)->Unit(benchmark::kMillisecond)->Repetitions(kRepetitions);
BENCHMARK(BM_CutToDisplayPng1024x768)->Unit(benchmark::kMillisecond)->Repetitions(kRepetitions);
BENCHMARK(BM_TopLeftOfPng8000x8000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_TopLeftOfPng11580x11580)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_TopLeftOfPng4000x3000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_TopLeftOfGifScreen28170x3850)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
