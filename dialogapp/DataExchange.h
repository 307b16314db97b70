// DataExchange - one run of a dialog's DoDataExchange: moves each field between
// the object and its control, in one direction.
#pragma once

#include <windows.h>

#include <string>

class CStatic;

enum class ExchangeDirection { ToWindow, FromWindow };

class DataExchange {
public:
    DataExchange(HWND dialog, ExchangeDirection direction) : dialog_(dialog), direction_(direction) {}

    // Binds `control` to the dialog's control `id` the first time; later runs keep the binding.
    void Control(int id, CStatic& control);
    // Copies `text` into the edit box `id`, or the edit box's text into `text`.
    void Text(int id, std::wstring& text);
    // Limits the edit box `id` itself, so that no more can be typed.
    void MaxChars(int id, int maxChars);

private:
    HWND Item(int id) const;

    HWND dialog_;
    ExchangeDirection direction_;
};
