// The timetable's grid: 5 columns x 13 rows of texts, a fixed header row, whole-row selection,
// no editing, flat, painted double-buffered.
//
// Screen readers and the test probe read the cells through the grid's children: one hidden static
// window per grid row (control id kRowTextIdBase + row) whose text is the row's five cells joined
// by " | ". The grid's own window text is the selected row's text in the same form.
#pragma once

#include <windows.h>

#include "base/scaling.h"
#include "timetable/timetable_texts.h"
#include "win32/gdi_win32.h"
#include "win32/window_base_win32.h"

namespace tavlin {

class TimetableGrid : public WindowBase {
 public:
  static constexpr int kRowTextIdBase = 100;
  static constexpr wchar_t kClassName[] = L"TavlinTimeGrid";

  /// Creates the grid as child `id` of `parent`, covering `bounds` (parent client coordinates),
  /// with its cells and font for `dpi`.
  void Create(HWND parent, int id, const RECT& bounds, int dpi);
  /// The grid's window size at `dpi`: every cell and line, and its border.
  static Size SizeAt(int dpi);
  /// New bounds at a new DPI: cells and font follow.
  void Place(const RECT& bounds, int dpi);
  /// Replaces every cell's text and repaints.
  void SetTexts(const TimeGridTexts& texts);
  /// Selects data row `row` (1..12); out-of-range rows are clamped.
  void SelectRow(int row);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  void OnPaint();
  void OnLeftButtonDown(int x, int y);
  bool OnKeyDown(WPARAM key);

  /// Paints cell (col, row) into `dc`: fills `cell` with the state's background and centres
  /// the text 2 pixels below the cell's top edge.
  void PaintCell(HDC dc, int col, int row, const RECT& cell) const;
  RECT CellRect(int col, int row) const;
  int RowAt(int y) const;
  int Scaled(int pixels) const { return ScaleToDpi(pixels, dpi_); }
  void MakeFont();
  void UpdateRowTexts();

  HWND row_texts_[kTimeGridRows] = {};
  Font font_;
  int dpi_ = 96;
  TimeGridTexts texts_;
  int selected_row_ = 1;
};

}  // namespace tavlin
