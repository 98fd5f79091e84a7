#pragma once

#include <string>
#include <vector>

namespace corvalith {

// What the macro manager's session sees of its window: the macro list, the selected macro's event list,
// the loop-count box and the record button. Indexes are the lists' own (-1 for none); texts are UTF-8.
class IMacroManagerView {
public:
    virtual ~IMacroManagerView() = default;

    virtual std::vector<std::string> Names() const = 0;
    // The name of item `index`; empty outside the list.
    virtual std::string Name(int index) const = 0;
    virtual int NameSelection() const = 0;
    virtual void SelectName(int index) = 0;
    // Adds a name at the end and gives its index.
    virtual int AddName(const std::string& name) = 0;
    virtual void RemoveName(int index) = 0;
    virtual void FillNames(const std::vector<std::string>& names) = 0;
    // The first item equal to `name` with case ignored, or -1.
    virtual int FindName(const std::string& name) const = 0;

    virtual std::vector<std::string> Events() const = 0;
    virtual int EventSelection() const = 0;
    virtual void ShowEvents(const std::vector<std::string>& items, int selection) = 0;

    // The loop-count box's text; setting it reports the change back as the user's typing does.
    virtual std::string LoopText() const = 0;
    virtual void SetLoopText(const std::string& text) = 0;
    virtual void EnableLoopCount(bool on) = 0;

    virtual void ShowRecordState(bool recording) = 0;
    // The check boxes and texts are painted again.
    virtual void Repaint() = 0;
};

} // namespace corvalith
