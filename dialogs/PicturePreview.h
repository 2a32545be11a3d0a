// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QThreadPool>
#include <QWidget>

#include <cstdint>
#include <string>

// The preview inside a picture frame: a buffer 10 pixels narrower and lower than the frame,
// shown 5 pixels in from its edges, held at the screen's device pixels. A picture is scaled into
// the buffer keeping its proportions, centred between orange bands, and the buffer is painted
// whenever the frame is, so the preview survives windows passing over the dialog.
class CPicturePreview : public QWidget
{
    Q_OBJECT

public:
    explicit CPicturePreview(QWidget& frame);
    ~CPicturePreview() override;

    // Loads the picture on a worker thread, so that a big one never holds up the dialog, and
    // draws it into the buffer when it is ready. Only the picture asked for last is drawn; one
    // that cannot be loaded leaves the buffer and the preview as they were.
    void Draw(const std::string& picturePath);
    // Shows nothing until the next Draw, and forgets a picture still loading.
    void Clear();
    // A picture asked for is still loading: for tests.
    bool IsLoading() const { return m_loading; }
    // What is shown, in device pixels: for tests.
    const QImage& Buffer() const { return m_buffer; }

    // Where a picture of size `picture` lands in a buffer of size `buffer`: full width with
    // equal bands above and below when it is relatively wider, else full height with equal
    // bands left and right.
    static QRect FitRect(QSize buffer, QSize picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Show(std::uint64_t request, const QImage& drawn);

    QImage m_buffer;
    bool m_showing = false;
    bool m_loading = false;
    std::uint64_t m_lastRequest = 0;
    // Last, so that it is destroyed first: it waits for the worker, which posts to this object.
    QThreadPool m_workers;
};
