#pragma once

#include <wx/dialog.h>

#include "stats/player_report.h"

#include <optional>

class CGameDatabase;
class CPlayerDatabase;
class wxGrid;

// Builds the report of `choice` with the wait cursor and, over many games, a
// progress dialog; nothing (after a message) when a stored file cannot be read.
std::optional<CPlayerReport> RunPlayerReport(wxWindow* parent, const CPlayerDatabase& players, CGameDatabase& games,
                                             const CPlayerReportChoice& choice);

// "Player Statistics Report": the table of a Statistics Database report in a
// grid, the formulas of its figures below it, and "Export CSV..." to save it.
// Modeless; it destroys itself when closed.
class CPlayerReportWindow : public wxDialog {
 public:
  CPlayerReportWindow(wxWindow* parent, CPlayerReport report, int gameCount);

  const CPlayerReport& Report() const { return report_; }
  wxGrid* Grid() const { return grid_; }

 private:
  void OnExportCsv();

  CPlayerReport report_;
  wxGrid* grid_ = nullptr;
};
