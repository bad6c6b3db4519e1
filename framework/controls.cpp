#include "framework/controls.h"

#include <algorithm>

// clang-format off
DEFINE_RESPONSE_TABLE(TControl, TWindow)
    EV_WM_PAINT,
END_RESPONSE_TABLE;
// clang-format on

TControl::TControl(TWindow *parent, int id, const char *title, int x, int y, int width, int height, HINSTANCE module)
    : TWindow(parent, title, module) {
    Attr.Style = WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP;
    Attr.X = x;
    Attr.Y = y;
    Attr.W = width;
    Attr.H = height;
    Attr.Id = id;
}

TControl::TControl(TWindow *parent, int resourceId, HINSTANCE module) : TWindow(parent, nullptr, module) {
    // The template decides the style; bits set before attaching are added to the creation style only.
    Attr.Style = 0;
    Attr.Id = resourceId;
    SetFromResource(true);
}

void TControl::EvPaint() {
    if (IsSubclassed()) {
        DefaultProcessing();
    } else {
        TWindow::EvPaint();
    }
}

TStatic::TStatic(TWindow *parent, int id, const char *title, int x, int y, int width, int height, UINT textLimit,
                 HINSTANCE module)
    : TControl(parent, id, title, x, y, width, height, module), textLimit(textLimit) {
    Attr.Style = (Attr.Style | SS_LEFT) & ~WS_TABSTOP;
}

TStatic::TStatic(TWindow *parent, int resourceId, UINT textLimit, HINSTANCE module)
    : TControl(parent, resourceId, module), textLimit(textLimit) {}

TEdit::TEdit(TWindow *parent, int id, const char *text, int x, int y, int width, int height, UINT textLimit,
             bool multiline, HINSTANCE module)
    : TControl(parent, id, text, x, y, width, height, module), textLimit(textLimit) {
    Attr.Style |= WS_BORDER | ES_LEFT | ES_AUTOHSCROLL;
    if (multiline) {
        Attr.Style |= ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL;
    }
}

TEdit::TEdit(TWindow *parent, int resourceId, UINT textLimit, HINSTANCE module)
    : TControl(parent, resourceId, module), textLimit(textLimit) {}

void TEdit::SetupWindow() {
    TControl::SetupWindow();
    if (textLimit > 0) {
        LimitText(textLimit - 1);
    }
}

void TEdit::LimitText(UINT characters) {
    SendMessage(EM_LIMITTEXT, characters);
}

void TEdit::GetSelection(int &start, int &end) const {
    DWORD first = 0;
    DWORD last = 0;
    SendMessage(EM_GETSEL, WPARAM(&first), LPARAM(&last));
    start = int(first);
    end = int(last);
}

void TEdit::SetSelection(int start, int end) {
    SendMessage(EM_SETSEL, WPARAM(start), LPARAM(end));
}

void TEdit::SetReadOnly(bool readOnly) {
    SendMessage(EM_SETREADONLY, readOnly);
}

TGroupBox::TGroupBox(TWindow *parent, int id, const char *text, int x, int y, int width, int height, HINSTANCE module)
    : TControl(parent, id, text, x, y, width, height, module) {
    Attr.Style = (Attr.Style | BS_GROUPBOX) & ~WS_TABSTOP;
}

TGroupBox::TGroupBox(TWindow *parent, int resourceId, HINSTANCE module) : TControl(parent, resourceId, module) {}

TCheckBox::TCheckBox(TWindow *parent, int id, const char *text, int x, int y, int width, int height, HINSTANCE module)
    : TControl(parent, id, text, x, y, width, height, module) {
    Attr.Style |= BS_AUTOCHECKBOX;
}

TCheckBox::TCheckBox(TWindow *parent, int resourceId, HINSTANCE module) : TControl(parent, resourceId, module) {}

UINT TCheckBox::GetCheck() const {
    return UINT(SendMessage(BM_GETCHECK));
}

void TCheckBox::SetCheck(UINT state) {
    SendMessage(BM_SETCHECK, state);
}

TRadioButton::TRadioButton(TWindow *parent, int id, const char *text, int x, int y, int width, int height,
                           HINSTANCE module)
    : TCheckBox(parent, id, text, x, y, width, height, module) {
    Attr.Style = (Attr.Style & ~BS_AUTOCHECKBOX) | BS_AUTORADIOBUTTON;
}

TRadioButton::TRadioButton(TWindow *parent, int resourceId, HINSTANCE module) : TCheckBox(parent, resourceId, module) {}

namespace {

std::string ItemText(const TWindow &control, UINT lengthMessage, UINT textMessage, int index) {
    LRESULT length = control.SendMessage(lengthMessage, WPARAM(index));
    if (length < 0) {
        return std::string();
    }
    std::string text(size_t(length) + 1, '\0');
    LRESULT copied = control.SendMessage(textMessage, WPARAM(index), LPARAM(&text[0]));
    text.resize(copied < 0 ? 0 : size_t(copied));
    return text;
}

} // namespace

TListBox::TListBox(TWindow *parent, int id, int x, int y, int width, int height, HINSTANCE module)
    : TControl(parent, id, nullptr, x, y, width, height, module) {
    Attr.Style |= LBS_NOTIFY | WS_VSCROLL | WS_BORDER;
}

TListBox::TListBox(TWindow *parent, int resourceId, HINSTANCE module) : TControl(parent, resourceId, module) {}

int TListBox::AddString(const char *text) {
    return int(SendMessage(LB_ADDSTRING, 0, LPARAM(text)));
}

int TListBox::InsertString(const char *text, int index) {
    return int(SendMessage(LB_INSERTSTRING, WPARAM(index), LPARAM(text)));
}

int TListBox::DeleteString(int index) {
    return int(SendMessage(LB_DELETESTRING, WPARAM(index)));
}

void TListBox::ClearList() {
    SendMessage(LB_RESETCONTENT);
}

int TListBox::GetCount() const {
    return int(SendMessage(LB_GETCOUNT));
}

std::string TListBox::GetString(int index) const {
    return ItemText(*this, LB_GETTEXTLEN, LB_GETTEXT, index);
}

int TListBox::GetSelIndex() const {
    return int(SendMessage(LB_GETCURSEL));
}

int TListBox::SetSelIndex(int index) {
    return int(SendMessage(LB_SETCURSEL, WPARAM(index)));
}

int TListBox::SetItemHeight(int index, int height) {
    return int(SendMessage(LB_SETITEMHEIGHT, WPARAM(index), MAKELPARAM(height, 0)));
}

TComboBox::TComboBox(TWindow *parent, int id, int x, int y, int width, int height, DWORD style, HINSTANCE module)
    : TControl(parent, id, nullptr, x, y, width, height, module) {
    Attr.Style |= style | WS_VSCROLL;
}

TComboBox::TComboBox(TWindow *parent, int resourceId, HINSTANCE module) : TControl(parent, resourceId, module) {}

int TComboBox::AddString(const char *text) {
    return int(SendMessage(CB_ADDSTRING, 0, LPARAM(text)));
}

int TComboBox::InsertString(const char *text, int index) {
    return int(SendMessage(CB_INSERTSTRING, WPARAM(index), LPARAM(text)));
}

int TComboBox::DeleteString(int index) {
    return int(SendMessage(CB_DELETESTRING, WPARAM(index)));
}

void TComboBox::ClearList() {
    SendMessage(CB_RESETCONTENT);
}

int TComboBox::GetCount() const {
    return int(SendMessage(CB_GETCOUNT));
}

std::string TComboBox::GetString(int index) const {
    return ItemText(*this, CB_GETLBTEXTLEN, CB_GETLBTEXT, index);
}

int TComboBox::GetSelIndex() const {
    return int(SendMessage(CB_GETCURSEL));
}

int TComboBox::SetSelIndex(int index) {
    return int(SendMessage(CB_SETCURSEL, WPARAM(index)));
}

TScrollBar::TScrollBar(TWindow *parent, int id, int x, int y, int width, int height, bool horizontal, HINSTANCE module)
    : TControl(parent, id, nullptr, x, y, width, height, module) {
    Attr.Style |= horizontal ? SBS_HORZ : SBS_VERT;
}

TScrollBar::TScrollBar(TWindow *parent, int resourceId, HINSTANCE module) : TControl(parent, resourceId, module) {}

void TScrollBar::SetupWindow() {
    TControl::SetupWindow();
    SetScrollRange(GetHandle(), SB_CTL, minimum, maximum, FALSE);
    SetScrollPos(GetHandle(), SB_CTL, position, TRUE);
}

void TScrollBar::GetRange(int &min, int &max) const {
    min = minimum;
    max = maximum;
}

void TScrollBar::SetRange(int min, int max, bool redraw) {
    minimum = min;
    maximum = max;
    position = std::clamp(position, std::min(min, max), std::max(min, max));
    if (GetHandle()) {
        SetScrollRange(GetHandle(), SB_CTL, min, max, redraw);
    }
}

int TScrollBar::GetPosition() const {
    return GetHandle() ? GetScrollPos(GetHandle(), SB_CTL) : position;
}

void TScrollBar::SetPosition(int newPosition, bool redraw) {
    position = std::clamp(newPosition, std::min(minimum, maximum), std::max(minimum, maximum));
    if (GetHandle()) {
        SetScrollPos(GetHandle(), SB_CTL, position, redraw);
    }
}

bool TScrollBar::ScrollNotify(UINT scrollCode, int thumbPosition) {
    int current = GetPosition();
    switch (scrollCode) {
    case SB_LINEUP:
        SetPosition(current - LineMagnitude);
        return true;
    case SB_LINEDOWN:
        SetPosition(current + LineMagnitude);
        return true;
    case SB_PAGEUP:
        SetPosition(current - PageMagnitude);
        return true;
    case SB_PAGEDOWN:
        SetPosition(current + PageMagnitude);
        return true;
    case SB_TOP:
        SetPosition(minimum);
        return true;
    case SB_BOTTOM:
        SetPosition(maximum);
        return true;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        SetPosition(thumbPosition);
        return true;
    default:
        return true; // SB_ENDSCROLL
    }
}
