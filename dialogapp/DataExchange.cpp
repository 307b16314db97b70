#include "DataExchange.h"

#include "Static.h"

#include <cassert>

HWND DataExchange::Item(int id) const
{
    const HWND item = GetDlgItem(dialog_, id);
    assert(item && "the dialog template has a control with this ID");
    return item;
}

void DataExchange::Control(int id, CStatic& control)
{
    if (!control.GetSafeHwnd())
        control.SubclassWindow(Item(id));
}

void DataExchange::Text(int id, std::wstring& text)
{
    const HWND edit = Item(id);
    if (direction_ == ExchangeDirection::ToWindow) {
        SetWindowTextW(edit, text.c_str());
        return;
    }
    const int length = GetWindowTextLengthW(edit);
    std::wstring buffer(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(edit, buffer.data(), length + 1);
    buffer.resize(static_cast<std::size_t>(copied));
    text = std::move(buffer);
}

void DataExchange::MaxChars(int id, int maxChars)
{
    SendMessageW(Item(id), EM_SETLIMITTEXT, static_cast<WPARAM>(maxChars), 0);
}
