// The one error a picture raises when it cannot be had.
#pragma once

#include <stdexcept>
#include <string>

namespace toolkit {

// ---- Picture error ----

// PictureError is raised when a picture file is missing, truncated, corrupt or of a kind we
// do not read, and when a picture would be too large to hold. It is the only failure the
// picture code reports, so a caller that must survive a bad picture file catches this one
// type (and an export's guard turns anything it misses into an empty reply).
class PictureError : public std::runtime_error {
 public:
  explicit PictureError(const std::string& what) : std::runtime_error(what) {}
};

}  // namespace toolkit
