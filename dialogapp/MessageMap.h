// MessageMap - a class's message map as data: a static const array of entries,
// each a message (or a command notification with a range of control IDs) and a
// handler with a typed signature. The owning base class scans the array; the
// first matching entry handles the message.
//
//   const CDialog::MessageEntry CMyDlg::messageMap_[] = {
//       MapTimer<&CMyDlg::OnTimer>(),
//       MapCommand<&CMyDlg::OnApply>(BN_CLICKED, IDC_APPLY),
//   };
//
// The handler's class names the base that dispatches to it (its MessageTarget).
#pragma once

#include <windows.h>

#include <cstddef>

template <class Target>
struct MessageEntry {
    UINT message;
    UINT code;     // WM_COMMAND: the notification code
    UINT firstId;  // WM_COMMAND: the control or command IDs handled
    UINT lastId;
    LRESULT (*call)(Target& target, WPARAM wParam, LPARAM lParam);

    bool Matches(UINT msg, WPARAM wParam) const
    {
        if (msg != message)
            return false;
        if (msg != WM_COMMAND)
            return true;
        const UINT id = LOWORD(wParam);
        return HIWORD(wParam) == code && id >= firstId && id <= lastId;
    }
};

template <class Target>
class MessageMap {
public:
    constexpr MessageMap() = default;
    template <std::size_t N>
    constexpr MessageMap(const MessageEntry<Target> (&entries)[N]) : begin_(entries), end_(entries + N)
    {
    }

    const MessageEntry<Target>* Find(UINT message, WPARAM wParam) const
    {
        for (const MessageEntry<Target>* entry = begin_; entry != end_; ++entry)
            if (entry->Matches(message, wParam))
                return entry;
        return nullptr;
    }

private:
    const MessageEntry<Target>* begin_ = nullptr;
    const MessageEntry<Target>* end_ = nullptr;
};

namespace message_map_detail {

template <class MemberFunction>
struct MemberOf;
template <class R, class C, class... Args>
struct MemberOf<R (C::*)(Args...)> {
    using Class = C;
};

template <auto Handler>
using Class = typename MemberOf<decltype(Handler)>::Class;
template <auto Handler>
using Target = typename Class<Handler>::MessageTarget;
template <auto Handler>
using Entry = MessageEntry<Target<Handler>>;

template <auto Handler>
Class<Handler>& Object(Target<Handler>& target)
{
    return static_cast<Class<Handler>&>(target);
}

}  // namespace message_map_detail

// void OnTimer(UINT_PTR timerId)
template <auto Handler>
constexpr message_map_detail::Entry<Handler> MapTimer()
{
    using namespace message_map_detail;
    return {WM_TIMER, 0, 0, 0, [](Target<Handler>& target, WPARAM wParam, LPARAM) -> LRESULT {
                (Object<Handler>(target).*Handler)(static_cast<UINT_PTR>(wParam));
                return 0;
            }};
}

// void OnSysCommand(UINT command, LPARAM lParam)
template <auto Handler>
constexpr message_map_detail::Entry<Handler> MapSysCommand()
{
    using namespace message_map_detail;
    return {WM_SYSCOMMAND, 0, 0, 0, [](Target<Handler>& target, WPARAM wParam, LPARAM lParam) -> LRESULT {
                (Object<Handler>(target).*Handler)(static_cast<UINT>(wParam), lParam);
                return 0;
            }};
}

// void OnPaint()
template <auto Handler>
constexpr message_map_detail::Entry<Handler> MapPaint()
{
    using namespace message_map_detail;
    return {WM_PAINT, 0, 0, 0, [](Target<Handler>& target, WPARAM, LPARAM) -> LRESULT {
                (Object<Handler>(target).*Handler)();
                return 0;
            }};
}

// HCURSOR OnQueryDragIcon()
template <auto Handler>
constexpr message_map_detail::Entry<Handler> MapQueryDragIcon()
{
    using namespace message_map_detail;
    return {WM_QUERYDRAGICON, 0, 0, 0, [](Target<Handler>& target, WPARAM, LPARAM) -> LRESULT {
                return reinterpret_cast<LRESULT>((Object<Handler>(target).*Handler)());
            }};
}

// void OnSomething(): the notification `code` of control or command `id`.
template <auto Handler>
constexpr message_map_detail::Entry<Handler> MapCommand(UINT code, UINT id)
{
    using namespace message_map_detail;
    return {WM_COMMAND, code, id, id, [](Target<Handler>& target, WPARAM, LPARAM) -> LRESULT {
                (Object<Handler>(target).*Handler)();
                return 0;
            }};
}

// void OnSomething(UINT id): the notification `code` of any control from
// `firstId` to `lastId`.
template <auto Handler>
constexpr message_map_detail::Entry<Handler> MapCommandRange(UINT code, UINT firstId, UINT lastId)
{
    using namespace message_map_detail;
    return {WM_COMMAND, code, firstId, lastId, [](Target<Handler>& target, WPARAM wParam, LPARAM) -> LRESULT {
                (Object<Handler>(target).*Handler)(LOWORD(wParam));
                return 0;
            }};
}
