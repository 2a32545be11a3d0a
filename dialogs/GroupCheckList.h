// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "library/PictureGroup.h"

#include <QObject>

#include <cstddef>
#include <optional>
#include <vector>

class QListWidget;

// The check list of picture groups: one entry "name  [FOLDER]" per group, kept in the order of
// the entries' texts ignoring letter case, with a tick that means "shown during play". Each
// entry carries the index of its group. A click on an entry's tick box toggles it and selects
// the entry, the space bar toggles the selected entry, and a double-click on the box counts as
// one more click on it; a double-click elsewhere on an entry is reported.
class GroupCheckList : public QObject
{
    Q_OBJECT

public:
    explicit GroupCheckList(QListWidget& list);

    // Replaces the entries: one per group, ticked when its flag is nonzero, none selected.
    void Fill(const std::vector<PictureGroup>& groups);

    int Count() const;
    // The selected entry's row; nullopt when none is selected.
    std::optional<int> SelectedRow() const;
    // Selects the entry at `row` (none when out of range) without reporting it.
    void Select(int row);
    // The index in the filled groups of the entry at `row`; nullopt when out of range.
    std::optional<std::size_t> GroupOfRow(int row) const;
    bool IsTicked(int row) const;
    void SetTicked(int row, bool ticked);

signals:
    // The parent selected another entry.
    void SelectionChanged();
    // The parent double-clicked an entry outside its tick box.
    void EntryDoubleClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool InTickBox(int row, const QPoint& position) const;

    QListWidget& m_list;
};

// The text of a group's entry: the name, two spaces and the folder name in brackets.
QString GroupEntryText(const PictureGroup& group);
