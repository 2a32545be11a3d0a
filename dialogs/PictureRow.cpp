#include "dialogs/PictureRow.h"

#include "dialogs/ByteTextField.h"
#include "resources/StringTable.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <optional>

namespace {

// The length of the file, known only when it can be opened for reading. Opened without
// waiting, so that a pipe named like a picture cannot block the dialog.
std::optional<std::uint64_t> OpenedFileLength(const std::string& path)
{
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat status = {};
    const bool known = fstat(fd, &status) == 0;
    close(fd);
    if (!known)
        return std::nullopt;
    return static_cast<std::uint64_t>(status.st_size);
}

QString CutText(bool cut)
{
    return DisplayText(LoadString(cut ? kStrCutYes : kStrCutNo));
}

} // namespace

PictureRow::PictureRow(const FoundEntry& picture, bool cut) : m_fileName(picture.name)
{
    setText(kNameColumn, DisplayText(picture.name));
    if (const std::optional<std::uint64_t> length = OpenedFileLength(picture.path))
        setText(kSizeColumn, QString::number(*length));
    setTextAlignment(kSizeColumn, Qt::AlignRight | Qt::AlignVCenter);
    setTextAlignment(kCutColumn, Qt::AlignCenter);
    SetCut(cut);
}

bool PictureRow::IsCut() const
{
    return text(kCutColumn) == CutText(true);
}

void PictureRow::SetCut(bool cut)
{
    setText(kCutColumn, CutText(cut));
}

bool PictureRow::operator<(const QTreeWidgetItem& other) const
{
    const int order = text(kNameColumn).compare(other.text(kNameColumn), Qt::CaseInsensitive);
    if (order != 0)
        return order < 0;
    // Names that differ only in letter case, or in bytes shown alike, keep one fixed order.
    const auto* otherRow = dynamic_cast<const PictureRow*>(&other);
    return otherRow != nullptr && m_fileName < otherRow->m_fileName;
}
