#include "HelpViewer.h"

#include <QFile>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QVBoxLayout>
#include <algorithm>

#include "Controls.h"

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
    // Beside the chart window rather than over its middle.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.right() - width() + 1, area.top());
    }

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
    split->setSizes({260, 700});
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(split);

    FillList(lstContents, "index.html");
    FillList(lstIndex, "keywords.html");

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

void HelpViewer::FilterIndex(const QString& text) {
    const QString wanted = text.trimmed();
    QListWidgetItem* first = nullptr;
    for (int i = 0; i < lstIndex->count(); ++i) {
        QListWidgetItem* item = lstIndex->item(i);
        const bool shown = item->text().contains(wanted, Qt::CaseInsensitive);
        item->setHidden(!shown);
        if (shown && !first) first = item;
    }
    lstIndex->setCurrentItem(first);
}

void HelpViewer::OpenLink(const QString& target) {
    const QUrl url = ManualRoot().resolved(QUrl(target));
    // A click that also activates must not put the page twice into the history.
    if (url != txtPage->source()) txtPage->setSource(url);
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
