// Controls described as tables. Each window lists its controls once, as
// ControlSpec rows (id, kind, text, place, container); create() builds them
// and keeps them by id. A control inside a container (picture box, frame,
// group box) is a real child of it and is placed relative to it; containers
// pass their children's notifications on to the window.
#pragma once

#include <windows.h>

#include <cstddef>
#include <map>
#include <string>

namespace ui {

enum class Kind {
    Button,
    Edit,          // single line, sunken border
    Password,      // single line, typed characters shown as '*'
    MultiLineEdit, // word-wrapping, Enter starts a line, no scroll bars
    Combo,         // drop-down list with an editable text field
    Label,
    TransparentLabel,
    Picture,
    Frame,
    GroupBox,      // without caption
    ListView,      // report style
    StatusBar,
    IpAddress,
    RichEdit,
    Tab,
};

struct ControlSpec {
    int id;
    Kind kind;
    const char* text;
    int x, y, width, height;
    int container = 0;  // id of the containing control; 0 for the window itself
    DWORD style = 0;    // added to the kind's own styles
};

class Controls {
public:
    template <std::size_t N>
    bool create(HWND window, const ControlSpec (&specs)[N]) {
        return create(window, specs, N);
    }
    bool create(HWND window, const ControlSpec* specs, std::size_t count);
    HWND operator[](int id) const;
    void clear() { byId_.clear(); }

private:
    std::map<int, HWND> byId_;
};

// The program's interface font: 12-pixel GB2312 type in the system's default face.
HFONT uiFont();
// A bold font of `height` pixels for labels.
HFONT boldFont(int height);

// Picture boxes show a bitmap (not owned; it must outlive the control).
void setPicture(HWND picture, HBITMAP bitmap);
// Colour of a label's text.
void setLabelColor(HWND label, COLORREF color);

std::string windowText(HWND hwnd);

}  // namespace ui
