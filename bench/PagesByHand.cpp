#include "PagesByHand.h"

#include <commctrl.h>

#include <string>

#include "app/DetailPages.h"
#include "app/DetailSettings.h"
#include "toolkit/UserLocale.h"

namespace bench {
namespace {

using rytmalo::DetailPages;
using tk::ControlKind;

const wchar_t kClassName[] = L"RytmaloPagesByHand";
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
// Lines a drop-down list shows before it scrolls, as the program's.
constexpr int kDroppedLines = 8;

struct Made {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

Made ClassOf(const tk::ControlLayout& c) {
    switch (c.kind) {
        case ControlKind::Edit:
            return {L"EDIT", kChild | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
        case ControlKind::CheckBox: return {L"BUTTON", kChild | WS_TABSTOP | BS_AUTOCHECKBOX, 0};
        case ControlKind::Button: return {L"BUTTON", kChild | WS_TABSTOP | BS_PUSHBUTTON, 0};
        case ControlKind::ComboBox:
            return {L"COMBOBOX", kChild | WS_TABSTOP | CBS_DROPDOWNLIST | WS_VSCROLL, 0};
        case ControlKind::ListView:
            return {WC_LISTVIEWW,
                    kChild | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER,
                    WS_EX_CLIENTEDGE};
        default: {
            DWORD style = kChild | SS_LEFT;
            if (c.alignment == tk::Alignment::Right) style = kChild | SS_RIGHT;
            if (c.noPrefix) style |= SS_NOPREFIX;
            return {L"STATIC", style, 0};
        }
    }
}

void AddColumns(HWND list, const tk::ControlLayout& c, const std::vector<int>& widths) {
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    for (std::size_t i = 0; i < c.columns.size(); ++i) {
        const std::wstring caption(c.columns[i].caption);
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
        column.fmt = c.columns[i].alignment == tk::Alignment::Right ? LVCFMT_RIGHT : LVCFMT_LEFT;
        column.cx = widths.at(i);
        column.pszText = const_cast<wchar_t*>(caption.c_str());
        column.iSubItem = static_cast<int>(i);
        ListView_InsertColumn(list, static_cast<int>(i), &column);
    }
}

void Fill(HWND list, const rytmalo::FigureRows& rows) {
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(r);
        item.pszText = const_cast<wchar_t*>(L"");
        ListView_InsertItem(list, &item);
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            ListView_SetItemText(list, static_cast<int>(r), static_cast<int>(c),
                                 const_cast<wchar_t*>(rows[r][c].c_str()));
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
}

// The figures of 120 to the quarter note, the settings as a first start
// has them.
rytmalo::FigureContext Context() {
    return {.tempo = 12000, .unit = 4, .settings = {}, .title = L"Tempo 120 à la noire"};
}

}  // namespace

PagesByHand::PagesByHand(const PageGeometry& geometry) : geometry_(geometry) {
    static const ATOM registered = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = kClassName;
        return RegisterClassW(&wc);
    }();
    (void)registered;
    font_ = CreateFontW(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                        DEFAULT_PITCH | FF_DONTCARE, L"MS Sans Serif");
    const RECT t = geometry.tabs;
    RECT frame{0, 0, t.right + 8, t.bottom + 8};
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    AdjustWindowRect(&frame, style, FALSE);
    window_ = CreateWindowExW(0, kClassName, L"Pages", style, 60, 60, frame.right - frame.left,
                              frame.bottom - frame.top, nullptr, nullptr, GetModuleHandleW(nullptr),
                              nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    tabs_ = CreateWindowExW(0, WC_TABCONTROLW, L"", kChild | WS_CLIPCHILDREN | WS_TABSTOP, t.left,
                            t.top, t.right - t.left, t.bottom - t.top, window_, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    SendMessageW(tabs_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    for (const rytmalo::PageRow& row : DetailPages()) {
        const std::wstring text(row.tab);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(text.c_str());
        TabCtrl_InsertItem(tabs_, TabCount(), &item);
    }
    ShowChosen();
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    SetFocus(tabs_);
}

PagesByHand::~PagesByHand() {
    DestroyWindow(window_);
    DeleteObject(font_);
}

int PagesByHand::TabCount() const { return TabCtrl_GetItemCount(tabs_); }

void PagesByHand::Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB && GetKeyState(VK_CONTROL) < 0) {
            TabCtrl_SetCurSel(tabs_, (TabCtrl_GetCurSel(tabs_) + 1) % TabCount());
            ShowChosen();
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

LRESULT CALLBACK PagesByHand::Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<PagesByHand*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self && msg == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == TCN_SELCHANGE) {
        self->ShowChosen();
        return 0;
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

// The chosen page in front, made first if it is new; then the others
// hidden.
void PagesByHand::ShowChosen() {
    const int chosen = TabCtrl_GetCurSel(tabs_);
    if (chosen < 0) return;
    const std::size_t index = static_cast<std::size_t>(chosen);
    if (!pages_[index]) pages_[index] = MakePage(index);
    SetWindowPos(pages_[index], HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    for (HWND page : pages_) {
        if (page && page != pages_[index]) ShowWindow(page, SW_HIDE);
    }
}

HWND PagesByHand::MakePage(std::size_t index) {
    const rytmalo::PageRow& row = DetailPages()[index];
    const rytmalo::PageSheet& sheet = row.content();
    const RECT area = geometry_.controls.at(row.sheet);
    HWND page = CreateWindowExW(WS_EX_CONTROLPARENT, L"STATIC", L"",
                                WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | SS_NOTIFY, area.left,
                                area.top, area.right - area.left, area.bottom - area.top, tabs_,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.sheetId)),
                                GetModuleHandleW(nullptr), nullptr);
    SendMessageW(page, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    const rytmalo::FigureContext context = Context();
    const tk::NumberStyle style = tk::UserNumberStyle();
    std::map<std::string_view, HWND> made;
    for (const tk::ControlLayout& c : sheet.controls) {
        const Made kind = ClassOf(c);
        RECT r = geometry_.controls.at(c.name);
        if (c.kind == ControlKind::ComboBox) r.bottom += (r.bottom - r.top) * kDroppedLines;
        const std::wstring caption(c.caption);
        HWND parent = made.count(c.parent) ? made.at(c.parent) : page;
        HWND control = CreateWindowExW(kind.exStyle, kind.className, caption.c_str(), kind.style,
                                       r.left, r.top, r.right - r.left, r.bottom - r.top, parent,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)),
                                       GetModuleHandleW(nullptr), nullptr);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
        if (c.kind == ControlKind::ListView) AddColumns(control, c, geometry_.columns.at(c.name));
        made[c.name] = control;
    }
    for (const rytmalo::SettingControl& setting : sheet.settings) {
        HWND control = made.at(setting.control);
        const std::int32_t value = rytmalo::FindSettingRow(setting.setting)->get(context.settings);
        if (!setting.choices) {
            SendMessageW(control, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
            continue;
        }
        const auto choices = setting.choices(context.settings, style);
        for (std::size_t i = 0; i < choices.size(); ++i) {
            SendMessageW(control, CB_ADDSTRING, 0,
                         reinterpret_cast<LPARAM>(choices[i].text.c_str()));
            if (choices[i].value == value) SendMessageW(control, CB_SETCURSEL, i, 0);
        }
    }
    for (const rytmalo::FigureList& list : sheet.lists)
        Fill(made.at(list.name), list.figures(context, style));
    return page;
}

}  // namespace bench
