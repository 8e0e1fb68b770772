#include "HelpViewer.h"

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QVBoxLayout>
#include <algorithm>

#include "Controls.h"
#include "Screen.h"

// The manual is compiled into the executable, so it is found from any working folder.
static void LoadManualResource() {
    Q_INIT_RESOURCE(help);
}

namespace Platform {

namespace {

QPointer<HelpViewer>& OpenViewer() {
    static QPointer<HelpViewer> viewer;
    return viewer;
}

const QUrl& ManualRoot() {
    static const QUrl root(QStringLiteral("qrc:/help/"));
    return root;
}

void FillList(QListWidget* list, const std::string& page) {
    for (const HelpLink& link : PageLinks(ReadManualPage(page))) {
        // Sections stand indented under their chapter.
        const QString indent(4 * std::max(0, link.depth - 1), QLatin1Char(' '));
        auto* item = new QListWidgetItem(indent + ToQ(link.text), list);
        item->setData(Qt::UserRole, ToQ(link.target));
        item->setData(Qt::UserRole + 1, list->count());  // the page's order, for the filter
        item->setToolTip(ToQ(link.text));
    }
}

}  // namespace

std::string ReadManualPage(const std::string& page) {
    LoadManualResource();
    QFile file(QStringLiteral(":/help/") + ToQ(page));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
}

std::vector<HelpLink> PageLinks(const std::string& html) {
    static const QRegularExpression link(
        QStringLiteral(R"re(<a\s[^>]*href="([^"]*)"[^>]*>(.*?)</a>)re"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    std::vector<HelpLink> links;
    const QString page = ToQ(html);
    for (const QRegularExpressionMatch& m : link.globalMatch(page)) {
        const QString text = QTextDocumentFragment::fromHtml(m.captured(2)).toPlainText().simplified();
        const QStringView before = QStringView(page).left(m.capturedStart());
        const int depth =
            static_cast<int>(before.count(QLatin1String("<ul")) - before.count(QLatin1String("</ul")));
        links.push_back({FromQ(text), FromQ(m.captured(1)), depth});
    }
    return links;
}

HelpViewer::HelpViewer() {
    LoadManualResource();
    setObjectName(QStringLiteral("frmHelp"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Zolvane Help"));
    resize(980, 680);

    auto* split = new QSplitter(this);
    tabHelp = new QTabWidget(split);
    tabHelp->setObjectName(QStringLiteral("tabHelp"));
    lstContents = new QListWidget;
    lstContents->setObjectName(QStringLiteral("lstContents"));
    tabHelp->addTab(lstContents, QStringLiteral("Contents"));
    auto* indexPage = new QWidget;
    auto* indexLayout = new QVBoxLayout(indexPage);
    txtIndexFilter = new QLineEdit(indexPage);
    txtIndexFilter->setObjectName(QStringLiteral("txtIndexFilter"));
    txtIndexFilter->setPlaceholderText(QStringLiteral("Type a keyword"));
    lstIndex = new QListWidget(indexPage);
    lstIndex->setObjectName(QStringLiteral("lstIndex"));
    indexLayout->addWidget(txtIndexFilter);
    indexLayout->addWidget(lstIndex);
    tabHelp->addTab(indexPage, QStringLiteral("Index"));

    auto* pagePane = new QWidget(split);
    auto* pageLayout = new QVBoxLayout(pagePane);
    auto* bar = new QHBoxLayout;
    cmdBack = new QPushButton(QStringLiteral("Back"), pagePane);
    cmdForward = new QPushButton(QStringLiteral("Forward"), pagePane);
    txtFind = new QLineEdit(pagePane);
    txtFind->setPlaceholderText(QStringLiteral("Find in this page"));
    cmdFind = new QPushButton(QStringLiteral("Find"), pagePane);
    lblFindStatus = new QLabel(pagePane);
    cmdBack->setObjectName(QStringLiteral("cmdBack"));
    cmdForward->setObjectName(QStringLiteral("cmdForward"));
    txtFind->setObjectName(QStringLiteral("txtFind"));
    cmdFind->setObjectName(QStringLiteral("cmdFind"));
    lblFindStatus->setObjectName(QStringLiteral("lblFindStatus"));
    for (QWidget* w : std::initializer_list<QWidget*>{cmdBack, cmdForward}) bar->addWidget(w);
    bar->addStretch();
    for (QWidget* w : std::initializer_list<QWidget*>{txtFind, cmdFind, lblFindStatus}) bar->addWidget(w);
    txtPage = new QTextBrowser(pagePane);
    txtPage->setObjectName(QStringLiteral("txtPage"));
    txtPage->setOpenExternalLinks(false);
    pageLayout->addLayout(bar);
    pageLayout->addWidget(txtPage);
    split->setStretchFactor(1, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(split);

    FillList(lstContents, "index.html");
    FillList(lstIndex, "keywords.html");
    // No entry is ever cut off, whatever room the window gets: each list is at least as wide as
    // its longest entry, with room kept for a scroll bar.
    for (QListWidget* list : {lstContents, lstIndex})
        list->setMinimumWidth(list->sizeHintForColumn(0) + 2 * list->frameWidth() +
                              list->verticalScrollBar()->sizeHint().width());
    PlaceBesideChart();
    // The lists as narrow as their entries allow, leaving the page the rest.
    const int pane = tabHelp->minimumSizeHint().width();
    split->setSizes({pane, width() - pane});
    txtIndexFilter->installEventFilter(this);

    cmdBack->setEnabled(false);
    cmdForward->setEnabled(false);
    connect(txtPage, &QTextBrowser::backwardAvailable, cmdBack, &QWidget::setEnabled);
    connect(txtPage, &QTextBrowser::forwardAvailable, cmdForward, &QWidget::setEnabled);
    connect(cmdBack, &QPushButton::clicked, txtPage, &QTextBrowser::backward);
    connect(cmdForward, &QPushButton::clicked, txtPage, &QTextBrowser::forward);
    connect(cmdFind, &QPushButton::clicked, this, [this] { FindInPage(); });
    connect(txtFind, &QLineEdit::returnPressed, this, [this] { FindInPage(); });
    connect(txtIndexFilter, &QLineEdit::textChanged, this,
            [this](const QString& text) { FilterIndex(text); });
    connect(txtIndexFilter, &QLineEdit::returnPressed, this, [this] {
        if (QListWidgetItem* item = lstIndex->currentItem(); item && !item->isHidden())
            OpenLink(item->data(Qt::UserRole).toString());
    });
    for (QListWidget* list : {lstContents, lstIndex}) {
        connect(list, &QListWidget::itemActivated, this,
                [this](QListWidgetItem* item) { OpenLink(item->data(Qt::UserRole).toString()); });
        connect(list, &QListWidget::itemClicked, this,
                [this](QListWidgetItem* item) { OpenLink(item->data(Qt::UserRole).toString()); });
    }
    OpenViewer() = this;
}

QRect HelpViewerPlace(const QRect& area, const QRect& chart, int wantedWidth, int minWidth,
                      const QRect& menus) {
    const int right = area.right() - chart.right(), left = chart.left() - area.left();
    const int room = std::max(left, right);
    const int width = std::min(area.width(), std::clamp(room, minWidth, std::max(minWidth, wantedWidth)));
    const int x = right >= left ? std::min(chart.right() + 1, area.right() + 1 - width)
                                : std::max(chart.left() - width, area.left());
    const QRect place(x, area.top(), width, area.height());
    // Over the chart's menus, it starts below them, so they stay within reach.
    if (!place.intersects(menus)) return place;
    return place.adjusted(0, std::min(menus.bottom() + 1 - area.top(), area.height() / 2), 0, 0);
}

void HelpViewer::PlaceBesideChart() {
    // The window that asked for help; without a window manager none may be active, and then
    // the program's largest window stands for it.
    const QWidget* chart = QApplication::activeWindow();
    if (!chart || chart == this) {
        chart = nullptr;
        for (const QWidget* w : QApplication::topLevelWidgets())
            if (w != this && w->isVisible() && w->windowType() != Qt::Popup &&
                (!chart || w->width() * w->height() > chart->width() * chart->height()))
                chart = w;
    }
    const QScreen* screen = chart ? chart->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = FreeArea(*screen);
    // The chart's menu titles, from the bar's left end to its last one.
    const auto* bar =
        chart ? chart->findChild<const QMenuBar*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    const QRect menus =
        bar && bar->isVisible() && !bar->actions().isEmpty()
            ? QRect(bar->mapToGlobal(QPoint(0, 0)),
                    QSize(bar->actionGeometry(bar->actions().last()).right() + 1, bar->height()))
            : QRect();
    const QRect place = HelpViewerPlace(area, chart ? chart->frameGeometry() : QRect(area.topLeft(), QSize()),
                                        width(), 720, menus);
    SetWindowFrame(*this, place);
}

HelpViewer* HelpViewer::Current() {
    return OpenViewer();
}

void HelpViewer::ShowContents() {
    tabHelp->setCurrentIndex(0);
    txtPage->setSource(QUrl(QString::fromLatin1(ManualContents)));
}

void HelpViewer::ShowIndex() {
    tabHelp->setCurrentIndex(1);
    if (txtPage->source().isEmpty()) txtPage->setSource(QUrl(QString::fromLatin1(ManualKeywords)));
    txtIndexFilter->setFocus();
    txtIndexFilter->selectAll();
}

// Keywords that begin with the typed text come first, then those with a word that begins with
// it, then those that hold it anywhere; each group in the page's order.
void HelpViewer::FilterIndex(const QString& text) {
    const QString wanted = text.trimmed();
    const QRegularExpression wordStart("\\b" + QRegularExpression::escape(wanted),
                                       QRegularExpression::CaseInsensitiveOption);
    std::vector<std::pair<int, QListWidgetItem*>> ranked;
    while (lstIndex->count() > 0) {
        QListWidgetItem* item = lstIndex->takeItem(0);
        const QString keyword = item->text();
        const int rank = keyword.startsWith(wanted, Qt::CaseInsensitive) ? 0
                         : wordStart.match(keyword).hasMatch()           ? 1
                         : keyword.contains(wanted, Qt::CaseInsensitive) ? 2
                                                                         : 3;
        ranked.emplace_back(rank * 10000 + item->data(Qt::UserRole + 1).toInt(), item);
    }
    std::sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [rank, item] : ranked) {
        lstIndex->addItem(item);
        item->setHidden(rank >= 30000);
    }
    lstIndex->setCurrentItem(!ranked.empty() && ranked.front().first < 30000 ? ranked.front().second
                                                                             : nullptr);
}

// Down and Up in the filter box move the highlight through the matching keywords while the
// focus stays in the box, so typing goes on filtering and Enter opens the highlighted one.
bool HelpViewer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtIndexFilter && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Down || key == Qt::Key_Up) {
            // The matches stand first in the list, the hidden rest after them.
            const int row = lstIndex->currentRow() + (key == Qt::Key_Down ? 1 : -1);
            if (row >= 0 && row < lstIndex->count() && !lstIndex->item(row)->isHidden())
                lstIndex->setCurrentRow(row);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void HelpViewer::OpenLink(const QString& target) {
    const QUrl url = ManualRoot().resolved(QUrl(target));
    // A click that also activates must not put the page twice into the history; the place asked
    // for again is scrolled to again, as the reader may have scrolled away from it.
    if (url != txtPage->source())
        txtPage->setSource(url);
    else if (url.hasFragment())
        txtPage->scrollToAnchor(url.fragment());
    else
        txtPage->verticalScrollBar()->setValue(0);
}

void HelpViewer::FindInPage() {
    const QString text = txtFind->text();
    lblFindStatus->clear();
    if (text.isEmpty()) return;
    if (txtPage->find(text)) return;
    // Wrap round once from the top.
    txtPage->moveCursor(QTextCursor::Start);
    if (!txtPage->find(text)) lblFindStatus->setText(QStringLiteral("Not found"));
}

}  // namespace Platform
