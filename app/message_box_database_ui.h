#pragma once

#include <string>

#include "records/database_ui.h"

class wxWindow;

// Shows the database operations' messages and questions as modal message
// boxes over `parent`, with the busy cursor while they work.
class CMessageBoxDatabaseUi : public IDatabaseUi {
 public:
  explicit CMessageBoxDatabaseUi(wxWindow* parent) : parent_(parent) {}
  void ShowMessage(const std::string& caption, const std::string& text) override;
  bool AskYesNo(const std::string& caption, const std::string& text) override;
  void BeginWait() override;
  void EndWait() override;

 private:
  wxWindow* parent_;
};
