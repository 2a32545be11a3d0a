// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AboutDialog.h"
#include "app/KipoDlg.h"
#include "app/ThankDialog.h"
#include "dialogs/AddPicTerm.h"
#include "dialogs/ManagePicTerm.h"
#include "dialogs/ManageVoiceDialog.h"
#include "dialogs/SetupDialog.h"
#include "library/Settings.h"
#include "platform/MessageBox.h"
#include "platform/sound/Sound.h"
#include "resources/ResourceIds.h"
#include "tests/support/TempLibrary.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAccessible>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

// What a screen reader calls a control.
std::string AccessibleName(QWidget& control)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&control);
    return accessible ? accessible->text(QAccessible::Name).toStdString() : std::string();
}

bool IsReadOnlyEdit(const QWidget& control)
{
    if (const auto* edit = qobject_cast<const QLineEdit*>(&control))
        return edit->isReadOnly();
    const auto* edit = qobject_cast<const QPlainTextEdit*>(&control);
    return edit && edit->isReadOnly();
}

// The dialog's controls that a screen reader stops at: those that take the focus, lists and
// read-only fields.
std::vector<QWidget*> ReachableControls(QDialog& dialog)
{
    std::vector<QWidget*> reachable;
    for (QWidget* control : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control->isWindow())
            continue;
        if (control->focusPolicy() != Qt::NoFocus || qobject_cast<QAbstractItemView*>(control) ||
            IsReadOnlyEdit(*control))
            reachable.push_back(control);
    }
    return reachable;
}

struct Library
{
    Library() { files.PointProgramHere(); }

    TempLibrary files;
    Settings settings = [] {
        Settings loaded;
        loaded.Load();
        return loaded;
    }();
    std::string groupPath = files.AddGroup(TestGroup("Zoo"));
};

struct ExactName
{
    std::function<QWidget*(QDialog&)> find;
    std::string name;
};

template <ControlId Id> ExactName Named(Id id, const char* name)
{
    return {[id](QDialog& dialog) { return dynamic_cast<CTypedDialog<Id>&>(dialog).Find(id); },
            name};
}

struct DialogCase
{
    const char* dialog;
    std::function<std::unique_ptr<QDialog>(Library&)> open;
    std::vector<ExactName> names;
};

const DialogCase kDialogs[] = {
    {"welcome", [](Library& library) { return std::make_unique<CKipoDlg>(library.settings); }, {}},
    {"about", [](Library&) { return std::make_unique<CAboutDialog>(); }, {}},
    {"thanks", [](Library&) { return std::make_unique<CThankDialog>(); }, {}},
    {"setup",
     [](Library& library) { return std::make_unique<CSetupDialog>(library.settings); },
     {Named(SetupId::TimeLimitEdit, "Time limit (minutes)"),
      Named(SetupId::KeyDelayEdit, "Key delay (milliseconds)"),
      Named(SetupId::AutoDisplayEdit, "Auto display (seconds)"),
      Named(SetupId::GroupList, "Sounds and Pictures")}},
    {"default sounds",
     [](Library& library) {
         return std::make_unique<CManageVoiceDialog>(library.files.InstallDir());
     },
     {Named(DefaultSoundsId::List, "Default sounds")}},
    {"add group",
     [](Library& library) { return std::make_unique<CAddPicTerm>(library.files.InstallDir()); },
     {Named(AddGroupId::Path, "Group Path"), Named(AddGroupId::Name, "Group Name")}},
    {"manage group",
     [](Library& library) {
         return std::make_unique<CManagePicTerm>(library.groupPath,
                                                 PictureGroup{"Zoo", "Animals", "Farm", 1}, 1);
     },
     {Named(ManageGroupId::Path, "Group Path"),
      Named(ManageGroupId::PictureTotal, "Total Pictures"),
      Named(ManageGroupId::PictureList, "Pictures"),
      Named(ManageGroupId::CurrentSound, "Current Sound")}},
};

TEST(AccessibleNames, EveryControlAScreenReaderReachesHasANameOfItsOwn)
{
    const ScriptedMessages messages;
    const SoundRecorder sounds;
    for (const DialogCase& dialogCase : kDialogs) {
        SCOPED_TRACE(dialogCase.dialog);
        Library library;
        const std::unique_ptr<QDialog> dialog = dialogCase.open(library);
        dialog->show();

        const std::vector<QWidget*> reachable = ReachableControls(*dialog);
        EXPECT_GE(reachable.size(), 1u);
        std::set<std::string> names;
        for (QWidget* control : reachable) {
            const std::string name = AccessibleName(*control);
            SCOPED_TRACE(control->metaObject()->className());
            EXPECT_FALSE(name.empty());
            EXPECT_TRUE(names.insert(name).second) << name << " twice";
        }
        for (const ExactName& exact : dialogCase.names) {
            QWidget* control = exact.find(*dialog);
            ASSERT_NE(control, nullptr) << exact.name;
            EXPECT_EQ(AccessibleName(*control), exact.name);
        }
    }
}

} // namespace
