// What the play window does for one key press: open a picture, decode the
// part that lands on a 1920 x 1080 screen, draw it into the frame.
#include "library/PictureImage.h"

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

class Pictures
{
public:
    Pictures()
    {
        Photo(1024, 768).save(m_dir.filePath("photo.png"));
        Photo(4000, 3000).save(m_dir.filePath("camera.jpg"), "jpeg", 90);
        ClipArt(1024, 768).save(m_dir.filePath("clipart.png"));
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
