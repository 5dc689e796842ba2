#include "ui/MainWindow.h"

#include "calculator/Paste.h"
#include "calculator/Readout.h"
#include "engine/EngineError.h"
#include "ui/ButtonTable.h"
#include "ui/Fonts.h"
#include "ui/HelpViewer.h"
#include "ui/InputLine.h"
#include "ui/KeyTranslation.h"
#include "ui/ListingBox.h"
#include "ui/MenuTable.h"
#include "ui/ReadoutPanel.h"
#include "ui/ShortcutPassThrough.h"
#include "ui/StandardDialogs.h"
#include "ui/StayOnTopSuspension.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDebug>
#include <QDialog>
#include <QIcon>
#include <QKeyEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStringList>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextOption>
#include <QTimer>
#include <QWindow>

#include <exception>
#include <new>
#include <vector>

namespace quarnel::ui {

namespace {

using engine::NumberBase;

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

QIcon programIcon() {
    QIcon icon;
    for (const char* file :
         {":/icons/quarnel-32.png", ":/icons/quarnel-48.png", ":/icons/quarnel-256.png"})
        icon.addFile(QString::fromLatin1(file));
    return icon;
}

// A five-line display box: fixed lines, no wrapping, no scrolling, no typing.
void setUpDisplayBox(QTextEdit* box, Qt::Alignment alignment) {
    box->setReadOnly(true);
    box->setTextInteractionFlags(Qt::NoTextInteraction);
    box->setLineWrapMode(QTextEdit::NoWrap);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box->setLineWidth(1);
    box->setFont(makeFont(FontKind::WindowLarge));
    box->document()->setDocumentMargin(1);
    QTextOption option = box->document()->defaultTextOption();
    option.setAlignment(alignment);
    option.setWrapMode(QTextOption::NoWrap);
    box->document()->setDefaultTextOption(option);
    box->viewport()->setCursor(Qt::ArrowCursor);
    box->setContextMenuPolicy(Qt::PreventContextMenu);
}

} // namespace

MainWindow::MainWindow(std::unique_ptr<WindowDialogs> dialogs, QWidget* parent)
    : QMainWindow(parent),
      dialogs_(dialogs ? std::move(dialogs) : std::make_unique<StandardDialogs>()) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Quarnel"));
    setWindowIcon(programIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(makeFont(FontKind::Window));

    buildClientArea();
    buildButtons();
    buildMenus();
    stackMemo_->raise();
    listingBox_->raise();

    // The menu bar sits above the client area; the window takes exactly the
    // room both need and cannot be resized.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    move(267, 207);

    calc_.setHost(this);
    redraw();
}

MainWindow::~MainWindow() {
    calc_.setHost(nullptr);
}

void MainWindow::buildClientArea() {
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("ClientArea"));
    client_->setFixedSize(kClientWidth, kClientHeight);
    client_->setAutoFillBackground(true);
    client_->installEventFilter(this);
    setCentralWidget(client_);

    rpnScreen_ = new QTextEdit(client_);
    rpnScreen_->setObjectName(QStringLiteral("RPNScreen"));
    rpnScreen_->setGeometry(7, 7, 371, 72);
    setUpDisplayBox(rpnScreen_, Qt::AlignRight);
    rpnScreen_->setToolTip(QStringLiteral("Calculator Stack"));
    rpnScreen_->setAccessibleName(QStringLiteral("Calculator stack"));
    rpnScreen_->setAccessibleDescription(
        QStringLiteral("Levels 5 to 1 of the stack, level 1 at the bottom"));
    rpnScreen_->installEventFilter(this);

    // The level numbers use the display's face so that each number stands
    // level with its line.
    numberMemo_ = new QTextEdit(client_);
    numberMemo_->setObjectName(QStringLiteral("NumberMemo"));
    numberMemo_->setGeometry(7, 7, 20, 72);
    setUpDisplayBox(numberMemo_, Qt::AlignHCenter);
    numberMemo_->setPlainText(QStringLiteral("5\n4\n3\n2\n1"));
    numberMemo_->setAccessibleName(QStringLiteral("Stack level numbers"));
    numberMemo_->installEventFilter(this);
    fitDisplayFont();

    inputEdit_ = new InputLine(client_);
    inputEdit_->setObjectName(QStringLiteral("InputEdit"));
    inputEdit_->setGeometry(7, 78, 371, 21);
    inputEdit_->setToolTip(QStringLiteral("Input"));
    inputEdit_->setAccessibleName(QStringLiteral("Input"));
    inputEdit_->setAccessibleDescription(
        QStringLiteral("The number being entered, in the current base"));
    inputEdit_->setContextMenuPolicy(Qt::PreventContextMenu);
    connect(inputEdit_, &QLineEdit::textEdited, this, &MainWindow::onInputEdited);
    connect(inputEdit_, &InputLine::keyArriving, this, &MainWindow::onInputKey);
    inputEdit_->setPasteHandler([this](const QString& text, int at, int replaced) {
        runGuarded([&] { pasteIntoInput(text, at, replaced); });
    });

    // The readout lies under the keypad, outside the client area until shown.
    readout_ = new ReadoutPanel(client_);
    readout_->move(7, kClientHeight);
    readout_->setDisplayFont(rpnScreen_->font());
    readout_->hide();
    connect(readout_, &ReadoutPanel::bitClicked, this,
            [this](int bit) { runGuarded([this, bit] { calc_.flipShownBit(bit); }); });

    stackMemo_ = new QPlainTextEdit(client_);
    stackMemo_->setObjectName(QStringLiteral("StackMemo"));
    stackMemo_->setGeometry(0, 0, kClientWidth, kClientHeight);
    stackMemo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    stackMemo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    stackMemo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    stackMemo_->setFont(makeFont(FontKind::Window));
    stackMemo_->hide();

    // A deep listing goes to a box that lays out only the lines it shows; it
    // stands in the same place and is the StackView box while it holds one.
    listingBox_ = new ListingBox(client_);
    listingBox_->setObjectName(QStringLiteral("StackMemo"));
    listingBox_->setGeometry(stackMemo_->geometry());
    listingBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    listingBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    listingBox_->setFont(stackMemo_->font());
    listingBox_->hide();
    listingShown_ = stackMemo_;
    readout_->setColours(stackColor(), fontColor());
}

void MainWindow::fitDisplayFont() {
    // The longest line the display shows (the cut entry with its "...") must
    // stand whole to the right of the level column, in the face that really
    // draws it. A digit line is the longest that can occur.
    constexpr int kSlack = 2; // the text layout's own rounding
    const int right = rpnScreen_->geometry().right() + 1 - rpnScreen_->frameWidth() -
                      static_cast<int>(rpnScreen_->document()->documentMargin());
    const int width = right - (numberMemo_->geometry().right() + 1) - kSlack;
    QFont font = rpnScreen_->font();
    for (char digit = '0'; digit <= '9'; ++digit) {
        const QString line = QString(calculator::Calculator::kDisplayWidth, QLatin1Char(digit)) +
                             QStringLiteral("...");
        font = fittedFont(font, line, width);
    }
    rpnScreen_->setFont(font);
    numberMemo_->setFont(font);
}

void MainWindow::buildButtons() {
    for (const ButtonSpec& spec : buttonTable()) {
        const std::string_view caption = calculator::commandRow(spec.command).caption;
        auto* button = new QPushButton(
            QString::fromLatin1(caption.data(), static_cast<qsizetype>(caption.size())), client_);
        button->setObjectName(QString::fromLatin1(spec.objectName));
        button->setGeometry(spec.x, spec.y, spec.width, spec.height);
        button->setFont(makeFont(spec.font));
        button->setToolTip(QString::fromLatin1(spec.hint));
        const std::string_view description = calculator::commandRow(spec.command).description;
        button->setAccessibleDescription(
            QString::fromLatin1(description.data(), static_cast<qsizetype>(description.size())));
        button->setAutoDefault(false);
        const Command command = spec.command;
        connect(button, &QPushButton::clicked, this, [this, command] { execute(command); });
        buttons_.insert(command, button);
    }
}

void MainWindow::buildMenus() {
    std::vector<QMenu*> open; // open[d] receives the rows of depth d + 1
    QList<QKeySequence> shortcuts;
    for (const MenuSpec& spec : menuTable()) {
        const QString name = QString::fromLatin1(spec.objectName);
        const std::string_view menuText = menuCaption(spec);
        const QString caption =
            QString::fromLatin1(menuText.data(), static_cast<qsizetype>(menuText.size()));
        open.resize(static_cast<std::size_t>(spec.depth));
        switch (spec.kind) {
        case MenuSpec::Kind::Menu: {
            QMenu* menu =
                spec.depth == 0 ? menuBar()->addMenu(caption) : open.back()->addMenu(caption);
            menu->setObjectName(name);
            menu->menuAction()->setObjectName(name);
            menus_.insert(name, menu);
            open.push_back(menu);
            break;
        }
        case MenuSpec::Kind::Separator:
            open.back()->addSeparator();
            break;
        case MenuSpec::Kind::Item: {
            QAction* action = open.back()->addAction(caption);
            action->setObjectName(name);
            if (*spec.shortcut) {
                const QKeySequence sequence(QString::fromLatin1(spec.shortcut));
                action->setShortcut(sequence);
                // The text boxes keep their own copy and paste keys: the input
                // line hands them to Copy and Paste itself, and the StackView
                // listing copies and pastes its own text.
                if (!QKeySequence::keyBindings(QKeySequence::Copy).contains(sequence) &&
                    !QKeySequence::keyBindings(QKeySequence::Paste).contains(sequence))
                    shortcuts.append(sequence);
            }
            action->setCheckable(spec.checkable);
            action->setChecked(spec.checked);
            action->setEnabled(spec.enabled);
            // A disabled menu keeps its items' shortcuts from running too.
            QAction* top = open.front()->menuAction();
            const Command command = spec.command;
            connect(action, &QAction::triggered, this, [this, top, command] {
                if (top->isEnabled())
                    execute(command);
            });
            actions_.insert(command, action);
            break;
        }
        }
    }

    auto* passThrough = new ShortcutPassThrough(shortcuts, this);
    for (QWidget* box : {static_cast<QWidget*>(inputEdit_), static_cast<QWidget*>(stackMemo_),
                         static_cast<QWidget*>(listingBox_), static_cast<QWidget*>(rpnScreen_),
                         static_cast<QWidget*>(numberMemo_)})
        box->installEventFilter(passThrough);
}

void MainWindow::loadState() {
    if (hooks_.loadState)
        runGuarded([this] { hooks_.loadState(); });
    else
        redraw();
}

void MainWindow::execute(Command command) {
    if (const std::optional<calculator::Command> row = command.calculatorCommand()) {
        runGuarded([this, row] { calc_.run(*row); });
        return;
    }
    switch (command.own()) {
    case Command::RunDemo:
        // The demo presses the buttons itself, each press a command of its own.
        callHook(hooks_.runDemo);
        redraw();
        break;
    case Command::Exit:
        // The close sequence saves through its own guard.
        close();
        break;
    default:
        runGuarded([this, command] { perform(command.own()); });
        break;
    }
}

void MainWindow::runGuarded(const std::function<void()>& work) {
    try {
        work();
    } catch (const engine::EngineError& failure) {
        dialogs_->error(this, QString::fromUtf8(failure.what()));
    } catch (const std::bad_alloc&) {
        dialogs_->error(this, QString::fromLatin1(engine::kOutOfMemoryMessage));
    } catch (const std::exception& failure) {
        dialogs_->error(this, QString::fromUtf8(failure.what()));
    }
    redraw();
}

void MainWindow::perform(Command::Own command) {
    switch (command) {
    case Command::None:
    case Command::RunDemo:
    case Command::Exit:
        break;
    case Command::LoadStack:
        callHook(hooks_.loadStack);
        break;
    case Command::SaveStack:
        callHook(hooks_.saveStack);
        break;
    case Command::SetupPrinter:
        callHook(hooks_.setupPrinter);
        break;
    case Command::PrintStack:
        callHook(hooks_.printStack);
        break;
    case Command::StayOnTop:
        toggleStayOnTop();
        break;
    case Command::ColorBackground:
    case Command::ColorStack:
    case Command::ColorFont:
        adjustColor(command);
        break;
    case Command::StoreInIniFile:
        // Either item switches to the other store.
        if (hooks_.storeInIniFile)
            hooks_.storeInIniFile();
        else
            setStateInRegistry(!stateInRegistry_);
        break;
    case Command::StoreInRegistry:
        if (hooks_.storeInRegistry)
            hooks_.storeInRegistry();
        else
            setStateInRegistry(!stateInRegistry_);
        break;
    case Command::QuitDemo:
        callHook(hooks_.quitDemo);
        break;
    case Command::HelpContents:
        showHelp(false);
        break;
    case Command::HelpSearch:
        showHelp(true);
        break;
    case Command::About:
        showAbout();
        break;
    case Command::Copy:
    case Command::CopyWithPrefix:
    case Command::CopyCLiteral:
    case Command::CopyAllBases:
        copy(command);
        break;
    case Command::Paste: {
        const InputLine::PasteRequest request = inputEdit_->pasteRequest(false);
        pasteIntoInput(request.text, request.at, request.replaced);
        inputEdit_->setFocus(Qt::OtherFocusReason);
        break;
    }
    case Command::ShowReadout:
        setReadoutShown(!readoutShown_);
        break;
    }
}

void MainWindow::copy(Command::Own which) {
    std::optional<std::string> text;
    if (which == Command::Copy) {
        text = calculator::copyText(calc_);
    } else if (const std::optional<calculator::Readout> value = calculator::readoutOf(calc_)) {
        if (which == Command::CopyWithPrefix)
            text = calculator::prefixedText(*value);
        else if (which == Command::CopyCLiteral)
            text = calculator::cLiteral(*value);
        else
            text = calculator::allBasesText(*value);
    }
    if (text)
        QGuiApplication::clipboard()->setText(fromStd(*text));
}

void MainWindow::callHook(const std::function<void()>& hook) {
    if (hook)
        hook();
}

void MainWindow::redraw() {
    QStringList lines;
    for (const std::string& line : calc_.displayLines())
        lines.append(fromStd(line));
    const QString display = lines.join(QLatin1Char('\n'));
    if (display != shownDisplay_) {
        rpnScreen_->setPlainText(display);
        shownDisplay_ = display;
    }

    buttons_.value(Command::Enter)->setEnabled(calc_.enterEnabled());
    buttons_.value(Command::BaseHex)->setText(fromStd(calc_.baseCaption(NumberBase::Hex)));
    buttons_.value(Command::BaseDec)->setText(fromStd(calc_.baseCaption(NumberBase::Dec)));
    buttons_.value(Command::BaseBin)->setText(fromStd(calc_.baseCaption(NumberBase::Bin)));
    buttons_.value(Command::BaseOct)->setText(fromStd(calc_.baseCaption(NumberBase::Oct)));
    for (int value = 0; value < 16; ++value)
        buttons_.value(calculator::digitCommand(value))->setEnabled(calc_.digitEnabled(value));

    numberMemo_->setVisible(calc_.stackNumbering());

    const bool viewShown = calc_.stackViewShown();
    if (viewShown && (listingPending_ || listingShown_->isHidden()))
        refreshListing();
    listingShown_->setVisible(viewShown);
    routeKeysToListing(viewShown);

    syncInputLine();
    if (pastedCaret_) {
        inputEdit_->setCursorPosition(*pastedCaret_);
        pastedCaret_.reset();
    }
    applyMenuStates();
    if (readoutShown_)
        readout_->showReadout(calculator::readoutOf(calc_), calc_.wordSize());
}

void MainWindow::setReadoutShown(bool shown) {
    // The listing covers the readout too, as it covers the whole client area.
    constexpr int kGapBelow = 7;
    readoutShown_ = shown;
    const int height = kClientHeight + (shown ? readout_->height() + kGapBelow : 0);
    client_->setFixedSize(kClientWidth, height);
    stackMemo_->setGeometry(0, 0, kClientWidth, height);
    listingBox_->setGeometry(stackMemo_->geometry());
    readout_->setVisible(shown);
    if (layout())
        layout()->activate();
    if (QAction* item = actions_.value(Command::ShowReadout))
        item->setChecked(shown);
    if (shown)
        readout_->showReadout(calculator::readoutOf(calc_), calc_.wordSize());
}

void MainWindow::routeKeysToListing(bool viewShown) {
    // The listing covers the input line and the buttons: what the user types
    // goes into the listing box, never to a calculator command.
    inputEdit_->divertKeysTo(viewShown ? listingShown_ : nullptr);
    QWidget* focused = QApplication::focusWidget();
    if (viewShown && focused != listingShown_ && client_->isAncestorOf(focused))
        listingShown_->setFocus(Qt::OtherFocusReason);
}

void MainWindow::refreshListing() {
    const calculator::StackListing& listing = calc_.listing();
    QWidget* const wasShown = listingShown_;
    if (listing.size() > kPlainListingLines) {
        stackMemo_->clear();
        listingBox_->setListing(listing);
        listingShown_ = listingBox_;
    } else {
        QStringList lines;
        lines.reserve(static_cast<qsizetype>(listing.size()));
        for (std::size_t i = 0; i < listing.size(); ++i)
            lines.append(fromStd(listing.line(i)));
        stackMemo_->setPlainText(lines.join(QLatin1Char('\n')));
        listingBox_->setListing({});
        listingShown_ = stackMemo_;
    }
    if (listingShown_ != wasShown) {
        // The other box takes the place, the visibility and the focus.
        const bool hadFocus = wasShown->hasFocus();
        listingShown_->setVisible(wasShown->isVisible());
        wasShown->hide();
        if (hadFocus)
            listingShown_->setFocus(Qt::OtherFocusReason);
        inputEdit_->divertKeysTo(calc_.stackViewShown() ? listingShown_ : nullptr);
    }
    listingPending_ = false;
}

void MainWindow::syncInputLine() {
    const QString wanted = fromStd(calc_.inputText());
    if (inputEdit_->text() != wanted)
        inputEdit_->setText(wanted); // leaves the caret after the last character
}

void MainWindow::applyMenuStates() {
    const calculator::MenuStates states = calc_.menuStates();
    const auto enableMenu = [this](const char* name, bool enabled) {
        if (QMenu* menu = menus_.value(QString::fromLatin1(name)))
            menu->menuAction()->setEnabled(enabled);
    };
    enableMenu("File1", !demoMenus_);
    enableMenu("Edit1", states.edit && !demoMenus_);
    enableMenu("Stack1", states.stack && !demoMenus_);
    // The bit tools work on the stack like the Stack menu's commands.
    enableMenu("Bits1", states.stack && !demoMenus_);
    enableMenu("Options1", states.options && !demoMenus_);
    enableMenu("Help1", !demoMenus_);

    actions_.value(Command::LoadStack)->setEnabled(states.loadStack);
    actions_.value(Command::SaveStack)->setEnabled(states.saveStack);
    actions_.value(Command::CloseStackView)->setEnabled(states.closeStackView);
    actions_.value(Command::RunDemo)->setEnabled(!demoMenus_);
    actions_.value(Command::QuitDemo)->setEnabled(demoMenus_);

    const bool valueShown = calculator::canCopyAs(calc_);
    actions_.value(Command::Copy)->setEnabled(!calc_.inputText().empty() || !calc_.stack().empty());
    actions_.value(Command::CopyWithPrefix)->setEnabled(valueShown);
    actions_.value(Command::CopyCLiteral)
        ->setEnabled(valueShown && calculator::hasCLiteral(calc_.wordSize()));
    actions_.value(Command::CopyAllBases)->setEnabled(valueShown);

    actions_.value(Command::UseStackNumbering)->setChecked(calc_.stackNumbering());
    actions_.value(Command::StayOnTop)->setChecked(stayOnTop());
    actions_.value(Command::StoreInIniFile)->setChecked(!stateInRegistry_);
    actions_.value(Command::StoreInRegistry)->setChecked(stateInRegistry_);
    actions_.value(Command::ShowReadout)->setChecked(readoutShown_);
}

QPushButton* MainWindow::button(Command command) const {
    return buttons_.value(command);
}

QAction* MainWindow::action(Command command) const {
    return actions_.value(command);
}

QMenu* MainWindow::topMenu(const QString& objectName) const {
    return menus_.value(objectName);
}

// --- calculator host --------------------------------------------------------

void MainWindow::showMessage(const std::string& text) {
    StayOnTopSuspension suspension(*this);
    dialogs_->message(this, fromStd(text));
}

void MainWindow::focusInput() {
    if (calc_.stackViewShown()) {
        listingShown_->setFocus(Qt::OtherFocusReason);
        return;
    }
    inputEdit_->setFocus(Qt::OtherFocusReason);
    inputEdit_->deselect();
    inputEdit_->setCursorPosition(static_cast<int>(inputEdit_->text().size()));
}

void MainWindow::stackViewShown() {
    listingPending_ = true;
}

// --- input line -------------------------------------------------------------

void MainWindow::onInputEdited(const QString& text) {
    runGuarded([this, &text] { calc_.setInputText(text.toStdString()); });
}

void MainWindow::pasteIntoInput(const QString& text, int at, int replaced) {
    const auto position = [](int value) { return static_cast<std::size_t>(std::max(value, 0)); };
    if (const std::optional<std::size_t> caret =
            calc_.paste(text.toStdString(), position(at), position(replaced)))
        pastedCaret_ = static_cast<int>(*caret);
}

void MainWindow::onInputKey(QKeyEvent* event) {
    if (const auto key = translateKey(event->key(), event->modifiers()))
        runGuarded([this, key] { calc_.keyDown(*key); });
}

// --- window options ---------------------------------------------------------

bool MainWindow::stayOnTop() const {
    return windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void MainWindow::toggleStayOnTop() {
    const bool on = !stayOnTop();
    Qt::WindowFlags flags = windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, on);
    setUpdatesEnabled(false);
    if (QWindow* handle = windowHandle()) {
        // Telling the existing native window keeps it mapped and in place.
        overrideWindowFlags(flags);
        handle->setFlags(flags);
    } else {
        setWindowFlags(flags);
    }
    setUpdatesEnabled(true);
    if (QAction* item = actions_.value(Command::StayOnTop))
        item->setChecked(on);
}

QColor MainWindow::backgroundColor() const {
    return client_->palette().color(QPalette::Window);
}

QColor MainWindow::stackColor() const {
    return stackMemo_->palette().color(QPalette::Base);
}

QColor MainWindow::fontColor() const {
    return stackMemo_->palette().color(QPalette::Text);
}

void MainWindow::setBackgroundColor(const QColor& color) {
    QPalette palette = client_->palette();
    palette.setColor(QPalette::Window, color);
    client_->setPalette(palette);
}

void MainWindow::setStackColor(const QColor& color) {
    for (QWidget* box : {static_cast<QWidget*>(inputEdit_), static_cast<QWidget*>(stackMemo_),
                         static_cast<QWidget*>(listingBox_), static_cast<QWidget*>(numberMemo_),
                         static_cast<QWidget*>(rpnScreen_)}) {
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, color);
        box->setPalette(palette);
    }
    readout_->setColours(color, fontColor());
}

void MainWindow::setFontColor(const QColor& color) {
    for (QWidget* box : {static_cast<QWidget*>(inputEdit_), static_cast<QWidget*>(stackMemo_),
                         static_cast<QWidget*>(listingBox_), static_cast<QWidget*>(numberMemo_),
                         static_cast<QWidget*>(rpnScreen_)}) {
        QPalette palette = box->palette();
        palette.setColor(QPalette::Text, color);
        box->setPalette(palette);
    }
    readout_->setColours(stackColor(), color);
}

void MainWindow::adjustColor(Command::Own which) {
    StayOnTopSuspension suspension(*this);
    // The dialog opens on the colour chosen last time, not on the target's.
    const std::optional<QColor> chosen = dialogs_->chooseColor(this, lastChosenColor_);
    if (!chosen)
        return;
    lastChosenColor_ = *chosen;
    if (which == Command::ColorBackground)
        setBackgroundColor(*chosen);
    else if (which == Command::ColorFont)
        setFontColor(*chosen);
    else
        setStackColor(*chosen);
    emit colorChosen(which);
}

void MainWindow::setStateInRegistry(bool inRegistry) {
    stateInRegistry_ = inRegistry;
    actions_.value(Command::StoreInIniFile)->setChecked(!inRegistry);
    actions_.value(Command::StoreInRegistry)->setChecked(inRegistry);
}

void MainWindow::setDemoMenus(bool demoRunning) {
    demoMenus_ = demoRunning;
    applyMenuStates();
}

void MainWindow::showHelp(bool index) {
    if (!help_)
        help_ = new HelpViewer(this);
    if (index)
        help_->showIndex();
    else
        help_->showContents();
}

void MainWindow::showAbout() {
    StayOnTopSuspension suspension(*this);
    dialogs_->about(this);
}

// --- window events ----------------------------------------------------------

void MainWindow::closeEvent(QCloseEvent* event) {
    // The demo cannot be closed under its feet: the close becomes a request
    // to stop, and the user can close again once it has.
    if (hooks_.demoRunning && hooks_.demoRunning()) {
        if (hooks_.requestDemoQuit)
            hooks_.requestDemoQuit();
        event->ignore();
        return;
    }
    if (help_)
        help_->close();
    if (hooks_.saveState) {
        bool saved = false;
        if (unattended_) {
            saveLogged();
            saved = true; // nobody is there to answer: the close goes on
        } else {
            runGuarded([this, &saved] { saved = hooks_.saveState(); });
        }
        if (!saved) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

void MainWindow::closeUnattended() {
    // Each try first clears what stands in the way; the close runs once
    // nothing does, or after about two seconds whatever stands.
    constexpr int kTries = 100;
    constexpr int kRetryMs = 20;
    unattended_ = true;
    bool waiting = false;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<QDialog*>(top); dialog && dialog->isVisible()) {
            dialog->reject();
            waiting = true;
        }
    }
    if (hooks_.demoRunning && hooks_.demoRunning()) {
        if (hooks_.requestDemoQuit)
            hooks_.requestDemoQuit();
        waiting = true;
    }
    if (waiting && ++unattendedTries_ < kTries) {
        QTimer::singleShot(kRetryMs, this, &MainWindow::closeUnattended);
        return;
    }
    close();
    QCoreApplication::quit();
}

void MainWindow::saveUnattended() {
    unattended_ = true;
    saveLogged();
    unattended_ = false;
}

void MainWindow::saveLogged() {
    // A failure goes to the log: no box may wait for an answer here.
    try {
        if (hooks_.saveState)
            hooks_.saveState();
    } catch (const std::exception& failure) {
        qWarning().noquote() << QString::fromUtf8(failure.what());
    }
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowTitleChange)
        showTitleAsSet();
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        focusInput();
}

bool MainWindow::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::WinIdChange)
        showTitleAsSet();
    return handled;
}

void MainWindow::showTitleAsSet() {
    // Qt reads "[*]" in a widget's title as the unsaved-changes mark and drops
    // it; this window has no such mark, and its captions (the demo's) show the
    // characters themselves.
    if (QWindow* handle = windowHandle())
        handle->setTitle(windowTitle());
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == rpnScreen_ || watched == numberMemo_) && event->type() == QEvent::FocusIn) {
        // The display boxes never keep the focus.
        focusInput();
        return false;
    }
    const QEvent::Type type = event->type();
    if (watched == client_ &&
        (type == QEvent::MouseButtonPress || type == QEvent::MouseMove ||
         type == QEvent::MouseButtonRelease) &&
        dragByBody(static_cast<QMouseEvent*>(event)))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::pressIsOnBody(const QPoint& at) const {
    // A press on a text box reaches the body when the box does not use it;
    // the box still answers for itself, so it does not drag.
    for (QWidget* under = client_->childAt(at); under && under != client_;
         under = under->parentWidget()) {
        if (qobject_cast<QAbstractScrollArea*>(under) || qobject_cast<QLineEdit*>(under))
            return false;
    }
    return true;
}

bool MainWindow::dragByBody(QMouseEvent* mouse) {
    // The window follows the pointer while the left button is down, and only
    // then: the drag ends with the button, whichever event tells of it first,
    // so no click leaves the window stuck to the pointer. Where the window
    // system places windows itself (Wayland), it is asked to move the window
    // once the pointer really moves with the button down.
    switch (mouse->type()) {
    case QEvent::MouseButtonPress:
        if (mouse->button() != Qt::LeftButton || !pressIsOnBody(mouse->position().toPoint()))
            return false;
        dragging_ = true;
        dragOffset_ = mouse->globalPosition().toPoint() - frameGeometry().topLeft();
        return true;
    case QEvent::MouseMove:
        if (!dragging_)
            return false;
        if (!mouse->buttons().testFlag(Qt::LeftButton)) {
            dragging_ = false;
            return false;
        }
        if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
            dragging_ = false;
            if (windowHandle())
                windowHandle()->startSystemMove();
            return true;
        }
        move(mouse->globalPosition().toPoint() - dragOffset_);
        return true;
    case QEvent::MouseButtonRelease:
        if (!dragging_)
            return false;
        dragging_ = false;
        return true;
    default:
        return false;
    }
}

} // namespace quarnel::ui
