#pragma once

#include <windows.h>

#include <string>

#include "framework/window.h"

// A child control: either a new control made at a given place (Create, or with its parent), or the control
// with id `resourceId` of the parent dialog's template, attached when the dialog window is created.
// Controls of the platform's classes (EDIT, STATIC, ...) paint themselves.
class TControl : public TWindow {
public:
    TControl(TWindow *parent, int id, const char *title, int x, int y, int width, int height,
             HINSTANCE module = nullptr);
    TControl(TWindow *parent, int resourceId, HINSTANCE module = nullptr);

    int GetId() const { return Attr.Id; }
    // The control's text.
    std::string GetText() const { return GetCaption(); }
    void SetText(const char *text) { SetCaption(text); }

    // Lets a control of a platform class draw itself; a control of our own class paints through Paint.
    void EvPaint();

    DECLARE_RESPONSE_TABLE(TControl);
};

class TStatic : public TControl {
public:
    TStatic(TWindow *parent, int id, const char *title, int x, int y, int width, int height, UINT textLimit = 0,
            HINSTANCE module = nullptr);
    TStatic(TWindow *parent, int resourceId, UINT textLimit = 0, HINSTANCE module = nullptr);

    UINT GetTextLimit() const { return textLimit; }

protected:
    const char *GetWindowClassName() override { return "STATIC"; }

private:
    UINT textLimit;
};

// An edit control. textLimit counts the terminating zero, as a buffer size does: a limit of 7 lets the user
// type at most 6 characters (EM_LIMITTEXT is applied at set-up). 0 applies no limit. The limit bounds only
// what a user can type, not what the program writes.
class TEdit : public TControl {
public:
    TEdit(TWindow *parent, int id, const char *text, int x, int y, int width, int height, UINT textLimit = 0,
          bool multiline = false, HINSTANCE module = nullptr);
    TEdit(TWindow *parent, int resourceId, UINT textLimit = 0, HINSTANCE module = nullptr);

    UINT GetTextLimit() const { return textLimit; }
    // Sets the number of characters the user may type (0: the platform's maximum).
    void LimitText(UINT characters);
    void GetSelection(int &start, int &end) const;
    void SetSelection(int start, int end);
    void SetReadOnly(bool readOnly);

    void SetupWindow() override;

protected:
    const char *GetWindowClassName() override { return "EDIT"; }

private:
    UINT textLimit;
};

class TGroupBox : public TControl {
public:
    TGroupBox(TWindow *parent, int id, const char *text, int x, int y, int width, int height,
              HINSTANCE module = nullptr);
    TGroupBox(TWindow *parent, int resourceId, HINSTANCE module = nullptr);

protected:
    const char *GetWindowClassName() override { return "BUTTON"; }
};

class TCheckBox : public TControl {
public:
    TCheckBox(TWindow *parent, int id, const char *text, int x, int y, int width, int height,
              HINSTANCE module = nullptr);
    TCheckBox(TWindow *parent, int resourceId, HINSTANCE module = nullptr);

    UINT GetCheck() const; // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE
    void SetCheck(UINT state);
    void Check() { SetCheck(BST_CHECKED); }
    void Uncheck() { SetCheck(BST_UNCHECKED); }

protected:
    const char *GetWindowClassName() override { return "BUTTON"; }
};

class TRadioButton : public TCheckBox {
public:
    TRadioButton(TWindow *parent, int id, const char *text, int x, int y, int width, int height,
                 HINSTANCE module = nullptr);
    TRadioButton(TWindow *parent, int resourceId, HINSTANCE module = nullptr);
};

class TListBox : public TControl {
public:
    TListBox(TWindow *parent, int id, int x, int y, int width, int height, HINSTANCE module = nullptr);
    TListBox(TWindow *parent, int resourceId, HINSTANCE module = nullptr);

    int AddString(const char *text); // the new entry's index, or a negative value on failure
    int InsertString(const char *text, int index);
    int DeleteString(int index);
    void ClearList();
    int GetCount() const;
    std::string GetString(int index) const;
    int GetSelIndex() const; // -1 when nothing is selected
    int SetSelIndex(int index);
    int SetItemHeight(int index, int height);

protected:
    const char *GetWindowClassName() override { return "LISTBOX"; }
};

class TComboBox : public TControl {
public:
    TComboBox(TWindow *parent, int id, int x, int y, int width, int height, DWORD style = CBS_DROPDOWNLIST,
              HINSTANCE module = nullptr);
    TComboBox(TWindow *parent, int resourceId, HINSTANCE module = nullptr);

    int AddString(const char *text);
    int InsertString(const char *text, int index);
    int DeleteString(int index);
    void ClearList();
    int GetCount() const;
    std::string GetString(int index) const;
    int GetSelIndex() const;
    int SetSelIndex(int index);

protected:
    const char *GetWindowClassName() override { return "COMBOBOX"; }
};

// A scroll bar control that answers its own scroll notifications (forwarded by the parent's WM_HSCROLL and
// WM_VSCROLL handlers): line moves by LineMagnitude, page moves by PageMagnitude, thumb moves to the thumb,
// always within the range. Defaults: range 0 to 100, position 0, line 1, page 10.
class TScrollBar : public TControl {
public:
    TScrollBar(TWindow *parent, int id, int x, int y, int width, int height, bool horizontal,
               HINSTANCE module = nullptr);
    TScrollBar(TWindow *parent, int resourceId, HINSTANCE module = nullptr);

    int LineMagnitude = 1;
    int PageMagnitude = 10;

    void GetRange(int &min, int &max) const;
    void SetRange(int min, int max, bool redraw = true);
    int GetPosition() const;
    void SetPosition(int position, bool redraw = true);

    void SetupWindow() override;

protected:
    const char *GetWindowClassName() override { return "SCROLLBAR"; }
    bool ScrollNotify(UINT scrollCode, int thumbPosition) override;

private:
    int minimum = 0;
    int maximum = 100;
    int position = 0;
};
