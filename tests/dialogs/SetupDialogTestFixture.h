// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DialogTestHelpers.h"
#include "dialogs/SetupDialog.h"
#include "library/Settings.h"
#include "resources/ResourceIds.h"
#include "tests/support/Bytes.h"
#include "tests/support/TempLibrary.h"
#include "tests/support/WidgetTestHelpers.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>

#include <algorithm>
#include <functional>
#include <memory>

// The setup dialog over a temporary library whose Kipo.ini a test writes first.
class SetupDialogTest : public ::testing::Test
{
protected:
    SetupDialogTest() { library.PointProgramHere(); }

    // Kipo.ini with the defaults, changed by `change`.
    void WriteSettings(const std::function<void(Settings&)>& change)
    {
        Settings file;
        file.Load();
        file.SetDefaults();
        change(file);
        ASSERT_TRUE(file.Save());
    }
    Settings SavedSettings()
    {
        Settings file;
        file.Load();
        return file;
    }

    void Open()
    {
        dialog = std::make_unique<CSetupDialog>(settings);
        ASSERT_TRUE(ShowActive(*dialog));
    }

    QLineEdit& Edit(SetupId id) { return *dialog->Find<QLineEdit>(id); }
    QCheckBox& Box(SetupId id) { return *dialog->Find<QCheckBox>(id); }
    QAbstractButton& Button(SetupId id) { return *dialog->Find<QAbstractButton>(id); }
    // Clicks a check box on its box, which is all of it that takes clicks.
    void ClickBox(SetupId id)
    {
        QCheckBox& box = Box(id);
        QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(6, box.height() / 2));
    }
    QListWidget& List() { return *dialog->Find<QListWidget>(SetupId::GroupList); }
    std::string InfoLine()
    {
        return dialog->Find<QLabel>(SetupId::GroupInfo)->text().toStdString();
    }

    std::vector<std::string> Entries()
    {
        std::vector<std::string> texts;
        for (int i = 0; i < List().count(); ++i)
            texts.push_back(List().item(i)->text().toStdString());
        return texts;
    }
    int RowOf(const std::string& text)
    {
        const auto entries = Entries();
        return static_cast<int>(std::find(entries.begin(), entries.end(), text) - entries.begin());
    }
    bool Ticked(int row) { return List().item(row)->checkState() == Qt::Checked; }

    // Points on an entry: the middle of its tick box, and its text well away from the box.
    QPoint TickBoxPoint(int row)
    {
        const QRect rect = List().visualItemRect(List().item(row));
        const int margin = List().style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
        const int width = List().style()->pixelMetric(QStyle::PM_IndicatorWidth);
        return {rect.left() + margin + width / 2, rect.center().y()};
    }
    QPoint TextPoint(int row)
    {
        const QRect rect = List().visualItemRect(List().item(row));
        return {rect.left() + rect.width() / 2, rect.center().y()};
    }
    void ClickEntry(int row)
    {
        QTest::mouseClick(List().viewport(), Qt::LeftButton, {}, TextPoint(row));
    }

    static std::string GroupFileBytes(const std::string& name, const std::string& description,
                                      unsigned flag)
    {
        return static_cast<char>(name.size()) + name + static_cast<char>(description.size()) +
               description + Bytes({flag, 0, 0, 0});
    }
    std::string GroupFile(const std::string& folder)
    {
        return library.ReadFile(folder + "/" + folder + ".ini");
    }
    void AddGroup(const std::string& folder, const std::string& name, std::int32_t displayed,
                  const std::string& description = {})
    {
        TestGroup group(folder);
        group.name = name;
        group.description = description;
        group.displayed = displayed;
        library.AddGroup(group);
    }

    TempLibrary library;
    ScriptedAnswers answers;
    Settings settings;
    std::unique_ptr<CSetupDialog> dialog;
};
