// Arbitrary input streams through a session: every byte pair is one input,
// most of them senseless. The session must refuse what a state does not take
// and stay consistent. The full check costs more than an input, so it runs
// after every Undo taken and at the end of the stream: a rule step that breaks
// the state leaves it broken (only an Undo could mend it), so the final check
// still catches it, and the check after each Undo catches one that does.
// scripts/fuzz holds the inputs to the length in fuzz_session_inputs.options;
// the seeds replayed by the tests are whole games.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <random>

#include "session_test_support.h"

namespace {

class CByteReader {
 public:
  CByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  bool Done() const { return pos_ >= size_; }
  uint8_t Next() { return pos_ < size_ ? data_[pos_++] : 0; }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
};

constexpr int kUndo = 18;

// The input `op` with argument `arg`; true when the session took it.
bool Input(CAnsweredSession& s, uint8_t op, uint8_t arg) {
  switch (op % 20) {
    case 0: return s.ChooseTile(arg % 14);
    case 1: return s.Pick(arg * 3 - 20);
    case 2: return s.PickRoadSide(arg % 53, arg % 7);
    case 3: {
      std::vector<SeatChoice> seats;
      for (int i = 0; i < 3 + arg % 4; ++i) seats.push_back({(arg + i) % 6, CPlayer("F", "L", i)});
      return s.SelectPlayers(seats);
    }
    case 4: {
      std::vector<int32_t> order(s.Game().players.size());
      std::iota(order.begin(), order.end(), 0);
      std::shuffle(order.begin(), order.end(), std::minstd_rand(arg));
      return s.SortPlayers(order);
    }
    case 5: return s.CancelPlayerOrder();
    case 6: return s.OnRoll(arg % 13);
    case 7: return s.OnContinue();
    case 8: return s.OnBuild(static_cast<PurchaseKind>(7 + arg % 5));
    case 9: return s.OnEndTurn();
    case 10: return s.OnBuyCard();
    case 11: return s.PlayVictoryPoint(arg % 7 - 1);
    case 12: return s.PlayMonopoly(arg % 6);
    case 13: return s.PlayRoadBuilding();
    case 14: return s.PlayYearOfPlenty({arg % 3, arg / 3 % 3, 0, 0, arg / 9 % 3});
    case 15: return s.PlaySoldier();
    case 16: return s.TradeWithPlayer(arg % 6, {arg % 2, 0, 1, 0, 0}, {0, arg / 2 % 3, 0, 0, 1});
    case 17: return s.TradeWithBank(arg % 5, arg / 5 % 5);
    case kUndo: return s.UndoLast();
    default: {
      // A click on one of the offered sites keeps the stream going deep.
      std::vector<int32_t> ids = s.PickableIds();
      if (ids.empty()) return false;
      int32_t id = ids[arg % ids.size()];
      bool road = s.GameStateNow() == PlaceRoad || (s.GameStateNow() == InitialPlacement && !s.Fields().placingSettlement);
      return road ? s.PickRoadSide(IdPosition(id), IdIndex(id)) : s.Pick(id);
    }
  }
}

void CheckConsistent(const CGameSession& session, uint8_t op) {
  std::string why;
  if (session.IsConsistent(&why)) return;
  std::fprintf(stderr, "inconsistent after input %u: %s\n", op, why.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  CByteReader in(data, size);
  uint8_t options = in.Next();
  std::mt19937 answers(in.Next());
  CSessionHarness h;
  h.ui.random = &answers;
  h.session.NewGame(options & 1 ? 5 : 3, (options & 2) != 0, (options & 4) != 0);
  uint8_t op = 0;
  while (!in.Done()) {
    op = in.Next();
    if (Input(h.session, op, in.Next()) && op % 20 == kUndo) CheckConsistent(h.session, op);
  }
  CheckConsistent(h.session, op);
  return 0;
}
