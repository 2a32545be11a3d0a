// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/AppIcon.h"
#include "resources/DialogTemplate.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

#include <set>

namespace {

const int kTemplateIds[] = {kAboutDialogId,        kWelcomeDialogId,     kThanksDialogId,
                            kSetupDialogId,        kManageVoiceDialogId, kAddPicTermDialogId,
                            kManagePicTermDialogId};

TEST(DialogTemplates, ControlsLieInsideTheirDialogWithUniqueIdsAndOneDefaultButton)
{
    for (const int templateId : kTemplateIds) {
        SCOPED_TRACE(templateId);
        const DialogTemplate& dialog = DialogTemplateById(templateId);
        EXPECT_EQ(dialog.id, templateId);
        EXPECT_FALSE(dialog.title.empty());
        std::set<int> ids;
        int defaultButtons = 0;
        for (const ControlTemplate& control : dialog.controls) {
            SCOPED_TRACE(control.text);
            EXPECT_GE(control.x, 0);
            EXPECT_GE(control.y, 0);
            EXPECT_GT(control.width, 0);
            EXPECT_GT(control.height, 0);
            EXPECT_LE(control.x + control.width, dialog.width);
            EXPECT_LE(control.y + control.height, dialog.height);
            if (control.id != kNoControlId) {
                EXPECT_TRUE(ids.insert(control.id).second) << "duplicate id " << control.id;
            }
            defaultButtons += control.kind == ControlKind::DefaultPushButton;
        }
        EXPECT_EQ(defaultButtons, 1);
    }
}

TEST(StringTable, FillInEachReplacesTheMarkersInOnePass)
{
    EXPECT_EQ(FillInEach("%s and %s of %s", "%s", {"a%s", "b", "c"}), "a%s and b of c");
    EXPECT_EQ(FillInEach("%s-%s", "%s", {"x"}), "x-%s");
    EXPECT_EQ(FillInEach("none", "%s", {"x", "y"}), "none");
}

TEST(DialogTemplates, UnknownIdGivesAnEmptyTemplate)
{
    const DialogTemplate& unknown = DialogTemplateById(4242);
    EXPECT_EQ(unknown.id, 0);
    EXPECT_TRUE(unknown.controls.empty());
}

TEST(AppIcon, EverySizeIsARoundOpaqueTileWithTransparentCorners)
{
    const QIcon icon = AppIcon();
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size)));
        const QImage image = icon.pixmap(QSize(size, size)).toImage();
        ASSERT_EQ(image.size(), QSize(size, size));
        EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0);
        EXPECT_EQ(image.pixelColor(size - 1, size - 1).alpha(), 0);
        EXPECT_EQ(image.pixelColor(size / 2, size / 2).alpha(), 255);
        EXPECT_EQ(image.pixelColor(size / 2, size / 8).alpha(), 255);
    }
}

} // namespace
