// Form - one fixed-size top-level window laid out from twips, as a form
// designer stores it: a single border, no minimize or maximize box, labels,
// text boxes and command buttons, the Tab key walking the controls in their
// tab order, and one periodic timer that runs from the start. A program
// derives its form from this class and handles the events.
#pragma once

#include "Geometry.h"

#include <windows.h>

#include <memory>
#include <string>
#include <type_traits>
#include <vector>

namespace forms {

enum class ControlKind { Label, TextBox, CommandButton };

struct ControlSpec {
    int id;  // the control's window ID; 1 and 2 are left to the dialog manager
    ControlKind kind;
    const wchar_t* text;
    TwipsRect rect;  // in the form's client area
    int tabIndex;
    bool enabled;
};

struct FormSpec {
    const wchar_t* caption;
    TwipsRect client;  // the client area's origin on the screen and its size
    int iconId;        // icon resource of the program, shown large and small
    UINT timerIntervalMs;
};

enum class MessageIcon { None, Warning, Error };

class Form {
public:
    // `title` is the program's title, the caption of its message boxes.
    Form(HINSTANCE instance, const FormSpec& look, std::vector<ControlSpec> controls,
         std::wstring title);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Creates and shows the form with the focus on the first control in tab
    // order, starts the timer, raises Load and runs until the form is unloaded.
    // Returns the exit code given to Unload, 0 when the user closed the form,
    // or -1 when the window could not be created.
    int Run(int showCommand);

    std::wstring Text(int id) const;
    void SetText(int id, const std::wstring& text);
    // Focuses a text box with its whole text selected.
    void FocusAndSelectAll(int id);
    void StopTimer();
    // A modal box with an OK button only and the program's title. The timer
    // does not tick while it is open.
    void ShowMessage(const std::wstring& text, MessageIcon icon);
    // Destroys the form; Run then returns `exitCode`.
    void Unload(int exitCode);

protected:
    virtual void Load() {}
    virtual void Timer() {}
    virtual void Click(int /*id*/) {}

private:
    struct FontDeleter {
        void operator()(HFONT font) const { DeleteObject(font); }
    };
    struct IconDeleter {
        void operator()(HICON icon) const { DestroyIcon(icon); }
    };
    using Font = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;
    using Icon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool Create(int dpiX, int dpiY);
    void CreateControls(int dpiX, int dpiY);
    bool HandleTabKey(const MSG& message);
    void FocusNext(HWND from, bool backwards);
    void RestoreFocus();
    const ControlSpec* Find(int id) const;
    HWND Control(int id) const;

    HINSTANCE instance_;
    FormSpec look_;
    std::vector<ControlSpec> controls_;  // sorted by tab index
    std::wstring title_;
    HWND window_ = nullptr;
    HWND focus_ = nullptr;  // kept while the form is inactive
    Font font_;
    Icon bigIcon_;
    Icon smallIcon_;
    bool timerRunning_ = false;
    bool messageOpen_ = false;
    int exitCode_ = 0;
};

}  // namespace forms
