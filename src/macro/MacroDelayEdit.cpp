#include "macro/MacroDelayEdit.h"

namespace corvalith {

bool MacroDelayEdit::Opens(int selected, std::string_view item) {
    if (selected < 0 || item.find(" ms") == std::string_view::npos) {
        return false;
    }
    if (selected != remembered_) {
        remembered_ = selected;
        return false;
    }
    return true;
}

} // namespace corvalith
