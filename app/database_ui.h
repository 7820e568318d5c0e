#pragma once

#include <functional>

#include "records/database_ui.h"

class wxWindow;

// The database operations' message boxes, questions and wait cursor as
// dialogs of the program, owned by `parent`.
class CWindowDatabaseUi : public IDatabaseUi {
 public:
  explicit CWindowDatabaseUi(wxWindow* parent) : parent_(parent) {}
  void ShowMessage(const std::string& caption, const std::string& text) override;
  bool AskYesNo(const std::string& caption, const std::string& text) override;
  void BeginWait() override;
  void EndWait() override;

 private:
  wxWindow* parent_;
};

// Runs a database operation; a stored file that cannot be read or written
// ends it with a message box instead of ending the program. False then.
bool RunDatabaseOperation(wxWindow* parent, const std::function<void()>& operation);
