#include <gmock/gmock.h>

#include "assets/BmpFormatError.h"
#include "assets/BmpReader.h"
#include "assets/BuiltInBitmaps.h"
#include "tests/assets/ArtworkTestSupport.h"

namespace morvane::test {
namespace {

using ::testing::HasSubstr;

std::vector<std::uint8_t> storedCopy() {
    const auto file = builtInTileBitmap(GlyphTile('A'));
    return {file.begin(), file.end()};
}

std::string rejection(const std::vector<std::uint8_t>& file) {
    try {
        BmpReader::read(file);
    } catch (const BmpFormatError& e) {
        return e.what();
    }
    return "accepted";
}

TEST(BmpReaderTest, RejectsDamagedFilesNamingTheProblem) {
    struct Damage {
        const char* what;
        void (*apply)(std::vector<std::uint8_t>&);
        const char* message;
    };
    const Damage damages[] = {
        {"pixel rows cut short",
         [](std::vector<std::uint8_t>& f) {
             f.resize(f.size() - 1);
             putU32(f, 2, static_cast<std::uint32_t>(f.size()));
         },
         "truncated"},
        {"headers cut short", [](std::vector<std::uint8_t>& f) { f.resize(30); }, "truncated"},
        {"file size field", [](std::vector<std::uint8_t>& f) { putU32(f, 2, 2605); }, "file size"},
        {"bit depth", [](std::vector<std::uint8_t>& f) { f[28] = 32; }, "bit depth"},
        {"magic", [](std::vector<std::uint8_t>& f) { f[1] = 'A'; }, "magic"},
        {"reserved word", [](std::vector<std::uint8_t>& f) { f[6] = 1; }, "reserved"},
        {"pixel offset", [](std::vector<std::uint8_t>& f) { putU32(f, 10, 58); }, "offset"},
        {"top-down rows",
         [](std::vector<std::uint8_t>& f) { putU32(f, 22, static_cast<std::uint32_t>(-29)); },
         "height"},
        {"compression", [](std::vector<std::uint8_t>& f) { putU32(f, 30, 1); }, "compression"},
        {"image size", [](std::vector<std::uint8_t>& f) { putU32(f, 34, 0); }, "image size"},
        {"resolution", [](std::vector<std::uint8_t>& f) { putU32(f, 38, 3780); }, "resolution"},
        {"colour table", [](std::vector<std::uint8_t>& f) { putU32(f, 46, 16); }, "colours used"},
        {"row padding", [](std::vector<std::uint8_t>& f) { f[54 + 87] = 7; }, "padding"},
    };
    for (const Damage& d : damages) {
        SCOPED_TRACE(d.what);
        std::vector<std::uint8_t> file = storedCopy();
        d.apply(file);
        EXPECT_THAT(rejection(file), HasSubstr(d.message));
    }
}

TEST(BmpReaderTest, ReadsAnUndamagedStoredFile) {
    EXPECT_EQ(rejection(storedCopy()), "accepted");
}

}  // namespace
}  // namespace morvane::test
