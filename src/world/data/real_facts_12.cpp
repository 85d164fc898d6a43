#include "world/real_data.h"

namespace vel::realdata {

extern const RealFacts kFacts12 = {};

}  // namespace vel::realdata
