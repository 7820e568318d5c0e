#include "session_journal.h"

#include <array>
#include <filesystem>
#include <random>

#include "engine/session/purchase.h"
#include "play_answers.h"
#include "play_script.h"
#include "records/clock.h"
#include "records/game.h"
#include "records/game_database.h"
#include "records/replay_store.h"
#include "records/text_encoding.h"

namespace {

std::string Join(const std::string& verb, const std::vector<int32_t>& values) {
  std::string line = verb;
  for (int32_t v : values) line += " " + std::to_string(v);
  return line;
}

std::string CountsWords(const ResourceCounts& counts) {
  std::string words;
  for (int32_t n : counts) words += " " + std::to_string(n);
  return words;
}

std::string BuildWord(int32_t kind) {
  switch (kind) {
    case PurchaseSettlement: return "settlement";
    case PurchaseCity: return "city";
    default: return "road";
  }
}

// The seat lines of a selection. Every box it leaves empty is emptied, so
// that no seat line of an earlier selection (or of one cut short) remains.
void AddSeatLines(const std::vector<SeatChoice>& seats, std::vector<std::string>& lines) {
  std::array<bool, 6> filled{};
  for (const SeatChoice& seat : seats)
    if (seat.box >= 0 && seat.box < 6) filled[seat.box] = true;
  for (int32_t box = 0; box < 6; ++box)
    if (!filled[box]) lines.push_back("unseat " + std::to_string(box + 1));
  for (const SeatChoice& seat : seats) {
    lines.push_back("seat " + std::to_string(seat.box + 1) + " " +
                    QuoteScriptWord(Cp1252ToUtf8(seat.player.firstName)) + " " +
                    QuoteScriptWord(Cp1252ToUtf8(seat.player.lastName)) + " id=" +
                    std::to_string(seat.player.playerId));
  }
}

std::string CardLine(const SessionInput& input) {
  switch (input.kind) {
    case InputKind::PlayVictoryPoint: return Join("play vp", input.values);
    case InputKind::PlayMonopoly: return std::string("play monopoly ") + LowerTileName(input.values.at(0));
    case InputKind::PlayRoadBuilding: return "play roadbuilding";
    case InputKind::PlaySoldier: return "play soldier";
    default: break;
  }
  std::string line = "play yop";
  for (int r = 0; r < 5; ++r)
    for (int32_t n = 0; n < input.give[r]; ++n) line += std::string(" ") + LowerTileName(r);
  return line;
}

std::string AnswerLine(const SessionInput& input) {
  switch (input.kind) {
    case InputKind::AnswerDiscards: return DiscardAnswerLine(input.discards);
    case InputKind::AnswerSteal: return StealAnswerLine(StealChoice{input.values.at(0), input.values.at(1)});
    case InputKind::AnswerBankTradeResource: return BankTradeAnswerLine(input.values.at(0));
    case InputKind::AnswerVictoryPointCard: return YesNoAnswerLine(input.values.at(0) != 0);
    case InputKind::AnswerWinner: return WinnerAnswerLine(input.values.at(0) != 0);
    case InputKind::AnswerHiddenPoints: return HiddenAnswerLine(input.values.at(0));
    default: break;
  }
  return input.cancelled == DecisionKind::Steal ? StealAnswerLine(std::nullopt) : DiscardAnswerLine(std::nullopt);
}

}  // namespace

std::vector<std::string> InputScriptLines(const SessionInput& input) {
  const std::vector<int32_t>& v = input.values;
  switch (input.kind) {
    case InputKind::NewGame:
      return {"new players=" + std::to_string(v.at(0)) + " track=" + std::to_string(v.at(1)) +
              " generate=" + std::to_string(v.at(2)) + " start=" + std::to_string(v.at(3))};
    case InputKind::ChooseTile: return {Join("tile", v)};
    case InputKind::Pick: return {Join("pick", v)};
    case InputKind::PickRoadSide: return {Join("road", v)};
    case InputKind::SelectPlayers: {
      std::vector<std::string> lines;
      AddSeatLines(input.seats, lines);
      lines.push_back("select");
      return lines;
    }
    case InputKind::SortPlayers: return {Join("order", v)};
    case InputKind::CancelPlayerOrder: return {"cancel order"};
    case InputKind::Roll: return {Join("roll", v)};
    case InputKind::Continue: return {"continue"};
    case InputKind::Build: return {"build " + BuildWord(v.at(0))};
    case InputKind::EndTurn: return {"endturn"};
    case InputKind::BuyCard: return {"buy"};
    case InputKind::PlayVictoryPoint:
    case InputKind::PlayMonopoly:
    case InputKind::PlayRoadBuilding:
    case InputKind::PlayYearOfPlenty:
    case InputKind::PlaySoldier: return {CardLine(input)};
    case InputKind::TradeWithPlayer:
      return {"trade " + std::to_string(v.at(0)) + " give" + CountsWords(input.give) + " get" +
              CountsWords(input.get)};
    case InputKind::TradeWithBank:
      return {std::string("banktrade ") + LowerTileName(v.at(0)) + " " + LowerTileName(v.at(1))};
    case InputKind::Undo: return {"undo"};
    default: return {AnswerLine(input)};
  }
}

// ---------------------------------------------------------------- the generator

int CSessionJournal::SeededPerInput::Rand() {
  if (recording_ && !seeded_) {
    seed_ = freshSeed_() & 0x7fffffffu;  // a script's seed is a non-negative int
    inner_.Seed(*seed_);
    seeded_ = true;
  }
  return inner_.Rand();
}

void CSessionJournal::SeededPerInput::Seed(unsigned seed) {
  // A seed before any draw fixes the input's draws by itself.
  if (recording_) seeded_ = true;
  inner_.Seed(seed);
}

std::optional<unsigned> CSessionJournal::SeededPerInput::TakeSeed() {
  std::optional<unsigned> seed = seed_;
  seed_.reset();
  seeded_ = false;
  return seed;
}

unsigned CSessionJournal::DeviceSeed() { return std::random_device{}(); }

// ---------------------------------------------------------------- the journal

CSessionJournal::CSessionJournal(CGameDatabase& database, std::function<unsigned()> freshSeed)
    : database_(database), source_(std::move(freshSeed)), random_(source_, [this] { return Seconds(); }) {}

std::int64_t CSessionJournal::Seconds() {
  if (!IsWriting()) return CClock::NowSeconds();
  if (!reading_) reading_ = CClock::NowSeconds();
  return *reading_;
}

CDateTime CSessionJournal::Now() {
  return CDateTime{DateTimeValid, OleDaysFromTime(static_cast<double>(Seconds()))};
}

void CSessionJournal::StartNew(const std::string& path) {
  Stop();
  path_ = path;
  replayPath_.reset();
  storedAs_.reset();
  lastClock_.reset();
  file_ = std::make_unique<CDurableFile>(path, CDurableFile::Mode::create);
  source_.SetRecording(true);
  Write({"journal"});
}

void CSessionJournal::Resume(const std::string& path, std::uintmax_t keptBytes) {
  Stop();
  path_ = path;
  replayPath_.reset();
  file_ = std::make_unique<CDurableFile>(path, CDurableFile::Mode::append);
  file_->Truncate(keptBytes);
  file_->SyncData();
  // The replay's clock stands at its last `clock` line; the next reading is written.
  lastClock_.reset();
  source_.SetRecording(true);
  if (storedAs_) BecomeReplay();
}

void CSessionJournal::Stop() {
  file_.reset();
  source_.SetRecording(false);
  reading_.reset();
}

std::string CSessionJournal::TakeError() {
  std::string error;
  error.swap(error_);
  return error;
}

void CSessionJournal::InputTaken(const SessionInput& input) {
  if (!IsWriting()) return;
  std::vector<std::string> lines;
  if (std::optional<unsigned> seed = source_.TakeSeed()) lines.push_back("seed " + std::to_string(*seed));
  if (reading_ && reading_ != lastClock_) {
    lines.push_back("clock " + std::to_string(*reading_));
    lastClock_ = reading_;
  }
  reading_.reset();
  for (std::string& line : InputScriptLines(input)) lines.push_back(std::move(line));
  Write(lines);
  if (storedAs_ && IsWriting()) BecomeReplay();
}

void CSessionJournal::Write(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + '\n';
  try {
    file_->Append(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
    file_->SyncData();
  } catch (const std::exception& e) {
    // The game goes on; the user is told once that it is no longer journaled.
    error_ = e.what();
    Stop();
  }
}

// ---------------------------------------------------------------- the stored game

bool CSessionJournal::AlreadyStored(const CGame& game) {
  const std::vector<int32_t>& ids = database_.GameIds();
  for (size_t i = 0; i < ids.size(); ++i) {
    if (ids[i] != game.gameId) continue;
    CGame stored;
    database_.ReadHeader(static_cast<int>(i), stored);
    if (ReplayFileName(stored) == ReplayFileName(game)) return true;
  }
  return false;
}

void CSessionJournal::StoreFinishedGame(CGame& game, CHistoryLog& history, CBoard& board) {
  // A journal replayed after a crash may end after the game was stored:
  // storing it again would list it twice.
  if (!(replaying_ && AlreadyStored(game)))
    CGameDatabaseStore(database_).StoreFinishedGame(game, history, board);
  storedAs_ = ::ReplayPath(database_.DataDir(), game);
}

void CSessionJournal::BecomeReplay() {
  Stop();
  try {
    std::filesystem::create_directories(ReplayDirectory(database_.DataDir()));
    DurableRename(path_, *storedAs_);
    replayPath_ = storedAs_;
  } catch (const std::exception& e) {
    error_ = e.what();
  }
}
