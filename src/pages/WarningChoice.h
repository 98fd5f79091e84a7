#pragma once

namespace corvalith {

// The answer of the lift-off notice shown at the first start after installation: the option the
// user marks ("ON" or "OFF", "OFF" when the notice opens) and how the notice was closed. The lift-off
// function is turned on only when the notice is confirmed with OK while "ON" is marked; Cancel and
// the close button leave it off whatever is marked.
class WarningChoice {
public:
    enum class Option { Off = 0, On = 1 };

    // Which option marks change their look after a choice; only those are repainted.
    struct Changed {
        bool on = false;
        bool off = false;
    };

    // 1 while "ON" is marked, 0 while "OFF" is.
    int Choice() const { return choice_ == Option::On ? 1 : 0; }
    bool IsMarked(Option option) const { return choice_ == option; }

    // Marks an option (the other is unmarked).
    Changed Choose(Option option);

    // The notice was closed: confirmed with OK, or not (Cancel, the close button).
    void Close(bool confirmed);
    bool Closed() const { return closed_; }
    bool Confirmed() const { return confirmed_; }

    // Lift-off on: closed with OK while "ON" is marked.
    bool TurnsLiftOffOn() const { return confirmed_ && choice_ == Option::On; }

private:
    Option choice_ = Option::Off;
    bool closed_ = false;
    bool confirmed_ = false;
};

} // namespace corvalith
