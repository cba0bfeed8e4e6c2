#pragma once

#include <QString>

// String helpers of the host application. Only the piece the widgets need.
class BVStringHelper {
public:
    // Name of the image to load for the current screen density: on a screen
    // of device pixel ratio 2 or more, "name@2x.ext" when that file exists
    // under the same search path, otherwise the name unchanged.
    static QString DPIAdjustImageName(const QString& name);
};
