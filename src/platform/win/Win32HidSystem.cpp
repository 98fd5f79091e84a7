#include "platform/win/Win32HidSystem.h"

#include "platform/win/HidLibrary.h"
#include "platform/win/WideString.h"

#include <windows.h>

#include <setupapi.h>

namespace corvalith {

namespace {

// One opened HID interface: a handle (synchronous, or overlapped for the event interface) and the
// preparsed descriptor it was asked for.
class Win32HidDevice : public IHidDevice {
public:
    Win32HidDevice(HANDLE handle, bool overlapped) : handle_(handle), overlapped_(overlapped) {
        if (overlapped_) {
            readDone_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
            cancel_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        }
    }
    ~Win32HidDevice() override {
        Close();
        if (preparsed_ != nullptr) {
            HidLibrary::Get().FreePreparsedData(preparsed_);
        }
        for (HANDLE event : {readDone_, cancel_}) {
            if (event != nullptr) {
                CloseHandle(event);
            }
        }
    }

    bool GetAttributes(HidAttributes& attributes) override {
        HIDD_ATTRIBUTES raw{};
        raw.Size = sizeof raw;
        const HidLibrary& hid = HidLibrary::Get();
        if (!hid.Loaded() || !hid.GetAttributes(handle_, &raw)) {
            return false;
        }
        attributes = {raw.VendorID, raw.ProductID, raw.VersionNumber};
        return true;
    }
    bool GetPreparsedData() override {
        const HidLibrary& hid = HidLibrary::Get();
        if (preparsed_ == nullptr && (!hid.Loaded() || !hid.GetPreparsedData(handle_, &preparsed_))) {
            preparsed_ = nullptr;
            return false;
        }
        return true;
    }
    bool GetCaps(HidCaps& caps) override {
        HIDP_CAPS raw{};
        if (preparsed_ == nullptr || HidLibrary::Get().GetCaps(preparsed_, &raw) != HIDP_STATUS_SUCCESS) {
            return false;
        }
        caps = {raw.Usage, raw.UsagePage, raw.InputReportByteLength, raw.OutputReportByteLength,
                raw.FeatureReportByteLength};
        return true;
    }
    void Close() override {
        if (handle_ != INVALID_HANDLE_VALUE) {
            CancelRead();
            CloseHandle(handle_);
            handle_ = INVALID_HANDLE_VALUE;
        }
    }
    bool SetFeature(std::span<const std::uint8_t> report) override {
        const HidLibrary& hid = HidLibrary::Get();
        return hid.Loaded() && hid.SetFeature(handle_, const_cast<std::uint8_t*>(report.data()),
                                              static_cast<ULONG>(report.size()));
    }
    bool GetFeature(std::span<std::uint8_t> report) override {
        const HidLibrary& hid = HidLibrary::Get();
        return hid.Loaded() && hid.GetFeature(handle_, report.data(), static_cast<ULONG>(report.size()));
    }
    bool WriteOutput(std::span<const std::uint8_t> report) override {
        DWORD written = 0;
        const BOOL ok =
            WriteFile(handle_, report.data(), static_cast<DWORD>(report.size()), &written, nullptr);
        GetLastError();
        return ok != FALSE;
    }
    std::size_t ReadInput(std::span<std::uint8_t> report) override {
        DWORD received = 0;
        if (!overlapped_) {
            const BOOL ok =
                ReadFile(handle_, report.data(), static_cast<DWORD>(report.size()), &received, nullptr);
            GetLastError();
            return ok ? received : 0;
        }
        // The event interface: an overlapped read that also ends when the reader is told to stop or
        // when this handle is being replaced.
        OVERLAPPED overlapped{};
        overlapped.hEvent = readDone_;
        ResetEvent(readDone_);
        if (!ReadFile(handle_, report.data(), static_cast<DWORD>(report.size()), nullptr, &overlapped) &&
            GetLastError() != ERROR_IO_PENDING) {
            return 0;
        }
        const HANDLE waits[2] = {readDone_, cancel_};
        if (WaitForMultipleObjects(2, waits, FALSE, INFINITE) != WAIT_OBJECT_0) {
            CancelIoEx(handle_, &overlapped);
        }
        if (!GetOverlappedResult(handle_, &overlapped, &received, TRUE)) {
            return 0;
        }
        return received;
    }
    void CancelRead() override {
        if (cancel_ != nullptr) {
            SetEvent(cancel_);
        }
    }

private:
    HANDLE handle_;
    bool overlapped_;
    HANDLE readDone_ = nullptr;
    HANDLE cancel_ = nullptr;
    PHIDP_PREPARSED_DATA preparsed_ = nullptr;
};

} // namespace

Win32HidSystem::~Win32HidSystem() {
    EndEnumeration();
}

bool Win32HidSystem::BeginEnumeration() {
    EndEnumeration();
    const HidLibrary& hid = HidLibrary::Get();
    if (!hid.Loaded()) {
        return false;
    }
    GUID hidClass;
    hid.GetHidGuid(&hidClass);
    const HDEVINFO set =
        SetupDiGetClassDevsW(&hidClass, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (set == INVALID_HANDLE_VALUE) {
        return false;
    }
    deviceInfo_ = set;
    return true;
}

bool Win32HidSystem::InterfacePath(std::size_t index, std::string& path) {
    if (deviceInfo_ == nullptr) {
        return false;
    }
    GUID hidClass;
    HidLibrary::Get().GetHidGuid(&hidClass); // loaded: the enumeration began
    SP_DEVICE_INTERFACE_DATA data{};
    data.cbSize = sizeof data;
    if (!SetupDiEnumDeviceInterfaces(deviceInfo_, nullptr, &hidClass, static_cast<DWORD>(index), &data)) {
        return false;
    }
    DWORD size = 0;
    SetupDiGetDeviceInterfaceDetailW(deviceInfo_, &data, nullptr, 0, &size, nullptr);
    if (size < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W)) {
        path.clear();
        return true;
    }
    std::vector<std::uint8_t> buffer(size);
    auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(buffer.data());
    detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
    if (!SetupDiGetDeviceInterfaceDetailW(deviceInfo_, &data, detail, size, nullptr, nullptr)) {
        path.clear();
        return true;
    }
    path = WideString::ToUtf8(detail->DevicePath);
    return true;
}

void Win32HidSystem::EndEnumeration() {
    if (deviceInfo_ != nullptr) {
        SetupDiDestroyDeviceInfoList(deviceInfo_);
        deviceInfo_ = nullptr;
    }
}

std::unique_ptr<IHidDevice> Win32HidSystem::Open(const std::string& path, HidOpenMode mode,
                                                 std::uint32_t& error) {
    DWORD access = 0;
    DWORD flags = 0;
    switch (mode) {
    case HidOpenMode::Probe:
        break;
    case HidOpenMode::ReadWrite:
        access = GENERIC_READ | GENERIC_WRITE;
        break;
    case HidOpenMode::ReadAsync:
        access = GENERIC_READ;
        flags = FILE_FLAG_OVERLAPPED;
        break;
    }
    SetLastError(0);
    const HANDLE handle =
        CreateFileW(WideString::FromUtf8(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, flags, nullptr);
    error = GetLastError();
    if (handle == INVALID_HANDLE_VALUE) {
        return nullptr;
    }
    return std::make_unique<Win32HidDevice>(handle, mode == HidOpenMode::ReadAsync);
}

} // namespace corvalith
