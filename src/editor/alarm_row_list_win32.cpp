#include "editor/alarm_row_list_win32.h"

#include <array>
#include <utility>

#include "alarms/alarm_check.h"
#include "base/scaling.h"
#include "base/wide_text.h"

namespace tavlin {

namespace {

// The columns: heading and width at 96 DPI.
constexpr std::array<std::pair<const wchar_t*, int>, 6> kColumns = {{{L"종류", 118},
                                                                     {L"시작 ~ 끝", 96},
                                                                     {L"요일", 44},
                                                                     {L"제목", 176},
                                                                     {L"미리", 48},
                                                                     {L"다음 울림", 236}}};

}  // namespace

void AlarmRowList::Create(HWND parent, int id) {
  list_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                          WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL |
                              LVS_SHOWSELALWAYS | LVS_OWNERDATA,
                          0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                          GetModuleHandleW(nullptr), nullptr);
  ListView_SetExtendedListViewStyle(list_, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  for (size_t i = 0; i < kColumns.size(); ++i) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<wchar_t*>(kColumns[i].first);
    column.cx = kColumns[i].second;
    ListView_InsertColumn(list_, static_cast<int>(i), &column);
  }
}

void AlarmRowList::ScaleColumns(int dpi) {
  for (size_t i = 0; i < kColumns.size(); ++i)
    ListView_SetColumnWidth(list_, static_cast<int>(i), ScaleToDpi(kColumns[i].second, dpi));
}

void AlarmRowList::SetRows(std::vector<AlarmRow> rows) {
  rows_ = std::move(rows);
  texts_.clear();
  for (const AlarmRow& row : rows_) {
    texts_.push_back({Utf8ToWide(row.kind_words), Utf8ToWide(row.times), Utf8ToWide(row.day),
                      Utf8ToWide(row.title), Utf8ToWide(row.warning), Utf8ToWide(row.next_due)});
  }
  selecting_ = true;
  ListView_SetItemCountEx(list_, static_cast<int>(rows_.size()), LVSICF_NOSCROLL);
  selecting_ = false;
  InvalidateRect(list_, nullptr, TRUE);
}

void AlarmRowList::Select(std::optional<size_t> row) {
  selecting_ = true;
  ListView_SetItemState(list_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  if (row && *row < rows_.size()) {
    const int item = static_cast<int>(*row);
    ListView_SetItemState(list_, item, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_EnsureVisible(list_, item, FALSE);
  }
  selecting_ = false;
}

LRESULT AlarmRowList::OnNotify(const NMHDR& header, LPARAM lparam, std::optional<size_t>& chosen) {
  switch (header.code) {
    case LVN_GETDISPINFOW: {
      LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(lparam)->item;
      if ((item.mask & LVIF_TEXT) && item.iItem >= 0 &&
          static_cast<size_t>(item.iItem) < texts_.size() && item.iSubItem >= 0 &&
          static_cast<size_t>(item.iSubItem) < kColumns.size()) {
        lstrcpynW(item.pszText, texts_[item.iItem][item.iSubItem].c_str(), item.cchTextMax);
      }
      return 0;
    }
    case LVN_ITEMCHANGED: {
      const auto& change = *reinterpret_cast<const NMLISTVIEW*>(lparam);
      if (!selecting_ && change.iItem >= 0 && (change.uChanged & LVIF_STATE) &&
          (change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED)) {
        chosen = static_cast<size_t>(change.iItem);
      }
      return 0;
    }
    case NM_CUSTOMDRAW:
      return OnDraw(*reinterpret_cast<NMLVCUSTOMDRAW*>(lparam));
    default:
      return 0;
  }
}

LRESULT AlarmRowList::OnDraw(NMLVCUSTOMDRAW& draw) const {
  switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
      return CDRF_NOTIFYSUBITEMDRAW;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
      const size_t row = draw.nmcd.dwItemSpec;
      if (row >= rows_.size()) return CDRF_DODEFAULT;
      const AlarmRow::Look look = rows_[row].look;
      draw.clrText = look == AlarmRow::Look::kRefused ? RGB(176, 0, 0)
                     : look == AlarmRow::Look::kOn    ? GetSysColor(COLOR_WINDOWTEXT)
                                                      : RGB(128, 128, 128);
      // The kind's own popup colour marks the kind column (the colours are stored as COLORREF).
      const bool alarm = look == AlarmRow::Look::kOn || look == AlarmRow::Look::kOff;
      draw.clrTextBk = alarm && draw.iSubItem == 0 ? AlarmKindColour(rows_[row].kind)
                                                   : GetSysColor(COLOR_WINDOW);
      return CDRF_NEWFONT;
    }
    default:
      return CDRF_DODEFAULT;
  }
}

}  // namespace tavlin
