#pragma once

#include <memory>

#include <wx/stopwatch.h>
#include <wx/string.h>
#include <wx/utils.h>

class wxProgressDialog;
class wxWindow;

// Long work on the stored games (a report over thousands of games, a large
// game list): the wait cursor for the whole time, and a progress dialog once
// the work has run for half a second, so that work of more than a second
// shows how far it has come.
class CLongWork {
 public:
  CLongWork(wxWindow* parent, wxString title, wxString message);
  ~CLongWork();
  CLongWork(const CLongWork&) = delete;
  CLongWork& operator=(const CLongWork&) = delete;

  // `done` of `total` steps are finished.
  void Progress(int done, int total);

 private:
  wxBusyCursor wait_;
  wxStopWatch clock_;
  wxWindow* parent_;
  wxString title_;
  wxString message_;
  std::unique_ptr<wxProgressDialog> dialog_;
};
