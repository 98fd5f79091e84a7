#pragma once

namespace corvalith {

// Where the program's libraries come from. Every library it loads after its start comes from the system
// folder only: a DLL placed beside the program, or in the current folder, is never loaded in its place.
// The libraries the programs import at load time are all ones the system itself serves from the system
// folder (a test checks each program's import list).
class SystemLibraries {
public:
    // Call first thing in each program's entry point. False when the system cannot restrict the search.
    static bool LoadFromSystemFolderOnly();
};

} // namespace corvalith
