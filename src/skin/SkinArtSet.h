#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace corvalith {

// The skin art comes in three sets, drawn for displays at 100 %, 150 % and 200 %: "Skins", "Skins150"
// and "Skins200" beside each other in the program folder, each holding the same file names. An image of
// a set has Scaled(length, set) pixels for each of its 1x lengths, and every edge e of a part inside a
// 1x image (a button's rectangle, a slider's track) lies at Scaled(e, set) in the set's image.
class SkinArtSet {
public:
    SkinArtSet() = delete;

    // The sets, in percent of the 1x art.
    static constexpr std::array<int, 3> kSets{100, 150, 200};

    // The set drawn nearest to a display scale in percent: a scale half-way between two sets takes the
    // larger (125 % takes 150, 175 % takes 200), since shrinking art stays sharper than enlarging it;
    // below 100 % it is 100, above 200 % it is 200.
    static int Nearest(int scalePercent);

    // The folder of a set, relative to the program folder ("Skins150"); empty for a number that is no set.
    static std::string_view Folder(int set);

    // A skin path written for the program ("Skins/main.png", "\\skins\\Main.PNG") as the same file in a
    // set: the Skins folder's name is replaced by the set's and everything else is kept as written
    // ("\\Skins150\\Main.PNG"). The 100 set gives the path unchanged. Nothing for a number that is no
    // set, or for a path that does not name a file inside the Skins folder.
    static std::optional<std::string> PathIn(std::string_view skinPath, int set);

    // A 1x length or edge (0 or more) in a set's pixels: length * set / 100, halves rounded up.
    static int Scaled(int length, int set);
};

} // namespace corvalith
