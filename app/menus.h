#pragma once

class wxMenuBar;
class wxToolBar;

// Menu 128: shown while no game window is open.
wxMenuBar* CreateMenu128();
// Menu 129: the menu of a game window.
wxMenuBar* CreateMenu129();
// Toolbar 128: New, Open, Save, Cut, Copy, Paste, Print and About.
void FillToolBar128(wxToolBar* toolbar);

// Positions of the modeless-dialog items in the Popups menu.
enum PopupsPosition { PopupsGLSettings = 0, PopupsHistory = 1, PopupsStats = 2, PopupsLuck = 3 };
