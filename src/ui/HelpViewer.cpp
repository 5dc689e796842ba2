#include "ui/HelpViewer.h"

#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextStream>
#include <QUrl>
#include <QVBoxLayout>

namespace quarnel::ui {

namespace {

const QString kHelpPage = QStringLiteral("qrc:/help/quarnel.html");

} // namespace

std::vector<HelpKeyword> loadHelpIndex() {
    std::vector<HelpKeyword> index;
    QFile file(QStringLiteral(":/help/keywords.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return index;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')) || tab <= 0)
            continue;
        index.push_back({line.left(tab).trimmed(), line.mid(tab + 1).trimmed()});
    }
    return index;
}

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent, Qt::Window), index_(loadHelpIndex()) {
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(QStringLiteral("Quarnel Help"));
    resize(560, 480);

    tabs_ = new QTabWidget(this);
    browser_ = new QTextBrowser;
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setOpenExternalLinks(true);
    browser_->setSource(QUrl(kHelpPage));
    tabs_->addTab(browser_, QStringLiteral("&Contents"));

    auto* indexPage = new QWidget;
    auto* indexLayout = new QVBoxLayout(indexPage);
    keywordEdit_ = new QLineEdit;
    keywordEdit_->setObjectName(QStringLiteral("HelpKeyword"));
    keywordEdit_->setPlaceholderText(QStringLiteral("Type the first letters of a keyword"));
    keywordList_ = new QListWidget;
    keywordList_->setObjectName(QStringLiteral("HelpIndex"));
    for (const HelpKeyword& entry : index_)
        keywordList_->addItem(entry.keyword);
    keywordList_->sortItems();
    indexLayout->addWidget(keywordEdit_);
    indexLayout->addWidget(keywordList_);
    tabs_->addTab(indexPage, QStringLiteral("&Index"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(tabs_);

    connect(keywordEdit_, &QLineEdit::textChanged, this, &HelpViewer::filterIndex);
    connect(keywordEdit_, &QLineEdit::returnPressed, this, [this] {
        if (QListWidgetItem* item = keywordList_->currentItem())
            showKeyword(item->text());
    });
    connect(keywordList_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { showKeyword(item->text()); });
}

void HelpViewer::showContents() {
    browser_->setSource(QUrl(kHelpPage));
    browser_->scrollToAnchor(QStringLiteral("contents"));
    tabs_->setCurrentIndex(0);
    bringForward();
}

void HelpViewer::showIndex() {
    keywordEdit_->clear();
    tabs_->setCurrentIndex(1);
    bringForward();
    keywordEdit_->setFocus();
}

bool HelpViewer::showKeyword(const QString& keyword) {
    for (const HelpKeyword& entry : index_) {
        if (entry.keyword.compare(keyword, Qt::CaseInsensitive) == 0) {
            browser_->setSource(QUrl(kHelpPage + QLatin1Char('#') + entry.anchor));
            tabs_->setCurrentIndex(0);
            return true;
        }
    }
    return false;
}

void HelpViewer::filterIndex(const QString& text) {
    // Partial-key lookup: the first keyword that starts with what was typed
    // becomes current; the others stay visible so the user can browse on.
    QListWidgetItem* first = nullptr;
    for (int row = 0; row < keywordList_->count(); ++row) {
        QListWidgetItem* item = keywordList_->item(row);
        if (!first && item->text().startsWith(text, Qt::CaseInsensitive))
            first = item;
    }
    if (first) {
        keywordList_->setCurrentItem(first);
        keywordList_->scrollToItem(first, QAbstractItemView::PositionAtTop);
    }
}

void HelpViewer::keyPressEvent(QKeyEvent* event) {
    // Escape closes the help window from wherever its focus is.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void HelpViewer::bringForward() {
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

} // namespace quarnel::ui
