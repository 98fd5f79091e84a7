#pragma once

#include "platform/IFileSystem.h"
#include "profile/ProfileList.h"
#include "profile/ProfileSession.h"

#include <string>

namespace corvalith {

// The profile list in section "Profile" of str.ini ("ItemCount", "Item<n>", "CurProfileName"), and the
// files that follow an entry when the list is stored after a delete.
//
// An entry's settings live in the files numbered by its position, as every reader of the list expects.
// When a delete moves entries up, their files have to move with them. The stored list then first
// carries, next to the usual keys, a "File<n>" key for every position whose files are not yet in place:
// the file number they come from, or "-" for files to discard. Each move copies both files, then drops
// its key; the discards run after every move. A restart finishes whatever keys are left, so a kill at
// any point leaves each name with its own settings.
class ProfileListStore {
public:
    // What closing the manager asks the main window to do with the selected position.
    enum class CloseOperation { None, Select, Create };
    struct CloseAction {
        CloseOperation Operation;
        int Position;
    };

    ProfileListStore(IFileSystem& files, std::string dataFolder);

    const std::string& ListPath() const { return listPath_; }

    // The stored list (empty unless "ItemCount" is 1 to 6), with the session's new-entry flags, and the
    // position of "CurProfileName" selected. Pending file moves are finished first.
    ProfileList Read(const ProfileSession& session);

    // Closing the manager: stores the list with the selected entry as the current name, moves the files
    // of entries that moved and follows them with the session's indexes and new-entry flags. The
    // selected entry becomes the current profile index; it is created when it carries the new-entry
    // flag (which is then cleared) and selected otherwise. Nothing is written without a str.ini.
    CloseAction Save(const ProfileList& list, ProfileSession& session);

    // Completes the file moves a stored list still announces (after a crash). Announcements that do not
    // describe moves this program makes are dropped without touching any profile file.
    void FinishPendingMoves();

private:
    std::string NumberedPath(const char* stem, int number, const char* extension) const;
    bool HasFiles(int number) const;
    // Replaces the files of `to` with those of `from`; a missing source file removes the target.
    bool CopyFiles(int from, int to);
    bool RemoveFiles(int number);
    bool CopyFile(const std::string& from, const std::string& to);

    IFileSystem& files_;
    std::string folder_;
    std::string listPath_;
};

} // namespace corvalith
