#include "app_icon.h"

#include <wx/dcmemory.h>
#include <wx/graphics.h>
#include <wx/icon.h>
#include <wx/image.h>

#include <cmath>
#include <memory>

#include "records/installation.h"

namespace {

// The shipped desktop icon (a package's or the build's) of exactly `size`
// pixels, so that the window shows the picture of the desktop menu.
wxImage ShippedIcon(int size) {
  const std::string path = LocateDesktopIcon(ExecutableDirectory(), size);
  if (path.empty()) return wxImage();
  if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) wxImage::AddHandler(new wxPNGHandler);
  wxImage image;
  if (!image.LoadFile(wxString::FromUTF8(path), wxBITMAP_TYPE_PNG) || image.GetWidth() != size) return wxImage();
  return image;
}

// Without a shipped icon: a hexagon tile with a settlement, drawn here.
wxBitmap DrawnIcon(int size) {
  wxImage canvas(size, size);
  canvas.InitAlpha();
  std::fill_n(canvas.GetAlpha(), size * size, 0);
  wxBitmap bitmap(canvas);
  {
    wxMemoryDC dc(bitmap);
    std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::Create(dc));
    if (!gc) return bitmap;
    const double c = size / 2.0;
    const double r = size * 0.48;
    wxGraphicsPath hexagon = gc->CreatePath();
    for (int k = 0; k < 6; ++k) {
      const double angle = M_PI / 3.0 * k;
      const double x = c + r * std::cos(angle);
      const double y = c + r * std::sin(angle);
      if (k == 0) hexagon.MoveToPoint(x, y); else hexagon.AddLineToPoint(x, y);
    }
    hexagon.CloseSubpath();
    gc->SetBrush(gc->CreateLinearGradientBrush(0, 0, 0, size, wxColour(157, 193, 109), wxColour(61, 104, 55)));
    gc->SetPen(wxPen(wxColour(40, 60, 35), std::max(1, size / 24)));
    gc->DrawPath(hexagon);

    // A settlement in the middle: a house front with a pointed roof.
    const double w = size * 0.30;
    wxGraphicsPath house = gc->CreatePath();
    house.MoveToPoint(c - w / 2, c + w * 0.6);
    house.AddLineToPoint(c + w / 2, c + w * 0.6);
    house.AddLineToPoint(c + w / 2, c);
    house.AddLineToPoint(c, c - w * 0.55);
    house.AddLineToPoint(c - w / 2, c);
    house.CloseSubpath();
    gc->SetBrush(wxBrush(wxColour(223, 32, 32)));
    gc->SetPen(wxPen(wxColour(90, 10, 10), std::max(1, size / 32)));
    gc->DrawPath(house);
  }
  return bitmap;
}

}  // namespace

wxBitmap AppIcon(int size) {
  const wxImage shipped = ShippedIcon(size);
  return shipped.IsOk() ? wxBitmap(shipped) : DrawnIcon(size);
}

wxIconBundle AppIcons() {
  wxIconBundle icons;
  for (int size : {16, 32, 48, 128}) {
    wxIcon icon;
    icon.CopyFromBitmap(AppIcon(size));
    icons.AddIcon(icon);
  }
  return icons;
}
