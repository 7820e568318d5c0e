#include "side_panel.h"

#include <wx/artprov.h>
#include <wx/dcbuffer.h>

#include "colour_label.h"
#include "command_ids.h"
#include "flat_bitmap_button.h"
#include "interface_images.h"
#include "panel_font.h"
#include "render/interface_slots.h"

namespace {

constexpr int kMargin = 4;
constexpr int kUndoX = 130;
constexpr int kUndoY = 2;
constexpr int kUndoSize = 16;

}  // namespace

CSidePanel::CSidePanel(wxWindow* parent, wxWindowID id, int height, int textHeight,
                       const CInterfaceImages& images, std::function<void()> onUndo)
    : wxPanel(parent, id, wxPoint(parent->GetClientSize().x - kWidth, 0), wxSize(kWidth, height),
              wxBORDER_NONE | wxTAB_TRAVERSAL) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  SetBackgroundColour(*wxBLACK);
  text_ = new CColourLabel(this, IDC_PANEL_TEXT, wxString(), wxPoint(kMargin, kMargin),
                           wxSize(kUndoX - kMargin - 2, textHeight), PanelFont(12), *wxBLACK, *wxWHITE);
  undo_ = new CFlatBitmapButton(this, IDC_UNDO_BUTTON, wxPoint(kUndoX, kUndoY), wxSize(kUndoSize, kUndoSize),
                                "Undo the last action");
  wxBitmap undoPicture = images.Bitmap(InterfaceArchive::History, kHistoryUndoSlot);
  if (!undoPicture.IsOk()) undoPicture = wxArtProvider::GetBitmap(wxART_UNDO, wxART_MENU, wxSize(kUndoSize, kUndoSize));
  undo_->SetPictures(undoPicture);
  undo_->Disable();
  contentTop_ = kMargin + textHeight + kMargin;
  Bind(wxEVT_PAINT, &CSidePanel::OnPaint, this);
  Bind(wxEVT_BUTTON, [onUndo = std::move(onUndo)](wxCommandEvent&) { if (onUndo) onUndo(); }, IDC_UNDO_BUTTON);
}

void CSidePanel::SetText(const wxString& text) { text_->SetLabel(text); }
wxString CSidePanel::Text() const { return text_->GetLabel(); }
void CSidePanel::EnableUndo(bool enable) { undo_->Enable(enable); }
bool CSidePanel::IsUndoEnabled() const { return undo_->IsEnabled(); }
wxWindow* CSidePanel::StatusLine() const { return text_; }

void CSidePanel::PlaceAtRightEdge(int parentWidth) { Move(parentWidth - kWidth, 0); }

void CSidePanel::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  dc.SetBackground(*wxBLACK_BRUSH);
  dc.Clear();
  dc.SetPen(*wxWHITE_PEN);
  dc.SetBrush(*wxTRANSPARENT_BRUSH);
  dc.DrawRectangle(wxRect(GetClientSize()));
}
