#pragma once

#include <QString>

#include <string_view>

namespace vantor {

// The narrow window onto the option controls through which the launch and settings logic reads and writes them.
// Setting a value runs the control's own change handling at once, as a user's change would; setting the value a
// control already holds runs nothing.
class OptionView {
public:
    virtual ~OptionView() = default;

    virtual int check(std::string_view key) const = 0; // 0 off, 1 on, 2 greyed
    virtual QString text(std::string_view key) const = 0;
    virtual int position(std::string_view key) const = 0; // sliders and scroll bars

    virtual void setCheck(std::string_view key, int state) = 0;
    virtual void setText(std::string_view key, const QString &text) = 0;
    virtual void setPosition(std::string_view key, int position) = 0;

    // Every test of a check box asks for exactly 1, so a greyed box counts as off.
    bool isOn(std::string_view key) const { return check(key) == 1; }
};

} // namespace vantor
