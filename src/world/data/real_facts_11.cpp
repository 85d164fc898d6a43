#include "world/real_data.h"

namespace vel::realdata {

extern const RealFacts kFacts11 = {};

}  // namespace vel::realdata
