#include "skin/ImageFileHeader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvalith {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Format = ImageFileHeader::Format;
using Info = ImageFileHeader::Info;

Bytes Join(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

const Bytes kPngSignature{0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};
const Bytes kIhdr{0x00, 0x00, 0x00, 0x0D, 'I', 'H', 'D', 'R'};
// Bit depth 8, colour type 6 (RGBA), compression, filter, interlace, then the chunk's CRC (not checked).
const Bytes kIhdrRest{0x08, 0x06, 0x00, 0x00, 0x00, 0xAA, 0xBB, 0xCC, 0xDD};

// A JPEG start: SOI, then a JFIF APP0 segment of 16 bytes.
const Bytes kJpegStart{0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J',  'F',  'I',  'F',
                       0x00, 0x01, 0x01, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00};
// A baseline frame of 320 x 200 (lines first), three components.
const Bytes kBaselineFrame{0xFF, 0xC0, 0x00, 0x11, 0x08, 0x00, 0xC8, 0x01, 0x40, 0x03,
                           0x01, 0x22, 0x00, 0x02, 0x11, 0x01, 0x03, 0x11, 0x01};

Info Png(int width, int height) {
    return {Format::Png, width, height, false};
}
Info Jpeg(int width, int height) {
    return {Format::Jpeg, width, height, false};
}
Info NoSize(Format format, bool truncated) {
    return {format, 0, 0, truncated};
}

TEST(ImageFileHeaderTest, ReadsTheSizeOrSaysItDoesNotKnow) {
    struct Case {
        const char* name;
        Bytes bytes;
        Info expected;
    };
    const Case cases[] = {
        // PNG: width and height are the IHDR chunk's first eight bytes, big-endian.
        {"png 300 x 200", Join({kPngSignature, kIhdr, {0, 0, 0x01, 0x2C, 0, 0, 0, 0xC8}, kIhdrRest}),
         Png(300, 200)},
        {"png ending right after the height",
         Join({kPngSignature, kIhdr, {0, 0, 0x03, 0xE8, 0, 0, 0x02, 0x85}}), Png(1000, 645)},
        {"png 1 x 1", Join({kPngSignature, kIhdr, {0, 0, 0, 1, 0, 0, 0, 1}}), Png(1, 1)},
        {"png at the largest side", Join({kPngSignature, kIhdr, {0, 0, 0x80, 0x00, 0, 0, 0, 7}}),
         Png(32768, 7)},
        {"png one pixel too wide", Join({kPngSignature, kIhdr, {0, 0, 0x80, 0x01, 0, 0, 0, 7}}),
         NoSize(Format::Png, false)},
        {"png width with the top bit set", Join({kPngSignature, kIhdr, {0x80, 0, 0, 5, 0, 0, 0, 7}}),
         NoSize(Format::Png, false)},
        {"png of zero width", Join({kPngSignature, kIhdr, {0, 0, 0, 0, 0, 0, 0, 7}}),
         NoSize(Format::Png, false)},
        {"png of zero height", Join({kPngSignature, kIhdr, {0, 0, 0, 5, 0, 0, 0, 0}}),
         NoSize(Format::Png, false)},
        {"png whose first chunk is not IHDR",
         Join({kPngSignature, {0, 0, 0, 0x0D, 'I', 'D', 'A', 'T'}, {0, 0, 0, 5, 0, 0, 0, 7}}),
         NoSize(Format::Png, false)},
        {"png whose IHDR has the wrong length",
         Join({kPngSignature, {0, 0, 0, 0x0E, 'I', 'H', 'D', 'R'}, {0, 0, 0, 5, 0, 0, 0, 7}}),
         NoSize(Format::Png, false)},
        {"png cut inside the height", Join({kPngSignature, kIhdr, {0, 0, 0, 5, 0, 0, 0}}),
         NoSize(Format::Png, true)},
        {"png cut after the chunk type", Join({kPngSignature, kIhdr}), NoSize(Format::Png, true)},
        {"png signature alone", kPngSignature, NoSize(Format::Png, true)},
        {"png cut inside a wrong chunk type", Join({kPngSignature, {0, 0, 0, 0x0D, 'I', 'E'}}),
         NoSize(Format::Png, false)},
        {"start of the png signature", {0x89, 0x50, 0x4E}, NoSize(Format::Unknown, true)},
        {"png signature with a broken line end",
         Join({{0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0D, 0x1A, 0x0A}, kIhdr, {0, 0, 0, 5, 0, 0, 0, 7}}),
         NoSize(Format::Unknown, false)},
        {"empty", {}, NoSize(Format::Unknown, true)},

        // JPEG: the lines and samples per line of the first start-of-frame marker.
        {"jpeg baseline 320 x 200", Join({kJpegStart, kBaselineFrame}), Jpeg(320, 200)},
        {"jpeg frame right after SOI",
         {0xFF, 0xD8, 0xFF, 0xC1, 0x00, 0x0B, 0x08, 0x00, 0x0D, 0x00, 0x0E},
         Jpeg(14, 13)},
        // A quantisation table and a Huffman table come first; the Huffman table (C4) is no frame even
        // though its bytes would read as 32 x 16.
        {"jpeg progressive after DQT and DHT",
         Join({kJpegStart,
               {0xFF, 0xDB, 0x00, 0x05, 0x00, 0x10, 0x0B},
               {0xFF, 0xC4, 0x00, 0x07, 0x08, 0x00, 0x10, 0x00, 0x20},
               {0xFF, 0xC2, 0x00, 0x0B, 0x08, 0x00, 0xAA, 0x00, 0xBB, 0x01, 0x01, 0x11, 0x00}}),
         Jpeg(0xBB, 0xAA)},
        // JPG (C8) and DAC (CC) are not frames either; C8's bytes would read as 3 x 2.
        {"jpeg skipping C8 and CC",
         Join({kJpegStart,
               {0xFF, 0xC8, 0x00, 0x07, 0x08, 0x00, 0x02, 0x00, 0x03},
               {0xFF, 0xCC, 0x00, 0x04, 0x00, 0x00},
               {0xFF, 0xCF, 0x00, 0x0B, 0x08, 0x01, 0x00, 0x02, 0x00, 0x01, 0x01, 0x11, 0x00}}),
         Jpeg(512, 256)},
        {"jpeg with fill bytes and a restart marker",
         Join({kJpegStart, {0xFF, 0xD3, 0xFF, 0xFF, 0xFF}, {0xC0, 0x00, 0x0B, 0x08, 0x00, 0x01, 0x00, 0x02}}),
         Jpeg(2, 1)},
        {"jpeg with an empty segment", Join({{0xFF, 0xD8, 0xFF, 0xFE, 0x00, 0x02}, kBaselineFrame}),
         Jpeg(320, 200)},
        {"jpeg scan before any frame", Join({kJpegStart, {0xFF, 0xDA, 0x00, 0x08}, kBaselineFrame}),
         NoSize(Format::Jpeg, false)},
        {"jpeg ending before any frame", Join({kJpegStart, {0xFF, 0xD9}}), NoSize(Format::Jpeg, false)},
        {"jpeg with a second SOI", Join({kJpegStart, {0xFF, 0xD8}, kBaselineFrame}),
         NoSize(Format::Jpeg, false)},
        {"jpeg with a stuffed zero for a marker", Join({kJpegStart, {0xFF, 0x00}, kBaselineFrame}),
         NoSize(Format::Jpeg, false)},
        {"jpeg frame of zero lines (DNL)",
         {0xFF, 0xD8, 0xFF, 0xC0, 0x00, 0x0B, 0x08, 0x00, 0x00, 0x00, 0x0E},
         NoSize(Format::Jpeg, false)},
        {"jpeg frame of zero samples",
         {0xFF, 0xD8, 0xFF, 0xC0, 0x00, 0x0B, 0x08, 0x00, 0x0D, 0x00, 0x00},
         NoSize(Format::Jpeg, false)},
        {"jpeg frame too short for a size",
         {0xFF, 0xD8, 0xFF, 0xC0, 0x00, 0x06, 0x08, 0x00, 0x0D, 0x00, 0x0E},
         NoSize(Format::Jpeg, false)},
        {"jpeg segment length 0",
         {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x00, 0xFF, 0xC0},
         NoSize(Format::Jpeg, false)},
        {"jpeg segment length 1",
         {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x01, 0xFF, 0xC0},
         NoSize(Format::Jpeg, false)},
        {"jpeg with garbage where a marker belongs",
         {0xFF, 0xD8, 0x12, 0x34, 0xFF, 0xC0},
         NoSize(Format::Jpeg, false)},
        {"jpeg whose segment runs past the end",
         {0xFF, 0xD8, 0xFF, 0xE1, 0xFF, 0xFF, 0x45, 0x78},
         NoSize(Format::Jpeg, true)},
        {"jpeg cut inside a segment length", {0xFF, 0xD8, 0xFF, 0xE0, 0x00}, NoSize(Format::Jpeg, true)},
        {"jpeg cut inside the frame's width",
         {0xFF, 0xD8, 0xFF, 0xC0, 0x00, 0x0B, 0x08, 0x00, 0x0D, 0x00},
         NoSize(Format::Jpeg, true)},
        {"jpeg cut among fill bytes", {0xFF, 0xD8, 0xFF, 0xFF}, NoSize(Format::Jpeg, true)},
        {"jpeg SOI alone", {0xFF, 0xD8}, NoSize(Format::Jpeg, true)},
        {"one FF byte", {0xFF}, NoSize(Format::Unknown, true)},

        // Neither format.
        {"gif", {'G', 'I', 'F', '8', '9', 'a', 0x10, 0x00, 0x10, 0x00}, NoSize(Format::Unknown, false)},
        {"bmp",
         {'B', 'M', 0x46, 0, 0, 0, 0, 0, 0, 0, 0x36, 0, 0, 0, 0x28, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0},
         NoSize(Format::Unknown, false)},
        {"text", {'h', 'e', 'l', 'l', 'o'}, NoSize(Format::Unknown, false)},
        {"FF then something else", {0xFF, 0xD9, 0xFF, 0xC0}, NoSize(Format::Unknown, false)},
    };
    for (const Case& c : cases) {
        // A copy of exactly these bytes on the heap, so that reading past them is caught by the sanitizers.
        const Bytes exact(c.bytes);
        EXPECT_EQ(ImageFileHeader::Read(exact), c.expected) << c.name;
    }
}

TEST(ImageFileHeaderTest, EveryShorterStartOfAFileIsTruncatedWithoutASize) {
    struct Case {
        const char* name;
        Bytes file;
        std::size_t sizeEnd; // the first length that holds the whole size
        Info expected;
    };
    const Case cases[] = {
        // 8 signature + 8 chunk length and type + 4 width + 4 height.
        {"png", Join({kPngSignature, kIhdr, {0, 0, 0x01, 0x2C, 0, 0, 0, 0xC8}, kIhdrRest}), 24,
         Png(300, 200)},
        // 20 bytes of SOI and APP0, then marker 2, length 2, precision 1, lines 2, samples 2.
        {"jpeg", Join({kJpegStart, kBaselineFrame}), 29, Jpeg(320, 200)},
    };
    for (const Case& c : cases) {
        for (std::size_t length = 0; length <= c.file.size(); ++length) {
            const Bytes start(c.file.begin(), c.file.begin() + static_cast<std::ptrdiff_t>(length));
            const Info info = ImageFileHeader::Read(start);
            if (length >= c.sizeEnd) {
                EXPECT_EQ(info, c.expected) << c.name << " of " << length << " bytes";
            } else {
                EXPECT_FALSE(info.HasSize()) << c.name << " of " << length << " bytes";
                EXPECT_TRUE(info.truncated) << c.name << " of " << length << " bytes";
            }
        }
    }
}

} // namespace
} // namespace corvalith
