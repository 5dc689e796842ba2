#pragma once

#include <QObject>
#include <QString>

#include <memory>

namespace quarnel::ui {
class MainWindow;
}

namespace quarnel::app {

class DemoWiring;
class PrintWiring;
class StorageWiring;

// Connects the settings store, the stack files, printing and the demo to the
// window's hooks, and keeps what they need for as long as the window lives
// (it is a child of the window).
class LayerWiring : public QObject {
    Q_OBJECT
  public:
    LayerWiring(ui::MainWindow& window, const QString& programPath);
    ~LayerWiring() override;

    StorageWiring& storage() { return *storage_; }
    PrintWiring& printing() { return *print_; }
    DemoWiring& demo() { return *demo_; }

  private:
    std::unique_ptr<StorageWiring> storage_;
    std::unique_ptr<PrintWiring> print_;
    std::unique_ptr<DemoWiring> demo_;
};

// Runs once, after the window is built and before its state is loaded. The
// INI file lies beside the program file (`programPath`, by default the
// running program's own).
LayerWiring& wireLayers(ui::MainWindow& window);
LayerWiring& wireLayers(ui::MainWindow& window, const QString& programPath);

} // namespace quarnel::app
