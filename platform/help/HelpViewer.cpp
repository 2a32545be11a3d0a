// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/help/HelpViewer.h"

#include "platform/Log.h"
#include "platform/help/ChmFile.h"
#include "platform/help/HelpBrowser.h"
#include "platform/help/HelpWindow.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWindow>

namespace {

constexpr std::string_view kSeparator = "::";

// The screen of the window that asked for help, else the one under the mouse.
const QScreen& AskingScreen()
{
    if (const QWindow* asking = QGuiApplication::focusWindow())
        return *asking->screen();
    const QScreen* underMouse = QGuiApplication::screenAt(QCursor::pos());
    return underMouse ? *underMouse : *QGuiApplication::primaryScreen();
}

} // namespace

HelpLocation SplitHelpPath(std::string_view helpPath)
{
    const std::size_t separator = helpPath.find(kSeparator);
    if (separator == std::string_view::npos)
        return {std::string(helpPath), {}};
    std::string_view topic = helpPath.substr(separator + kSeparator.size());
    topic.remove_prefix(std::min(topic.find_first_not_of('/'), topic.size()));
    return {std::string(helpPath.substr(0, separator)), std::string(topic)};
}

void ShowHelpPath(const std::string& helpPath)
{
    const HelpLocation location = SplitHelpPath(helpPath);
    std::unique_ptr<ChmFile> file = ChmFile::Open(location.file);
    if (!file) {
        qCInfo(lcHelp, "cannot open the help file %s", location.file.c_str());
        return;
    }
    const std::string& topic = location.topic.empty() ? file->DefaultTopic() : location.topic;
    const QUrl url = HelpTopicUrl(topic);
    if (topic.empty() || !file->Holds(HelpObjectPath(url))) {
        qCInfo(lcHelp, "the help file %s holds no topic \"%s\"", location.file.c_str(),
               topic.c_str());
        return;
    }

    // The one help window; it deletes itself when the user closes it.
    static QPointer<HelpWindow> window;
    if (!window) {
        window = new HelpWindow;
        window->PlaceOn(AskingScreen());
    }
    window->Show(std::move(file), url);
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}
