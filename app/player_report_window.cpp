#include "player_report_window.h"

#include <wx/button.h>
#include <wx/filedlg.h>
#include <wx/grid.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "database_lists.h"
#include "database_ui.h"
#include "long_work.h"
#include "records/atomic_file.h"
#include "records/text_encoding.h"

namespace {

constexpr int kReportWindowId = 191;

wxString Caption(int gameCount, std::size_t players) {
  return wxString::Format("%zu %s over %d %s", players, players == 1 ? "player" : "players", gameCount,
                          gameCount == 1 ? "game" : "games");
}

}  // namespace

std::optional<CPlayerReport> RunPlayerReport(wxWindow* parent, const CPlayerDatabase& players, CGameDatabase& games,
                                             const CPlayerReportChoice& choice) {
  CLongWork work(parent, "Statistics Database", "Reading the stored games...");
  std::optional<CPlayerReport> report;
  RunDatabaseOperation(parent, [&] {
    report = BuildPlayerReport(players, games, choice, [&](int done, int total) { work.Progress(done, total); });
  });
  return report;
}

CPlayerReportWindow::CPlayerReportWindow(wxWindow* parent, CPlayerReport report, int gameCount)
    : wxDialog(parent, kReportWindowId, "Player Statistics Report", wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      report_(std::move(report)) {
  const int rows = static_cast<int>(report_.rows.size());
  const int columns = static_cast<int>(report_.header.size());
  grid_ = new wxGrid(this, wxID_ANY, wxDefaultPosition, wxSize(900, 320));
  grid_->CreateGrid(rows, columns);
  grid_->BeginBatch();
  grid_->EnableEditing(false);
  grid_->SetRowLabelSize(0);
  grid_->SetColLabelSize(36);
  grid_->SetDefaultCellAlignment(wxALIGN_CENTRE, wxALIGN_CENTRE);
  for (int c = 0; c < columns; ++c) {
    // Long statistic names wrap onto two label lines.
    wxString label = FromStored(report_.header[static_cast<std::size_t>(c)]);
    if (label.length() > 16) {
      const size_t space = label.find(' ', label.length() / 2);
      if (space != wxString::npos) label[space] = '\n';
    }
    grid_->SetColLabelValue(c, label);
  }
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < columns; ++c) grid_->SetCellValue(r, c, FromStored(report_.rows[r][c]));
    grid_->SetCellAlignment(r, 0, wxALIGN_LEFT, wxALIGN_CENTRE);
  }
  grid_->AutoSizeColumns(false);
  grid_->EndBatch();

  auto* formulas = new wxTextCtrl(this, wxID_ANY, wxString::FromUTF8(PlayerReportHelp()), wxDefaultPosition,
                                  wxSize(900, 130), wxTE_MULTILINE | wxTE_READONLY);
  auto* exportCsv = new wxButton(this, wxID_SAVE, "Export CSV...");
  auto* close = new wxButton(this, wxID_CLOSE, "Close");
  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  buttons->Add(new wxStaticText(this, wxID_ANY, Caption(gameCount, report_.rows.size())), 0,
               wxALIGN_CENTRE_VERTICAL);
  buttons->AddStretchSpacer();
  buttons->Add(exportCsv, 0, wxRIGHT, 6);
  buttons->Add(close);

  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(grid_, 1, wxEXPAND | wxALL, 10);
  top->Add(new wxStaticText(this, wxID_ANY, "How the figures are computed:"), 0, wxLEFT | wxRIGHT, 10);
  top->Add(formulas, 0, wxEXPAND | wxALL, 10);
  top->Add(buttons, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 10);
  SetSizerAndFit(top);
  Centre();

  exportCsv->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnExportCsv(); });
  close->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Close(); });
  Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { Destroy(); });
}

void CPlayerReportWindow::OnExportCsv() {
  wxFileDialog dialog(this, "Export report", wxEmptyString, "report.csv",
                      "CSV Files (*.csv)|*.csv|All Files (*.*)|*.*", wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
  if (dialog.ShowModal() != wxID_OK) return;
  const std::string csv = Cp1252ToUtf8(PlayerReportCsv(report_));
  const std::string path(dialog.GetPath().fn_str());
  const auto* bytes = reinterpret_cast<const uint8_t*>(csv.data());
  RunDatabaseOperation(this, [&] { RealFileSystem().ReplaceFile(path, std::span(bytes, csv.size())); });
}
