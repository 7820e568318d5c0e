#include "replay_positions.h"

#include <algorithm>
#include <set>
#include <sstream>

#include "play_runner.h"
#include "records/clock.h"

namespace {

// The replay's script sets the program's clock (`clock`, `wait`): while a run
// lasts the clock is the replay's own, and afterwards it is put back.
class ReplayClock {
 public:
  explicit ReplayClock(std::optional<double>& replay) : replay_(replay), saved_(CClock::FixedSeconds()) {
    Set(replay_);
  }
  ~ReplayClock() {
    replay_ = CClock::FixedSeconds();
    Set(saved_);
  }
  ReplayClock(const ReplayClock&) = delete;
  ReplayClock& operator=(const ReplayClock&) = delete;

 private:
  static void Set(const std::optional<double>& seconds) {
    if (seconds) {
      CClock::SetFixed(*seconds);
    } else {
      CClock::UseSystem();
    }
  }
  std::optional<double>& replay_;
  std::optional<double> saved_;
};

// The command of a line, empty for a blank or comment line. (The rest of an
// `expect` line is JSON, not script words: the runner checks the words.)
std::string Command(const std::string& text) {
  std::istringstream head(text);
  std::string verb;
  head >> verb;
  return verb.empty() || verb[0] == '#' ? std::string() : verb;
}

}  // namespace

ReplayPositions::ReplayPositions(std::string_view script, std::string dataDir) : dataDir_(std::move(dataDir)) {
  std::istringstream in{std::string(script)};
  std::string text;
  bool haveGame = false;
  while (std::getline(in, text)) {
    if (!text.empty() && text.back() == '\r') text.pop_back();
    rawLines_.push_back(text);
    const int number = static_cast<int>(rawLines_.size());
    const std::string verb = Command(text);
    if (verb.empty()) continue;
    // One game per replay: a second `new` would replace the session a
    // position hands out.
    if (verb == "new") {
      if (haveGame) throw ScriptError(number, "a replay holds one game: a second 'new'");
      haveGame = true;
    }
    if (PlayRunner::IsSessionInput(verb)) inputLines_.push_back(lines_.size());
    lines_.push_back(Line{number, text});
  }
  if (!haveGame) throw ScriptError(0, "no game: the replay has no 'new'");

  // One run to the end notes what every position shows.
  StartRun();
  positions_.reserve(inputLines_.size() + 1);
  RunTo(0);
  positions_.push_back(Describe());
  for (int k = 1; k <= InputCount(); ++k) {
    RunTo(k);
    positions_.push_back(Describe());
  }
  finalHistory_ = runner_->Session().History().Log();
  end_ = std::move(runner_);
  // A turn ends at the last position that shows it.
  std::set<int32_t> seen;
  for (int k = InputCount(); k >= 1; --k) {
    if (seen.insert(positions_[static_cast<std::size_t>(k)].turn).second) turnEnds_.push_back(k);
  }
  std::reverse(turnEnds_.begin(), turnEnds_.end());
}

ReplayPositions::~ReplayPositions() = default;

void ReplayPositions::StartRun() {
  runner_ = std::make_shared<PlayRunner>(nullptr, dataDir_);
  runner_->SetReadOnly();
  runner_->SetCheckConsistency(false);
  nextLine_ = 0;
  at_ = 0;
  clock_.reset();  // as `play` starts: on the real clock until the script sets it
}

void ReplayPositions::RunTo(int position) {
  // Position 0 stops before the first input; position K after the K-th.
  const std::size_t end = position == 0 ? (inputLines_.empty() ? lines_.size() : inputLines_[0])
                                        : inputLines_.at(static_cast<std::size_t>(position - 1)) + 1;
  ReplayClock clock(clock_);
  for (; nextLine_ < end; ++nextLine_) runner_->Run(lines_[nextLine_].text, lines_[nextLine_].number);
  at_ = position;
}

ReplayPositions::Position ReplayPositions::Describe() const {
  Position p;
  const CGameHistory& history = runner_->Session().History();
  const std::vector<CHistoryItem>& items = history.Log().Items();
  p.historyLines = items.size();
  p.turn = history.TurnCount();
  if (const int group = history.Log().LastGroup(); group >= 0) p.group = items[static_cast<std::size_t>(group)].text;
  if (!items.empty() && !items.back().isTopLevel) p.entry = items.back().text;
  return p;
}

std::string ReplayPositions::ScriptPrefix(int position) const {
  std::size_t lines = rawLines_.size();
  if (position > 0) {
    lines = static_cast<std::size_t>(lines_[inputLines_.at(static_cast<std::size_t>(position - 1))].number);
  } else if (!inputLines_.empty()) {
    lines = static_cast<std::size_t>(lines_[inputLines_[0]].number - 1);
  }
  std::string text;
  for (std::size_t i = 0; i < lines; ++i) text += rawLines_[i] + '\n';
  return text;
}

int ReplayPositions::LastPositionOfTurn(int32_t turn) const {
  for (int k = InputCount(); k >= 0; --k)
    if (positions_[static_cast<std::size_t>(k)].turn == turn) return k;
  return -1;
}

int ReplayPositions::NextTurnEnd(int position) const {
  auto next = std::upper_bound(turnEnds_.begin(), turnEnds_.end(), position);
  return next == turnEnds_.end() ? InputCount() : *next;
}

int ReplayPositions::PreviousTurnEnd(int position) const {
  auto next = std::lower_bound(turnEnds_.begin(), turnEnds_.end(), position);
  return next == turnEnds_.begin() ? std::min(1, InputCount()) : *(next - 1);
}

ReplayPositions::ShownHistory ReplayPositions::HistoryShownWith(const CHistoryLog& now) const {
  ShownHistory shown;
  shown.log = now;
  shown.current = now.ItemCount();
  const std::vector<CHistoryItem>& final = finalHistory_.Items();
  const std::vector<CHistoryItem>& items = now.Items();
  std::size_t common = 0;
  while (common < items.size() && common < final.size() && items[common] == final[common]) ++common;
  // Lines taken back later in the game are followed by what came instead.
  shown.futureStart = common;
  for (std::size_t i = common; i < final.size(); ++i) {
    if (final[i].isTopLevel) {
      shown.log.AddGroup(final[i].text, final[i].picture);
    } else {
      shown.log.AddEntry(final[i].text, final[i].picture);
    }
  }
  return shown;
}

int ReplayPositions::PositionAfterShownLine(std::size_t line, int position, const ShownHistory& shown) const {
  // A line of the position's own history was added at or before it; a later
  // line is one of the final history's, added for good at the last position
  // that went past its place.
  std::size_t index = line;
  int bound = position;
  if (line >= shown.current) {
    index = line - shown.current + shown.futureStart;
    bound = InputCount();
  }
  int before = 0;
  for (int k = bound; k >= 0; --k) {
    if (positions_[static_cast<std::size_t>(k)].historyLines <= index) {
      before = k;
      break;
    }
  }
  return std::min(before + 1, InputCount());
}

std::shared_ptr<CGameSession> ReplayPositions::SessionAt(int position) {
  position = std::clamp(position, 0, InputCount());
  if (position == InputCount()) return std::shared_ptr<CGameSession>(end_, &end_->Session());
  if (!runner_ || position < at_) StartRun();
  RunTo(position);
  // The session lives as long as its runner: the pointer shares the runner.
  return std::shared_ptr<CGameSession>(runner_, &runner_->Session());
}
