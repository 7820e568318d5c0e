#pragma once

#include <nlohmann/json.hpp>

class CGameSession;

// The whole state of a session as JSON, under the names the game uses:
// the session fields, the live game record with every seat field, the board
// pieces, the history groups and the panel and dialog state. Texts are UTF-8.
// Two sessions in the same state give equal JSON, so it serves as the
// snapshot that Undo is checked against.
nlohmann::json SessionStateJson(const CGameSession& session);
