// The yardstick for the main window's start-up: the same tree of standard
// controls made with plain Win32 calls, nothing else. One window of the
// main window's class name, styles, size, place and title ("Rytmalo 95", so
// that the start-up benchmark finds it as it finds the program) with the
// same menu bar; under it the two group boxes with the tempo box and the
// four radio buttons, the black panel with its header and twenty labels,
// the framing panel and the Quit button, each of the same class, styles,
// extended styles, identifier and text, each given its font. It carries the
// program's manifest, paints its labels and button plainly and ends itself
// a moment after it is shown.
#include <windows.h>

#include <commctrl.h>

namespace {

constexpr int kFirstId = 1000;  // as the program numbers its controls
constexpr UINT_PTR kEndTimer = 1;
constexpr UINT kEndAfterMs = 3000;

enum FontId { kWindowFont, kBoldFont, kHeaderFont, kFontCount };

struct Child {
    const wchar_t* className;
    const wchar_t* text;
    DWORD style;
    DWORD exStyle;
    int parent;  // index of the parent control; -1: the window itself
    int x, y, width, height;
    FontId font;
};

constexpr DWORD kChild = WS_CHILD | WS_CLIPSIBLINGS | WS_VISIBLE;
constexpr int kLeftCaptionRight = 113, kRightCaptionRight = 297;
constexpr int kLeftValueLeft = 120, kRightValueLeft = 304;
constexpr int kPanel = 8;

#define CAPTION(text, right, top) \
    { L"STATIC", text, kChild | SS_RIGHT, 0, kPanel, right - 100, top, 100, 13, kBoldFont }
#define VALUE(left, top) \
    { L"STATIC", L"", kChild | SS_LEFT, 0, kPanel, left, top, 4, 13, kBoldFont }

// The main window's controls in its layout's order: parents first.
const Child kChildren[] = {
    {L"STATIC", L"", kChild, 0, -1, 8, 256, 361, 65, kWindowFont},
    {L"BUTTON", L"Tempo", kChild | BS_GROUPBOX | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, -1, 8, 8,
     129, 73, kWindowFont},
    {L"EDIT", L"", kChild | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 1, 40, 32, 57,
     21, kWindowFont},
    {L"BUTTON", L"Unité de temps", kChild | BS_GROUPBOX | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, -1,
     144, 8, 225, 73, kWindowFont},
    {L"BUTTON", L"Blanche (x/2)", kChild | BS_AUTORADIOBUTTON | WS_GROUP, 0, 3, 24, 24, 105, 17,
     kWindowFont},
    {L"BUTTON", L"Noire (x/4)", kChild | BS_AUTORADIOBUTTON | WS_TABSTOP, 0, 3, 24, 48, 81, 17,
     kWindowFont},
    {L"BUTTON", L"Croche (x/8)", kChild | BS_AUTORADIOBUTTON, 0, 3, 120, 24, 81, 17, kWindowFont},
    {L"BUTTON", L"Double (x/16)", kChild | BS_AUTORADIOBUTTON, 0, 3, 120, 48, 89, 17, kWindowFont},
    {L"STATIC", L"", kChild | SS_LEFT | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, -1, 8, 88, 361, 161,
     kWindowFont},
    {L"STATIC", L"  Délai (ms)", kChild | SS_LEFT | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, kPanel, 1,
     1, 358, 26, kHeaderFont},
    CAPTION(L"Ronde :", kLeftCaptionRight, 40),
    VALUE(kLeftValueLeft, 40),
    CAPTION(L"Blanche :", kLeftCaptionRight, 64),
    VALUE(kLeftValueLeft, 64),
    CAPTION(L"Noire :", kLeftCaptionRight, 88),
    VALUE(kLeftValueLeft, 88),
    CAPTION(L"Triolet de noire :", kLeftCaptionRight, 112),
    VALUE(kLeftValueLeft, 112),
    CAPTION(L"Croche :", kLeftCaptionRight, 136),
    VALUE(kLeftValueLeft, 136),
    CAPTION(L"Triolet :", kRightCaptionRight, 40),
    VALUE(kRightValueLeft, 40),
    CAPTION(L"Double-Croche :", kRightCaptionRight, 64),
    VALUE(kRightValueLeft, 64),
    CAPTION(L"Triolet de Double :", kRightCaptionRight, 88),
    VALUE(kRightValueLeft, 88),
    CAPTION(L"Triple-Croche :", kRightCaptionRight, 112),
    VALUE(kRightValueLeft, 112),
    CAPTION(L"Quadruple croche :", kRightCaptionRight, 136),
    VALUE(kRightValueLeft, 136),
    {L"BUTTON", L"Quitter", kChild | WS_TABSTOP | BS_OWNERDRAW, 0, -1, 128, 272, 121, 33,
     kWindowFont},
};
#undef CAPTION
#undef VALUE

constexpr int kTempoBox = 2, kNoire = 5, kHeader = 9;
constexpr int kChildCount = sizeof kChildren / sizeof kChildren[0];

HBRUSH blackBrush, grayBrush;

LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_CTLCOLORSTATIC: {
            // The panel and its labels: light text on black, the header grey.
            const int index = GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) - kFirstId;
            if (index < kPanel) break;
            HDC dc = reinterpret_cast<HDC>(wParam);
            const bool header = index == kHeader;
            SetTextColor(dc, index % 2 == 0 || header ? RGB(255, 255, 0) : RGB(255, 255, 255));
            SetBkColor(dc, header ? RGB(128, 128, 128) : RGB(0, 0, 0));
            return reinterpret_cast<LRESULT>(header ? grayBrush : blackBrush);
        }
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            RECT r = item.rcItem;
            DrawFrameControl(item.hDC, &r, DFC_BUTTON, DFCS_BUTTONPUSH);
            SetBkMode(item.hDC, TRANSPARENT);
            DrawTextW(item.hDC, L"Quitter", -1, &r, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
            return TRUE;
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == kFirstId + kChildCount - 1) DestroyWindow(hwnd);
            return 0;
        case WM_TIMER:
            if (wParam == kEndTimer) DestroyWindow(hwnd);
            return 0;
        case WM_DESTROY: PostQuitMessage(0); return 0;
        default: break;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

HMENU MenuBar() {
    HMENU bar = CreateMenu();
    HMENU options = CreatePopupMenu();
    HMENU help = CreatePopupMenu();
    AppendMenuW(bar, MF_STRING | MF_POPUP, reinterpret_cast<UINT_PTR>(options), L"&Options");
    AppendMenuW(options, MF_STRING, 501, L"&Préferences");
    AppendMenuW(bar, MF_STRING | MF_POPUP, reinterpret_cast<UINT_PTR>(help), L"&?");
    AppendMenuW(help, MF_STRING, 503, L"&Sommaire de l'aide...");
    AppendMenuW(help, MF_STRING, 504, L"&A propos de ...");
    AppendMenuW(options, MF_STRING, 505, L"&Tableau détaillé");
    return bar;
}

HFONT Font(int height, bool bold, bool italic) {
    LOGFONTW lf{};
    lf.lfHeight = height;
    lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = italic ? TRUE : FALSE;
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpyW(lf.lfFaceName, L"MS Sans Serif");
    return CreateFontIndirectW(&lf);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    blackBrush = CreateSolidBrush(RGB(0, 0, 0));
    grayBrush = CreateSolidBrush(RGB(128, 128, 128));
    const HFONT fonts[kFontCount] = {Font(-11, false, false), Font(-11, true, false),
                                     Font(-13, true, true)};

    WNDCLASSEXW wc{sizeof wc};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &WndProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"TMainForm";
    RegisterClassExW(&wc);
    constexpr DWORD style = WS_CLIPCHILDREN | WS_CAPTION | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    RECT frame{0, 0, 381, 327};
    AdjustWindowRectEx(&frame, style, TRUE, 0);
    HWND hwnd =
        CreateWindowExW(0, L"TMainForm", L"Rytmalo 95", style, 222, 128, frame.right - frame.left,
                        frame.bottom - frame.top, nullptr, MenuBar(), instance, nullptr);

    HWND made[kChildCount] = {};
    for (int i = 0; i < kChildCount; ++i) {
        const Child& c = kChildren[i];
        made[i] = CreateWindowExW(c.exStyle, c.className, c.text, c.style, c.x, c.y, c.width,
                                  c.height, c.parent < 0 ? hwnd : made[c.parent],
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstId + i)),
                                  instance, nullptr);
        SendMessageW(made[i], WM_SETFONT, reinterpret_cast<WPARAM>(fonts[c.font]), FALSE);
    }
    SendMessageW(made[kTempoBox], EM_LIMITTEXT, 3, 0);
    SendMessageW(made[kNoire], BM_SETCHECK, BST_CHECKED, 0);

    ShowWindow(hwnd, SW_SHOWNORMAL);
    SetTimer(hwnd, kEndTimer, kEndAfterMs, nullptr);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (IsDialogMessageW(hwnd, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    for (HFONT font : fonts) DeleteObject(font);
    DeleteObject(blackBrush);
    DeleteObject(grayBrush);
    return 0;
}
