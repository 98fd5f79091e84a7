#pragma once

namespace corvalith::test {

// What this process holds: private bytes, its GDI and USER objects and its kernel handles. Wine's
// GetGuiResources is a stub, its PrivateUsage and handle count are 0: there GDI objects are counted in the
// process's GDI handle table, USER objects as its windows, handles by asking about each value, and private
// bytes are its PagefileUsage (resident anonymous memory and swap).
struct ProcessUsage {
    double PrivateBytes = -1; // -1 when the system does not tell
    bool PrivateFromPagefile = false;
    long Gdi = -1;
    long User = -1;
    bool CountedInTable = false;
    long Handles = -1;
};

ProcessUsage MeasureProcessUsage();

} // namespace corvalith::test
