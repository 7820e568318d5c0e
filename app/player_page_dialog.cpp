#include "player_page_dialog.h"

#include <wx/button.h>
#include <wx/image.h>
#include <wx/listctrl.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/utils.h>

#include "command_ids.h"
#include "database_lists.h"
#include "database_ui.h"
#include "luck_replay.h"
#include "panel_font.h"
#include "records/game_list.h"
#include "stats/month_chart.h"
#include "stored_text.h"

namespace {

constexpr int kChartWidth = 440;
constexpr int kChartHeight = 200;

// The month sections have a picture and a list of their own.
bool ShownInFigureList(const CPageLine& line) {
  return line.section != "Games per month" && line.section != "Last games";
}

wxBitmap ChartBitmap(const CPlayerPage& page) {
  const CChartImage chart = DrawMonthChart(page.months, kChartWidth, kChartHeight);
  wxImage image(chart.width, chart.height);
  unsigned char* rgb = image.GetData();
  for (int y = 0; y < chart.height; ++y) {
    for (int x = 0; x < chart.width; ++x) {
      // ARGB32 as a native 32-bit word: blue in the lowest byte. The chart
      // is opaque, so premultiplication changes nothing.
      const uint8_t* p = &chart.pixels[static_cast<std::size_t>(y) * chart.stride + 4 * x];
      const uint32_t word = p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
      *rgb++ = static_cast<unsigned char>(word >> 16);
      *rgb++ = static_cast<unsigned char>(word >> 8);
      *rgb++ = static_cast<unsigned char>(word);
    }
  }
  return wxBitmap(image);
}

}  // namespace

CPlayerPageDialog::CPlayerPageDialog(wxWindow* parent, const CPlayerPage& page)
    : wxDialog(parent, IDD_PLAYER_PAGE, "Player - " + FromStored(page.player.DisplayName()), wxDefaultPosition,
               wxDefaultSize, wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER) {
  auto* name = new wxStaticText(this, wxID_ANY, FromStored(page.player.DisplayName()));
  name->SetFont(PanelFont(20, wxFONTWEIGHT_BOLD));

  figures_ = new wxListCtrl(this, IDC_PAGE_FIGURES, wxDefaultPosition, wxSize(450, 590),
                            wxLC_REPORT | wxLC_SINGLE_SEL | wxBORDER_SUNKEN);
  figures_->SetFont(PanelFont(13));
  figures_->AppendColumn("Figure", wxLIST_FORMAT_LEFT, 190);
  figures_->AppendColumn("Value", wxLIST_FORMAT_LEFT, 255);
  FillFigures(page);

  auto* chart = new wxStaticBitmap(this, IDC_PAGE_CHART, ChartBitmap(page));
  auto* gamesLabel = new wxStaticText(this, wxID_ANY, "Last games (newest first; double-click to review):");
  games_ = new wxListCtrl(this, IDC_PAGE_GAMES, wxDefaultPosition, wxSize(kChartWidth, 200),
                          wxLC_REPORT | wxLC_SINGLE_SEL | wxBORDER_SUNKEN);
  SetUpGameColumns(games_);  // the font; the columns are replaced below
  games_->DeleteAllColumns();
  games_->AppendColumn("Date", wxLIST_FORMAT_LEFT, 80);
  games_->AppendColumn("Seat", wxLIST_FORMAT_LEFT, 70);
  games_->AppendColumn("Points", wxLIST_FORMAT_CENTRE, 50);
  games_->AppendColumn("Result", wxLIST_FORMAT_CENTRE, 50);
  games_->AppendColumn("Players", wxLIST_FORMAT_LEFT, 400);
  FillGames(page);

  open_ = new wxButton(this, IDC_PAGE_OPEN, "&Open");
  open_->Disable();
  auto* close = new wxButton(this, wxID_CANCEL, "Close");
  close->SetDefault();
  auto* note = new wxStaticText(this, wxID_ANY, kTieNote);
  note->Wrap(kChartWidth);

  auto* right = new wxBoxSizer(wxVERTICAL);
  right->Add(chart, 0, wxBOTTOM, 8);
  right->Add(gamesLabel, 0, wxBOTTOM, 4);
  right->Add(games_, 1, wxEXPAND | wxBOTTOM, 6);
  right->Add(note, 0, wxBOTTOM, 8);
  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  buttons->Add(open_, 0, wxRIGHT, 6);
  buttons->AddStretchSpacer();
  buttons->Add(close);
  right->Add(buttons, 0, wxEXPAND);
  auto* columns = new wxBoxSizer(wxHORIZONTAL);
  columns->Add(figures_, 0, wxEXPAND | wxRIGHT, 12);
  columns->Add(right, 1, wxEXPAND);
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(name, 0, wxLEFT | wxRIGHT | wxTOP, 10);
  top->Add(columns, 1, wxEXPAND | wxALL, 10);
  SetSizerAndFit(top);
  Centre();

  games_->Bind(wxEVT_LIST_ITEM_SELECTED, [this](wxListEvent& e) { e.Skip(); open_->Enable(); });
  games_->Bind(wxEVT_LIST_ITEM_DESELECTED, [this](wxListEvent& e) { e.Skip(); open_->Disable(); });
  games_->Bind(wxEVT_LIST_ITEM_ACTIVATED, [this](wxListEvent&) { OnOpen(); });
  open_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnOpen(); });
}

// Section rows in bold with the figures under them, in the order of the
// command line's page.
void CPlayerPageDialog::FillFigures(const CPlayerPage& page) {
  wxFont bold = figures_->GetFont().Bold();
  std::string section;
  long row = 0;
  for (const CPageLine& line : PlayerPageLines(page)) {
    if (!ShownInFigureList(line)) continue;
    if (line.section != section) {
      section = line.section;
      figures_->InsertItem(row, FromStored(section));
      figures_->SetItemFont(row++, bold);
    }
    const long item = figures_->InsertItem(row++, "    " + FromStored(line.label));
    figures_->SetItem(item, 1, FromStored(line.value));
  }
}

void CPlayerPageDialog::FillGames(const CPlayerPage& page) {
  long row = 0;
  for (const CPageGame& g : page.recentGames) {
    const long item = games_->InsertItem(row++, ListDate(g.startDays));
    games_->SetItem(item, 1, wxString::Format("%s of %d", SeatLabel(g.seat).c_str(), g.seats));
    games_->SetItem(item, 2, wxString::Format("%d", g.points));
    games_->SetItem(item, 3, g.won ? "won" : "lost");
    games_->SetItem(item, 4, FromStored(g.players));
    games_->SetItemData(item, g.index);
  }
}

void CPlayerPageDialog::OnOpen() {
  const std::vector<int> selected = SelectedIndices(games_);
  if (selected.empty()) return;
  chosen_ = selected.front();
  EndModal(wxID_OK);
}

std::optional<int> ShowPlayerPage(wxWindow* parent, const CPlayerDatabase& players, CGameDatabase& games, int index) {
  CPlayerPage page;
  {
    wxBusyCursor wait;
    if (!RunDatabaseOperation(parent, [&] { page = BuildPlayerPageWithLuck(players, games, index); })) return std::nullopt;
  }
  CPlayerPageDialog dialog(parent, page);
  if (dialog.ShowModal() != wxID_OK) return std::nullopt;
  return dialog.ChosenGame();
}
