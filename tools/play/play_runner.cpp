#include "play_runner.h"

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "play_state_json.h"
#include "records/clock.h"
#include "records/text_encoding.h"

namespace {

// The inputs of one word that the session takes as they stand.
struct OneWordInput {
  const char* verb;
  bool (CGameSession::*run)();
};
constexpr OneWordInput kOneWordInputs[] = {{"undo", &CGameSession::UndoLast},
                                           {"continue", &CGameSession::OnContinue},
                                           {"endturn", &CGameSession::OnEndTurn},
                                           {"buy", &CGameSession::OnBuyCard}};

void NeedWords(const ScriptLine& line, size_t count) {
  if (line.words.size() != count)
    throw ScriptError(line.number, "'" + line.words[0] + "' takes " + std::to_string(count - 1) + " argument" +
                                       (count == 2 ? "" : "s"));
}

ResourceCounts ParseCounts(const std::vector<std::string>& words, size_t first, int line) {
  ResourceCounts counts{};
  for (size_t r = 0; r < counts.size(); ++r) counts[r] = ParseIntIn(words.at(first + r), 0, 99, line);
  return counts;
}

// The JSON value of an `expect` line: the rest of the raw line after the
// pointer, up to a `#` comment outside JSON strings.
std::string ExpectValueText(const std::string& text, const std::string& pointer) {
  size_t at = text.find(pointer, text.find("expect") + 6) + pointer.size();
  std::string value;
  bool inString = false;
  for (size_t i = at; i < text.size(); ++i) {
    char c = text[i];
    if (!inString && c == '#') break;
    if (c == '"' && (i == 0 || text[i - 1] != '\\')) inString = !inString;
    value += c;
  }
  return value;
}

}  // namespace

PlayRunner::PlayRunner(std::ostream* out, const std::string& dataDir, DialogAnswers* answers, IFileSystem& files)
    : out_(out),
      dataDir_(dataDir),
      files_(files),
      ui_(out, answers ? *answers : static_cast<DialogAnswers&>(queued_)),
      random_(randomSource_, [] { return static_cast<std::int64_t>(CClock::NowSeconds()); }),
      database_(dataDir, files),
      store_(database_),
      playerFile_(dataDir, files) {}

CGameSession& PlayRunner::Session() {
  if (!active_) throw ScriptError(0, "no game: start one with 'new'");
  return *active_;
}

void PlayRunner::Attach(CGame& game, CGameSession& session, CRandomSource& randomSource) {
  attachedGame_ = &game;
  attachedSession_ = &session;
  attachedRandom_ = &randomSource;
}

void PlayRunner::SetAnswers(DialogAnswers& answers) { ui_.SetAnswers(answers); }

void PlayRunner::Finish() const { queued_.CheckAllUsed(); }

void PlayRunner::Run(const std::string& text, int lineNumber) {
  // The value of an `expect` is JSON, not script words: only the command and
  // the pointer are split off here.
  std::istringstream head(text);
  std::string verb, pointer;
  head >> verb >> pointer;
  if (verb == "expect") {
    Run(ScriptLine{lineNumber, {verb, pointer, "value"}}, text);
    return;
  }
  ScriptLine line{lineNumber, SplitScriptLine(text, lineNumber)};
  if (!line.words.empty()) Run(line, text);
}

void PlayRunner::Run(const ScriptLine& line, const std::string& text) {
  const std::string& verb = line.words.at(0);
  int n = line.number;
  queued_.SetCurrentLine(n);
  if (verb == "answer") {
    queued_.Add(line);
    if (journal_) AnswerNow(line);
  } else if (verb == "journal") {
    NeedWords(line, 1);
    journal_ = true;
  } else if (verb == "clock") {
    NeedWords(line, 2);
    CClock::SetFixed(ParseInt(line.words[1], n));
  } else if (verb == "wait") {
    NeedWords(line, 2);
    CClock::Advance(ParseIntIn(line.words[1], 0, 1 << 30, n));
  } else if (verb == "seed") {
    NeedWords(line, 2);
    seed_ = static_cast<unsigned>(ParseInt(line.words[1], n));
    Source().Seed(*seed_);
  } else if (verb == "new") {
    RunNew(line);
  } else if (verb == "seat") {
    RunSeat(line);
  } else if (verb == "unseat") {
    // Drops the player of a seat box back on the list.
    NeedWords(line, 2);
    int box = ParseIntIn(line.words[1], 1, 6, n) - 1;
    std::erase_if(seats_, [box](const SeatChoice& s) { return s.box == box; });
  } else if (verb == "state") {
    NeedWords(line, 1);
    if (out_) *out_ << "state: " << SessionStateJson(Session()).dump() << '\n';
  } else if (verb == "expect") {
    RunExpect(line, text);
  } else {
    if (!active_) throw ScriptError(n, "no game: start one with 'new'");
    ++inputsRun_;
    bool taken = RunInput(line);
    // A journal holds only what the session took: anything else is damage.
    if (journal_ && !taken) throw ScriptError(n, "the game does not take this input here");
    // An input whose own decision was cancelled leaves no trace, as if the
    // session had not taken it; an Undo stays taken.
    bool cancelled = ui_.ShowPendingDecisions(*active_, n, journal_);
    if (cancelled && verb != "undo") taken = false;
    AfterInput(line, taken);
  }
}

// new players=3|5 track=0|1 generate=0|1 [start=SECONDS]: File > New, the
// wizard's answers; `start` is the second the game record was created (its
// gameId), else the clock's now.
void PlayRunner::RunNew(const ScriptLine& line) {
  if (line.words.size() != 5) NeedWords(line, 4);
  int players = ParseKeyValue(line.words[1], "players", line.number);
  int track = ParseKeyValue(line.words[2], "track", line.number);
  int generate = ParseKeyValue(line.words[3], "generate", line.number);
  if (players != 3 && players != 5) throw ScriptError(line.number, "players must be 3 or 5");
  if ((track != 0 && track != 1) || (generate != 0 && generate != 1))
    throw ScriptError(line.number, "track and generate are 0 or 1");
  CGame fresh = line.words.size() == 5 ? CGame(ParseKeyValue(line.words[4], "start", line.number)) : CGame();
  seats_.clear();
  if (attachedSession_ != nullptr) {
    *attachedGame_ = std::move(fresh);
    active_ = attachedSession_;
  } else {
    if (!readOnly_ && &files_ == &RealFileSystem()) std::filesystem::create_directories(dataDir_);
    playerFile_.Load();
    active_ = nullptr;
    session_.reset();
    game_ = std::make_unique<CGame>(std::move(fresh));  // File > New: a new current game record
    IFinishedGameStore& store = readOnly_ ? static_cast<IFinishedGameStore&>(discarded_) : store_;
    session_ = std::make_unique<CGameSession>(*game_, ui_, SessionServices{clock_, random_, store});
    active_ = session_.get();
  }
  // Every `new` starts from the script's last seed: the same script then
  // always builds the same boards.
  if (seed_) Source().Seed(*seed_);
  ui_.ResetPrompt();
  active_->NewGame(players, track != 0, generate != 0);
  ui_.PromptChanged(active_->Prompt());
}

// An `answer` in a journal: the dialog open now takes it at once.
void PlayRunner::AnswerNow(const ScriptLine& line) {
  if (!active_ || active_->Pending().kind == DecisionKind::None)
    throw ScriptError(line.number, "no dialog waits for this answer");
  ui_.ShowPendingDecisions(*active_, line.number, true);
  queued_.CheckAllUsed();
  AfterInput(line, true);
}

// seat BOX "First" "Last" [id=PLAYERID]: with an id the person is taken as
// written; without, looked up by name in the player database (or added).
void PlayRunner::RunSeat(const ScriptLine& line) {
  if (line.words.size() != 5) NeedWords(line, 4);
  if (!active_) throw ScriptError(line.number, "no game: start one with 'new'");
  int box = ParseIntIn(line.words[1], 1, 6, line.number) - 1;
  std::string first = Utf8ToCp1252(line.words[2]), last = Utf8ToCp1252(line.words[3]);
  if (line.words.size() == 5) {
    SeatPlayer(box, CPlayer(first, last, ParseKeyValue(line.words[4], "id", line.number)));
    return;
  }
  if (attachedSession_ != nullptr) playerFile_.Load();  // a window's game reads the database only here
  SeatPlayer(box, playerFile_.FindOrAdd(first, last, !readOnly_));
}

void PlayRunner::SeatPlayer(int box, const CPlayer& player) {
  seats_.erase(std::remove_if(seats_.begin(), seats_.end(), [box](const SeatChoice& s) { return s.box == box; }),
               seats_.end());
  seats_.push_back(SeatChoice{box, player});
  std::sort(seats_.begin(), seats_.end(), [](const SeatChoice& a, const SeatChoice& b) { return a.box < b.box; });
}

bool PlayRunner::IsSessionInput(const std::string& verb) {
  static const char* const kNotInputs[] = {"answer", "clock", "wait", "seed", "new", "seat", "unseat", "state", "expect"};
  return std::none_of(std::begin(kNotInputs), std::end(kNotInputs), [&](const char* word) { return verb == word; });
}

bool PlayRunner::RunInput(const ScriptLine& line) {
  CGameSession& s = *active_;
  const std::vector<std::string>& w = line.words;
  const std::string& verb = w[0];
  int n = line.number;
  for (const OneWordInput& input : kOneWordInputs) {
    if (verb != input.verb) continue;
    NeedWords(line, 1);
    return (s.*input.run)();
  }
  if (verb == "tile") {
    NeedWords(line, 2);
    return s.ChooseTile(ParseIntIn(w[1], -1, 12, n));
  }
  if (verb == "pick") {
    NeedWords(line, 2);
    return s.Pick(ParseInt(w[1], n));
  }
  if (verb == "road") {
    NeedWords(line, 3);
    return s.PickRoadSide(ParseIntIn(w[1], 0, 51, n), ParseIntIn(w[2], 0, 5, n));
  }
  if (verb == "select") {
    NeedWords(line, 1);
    return s.SelectPlayers(seats_);
  }
  if (verb == "order") {
    std::vector<int32_t> order;
    for (size_t i = 1; i < w.size(); ++i) order.push_back(ParseIntIn(w[i], 0, 5, n));
    return s.SortPlayers(order);
  }
  if (verb == "cancel") {
    NeedWords(line, 2);
    if (w[1] != "order") throw ScriptError(n, "only 'cancel order' exists");
    return s.CancelPlayerOrder();
  }
  return RunTurnInput(line);
}

bool PlayRunner::RunTurnInput(const ScriptLine& line) {
  CGameSession& s = *active_;
  const std::vector<std::string>& w = line.words;
  const std::string& verb = w[0];
  int n = line.number;
  if (verb == "roll") {
    NeedWords(line, 2);
    return s.OnRoll(ParseIntIn(w[1], 2, 12, n));
  }
  if (verb == "build") {
    NeedWords(line, 2);
    if (w[1] == "road") return s.OnBuild(PurchaseRoad);
    if (w[1] == "settlement") return s.OnBuild(PurchaseSettlement);
    if (w[1] == "city") return s.OnBuild(PurchaseCity);
    throw ScriptError(n, "build road, settlement or city");
  }
  if (verb == "play") return RunCardInput(line);
  if (verb == "trade") return RunTrade(line);
  if (verb == "banktrade") {
    NeedWords(line, 3);
    return s.TradeWithBank(ParseResource(w[1], n), ParseResource(w[2], n));
  }
  throw ScriptError(n, "unknown command '" + verb + "'");
}

bool PlayRunner::RunCardInput(const ScriptLine& line) {
  CGameSession& s = *active_;
  const std::vector<std::string>& w = line.words;
  int n = line.number;
  if (w.size() < 2) throw ScriptError(n, "play vp|monopoly|roadbuilding|yop|soldier");
  const std::string& kind = w[1];
  if (kind == "vp") {
    NeedWords(line, 3);
    return s.PlayVictoryPoint(ParseIntIn(w[2], 0, 5, n));
  }
  if (kind == "monopoly") {
    NeedWords(line, 3);
    return s.PlayMonopoly(ParseResource(w[2], n));
  }
  if (kind == "roadbuilding") {
    NeedWords(line, 2);
    return s.PlayRoadBuilding();
  }
  if (kind == "yop") {
    // Two cards when trades are tracked, none otherwise; the session judges.
    ResourceCounts counts{};
    for (size_t i = 2; i < w.size(); ++i) ++counts[ParseResource(w[i], n)];
    return s.PlayYearOfPlenty(counts);
  }
  if (kind == "soldier") {
    NeedWords(line, 2);
    return s.PlaySoldier();
  }
  throw ScriptError(n, "unknown card '" + kind + "'");
}

// trade PARTNER give T W O C S get T W O C S
bool PlayRunner::RunTrade(const ScriptLine& line) {
  const std::vector<std::string>& w = line.words;
  int n = line.number;
  NeedWords(line, 14);
  if (w[2] != "give" || w[8] != "get") throw ScriptError(n, "trade PARTNER give T W O C S get T W O C S");
  return active_->TradeWithPlayer(ParseIntIn(w[1], 0, 5, n), ParseCounts(w, 3, n), ParseCounts(w, 9, n));
}

void PlayRunner::AfterInput(const ScriptLine& line, bool taken) {
  ui_.PromptChanged(active_->Prompt());
  if (!taken && out_) {
    std::string shown;
    for (const std::string& word : line.words) shown += (shown.empty() ? "" : " ") + QuoteScriptWord(word);
    *out_ << "ignored: " << shown << '\n';
  }
  std::string why;
  // Mid-decision (a journal's input waiting for its answer line) the game
  // is between two consistent states; it is checked once answered.
  bool answered = active_->Pending().kind == DecisionKind::None;
  if (checkConsistency_ && answered && !active_->IsConsistent(&why))
    throw ScriptError(line.number, "session failed its self-check: " + why);
}

void PlayRunner::RunExpect(const ScriptLine& line, const std::string& text) {
  if (line.words.size() < 3) throw ScriptError(line.number, "expect JSON-POINTER JSON-VALUE");
  const std::string& pointerText = line.words[1];
  nlohmann::json wanted;
  try {
    wanted = nlohmann::json::parse(ExpectValueText(text, pointerText));
  } catch (const nlohmann::json::exception&) {
    throw ScriptError(line.number, "expected value is not JSON");
  }
  nlohmann::json state = SessionStateJson(Session());
  nlohmann::json actual;
  try {
    actual = state.at(nlohmann::json::json_pointer(pointerText));
  } catch (const nlohmann::json::exception&) {
    throw ScriptError(line.number, "no value at " + pointerText);
  }
  if (actual != wanted)
    throw ScriptError(line.number, pointerText + " is " + actual.dump() + ", expected " + wanted.dump());
}
