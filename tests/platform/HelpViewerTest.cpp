#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <map>
#include <set>
#include <tuple>

#include "CommonDialog.h"
#include "HelpViewer.h"
#include "QtPrint.h"
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

// Index of the bracket or quote closing the one at `open`, skipping literals inside.
int Closing(const QString& s, int open) {
    for (int i = open, depth = 0; i < s.size(); ++i) {
        if (s[i] == '"' || s[i] == '\'')
            for (const QChar quote = s[i]; ++i < s.size() && s[i] != quote;) i += s[i] == '\\';
        else
            depth += QStringLiteral("({[").contains(s[i]) - QStringLiteral(")}]").contains(s[i]);
        if (depth == 0) return i;
    }
    return static_cast<int>(s.size());
}

// The parts of `s` between the separators that stand outside brackets and literals ("::" is none).
QStringList SplitTop(const QString& s, QChar separator) {
    QStringList parts{QString()};
    for (int i = 0; i < s.size(); ++i) {
        if (s[i] == separator && s.mid(i - 1, 3).count(':') < 2) {
            parts << QString();
        } else {
            const int end = Closing(s, i);  // a whole literal or bracket at once
            parts.last() += s.mid(i, end - i + 1), i = end;
        }
    }
    for (QString& part : parts) part = part.trimmed();
    return parts;
}

// The inside of the bracket that ends each match of `re` in `src`.
QStringList Inside(const QString& src, const QString& re) {
    QStringList found;
    for (const auto& m : QRegularExpression(re).globalMatch(src)) {
        const int open = static_cast<int>(m.capturedEnd()) - 1;
        found << src.mid(open + 1, Closing(src, open) - open - 1);
    }
    return found;
}

// Every text the sources can hand to ShowMessage, as a pattern in which a part known only at run
// time matches anything. A name stands for all that is written into it: its assignments, the
// returns of a function so named, and, for a struct's text member, that place in the brace lists
// of the struct's file (of every file, for a header). Questions for AskYesNo count as messages.
struct MessageCollector {
    MessageCollector() {
        const QRegularExpression comment(QStringLiteral(R"re((^|[ \t])//[^\n]*)re"),
                                         QRegularExpression::MultilineOption),
            joined(QStringLiteral(R"re("\s*\n\s*")re"));
        for (const char* folder : {"/engine", "/chart", "/calc", "/platform", "/app"}) {
            QDirIterator files(ZOLVANE_SOURCE_DIR + QString(folder), {"*.cpp", "*.h"}, QDir::Files,
                               QDirIterator::Subdirectories);
            while (files.hasNext()) {
                QFile file(files.next());
                EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
                sources[file.fileName()] =
                    QString(file.readAll()).replace(comment, QString()).replace(joined, QString());
            }
        }
        for (const auto& [file, src] : sources)
            for (const QString& args :
                 Inside(src, R"re((?<!void )(?<!void Global::)(?<!bool )\b(ShowMessage|AskYesNo)\s*\()re"))
                Expression(SplitTop(args, ',').first());
    }

    std::set<QString> patterns;
    static bool IsLiteral(const QString& e) { return e.size() >= 2 && e.startsWith('"') && e.endsWith('"'); }

    void Expression(QString e) {
        while (e.startsWith('(') && Closing(e, 0) == e.size() - 1) e = e.mid(1, e.size() - 2).trimmed();
        const QStringList choice = SplitTop(e, '?'), parts = SplitTop(e, '+');
        if (choice.size() == 2) {
            for (const QString& branch : SplitTop(choice[1], ':')) Expression(branch);
        } else if (parts.size() == 1 && !IsLiteral(e)) {  // a name, or a call of one
            static const QRegularExpression name(QStringLiteral(R"re((\w+)\s*(\(.*)?$)re"));
            if (const auto m = name.match(e); m.hasMatch()) Resolve(m.captured(1));
        } else {
            QString pattern;
            for (const QString& part : parts)
                pattern += IsLiteral(part)
                               ? QRegularExpression::escape(part.mid(1, part.size() - 2)
                                                                .replace("\\\"", "\"")
                                                                .replace(QRegularExpression("\\s+"), " "))
                               : QStringLiteral(".+");
            patterns.insert('^' + pattern + '$');
        }
    }

    void Resolve(const QString& n) {
        if (!seen.insert(n).second) return;
        static const QRegularExpression ret(QStringLiteral(R"re(\breturn\s+([^;]*);)re")),
            record(QStringLiteral(R"re(\bstruct\s+\w+\s*\{)re"));
        const QRegularExpression member("\\b" + n + R"re(\s*(=.*)?$)re");
        for (const auto& [file, src] : sources) {
            for (const auto& m : QRegularExpression("\\b" + n + R"re(\s*=(?!=)([^;]*))re").globalMatch(src))
                Expression(SplitTop(m.captured(1), ',').first());
            for (const QString& body : Inside(src, "\\b" + n + R"re(\s*\([^;{}()]*\)\s*(const\s*)?\{)re"))
                for (const auto& m : ret.globalMatch(body)) Expression(m.captured(1));
            for (const auto& r : record.globalMatch(src)) {
                const int open = static_cast<int>(r.capturedEnd()) - 1, close = Closing(src, open);
                QStringList members = SplitTop(src.mid(open + 1, close - open - 1), ';');
                members.removeAll(QString());
                for (int i = 0; i < members.size(); ++i)
                    if (member.match(members[i]).hasMatch())
                        for (const auto& [other, text] : sources)
                            if (other == file || file.endsWith(".h"))
                                for (const QString& list :
                                     Inside(other == file ? src.mid(close) : text, "\\{")) {
                                    const QStringList items = SplitTop(list, ',');
                                    if (items.size() > i && items.size() <= members.size())
                                        Expression(items[i]);
                                }
            }
        }
    }

    std::map<QString, QString> sources;
    std::set<QString> seen;
};

// Both ways: every text the sources can show is listed, and every listed one can still be shown.
TEST(Manual, MessageListMatchesEveryMessageOfTheSources) {
    static const QRegularExpression term(QStringLiteral("<dt>(.*?)</dt>"),
                                         QRegularExpression::DotMatchesEverythingOption);
    QStringList listed;
    for (const auto& m : term.globalMatch(QString::fromStdString(Platform::ReadManualPage("messages.html"))))
        listed << QTextDocumentFragment::fromHtml(m.captured(1)).toPlainText().simplified();
    const MessageCollector collector;
    for (const QString& pattern : collector.patterns)
        if (pattern.contains(QRegularExpression("[A-Za-z]"))) {
            EXPECT_GE(listed.indexOf(QRegularExpression(pattern)), 0)
                << "not in the manual's message list: " << pattern.toStdString();
        }
    for (const QString& text : listed)
        EXPECT_TRUE(
            std::any_of(collector.patterns.begin(), collector.patterns.end(),
                        [&](const QString& p) { return QRegularExpression(p).match(text).hasMatch(); }))
            << "the manual lists a message the program cannot show: " << text.toStdString();
}

// Beside the chart on its roomier side, overlapping only when neither side has the least width; a
// chart as large as the screen (1600 x 1000 and 1024 x 600 at 150 %; 1024 x 600) keeps its menus in
// view.
TEST(HelpViewerPlace, BesideTheChartOnTheRoomierSide) {
    const QRect big(0, 0, 1600, 1000);
    // The screen, the chart, the least width, the menus and the place.
    const std::tuple<QRect, QRect, int, QRect, QRect> rows[] = {
        {big, {0, 0, 900, 760}, 640, {}, {900, 0, 700, 1000}},
        {big, {700, 40, 900, 760}, 640, {}, {0, 0, 700, 1000}},
        {big, {200, 0, 1200, 760}, 640, {}, {960, 0, 640, 1000}},
        {big, {0, 0, 400, 300}, 640, {}, {400, 0, 980, 1000}},
        {{0, 0, 1067, 667}, {0, 0, 1067, 667}, 720, {0, 0, 160, 22}, {347, 0, 720, 667}},  // clear of them
        {{0, 0, 683, 400}, {0, 0, 683, 400}, 720, {0, 0, 160, 22}, {0, 22, 683, 378}},
        {{0, 0, 1024, 600}, {0, 0, 1024, 600}, 720, {4, 24, 320, 25}, {304, 49, 720, 551}},
        {{0, 0, 1067, 667}, {0, 0, 300, 300}, 720, {0, 0, 300, 22}, {300, 0, 767, 667}},  // beside the chart
    };
    for (const auto& [area, chart, least, menus, expected] : rows)
        EXPECT_EQ(Platform::HelpViewerPlace(area, chart, 980, least, menus), expected)
            << chart.x() << "," << chart.width() << " on " << area.width();
}

TEST(QtDialogs, HelpViewerRunsContentsIndexAndQuit) {
    Platform::CommonDialog dialog;
    dialog.HelpFile = "Zolvane.hlp";
    const auto run = [&](int16_t command) { return dialog.HelpCommand = command, dialog.ShowHelp(); };
    const auto source = [](HelpViewer* viewer) { return viewer->txtPage->source().toString(); };
    // How far the widest entry of a list reaches beyond what the list shows.
    const auto cutOff = [](QListWidget* list) {
        QCoreApplication::processEvents();
        return std::max(0, list->sizeHintForColumn(0) - list->viewport()->width());
    };
    EXPECT_TRUE(run(Platform::HelpQuit) && !HelpViewer::Current()) << "quit with no viewer open does nothing";

    ASSERT_TRUE(run(Platform::HelpContents) && HelpViewer::Current());
    HelpViewer* viewer = HelpViewer::Current();
    EXPECT_TRUE(viewer->isVisible() && viewer->tabHelp->currentIndex() == 0 &&
                viewer->lstContents->count() >= 40 && source(viewer) == Platform::ManualContents);
    for (int i = 0; i < viewer->lstContents->count(); ++i)  // a cut-off entry shows whole on hover
        EXPECT_EQ(viewer->lstContents->item(i)->toolTip(), viewer->lstContents->item(i)->text().trimmed());
    EXPECT_EQ(cutOff(viewer->lstContents), 0);

    ASSERT_TRUE(run(Platform::HelpSearch));  // the same window on the index, its filter focused
    EXPECT_TRUE(HelpViewer::Current() == viewer && viewer->focusWidget() == viewer->txtIndexFilter);
    EXPECT_EQ(cutOff(viewer->lstIndex), 0);
    // Typing highlights the best match, whatever its case: keywords that begin with the text first,
    // then word starts. Down and Up (D, U) move the highlight within the matches; Enter opens it.
    const auto search = [&](const char* typed, const std::string& keys) {
        viewer->txtIndexFilter->setFocus(), viewer->txtIndexFilter->clear();
        QTest::keyClicks(viewer->txtIndexFilter, typed);
        for (const char key : keys)
            QTest::keyClick(viewer->focusWidget(), key == 'D'   ? Qt::Key_Down
                                                   : key == 'U' ? Qt::Key_Up
                                                                : Qt::Key_Return);
    };
    // Typed, keys, the entry highlighted and the section it opens.
    const std::tuple<const char*, const char*, const char*, const char*> searches[] = {
        // clang-format off
        {"sat", "", "saturation curve", "chart.html#saturation"},
        {"sat", "D", "degree of saturation", "points.html#degree-of-saturation"},
        {"sat", "DDD", "condensate", "calculators.html#cooling"},  // stops at the last match
        {"e", "", "Edit menu", "lines.html#edit"}, {"about", "U", "About box", "start.html#help"},
        {"e", "DDU", "enthalpy", "points.html#enthalpy"}, {"P", "D", "pressure", "options.html#pressure"},
        {"evaporative", "D", "evaporative cooler", "calculators.html#waterair"},
        {"air washer", "", "air washer", "calculators.html#waterair"},
        {"humidifier", "", "humidifier", "calculators.html#waterair"},
        {"steam", "", "steam", "calculators.html#waterair"}, {"p", "", "PDF", "printing.html#pdf"},
        {"load", "", "load", "calculators.html#heatmoist"},
        {"coil", "", "cooling coil", "calculators.html#cooling"},
        {"coil", "D", "heating coil", "calculators.html#heating"},
        {"room", "", "room", "calculators.html#heatmoist"}, {"color", "", "color", "options.html#color"},
        {"supply air", "", "supply air", "calculators.html#heatmoist"},
        {"colour", "D", "colour (see color)", "options.html#color"},
        {"vapour", "", "vapour pressure (see vapor pressure)", "points.html#vapor-pressure"},
        {"DEW", "", "dew point", "points.html#dew-point"}};
    // clang-format on
    for (const auto& [typed, keys, highlighted, opens] : searches) {
        search(typed, keys);
        const QListWidgetItem* item = viewer->lstIndex->currentItem();
        QTest::keyClick(viewer->focusWidget(), Qt::Key_Return);
        EXPECT_EQ(((item ? item->text() : "") + " > " + source(viewer)).toStdString(),
                  std::string(highlighted) + " > qrc:/help/" + opens)
            << typed << " " << keys;
    }
    viewer->txtIndexFilter->setText("color");  // the keyword itself, then word starts
    QStringList shown;
    for (int i = 0; i < viewer->lstIndex->count(); ++i)
        if (!viewer->lstIndex->item(i)->isHidden()) shown << viewer->lstIndex->item(i)->text();
    EXPECT_EQ(shown.join('|').toStdString(), "color|colour (see color)|line colors");
    viewer->cmdBack->click();
    EXPECT_TRUE(source(viewer).endsWith("points.html#vapor-pressure"));
    viewer->cmdForward->click();
    EXPECT_TRUE(source(viewer).endsWith("points.html#dew-point"));
    viewer->txtFind->setText("saturation"), viewer->cmdFind->click();
    EXPECT_EQ(viewer->txtPage->textCursor().selectedText(), "saturation");
    viewer->txtFind->setText("no such words here"), viewer->cmdFind->click();
    EXPECT_EQ(viewer->lblFindStatus->text(), "Not found");

    // A keyword whose section is on the page shown scrolls back to it, however far one scrolled away.
    QScrollBar* bar = viewer->txtPage->verticalScrollBar();
    for (auto [first, second] : {std::pair{"color", "colour"}, {"vapor pressure", "vapour"}}) {
        search(second, "R");
        const int section = bar->value();
        search(first, "R"), bar->setValue(0), search(second, "R");
        EXPECT_EQ(bar->value(), section) << first << " then " << second;
        EXPECT_GT(section, 0) << "the section must lie below the top for this to tell";
    }
    viewer->resize(300, 300);  // the least the window takes, with scroll bars, cuts no entry either
    EXPECT_EQ(cutOff(viewer->lstIndex), 0);
    viewer->tabHelp->setCurrentIndex(0);
    EXPECT_EQ(cutOff(viewer->lstContents), 0);

    EXPECT_TRUE(run(Platform::HelpQuit));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    RecordingMessageSink sink;
    dialog.HelpFile = "Other.hlp";
    EXPECT_FALSE(run(Platform::HelpContents));
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{"Cannot find the help file Other.hlp."});
    EXPECT_EQ(HelpViewer::Current(), nullptr) << "closed by quit, not opened again";
}

}  // namespace
