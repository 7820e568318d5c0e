#pragma once

#include <cstdint>
#include <cstddef>
#include <string>
#include <utility>

class CArchive;

// The identity of a person: the unit of the player database, and the copy
// embedded in every seat of a game.
class CPlayer {
 public:
  CPlayer() = default;
  CPlayer(std::string first, std::string last, int32_t id)
      : firstName(std::move(first)), lastName(std::move(last)), playerId(id) {}
  // A new person, identified by the clock's seconds now.
  static CPlayer Create(std::string first, std::string last);

  // "First Last", as in prompts, captions and history entries.
  std::string DisplayName() const;
  // "Last, First", as in the player-database list.
  std::string ListName() const;

  // The same person exactly when the ids are equal; names play no part.
  bool operator==(const CPlayer& other) const { return playerId == other.playerId; }

  // firstName, lastName (strings), playerId (int32).
  void Serialize(CArchive& ar);

  static constexpr std::size_t kMinStoredSize = 1 + 1 + 4;

  std::string firstName;  // Windows-1252, as typed
  std::string lastName;
  int32_t playerId = 0;   // time_t seconds when the record was created
};
