#pragma once

#include <stdexcept>
#include <string>

// What the database operations need from whoever shows them: message boxes
// with an OK button, Yes/No questions and the wait cursor. The application
// shows real dialogs; hexstead-cli prints them.
class IDatabaseUi {
 public:
  virtual ~IDatabaseUi() = default;
  virtual void ShowMessage(const std::string& caption, const std::string& text) = 0;
  virtual bool AskYesNo(const std::string& caption, const std::string& text) = 0;
  virtual void BeginWait() {}
  virtual void EndWait() {}
};

// Shows the wait cursor for the life of the object.
class CWaitCursor {
 public:
  explicit CWaitCursor(IDatabaseUi& ui) : ui_(ui) { ui_.BeginWait(); }
  ~CWaitCursor() { ui_.EndWait(); }
  CWaitCursor(const CWaitCursor&) = delete;
  CWaitCursor& operator=(const CWaitCursor&) = delete;

 private:
  IDatabaseUi& ui_;
};

// A stored file that cannot be read or written: the operation in progress
// ends and the text says what happened, ready for a message box.
class CDatabaseError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The caption of the message box that reports a CDatabaseError.
inline constexpr const char* kDatabaseErrorCaption = "Hexstead3D";

// The word that follows a count in a message: `one` for 1 (and 0), `many` above.
inline const char* CountWord(int count, const char* one, const char* many) { return count > 1 ? many : one; }
