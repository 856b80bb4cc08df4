#pragma once

#include <span>

namespace vatro {

// A drawing carried in the program as the build wrote it (view/pictures.cmake), named as its
// file is without ".pixels": "mouse", "icon-32".
struct CarriedDrawing {
    const char* name;
    const unsigned char* begin;
    const unsigned char* end;
};

extern const std::span<const CarriedDrawing> carriedDrawings;

} // namespace vatro
