#pragma once

#include "library/PictureImage.h"

#include <QImage>
#include <QWidget>

#include <string>

// The preview inside a picture frame: a buffer 10 pixels narrower and lower than the frame,
// shown 5 pixels in from its edges. A picture is scaled into the buffer keeping its
// proportions, centred between orange bands, and the buffer is painted whenever the frame is,
// so the preview survives windows passing over the dialog.
class CPicturePreview : public QWidget
{
    Q_OBJECT

public:
    explicit CPicturePreview(QWidget& frame);

    // Loads the picture and draws it into the buffer. A picture that cannot be loaded leaves
    // the buffer and the preview as they were and gives false.
    bool Draw(const std::string& picturePath);
    // Shows nothing until the next Draw.
    void Clear();

    // Where a picture of size `picture` lands in a buffer of size `buffer`: full width with
    // equal bands above and below when it is relatively wider, else full height with equal
    // bands left and right.
    static QRect FitRect(QSize buffer, QSize picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CPictureImage m_picture;
    QImage m_buffer;
    bool m_showing = false;
};
