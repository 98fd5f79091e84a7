#include "win/support/ProcessUsage.h"

#include <windows.h>

#include <psapi.h>
#include <winternl.h>

#include <cstdint>
#include <cstring>

namespace corvalith::test {

namespace {

// Wine answers GetGuiResources with ERROR_CALL_NOT_IMPLEMENTED. There the GDI objects are counted in the
// process's GDI handle table, which the PEB points to (GdiSharedHandleTable, offset 0xF8 on x64): 65536
// entries of 24 bytes, a live object with a non-zero type (byte 14), a stock object with its flag (bit 7
// of byte 12). Stock objects are the system's, not the process's, and are left out.
long CountGdiHandles() {
    PROCESS_BASIC_INFORMATION basic{};
    if (NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof basic,
                                  nullptr) != 0 ||
        basic.PebBaseAddress == nullptr) {
        return -1;
    }
    const auto* peb = reinterpret_cast<const std::uint8_t*>(basic.PebBaseAddress);
    const std::uint8_t* table = nullptr;
    std::memcpy(&table, peb + 0xF8, sizeof table);
    if (table == nullptr) {
        return -1;
    }
    long count = 0;
    for (std::size_t i = 0; i < 0x10000; ++i) {
        const std::uint8_t* entry = table + 24 * i;
        if (entry[14] != 0 && (entry[12] & 0x80) == 0) {
            ++count;
        }
    }
    return count;
}

BOOL CALLBACK CountChild(HWND, LPARAM count) {
    ++*reinterpret_cast<long*>(count);
    return TRUE;
}

void CountIfOurs(HWND window, long& count) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId()) {
        ++count;
        EnumChildWindows(window, CountChild, reinterpret_cast<LPARAM>(&count));
    }
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM count) {
    CountIfOurs(window, *reinterpret_cast<long*>(count));
    return TRUE;
}

// Where GetGuiResources is missing, the USER objects that can be listed: the process's windows, top-level,
// message-only and child windows.
long CountWindows() {
    long count = 0;
    EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&count));
    for (HWND window = FindWindowExW(HWND_MESSAGE, nullptr, nullptr, nullptr); window != nullptr;
         window = FindWindowExW(HWND_MESSAGE, window, nullptr, nullptr)) {
        CountIfOurs(window, count);
    }
    return count;
}

// Wine's GetProcessHandleCount answers 0. There the handles are counted by asking about each possible
// value: Wine gives out handles as multiples of 4, from the lowest free one.
long CountHandles() {
    long count = 0;
    for (std::uintptr_t value = 4; value < 0x10000; value += 4) {
        DWORD flags = 0;
        if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) {
            ++count;
        }
    }
    return count;
}

} // namespace

ProcessUsage MeasureProcessUsage() {
    ProcessUsage usage;
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                             sizeof memory)) {
        usage.PrivateFromPagefile = memory.PrivateUsage == 0;
        usage.PrivateBytes =
            static_cast<double>(usage.PrivateFromPagefile ? memory.PagefileUsage : memory.PrivateUsage);
    }
    DWORD handles = 0;
    if (GetProcessHandleCount(GetCurrentProcess(), &handles) && handles != 0) {
        usage.Handles = static_cast<long>(handles);
    } else {
        usage.Handles = CountHandles();
    }
    SetLastError(ERROR_SUCCESS);
    const DWORD gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (gdi == 0 && GetLastError() == ERROR_CALL_NOT_IMPLEMENTED) {
        usage.Gdi = CountGdiHandles();
        usage.User = CountWindows();
        usage.CountedInTable = true;
    } else {
        usage.Gdi = static_cast<long>(gdi);
        usage.User = static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS));
    }
    return usage;
}

} // namespace corvalith::test
