#include "luck_window.h"

#include <wx/bitmap.h>
#include <wx/grid.h>
#include <wx/image.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>

#include "engine/session/session.h"
#include "luck_replay.h"
#include "records/text_encoding.h"
#include "stats/luck_charts.h"
#include "stats/luck_tables.h"

namespace {

// The charts at the size this window shows them (smaller than a saved chart).
constexpr int kShownChartWidth = 440;
constexpr int kShownChartHeight = 250;

wxBitmap ChartBitmap(LuckChart chart, const GameLuck& luck) {
  ChartPixels pixels = RenderLuckChart(chart, luck, kShownChartWidth, kShownChartHeight);
  wxImage image(pixels.width, pixels.height);
  if (!pixels.rgb.empty()) std::copy(pixels.rgb.begin(), pixels.rgb.end(), image.GetData());
  return wxBitmap(image);
}

wxString FromStored(const std::string& text) { return wxString::FromUTF8(Cp1252ToUtf8(text)); }

}  // namespace

CLuckWindow::CLuckWindow(wxWindow* parent) : CRecordWindow(parent, kDialogId, "Luck") {
  wxBitmap blank(kShownChartWidth, kShownChartHeight);
  diceChart_ = new wxStaticBitmap(this, wxID_ANY, blank);
  luckChart_ = new wxStaticBitmap(this, wxID_ANY, blank);
  table_ = new wxGrid(this, wxID_ANY, wxDefaultPosition, wxSize(380, 2 * kShownChartHeight));
  table_->CreateGrid(0, 1);
  table_->EnableEditing(false);
  table_->HideRowLabels();
  table_->HideColLabels();
  table_->SetDefaultCellAlignment(wxALIGN_RIGHT, wxALIGN_CENTRE);

  auto* charts = new wxBoxSizer(wxVERTICAL);
  charts->Add(diceChart_, 0, wxBOTTOM, 4);
  charts->Add(luckChart_, 0);
  auto* sizer = new wxBoxSizer(wxHORIZONTAL);
  sizer->Add(charts, 0, wxALL, 4);
  sizer->Add(table_, 1, wxEXPAND | wxTOP | wxRIGHT | wxBOTTOM, 4);
  SetSizerAndFit(sizer);

  Bind(wxEVT_SHOW, [this](wxShowEvent& event) {
    event.Skip();
    if (event.IsShown()) Redisplay();
  });
}

void CLuckWindow::FollowSession(const CGameSession& session) {
  if (reviewing_) return;
  tracker_.Observe(session);
  // The figures move with the rolls (and the losses between them); the seats
  // appear once the players are chosen.
  GameLuck luck = session.Fields().playersSelected ? LuckOfGame(session.Game(), tracker_.Rolls()) : GameLuck{};
  if (LuckTables(luck) == LuckTables(luck_) && LuckNotes(luck) == LuckNotes(luck_)) return;
  luck_ = std::move(luck);
  stale_ = true;
  Redisplay();
}

void CLuckWindow::ShowStoredGame(const CGame& game, IReplayLuck& replays) {
  reviewing_ = true;
  tracker_.Clear();
  luck_ = LuckOfStoredGame(game, replays);
  stale_ = true;
  Redisplay();
}

void CLuckWindow::Redisplay() {
  if (!IsShown() || !stale_) return;
  stale_ = false;
  diceChart_->SetBitmap(ChartBitmap(LuckChart::Dice, luck_));
  luckChart_->SetBitmap(ChartBitmap(LuckChart::Luck, luck_));
  FillTable();
}

// The notes, then every table: its title in bold, its header, its rows.
void CLuckWindow::FillTable() {
  std::vector<std::vector<std::string>> lines;
  std::vector<bool> bold;
  for (const std::string& note : LuckNotes(luck_)) {
    lines.push_back({note});
    bold.push_back(false);
  }
  for (const LuckTable& table : LuckTables(luck_)) {
    lines.push_back({});
    bold.push_back(false);
    lines.push_back({table.title});
    bold.push_back(true);
    lines.push_back(table.header);
    bold.push_back(true);
    for (const auto& row : table.rows) {
      lines.push_back(row);
      bold.push_back(false);
    }
  }
  std::size_t columns = 1;
  for (const auto& line : lines) columns = std::max(columns, line.size());
  table_->BeginBatch();
  if (table_->GetNumberRows() > 0) table_->DeleteRows(0, table_->GetNumberRows());
  if (table_->GetNumberCols() > 0) table_->DeleteCols(0, table_->GetNumberCols());
  table_->AppendCols(static_cast<int>(columns));
  table_->AppendRows(static_cast<int>(lines.size()));
  wxFont boldFont = table_->GetDefaultCellFont().Bold();
  // Columns fit the table cells; a line of one text (a note or a title) is
  // written afterwards, merged over the row and read from the left.
  for (bool single : {false, true}) {
    for (std::size_t row = 0; row < lines.size(); ++row) {
      if (lines[row].empty() || (lines[row].size() == 1) != single) continue;
      const int r = static_cast<int>(row);
      for (std::size_t c = 0; c < lines[row].size(); ++c) {
        table_->SetCellValue(r, static_cast<int>(c), FromStored(lines[row][c]));
        if (bold[row]) table_->SetCellFont(r, static_cast<int>(c), boldFont);
      }
      table_->SetCellAlignment(r, 0, wxALIGN_LEFT, wxALIGN_CENTRE);
      if (single) table_->SetCellSize(r, 0, 1, static_cast<int>(columns));
    }
    if (!single) table_->AutoSizeColumns(false);
  }
  table_->EndBatch();
}
