#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <map>
#include <set>

#include "CommonDialog.h"
#include "HelpViewer.h"
#include "RecordingSink.h"

using Platform::HelpViewer;

namespace {

TEST(Manual, EveryLinkKeywordAndPictureResolves) {
    std::map<std::string, std::string> pages;
    Platform::ReadManualPage("index.html");  // makes sure the resource is loaded
    for (const QString& file : QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")}))
        pages[file.toStdString()] = Platform::ReadManualPage(file.toStdString());
    ASSERT_GE(pages.size(), 10u);
    std::set<std::string> reached{"index.html"};
    static const QRegularExpression image(QStringLiteral(R"re(<img\s[^>]*src="([^"]+)")re"));
    for (const auto& [page, html] : pages) {
        for (const Platform::HelpLink& link : Platform::PageLinks(html)) {
            const auto hash = link.target.find('#');
            const std::string file = hash == 0 ? page : link.target.substr(0, hash);
            ASSERT_TRUE(pages.count(file)) << page << ": dead link " << link.target;
            reached.insert(file);
            EXPECT_TRUE(hash == std::string::npos ||
                        pages.at(file).find("name=\"" + link.target.substr(hash + 1) + '"') !=
                            std::string::npos)
                << page << ": no anchor for " << link.target;
        }
        for (const auto& m : image.globalMatch(QString::fromStdString(html)))
            EXPECT_GT(QImage(":/help/" + m.captured(1)).width(), 200)
                << page << ": no picture or a placeholder";
    }
    for (const auto& [page, html] : pages)
        EXPECT_TRUE(reached.count(page)) << page << " is linked from nowhere";

    EXPECT_GE(Platform::PageLinks(pages.at("keywords.html")).size(), 40u);
}

// Literals of calls to ...Message(...), of names Msg*/Invalid*/Error* and "Invalid ..." check-table rows;
// a failure here wants the text added to the manual's message list.
std::set<QString> SourceMessages() {
    const QString literal = QStringLiteral(R"re("((?:[^"\\\n]|\\.)*)")re");
    const QRegularExpression comment(QStringLiteral(R"re((^|[ \t])//[^\n]*)re"),
                                     QRegularExpression::MultilineOption),
        joined(QStringLiteral(R"re("\s*\n\s*")re")), text(literal),
        call(QStringLiteral(R"re(\w*Message\(([^;]*);)re")),
        named(QStringLiteral(R"re(\b(Msg|Invalid|Error)\w*\s*=\s*)re") + literal),
        row(QStringLiteral(R"re(\{[^{}"]*"(Invalid [^"\n]*)"\s*\})re"));
    std::set<QString> messages;
    for (const char* folder : {"/engine", "/chart", "/calc", "/platform", "/app"}) {
        QDirIterator files(ZOLVANE_SOURCE_DIR + QString(folder), {"*.cpp", "*.h"}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
            const QString src =
                QString(file.readAll()).replace(comment, QString()).replace(joined, QString());
            for (const auto& m : call.globalMatch(src))
                for (const auto& l : text.globalMatch(m.captured(1)))
                    messages.insert(l.captured(1).simplified());
            for (const auto& m : named.globalMatch(src)) messages.insert(m.captured(2).simplified());
            for (const auto& m : row.globalMatch(src)) messages.insert(m.captured(1).simplified());
        }
    }
    return messages;
}

TEST(Manual, MessageListHoldsEveryMessageOfTheSources) {
    const QString list =
        QTextDocumentFragment::fromHtml(QString::fromStdString(Platform::ReadManualPage("messages.html")))
            .toPlainText()
            .simplified();
    const std::set<QString> messages = SourceMessages();
    for (const char* known : {"No Data to Select", "Error-Data does not converge", "Invalid Dry Bulb",
                              "Invalid Flowrate, Flow must be Greater than 0"})
        EXPECT_TRUE(messages.count(known)) << "the collector missed " << known;
    EXPECT_GE(messages.size(), 25u);
    for (const QString& text : messages)
        EXPECT_TRUE(!text.contains(QRegularExpression("[A-Za-z]")) || list.contains(text))
            << "not in the manual's message list: \"" << text.toStdString() << "\"";
}

TEST(QtDialogs, HelpViewerRunsContentsIndexAndQuit) {
    Platform::CommonDialog dialog;
    dialog.HelpFile = "Zolvane.hlp";
    const auto run = [&](int16_t command) { return dialog.HelpCommand = command, dialog.ShowHelp(); };
    const auto source = [](HelpViewer* viewer) { return viewer->txtPage->source().toString(); };
    EXPECT_TRUE(run(Platform::HelpQuit) && !HelpViewer::Current()) << "quit with no viewer open does nothing";

    ASSERT_TRUE(run(Platform::HelpContents) && HelpViewer::Current());
    HelpViewer* viewer = HelpViewer::Current();
    EXPECT_TRUE(viewer->isVisible() && viewer->tabHelp->currentIndex() == 0 &&
                viewer->lstContents->count() >= 40 && source(viewer) == Platform::ManualContents);

    ASSERT_TRUE(run(Platform::HelpSearch));  // the same window on the index, its filter focused
    EXPECT_TRUE(HelpViewer::Current() == viewer && viewer->focusWidget() == viewer->txtIndexFilter);
    QTest::keyClicks(viewer->txtIndexFilter, "DEW");
    QStringList shown;
    for (int i = 0; i < viewer->lstIndex->count(); ++i)
        if (!viewer->lstIndex->item(i)->isHidden()) shown << viewer->lstIndex->item(i)->text();
    EXPECT_EQ(shown, QStringList{"dew point"});
    QTest::keyClick(viewer->txtIndexFilter, Qt::Key_Return);
    EXPECT_TRUE(source(viewer).endsWith("points.html#dew-point"));

    viewer->cmdBack->click();
    EXPECT_EQ(source(viewer), Platform::ManualContents);
    viewer->cmdForward->click();
    EXPECT_TRUE(source(viewer).endsWith("points.html#dew-point"));
    viewer->txtFind->setText("saturation"), viewer->cmdFind->click();
    EXPECT_EQ(viewer->txtPage->textCursor().selectedText(), "saturation");
    viewer->txtFind->setText("no such words here"), viewer->cmdFind->click();
    EXPECT_EQ(viewer->lblFindStatus->text(), "Not found");

    EXPECT_TRUE(run(Platform::HelpQuit));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    RecordingMessageSink sink;
    dialog.HelpFile = "Other.hlp";
    EXPECT_FALSE(run(Platform::HelpContents));
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{"Cannot find the help file Other.hlp."});
    EXPECT_EQ(HelpViewer::Current(), nullptr) << "closed by quit, not opened again";
}

}  // namespace
