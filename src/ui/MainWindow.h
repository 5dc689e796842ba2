#pragma once

#include "calculator/Calculator.h"
#include "ui/Command.h"
#include "ui/WindowDialogs.h"
#include "ui/WindowHooks.h"

#include <QColor>
#include <QMainWindow>
#include <QMap>
#include <QPoint>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QMouseEvent;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTextEdit;

namespace quarnel::ui {

class HelpViewer;
class InputLine;
class ListingBox;
class ReadoutPanel;

// The calculator window: stack display, input line, 47 buttons and the menu
// bar. It holds no calculator state of its own: every button, key and menu
// command goes through execute(), which passes a calculator command to the
// calculator or runs one of the window's own, and redraws the window from the
// calculator's state.
class MainWindow : public QMainWindow, private calculator::CalculatorHost {
    Q_OBJECT
  public:
    static constexpr int kClientWidth = 386;
    static constexpr int kClientHeight = 262;
    // Listings longer than this go to the box that lays out only the lines it
    // shows; shorter ones to the plain text box.
    static constexpr std::size_t kPlainListingLines = 5000;

    // The dialogs default to the real ones; tests pass their own.
    explicit MainWindow(std::unique_ptr<WindowDialogs> dialogs = {}, QWidget* parent = nullptr);
    ~MainWindow() override;

    calculator::Calculator& calculator() { return calc_; }
    const calculator::Calculator& calculator() const { return calc_; }
    WindowDialogs& dialogs() { return *dialogs_; }
    WindowHooks& hooks() { return hooks_; }

    // Reads the saved state through the load hook, then shows it. Called once
    // after the window is created and before it is first shown.
    void loadState();

    // The one dispatch point: runs the command, shows an engine failure in the
    // error box, and redraws from the calculator's state. Run Demo and Exit
    // start from here too, but their steps (the demo's presses, the close
    // sequence) are dispatched each on their own.
    void execute(Command command);
    // Rewrites every control from the calculator's state.
    void redraw();
    // Writes the calculator's listing into StackMemo now, shown or not (a
    // print job composes its listing there): the plain text box for short
    // listings, the box that lays out only what it shows for long ones.
    void refreshListing();

    QPushButton* button(Command command) const;
    QAction* action(Command command) const;
    QMenu* topMenu(const QString& objectName) const;

    // Stay on Top: the window style and the menu check mark always agree.
    bool stayOnTop() const;
    void toggleStayOnTop();

    // The colours the settings store keeps.
    QColor backgroundColor() const;
    QColor stackColor() const; // background of the four text boxes
    QColor fontColor() const;  // text of the four text boxes
    void setBackgroundColor(const QColor& color);
    void setStackColor(const QColor& color);
    void setFontColor(const QColor& color);

    // The readout under the keypad (Options / Show Readout): the window is
    // taller by its height while it is shown.
    bool readoutShown() const { return readoutShown_; }
    void setReadoutShown(bool shown);
    ReadoutPanel* readoutPanel() const { return readout_; }

    // Which store keeps the state: the two check marks of Save Calculator State.
    bool stateInRegistry() const { return stateInRegistry_; }
    void setStateInRegistry(bool inRegistry);

    // While the demo runs: File, Edit, Stack, Options and Help disabled, Quit
    // Demo enabled, Run Demo disabled. Off restores the normal states.
    void setDemoMenus(bool demoRunning);

    HelpViewer* helpViewer() const { return help_; }

    // The session ends (a signal, the desktop logging out): the close
    // sequence with its saves, after open dialogs are dismissed and a running
    // demo has stopped, and without any question that would hold it up; the
    // save hook tells failures on standard error instead. Ends the event loop.
    void closeUnattended();
    // The desktop's request to save: writes the state as that close would,
    // and leaves the window open.
    void saveUnattended();
    // Set while one of the two above runs: no question may be asked.
    bool unattended() const { return unattended_; }

    // Keyboard focus to the input line, caret after its text, nothing selected.
    void focusInput() override;

  signals:
    // A colour command set the colour the user chose for `target` (also when
    // it equals the colour shown before).
    void colorChosen(quarnel::ui::Command target);

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildClientArea();
    void fitDisplayFont();
    void buildButtons();
    void buildMenus();
    void perform(Command::Own command);
    // Runs the work, shows an engine failure (or any other failure) in the
    // error box, and redraws. Only the ways in from the user call it: never a
    // command, so that no command runs inside another.
    void runGuarded(const std::function<void()>& work);
    void showMessage(const std::string& text) override;
    void stackViewShown() override;
    void onInputEdited(const QString& text);
    void onInputKey(QKeyEvent* event);
    // The paste step of the calculator; the caret goes after the pasted text
    // at the next redraw.
    void pasteIntoInput(const QString& text, int at, int replaced);
    // Edit › Copy and Copy As.
    void copy(Command::Own which);
    void adjustColor(Command::Own which);
    void showHelp(bool index);
    void showAbout();
    void applyMenuStates();
    void syncInputLine();
    void routeKeysToListing(bool viewShown);
    void showTitleAsSet();
    bool pressIsOnBody(const QPoint& at) const;
    bool dragByBody(QMouseEvent* mouse);
    void callHook(const std::function<void()>& hook);
    void saveLogged();

    calculator::Calculator calc_;
    std::unique_ptr<WindowDialogs> dialogs_;
    WindowHooks hooks_;

    QWidget* client_ = nullptr;
    QTextEdit* rpnScreen_ = nullptr;
    QTextEdit* numberMemo_ = nullptr;
    InputLine* inputEdit_ = nullptr;
    QPlainTextEdit* stackMemo_ = nullptr;
    ListingBox* listingBox_ = nullptr;
    QWidget* listingShown_ = nullptr; // whichever of the two holds the listing
    ReadoutPanel* readout_ = nullptr;
    bool readoutShown_ = false;
    QMap<Command, QPushButton*> buttons_;
    QMap<Command, QAction*> actions_;
    QMap<QString, QMenu*> menus_;

    HelpViewer* help_ = nullptr;
    QColor lastChosenColor_ = Qt::black;
    bool stateInRegistry_ = false;
    bool demoMenus_ = false;
    bool listingPending_ = false;
    bool unattended_ = false;
    int unattendedTries_ = 0;
    QString shownDisplay_;
    std::optional<int> pastedCaret_;

    // Dragging by the body: the window follows the pointer while this is set.
    bool dragging_ = false;
    QPoint dragOffset_;
};

} // namespace quarnel::ui
