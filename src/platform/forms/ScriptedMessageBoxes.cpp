#include "platform/forms/ScriptedMessageBoxes.h"

namespace forms {

ScriptedMessageBoxes::ScriptedMessageBoxes() : previous_(setMessageBoxPresenter(this)) {}

ScriptedMessageBoxes::~ScriptedMessageBoxes()
{
    setMessageBoxPresenter(previous_);
}

int ScriptedMessageBoxes::present(const MessageBoxRecord &box)
{
    shown_.push_back(box);
    if (!answers_.empty()) {
        const int answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    const bool asksYesOrNo = box.buttons == vbYesNo || box.buttons == vbYesNoCancel;
    return asksYesOrNo ? vbYes : vbOK;
}

} // namespace forms
