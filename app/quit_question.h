#pragma once

class wxWindow;

// "Do you really want to quit?" with the caption "Quit game?" (Yes/No); true
// for Yes. Without an owner the question is brought to the foreground.
bool AskQuitGame(wxWindow* owner);
