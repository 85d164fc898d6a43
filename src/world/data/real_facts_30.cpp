#include "world/real_data.h"

namespace vel::realdata {

extern const RealFacts kFacts30 = {};

}  // namespace vel::realdata
