// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/content/Palette.h"

#include <algorithm>
#include <limits>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {

constexpr std::size_t kMaxColors = 256;

int Distance(QRgb a, QRgb b)
{
    const int red = qRed(a) - qRed(b);
    const int green = qGreen(a) - qGreen(b);
    const int blue = qBlue(a) - qBlue(b);
    return red * red + green * green + blue * blue;
}

int NearestIndex(const QList<QRgb>& palette, QRgb color)
{
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < palette.size(); ++i) {
        const int distance = Distance(palette[i], color);
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

// Frequent colours first, but each pass only takes colours farther than its
// spacing from those already chosen, so that a few rare in-between colours
// still get near neighbours when the drawing has hundreds of them.
QList<QRgb> ChoosePalette(const std::vector<std::pair<QRgb, std::size_t>>& byFrequency)
{
    QList<QRgb> palette;
    std::vector<bool> taken(byFrequency.size(), false);
    for (const int spacing : {48, 24, 12, 6, 0}) {
        for (std::size_t i = 0;
             i < byFrequency.size() && static_cast<std::size_t>(palette.size()) < kMaxColors; ++i) {
            const QRgb color = byFrequency[i].first;
            if (!taken[i] && (palette.isEmpty() || Distance(palette[NearestIndex(palette, color)],
                                                            color) > spacing * spacing)) {
                palette.append(color);
                taken[i] = true;
            }
        }
    }
    return palette;
}

} // namespace

QImage ReduceToPalette(const QImage& image)
{
    const QImage source = image.convertToFormat(QImage::Format_RGB32);
    std::unordered_map<QRgb, std::size_t> counts;
    for (int y = 0; y < source.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            ++counts[line[x] | 0xFF000000u];
        }
    }
    std::vector<std::pair<QRgb, std::size_t>> byFrequency(counts.begin(), counts.end());
    std::sort(byFrequency.begin(), byFrequency.end(), [](const auto& a, const auto& b) {
        return a.second != b.second ? a.second > b.second : a.first < b.first;
    });
    const QList<QRgb> palette = ChoosePalette(byFrequency);

    std::unordered_map<QRgb, int> indexOf;
    for (const auto& [color, count] : byFrequency) {
        indexOf.emplace(color, NearestIndex(palette, color));
    }
    QImage indexed(source.size(), QImage::Format_Indexed8);
    // QImage::fill leaves the padding at the end of each line alone, but
    // files keep it: zero it, so that every build writes the same bytes.
    std::fill_n(indexed.bits(), indexed.sizeInBytes(), uchar{0});
    indexed.setColorTable(palette);
    for (int y = 0; y < source.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        uchar* target = indexed.scanLine(y);
        for (int x = 0; x < source.width(); ++x) {
            target[x] = static_cast<uchar>(indexOf.at(line[x] | 0xFF000000u));
        }
    }
    return indexed;
}
