#include "backgammon_settings.h"

namespace backgammon {

BackgammonSettings& Settings() {
  static BackgammonSettings settings;
  return settings;
}

}  // namespace backgammon
