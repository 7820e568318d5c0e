#pragma once

#include <functional>
#include <string>

#include <wx/gdicmn.h>

class CHexsteadApp;
class wxDialog;
class wxWindow;

// Runs the real application in-process under an X server and drives it with
// real mouse and key events (XTest).
namespace gui {

// The test program's own working folder (defined per program by the build).
extern const char* const kTestWorkDir;

// Starts the application once per test program. False (and the reason) when
// there is no display to run on.
bool Start(std::string* why);
// Removes the databases the program keeps in its data directory (player and
// game database), so that it starts as on a first run; call before Start.
void RemoveStoredData();
// Start sets aside the journal of an unfinished game that an earlier test
// left (its question would wait for an answer); a test of the journal
// itself keeps it by calling this first.
void KeepUnfinishedGame();
void Stop();

// Lets the program handle its events for `ms` milliseconds.
void Pump(int ms);
// Handles events until `done` holds or `ms` pass; returns `done()`.
bool WaitFor(const std::function<bool()>& done, int ms = 3000);

// Mouse: a move to the point and a left click there (screen coordinates).
void ClickAt(wxPoint screen);
void ClickWindow(wxWindow* window);
void DoubleClickAt(wxPoint screen);
// Types plain ASCII text into the window that has the keyboard focus.
void TypeText(const char* text);
// Presses and releases the Escape key (closes an open menu).
void PressEscape();
// Presses Ctrl with a letter key, as a menu accelerator is typed.
void PressCtrl(char letter);
// Left-button drag in screen coordinates, in small steps.
void Drag(wxPoint from, wxPoint to);

// The shown dialog with this window id, if any.
wxDialog* ShownDialog(int id);

// Runs `start` (which opens modal dialogs) while `onTick` is called every
// 100 ms inside the modal loops to answer them with the mouse.
void WhileModal(const std::function<void()>& start, const std::function<void()>& onTick);

// File > New answered with the mouse: OK in "What do you want to do?" and,
// after `options` (which may click its controls), OK in "Game Options".
void OpenNewGame(const std::function<void(wxDialog*)>& options = {});

// Writes a picture of the whole screen to <screenshot dir>/<name>.png.
void Screenshot(const std::string& name);

}  // namespace gui
