#include "pages/WarningChoice.h"

namespace corvalith {

WarningChoice::Changed WarningChoice::Choose(Option option) {
    if (option == choice_) {
        return {};
    }
    choice_ = option;
    // One mark is set and the other cleared, so both change.
    return Changed{true, true};
}

void WarningChoice::Close(bool confirmed) {
    closed_ = true;
    confirmed_ = confirmed;
}

} // namespace corvalith
