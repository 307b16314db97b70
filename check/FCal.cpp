#include "FCal.h"

#include "resource.h"

#include <iterator>

namespace {

using forms::ControlKind;

constexpr wchar_t kProgramTitle[] = L"portcheck";

const forms::FormSpec kForm{L"Test", {9270, 9255, 5850, 1560}, IDI_FCAL, 100};

// Positions and sizes in twips: left, top, width, height.
const forms::ControlSpec kControls[] = {
    {IDC_LABEL1 + 0, ControlKind::Label, L"P4", {2040, 240, 375, 255}, 7, true},
    {IDC_LABEL1 + 1, ControlKind::Label, L"P5", {2760, 240, 375, 255}, 8, true},
    {IDC_LABEL1 + 2, ControlKind::Label, L"P6", {3480, 240, 375, 255}, 9, true},
    {IDC_LABEL1 + 3, ControlKind::Label, L"P7", {4200, 240, 375, 255}, 10, true},
    {IDC_LABEL1 + 4, ControlKind::Label, L"P1", {4920, 240, 375, 255}, 11, true},
    {IDC_P4R, ControlKind::TextBox, L"Text1", {1920, 600, 615, 270}, 2, false},
    {IDC_P5R, ControlKind::TextBox, L"Text1", {2640, 600, 615, 270}, 3, false},
    {IDC_P6R, ControlKind::TextBox, L"Text1", {3360, 600, 615, 270}, 4, false},
    {IDC_P7R, ControlKind::TextBox, L"Text1", {4080, 600, 615, 270}, 5, false},
    {IDC_P1R, ControlKind::TextBox, L"Text1", {4800, 600, 615, 270}, 6, false},
    {IDC_P4W, ControlKind::TextBox, L"Text1", {1920, 1080, 615, 270}, 16, true},
    {IDC_P5W, ControlKind::TextBox, L"Text1", {2640, 1080, 615, 270}, 15, true},
    {IDC_P6W, ControlKind::TextBox, L"Text1", {3360, 1080, 615, 270}, 14, true},
    {IDC_P7W, ControlKind::TextBox, L"Text1", {4080, 1080, 615, 270}, 13, true},
    {IDC_P1W, ControlKind::TextBox, L"Text1", {4800, 1080, 615, 270}, 12, true},
    {IDC_PORTREADBT, ControlKind::CommandButton, L"PortRead", {480, 600, 1215, 255}, 0, true},
    {IDC_PORTWRITEBT, ControlKind::CommandButton, L"PortWrite", {480, 1080, 1215, 255}, 1, true},
};

// Indexed by PortId.
constexpr int kReadBoxes[kPortCount] = {IDC_P4R, IDC_P5R, IDC_P6R, IDC_P7R, IDC_P1R};
constexpr int kWriteBoxes[kPortCount] = {IDC_P4W, IDC_P5W, IDC_P6W, IDC_P7W, IDC_P1W};

int ReadBox(PortId port)
{
    return kReadBoxes[static_cast<int>(port)];
}

int WriteBox(PortId port)
{
    return kWriteBoxes[static_cast<int>(port)];
}

}  // namespace

FCal::FCal(HINSTANCE instance, BoardOps& board)
    : Form(instance, kForm, {std::begin(kControls), std::end(kControls)}, kProgramTitle),
      check_(*this, board)
{
}

void FCal::Load()
{
    check_.InitPorts();
}

void FCal::Timer()
{
    check_.ReadAction();
}

void FCal::Click(int id)
{
    if (id == IDC_PORTREADBT)
        check_.ReadAction();
    else if (id == IDC_PORTWRITEBT)
        check_.WriteAction();
}

void FCal::SetReadText(PortId port, const std::wstring& text)
{
    SetText(ReadBox(port), text);
}

std::wstring FCal::WriteText(PortId port) const
{
    return Text(WriteBox(port));
}

void FCal::SetWriteText(PortId port, const std::wstring& text)
{
    SetText(WriteBox(port), text);
}

void FCal::SelectWriteBox(PortId port)
{
    FocusAndSelectAll(WriteBox(port));
}

void FCal::ShowMessage(const std::wstring& text, Notice notice)
{
    const forms::MessageIcon icon = notice == Notice::Warning   ? forms::MessageIcon::Warning
                                    : notice == Notice::Failure ? forms::MessageIcon::Error
                                                                : forms::MessageIcon::None;
    Form::ShowMessage(text, icon);
}

void FCal::StopTimer()
{
    Form::StopTimer();
}

void FCal::EndProgram(int exitCode)
{
    Unload(exitCode);
}
