#include <gmock/gmock.h>

#include "assets/IcoFormatError.h"
#include "assets/IcoReader.h"
#include "assets/ProgramIcon.h"
#include "assets/compiler/ByteWriter.h"
#include "assets/compiler/IcoWriter.h"
#include "assets/compiler/Palettes.h"
#include "tests/assets/ArtworkTestSupport.h"

namespace morvane::test {
namespace {

using ::testing::HasSubstr;

std::vector<std::uint8_t> storedCopy() {
    const auto file = programIconIco();
    return {file.begin(), file.end()};
}

std::string rejection(const std::vector<std::uint8_t>& file) {
    try {
        IcoReader::read(file);
    } catch (const IcoFormatError& e) {
        return e.what();
    }
    return "accepted";
}

void putU16(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
    b[at] = static_cast<std::uint8_t>(v);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

// Where the directory entry and the picture of entry 1 (32x32, 4 bits) start.
constexpr std::size_t kEntry1 = 6 + 16;
std::size_t picture1(const std::vector<std::uint8_t>& f) {
    return u32At(f, kEntry1 + 12);
}

TEST(IcoReaderTest, RejectsDamagedFilesNamingTheProblem) {
    using File = std::vector<std::uint8_t>;
    struct Damage {
        const char* what;
        void (*apply)(File&);
        const char* message;
    };
    const Damage damages[] = {
        {"header cut short", [](File& f) { f.resize(4); }, "icon truncated"},
        {"directory cut short", [](File& f) { f.resize(40); }, "icon truncated"},
        {"last picture cut short", [](File& f) { f.pop_back(); }, "icon truncated"},
        {"reserved word", [](File& f) { f[1] = 1; }, "icon reserved word"},
        {"cursor", [](File& f) { putU16(f, 2, 2); }, "icon type"},
        {"no pictures", [](File& f) { putU16(f, 4, 0); }, "picture count"},
        {"offset past the end",
         [](File& f) { putU32(f, kEntry1 + 12, static_cast<std::uint32_t>(f.size() + 1)); },
         "icon entry 1 picture offset"},
        {"offset into the directory", [](File& f) { putU32(f, kEntry1 + 12, 30); },
         "icon entry 1 picture offset"},
        {"size past the end", [](File& f) { putU32(f, kEntry1 + 8, 0x7FFFFFFF); },
         "icon truncated: icon entry 1"},
        {"pictures sharing bytes",
         [](File& f) { putU32(f, kEntry1 + 16 + 12, u32At(f, kEntry1 + 12) + 8); },
         "icon entry 2 picture at offset"},
        {"entry reserved byte", [](File& f) { f[kEntry1 + 3] = 1; }, "icon entry 1 reserved byte"},
        {"entry planes", [](File& f) { putU16(f, kEntry1 + 4, 2); }, "icon entry 1 plane count"},
        {"entry colour count", [](File& f) { f[kEntry1 + 2] = 8; }, "icon entry 1 colour count"},
        {"entry bit depth", [](File& f) { putU16(f, kEntry1 + 6, 8); },
         "icon entry 1 bit depth in the directory"},
        {"picture smaller than its header", [](File& f) { putU32(f, kEntry1 + 8, 20); },
         "icon entry 1 picture size 20 is shorter"},
        {"picture size field", [](File& f) { putU32(f, kEntry1 + 8, u32At(f, kEntry1 + 8) - 4); },
         "icon entry 1 picture size is"},
        {"header size", [](File& f) { putU32(f, picture1(f), 108); },
         "icon entry 1 information header size is 108, expected 40"},
        {"width", [](File& f) { putU32(f, picture1(f) + 4, 16); }, "icon entry 1 bitmap width"},
        {"height without the mask", [](File& f) { putU32(f, picture1(f) + 8, 32); },
         "icon entry 1 bitmap height (colour bitmap and mask, bottom-up) is 32, expected 64"},
        {"top-down rows",
         [](File& f) { putU32(f, picture1(f) + 8, static_cast<std::uint32_t>(-64)); },
         "bitmap height (colour bitmap and mask, bottom-up) is -64"},
        {"bitmap planes", [](File& f) { putU16(f, picture1(f) + 12, 2); },
         "icon entry 1 bitmap plane count"},
        {"unsupported depth", [](File& f) { putU16(f, picture1(f) + 14, 24); },
         "icon entry 1 bit depth (bits per pixel) is 24"},
        {"depth differing from the directory", [](File& f) { putU16(f, picture1(f) + 14, 1); },
         "icon entry 1 bit depth in the directory is 4, expected 1"},
        {"compression", [](File& f) { putU32(f, picture1(f) + 16, 2); },
         "icon entry 1 compression"},
        {"image size field", [](File& f) { putU32(f, picture1(f) + 20, 100); },
         "icon entry 1 image size field"},
        {"short palette", [](File& f) { putU32(f, picture1(f) + 32, 8); },
         "icon entry 1 colours used is 8"},
    };
    for (const Damage& d : damages) {
        SCOPED_TRACE(d.what);
        File file = storedCopy();
        d.apply(file);
        EXPECT_THAT(rejection(file), HasSubstr(d.message));
    }
    EXPECT_EQ(rejection(storedCopy()), "accepted");
}

// Odd widths leave part-filled bytes and padded rows in both the colour bitmap and the mask.
TEST(IcoReaderTest, DecodesWhatTheWriterEncodesPixelForPixel) {
    auto picture = [](int width, int height, std::span<const XpmColour> palette) {
        XpmImage image;
        image.file = "test";
        image.width = width;
        image.height = height;
        for (const XpmColour& c : palette)
            image.colours.push_back({"", c, 0});
        image.colours.push_back({"", {0, 0, 0, true}, 0});
        for (int i = 0; i < width * height; ++i) {
            // Every colour and the transparent one, in a pattern that differs row to row.
            image.pixels.push_back(static_cast<std::uint16_t>(
                (i * 7 + i / width) % static_cast<int>(image.colours.size())));
        }
        return image;
    };
    const XpmImage colour = picture(5, 3, palettes::kVga16);
    const XpmImage mono = picture(9, 4, palettes::kMonochrome);
    const std::vector<IconImage> decoded =
        IcoReader::read(IcoWriter::encode({{&colour, 4}, {&mono, 1}}));
    ASSERT_EQ(decoded.size(), 2u);

    const std::pair<const XpmImage*, const IconImage*> pairs[] = {{&colour, &decoded[0]},
                                                                  {&mono, &decoded[1]}};
    for (const auto& [source, result] : pairs) {
        SCOPED_TRACE(std::to_string(source->width) + "x" + std::to_string(source->height));
        ASSERT_EQ(result->width, source->width);
        ASSERT_EQ(result->height, source->height);
        ASSERT_EQ(result->pixels.size(), static_cast<std::size_t>(source->width * source->height));
        for (int y = 0; y < source->height; ++y) {
            for (int x = 0; x < source->width; ++x) {
                const XpmColour& c = source->colourAt(x, y);
                const Rgba expected =
                    c.transparent ? Rgba{0, 0, 0, 0} : Rgba{c.red, c.green, c.blue, 255};
                EXPECT_EQ(result->pixel(x, y), expected) << "pixel " << x << "," << y;
            }
        }
    }
}

// The writer makes only 1 and 4 bits, so the 8-bit case is put together here: 3x1 pixels of
// palette entries 0, 200 and 255, the middle one masked.
TEST(IcoReaderTest, DecodesEightBitPicturesWithTheirFullPalette) {
    ByteWriter out;
    out.u16(0);
    out.u16(1);
    out.u16(1);
    const std::uint32_t bytes = 40 + 256 * 4 + 4 + 4;
    for (std::uint32_t v : {3u, 1u, 0u, 0u})
        out.u8(v);
    out.u16(1);
    out.u16(8);
    out.u32(bytes);
    out.u32(22);
    for (std::uint32_t v : {40u, 3u, 2u})
        out.u32(v);
    out.u16(1);
    out.u16(8);
    for (std::uint32_t v : {0u, 8u, 0u, 0u, 0u, 0u})
        out.u32(v);
    for (std::uint32_t i = 0; i < 256; ++i) {
        out.u8(i);        // blue
        out.u8(255 - i);  // green
        out.u8(7);        // red
        out.u8(0);
    }
    out.u32(0x00FFC800);  // indices 0, 200, 255 and a padding byte
    out.u32(0x40);        // mask bits 0 1 0
    const std::vector<IconImage> decoded = IcoReader::read(out.take());

    ASSERT_EQ(decoded.size(), 1u);
    const IconImage& image = decoded[0];
    EXPECT_EQ(image.bitsPerPixel, 8);
    EXPECT_EQ(image.palette.size(), 256u);
    ASSERT_EQ(image.pixels.size(), 3u);
    EXPECT_EQ(image.pixel(0, 0), (Rgba{7, 255, 0, 255}));
    EXPECT_EQ(image.pixel(1, 0), (Rgba{7, 55, 200, 0}));
    EXPECT_EQ(image.pixel(2, 0), (Rgba{7, 0, 255, 255}));
}

}  // namespace
}  // namespace morvane::test
