#include "random.h"

namespace plugin {

Random& ProcessRandom() {
  static Random generator;
  return generator;
}

}  // namespace plugin
