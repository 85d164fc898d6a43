// Charted depths of area 5: the plain slope off the true shore until the
// area's own soundings and facts are compiled.
#include "world/depth_facts.h"

namespace vel::depthdata {

extern const DepthFacts kDepthFloridaBahamas = {5, 3, 20, 100, 6, {}, {}};

}  // namespace vel::depthdata
