// The editor's list of the alarm list's lines: a report-style list view that asks for its texts
// (one row per line, in file order), the kind column in the kind's popup colour, switched-off
// lines grey and refused lines red.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <optional>
#include <string>
#include <vector>

#include "editor/alarm_form.h"

namespace tavlin {

class AlarmRowList {
 public:
  /// Creates the list view as the child `id` of `parent`; it is destroyed with its parent.
  void Create(HWND parent, int id);
  HWND hwnd() const { return list_; }
  /// The columns' widths for `dpi`.
  void ScaleColumns(int dpi);
  void SetRows(std::vector<AlarmRow> rows);
  size_t size() const { return rows_.size(); }
  /// Selects `row` (or none) without reporting it as the player's choice.
  void Select(std::optional<size_t> row);
  /// A WM_NOTIFY from the list. A row the player has selected comes back in `chosen`.
  LRESULT OnNotify(const NMHDR& header, LPARAM lparam, std::optional<size_t>& chosen);

 private:
  LRESULT OnDraw(NMLVCUSTOMDRAW& draw) const;

  HWND list_ = nullptr;
  std::vector<AlarmRow> rows_;
  std::vector<std::vector<std::wstring>> texts_;
  bool selecting_ = false;  // a row is being selected by the program itself
};

}  // namespace tavlin
