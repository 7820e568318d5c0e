#include "unfinished_game.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include <wx/msgdlg.h>

#include "records/clock.h"
#include "records/game_list.h"
#include "records/replay_store.h"

namespace {

wxString PlayersText(const JournalSummary& summary) {
  if (summary.names.empty()) return "not chosen yet";
  wxString names;
  for (const std::string& name : summary.names) names += (names.empty() ? "" : ", ") + wxString::FromUTF8(name);
  return names;
}

}  // namespace

void SetJournalAsideOrTell(wxWindow* owner, const std::string& dataDir, bool copy) {
  try {
    SetJournalAside(dataDir, copy);
  } catch (const std::exception& e) {
    wxMessageBox(wxString::FromUTF8(e.what()), "Hexstead3D", wxOK | wxICON_ERROR, owner);
  }
}

std::optional<CUnfinishedGame> AskAboutUnfinishedGame(wxWindow* owner, const std::string& dataDir) {
  const std::string path = CurrentJournalPath(dataDir);
  if (!std::filesystem::is_regular_file(path)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  CUnfinishedGame game;
  game.text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  std::optional<JournalSummary> summary = SummariseJournal(game.text);
  if (!summary) {
    SetJournalAsideOrTell(owner, dataDir);
    return std::nullopt;
  }
  game.summary = *summary;
  const double start = OleDaysFromTime(summary->startSeconds);
  const wxString started = wxString::FromUTF8(ListDate(start) + " " + ListTime(start));
  const wxString question =
      wxString::Format("An unfinished game was found (started %s, players %s). Resume it?", started, PlayersText(*summary));
  wxMessageDialog ask(owner, question, "Hexstead3D", wxYES_NO | wxICON_QUESTION);
  if (ask.ShowModal() == wxID_YES) return game;
  SetJournalAsideOrTell(owner, dataDir);
  return std::nullopt;
}

bool AskResumeBeforeDamage(wxWindow* owner, const std::string& path, int line, const std::string& what) {
  const wxString text = wxString::Format(
      "The journal %s is damaged at line %d (%s); the game was replayed up to the line before it.\n\n"
      "Resume the game at that point? (No keeps the file aside.)",
      wxString::FromUTF8(path), line, wxString::FromUTF8(what));
  wxMessageDialog ask(owner, text, "Hexstead3D", wxYES_NO | wxICON_WARNING);
  return ask.ShowModal() == wxID_YES;
}
