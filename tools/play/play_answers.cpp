#include "play_answers.h"

#include <numeric>

namespace {


std::string CountsWord(const ResourceCounts& counts) {
  std::string word;
  for (size_t r = 0; r < counts.size(); ++r) word += (r ? "," : "") + std::to_string(counts[r]);
  return word;
}

// "P:T,W,O,C,S" -> player and counts.
void ParseDiscardWord(const std::string& word, int line, SeatMatrix& table) {
  size_t colon = word.find(':');
  if (colon == std::string::npos) throw ScriptError(line, "discard '" + word + "' is not P:T,W,O,C,S");
  int player = ParseIntIn(word.substr(0, colon), 0, 5, line);
  std::string rest = word.substr(colon + 1);
  ResourceCounts counts{};
  size_t start = 0;
  for (size_t r = 0; r < counts.size(); ++r) {
    size_t comma = rest.find(',', start);
    bool last = r + 1 == counts.size();
    if ((comma == std::string::npos) != last) throw ScriptError(line, "discard '" + word + "' needs five counts");
    counts[r] = ParseIntIn(rest.substr(start, last ? std::string::npos : comma - start), 0, 99, line);
    start = comma + 1;
  }
  table[player] = counts;
}

}  // namespace

std::string BankTradeAnswerLine(int32_t resource) {
  return std::string("answer banktrade ") + LowerTileName(resource);
}

std::string DiscardAnswerLine(const std::optional<SeatMatrix>& discards) {
  if (!discards) return "answer discard cancel";
  std::string line = "answer discard";
  for (size_t p = 0; p < discards->size(); ++p) {
    const ResourceCounts& counts = (*discards)[p];
    if (std::accumulate(counts.begin(), counts.end(), 0) > 0)
      line += " " + std::to_string(p) + ":" + CountsWord(counts);
  }
  return line;
}

std::string StealAnswerLine(const std::optional<StealChoice>& choice) {
  if (!choice) return "answer steal cancel";
  std::string card = IsResource(choice->resource) ? LowerTileName(choice->resource) : "none";
  return "answer steal " + std::to_string(choice->victim) + " " + card;
}

std::string YesNoAnswerLine(bool yes) { return yes ? "answer yesno yes" : "answer yesno no"; }
std::string WinnerAnswerLine(bool accept) { return accept ? "answer gameover continue" : "answer gameover undo"; }
std::string HiddenAnswerLine(int32_t points) { return "answer hidden " + std::to_string(points); }

QueuedAnswers::Answer QueuedAnswers::Parse(const ScriptLine& line) {
  const std::vector<std::string>& w = line.words;
  int n = line.number;
  if (w.size() < 3) throw ScriptError(n, "answer needs a dialog and a choice");
  Answer a;
  a.line = n;
  const std::string& dialog = w[1];
  auto expectWords = [&](size_t count) {
    if (w.size() != count) throw ScriptError(n, "wrong number of words for answer " + dialog);
  };
  // "cancel" closes the dialog without a choice, and stands alone.
  auto cancelled = [&] {
    if (w[2] != "cancel") return false;
    expectWords(3);
    return true;
  };
  if (dialog == "banktrade") {
    expectWords(3);
    a.kind = Kind::BankTrade;
    a.value = ParseResource(w[2], n);
  } else if (dialog == "discard") {
    a.kind = Kind::Discard;
    a.cancel = cancelled();
    if (!a.cancel) {
      for (size_t i = 2; i < w.size(); ++i) ParseDiscardWord(w[i], n, a.discards);
    }
  } else if (dialog == "steal") {
    a.kind = Kind::Steal;
    a.cancel = cancelled();
    if (!a.cancel) {
      expectWords(4);
      a.steal.victim = ParseIntIn(w[2], 0, 5, n);
      a.steal.resource = w[3] == "none" ? 5 : ParseResource(w[3], n);
    }
  } else if (dialog == "yesno") {
    expectWords(3);
    if (w[2] != "yes" && w[2] != "no") throw ScriptError(n, "answer yesno takes yes or no");
    a.kind = Kind::YesNo;
    a.value = w[2] == "yes";
  } else if (dialog == "gameover") {
    expectWords(3);
    if (w[2] != "continue" && w[2] != "undo") throw ScriptError(n, "answer gameover takes continue or undo");
    a.kind = Kind::GameOver;
    a.value = w[2] == "continue";
  } else if (dialog == "hidden") {
    expectWords(3);
    a.kind = Kind::Hidden;
    a.value = ParseIntIn(w[2], 0, 5, n);
  } else {
    throw ScriptError(n, "unknown dialog '" + dialog + "'");
  }
  return a;
}

void QueuedAnswers::Add(const ScriptLine& line) { queue_.push_back(Parse(line)); }

void QueuedAnswers::CheckAllUsed() const {
  if (!queue_.empty()) throw ScriptError(queue_.front().line, "answer was never asked for");
}

QueuedAnswers::Answer QueuedAnswers::Take(Kind kind, const char* dialog) {
  for (auto it = queue_.begin(); it != queue_.end(); ++it) {
    if (it->kind == kind) {
      Answer a = *it;
      queue_.erase(it);
      return a;
    }
  }
  throw ScriptError(currentLine_, std::string("dialog \"") + dialog + "\" opened without a queued answer");
}

int32_t QueuedAnswers::BankTrade(int32_t /*wanted*/, const std::array<bool, kResourceCount>& tradeable) {
  Answer a = Take(Kind::BankTrade, "Trade to the bank");
  if (!tradeable[a.value]) throw ScriptError(a.line, LowerTileName(a.value) + " cannot be traded");
  return a.value;
}

std::optional<SeatMatrix> QueuedAnswers::Discards(const DiscardOffer& offer) {
  Answer a = Take(Kind::Discard, "Lose cards because of a 7");
  if (a.cancel) return std::nullopt;
  for (size_t p = 0; p < offer.required.size(); ++p) {
    const ResourceCounts& lost = a.discards[p];
    int total = std::accumulate(lost.begin(), lost.end(), 0);
    if (total != offer.required[p])
      throw ScriptError(a.line, "player " + std::to_string(p) + " must lose " + std::to_string(offer.required[p]) +
                                    " cards, not " + std::to_string(total));
    for (size_t r = 0; r < lost.size(); ++r)
      if (lost[r] > offer.hands[p][r])
        throw ScriptError(a.line, "player " + std::to_string(p) + " does not hold " + std::to_string(lost[r]) + " " +
                                      LowerTileName(r));
  }
  return a.discards;
}

std::optional<StealChoice> QueuedAnswers::Steal(const StealOffer& offer) {
  Answer a = Take(Kind::Steal, "Steal a card from a player");
  if (a.cancel) return std::nullopt;
  if (!offer.candidates[a.steal.victim])
    throw ScriptError(a.line, "player " + std::to_string(a.steal.victim) + " cannot be robbed");
  if (a.steal.resource < 5 && offer.hands[a.steal.victim][a.steal.resource] <= 0)
    throw ScriptError(a.line, "player " + std::to_string(a.steal.victim) + " holds no " +
                                  LowerTileName(a.steal.resource));
  return a.steal;
}

bool QueuedAnswers::YesNo(const std::string& caption, const std::string& /*text*/) {
  return Take(Kind::YesNo, caption.c_str()).value != 0;
}

bool QueuedAnswers::Winner(int32_t /*winner*/) { return Take(Kind::GameOver, "The game is over!").value != 0; }

int32_t QueuedAnswers::Hidden(int32_t /*player*/, int32_t maxPoints) {
  Answer a = Take(Kind::Hidden, "Victory Point totals");
  if (a.value > maxPoints)
    throw ScriptError(a.line, "the player has only " + std::to_string(maxPoints) + " unplayed cards");
  return a.value;
}

bool QueuedAnswers::CanAnswer(DecisionKind decision) const {
  Kind kind = Kind::BankTrade;
  switch (decision) {
    case DecisionKind::Discards: kind = Kind::Discard; break;
    case DecisionKind::Steal: kind = Kind::Steal; break;
    case DecisionKind::BankTradeResource: kind = Kind::BankTrade; break;
    case DecisionKind::VictoryPointCard: kind = Kind::YesNo; break;
    case DecisionKind::Winner: kind = Kind::GameOver; break;
    case DecisionKind::HiddenPoints: kind = Kind::Hidden; break;
    case DecisionKind::None: return false;
  }
  for (const Answer& a : queue_)
    if (a.kind == kind) return true;
  return false;
}
