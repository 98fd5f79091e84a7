#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvalith {

// The editing copy of the profile list that the profile manager shows. Each entry remembers the number
// of the files (config<n>.bin, str<n>.ini) it had when the list was read, so that deleting an entry
// keeps every name bound to its own settings when the list is stored again.
class ProfileList {
public:
    static constexpr std::size_t kMaxProfiles = 6;
    static constexpr int kNoFiles = -1;

    struct Entry {
        std::string Name;
        int Files = kNoFiles;  // the file number the entry's settings are stored under, or none yet
        bool NewEntry = false; // added by New: its profile is created from the base profile when chosen
    };

    // NameTooLong: the new name would be longer than the files keep a name (nothing is added).
    enum class AddResult { Added, LimitReached, NameTooLong };

    ProfileList() = default;
    // The entries of a stored list, each under the files of its own position.
    explicit ProfileList(const std::vector<std::string>& names);

    const std::vector<Entry>& Entries() const { return entries_; }
    std::size_t Count() const { return entries_.size(); }
    const std::string& Name(std::size_t position) const { return entries_.at(position).Name; }
    // The selected position, -1 for none.
    int Selected() const { return selected_; }
    void Select(int position);

    // New: the first entry of an empty list is "<prefix> 1" and takes over the profile saved while no
    // list existed (file number 0); later entries get a name no entry has and the new-entry flag.
    AddResult AddNew(std::string_view prefix);
    // Copy: an entry named "<caption> <selected name>" (made unique); only the name is copied. A copy whose
    // name would be too long for the files is refused.
    AddResult AddCopy(std::string_view copyCaption);
    // Removes the selected entry when there are two or more; selects the entry now at the same position,
    // or the last one. False when nothing was removed.
    bool DeleteSelected();
    void Rename(std::size_t position, std::string name);
    void SetNewEntry(std::size_t position, bool flag) { entries_.at(position).NewEntry = flag; }

    // The name New gives after `lastName` in a list of `count` entries: the prefix and the number after
    // the last name's first space plus one ("Profile" and the count when it has no space), counted on
    // while an entry already has that name (compared without case).
    static std::string NewName(const std::vector<std::string>& names, std::string_view prefix);
    // `base`, or `base` followed by " (2)", " (3)"... when an entry already has that name.
    static std::string UniqueName(const std::vector<std::string>& names, const std::string& base);
    // The position of the stored current name: an exact match without case first, then the first name
    // that starts with it (without case).
    static std::optional<std::size_t> FindCurrent(const std::vector<std::string>& names,
                                                  std::string_view current);
    static bool EqualNoCase(std::string_view a, std::string_view b);

    std::vector<std::string> Names() const;

private:
    bool Full() const { return entries_.size() >= kMaxProfiles; }

    std::vector<Entry> entries_;
    int selected_ = -1;
};

} // namespace corvalith
