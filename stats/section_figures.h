#pragma once

#include <string>
#include <vector>

// The computed texts of one statistics section, in the order its layout
// shows them. A heading has none.
struct SectionFigures {
  // Body rows from the first row under the header: seat rows, then the
  // "Total" row where the table has one (in "Frequencies" and "Frequencies by
  // player": totals 2..12, then the "Average:" row). Each row holds the texts
  // of the figure columns from the first figure column on, left to right.
  std::vector<std::vector<std::string>> rows;
  // "From board" only: per seat, the five resource shares and the seat's
  // share of all production.
  std::vector<std::vector<std::string>> shares;
  // "By stealing", "Total resources lost", "From robber placement" and
  // "Stolen by others": per seat, the text naming what went to or came from
  // whom ("2 ore, 1 sheep from Ann Lee; 1 clay from Bo Ng").
  std::vector<std::string> details;
};
