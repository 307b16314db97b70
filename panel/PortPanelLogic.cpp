#include "PortPanelLogic.h"

#include "ConfigText.h"
#include "PinTable.h"

namespace {

const wchar_t kNoBoardText[] =
    L"Could not find \"Qorvel\" Board\nPlease check the Hardware connection";
const wchar_t kNoBoardCaption[] = L"Connection Error";

constexpr std::size_t Index(PortId port) { return static_cast<std::size_t>(port); }

}  // namespace

PortPanelLogic::PortPanelLogic(PanelWindow& window, Board& board) : window_(window), board_(board)
{
}

void PortPanelLogic::StartUp()
{
    if (board_.InitBoard() == 0)
        window_.ShowWarning(kNoBoardText, kNoBoardCaption);
    OnAllInput();
    window_.TextsToWindow(m_config);
    m_toggle = 0;
    window_.StartTimer(kPollTimer, kPollPeriodMs);
    window_.StartTimer(kToggleTimer, kTogglePeriodMs);
}

void PortPanelLogic::OnTimer(int timerId)
{
    if (timerId == kPollTimer)
        PollPorts();
    else if (timerId == kToggleTimer)
        ToggleDirection();
}

void PortPanelLogic::PollPorts()
{
    // Without a board the library may store nothing: "no pin pulled low" keeps
    // every LED dark instead of showing whatever the stack held.
    PortBank read;
    read.fill(0xFF);
    board_.PortRead(read);
    m_ports = read;
    for (const PinRow& row : kPinTable) {
        const bool low = ((read[Index(row.port)] >> row.bit) & 1) == 0;
        window_.SetLedState(row.ledId, low);
    }
}

void PortPanelLogic::ToggleDirection()
{
    if (m_toggle == 0) {
        OnAllInput();
        m_toggle = 1;
    } else {
        OnAllOutput();
        m_toggle = 0;
    }
}

void PortPanelLogic::OnAllInput()
{
    board_.PortConfigure(kAllInput, kAllInput, kAllInput, kAllInput, kP1AllInput);
    m_config = {L"0000", L"0000", L"0000", L"0000", L"00"};
    window_.TextsToWindow(m_config);
}

void PortPanelLogic::OnAllOutput()
{
    board_.PortConfigure(kAllOutput, kAllOutput, kAllOutput, kAllOutput, kP1AllOutput);
    m_config = {L"FFFF", L"FFFF", L"FFFF", L"FFFF", L"FC"};
    window_.TextsToWindow(m_config);
}

void PortPanelLogic::OnUpdate()
{
    window_.TextsFromWindow(m_config);
    std::array<ConfigWord, kPortCount> words{};
    for (std::size_t i = 0; i < words.size(); ++i)
        words[i] = ConfigTextToWord(m_config[i]);
    board_.PortConfigure(words[Index(PortId::P4)], words[Index(PortId::P5)],
                         words[Index(PortId::P6)], words[Index(PortId::P7)],
                         words[Index(PortId::P1)]);
    for (std::wstring& text : m_config)
        ToUpperAscii(text);
    window_.TextsToWindow(m_config);
}

void PortPanelLogic::WritePorts()
{
    board_.PortWrite(m_ports[Index(PortId::P4)], m_ports[Index(PortId::P5)],
                     m_ports[Index(PortId::P6)], m_ports[Index(PortId::P7)]);
}

bool PortPanelLogic::OnBitButton(int buttonId)
{
    const PinRow* row = FindPinByButton(buttonId);
    if (row == nullptr)
        return false;
    const bool on = buttonId == row->onId;
    if (row->port == PortId::P1) {
        board_.Port1Write(on ? 0 : 1, static_cast<std::uint8_t>(row->bit));
        return true;
    }
    std::uint8_t& byte = m_ports[Index(row->port)];
    const auto mask = static_cast<std::uint8_t>(1u << row->bit);
    byte = on ? static_cast<std::uint8_t>(byte & ~mask) : static_cast<std::uint8_t>(byte | mask);
    WritePorts();
    return true;
}
