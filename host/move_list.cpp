#include "move_list.h"

namespace host {

void MoveList::DefineColumn(Column column) {
  // A new header starts after a completed one (each game defines its columns afresh).
  if (headerComplete_) {
    columns_.clear();
    rows_.clear();
    headerComplete_ = false;
  }
  columns_.push_back(std::move(column));
}

void MoveList::Start() {
  rows_.clear();
  replaying_ = true;
}

void MoveList::NewRow(std::string number, std::string white) {
  rows_.push_back({std::move(number), std::move(white), {}});
}

void MoveList::AddToRow(std::string black) {
  if (rows_.empty()) rows_.push_back({});  // Black's move without a row still shows
  rows_.back().black = std::move(black);
}

}  // namespace host
