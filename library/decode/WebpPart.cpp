// SPDX-License-Identifier: GPL-3.0-or-later
// Still WebP pictures through libwebp, which decodes no macroblock row below
// the part it crops to and writes only the part. Qt's WebP reader decodes
// the first frame whole into ARGB32 (RGB32 without alpha) in libwebp's BGRA
// order; the part comes out the same.
#include "library/decode/WebpPart.h"

#include <QIODevice>

#include <webp/decode.h>
#include <webp/demux.h>

#include <algorithm>

namespace {

class WebpPart final : public PartDecoder
{
public:
    explicit WebpPart(QByteArray bytes) : m_bytes(std::move(bytes)) {}
    ~WebpPart() override
    {
        WebPDemuxReleaseIterator(&m_frame);
        WebPDemuxDelete(m_demuxer);
    }
    WebpPart(const WebpPart&) = delete;
    WebpPart& operator=(const WebpPart&) = delete;

    // Whether the file is a still picture whose frame can be found.
    bool ReadHeader(bool& animated);
    QSize StoredSize() const override { return m_size; }
    QImage Decode(const QRect& part) override;

private:
    QByteArray m_bytes;
    WebPDemuxer* m_demuxer = nullptr;
    WebPIterator m_frame{};
    QSize m_size;
    bool m_alpha = false;
};

bool WebpPart::ReadHeader(bool& animated)
{
    const auto* bytes = reinterpret_cast<const uint8_t*>(m_bytes.constData());
    WebPBitstreamFeatures features{};
    if (WebPGetFeatures(bytes, size_t(m_bytes.size()), &features) != VP8_STATUS_OK) {
        return false;
    }
    animated = features.has_animation != 0;
    m_alpha = features.has_alpha != 0;
    const WebPData data{bytes, size_t(m_bytes.size())};
    m_demuxer = WebPDemux(&data);
    if (animated || m_demuxer == nullptr || !WebPDemuxGetFrame(m_demuxer, 1, &m_frame) ||
        WebPGetFeatures(m_frame.fragment.bytes, m_frame.fragment.size, &features) !=
            VP8_STATUS_OK) {
        return false;
    }
    m_size = QSize(m_frame.width, m_frame.height);
    return !m_size.isEmpty();
}

QImage WebpPart::Decode(const QRect& part)
{
    if (part.isEmpty() || !QRect(QPoint(0, 0), m_size).contains(part)) {
        return {};
    }
    // libwebp crops from even coordinates, where the colour samples start,
    // and smooths the colour at the crop's edges as at the picture's: a
    // margin keeps those edges off the part.
    constexpr int kMargin = 2;
    const QPoint origin(std::max(0, (part.left() & ~1) - kMargin),
                        std::max(0, (part.top() & ~1) - kMargin));
    const QRect cropped =
        QRect(origin, part.bottomRight() + QPoint(kMargin, kMargin)) & QRect(QPoint(0, 0), m_size);
    QImage image =
        AllocatePart(cropped.size(), m_alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    WebPDecoderConfig config;
    if (image.isNull() || !WebPInitDecoderConfig(&config)) {
        return {};
    }
    config.options.use_cropping = 1;
    config.options.crop_left = cropped.left();
    config.options.crop_top = cropped.top();
    config.options.crop_width = cropped.width();
    config.options.crop_height = cropped.height();
    config.output.colorspace = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? MODE_BGRA : MODE_ARGB;
    config.output.is_external_memory = 1;
    config.output.u.RGBA.rgba = image.bits();
    config.output.u.RGBA.stride = int(image.bytesPerLine());
    config.output.u.RGBA.size = size_t(image.sizeInBytes());
    const VP8StatusCode status = WebPDecode(m_frame.fragment.bytes, m_frame.fragment.size, &config);
    WebPFreeDecBuffer(&config.output);
    if (status != VP8_STATUS_OK) {
        return {};
    }
    return image.copy(part.translated(-origin));
}

} // namespace

OpenedPart OpenWebpPart(QIODevice& file)
{
    if (!file.seek(0)) {
        return {true, nullptr};
    }
    auto webp = std::make_unique<WebpPart>(file.readAll());
    bool animated = false;
    const bool read = webp->ReadHeader(animated);
    if (animated) {
        return {}; // Qt's reader composes its frames
    }
    return {true, read ? std::move(webp) : nullptr};
}
