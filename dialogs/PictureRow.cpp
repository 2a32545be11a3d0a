// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/PictureRow.h"

#include "dialogframe/DisplayText.h"
#include "platform/files/FileFacts.h"
#include "resources/StringTable.h"

#include <optional>

namespace {

QString CutText(bool cut)
{
    return DisplayText(LoadString(cut ? kStrCutYes : kStrCutNo));
}

} // namespace

PictureRow::PictureRow(const FoundEntry& picture, bool cut) : m_fileName(picture.name)
{
    setText(kNameColumn, DisplayText(picture.name));
    if (const std::optional<std::uint64_t> length = FileSizeOf(picture.path))
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
