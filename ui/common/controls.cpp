#include "ui/common/controls.h"

#include <commctrl.h>
#include <richedit.h>

#include <vector>

#include "ui/common/scoped.h"
#include "ui/common/window.h"

namespace ui {

namespace {

const char kPanelClass[] = "VoPanel";
const char kLabelClass[] = "VoTransparentLabel";

// Window extra bytes of the panel and label classes.
constexpr int kSlotKind = 0;                           // Kind of the panel
constexpr int kSlotBitmap = sizeof(LONG_PTR);          // HBITMAP of a picture
constexpr int kSlotFont = 0;                           // HFONT of a label
constexpr int kSlotColor = sizeof(LONG_PTR);           // COLORREF of a label
constexpr int kExtraBytes = 2 * sizeof(LONG_PTR);

void paintPanel(HWND hwnd, HDC dc) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    const auto kind = static_cast<Kind>(GetWindowLongPtrA(hwnd, kSlotKind));
    FillRect(dc, &rc, GetSysColorBrush(COLOR_BTNFACE));
    if (kind == Kind::Picture) {
        if (auto bmp = reinterpret_cast<HBITMAP>(GetWindowLongPtrA(hwnd, kSlotBitmap))) {
            BITMAP info{};
            GetObjectA(bmp, sizeof info, &info);
            HDC mem = CreateCompatibleDC(dc);
            {
                SelectObjectScope keep(mem, bmp);
                SetStretchBltMode(dc, HALFTONE);
                StretchBlt(dc, 0, 0, rc.right, rc.bottom, mem, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
            }
            DeleteDC(mem);
        }
    } else if (kind == Kind::GroupBox) {
        DrawEdge(dc, &rc, EDGE_ETCHED, BF_RECT);
    } else if (kind == Kind::Frame) {
        DrawEdge(dc, &rc, BDR_SUNKENOUTER, BF_RECT);
    }
}

LRESULT CALLBACK panelProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        paintPanel(hwnd, dc);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_PRINTCLIENT: paintPanel(hwnd, reinterpret_cast<HDC>(wp)); return 0;
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_CONTEXTMENU:
        // A container is only decoration: its children talk to the window.
        return SendMessageA(GetParent(hwnd), msg, wp, lp);
    default: return DefWindowProcA(hwnd, msg, wp, lp);
    }
}

// Draws what lies beneath the label (its parent's picture or background).
void paintParentBackground(HWND hwnd, HDC dc) {
    HWND parent = GetParent(hwnd);
    POINT origin{0, 0};
    MapWindowPoints(hwnd, parent, &origin, 1);
    POINT old;
    SetViewportOrgEx(dc, -origin.x, -origin.y, &old);
    SendMessageA(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    SendMessageA(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    SetViewportOrgEx(dc, old.x, old.y, nullptr);
}

LRESULT CALLBACK labelProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        RECT rc;
        GetClientRect(hwnd, &rc);
        // Draw off screen so the label never flickers through its parent's repaint.
        HDC mem = CreateCompatibleDC(dc);
        ScopedBitmap canvas(CreateCompatibleBitmap(dc, rc.right, rc.bottom));
        {
            SelectObjectScope keepBitmap(mem, canvas.get());
            paintParentBackground(hwnd, mem);
            auto font = reinterpret_cast<HFONT>(GetWindowLongPtrA(hwnd, kSlotFont));
            SelectObjectScope keepFont(mem, font ? font : uiFont());
            SetBkMode(mem, TRANSPARENT);
            SetTextColor(mem, static_cast<COLORREF>(GetWindowLongPtrA(hwnd, kSlotColor)));
            const std::string text = windowText(hwnd);
            const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
            UINT format = DT_NOPREFIX | ((style & SS_CENTER) ? DT_CENTER : DT_LEFT);
            format |= (style & SS_LEFTNOWORDWRAP) ? (DT_SINGLELINE | DT_VCENTER) : DT_WORDBREAK;
            DrawTextA(mem, text.c_str(), static_cast<int>(text.size()), &rc, format);
            BitBlt(dc, 0, 0, rc.right, rc.bottom, mem, 0, 0, SRCCOPY);
        }
        DeleteDC(mem);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_SETFONT:
        SetWindowLongPtrA(hwnd, kSlotFont, static_cast<LONG_PTR>(wp));
        if (LOWORD(lp)) InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_GETFONT: return GetWindowLongPtrA(hwnd, kSlotFont);
    case WM_SETTEXT: {
        const LRESULT r = DefWindowProcA(hwnd, msg, wp, lp);
        InvalidateRect(hwnd, nullptr, FALSE);
        return r;
    }
    case WM_NCHITTEST: return HTTRANSPARENT;
    default: return DefWindowProcA(hwnd, msg, wp, lp);
    }
}

void registerOwnClasses() {
    static bool done = false;
    if (done) return;
    done = true;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = panelProc;
    wc.cbWndExtra = kExtraBytes;
    wc.hInstance = instance();
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = kPanelClass;
    RegisterClassExA(&wc);
    wc.lpfnWndProc = labelProc;
    wc.lpszClassName = kLabelClass;
    RegisterClassExA(&wc);
}

struct KindInfo {
    const char* className;
    DWORD style;
    DWORD exStyle;
};

KindInfo infoOf(Kind k) {
    switch (k) {
    case Kind::Button: return {WC_BUTTONA, BS_PUSHBUTTON | WS_TABSTOP, 0};
    case Kind::Edit: return {WC_EDITA, ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case Kind::Password: return {WC_EDITA, ES_AUTOHSCROLL | ES_PASSWORD | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case Kind::MultiLineEdit:
        return {WC_EDITA, ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case Kind::Combo: return {WC_COMBOBOXA, CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, 0};
    case Kind::Label: return {WC_STATICA, SS_LEFT | SS_NOPREFIX, 0};
    case Kind::TransparentLabel: return {kLabelClass, SS_LEFTNOWORDWRAP, 0};
    case Kind::Picture:
    case Kind::Frame:
    case Kind::GroupBox: return {kPanelClass, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
    case Kind::ListView:
        return {WC_LISTVIEWA, LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case Kind::StatusBar: return {STATUSCLASSNAMEA, CCS_NOPARENTALIGN | CCS_NORESIZE, 0};
    case Kind::IpAddress: return {WC_IPADDRESSA, WS_TABSTOP, 0};
    case Kind::RichEdit: return {RICHEDIT_CLASSA, ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL, WS_EX_CLIENTEDGE};
    case Kind::Tab: return {WC_TABCONTROLA, WS_CLIPSIBLINGS | WS_TABSTOP, 0};
    }
    return {WC_STATICA, 0, 0};
}

}  // namespace

bool Controls::create(HWND window, const ControlSpec* specs, std::size_t count) {
    registerOwnClasses();
    for (std::size_t i = 0; i < count; ++i) {
        const ControlSpec& s = specs[i];
        HWND parent = s.container ? (*this)[s.container] : window;
        if (!parent) return false;
        if (s.kind == Kind::RichEdit) LoadLibraryA("riched20.dll");
        const KindInfo info = infoOf(s.kind);
        HWND h = CreateWindowExA(info.exStyle, info.className, s.text ? s.text : "",
                                 WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | info.style | s.style, s.x, s.y, s.width,
                                 s.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(s.id)), instance(),
                                 nullptr);
        if (!h) return false;
        if (info.className == kPanelClass) SetWindowLongPtrA(h, kSlotKind, static_cast<LONG_PTR>(s.kind));
        SendMessageA(h, WM_SETFONT, reinterpret_cast<WPARAM>(uiFont()), FALSE);
        byId_[s.id] = h;
    }
    // New children go below their older siblings; containers are decoration
    // and must lie beneath every control that overlaps them without being inside.
    for (std::size_t i = count; i-- > 0;) {
        const KindInfo info = infoOf(specs[i].kind);
        if (info.className == kPanelClass)
            SetWindowPos(byId_[specs[i].id], HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    return true;
}

HWND Controls::operator[](int id) const {
    const auto it = byId_.find(id);
    return it == byId_.end() ? nullptr : it->second;
}

HFONT uiFont() {
    static ScopedFont font(CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                       DEFAULT_PITCH | FF_DONTCARE, "宋体"));
    return font.get();
}

HFONT boldFont(int height) {
    static std::map<int, ScopedFont> fonts;
    auto& f = fonts[height];
    if (!f)
        f.reset(CreateFontA(-height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "宋体"));
    return f.get();
}

void setPicture(HWND picture, HBITMAP bitmap) {
    SetWindowLongPtrA(picture, kSlotBitmap, reinterpret_cast<LONG_PTR>(bitmap));
    InvalidateRect(picture, nullptr, TRUE);
}

void setLabelColor(HWND label, COLORREF color) {
    SetWindowLongPtrA(label, kSlotColor, static_cast<LONG_PTR>(color));
    InvalidateRect(label, nullptr, FALSE);
}

std::string windowText(HWND hwnd) {
    const int n = GetWindowTextLengthA(hwnd);
    std::string s(static_cast<std::size_t>(n) + 1, '\0');
    const int got = GetWindowTextA(hwnd, s.data(), n + 1);
    s.resize(static_cast<std::size_t>(got > 0 ? got : 0));
    return s;
}

}  // namespace ui
