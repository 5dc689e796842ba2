#include "WindowFixture.h"

#include "calculator/Key.h"
#include "ui/HelpViewer.h"

#include <QFile>
#include <QListWidget>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextDocument>

namespace {

QString helpHtml() {
    QFile file(QStringLiteral(":/help/quarnel.html"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The help as the reader sees it (entities decoded, tags gone).
QString helpText() {
    QTextDocument doc;
    doc.setHtml(helpHtml());
    return doc.toPlainText();
}

QString plainCaption(QString caption) {
    caption.remove(QLatin1Char('&'));
    if (caption.endsWith(QLatin1String("...")))
        caption.chop(3);
    return caption;
}

// How the help's keyboard table names a key of the keyboard map.
QString keyLabel(std::string_view name) {
    const QString n = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    if (n.startsWith(QLatin1String("KP")))
        return QStringLiteral("keypad ") + n.mid(2);
    return n == QLatin1String("PageUp")     ? QStringLiteral("Page Up")
           : n == QLatin1String("PageDown") ? QStringLiteral("Page Down")
                                            : n;
}

} // namespace

TEST(HelpText, DocumentsEveryButtonMenuCommandKeyFileAndSetting) {
    const QString text = helpText();
    ASSERT_FALSE(text.isEmpty());

    quarnel::ui::MainWindow window;
    for (const QPushButton* b : window.findChildren<QPushButton*>()) {
        QString caption = b->text();
        caption.remove(QLatin1Char('<')).remove(QLatin1Char('>'));
        EXPECT_TRUE(text.contains(caption)) << "button " << caption.toStdString();
    }
    for (const QAction* a : window.findChildren<QAction*>()) {
        if (a->isSeparator() || a->text().isEmpty())
            continue;
        const QString caption = plainCaption(a->text());
        EXPECT_TRUE(text.contains(caption, Qt::CaseInsensitive))
            << "menu item " << caption.toStdString();
    }

    // Every row of the keyboard map has its row in the help's key table.
    const QString html = helpHtml();
    for (const auto& binding : quarnel::calculator::keyMap()) {
        const QString row =
            QStringLiteral("<tr><td>%1</td><td>%2")
                .arg(keyLabel(binding.name).toHtmlEscaped(),
                     QString::fromLatin1(
                         quarnel::calculator::commandRow(binding.command).name.data()));
        EXPECT_TRUE(html.contains(row)) << row.toStdString();
    }
    for (const char* shortcut : {"F1", "F2", "Ctrl+Z"})
        EXPECT_TRUE(text.contains(QString::fromLatin1(shortcut))) << shortcut;
}

TEST(HelpText, EveryIndexEntryLeadsToAPlaceInTheText) {
    const QString html = helpHtml();
    const auto index = quarnel::ui::loadHelpIndex();
    ASSERT_GT(index.size(), 50u);
    for (const auto& entry : index)
        EXPECT_TRUE(html.contains(QStringLiteral("name=\"%1\"").arg(entry.anchor)))
            << entry.keyword.toStdString() << " -> " << entry.anchor.toStdString();
    // Every place the contents page links to exists.
    const QRegularExpression link(QStringLiteral("href=\"#([a-z]+)\""));
    for (auto it = link.globalMatch(html); it.hasNext();) {
        const QString anchor = it.next().captured(1);
        EXPECT_TRUE(html.contains(QStringLiteral("name=\"%1\"").arg(anchor)))
            << anchor.toStdString();
    }
}

TEST_F(WindowTest, HelpCommandsOpenContentsAndIndex) {
    choose("Contents1");
    quarnel::ui::HelpViewer* help = window().helpViewer();
    ASSERT_TRUE(help && help->isVisible());
    auto* tabs = help->findChild<QTabWidget*>();
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_TRUE(help->browser()->toPlainText().contains(QStringLiteral("Contents")));

    choose("SearchforHelpon1");
    EXPECT_EQ(tabs->currentIndex(), 1);
}

TEST_F(WindowTest, CloseShutsTheHelpViewerFirst) {
    bool helpOpenWhileSaving = true;
    window().hooks().saveState = [&] {
        helpOpenWhileSaving = window().helpViewer()->isVisible();
        return true;
    };
    choose("Contents1");
    ASSERT_TRUE(window().helpViewer() && window().helpViewer()->isVisible());
    EXPECT_TRUE(window().close());
    EXPECT_FALSE(helpOpenWhileSaving);
    EXPECT_FALSE(window().helpViewer()->isVisible());
}
