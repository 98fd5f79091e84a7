#include "app/DpiBalloonText.h"

namespace corvalith {

const std::string& DpiBalloonText::ForStage(unsigned stage, const StageTexts& texts,
                                            const ProfileSettings& snapshot) {
    if (stage < texts.size()) {
        text_ = texts[stage] + "(" + std::to_string(snapshot.DpiValuesB[stage] * 100) + ")";
    }
    return text_;
}

} // namespace corvalith
