#pragma once

#include "platform/forms/MessageBox.h"

#include <deque>
#include <vector>

namespace forms {

// Records every box and answers without showing anything: with the next queued
// answer, or else the first button of the box (OK, or Yes). It is the presenter for as
// long as it lives and puts the previous one back when it goes.
class ScriptedMessageBoxes : public MessageBoxPresenter {
public:
    ScriptedMessageBoxes();
    ~ScriptedMessageBoxes() override;
    ScriptedMessageBoxes(const ScriptedMessageBoxes &) = delete;
    ScriptedMessageBoxes &operator=(const ScriptedMessageBoxes &) = delete;

    int present(const MessageBoxRecord &box) override;

    void queueAnswer(int answer) { answers_.push_back(answer); }
    const std::vector<MessageBoxRecord> &shown() const { return shown_; }
    void clear() { shown_.clear(); }

private:
    std::vector<MessageBoxRecord> shown_;
    std::deque<int> answers_;
    MessageBoxPresenter *previous_;
};

} // namespace forms
