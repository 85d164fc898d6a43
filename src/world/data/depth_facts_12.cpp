// Charted depths of area 12: the plain slope off the true shore until the
// area's own soundings and facts are compiled.
#include "world/depth_facts.h"

namespace vel::depthdata {

extern const DepthFacts kDepth12 = {12, 3, 20, 100, 6, {}, {}};

}  // namespace vel::depthdata
