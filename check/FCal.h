// FCal - the form F_Cal: five read boxes, five write boxes, the read and write
// buttons and Timer1, each event running its procedure of PortCheck.
#pragma once

#include "CalWindow.h"
#include "Form.h"
#include "PortCheck.h"

class FCal : public forms::Form, private CalWindow {
public:
    FCal(HINSTANCE instance, BoardOps& board);

private:
    void Load() override;
    void Timer() override;
    void Click(int id) override;

    void SetReadText(PortId port, const std::wstring& text) override;
    std::wstring WriteText(PortId port) const override;
    void SetWriteText(PortId port, const std::wstring& text) override;
    void SelectWriteBox(PortId port) override;
    void ShowMessage(const std::wstring& text, Notice notice) override;
    void StopTimer() override;
    void EndProgram(int exitCode) override;

    PortCheck check_;
};
