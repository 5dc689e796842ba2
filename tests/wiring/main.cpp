#include <gtest/gtest.h>

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <utility>

// The wiring tests run on the offscreen platform in a home of their own, so no
// setting, stack file or lock of the user is ever read or written. Each test
// makes its own program folder and current directory inside it.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    if (!home.isValid())
        return 2;
    const QDir root(home.path());
    qputenv("HOME", home.path().toUtf8());
    for (const auto& [sub, variable] : {std::pair{"config", "XDG_CONFIG_HOME"},
                                        {"data", "XDG_DATA_HOME"},
                                        {"cache", "XDG_CACHE_HOME"},
                                        {"runtime", "XDG_RUNTIME_DIR"}}) {
        root.mkpath(QString::fromLatin1(sub));
        qputenv(variable, root.filePath(QString::fromLatin1(sub)).toUtf8());
    }
    QFile::setPermissions(root.filePath(QStringLiteral("runtime")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QDir::setCurrent(home.path());

    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
