// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/Catalogues.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QStringList>
#include <QXmlStreamReader>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace {

struct Message
{
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "obsolete", "vanished"; empty when done
};

// The message's <source> and <translation> and the translation's type.
Message ReadMessage(QXmlStreamReader& xml, const QString& context)
{
    Message message{.context = context, .source = {}, .translation = {}, .type = {}};
    while (xml.readNextStartElement()) {
        if (xml.name() == u"source") {
            message.source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            message.type = xml.attributes().value("type").toString();
            message.translation = xml.readElementText();
        } else {
            xml.skipCurrentElement();
        }
    }
    return message;
}

std::vector<Message> ReadCatalogue(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    std::vector<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"message")
            messages.push_back(ReadMessage(xml, context));
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

// The fill-in markers of a text in their order: %s, %d, %1, %2.
std::vector<std::string> Markers(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%[sd12]"));
    std::vector<std::string> found;
    for (const QRegularExpressionMatch& match : marker.globalMatch(text))
        found.push_back(match.captured().toStdString());
    return found;
}

// The character each single '&' marks ("&&" is a plain '&'); a text has at most one.
std::vector<QChar> Mnemonics(const QString& text)
{
    std::vector<QChar> marked;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] != u'&')
            marked.push_back(text[i + 1]);
        ++i;
    }
    return marked;
}

// Chinese and Japanese texts mark a Latin letter after the text, as in "设置(&T)...".
bool WritesMnemonicsAfterText(const QString& catalogue)
{
    return catalogue == u"ja" || catalogue == u"zh_CN";
}

int Repeats(std::vector<QChar> letters)
{
    for (QChar& letter : letters)
        letter = letter.toCaseFolded();
    std::sort(letters.begin(), letters.end());
    return static_cast<int>(letters.end() - std::unique(letters.begin(), letters.end()));
}

QString CataloguePath(const QString& name)
{
    return QStringLiteral(TAPNEST_CATALOGUE_DIR "/tapnest_") + name + QStringLiteral(".ts");
}

// Every catalogue translates every text of the program, and nothing else: each text keeps the
// fill-in markers of its English source in their order, its quit word, its filter's fields and
// its mnemonic, which marks a letter or digit; within a dialog no two controls share a mnemonic
// that did not share one in English.
TEST(Catalogues, EveryTextIsTranslatedKeepingItsMarkersAndMnemonic)
{
    std::optional<std::vector<std::pair<QString, QString>>> firstSources;
    for (const Catalogue& catalogue : kCatalogues) {
        SCOPED_TRACE(catalogue.name);
        const std::vector<Message> messages = ReadCatalogue(CataloguePath(catalogue.name));
        ASSERT_FALSE(messages.empty());
        std::vector<std::pair<QString, QString>> sources;
        QMap<QString, std::vector<QChar>> sourceMnemonics;
        QMap<QString, std::vector<QChar>> translatedMnemonics;
        for (const Message& message : messages) {
            SCOPED_TRACE((message.context + u' ' + message.source).toStdString());
            sources.emplace_back(message.context, message.source);
            EXPECT_EQ(message.type.toStdString(), "");
            EXPECT_FALSE(message.translation.isEmpty());
            EXPECT_EQ(Markers(message.translation), Markers(message.source));
            EXPECT_EQ(message.translation.contains(u"kolo486"),
                      message.source.contains(u"kolo486"));
            EXPECT_EQ(message.translation.count(u'|'), message.source.count(u'|'));

            const std::vector<QChar> source = Mnemonics(message.source);
            const std::vector<QChar> translated = Mnemonics(message.translation);
            ASSERT_EQ(translated.size(), source.size()) << message.translation.toStdString();
            if (source.empty())
                continue;
            EXPECT_TRUE(translated[0].isLetterOrNumber()) << message.translation.toStdString();
            if (WritesMnemonicsAfterText(catalogue.name)) {
                const QString marked = QStringLiteral("(&") + source[0].toUpper() + u')';
                EXPECT_TRUE(message.translation.contains(marked))
                    << message.translation.toStdString();
            }
            sourceMnemonics[message.context].push_back(source[0]);
            translatedMnemonics[message.context].push_back(translated[0]);
        }
        for (auto it = translatedMnemonics.cbegin(); it != translatedMnemonics.cend(); ++it) {
            if (it.key() != u"StringTable") {
                EXPECT_LE(Repeats(it.value()), Repeats(sourceMnemonics[it.key()]))
                    << it.key().toStdString();
            }
        }
        std::ranges::sort(sources);
        if (firstSources)
            EXPECT_EQ(sources, *firstSources);
        else
            firstSources = sources;
    }
}

} // namespace
