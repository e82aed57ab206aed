#include "chess_settings.h"

namespace chess {

ChessSettings& Settings() {
  static ChessSettings settings;
  return settings;
}

}  // namespace chess
