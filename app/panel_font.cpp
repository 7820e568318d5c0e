#include "panel_font.h"

wxFont PanelFont(int pixelHeight, wxFontWeight weight) {
  return wxFont(wxFontInfo(wxSize(0, pixelHeight)).Family(wxFONTFAMILY_SWISS).FaceName("Tahoma").Weight(weight));
}
