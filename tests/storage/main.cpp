#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The tests never touch the user's own settings: HOME and the configuration
// folder point into a temporary folder before Qt reads them.
int main(int argc, char** argv) {
    QTemporaryDir root;
    if (!root.isValid()) {
        return 2;
    }
    for (const char* name : {"HOME", "XDG_CONFIG_HOME"}) {
        QDir().mkpath(root.filePath(QLatin1String(name)));
        qputenv(name, QFile::encodeName(root.filePath(QLatin1String(name))));
    }
    QStandardPaths::setTestModeEnabled(true);

    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    QDir::setCurrent(QDir::tempPath());
    return result;
}
