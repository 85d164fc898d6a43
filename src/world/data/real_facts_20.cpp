#include "world/real_data.h"

namespace vel::realdata {

extern const RealFacts kFacts20 = {};

}  // namespace vel::realdata
