#include "storage/StoreLocation.h"

#include "storage/FileAccess.h"
#include "storage/NativeSettings.h"

#include <QFileInfo>

#include <algorithm>

namespace quarnel::storage {

QString iniPathFor(const QString& programPath) {
    const qsizetype slash = std::max(programPath.lastIndexOf(QLatin1Char('/')),
                                     programPath.lastIndexOf(QLatin1Char('\\')));
    const qsizetype dot = programPath.lastIndexOf(QLatin1Char('.'));
    if (dot > slash) {
        return programPath.left(dot) + QStringLiteral(".INI");
    }
    return programPath + QStringLiteral(".INI");
}

bool nativeStoreExists() {
#ifndef Q_OS_WIN
    if (QFileInfo::exists(nativeSettingsPath())) {
        return true;
    }
#endif
    auto settings = openNativeSettings();
    return !settings->childGroups().isEmpty() || !settings->childKeys().isEmpty();
}

StoreKind chooseStore(const QString& programPath) {
    const QString ini = iniPathFor(programPath);
    if (QFileInfo::exists(ini)) {
        return StoreKind::IniFile;
    }
    if (nativeStoreExists()) {
        return StoreKind::Native;
    }
    if (!canCreateFilesIn(QFileInfo(ini).absolutePath())) {
        return StoreKind::Native;
    }
    return StoreKind::IniFile;
}

} // namespace quarnel::storage
