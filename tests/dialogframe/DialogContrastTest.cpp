// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogframe/DialogColours.h"
#include "dialogframe/KipoDialog.h"
#include "dialogframe/OwnerDrawButton.h"
#include "dialogframe/UpDown.h"
#include "resources/ResourceIds.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <string>

namespace {

// WCAG's relative luminance of an sRGB colour.
double Luminance(const QColor& colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

double Contrast(const QColor& a, const QColor& b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Text needs 4.5:1. Disabled controls are exempt from that; they must still be legible: 3:1.
// A focus frame or selection is no text: 3:1 against what is next to it.
constexpr double kTextContrast = 4.5;
constexpr double kDisabledTextContrast = 3.0;
constexpr double kFocusContrast = 3.0;

// A dark desktop theme as the desktops ship them: light text on dark grey.
QPalette DarkPalette()
{
    QPalette palette(QColor(53, 53, 53));
    const std::pair<QPalette::ColorRole, QColor> roles[] = {
        {QPalette::Window, {53, 53, 53}},
        {QPalette::WindowText, {230, 230, 230}},
        {QPalette::Base, {35, 35, 35}},
        {QPalette::AlternateBase, {60, 60, 60}},
        {QPalette::Button, {66, 66, 66}},
        {QPalette::ButtonText, {230, 230, 230}},
        {QPalette::Text, {230, 230, 230}},
        {QPalette::Highlight, {42, 130, 218}},
        {QPalette::HighlightedText, {0, 0, 0}},
        {QPalette::Light, {90, 90, 90}},
        {QPalette::Midlight, {75, 75, 75}},
        {QPalette::Mid, {45, 45, 45}},
        {QPalette::Dark, {30, 30, 30}},
        {QPalette::Shadow, {10, 10, 10}},
        {QPalette::ToolTipBase, {66, 66, 66}},
        {QPalette::ToolTipText, {230, 230, 230}},
        {QPalette::PlaceholderText, {140, 140, 140}},
    };
    for (const auto& [role, colour] : roles)
        palette.setColor(role, colour);
    for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        palette.setColor(QPalette::Disabled, role, QColor(140, 140, 140));
    return palette;
}

// Under the Fusion style with a dark application palette, for the length of a test.
class DarkTheme : public ::testing::Test
{
protected:
    DarkTheme() : m_style(QApplication::style()->name()), m_palette(QApplication::palette())
    {
        QApplication::setStyle(QStringLiteral("Fusion"));
        QApplication::setPalette(DarkPalette());
    }
    ~DarkTheme() override
    {
        QApplication::setPalette(m_palette);
        QApplication::setStyle(m_style);
    }

private:
    const QString m_style;
    const QPalette m_palette;
};

// A dialog built from a program template, with every numbered static made a link label.
class TemplateDialog : public CKipoDialog
{
public:
    explicit TemplateDialog(int templateId) : CKipoDialog(templateId, "index.html")
    {
        for (const ControlTemplate& control : DialogTemplateById(templateId).controls)
            if (control.id != kNoControlId)
                MakeLink(control.id);
    }
};

// The colour role of each kind of control's text; the first kind a control is wins.
struct TextRule
{
    const QMetaObject* kind;
    std::optional<QPalette::ColorRole> text; // none: the control shows no text
};

const TextRule kTextRules[] = {
    {&QPushButton::staticMetaObject, QPalette::ButtonText},
    {&CUpDown::staticMetaObject, QPalette::ButtonText}, // its arrows
    {&QCheckBox::staticMetaObject, QPalette::WindowText},
    {&QGroupBox::staticMetaObject, QPalette::WindowText},
    {&QLabel::staticMetaObject, QPalette::WindowText},
    {&QLineEdit::staticMetaObject, QPalette::Text},
    {&QPlainTextEdit::staticMetaObject, QPalette::Text},
    {&QAbstractItemView::staticMetaObject, QPalette::Text},
    {&COwnerDrawButton::staticMetaObject, std::nullopt}, // draws pictures and colours
    {&QFrame::staticMetaObject, std::nullopt},           // a plain line
};

const TextRule* RuleFor(const QWidget& control)
{
    const auto found = std::ranges::find_if(
        kTextRules, [&](const TextRule& rule) { return rule.kind->cast(&control) != nullptr; });
    return found == std::end(kTextRules) ? nullptr : &*found;
}

// The colour that covers most of `area`: what the control's text is drawn on. Colours are
// counted in coarse steps, so that a style's gradient face counts as one colour, its mean.
QColor Dominant(const QImage& image, const QRect& area)
{
    struct Bucket
    {
        int count = 0;
        int red = 0;
        int green = 0;
        int blue = 0;
    };
    std::map<int, Bucket> buckets;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            Bucket& bucket =
                buckets[(pixel.red() >> 4) << 8 | (pixel.green() >> 4) << 4 | pixel.blue() >> 4];
            ++bucket.count;
            bucket.red += pixel.red();
            bucket.green += pixel.green();
            bucket.blue += pixel.blue();
        }
    }
    const Bucket& most = std::ranges::max_element(buckets, {}, [](const auto& entry) {
                             return entry.second.count;
                         })->second;
    return QColor(most.red / most.count, most.green / most.count, most.blue / most.count);
}

struct Shown
{
    int templateId;
    const char* name;
};

const Shown kDialogs[] = {
    {kWelcomeDialogId, "welcome"},
    {kAboutDialogId, "About"},
    {kThanksDialogId, "Thanks"},
    {kSetupDialogId, "Setup"},
    {kAddPicTermDialogId, "Add Picture Group"},
    {kManagePicTermDialogId, "Manage Picture Group"},
    {kManageVoiceDialogId, "Manage Default Sounds"},
};

TEST_F(DarkTheme, EveryControlOfEveryDialogHasReadableTextEnabledAndDisabled)
{
    for (const Shown& shown : kDialogs) {
        TemplateDialog dialog(shown.templateId);
        for (const bool enabled : {true, false}) {
            dialog.setEnabled(enabled);
            const QImage image = dialog.grab().toImage();
            const QPalette::ColorGroup group = enabled ? QPalette::Active : QPalette::Disabled;
            const double needed = enabled ? kTextContrast : kDisabledTextContrast;
            for (QWidget* control : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                const std::string what =
                    std::string(shown.name) + ", " + control->metaObject()->className() + " at " +
                    std::to_string(control->x()) + "," + std::to_string(control->y()) +
                    (enabled ? "" : ", disabled");
                const TextRule* rule = RuleFor(*control);
                ASSERT_NE(rule, nullptr) << what << ": a kind of control without a rule";
                if (!rule->text)
                    continue;
                const QColor text = control->palette().color(group, *rule->text);
                const QColor under = Dominant(image, control->geometry());
                EXPECT_GE(Contrast(text, under), needed)
                    << what << ": " << text.name().toStdString() << " on "
                    << under.name().toStdString();
            }
        }
    }
}

// What the style draws from the palette besides the text: check marks on the indicator,
// selected text, and the focus frame, which must stand out from the face and the dialog.
TEST_F(DarkTheme, IndicatorsSelectionsAndFocusFramesOfTheDialogColoursAreReadable)
{
    const QPalette palette = DialogPalette();
    struct Pair
    {
        QPalette::ColorGroup group;
        QPalette::ColorRole front;
        QPalette::ColorRole back;
        double needed;
    };
    const Pair pairs[] = {
        {QPalette::Active, QPalette::Text, QPalette::Base, kTextContrast},
        {QPalette::Disabled, QPalette::Text, QPalette::Base, kDisabledTextContrast},
        {QPalette::Active, QPalette::HighlightedText, QPalette::Highlight, kTextContrast},
        {QPalette::Inactive, QPalette::HighlightedText, QPalette::Highlight, kTextContrast},
        {QPalette::Active, QPalette::PlaceholderText, QPalette::Base, kTextContrast},
        {QPalette::Active, QPalette::ToolTipText, QPalette::ToolTipBase, kTextContrast},
        {QPalette::Active, QPalette::Highlight, QPalette::Button, kFocusContrast},
        {QPalette::Active, QPalette::Highlight, QPalette::Window, kFocusContrast},
        {QPalette::Active, QPalette::Highlight, QPalette::Base, kFocusContrast},
    };
    for (const Pair& pair : pairs)
        EXPECT_GE(
            Contrast(palette.color(pair.group, pair.front), palette.color(pair.group, pair.back)),
            pair.needed)
            << "roles " << pair.front << " on " << pair.back << " in group " << pair.group;
}

TEST_F(DarkTheme, TheDialogsKeepTheirOrangeAndNavy)
{
    TemplateDialog dialog(kWelcomeDialogId);
    const QImage image = dialog.grab().toImage();
    EXPECT_EQ(image.pixelColor(2, 2), kDialogBackground);
    for (auto* button : dialog.findChildren<QPushButton*>())
        EXPECT_EQ(button->palette().color(QPalette::ButtonText), kDialogText);
}

} // namespace
