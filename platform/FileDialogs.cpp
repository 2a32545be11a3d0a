// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileDialogs.h"

#include "platform/ColorRef.h"

#include <QColorDialog>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QRegularExpression>
#include <QStringList>
#include <QTreeView>

namespace {

// Splits "a|b|c||" into its fields, without the empty end.
QStringList FieldsOf(const std::string& filter)
{
    QStringList fields = QString::fromStdString(filter).split(QLatin1Char('|'));
    while (!fields.isEmpty() && fields.last().trimmed().isEmpty())
        fields.removeLast();
    return fields;
}

// "*.wav" becomes "*.[wW][aA][vV]", so that DOG.WAV is offered too.
QString CaseFreePattern(const QString& pattern)
{
    QString result;
    for (const QChar c : pattern) {
        if (c.isLetter() && c.toLower() != c.toUpper())
            result += QLatin1Char('[') + c.toLower() + c.toUpper() + QLatin1Char(']');
        else
            result += c;
    }
    return result;
}

// The custom colours start white, once for the whole process.
void StartCustomColorsWhite()
{
    static bool started = false;
    if (started)
        return;
    started = true;
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(i, Qt::white);
}

std::string ToLocalPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

} // namespace

std::vector<std::string> NameFiltersOf(const std::string& filter)
{
    static const QRegularExpression trailingPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    const QStringList fields = FieldsOf(filter);
    std::vector<std::string> filters;
    for (qsizetype i = 0; i + 1 < fields.size(); i += 2) {
        QString description = fields[i].trimmed();
        description.remove(trailingPatterns);
        QStringList shown;
        QStringList matched;
        for (const QString& pattern : fields[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            shown << pattern.trimmed().toLower();
            matched << CaseFreePattern(pattern.trimmed());
        }
        filters.push_back((description + QStringLiteral(" (") + shown.join(QLatin1Char(';')) +
                           QStringLiteral(") (") + matched.join(QLatin1Char(' ')) +
                           QLatin1Char(')'))
                              .toStdString());
    }
    return filters;
}

std::optional<std::vector<std::string>> ChooseFiles(const OpenFilesRequest& request)
{
    if (ScriptedFileDialogs* const script = ScriptedFileDialogs::Active()) {
        script->m_fileRequests.push_back(request);
        return script->m_files ? script->m_files(request) : std::nullopt;
    }
    QFileDialog dialog(request.owner);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.multipleSelection ? QFileDialog::ExistingFiles
                                                 : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
    // The dialog matches the last, letter-case-free patterns and shows what comes before them.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    // The detail view's size, type and date columns are as wide as what they show.
    if (auto* details = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        QHeaderView& header = *details->header();
        for (int column = 1; column < header.count(); ++column)
            header.setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
    QStringList filters;
    for (const std::string& filter : NameFiltersOf(request.filter))
        filters << QString::fromStdString(filter);
    dialog.setNameFilters(filters);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    std::vector<std::string> chosen;
    for (const QString& file : dialog.selectedFiles())
        chosen.push_back(ToLocalPath(file));
    return chosen;
}

std::optional<std::uint32_t> ChooseColor(QWidget* owner, std::uint32_t initial)
{
    if (ScriptedFileDialogs* const script = ScriptedFileDialogs::Active()) {
        script->m_colorRequests.push_back(initial);
        return script->m_colors ? script->m_colors(initial) : std::nullopt;
    }
    StartCustomColorsWhite();
    const QColor chosen = QColorDialog::getColor(ColorFromRef(initial), owner);
    if (!chosen.isValid())
        return std::nullopt;
    return RefFromColor(chosen);
}

ScriptedFileDialogs::ScriptedFileDialogs(FilesAnswerer files, ColorAnswerer colors)
    : m_files(std::move(files)), m_colors(std::move(colors))
{
}
