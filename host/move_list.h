// MoveList: the host's move list as the plug-ins fill it.
#pragma once

#include <string>
#include <vector>

namespace host {

// ---- Move list ----

// MoveList holds the columns a plug-in defined with "MoveHeader" and the rows it filled with
// "NewHistory" (a new row: move number and White's move) and "AddHistory" (Black's move
// into the current row). "StartHistory" empties it for a replay.
class MoveList {
 public:
  struct Column {
    int index = 0;
    std::string caption;
    std::string name;
    std::vector<std::string> extra;  // the remaining fields, kept as sent
  };
  struct Row {
    std::string number;
    std::string white;
    std::string black;
  };

  void DefineColumn(Column column);
  void EndHeader() { headerComplete_ = true; }
  void Start();
  void NewRow(std::string number, std::string white);
  void AddToRow(std::string black);
  void End() { replaying_ = false; }

  const std::vector<Column>& Columns() const { return columns_; }
  const std::vector<Row>& Rows() const { return rows_; }
  bool HeaderComplete() const { return headerComplete_; }
  bool Replaying() const { return replaying_; }

 private:
  std::vector<Column> columns_;
  std::vector<Row> rows_;
  bool headerComplete_ = false;
  bool replaying_ = false;
};

}  // namespace host
