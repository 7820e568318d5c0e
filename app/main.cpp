// Hexstead3D: the desktop companion for a real game of the hex-tile board game.
#include "hexstead_app.h"

wxIMPLEMENT_APP(CHexsteadApp);
