// Arbitrary input streams through a session: every byte pair is one input,
// most of them senseless. The session must refuse what a state does not take
// and stay consistent after every input.
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

void Input(CAnsweredSession& s, uint8_t op, uint8_t arg) {
  switch (op % 20) {
    case 0: s.ChooseTile(arg % 14); break;
    case 1: s.Pick(arg * 3 - 20); break;
    case 2: s.PickRoadSide(arg % 53, arg % 7); break;
    case 3: {
      std::vector<SeatChoice> seats;
      for (int i = 0; i < 3 + arg % 4; ++i) seats.push_back({(arg + i) % 6, CPlayer("F", "L", i)});
      s.SelectPlayers(seats);
      break;
    }
    case 4: {
      std::vector<int32_t> order(s.Game().players.size());
      std::iota(order.begin(), order.end(), 0);
      std::shuffle(order.begin(), order.end(), std::minstd_rand(arg));
      s.SortPlayers(order);
      break;
    }
    case 5: s.CancelPlayerOrder(); break;
    case 6: s.OnRoll(arg % 13); break;
    case 7: s.OnContinue(); break;
    case 8: s.OnBuild(static_cast<PurchaseKind>(7 + arg % 5)); break;
    case 9: s.OnEndTurn(); break;
    case 10: s.OnBuyCard(); break;
    case 11: s.PlayVictoryPoint(arg % 7 - 1); break;
    case 12: s.PlayMonopoly(arg % 6); break;
    case 13: s.PlayRoadBuilding(); break;
    case 14: s.PlayYearOfPlenty({arg % 3, arg / 3 % 3, 0, 0, arg / 9 % 3}); break;
    case 15: s.PlaySoldier(); break;
    case 16: s.TradeWithPlayer(arg % 6, {arg % 2, 0, 1, 0, 0}, {0, arg / 2 % 3, 0, 0, 1}); break;
    case 17: s.TradeWithBank(arg % 5, arg / 5 % 5); break;
    case 18: s.UndoLast(); break;
    default: {
      // A click on one of the offered sites keeps the stream going deep.
      std::vector<int32_t> ids = s.PickableIds();
      if (ids.empty()) break;
      int32_t id = ids[arg % ids.size()];
      bool road = s.GameStateNow() == PlaceRoad || (s.GameStateNow() == InitialPlacement && !s.Fields().placingSettlement);
      if (road) s.PickRoadSide(IdPosition(id), IdIndex(id));
      else s.Pick(id);
    }
  }
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
  std::string why;
  while (!in.Done()) {
    uint8_t op = in.Next();
    Input(h.session, op, in.Next());
    if (!h.session.IsConsistent(&why)) {
      std::fprintf(stderr, "inconsistent after input %u: %s\n", op, why.c_str());
      std::abort();
    }
  }
  return 0;
}
