#pragma once

#include <optional>
#include <string>

#include "journal_replay.h"

class wxWindow;

// The journal of a game that did not end (the program or the machine
// stopped while it was entered), as found in the data directory.
struct CUnfinishedGame {
  std::string text;
  JournalSummary summary;
};

// When `dataDir` holds the journal of a game that did not end, asks "An
// unfinished game was found (started %s, players %s). Resume it?". Yes
// gives the game to resume; No sets the journal aside and gives nothing. A
// journal in which no game has begun is set aside without a question.
std::optional<CUnfinishedGame> AskAboutUnfinishedGame(wxWindow* owner, const std::string& dataDir);

// A journal whose replay stopped at a damaged line: says which file and
// line and asks whether to resume the game at that point (true) or keep the
// file aside (false).
bool AskResumeBeforeDamage(wxWindow* owner, const std::string& path, int line, const std::string& what);

// Sets the current journal aside; a failure is shown, never thrown.
void SetJournalAsideOrTell(wxWindow* owner, const std::string& dataDir, bool copy = false);
