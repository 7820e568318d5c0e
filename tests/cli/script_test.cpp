// The driver's script text: words, quoted names, answers and their checks.
#include <gtest/gtest.h>

#include "play_answers.h"
#include "play_script.h"

namespace {

TEST(ScriptText, SplitsWordsQuotedNamesAndComments) {
  EXPECT_EQ(SplitScriptLine(R"(seat 2 "Ann Marie" "O\"Neil"  # second box)", 1),
            (std::vector<std::string>{"seat", "2", "Ann Marie", "O\"Neil"}));
  EXPECT_EQ(SplitScriptLine(R"(seat 1 "" "#1")", 1), (std::vector<std::string>{"seat", "1", "", "#1"}));
  EXPECT_TRUE(SplitScriptLine("   # only a comment", 1).empty());
}

TEST(ScriptText, RejectsBrokenQuotesWithTheirLine) {
  for (const char* bad : {"seat 1 \"Ann", "seat 1 \"Ann\"Lee", "seat 1 Ann\"Lee\""}) {
    try {
      SplitScriptLine(bad, 7);
      ADD_FAILURE() << bad;
    } catch (const ScriptError& e) {
      EXPECT_EQ(e.line, 7) << bad;
    }
  }
}

TEST(ScriptText, KeepsLineNumbersAcrossBlankLines) {
  std::vector<ScriptLine> lines = ParseScript("new players=3 track=0 generate=1\n\n# note\r\nroll 8\r\n");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1].number, 4);
  EXPECT_EQ(lines[1].words, (std::vector<std::string>{"roll", "8"}));
}

TEST(ScriptText, QuotingRoundTrips) {
  for (std::string word : {"plain", "Ann Marie", "", "a\"b\\c", "#x"})
    EXPECT_EQ(SplitScriptLine("x " + QuoteScriptWord(word), 1).at(1), word);
}

TEST(ScriptText, ReadsResourcesAndNumbers) {
  EXPECT_EQ(ParseResource("Ore", 1), 2);
  EXPECT_EQ(ParseResource("SHEEP", 1), 4);
  EXPECT_EQ(ParseResource("3", 1), 3);
  EXPECT_THROW(ParseResource("5", 1), ScriptError);
  EXPECT_THROW(ParseResource("gold", 1), ScriptError);
  EXPECT_THROW(ParseInt("12x", 1), ScriptError);
  EXPECT_EQ(ParseKeyValue("players=5", "players", 1), 5);
  EXPECT_THROW(ParseKeyValue("player=5", "players", 1), ScriptError);
}

ScriptLine Answer(const std::string& text, int number = 3) { return {number, SplitScriptLine(text, number)}; }

TEST(QueuedAnswersTest, TakesTheOldestAnswerOfEachKind) {
  QueuedAnswers answers;
  answers.Add(Answer("answer yesno no"));
  answers.Add(Answer("answer banktrade sheep"));
  answers.Add(Answer("answer yesno yes"));
  EXPECT_EQ(answers.BankTrade(2, {false, false, false, false, true}), 4);
  EXPECT_FALSE(answers.YesNo("Victory Point", "?"));
  EXPECT_TRUE(answers.YesNo("Victory Point", "?"));
  EXPECT_NO_THROW(answers.CheckAllUsed());
}

TEST(QueuedAnswersTest, ADialogWithoutAnswerFailsOnTheInputLine) {
  QueuedAnswers answers;
  answers.Add(Answer("answer hidden 1", 2));
  answers.SetCurrentLine(9);
  try {
    answers.Winner(0);
    FAIL();
  } catch (const ScriptError& e) {
    EXPECT_EQ(e.line, 9);
  }
  try {
    answers.CheckAllUsed();
    FAIL();
  } catch (const ScriptError& e) {
    EXPECT_EQ(e.line, 2);
  }
}

TEST(QueuedAnswersTest, RefusesAnswersTheDialogCouldNotGive) {
  DiscardOffer discard;
  discard.required = {4, 0, 0, 0, 0, 0};
  discard.hands[0] = {2, 2, 2, 2, 0};
  StealOffer steal;
  steal.candidates[1] = true;
  steal.hands[1] = {0, 0, 1, 0, 0};

  auto refused = [](const std::string& line, auto ask) {
    QueuedAnswers answers;
    answers.Add(Answer(line));
    EXPECT_THROW(ask(answers), ScriptError) << line;
  };
  refused("answer discard 0:1,1,1,0,0", [&](QueuedAnswers& a) { a.Discards(discard); });    // too few
  refused("answer discard 0:3,1,0,0,0", [&](QueuedAnswers& a) { a.Discards(discard); });    // not held
  refused("answer discard 0:2,2,0,0,0 1:1,0,0,0,0", [&](QueuedAnswers& a) { a.Discards(discard); });
  refused("answer steal 2 ore", [&](QueuedAnswers& a) { a.Steal(steal); });                // no candidate
  refused("answer steal 1 wheat", [&](QueuedAnswers& a) { a.Steal(steal); });              // not held
  refused("answer banktrade ore", [&](QueuedAnswers& a) { a.BankTrade(0, {true, false, false, false, false}); });
  refused("answer hidden 3", [&](QueuedAnswers& a) { a.Hidden(0, 2); });

  QueuedAnswers answers;
  answers.Add(Answer("answer discard 0:2,0,2,0,0"));
  answers.Add(Answer("answer steal 1 none"));
  answers.Add(Answer("answer steal cancel"));
  SeatMatrix lost = answers.Discards(discard).value();
  EXPECT_EQ(lost[0], (ResourceCounts{2, 0, 2, 0, 0}));
  EXPECT_EQ(answers.Steal(steal)->resource, 5);
  EXPECT_FALSE(answers.Steal(steal).has_value());
}

TEST(QueuedAnswersTest, CancelClosesADialogAndStandsAlone) {
  QueuedAnswers answers;
  answers.Add(Answer(DiscardAnswerLine(std::nullopt)));
  answers.Add(Answer(StealAnswerLine(std::nullopt)));
  EXPECT_FALSE(answers.Discards(DiscardOffer{}).has_value());
  EXPECT_FALSE(answers.Steal(StealOffer{}).has_value());
  for (const char* line : {"answer discard cancel 0:1,0,0,0,0", "answer steal cancel 1", "answer steal 1"}) {
    QueuedAnswers refused;
    EXPECT_THROW(refused.Add(Answer(line)), ScriptError) << line;
  }
}

TEST(QueuedAnswersTest, AnswerLinesReadBackAsTheSameAnswers) {
  SeatMatrix lost{};
  lost[2] = {1, 0, 3, 0, 0};
  QueuedAnswers answers;
  answers.Add(Answer(DiscardAnswerLine(lost)));
  answers.Add(Answer(StealAnswerLine(StealChoice{1, 2})));
  DiscardOffer discard;
  discard.required[2] = 4;
  discard.hands[2] = {1, 0, 3, 0, 0};
  EXPECT_EQ(answers.Discards(discard), lost);
  StealOffer steal;
  steal.candidates[1] = true;
  steal.hands[1] = {0, 0, 1, 0, 0};
  StealChoice choice = answers.Steal(steal).value();
  EXPECT_EQ(choice.victim, 1);
  EXPECT_EQ(choice.resource, 2);
}

}  // namespace
