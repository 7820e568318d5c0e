#pragma once

class wxButton;
class wxDialog;

// The close box of a modeless dialog that the game shows and hides: it clicks
// the dialog's Cancel button (when enabled) instead of closing the dialog.
void CloseBoxPressesCancel(wxDialog* dialog, wxButton* cancel);
