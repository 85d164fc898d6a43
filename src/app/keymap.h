#pragma once
#include <cstdint>

namespace vel {

// The program's virtual-key code for a Qt key, 0 for keys it does not use.
int32_t VirtualKeyFor(int qtKey);

}  // namespace vel
