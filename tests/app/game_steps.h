#pragma once

#include <functional>
#include <string>
#include <vector>

#include <wx/gdicmn.h>

#include "engine/session/purchase.h"

class CBoard;
class CHexsteadView;
class wxDialog;
class wxWindow;

// Steps of a game entered with the mouse, shared by the GUI tests: the
// wizard, the board, clicks on board sites and the turn panel's buttons.
namespace steps {

// File > New with the mouse, both wizard dialogs answered by clicks.
void RunWizard(bool fiveOrSix, bool trackTrades = false);
// The screen point where a board point appears.
wxPoint ScreenPointOf(CHexsteadView& view, double x, double z, double y = 0.0);
wxPoint ScreenPointOfTile(CHexsteadView& view, int position);
// The land tile nearest the centre of the board.
int CentreTile(const CBoard& board);
// Clicks the first enabled palette item until the board is complete.
void EnterAllTiles(CHexsteadView& view);
// Both chips on their first candidates.
void PlaceChips(CHexsteadView& view);

// Board sites: a settlement corner, a road side, a city (the settlement's
// corner) and a tile (robber).
void ClickCorner(CHexsteadView& view, int cornerId);
void ClickEdge(CHexsteadView& view, int edgeId);
void ClickCitySite(CHexsteadView& view, int citySiteCode);
void ClickTile(CHexsteadView& view, int position);

// The turn panel: a dice total, a production line, an action button by command.
void Roll(CHexsteadView& view, int total);
void ClickAction(CHexsteadView& view, int command);
void ClickBuild(CHexsteadView& view, PurchaseKind kind);
void ClickUndo(CHexsteadView& view);

// Runs `start` and answers the modal dialogs it opens: `answer` is called
// with each newly shown dialog of the listed ids (and may be called again
// for the same dialog while it stays open when it returns false).
using DialogAnswer = std::function<bool(wxDialog& dialog)>;
void Answering(const std::function<void()>& start, const std::vector<int>& dialogIds, const DialogAnswer& answer);
// The shown top-level window whose title is `caption` (message boxes).
wxWindow* ShownWindowTitled(const std::string& caption);

}  // namespace steps
