// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/files/FileSearch.h"

#include <QTreeWidgetItem>

#include <string>

// One row of a group's picture list: the file name as the folder lists it, its size in bytes
// and its cut mark. The text of the cut column is the record of the mark. Rows sort by file
// name ignoring letter case.
class PictureRow : public QTreeWidgetItem
{
public:
    enum Column { kNameColumn, kSizeColumn, kCutColumn, kColumnCount };

    PictureRow(const FoundEntry& picture, bool cut);

    // The name's bytes, also when they are not valid UTF-8.
    const std::string& FileName() const { return m_fileName; }
    bool IsCut() const;
    void SetCut(bool cut);

    bool operator<(const QTreeWidgetItem& other) const override;

private:
    std::string m_fileName;
};
