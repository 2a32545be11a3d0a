// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogframe/LinkLabel.h"
#include "dialogframe/TypedDialog.h"
#include "platform/DesktopOpen.h"
#include "resources/LinkCursor.h"
#include "tests/support/WidgetTestHelpers.h"

#include <gtest/gtest.h>

#include <QLineEdit>

namespace {

using enum ControlKind;

enum class LinkFormId {
    Link = 40,
    Edit = 41,
    Missing = 99,
};
const QString kAddress = QStringLiteral("https://example.org/kids");
constexpr QColor kOrange(255, 128, 64);

// A dialog with one static that its initialisation makes a link.
class LinkForm : public CTypedDialog<LinkFormId>
{
public:
    LinkForm()
        : CTypedDialog(DialogTemplate{3,
                                      "Links",
                                      "Links",
                                      "MS Shell Dlg",
                                      8,
                                      200,
                                      60,
                                      {
                                          {kNoControlId, StaticLeft, "Visit:", 7, 7, 40, 8},
                                          {LinkFormId::Link, StaticLeft, kAddress.toStdString(), 7,
                                           20, 150, 8},
                                          {LinkFormId::Edit, Edit, "", 7, 35, 80, 12},
                                      }},
                       "Faq.html")
    {
    }
    CLinkLabel* MakeLink(LinkFormId id) { return CKipoDialog::MakeLink(IdNumber(id)); }
    CLinkLabel* Link() const { return Find<CLinkLabel>(LinkFormId::Link); }

protected:
    void OnInitDialog() override { BindLink(LinkFormId::Link); }
};

bool IsNavy(const QColor& colour)
{
    return colour.red() < 40 && colour.green() < 40 && colour.blue() > 100 && colour.blue() < 170;
}

bool IsBlue(const QColor& colour)
{
    return colour.red() < 40 && colour.green() < 40 && colour.blue() > 200;
}

QImage CursorImage(const QCursor& cursor)
{
    return cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
}

// Clicks a point of a widget through its window, so the click finds its receiver as the
// mouse's does.
void ClickThroughWindow(QWidget& widget, Qt::MouseButton button)
{
    QWidget* window = widget.window();
    QTest::mouseClick(window->windowHandle(), button, {},
                      widget.mapTo(window, widget.rect().center()));
}

TEST(LinkLabel, TakesTheStaticsPlaceWithLinkCursorAndUnderline)
{
    LinkForm form;
    const QRect staticGeometry = form.Find(LinkFormId::Link)->geometry();
    ASSERT_TRUE(ShowActive(form));
    CLinkLabel* link = form.Link();
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->text(), kAddress);
    EXPECT_EQ(link->geometry(), staticGeometry);
    EXPECT_TRUE(link->isVisible());
    EXPECT_TRUE(link->font().underline());
    EXPECT_EQ(link->font().pointSize(), 8);
    EXPECT_TRUE(link->IsLink());
    EXPECT_EQ(link->TextColor(), 0x00FF0000u);

    ASSERT_EQ(link->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(link->cursor().hotSpot(), LinkCursor().hotSpot());
    EXPECT_EQ(CursorImage(link->cursor()), CursorImage(LinkCursor()));

    EXPECT_EQ(form.MakeLink(LinkFormId::Edit), nullptr);
    EXPECT_NE(form.Find<QLineEdit>(LinkFormId::Edit), nullptr);
    EXPECT_EQ(form.MakeLink(LinkFormId::Missing), nullptr);
}

TEST(LinkLabel, LinkCursorIsAHandPointingFromItsHotSpot)
{
    const QImage hand = CursorImage(LinkCursor());
    ASSERT_FALSE(hand.isNull());
    const QPoint tip = LinkCursor().hotSpot();
    // The fingertip is drawn right below the hot spot; the corners stay clear.
    EXPECT_GT(qAlpha(hand.pixel(tip.x() + 1, tip.y() + 2)), 128);
    for (const QPoint corner : {QPoint(0, 0), QPoint(hand.width() - 1, 0)})
        EXPECT_EQ(qAlpha(hand.pixel(corner)), 0);
    int opaque = 0;
    for (int y = 0; y < hand.height(); ++y) {
        for (int x = 0; x < hand.width(); ++x)
            opaque += qAlpha(hand.pixel(x, y)) > 128;
    }
    EXPECT_GT(opaque, hand.width() * hand.height() / 5);
}

TEST(LinkLabel, InADialogTheColourRuleShowsNavyOnOrange)
{
    LinkForm form;
    ASSERT_TRUE(ShowActive(form));
    const QImage whole = form.grab().toImage();
    const QImage label = whole.copy(form.Link()->geometry());
    EXPECT_TRUE(IsNavy(DarkestPixel(label))) << DarkestPixel(label).name().toStdString();
    EXPECT_EQ(label.pixelColor(label.width() - 1, label.height() - 1), kOrange);

    // Its own colour still comes second to the rule.
    form.Link()->SetTextColor(0x000000FF);
    const QImage red = form.grab().toImage().copy(form.Link()->geometry());
    EXPECT_TRUE(IsNavy(DarkestPixel(red))) << DarkestPixel(red).name().toStdString();
}

TEST(LinkLabel, OutsideADialogItShowsItsOwnColourOnButtonFace)
{
    QWidget window;
    QLabel plain(kAddress);
    CLinkLabel link(plain);
    link.setParent(&window);
    link.setGeometry(0, 0, 240, 30);
    link.SetTextColor(0x00FF0000).SetUnderline(true);
    const QImage shown = link.grab().toImage();
    EXPECT_TRUE(IsBlue(DarkestPixel(shown))) << DarkestPixel(shown).name().toStdString();
    EXPECT_EQ(shown.pixelColor(shown.width() - 1, shown.height() - 1),
              QApplication::palette().color(QPalette::Button));
}

TEST(LinkLabel, LeftClickOpensItsOwnTextWhileItIsALink)
{
    LinkForm form;
    ASSERT_TRUE(ShowActive(form));
    CLinkLabel& link = *form.Link();
    RecordedDesktopOpens opens;

    ClickThroughWindow(link, Qt::LeftButton);
    ClickThroughWindow(link, Qt::RightButton);
    EXPECT_EQ(opens.Opened(), std::vector<std::string>{kAddress.toStdString()});

    link.setText(QStringLiteral("www.example.org"));
    ClickThroughWindow(link, Qt::LeftButton);
    EXPECT_EQ(opens.Opened().back(), "www.example.org");

    // No longer a link: the click goes to the dialog below and opens nothing.
    link.SetLink(false);
    ClickThroughWindow(link, Qt::LeftButton);
    EXPECT_EQ(opens.Opened().size(), 2u);
    link.SetLink(true);
    ClickThroughWindow(link, Qt::LeftButton);
    EXPECT_EQ(opens.Opened().size(), 3u);
}

} // namespace
