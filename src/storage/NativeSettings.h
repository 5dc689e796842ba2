#pragma once

#include <QSettings>

#include <memory>

namespace quarnel::storage {

// The per-user native settings of organisation "Kestrow", application "Quarnel".
std::unique_ptr<QSettings> openNativeSettings();

// Where the native settings live (a file path, or the registry path on
// Windows). Found once per process: Qt fixes the location at first use too.
QString nativeSettingsPath();

} // namespace quarnel::storage
