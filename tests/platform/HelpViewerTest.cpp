#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>

#include "CommonDialog.h"
#include "HelpViewer.h"
#include "RecordingSink.h"

using Platform::HelpViewer;

namespace {

std::set<std::string> Anchors(const std::string& html) {
    static const QRegularExpression name(QStringLiteral(R"re(<a\s[^>]*name="([^"]+)")re"));
    std::set<std::string> found;
    for (const auto& m : name.globalMatch(QString::fromStdString(html)))
        found.insert(m.captured(1).toStdString());
    return found;
}

// Every page of the manual, by file name.
std::map<std::string, std::string> ManualPages() {
    std::map<std::string, std::string> pages;
    Platform::ReadManualPage("index.html");  // makes sure the resource is loaded
    for (const QString& file : QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")}))
        pages[file.toStdString()] = Platform::ReadManualPage(file.toStdString());
    return pages;
}

TEST(Manual, EveryLinkKeywordAndPictureResolves) {
    const auto pages = ManualPages();
    ASSERT_GE(pages.size(), 10u);
    std::set<std::string> reached{"index.html"};
    for (const auto& [page, html] : pages) {
        for (const Platform::HelpLink& link : Platform::PageLinks(html)) {
            const auto hash = link.target.find('#');
            const std::string file = hash == 0 ? page : link.target.substr(0, hash);
            ASSERT_TRUE(pages.count(file)) << page << ": dead link " << link.target;
            reached.insert(file);
            if (hash != std::string::npos) {
                EXPECT_TRUE(Anchors(pages.at(file)).count(link.target.substr(hash + 1)))
                    << page << ": no anchor for " << link.target;
            }
        }
        static const QRegularExpression image(QStringLiteral(R"re(<img\s[^>]*src="([^"]+)")re"));
        for (const auto& m : image.globalMatch(QString::fromStdString(html))) {
            const QImage picture(QStringLiteral(":/help/") + m.captured(1));
            EXPECT_FALSE(picture.isNull()) << page << ": no picture " << m.captured(1).toStdString();
            EXPECT_GT(picture.width(), 200) << "a placeholder left in " << page;
        }
    }
    for (const auto& [page, html] : pages)
        EXPECT_TRUE(reached.count(page)) << page << " is linked from nowhere";

    const auto keywords = Platform::PageLinks(pages.at("keywords.html"));
    EXPECT_GE(keywords.size(), 40u);
    std::set<std::string> texts;
    for (const auto& k : keywords) texts.insert(k.text);
    for (const char* wanted : {"altitude",
                               "automatic scaling",
                               "chart file",
                               "colour",
                               "cooling",
                               "degree of saturation",
                               "dew point",
                               "dry bulb",
                               "enthalpy",
                               "heating",
                               "humidity ratio",
                               "line style",
                               "mixing",
                               "moisture gain",
                               "PDF",
                               "pressure",
                               "print",
                               "process line",
                               "relative humidity",
                               "save",
                               "settings",
                               "specific volume",
                               "units",
                               "vapor pressure",
                               "wet bulb"})
        EXPECT_TRUE(texts.count(wanted)) << "no keyword " << wanted;
}

// The message texts of the program, collected from its sources. A message is
//  1. a string literal in the first argument of a call to a function whose name ends in
//     "Message" (Global::ShowMessage, or a helper named like it);
//  2. a string literal that initialises a name beginning with "Msg" (MsgOutOfRange = "...");
//  3. in a table `Row name[] = {...}` whose row struct has a member named `message`, a string
//     literal that ends a row ({chkDryBulb, txtDryBulb, -200, true, "Invalid Dry Bulb"}).
// Adjacent literals are joined. A message built from pieces is checked piece by piece; a piece
// without a letter is skipped. To satisfy this test, add the text to the manual's message list.
std::set<std::string> SourceMessages() {
    struct Token {
        std::string text;
        bool literal;
    };
    std::set<std::string> messages;
    const std::filesystem::path root = ZOLVANE_SOURCE_DIR;
    for (const char* folder : {"engine", "chart", "calc", "platform", "app"}) {
        if (!std::filesystem::is_directory(root / folder)) continue;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root / folder)) {
            const auto ext = entry.path().extension();
            if (ext != ".cpp" && ext != ".h") continue;
            std::ifstream in(entry.path());
            const std::string src((std::istreambuf_iterator<char>(in)), {});
            std::vector<Token> tokens;
            for (size_t i = 0; i < src.size();) {
                const char c = src[i];
                if (src.compare(i, 2, "//") == 0) {
                    i = src.find('\n', i);
                } else if (src.compare(i, 2, "/*") == 0) {
                    i = src.find("*/", i) + 2;
                } else if (src.compare(i, 2, "R\"") == 0) {  // raw literal R"delim( ... )delim"
                    const size_t open = src.find('(', i);
                    const std::string close = ")" + src.substr(i + 2, open - i - 2) + "\"";
                    const size_t end = src.find(close, open);
                    tokens.push_back({src.substr(open + 1, end - open - 1), true});
                    i = end + close.size();
                } else if (c == '"' || c == '\'') {
                    std::string text;
                    for (++i; i < src.size() && src[i] != c; ++i) {
                        if (src[i] == '\\') ++i;
                        text += src[i];
                    }
                    ++i;
                    if (c == '"' && !tokens.empty() && tokens.back().literal)
                        tokens.back().text += text;
                    else if (c == '"')
                        tokens.push_back({text, true});
                } else if (std::isalnum(static_cast<unsigned char>(c)) || c == '_') {
                    size_t end = i;
                    while (end < src.size() &&
                           (std::isalnum(static_cast<unsigned char>(src[end])) || src[end] == '_'))
                        ++end;
                    tokens.push_back({src.substr(i, end - i), false});
                    i = end;
                } else {
                    if (!std::isspace(static_cast<unsigned char>(c)))
                        tokens.push_back({std::string(1, c), false});
                    ++i;
                }
                if (i == std::string::npos) break;
            }
            // Row types of check tables: structs with a member named `message`.
            std::set<std::string> rowTypes;
            for (size_t t = 0; t + 2 < tokens.size(); ++t) {
                if (tokens[t].text != "struct" || tokens[t + 2].text != "{") continue;
                for (size_t m = t + 3; m + 1 < tokens.size() && tokens[m].text != "}"; ++m)
                    if (tokens[m].text == "message" && tokens[m + 1].text == ";")
                        rowTypes.insert(tokens[t + 1].text);
            }
            for (size_t t = 0; t + 1 < tokens.size(); ++t) {
                const std::string& word = tokens[t].text;
                if (rowTypes.count(word) && t + 2 < tokens.size() && tokens[t + 2].text == "[") {
                    size_t a = t;
                    while (a < tokens.size() && tokens[a].text != "{") ++a;
                    for (int depth = 0; a + 1 < tokens.size(); ++a) {
                        if (tokens[a].text == "{") ++depth;
                        if (tokens[a].text == "}" && --depth == 0) break;
                        if (tokens[a].literal && tokens[a + 1].text == "}") messages.insert(tokens[a].text);
                    }
                } else if (word.size() > 3 && word.starts_with("Msg") && std::isupper(word[3]) &&
                           tokens[t + 1].text == "=") {
                    if (t + 2 < tokens.size() && tokens[t + 2].literal) messages.insert(tokens[t + 2].text);
                } else if (word.ends_with("Message") && tokens[t + 1].text == "(") {
                    int depth = 0;
                    for (size_t a = t + 1; a < tokens.size(); ++a) {
                        const std::string& s = tokens[a].text;
                        if (tokens[a].literal)
                            messages.insert(s);
                        else if (s == "(")
                            ++depth;
                        else if (s == ")" && --depth == 0)
                            break;
                        else if (s == "," && depth == 1)
                            break;
                    }
                }
            }
        }
    }
    return messages;
}

TEST(Manual, MessageListHoldsEveryMessageOfTheSources) {
    const std::string list =
        QTextDocumentFragment::fromHtml(QString::fromStdString(Platform::ReadManualPage("messages.html")))
            .toPlainText()
            .simplified()
            .toStdString();
    const std::set<std::string> messages = SourceMessages();
    // The three rules each find their kind of message.
    for (const char* known : {"No Data to Select", "Error-Data does not converge", "Invalid Dry Bulb",
                              "Invalid Maximum Dew Point", "Please check only two input paramters"})
        EXPECT_TRUE(messages.count(known)) << "the collector missed " << known;
    EXPECT_GE(messages.size(), 25u);
    for (const std::string& message : messages) {
        const std::string text = QString::fromStdString(message).simplified().toStdString();
        if (std::none_of(text.begin(), text.end(),
                         [](char c) { return std::isalpha(static_cast<unsigned char>(c)); }))
            continue;
        EXPECT_NE(list.find(text), std::string::npos)
            << "not in the manual's message list: \"" << text << "\"";
    }
}

TEST(QtDialogs, HelpViewerRunsContentsIndexAndQuit) {
    Platform::CommonDialog dialog;
    dialog.HelpFile = "Zolvane.hlp";
    dialog.HelpCommand = Platform::HelpQuit;
    EXPECT_TRUE(dialog.ShowHelp()) << "quit with no viewer open does nothing";
    EXPECT_EQ(HelpViewer::Current(), nullptr);

    dialog.HelpCommand = Platform::HelpContents;
    ASSERT_TRUE(dialog.ShowHelp());
    HelpViewer* viewer = HelpViewer::Current();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->tabHelp->currentIndex(), 0);
    EXPECT_EQ(viewer->txtPage->source().toString(), Platform::ManualContents);
    EXPECT_GE(viewer->lstContents->count(), 40);
    EXPECT_TRUE(viewer->txtPage->toPlainText().contains("Getting started"));

    // Search opens the same window on the index, its filter focused.
    dialog.HelpCommand = Platform::HelpSearch;
    ASSERT_TRUE(dialog.ShowHelp());
    EXPECT_EQ(HelpViewer::Current(), viewer);
    EXPECT_EQ(viewer->tabHelp->currentIndex(), 1);
    EXPECT_EQ(viewer->focusWidget(), viewer->txtIndexFilter);
    QTest::keyClicks(viewer->txtIndexFilter, "DEW");
    int shown = 0;
    for (int i = 0; i < viewer->lstIndex->count(); ++i) {
        const QListWidgetItem* item = viewer->lstIndex->item(i);
        if (item->isHidden()) continue;
        ++shown;
        EXPECT_TRUE(item->text().contains("dew", Qt::CaseInsensitive)) << item->text().toStdString();
    }
    EXPECT_EQ(shown, 1);
    QTest::keyClick(viewer->txtIndexFilter, Qt::Key_Return);
    EXPECT_TRUE(viewer->txtPage->source().toString().endsWith("points.html#dew-point"));

    // Back, forward and find on the page shown.
    EXPECT_TRUE(viewer->cmdBack->isEnabled());
    viewer->cmdBack->click();
    EXPECT_EQ(viewer->txtPage->source().toString(), Platform::ManualContents);
    viewer->cmdForward->click();
    EXPECT_TRUE(viewer->txtPage->source().toString().endsWith("points.html#dew-point"));
    viewer->txtFind->setText("saturation");
    viewer->cmdFind->click();
    EXPECT_EQ(viewer->txtPage->textCursor().selectedText(), "saturation");
    EXPECT_TRUE(viewer->lblFindStatus->text().isEmpty());
    viewer->txtFind->setText("no such words here");
    viewer->cmdFind->click();
    EXPECT_EQ(viewer->lblFindStatus->text(), "Not found");

    dialog.HelpCommand = Platform::HelpQuit;
    EXPECT_TRUE(dialog.ShowHelp());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(HelpViewer::Current(), nullptr);

    RecordingMessageSink sink;
    dialog.HelpFile = "Other.hlp";
    dialog.HelpCommand = Platform::HelpContents;
    EXPECT_FALSE(dialog.ShowHelp());
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{"Cannot find the help file Other.hlp."});
    EXPECT_EQ(HelpViewer::Current(), nullptr);
}

}  // namespace
