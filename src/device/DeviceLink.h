#pragma once

#include "device/EventReader.h"
#include "device/HidTransport.h"
#include "platform/IClock.h"
#include "platform/IDebugOutput.h"
#include "platform/IHidSystem.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

namespace corvalith {

// What a device-change broadcast meant for the mouse; the main window acts on it (balloons, icon,
// profile reload, DPI step mode).
enum class DeviceChangeOutcome {
    Ignored,        // not a device-interface broadcast of the mouse, or another event
    Arrived,        // the mouse was plugged in and both interfaces are open
    ArrivalFailed,  // the mouse arrived but could not be opened
    StillConnected, // one interface left but the mouse is still there
    Removed,        // the mouse is gone
};

// Finds the mouse among the system's HID interfaces, opens its configuration interface (commands and
// block transfers) and its event interface (events read by the reader thread), keeps the
// device-connected flag, and follows plug and unplug broadcasts. Searches run on the window's thread;
// uploads may run on the device worker, which holds on to the configuration interface it started an
// operation with, so a search never waits for an upload.
class DeviceLink {
public:
    static constexpr std::uint16_t kVendorId = 0x260D;
    static constexpr std::uint16_t kProductId = 0x1005;
    static constexpr std::uint32_t kDeviceTypeInterface = 5;

    DeviceLink(IHidSystem& hid, IClock& clock, IDebugOutput& debug, EventReader::Handler onStageChanged);
    ~DeviceLink();
    DeviceLink(const DeviceLink&) = delete;
    DeviceLink& operator=(const DeviceLink&) = delete;

    // Search for the event interface and open it; 1 when open.
    int EnumHidMouseVender3360();
    // Search for the configuration interface and open it; 1 when open (the connected flag is then 1).
    int EnumHidMouseHandle3360();
    // Both searches over one list of the present interfaces; on success the connection count goes up
    // (the uploads clear their device state area at the next operation) and the reader reads the new
    // interface.
    bool Connect();

    // WM_DEVICECHANGE: only device-interface broadcasts whose path holds "Vid_260d&Pid_1005" or
    // "VID_260D&PID_1005" concern the mouse.
    DeviceChangeOutcome OnDeviceChange(std::uint32_t eventCode, std::uint32_t deviceType,
                                       std::string_view path);

    bool IsConnected() const { return connected_.load() != 0; }
    // The configuration interface, shared with the operation that uses it; null while none is open.
    std::shared_ptr<IHidDevice> ConfigurationDevice() const;
    // How many connections have been made; a new one invalidates what the uploads kept of the mouse.
    std::uint32_t Connections() const { return connections_.load(); }
    HidTransport& Transport() { return transport_; }
    // The reader thread, started suspended: it reads once the mouse is connected.
    EventReader& Reader() { return reader_; }
    // Stops the reader and closes both interfaces.
    void Shutdown();

private:
    enum class Interface { Event, Configuration };
    // One search over the interface list the caller has taken (and frees).
    int Search(Interface which);
    void SetConnected(bool connected);

    IHidSystem& hid_;
    IDebugOutput& debug_;
    HidTransport transport_;
    mutable std::mutex configurationMutex_; // guards the pointer, not the interface
    std::shared_ptr<IHidDevice> configuration_;
    std::atomic<std::uint32_t> connections_{0};
    std::shared_ptr<IHidDevice> event_;
    std::uint16_t eventInputLength_ = 0;
    std::string lastPath_;
    std::atomic<std::uint32_t> connected_{0};
    EventReader reader_;
};

} // namespace corvalith
