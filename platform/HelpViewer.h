// The help viewer: a window beside the program that shows the manual compiled into
// the executable, with its contents, a keyword index with a filter, back, forward
// and find. The common dialog's help commands open, switch and close it.
#pragma once

#include <QRect>
#include <QWidget>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTextBrowser;
class QUrl;

namespace Platform {

// The manual: its contents page and its keyword page, both lists of links.
inline constexpr const char* ManualContents = "qrc:/help/index.html";
inline constexpr const char* ManualKeywords = "qrc:/help/keywords.html";

// A link of a manual page: its text and its target ("page.html#anchor").
struct HelpLink {
    std::string text;
    std::string target;
    int depth = 0;  // lists the link stands in
};

// The text of a page of the manual ("index.html"), empty when there is none.
std::string ReadManualPage(const std::string& page);
// The links of a page in their order, their texts without markup.
std::vector<HelpLink> PageLinks(const std::string& html);

// Where the viewer goes on the screen `area` beside `chart`: on the side with more room, as wide
// as that room (from `minWidth` up to `wantedWidth`), so it covers as little of the chart as it can,
// and never the chart's `menus`.
QRect HelpViewerPlace(const QRect& area, const QRect& chart, int wantedWidth, int minWidth,
                      const QRect& menus = {});

class HelpViewer : public QWidget {
public:
    HelpViewer();

    void ShowContents();
    // The keyword index with its filter box focused.
    void ShowIndex();

    // The open viewer, or nullptr.
    static HelpViewer* Current();

    QTabWidget* tabHelp;
    QListWidget* lstContents;
    QLineEdit* txtIndexFilter;
    QListWidget* lstIndex;
    QPushButton *cmdBack, *cmdForward, *cmdFind;
    QLineEdit* txtFind;
    QLabel* lblFindStatus;
    QTextBrowser* txtPage;

private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void FilterIndex(const QString& text);
    void PlaceBesideChart();
    void OpenLink(const QString& target);
    void FindInPage();
};

}  // namespace Platform
