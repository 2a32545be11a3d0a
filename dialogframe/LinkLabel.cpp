// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogframe/LinkLabel.h"

#include "dialogframe/KipoDialog.h"
#include "platform/ColorRef.h"
#include "platform/DesktopOpen.h"

#include <QApplication>
#include <QCursor>
#include <QFontDatabase>
#include <QMouseEvent>

namespace {

// The classic default GUI font: the desktop's plain font at 8 points.
constexpr int kFontPointSize = 8;

QFont DefaultGuiFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(kFontPointSize);
    return font;
}

} // namespace

CLinkLabel::CLinkLabel(const QLabel& staticControl)
    : QLabel(staticControl.text()),
      m_textColor(RefFromColor(QApplication::palette().color(QPalette::WindowText)))
{
    setTextFormat(staticControl.textFormat());
    setAlignment(staticControl.alignment());
    setWordWrap(staticControl.wordWrap());
    setFont(DefaultGuiFont());
    ApplyColours();
}

CLinkLabel& CLinkLabel::SetLink(bool on)
{
    m_isLink = on;
    setAttribute(Qt::WA_TransparentForMouseEvents, !on);
    return *this;
}

CLinkLabel& CLinkLabel::SetTextColor(std::uint32_t color)
{
    m_textColor = color;
    ApplyColours();
    repaint();
    return *this;
}

CLinkLabel& CLinkLabel::SetUnderline(bool on)
{
    QFont underlined = font();
    underlined.setUnderline(on);
    setFont(underlined);
    repaint();
    return *this;
}

CLinkLabel& CLinkLabel::SetLinkCursor(const QCursor& cursor)
{
    setCursor(cursor);
    return *this;
}

void CLinkLabel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ParentChange)
        ApplyColours();
    QLabel::changeEvent(event);
}

void CLinkLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        OpenWithDesktop(text().toStdString());
    QLabel::mousePressEvent(event);
}

// The label's own colours first; a dialog of the program then overrides them with its rule.
void CLinkLabel::ApplyColours()
{
    if (qobject_cast<const CKipoDialog*>(window())) {
        setPalette(QPalette()); // every role from the dialog
        setAutoFillBackground(false);
        return;
    }
    QPalette own = QApplication::palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive})
        own.setColor(group, QPalette::WindowText, ColorFromRef(m_textColor));
    own.setColor(QPalette::Window, own.color(QPalette::Button));
    setPalette(own);
    setAutoFillBackground(true);
}
