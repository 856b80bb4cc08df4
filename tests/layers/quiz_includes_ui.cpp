// Compiled as part of the quiz format, the bottom layer: the window models lie above it, so
// this include must find no file and the build must fail.
#include "ui/controls/window.h"
