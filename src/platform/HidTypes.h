#pragma once

#include <cstdint>

namespace corvalith {

// Identity of a HID interface (vendor, product, version), as the attributes call reports it.
struct HidAttributes {
    std::uint16_t VendorId = 0;
    std::uint16_t ProductId = 0;
    std::uint16_t VersionNumber = 0;
};

// The capabilities of a HID interface that decide whether it is one the program uses.
struct HidCaps {
    std::uint16_t Usage = 0;
    std::uint16_t UsagePage = 0;
    std::uint16_t InputReportByteLength = 0;
    std::uint16_t OutputReportByteLength = 0;
    std::uint16_t FeatureReportByteLength = 0;
};

// How an interface is opened: without access rights to read its identity, for synchronous reading and
// writing (commands and block transfers), or for asynchronous reading (device events).
enum class HidOpenMode { Probe, ReadWrite, ReadAsync };

// The device-change broadcasts that concern HID interfaces.
enum class DeviceChangeEvent : std::uint32_t { Arrival = 0x8000, RemoveComplete = 0x8004 };

} // namespace corvalith
