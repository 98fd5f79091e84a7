#pragma once

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <initializer_list>

namespace corvalith {

// The groups of settings the mouse receives, each with reports of its own, in the order a whole write sends
// them (the lift-off command follows a whole write when a profile replaces another).
enum class ProfileGroup : std::uint8_t {
    PollingRate, // the polling-rate query and command 0x01
    Sensitivity, // command 0x0B
    Dpi,         // the stage colours block, the stage query, commands 0x08 and 0x07
    ButtonTable, // block 0x03
    Macros,      // the twelve macro slot blocks
    Lighting,    // the lighting block read and written, command 0x06
    LiftOff,     // command 0x0D
};

inline constexpr std::size_t kProfileGroupCount = 7;

// A set of groups, indexed by ProfileGroup.
class ProfileGroups {
public:
    constexpr ProfileGroups() = default;
    ProfileGroups(std::initializer_list<ProfileGroup> groups) {
        for (const ProfileGroup group : groups) {
            bits_.set(static_cast<std::size_t>(group));
        }
    }
    static ProfileGroups All() { return ProfileGroups(std::bitset<kProfileGroupCount>().set()); }

    bool Has(ProfileGroup group) const { return bits_.test(static_cast<std::size_t>(group)); }
    void Add(ProfileGroup group) { bits_.set(static_cast<std::size_t>(group)); }
    void Remove(ProfileGroup group) { bits_.reset(static_cast<std::size_t>(group)); }
    bool Empty() const { return bits_.none(); }
    // One bit a group, the first group in bit 0, as a state file keeps the set.
    std::uint8_t Bits() const { return static_cast<std::uint8_t>(bits_.to_ulong()); }
    static ProfileGroups FromBits(std::uint8_t bits) {
        return ProfileGroups(std::bitset<kProfileGroupCount>(bits & ((1u << kProfileGroupCount) - 1)));
    }
    friend bool operator==(const ProfileGroups&, const ProfileGroups&) = default;

private:
    explicit ProfileGroups(std::bitset<kProfileGroupCount> bits) : bits_(bits) {}
    std::bitset<kProfileGroupCount> bits_;
};

} // namespace corvalith
