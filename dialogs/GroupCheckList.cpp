// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/GroupCheckList.h"

#include "dialogframe/DisplayText.h"

#include <QListWidget>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

namespace {

constexpr int kGroupIndexRole = Qt::UserRole;

// An entry sorts by its text ignoring letter case.
class GroupEntry : public QListWidgetItem
{
public:
    using QListWidgetItem::QListWidgetItem;

    bool operator<(const QListWidgetItem& other) const override
    {
        return text().compare(other.text(), Qt::CaseInsensitive) < 0;
    }
};

// Lays an entry out as the list's delegate does, to find where its tick box lies.
class TickBoxLayout : public QStyledItemDelegate
{
public:
    QRect TickBox(const QListWidget& list, const QModelIndex& index) const
    {
        QStyleOptionViewItem option;
        option.initFrom(list.viewport());
        option.rect = list.visualRect(index);
        option.font = list.font();
        option.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
        option.decorationSize = list.iconSize();
        option.widget = &list;
        initStyleOption(&option, index);
        return list.style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, &list);
    }
};

} // namespace

QString GroupEntryText(const PictureGroup& group)
{
    return DisplayText(group.name) + QStringLiteral("  [") + DisplayText(group.folderName) + u']';
}

GroupCheckList::GroupCheckList(QListWidget& list) : QObject(&list), m_list(list)
{
    m_list.setSelectionMode(QAbstractItemView::SingleSelection);
    m_list.setSortingEnabled(true);
    m_list.setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_list.setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_list.viewport()->installEventFilter(this);
    connect(&m_list, &QListWidget::itemSelectionChanged, this, &GroupCheckList::SelectionChanged);
}

void GroupCheckList::Fill(const std::vector<PictureGroup>& groups)
{
    const QSignalBlocker quiet(m_list);
    m_list.clear();
    for (std::size_t i = 0; i < groups.size(); ++i) {
        auto* entry = new GroupEntry(GroupEntryText(groups[i]));
        entry->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        entry->setCheckState(groups[i].displayed != 0 ? Qt::Checked : Qt::Unchecked);
        entry->setData(kGroupIndexRole, QVariant::fromValue(static_cast<qulonglong>(i)));
        m_list.addItem(entry);
    }
}

int GroupCheckList::Count() const
{
    return m_list.count();
}

std::optional<int> GroupCheckList::SelectedRow() const
{
    const QList<QListWidgetItem*> selected = m_list.selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    return m_list.row(selected.first());
}

void GroupCheckList::Select(int row)
{
    const QSignalBlocker quiet(m_list);
    m_list.clearSelection();
    if (QListWidgetItem* entry = m_list.item(row)) {
        m_list.setCurrentItem(entry);
        entry->setSelected(true);
    }
}

std::optional<std::size_t> GroupCheckList::GroupOfRow(int row) const
{
    const QListWidgetItem* entry = m_list.item(row);
    if (!entry)
        return std::nullopt;
    return static_cast<std::size_t>(entry->data(kGroupIndexRole).toULongLong());
}

bool GroupCheckList::IsTicked(int row) const
{
    const QListWidgetItem* entry = m_list.item(row);
    return entry && entry->checkState() == Qt::Checked;
}

void GroupCheckList::SetTicked(int row, bool ticked)
{
    if (QListWidgetItem* entry = m_list.item(row))
        entry->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

bool GroupCheckList::InTickBox(int row, const QPoint& position) const
{
    return TickBoxLayout().TickBox(m_list, m_list.model()->index(row, 0)).contains(position);
}

bool GroupCheckList::eventFilter(QObject* watched, QEvent* event)
{
    const bool press = event->type() == QEvent::MouseButtonPress;
    const bool doubleClick = event->type() == QEvent::MouseButtonDblClick;
    // The kind of event first: the list is asked for its viewport only while it is whole,
    // never from the events of its own destruction.
    if (!(press || doubleClick) || watched != m_list.viewport())
        return QObject::eventFilter(watched, event);
    const auto* click = static_cast<QMouseEvent*>(event);
    const QPoint position = click->position().toPoint();
    const QListWidgetItem* entry = m_list.itemAt(position);
    if (!entry || click->button() != Qt::LeftButton)
        return QObject::eventFilter(watched, event);
    const int row = m_list.row(entry);
    const bool inTickBox = InTickBox(row, position);
    if (press) {
        // The list leaves the selection alone when its tick box takes the press.
        if (inTickBox)
            m_list.setCurrentRow(row);
        return QObject::eventFilter(watched, event);
    }
    // On the tick box the double-click is left out, so that the release after it toggles the
    // tick as the release of a single click does.
    if (!inTickBox)
        emit EntryDoubleClicked();
    return true;
}
