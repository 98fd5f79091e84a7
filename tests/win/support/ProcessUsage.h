#pragma once

namespace corvalith::test {

// What this process holds: private bytes and its GDI and USER objects. Wine's GetGuiResources is a stub and
// its PrivateUsage is 0: there GDI objects are counted in the process's GDI handle table, USER objects as
// its windows, and private bytes are its PagefileUsage (resident anonymous memory and swap).
struct ProcessUsage {
    double PrivateBytes = -1; // -1 when the system does not tell
    bool PrivateFromPagefile = false;
    long Gdi = -1;
    long User = -1;
    bool CountedInTable = false;
};

ProcessUsage MeasureProcessUsage();

} // namespace corvalith::test
