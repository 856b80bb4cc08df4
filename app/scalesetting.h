#pragma once

#include "settings/settings.h"

#include <cstdio>
#include <cstdlib>

namespace vatro {

// Enlarges everything the program draws by the Scale= of vatro.conf: Qt reads its scale
// factor when the application is built, so this runs first. A factor the environment
// already gives wins, so that one run can ask for another size.
inline void applyScaleSetting() {
    const std::optional<double>& scale = machineSettings().values.scale;
    if (!scale || std::getenv("QT_SCALE_FACTOR"))
        return;
    char factor[16];
    std::snprintf(factor, sizeof factor, "%g", *scale);
    ::setenv("QT_SCALE_FACTOR", factor, 1);
}

} // namespace vatro
