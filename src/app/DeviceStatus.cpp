#include "app/DeviceStatus.h"

namespace corvalith {

DeviceStatus::Reaction DeviceStatus::For(DeviceChangeOutcome outcome) {
    switch (outcome) {
    case DeviceChangeOutcome::Arrived:
        return {Event::MouseFound, true, false, Icon::Add};
    case DeviceChangeOutcome::ArrivalFailed:
        return {std::nullopt, false, true, Icon::Remove};
    case DeviceChangeOutcome::StillConnected:
        return {std::nullopt, false, false, Icon::Add};
    case DeviceChangeOutcome::Removed:
        return {Event::MouseGone, false, true, Icon::RemoveAfterBalloon, true};
    case DeviceChangeOutcome::Ignored:
        break;
    }
    return {};
}

std::optional<DeviceStatus::Balloon> DeviceStatus::BalloonFor(int event, unsigned value,
                                                              const LanguageTable& texts,
                                                              const ProfileSettings& snapshot) {
    switch (static_cast<Event>(event)) {
    case Event::StageChanged: {
        DpiBalloonText::StageTexts stages;
        for (std::size_t i = 0; i < stages.size(); ++i) {
            stages[i] = texts.Entry(static_cast<std::size_t>(TextEntry::DpiStage1) + i);
        }
        return Balloon{"Info", dpiText_.ForStage(value, stages, snapshot), 5000};
    }
    case Event::MouseFound:
        return Balloon{"Info", texts.Text(TextEntry::DeviceDetected), 100};
    case Event::MouseGone:
        return Balloon{"Warning", texts.Text(TextEntry::DeviceNotDetected), 100};
    }
    return std::nullopt;
}

} // namespace corvalith
