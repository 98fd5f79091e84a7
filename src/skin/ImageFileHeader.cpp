#include "skin/ImageFileHeader.h"

#include <algorithm>

namespace corvalith {

namespace {

constexpr std::uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
// Signature, chunk length, "IHDR", width, height.
constexpr std::size_t kPngSizeEnd = 24;

std::uint32_t BigEndian32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return (std::uint32_t{bytes[at]} << 24) | (std::uint32_t{bytes[at + 1]} << 16) |
           (std::uint32_t{bytes[at + 2]} << 8) | std::uint32_t{bytes[at + 3]};
}

unsigned BigEndian16(std::span<const std::uint8_t> bytes, std::size_t at) {
    return (unsigned{bytes[at]} << 8) | unsigned{bytes[at + 1]};
}

bool UsableSide(std::uint32_t side) {
    return side > 0 && side <= static_cast<std::uint32_t>(ImageFileHeader::kLargestSide);
}

// Start-of-frame markers of every coding process: C0 to CF except DHT (C4), JPG (C8) and DAC (CC).
bool IsStartOfFrame(std::uint8_t marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// Markers without a length: the restart markers and TEM.
bool StandsAlone(std::uint8_t marker) {
    return (marker >= 0xD0 && marker <= 0xD7) || marker == 0x01;
}

} // namespace

ImageFileHeader::Info ImageFileHeader::Read(std::span<const std::uint8_t> start) {
    if (start.size() >= 2 && start[0] == 0xFF && start[1] == 0xD8) {
        return ReadJpeg(start);
    }
    const std::size_t compared = std::min(start.size(), sizeof kPngSignature);
    if (std::equal(start.begin(), start.begin() + static_cast<std::ptrdiff_t>(compared), kPngSignature)) {
        if (compared == sizeof kPngSignature) {
            return ReadPng(start);
        }
        Info info;
        info.truncated = true; // a start of the signature, or nothing at all
        return info;
    }
    Info info;
    info.truncated = start.size() == 1 && start[0] == 0xFF; // the first byte of a JPEG
    return info;
}

ImageFileHeader::Info ImageFileHeader::ReadPng(std::span<const std::uint8_t> start) {
    Info info;
    info.format = Format::Png;
    // The first chunk must be IHDR with its 13 bytes; check what is there before asking for more.
    const std::uint8_t chunk[8] = {0, 0, 0, 13, 'I', 'H', 'D', 'R'};
    const std::size_t present = std::min(start.size(), std::size_t{16}) - sizeof kPngSignature;
    if (!std::equal(chunk, chunk + present, start.begin() + sizeof kPngSignature)) {
        return info;
    }
    if (start.size() < kPngSizeEnd) {
        info.truncated = true;
        return info;
    }
    const std::uint32_t width = BigEndian32(start, 16);
    const std::uint32_t height = BigEndian32(start, 20);
    if (UsableSide(width) && UsableSide(height)) {
        info.width = static_cast<int>(width);
        info.height = static_cast<int>(height);
    }
    return info;
}

ImageFileHeader::Info ImageFileHeader::ReadJpeg(std::span<const std::uint8_t> start) {
    Info info;
    info.format = Format::Jpeg;
    std::size_t at = 2; // after the start-of-image marker
    for (;;) {
        if (at >= start.size()) {
            info.truncated = true;
            return info;
        }
        if (start[at] != 0xFF) {
            return info; // something other than a marker between segments
        }
        while (at < start.size() && start[at] == 0xFF) {
            ++at; // fill bytes before the marker
        }
        if (at >= start.size()) {
            info.truncated = true;
            return info;
        }
        const std::uint8_t marker = start[at++];
        if (StandsAlone(marker)) {
            continue;
        }
        if (marker == 0x00 || marker == 0xD8 || marker == 0xD9 || marker == 0xDA) {
            // A stuffed zero, a second start of image, the end of the image or the first scan: no frame
            // came before it.
            return info;
        }
        if (start.size() - at < 2) {
            info.truncated = true;
            return info;
        }
        const unsigned length = BigEndian16(start, at); // counts its own two bytes
        if (length < 2) {
            return info;
        }
        if (IsStartOfFrame(marker)) {
            // Sample precision, number of lines, samples per line.
            if (length < 7) {
                return info;
            }
            if (start.size() - at < 7) {
                info.truncated = true;
                return info;
            }
            const unsigned height = BigEndian16(start, at + 3);
            const unsigned width = BigEndian16(start, at + 5);
            // No lines (the count comes later, in a DNL segment) leaves the size unknown.
            if (UsableSide(width) && UsableSide(height)) {
                info.width = static_cast<int>(width);
                info.height = static_cast<int>(height);
            }
            return info;
        }
        at += length;
    }
}

} // namespace corvalith
