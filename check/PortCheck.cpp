#include "PortCheck.h"

#include "Decimal.h"

#include <optional>

namespace {

constexpr PortId kPorts[kPortCount] = {PortId::P4, PortId::P5, PortId::P6, PortId::P7, PortId::P1};
const wchar_t* const kWriteBoxNames[kPortCount] = {L"P4W", L"P5W", L"P6W", L"P7W", L"P1W"};

constexpr std::size_t kQuotedLength = 20;

std::wstring BadValueMessage(PortId port, const std::wstring& text)
{
    std::wstring message = L"The write box ";
    message += kWriteBoxNames[static_cast<int>(port)];
    if (text.empty())
        message += L" is empty.";
    else if (text.size() > kQuotedLength)
        message += L" holds \"" + text.substr(0, kQuotedLength) + L"...\".";
    else
        message += L" holds \"" + text + L"\".";
    return message + L"\nIt accepts a whole decimal number from 0 to 255.";
}

}  // namespace

PortCheck::PortCheck(CalWindow& window, BoardOps& board) : window_(window), board_(board) {}

void PortCheck::InitPorts()
{
    std::uint32_t found = 0;
    if (!board_.InitBoard(found))
        return GiveUp();
    if (found == 0) {
        window_.ShowMessage(L"Could not find Qorvel", Notice::Plain);
        return;
    }
    ReadAction();
    if (gaveUp_)
        return;
    for (PortId port : kPorts)
        window_.SetWriteText(port, L"0");
}

void PortCheck::ReadAction()
{
    if (gaveUp_)
        return;
    // Without a board PortRead may leave the bytes as they are.
    PortBank levels{};
    if (!board_.PortConfigure(kOutput, kOutput, kInput, kInput, kInput) || !board_.PortRead(levels))
        return GiveUp();
    for (PortId port : kPorts)
        window_.SetReadText(port, forms::ByteToDecimal(levels[static_cast<int>(port)]));
}

void PortCheck::WriteAction()
{
    if (gaveUp_)
        return;
    PortBank values{};
    for (PortId port : kPorts) {
        const std::wstring text = window_.WriteText(port);
        const std::optional<std::uint8_t> value = forms::DecimalToByte(text);
        if (!value) {
            window_.ShowMessage(BadValueMessage(port, text), Notice::Warning);
            window_.SelectWriteBox(port);
            return;
        }
        values[static_cast<int>(port)] = *value;
    }
    const auto value = [&values](PortId port) { return values[static_cast<int>(port)]; };
    if (!board_.PortWrite(value(PortId::P4), value(PortId::P5), value(PortId::P6), value(PortId::P7)) ||
        !board_.Port1Write(value(PortId::P1), value(PortId::P1)))
        GiveUp();
}

// The board cannot be reached from this run: say why once and end, instead of
// failing again on every tick.
void PortCheck::GiveUp()
{
    gaveUp_ = true;
    window_.StopTimer();
    window_.ShowMessage(board_.Error() + L"\n\nportcheck cannot reach the board and will close.",
                        Notice::Failure);
    window_.EndProgram(kExitBoardUnusable);
}
