#pragma once

#include <optional>

#include <memory>

#include <wx/dialog.h>

class CRadioChoice;

// "Play a Monopoly Card": the resource all other players hand over.
class CMonopolyDialog : public wxDialog {
 public:
  explicit CMonopolyDialog(wxWindow* parent);
  ~CMonopolyDialog() override;

  // The checked resource 0..4 after OK; nothing after Cancel.
  static std::optional<int> Ask(wxWindow* parent);
  int Resource() const;

 private:
  std::unique_ptr<CRadioChoice> choice_;
};
