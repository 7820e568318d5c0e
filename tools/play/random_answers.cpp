#include <numeric>

#include "random_game.h"

void RandomAnswers::Record() {
  mode_ = Mode::Record;
  recorded_.clear();
  lines_.clear();
}

void RandomAnswers::Replay() {
  mode_ = Mode::Replay;
  next_ = 0;
  lines_ = recordedLines_;
}

void RandomAnswers::Undo() {
  if (mode_ == Mode::Record) recordedLines_ = lines_;
  mode_ = Mode::Undo;
  lines_.clear();
}

RandomAnswers::Answer* RandomAnswers::Replayed(const char* dialog) {
  if (mode_ == Mode::Undo) {
    fault_ = std::string("dialog \"") + dialog + "\" opened during Undo";
    return nullptr;
  }
  if (next_ >= recorded_.size()) {
    fault_ = std::string("dialog \"") + dialog + "\" opened on replay but not on the first run";
    return nullptr;
  }
  return &recorded_[next_++];
}

int32_t RandomAnswers::BankTrade(int32_t /*wanted*/, const std::array<bool, kResourceCount>& tradeable) {
  if (mode_ != Mode::Record) {
    Answer* a = Replayed("Trade to the bank");
    if (a) return a->number;
  }
  std::vector<int32_t> choices;
  for (int32_t r = 0; r < kResourceCount; ++r)
    if (tradeable[r]) choices.push_back(r);
  if (choices.empty()) {
    fault_ = "\"Trade to the bank\" opened with nothing to trade";
    return 0;
  }
  int32_t r = choices[Below(static_cast<int>(choices.size()))];
  recorded_.push_back({r, {}, {}});
  lines_.push_back(BankTradeAnswerLine(r));
  return r;
}

std::optional<SeatMatrix> RandomAnswers::Discards(const DiscardOffer& offer) {
  if (mode_ != Mode::Record) {
    Answer* a = Replayed("Lose cards because of a 7");
    return a ? a->discards : std::nullopt;
  }
  std::optional<SeatMatrix> lost;
  if (!Chance(odds_.cancelDiscard)) {
    lost = SeatMatrix{};
    for (size_t p = 0; p < offer.required.size(); ++p) {
      ResourceCounts hand = offer.hands[p];
      for (int n = 0; n < offer.required[p]; ++n) {
        int total = std::accumulate(hand.begin(), hand.end(), 0);
        if (total == 0) break;
        int card = Below(total);
        size_t r = 0;
        while (card >= hand[r]) card -= hand[r++];
        --hand[r];
        ++(*lost)[p][r];
      }
    }
  }
  recorded_.push_back({0, lost, {}});
  lines_.push_back(DiscardAnswerLine(lost));
  return lost;
}

std::optional<StealChoice> RandomAnswers::Steal(const StealOffer& offer) {
  if (mode_ == Mode::Undo) {
    lines_.push_back(StealAnswerLine(std::nullopt));
    return std::nullopt;  // Undo answers the renewed steal dialog with Cancel
  }
  if (mode_ == Mode::Replay) {
    Answer* a = Replayed("Steal a card from a player");
    return a ? a->steal : std::nullopt;
  }
  std::optional<StealChoice> choice;
  std::vector<int32_t> victims;
  for (int32_t p = 0; p < kMaxPlayers; ++p)
    if (offer.candidates[p]) victims.push_back(p);
  if (!victims.empty() && !Chance(odds_.cancelSteal)) {
    StealChoice c;
    c.victim = victims[Below(static_cast<int>(victims.size()))];
    std::vector<int32_t> held;
    for (int32_t r = 0; r < kResourceCount; ++r)
      if (offer.hands[c.victim][r] > 0) held.push_back(r);
    c.resource = held.empty() || Chance(0.1) ? 5 : held[Below(static_cast<int>(held.size()))];
    choice = c;
  }
  recorded_.push_back({0, {}, choice});
  lines_.push_back(StealAnswerLine(choice));
  return choice;
}

bool RandomAnswers::YesNo(const std::string& caption, const std::string& /*text*/) {
  if (mode_ != Mode::Record) {
    Answer* a = Replayed(caption.c_str());
    return a && a->number != 0;
  }
  bool yes = Chance(0.5);
  recorded_.push_back({yes, {}, {}});
  lines_.push_back(YesNoAnswerLine(yes));
  return yes;
}

bool RandomAnswers::Winner(int32_t /*winner*/) {
  if (mode_ != Mode::Record) {
    Answer* a = Replayed("The game is over!");
    return a && a->number != 0;
  }
  bool accept = Chance(odds_.acceptWinner);
  recorded_.push_back({accept, {}, {}});
  lines_.push_back(WinnerAnswerLine(accept));
  return accept;
}

int32_t RandomAnswers::Hidden(int32_t /*player*/, int32_t maxPoints) {
  if (mode_ != Mode::Record) {
    Answer* a = Replayed("Victory Point totals");
    return a ? a->number : 0;
  }
  int32_t points = Below(maxPoints + 1);
  recorded_.push_back({points, {}, {}});
  lines_.push_back(HiddenAnswerLine(points));
  return points;
}
