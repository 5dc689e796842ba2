#include "app/LayerWiring.h"

#include "app/DemoWiring.h"
#include "app/PrintWiring.h"
#include "app/StorageWiring.h"
#include "ui/MainWindow.h"

#include <QCoreApplication>

namespace quarnel::app {

LayerWiring::LayerWiring(ui::MainWindow& window, const QString& programPath)
    : QObject(&window), storage_(std::make_unique<StorageWiring>(window, programPath)),
      print_(std::make_unique<PrintWiring>(window)), demo_(std::make_unique<DemoWiring>(window)) {
    setObjectName(QStringLiteral("LayerWiring"));
    ui::WindowHooks& hooks = window.hooks();

    // Settings store and stack backup.
    hooks.loadState = [this] { storage_->load(); };
    hooks.saveState = [this] { return storage_->save(); };
    hooks.storeInIniFile = [this] { storage_->toggleStore(); };
    hooks.storeInRegistry = [this] { storage_->toggleStore(); };

    // Stack files.
    hooks.loadStack = [this] { storage_->loadStack(); };
    hooks.saveStack = [this] { storage_->saveStack(); };

    // Printing.
    hooks.setupPrinter = [this] { print_->setupPrinter(); };
    hooks.printStack = [this] { print_->printStack(); };

    // Demo; a close while it runs is refused and becomes a quit request.
    hooks.runDemo = [this] { demo_->runner().run(); };
    hooks.quitDemo = [this] { demo_->runner().requestQuit(); };
    hooks.demoRunning = [this] { return demo_->runner().isRunning(); };
    hooks.requestDemoQuit = [this] { demo_->runner().requestQuit(); };
}

LayerWiring::~LayerWiring() = default;

LayerWiring& wireLayers(ui::MainWindow& window) {
    return wireLayers(window, QCoreApplication::applicationFilePath());
}

LayerWiring& wireLayers(ui::MainWindow& window, const QString& programPath) {
    return *new LayerWiring(window, programPath);
}

} // namespace quarnel::app
