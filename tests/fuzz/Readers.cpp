// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/fuzz/Readers.h"

#include "library/BinaryIo.h"
#include "library/PictureGroup.h"
#include "library/PictureImage.h"
#include "library/Settings.h"
#include "platform/files/FileIo.h"
#include "platform/files/Paths.h"
#include "platform/help/ChmFile.h"
#include "platform/help/HelpContents.h"
#include "platform/sound/SoundConversion.h"
#include "platform/sound/WavReader.h"

#include <QRect>
#include <QTemporaryDir>

#include <string>

namespace fuzz {

namespace {

// The folder the inputs are written to, one process's own.
const std::string& Folder()
{
    static const QTemporaryDir dir;
    static const std::string path = dir.path().toStdString();
    return path;
}

std::string WriteInput(const std::string& name, std::string_view bytes)
{
    const std::string path = JoinPath(Folder(), name);
    // A scratch folder that cannot be written leaves nothing to read: the reader meets a
    // missing file, one of the inputs it must take anyway.
    (void)WriteFileAtomically(path, bytes);
    return path;
}

} // namespace

void ReadSettings(std::string_view bytes)
{
    WriteInput("Kipo.ini", bytes);
    const ScriptedProgramFile program(JoinPath(Folder(), "tapnest"));
    Settings settings;
    settings.Load();
}

void ReadCountedStrings(std::string_view bytes)
{
    BinaryReader reader(bytes);
    std::string text;
    while (reader.ReadCountedString(text)) {
    }
}

void ReadGroupFile(std::string_view bytes)
{
    WriteInput("G.ini", bytes);
    (void)::ReadGroupFile(Folder(), "G");
}

void ReadCutList(std::string_view bytes)
{
    WriteInput("cutshow.ini", bytes);
    (void)ReadCutMarks(Folder(), {FoundEntry{.name = "a.jpg", .path = {}, .isDirectory = false},
                                  FoundEntry{.name = "", .path = {}, .isDirectory = false}});
}

// Opened and decoded as the play does it, clipped to a screen, and whole as the preview does.
void ReadPicture(std::string_view bytes)
{
    const std::string path = WriteInput("picture", bytes);
    CPictureImage clipped;
    if (clipped.Open(path) == CPictureImage::kSuccess)
        clipped.Decode(QRect(0, 0, 1920, 1080));
    CPictureImage whole;
    whole.LoadFile(path);
}

// Decoded piece by piece and converted for a common device, as the player streams a sound.
void ReadSound(std::string_view bytes)
{
    std::optional<WavReader> reader = WavReader::Open(WriteInput("sound.wav", bytes));
    if (!reader)
        return;
    SoundConverter converter(
        {.sampleRate = 48000, .channels = 2, .sample = SoundFormat::Sample::Int16});
    for (;;) {
        const DecodedSound piece = reader->Read(4096);
        const bool last = piece.Frames() < 4096;
        converter.Convert(piece, last);
        if (last)
            return;
    }
}

void ReadContents(std::string_view bytes)
{
    (void)ParseHelpContents(bytes);
}

void ReadHelpFile(std::string_view bytes)
{
    const std::unique_ptr<ChmFile> file = ChmFile::Open(WriteInput("help.chm", bytes));
    if (!file)
        return;
    (void)file->Holds("/" + file->DefaultTopic());
    if (const std::optional<std::string> contents = file->Read(file->ContentsFile()))
        (void)ParseHelpContents(*contents);
}

Reader ReaderFor(std::string_view fileName)
{
    const struct
    {
        std::string_view prefix;
        Reader reader;
    } readers[] = {
        {"settings-", ReadSettings}, {"strings-", ReadCountedStrings}, {"group-", ReadGroupFile},
        {"cutlist-", ReadCutList},   {"picture-", ReadPicture},        {"sound-", ReadSound},
        {"contents-", ReadContents}, {"help-", ReadHelpFile},
    };
    for (const auto& [prefix, reader] : readers) {
        if (fileName.substr(0, prefix.size()) == prefix)
            return reader;
    }
    return nullptr;
}

} // namespace fuzz
