#pragma once

class wxEvent;

// The keyboard habits of the dialogs of a turn, for every such dialog at
// once: Enter presses the dialog's default button (when it is enabled), also
// while a radio button or a player button has the focus, unless the focus is
// on a button that goes back (Cancel, No, the game-over Undo), which Enter
// then presses as usual. Called from the application's event filter; returns
// true when it handled the event.
bool HandleTurnDialogKey(wxEvent& event);
