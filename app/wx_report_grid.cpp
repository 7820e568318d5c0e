#include "wx_report_grid.h"

#include <algorithm>
#include <initializer_list>

#include <wx/dcclient.h>
#include <wx/fontenum.h>
#include <wx/grid.h>

#include "player_colours.h"
#include "records/text_encoding.h"

namespace {

// Faces that stand in for a missing report face, nearest first: Verdana's
// wide, open letters are closest to DejaVu Sans (drawn after Bitstream Vera,
// itself designed after Verdana).
constexpr const char* kSansFallbacks[] = {"DejaVu Sans", "Bitstream Vera Sans", "Liberation Sans", "Arial"};

constexpr int kCellPadding = 12;     // room left and right of the widest text
constexpr int kEmptyColumnWidth = 10;  // margins and the heading indent
// Columns after the share block hold only the end of the merged detail
// texts; they keep some width so that those texts have room.
constexpr int kDetailTailColumn = 18;
constexpr int kDetailTailWidth = 48;
constexpr int kRowPadding = 4;

uint32_t ToColourRef(const wxColour& colour) {
  return static_cast<uint32_t>(colour.Red()) | (static_cast<uint32_t>(colour.Green()) << 8) |
         (static_cast<uint32_t>(colour.Blue()) << 16);
}

// Draws a cell as text and adds the box lines that run along its sides.
class CBoxedCellRenderer : public wxGridCellStringRenderer {
 public:
  explicit CBoxedCellRenderer(const CWxReportGrid& report) : report_(report) {}

  void Draw(wxGrid& grid, wxGridCellAttr& attr, wxDC& dc, const wxRect& rect, int row, int col,
            bool isSelected) override {
    wxGridCellStringRenderer::Draw(grid, attr, dc, rect, row, col, isSelected);
    const uint8_t edges = report_.BoxEdges(row, col);
    if (edges == 0) return;
    // Inside the cell's own rectangle, where no neighbour paints over them.
    dc.SetPen(*wxBLACK_PEN);
    const int left = rect.GetLeft(), right = rect.GetRight(), top = rect.GetTop(), bottom = rect.GetBottom();
    if (edges & CWxReportGrid::EdgeTop) dc.DrawLine(left, top, right + 1, top);
    if (edges & CWxReportGrid::EdgeBottom) dc.DrawLine(left, bottom, right + 1, bottom);
    if (edges & CWxReportGrid::EdgeLeft) dc.DrawLine(left, top, left, bottom + 1);
    if (edges & CWxReportGrid::EdgeRight) dc.DrawLine(right, top, right, bottom + 1);
  }

  wxGridCellRenderer* Clone() const override { return new CBoxedCellRenderer(report_); }

 private:
  const CWxReportGrid& report_;
};

}  // namespace

CWxReportGrid::CWxReportGrid(wxGrid& grid) : grid_(grid) {
  grid_.CreateGrid(0, 0);
  grid_.SetRowLabelSize(0);
  grid_.SetColLabelSize(0);
  grid_.EnableGridLines(false);
  grid_.EnableEditing(false);
  grid_.EnableDragGridSize(false);
  grid_.DisableDragRowSize();
  grid_.SetCellHighlightPenWidth(0);
  // Margin columns are narrower than the grid allows by default.
  grid_.SetColMinimalAcceptableWidth(1);
  grid_.SetRowMinimalAcceptableHeight(1);
  grid_.SetDefaultRenderer(new CBoxedCellRenderer(*this));
}

wxString CWxReportGrid::InstalledFace(const std::string& face) {
  const wxString wanted = wxString::FromUTF8(face);
  if (wxFontEnumerator::IsValidFacename(wanted)) return wanted;
  for (const char* fallback : kSansFallbacks)
    if (wxFontEnumerator::IsValidFacename(fallback)) return fallback;
  return wxNORMAL_FONT->GetFaceName();
}

wxFont CWxReportGrid::ToWxFont(const GridFont& font) {
  // The face lookup asks the font system; the report uses one face.
  static std::map<std::string, wxString> faces;
  auto found = faces.find(font.face);
  if (found == faces.end()) found = faces.emplace(font.face, InstalledFace(font.face)).first;
  return wxFont(wxFontInfo(font.pointSize).FaceName(found->second).Bold(font.bold));
}

// --- IReportGrid -------------------------------------------------------------

void CWxReportGrid::Reset(int rows, int columns) {
  // A layout writes every cell: the grid is drawn once when it is done.
  if (holdDepth_ > 0 && !batched_) {
    grid_.BeginBatch();
    batched_ = true;
  }
  // A new table drops every text, attribute and merge of the old one.
  grid_.SetTable(new wxGridStringTable(std::max(rows, 0), std::max(columns, 0)), true);
  boxes_.clear();
  edges_.clear();
  // Figures read best centred under their headers; labels, names and detail
  // texts stay left.
  for (int c = 0; c < columns; ++c) {
    auto* attr = new wxGridCellAttr;
    attr->SetAlignment(c >= 4 && c != 11 ? wxALIGN_CENTRE : wxALIGN_LEFT, wxALIGN_CENTRE);
    grid_.SetColAttr(c, attr);
  }
}

void CWxReportGrid::SetBaseFont(const GridFont& font, int rowHeight) {
  grid_.SetDefaultCellFont(ToWxFont(font));
  rowHeight_ = rowHeight;
  grid_.SetDefaultRowSize(rowHeight, true);
}

void CWxReportGrid::SetCellText(int row, int column, const std::string& text) {
  // A refresh rewrites whole sections, mostly with the texts they hold: only
  // a changed text is set, and the grid then redraws that cell alone.
  const wxString value = wxString::FromUTF8(Cp1252ToUtf8(text));
  if (grid_.GetCellValue(row, column) != value) grid_.SetCellValue(row, column, value);
}

void CWxReportGrid::SetCellFont(int row, int column, const GridFont& font) {
  grid_.SetCellFont(row, column, ToWxFont(font));
}

void CWxReportGrid::SetCellBackground(int row, int column, uint32_t colour) {
  grid_.SetCellBackgroundColour(row, column, WxColourOf(colour));
}

void CWxReportGrid::MergeCells(int row, int column, int columnCount) {
  if (columnCount < 1 || column + columnCount > grid_.GetNumberCols()) return;
  grid_.SetCellSize(row, column, 1, columnCount);
}

void CWxReportGrid::DrawBox(int top, int left, int bottom, int right) {
  if (bottom < top || right < left) return;
  boxes_.push_back({top, left, bottom, right});
  for (int c = left; c <= right; ++c) {
    edges_[{top, c}] |= EdgeTop;
    edges_[{bottom, c}] |= EdgeBottom;
  }
  for (int r = top; r <= bottom; ++r) {
    edges_[{r, left}] |= EdgeLeft;
    edges_[{r, right}] |= EdgeRight;
  }
}

void CWxReportGrid::SetTopRow(int row) {
  if (row < 0 || row >= grid_.GetNumberRows()) return;
  int x = 0, y = 0;
  grid_.GetViewStart(&x, &y);
  const int lineHeight = std::max(grid_.GetScrollLineY(), 1);
  grid_.Scroll(x, grid_.CellToRect(row, 0).GetTop() / lineHeight);
}

// Outside a layout, holding the redraw needs no batch: each changed cell
// marks only its own rectangle for drawing, and the toolkit draws all of them
// together once the refresh is done. A batch would redraw the whole grid.
void CWxReportGrid::HoldRedraw() { ++holdDepth_; }

void CWxReportGrid::ReleaseRedraw() {
  if (holdDepth_ == 0 || --holdDepth_ > 0) return;
  if (batched_) {
    batched_ = false;
    grid_.EndBatch();
  }
}

// --- after a layout -----------------------------------------------------------

void CWxReportGrid::FitToTexts() {
  wxClientDC dc(&grid_);
  const int rows = grid_.GetNumberRows(), columns = grid_.GetNumberCols();
  std::vector<int> widths(static_cast<size_t>(columns), 0);
  int tallest = 0;
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < columns; ++c) {
      const wxString text = grid_.GetCellValue(r, c);
      if (text.empty()) continue;
      dc.SetFont(grid_.GetCellFont(r, c));
      const wxSize extent = dc.GetTextExtent(text);
      tallest = std::max(tallest, extent.y);
      if (MergedColumns(r, c) == 1) widths[c] = std::max(widths[c], extent.x + kCellPadding);
    }
  }
  grid_.BeginBatch();
  for (int c = 0; c < columns; ++c) {
    const int least = c >= kDetailTailColumn ? kDetailTailWidth : kEmptyColumnWidth;
    grid_.SetColSize(c, std::max(widths[c], least));
  }
  grid_.SetDefaultRowSize(std::max(rowHeight_, tallest + kRowPadding), true);
  grid_.EndBatch();
}

// --- what is shown --------------------------------------------------------------

int CWxReportGrid::RowCount() const { return grid_.GetNumberRows(); }
int CWxReportGrid::ColumnCount() const { return grid_.GetNumberCols(); }

std::string CWxReportGrid::Text(int row, int column) const {
  return Utf8ToCp1252(std::string(grid_.GetCellValue(row, column).utf8_str()));
}

uint32_t CWxReportGrid::Background(int row, int column) const {
  return ToColourRef(grid_.GetCellBackgroundColour(row, column));
}

int CWxReportGrid::MergedColumns(int row, int column) const {
  int rows = 1, columns = 1;
  const wxGrid::CellSpan span = grid_.GetCellSize(row, column, &rows, &columns);
  if (span == wxGrid::CellSpan_Inside) return 0;
  return columns;
}

wxFont CWxReportGrid::CellFont(int row, int column) const { return grid_.GetCellFont(row, column); }

uint8_t CWxReportGrid::BoxEdges(int row, int column) const {
  auto found = edges_.find({row, column});
  return found == edges_.end() ? 0 : found->second;
}

int CWxReportGrid::TopRow() const { return grid_.GetFirstFullyVisibleRow(); }
