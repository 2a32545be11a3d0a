// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogframe/DialogBuilder.h"

#include "dialogframe/DialogColours.h"
#include "dialogframe/GroupFrame.h"
#include "dialogframe/OwnerDrawButton.h"
#include "dialogframe/UpDown.h"
#include "resources/AppIcon.h"
#include "resources/StringTable.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

namespace {

QString ToQt(const std::string& text)
{
    return QString::fromStdString(text);
}

// A template's English text in the language of the installed catalogues.
QString Translated(const DialogTemplate& dialogTemplate, const std::string& text)
{
    if (text.empty())
        return {};
    return QCoreApplication::translate(dialogTemplate.context.c_str(), text.c_str());
}

bool HasMnemonic(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == u'&') {
            if (text[i + 1] != u'&')
                return true;
            ++i;
        }
    }
    return false;
}

// "&&" becomes "&"; a single '&' that marks a mnemonic goes.
QString WithoutMnemonics(const QString& text)
{
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size())
            ++i;
        plain += text[i];
    }
    return plain;
}

QLabel* CreateStatic(const QString& text, Qt::Alignment alignment)
{
    auto* label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(alignment | Qt::AlignTop);
    return label;
}

QWidget* CreateEdit(const ControlTemplate& control)
{
    const bool readOnly = control.style & ReadOnly;
    if (control.style & MultiLine) {
        auto* edit = new QPlainTextEdit(ToQt(control.text));
        edit->setReadOnly(readOnly);
        return edit;
    }
    auto* edit = new QLineEdit(ToQt(control.text));
    edit->setReadOnly(readOnly);
    return edit;
}

QWidget* CreateListBox(const ControlTemplate& control)
{
    auto* list = new QListWidget;
    list->setSortingEnabled(control.style & Sorted);
    return list;
}

QWidget* CreateListView(const ControlTemplate& control)
{
    auto* view = new QTreeWidget;
    view->setRootIsDecorated(false);
    view->setUniformRowHeights(true);
    view->setAllColumnsShowFocus(true);
    view->setSelectionMode(control.style & SingleSelection ? QAbstractItemView::SingleSelection
                                                           : QAbstractItemView::ExtendedSelection);
    if (control.style & Sorted) {
        view->setSortingEnabled(true);
        view->sortByColumn(0, Qt::AscendingOrder);
        // The rows stay in order of their first column; the headings do not re-sort.
        view->header()->setSectionsClickable(false);
        view->header()->setSortIndicatorShown(false);
    }
    return view;
}

QWidget* CreateIcon(const QRect& pixels)
{
    auto* label = new QLabel;
    const int side = std::min(pixels.width(), pixels.height());
    label->setPixmap(AppIcon().pixmap(QSize(side, side)));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QWidget* CreateFrame()
{
    auto* frame = new QFrame;
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    // Drawn in the dialog's shadow colour, whatever the desktop's theme.
    QPalette palette;
    palette.setColor(QPalette::WindowText, DialogPalette().color(QPalette::Dark));
    frame->setPalette(palette);
    return frame;
}

// An edit's text is what it starts with, never translated; the other kinds' texts are shown
// as `text`.
QWidget* CreateWidget(const ControlTemplate& control, const QString& text, const QRect& pixels)
{
    switch (control.kind) {
    case ControlKind::StaticLeft:
        return CreateStatic(text, Qt::AlignLeft);
    case ControlKind::StaticCentre:
        return CreateStatic(text, Qt::AlignHCenter);
    case ControlKind::StaticRight:
        return CreateStatic(text, Qt::AlignRight);
    case ControlKind::GroupBox:
        return new CGroupFrame(text);
    case ControlKind::PushButton:
        return new QPushButton(text);
    case ControlKind::DefaultPushButton: {
        auto* button = new QPushButton(text);
        button->setDefault(true);
        return button;
    }
    case ControlKind::CheckBox:
        return new QCheckBox(text);
    case ControlKind::Edit:
        return CreateEdit(control);
    case ControlKind::ListBox:
        return CreateListBox(control);
    case ControlKind::ListView:
        return CreateListView(control);
    case ControlKind::UpDown: {
        auto* upDown = new CUpDown;
        upDown->SetWrap(control.style & Wrap);
        return upDown;
    }
    case ControlKind::Icon:
        return CreateIcon(pixels);
    case ControlKind::OwnerDrawButton: {
        auto* button = new COwnerDrawButton;
        button->setText(text);
        return button;
    }
    case ControlKind::Frame:
        return CreateFrame();
    }
    return new QWidget;
}

QStringList TranslatedTexts(const DialogTemplate& dialogTemplate)
{
    QStringList texts;
    for (const ControlTemplate& control : dialogTemplate.controls)
        texts << Translated(dialogTemplate, control.text);
    return texts;
}

bool TakesTabFocus(const QWidget* widget)
{
    return widget->focusPolicy() & Qt::TabFocus;
}

// A static's mnemonic moves the focus to the next control that Tab reaches; without one the
// text is shown with its markers removed.
void BindStaticMnemonics(const std::vector<QWidget*>& widgets)
{
    for (auto it = widgets.begin(); it != widgets.end(); ++it) {
        auto* label = qobject_cast<QLabel*>(*it);
        if (!label || !label->text().contains(u'&'))
            continue;
        const auto buddy = std::find_if(it + 1, widgets.end(), TakesTabFocus);
        if (HasMnemonic(label->text()) && buddy != widgets.end())
            label->setBuddy(*buddy);
        else
            label->setText(WithoutMnemonics(label->text()));
    }
}

// An up-down control takes the edit just before it as its buddy.
void AttachUpDowns(const std::vector<QWidget*>& widgets)
{
    for (std::size_t i = 1; i < widgets.size(); ++i) {
        if (auto* upDown = qobject_cast<CUpDown*>(widgets[i]))
            upDown->SetBuddy(qobject_cast<QLineEdit*>(widgets[i - 1]));
    }
}

bool IsStatic(ControlKind kind)
{
    return kind == ControlKind::StaticLeft || kind == ControlKind::StaticCentre ||
           kind == ControlKind::StaticRight;
}

// Edits and lists show no text of their own that a screen reader could call them by.
bool NeedsName(ControlKind kind)
{
    return kind == ControlKind::Edit || kind == ControlKind::ListBox ||
           kind == ControlKind::ListView;
}

bool Encloses(const ControlTemplate& outer, const ControlTemplate& inner)
{
    return outer.x <= inner.x && outer.y <= inner.y &&
           inner.x + inner.width <= outer.x + outer.width &&
           inner.y + inner.height <= outer.y + outer.height;
}

// A label's text as the name of what it labels: no mnemonic markers, no closing colon.
QString NameFromLabel(const QString& text)
{
    QString name = WithoutMnemonics(text).trimmed();
    if (name.endsWith(u':'))
        name.chop(1);
    return name.trimmed();
}

// The template's own name for the control at `index`, else the text of the static just
// before it, else the title of the nearest group box around it; empty when none.
QString AccessibleNameOf(const DialogTemplate& dialogTemplate, const std::vector<QWidget*>& widgets,
                         std::size_t index)
{
    const std::vector<ControlTemplate>& controls = dialogTemplate.controls;
    if (controls[index].nameId != 0)
        return ToQt(LoadString(controls[index].nameId));
    if (index > 0 && IsStatic(controls[index - 1].kind)) {
        const QString label = NameFromLabel(qobject_cast<QLabel*>(widgets[index - 1])->text());
        if (!label.isEmpty())
            return label;
    }
    for (std::size_t before = index; before-- > 0;) {
        if (controls[before].kind == ControlKind::GroupBox &&
            Encloses(controls[before], controls[index]))
            return NameFromLabel(qobject_cast<QGroupBox*>(widgets[before])->title());
    }
    return {};
}

void NameUnlabelledControls(const DialogTemplate& dialogTemplate,
                            const std::vector<QWidget*>& widgets)
{
    for (std::size_t i = 0; i < widgets.size(); ++i) {
        if (NeedsName(dialogTemplate.controls[i].kind))
            widgets[i]->setAccessibleName(AccessibleNameOf(dialogTemplate, widgets, i));
    }
}

} // namespace

QFont DialogFont(const DialogTemplate& dialogTemplate)
{
    static constexpr std::array<std::string_view, 4> kShellFaces{
        "", "MS Shell Dlg", "MS Shell Dlg 2", "Microsoft Sans Serif"};
    const bool isShellFace =
        std::ranges::find(kShellFaces, dialogTemplate.fontFace) != kShellFaces.end();
    QFont font = isShellFace ? QFontDatabase::systemFont(QFontDatabase::GeneralFont)
                             : QFont(ToQt(dialogTemplate.fontFace));
    font.setPointSize(dialogTemplate.pointSize);
    return font;
}

DialogBuilder::DialogBuilder(const DialogTemplate& dialogTemplate, QDialog& dialog)
    : DialogBuilder(dialogTemplate, dialog, TranslatedTexts(dialogTemplate))
{
}

DialogBuilder::DialogBuilder(const DialogTemplate& dialogTemplate, QDialog& dialog,
                             const QStringList& texts)
    : m_units(DialogFont(dialogTemplate), texts)
{
    dialog.setWindowTitle(Translated(dialogTemplate, dialogTemplate.title));
    dialog.setFont(DialogFont(dialogTemplate));
    dialog.setFixedSize(m_units.ToPixelsX(dialogTemplate.width),
                        m_units.ToPixelsY(dialogTemplate.height));

    std::vector<QWidget*> widgets;
    widgets.reserve(dialogTemplate.controls.size());
    for (std::size_t i = 0; i < dialogTemplate.controls.size(); ++i) {
        const ControlTemplate& control = dialogTemplate.controls[i];
        const QRect pixels = m_units.ToPixels(control.x, control.y, control.width, control.height);
        QWidget* widget = CreateWidget(control, texts[static_cast<qsizetype>(i)], pixels);
        widget->setParent(&dialog);
        widget->setGeometry(pixels);
        if ((control.style & NoTabStop) && TakesTabFocus(widget))
            widget->setFocusPolicy(Qt::ClickFocus);
        if (control.id != kNoControlId)
            m_controls.emplace(control.id, widget);
        widgets.push_back(widget);
    }
    NameUnlabelledControls(dialogTemplate, widgets);
    BindStaticMnemonics(widgets);
    AttachUpDowns(widgets);
}

QWidget* DialogBuilder::Control(int id) const
{
    const auto found = m_controls.find(id);
    return found == m_controls.end() ? nullptr : found->second;
}

bool DialogBuilder::ReplaceControl(int id, QWidget* replacement)
{
    const auto found = m_controls.find(id);
    if (found == m_controls.end()) {
        delete replacement;
        return false;
    }
    QWidget* const old = found->second;
    replacement->setParent(old->parentWidget());
    replacement->setGeometry(old->geometry());
    replacement->stackUnder(old);
    QWidget::setTabOrder(old, replacement);
    replacement->setVisible(!old->isHidden());
    found->second = replacement;
    delete old;
    return true;
}
