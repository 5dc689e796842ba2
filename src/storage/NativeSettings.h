#pragma once

#include <QSettings>

#include <memory>

namespace quarnel::storage {

// The per-user native settings of organisation "Kestrow", application "Quarnel".
std::unique_ptr<QSettings> openNativeSettings();

} // namespace quarnel::storage
