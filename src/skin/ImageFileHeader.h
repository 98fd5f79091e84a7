#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace corvalith {

// The size of a skin image read from the first bytes of its file, without decoding it: the IHDR chunk
// of a PNG, the first start-of-frame marker of a JPEG. Whatever the bytes are, the reader stays inside
// them; bytes that are neither format, or that break the format's rules before the size, give no size.
class ImageFileHeader {
public:
    enum class Format { Unknown, Png, Jpeg };

    // Sides beyond this are not skin images (the decoder refuses them too).
    static constexpr int kLargestSide = 32768;
    // Enough for a PNG and for most JPEG files; a JPEG whose frame marker comes after large metadata
    // segments needs more (truncated tells).
    static constexpr std::size_t kFirstRead = 4096;
    // As far as a reader goes looking for a JPEG's frame marker.
    static constexpr std::size_t kLongestRead = 256 * 1024;

    struct Info {
        Format format = Format::Unknown;
        int width = 0; // 0 x 0 when the bytes do not tell
        int height = 0;
        // The bytes end before the size: a longer start of the same file may tell it.
        bool truncated = false;

        bool HasSize() const { return width > 0 && height > 0; }
        friend bool operator==(const Info&, const Info&) = default;
    };

    static Info Read(std::span<const std::uint8_t> start);

private:
    static Info ReadPng(std::span<const std::uint8_t> start);
    static Info ReadJpeg(std::span<const std::uint8_t> start);
};

} // namespace corvalith
