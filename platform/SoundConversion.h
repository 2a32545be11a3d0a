#pragma once

#include <QAudioFormat>
#include <QByteArray>

struct DecodedSound;

// Converts a decoded sound to the bytes a device of the given format plays:
// linear resampling to its rate, mapping onto its channels, encoding in its
// sample format. Empty when the format cannot be played.
QByteArray ConvertForDevice(const DecodedSound& sound, const QAudioFormat& format);
