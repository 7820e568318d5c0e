// The automatic bank trade that pays for a purchase.
#include <gtest/gtest.h>

#include "engine/session/bank_trade_plan.h"
#include "engine/session/purchase.h"

namespace {

constexpr std::array<int32_t, 5> kNoHarbour = {4, 4, 4, 4, 4};
constexpr ResourceCounts kFullBank = {19, 19, 19, 19, 19};

TEST(BankTradePlan, CityFromSheepAsksForEachMissingOre) {
  ResourceCounts hand = {0, 2, 1, 0, 8};
  std::vector<int32_t> asked;
  BankTradeChooser chooser = [&](int32_t wanted, const std::array<bool, 5>& tradeable) {
    asked.push_back(wanted);
    EXPECT_EQ(tradeable, (std::array<bool, 5>{false, false, false, false, true}));
    return 4;
  };
  BankTradePlan plan = PlanBankTrade(hand, PurchaseCost(PurchaseCity), kNoHarbour, kFullBank, &chooser);
  EXPECT_TRUE(plan.affordable);
  EXPECT_EQ(asked, (std::vector<int32_t>{2, 2}));
  EXPECT_EQ(plan.given, (ResourceCounts{0, 0, 0, 0, 8}));
  EXPECT_EQ(plan.received, (ResourceCounts{0, 0, 2, 0, 0}));
  EXPECT_EQ(plan.ratioCounts, (std::array<int32_t, 3>{0, 0, 2}));
}

TEST(BankTradePlan, OneUnitForOneMissingCardNeedsNoQuestion) {
  int asked = 0;
  BankTradeChooser chooser = [&](int32_t, const std::array<bool, 5>&) { return ++asked, 4; };
  // Seven Sheep still buy only one card at 4:1.
  BankTradePlan plan = PlanBankTrade({0, 1, 0, 0, 8}, PurchaseCost(PurchaseCard), kNoHarbour, kFullBank, &chooser);
  EXPECT_TRUE(plan.affordable);
  EXPECT_EQ(asked, 0);
  EXPECT_EQ(plan.given, (ResourceCounts{0, 0, 0, 0, 4}));
  EXPECT_EQ(plan.received, (ResourceCounts{0, 0, 1, 0, 0}));
}

TEST(BankTradePlan, CostResourcesAreNeverTradedAway) {
  // A settlement with 4 Timber and no Wheat: Timber keeps 1 for the cost, 3 left buy nothing at 4:1.
  EXPECT_FALSE(PlanBankTrade({4, 0, 0, 1, 1}, PurchaseCost(PurchaseSettlement), kNoHarbour, kFullBank, nullptr)
                   .affordable);
  EXPECT_TRUE(PlanBankTrade({5, 0, 0, 1, 1}, PurchaseCost(PurchaseSettlement), kNoHarbour, kFullBank, nullptr)
                  .affordable);
  // With a 3:1 harbour four Timber are enough.
  EXPECT_TRUE(PlanBankTrade({4, 0, 0, 1, 1}, PurchaseCost(PurchaseSettlement), {3, 3, 3, 3, 3}, kFullBank, nullptr)
                  .affordable);
}

TEST(BankTradePlan, NothingMissingMeansNoTrade) {
  BankTradePlan plan = PlanBankTrade({1, 0, 0, 1, 0}, PurchaseCost(PurchaseRoad), kNoHarbour, kFullBank, nullptr);
  EXPECT_TRUE(plan.affordable);
  EXPECT_FALSE(plan.tradesNeeded);
}

TEST(BankTradePlan, ABankWithoutTheMissingCardMakesThePurchaseUnaffordable) {
  ResourceCounts bank = kFullBank;
  bank[2] = 0;
  EXPECT_FALSE(PlanBankTrade({0, 1, 0, 0, 9}, PurchaseCost(PurchaseCard), kNoHarbour, bank, nullptr).affordable);
}

TEST(BankTradePlan, AChoiceOutsideTheEnabledOnesFallsBackToAnEnabledOne) {
  BankTradeChooser chooser = [](int32_t, const std::array<bool, 5>&) { return 0; };  // Timber: not tradeable
  BankTradePlan plan = PlanBankTrade({0, 0, 0, 0, 8}, PurchaseCost(PurchaseRoad), kNoHarbour, kFullBank, &chooser);
  EXPECT_EQ(plan.given, (ResourceCounts{0, 0, 0, 0, 8}));
  EXPECT_EQ(plan.received, (ResourceCounts{1, 0, 0, 1, 0}));
}

}  // namespace

namespace {

// The same trade asked one card at a time, as the session's pending
// question does: a resource that is not offered is refused and changes
// nothing, and the plan is complete once Finish ran.
TEST(BankTradeChain, AsksOneCardAtATimeAndRefusesAResourceNotOffered) {
  constexpr std::array<int32_t, 5> ratios = {4, 2, 4, 4, 3};  // Wheat 2:1, Sheep 3:1
  // A settlement with no Clay and no Sheep: 4 Wheat and 3 Ore buy them.
  CBankTradeChain chain({1, 5, 8, 0, 0}, PurchaseCost(PurchaseSettlement), ratios, kFullBank);
  ASSERT_TRUE(chain.Plan().affordable);
  ASSERT_TRUE(chain.Plan().tradesNeeded);
  std::optional<BankTradeQuestion> q = chain.Question();
  ASSERT_TRUE(q);
  EXPECT_EQ(q->wanted, 3);
  EXPECT_EQ(q->tradeable, (std::array<bool, 5>{false, true, true, false, false}));
  EXPECT_FALSE(chain.Choose(0));  // Timber has no surplus
  EXPECT_FALSE(chain.Choose(7));
  EXPECT_EQ(chain.Question()->wanted, 3);
  ASSERT_TRUE(chain.Choose(2));   // 4 Ore for the Clay
  q = chain.Question();
  ASSERT_TRUE(q);
  EXPECT_EQ(q->wanted, 4);
  ASSERT_TRUE(chain.Choose(1));   // 2 Wheat for the Sheep
  EXPECT_FALSE(chain.Question());
  EXPECT_FALSE(chain.Choose(1));  // nothing is asked any more
  chain.Finish();
  EXPECT_EQ(chain.Plan().given, (ResourceCounts{0, 2, 4, 0, 0}));
  EXPECT_EQ(chain.Plan().received, (ResourceCounts{0, 0, 0, 1, 1}));
  EXPECT_EQ(chain.Plan().ratioCounts, (std::array<int32_t, 3>{1, 0, 1}));
}

TEST(BankTradeChain, AnUnaffordablePurchaseAsksNothingAndTradesNothing) {
  CBankTradeChain chain({0, 0, 0, 0, 3}, PurchaseCost(PurchaseCity), kNoHarbour, kFullBank);
  EXPECT_FALSE(chain.Plan().affordable);
  EXPECT_FALSE(chain.Question());
  chain.Finish();
  EXPECT_EQ(chain.Plan().given, ResourceCounts{});
  EXPECT_EQ(chain.Plan().received, ResourceCounts{});
}

}  // namespace
