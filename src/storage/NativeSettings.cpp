#include "storage/NativeSettings.h"

#include "storage/StoreLocation.h"

namespace quarnel::storage {

std::unique_ptr<QSettings> openNativeSettings() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QString::fromLatin1(kOrganisation),
                                       QString::fromLatin1(kApplication));
}

QString nativeSettingsPath() {
    static const QString path = openNativeSettings()->fileName();
    return path;
}

} // namespace quarnel::storage
