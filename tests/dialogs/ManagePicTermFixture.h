// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs/ManagePicTerm.h"
#include "dialogs/PicturePreview.h"
#include "library/PictureGroup.h"
#include "resources/ResourceIds.h"
#include "tests/support/SolidPng.h"
#include "tests/support/TempLibrary.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>

#include <memory>
#include <string>
#include <vector>

// The picture group "Zoo" in a temporary library, and the Manage Picture Group dialog on it,
// driven by control ids as a user would.
class ManagePicTermTest : public ::testing::Test
{
protected:
    ManagePicTermTest() : m_groupPath(m_library.MakeDir("Zoo")) {}

    std::string Put(const std::string& name, std::string_view bytes = "x") const
    {
        return m_library.WriteFile("Zoo/" + name, bytes);
    }
    // A PNG file of one colour.
    std::string PutPicture(const std::string& name, QSize size, QColor colour) const
    {
        return Put(name, SolidPng(size, colour));
    }

    void Open(const std::vector<std::string>& cutNames = {}, const std::string& name = "Animals")
    {
        ASSERT_TRUE(WriteGroupFile(m_groupPath, "Zoo", name, "Farm", 1));
        ASSERT_TRUE(WriteCutList(m_groupPath, cutNames));
        m_dialog =
            std::make_unique<CManagePicTerm>(m_groupPath, PictureGroup{"Zoo", name, "Farm", 1}, 1);
        m_dialog->show();
    }

    QTreeWidget& List() const { return *m_dialog->Find<QTreeWidget>(ManageGroupId::PictureList); }
    std::vector<std::string> Column(int column) const
    {
        std::vector<std::string> texts;
        for (int row = 0; row < List().topLevelItemCount(); ++row)
            texts.push_back(List().topLevelItem(row)->text(column).toStdString());
        return texts;
    }
    QTreeWidgetItem* RowNamed(const QString& name) const
    {
        const auto found = List().findItems(name, Qt::MatchExactly);
        return found.isEmpty() ? nullptr : found.front();
    }
    // Clicks the row, as the user selects it.
    void Select(const QString& name) const
    {
        QTreeWidgetItem* row = RowNamed(name);
        ASSERT_NE(row, nullptr) << name.toStdString();
        List().scrollToItem(row);
        QTest::mouseClick(List().viewport(), Qt::LeftButton, {},
                          List().visualItemRect(row).center());
        ASSERT_TRUE(row->isSelected());
    }
    // A click reaches only an enabled button.
    void Click(ManageGroupId id) const
    {
        QTest::mouseClick(m_dialog->Find<QAbstractButton>(id), Qt::LeftButton);
    }
    bool Enabled(ManageGroupId id) const { return m_dialog->Find(id)->isEnabled(); }
    std::string Text(ManageGroupId id) const
    {
        if (const auto* edit = m_dialog->Find<QLineEdit>(id))
            return edit->text().toStdString();
        return m_dialog->Find<QAbstractButton>(id)->text().toStdString();
    }
    // The preview frame as it paints itself.
    // The preview frame as painted once the picture asked for last has loaded.
    QImage Preview() const
    {
        QWidget* frame = m_dialog->Find(ManageGroupId::Preview);
        const auto* preview = frame->findChild<CPicturePreview*>();
        EXPECT_TRUE(preview && QTest::qWaitFor([&] { return !preview->IsLoading(); }, 10000));
        return frame->grab().toImage();
    }
    std::string GroupFile(std::string_view name) const
    {
        return m_library.ReadFile("Zoo/" + std::string(name));
    }

    TempLibrary m_library;
    std::string m_groupPath;
    std::unique_ptr<CManagePicTerm> m_dialog;
};
