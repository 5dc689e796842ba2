#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include <vector>

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;

namespace quarnel::ui {

// One entry of the help index: the words the user looks for and the place in
// the help text that explains them.
struct HelpKeyword {
    QString keyword;
    QString anchor;
};

// Reads the index shipped with the help text ("keyword<TAB>anchor" per line).
std::vector<HelpKeyword> loadHelpIndex();

// The help window: the help text with its contents page, and a keyword index
// that narrows as the user types.
class HelpViewer : public QWidget {
    Q_OBJECT
  public:
    explicit HelpViewer(QWidget* parent = nullptr);

    // Opens the window on the contents page.
    void showContents();
    // Opens the window on the keyword index with an empty keyword.
    void showIndex();
    // Shows the part of the help text for one keyword; false if it is unknown.
    bool showKeyword(const QString& keyword);

    QTextBrowser* browser() const { return browser_; }
    const std::vector<HelpKeyword>& index() const { return index_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void filterIndex(const QString& text);
    void bringForward();

    std::vector<HelpKeyword> index_;
    QTabWidget* tabs_ = nullptr;
    QTextBrowser* browser_ = nullptr;
    QLineEdit* keywordEdit_ = nullptr;
    QListWidget* keywordList_ = nullptr;
};

} // namespace quarnel::ui
