#pragma once

#include <array>
#include <functional>

#include <wx/gdicmn.h>
#include <wx/string.h>

#include "records/player_game.h"

class CInterfaceImages;
class CResourceCard;
class wxStaticBoxSizer;
class wxWindow;

// A group box with the five resource cards in a row, Timber to Sheep, each
// with its count; a card is shown only while its count is above 0 (or always,
// for the bank pictures that take dropped cards).
class CResourceCardRow {
 public:
  CResourceCardRow(wxWindow* parent, const wxString& caption, const CInterfaceImages& images,
                   std::function<void(int resource)> onClick, bool alwaysShown = false, int firstId = wxID_ANY);

  wxStaticBoxSizer* Sizer() const { return sizer_; }
  void SetCaption(const wxString& caption);
  void ShowCounts(const ResourceCounts& counts);
  void Enable(int resource, bool enable);
  CResourceCard* Card(int resource) const { return cards_.at(static_cast<size_t>(resource)); }
  // The resource whose card lies under a screen point; -1 for none.
  int CardAt(const wxPoint& screen) const;

 private:
  wxStaticBoxSizer* sizer_ = nullptr;
  std::array<CResourceCard*, 5> cards_{};
  bool alwaysShown_ = false;
};
