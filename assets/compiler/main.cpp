// Build-time tool: turns the XPM sources of the tile pictures and the program icon into
// BMP and ICO files and into a C++ source that builds those files into the program.
//
// morvane_asset_compiler --source OUT.cpp --bitmaps DIR --ico OUT.ico
//     --tiles T0 ... T62        (XPM files in Tile::index() order, the blank last)
//     --icon SIZE BPP FILE ...  (one per icon picture, in icon order; BPP 1 or 4)

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "assets/compiler/ArtworkRules.h"
#include "assets/compiler/AssetError.h"
#include "assets/compiler/BmpWriter.h"
#include "assets/compiler/IcoWriter.h"
#include "assets/compiler/SourceEmitter.h"
#include "assets/compiler/XpmParser.h"

namespace fs = std::filesystem;
using namespace morvane;

namespace {

constexpr std::size_t kTileCount = 63;

struct IconSource {
    int size;
    int bitsPerPixel;
    std::string path;
};

struct Options {
    std::string source;
    std::string bitmaps;
    std::string ico;
    std::vector<std::string> tiles;
    std::vector<IconSource> icons;
};

int parseNumber(const std::string& text) {
    std::size_t used = 0;
    int value = -1;
    try {
        value = std::stoi(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != text.size())
        throw AssetError("expected a number but got '" + text + "'");
    return value;
}

Options parseOptions(int argc, char** argv) {
    Options o;
    std::vector<std::string> args(argv + 1, argv + argc);
    auto value = [&](std::size_t& i) -> const std::string& {
        if (i + 1 >= args.size())
            throw AssetError(args[i] + " needs a value");
        return args[++i];
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--source") {
            o.source = value(i);
        } else if (a == "--bitmaps") {
            o.bitmaps = value(i);
        } else if (a == "--ico") {
            o.ico = value(i);
        } else if (a == "--tiles") {
            while (i + 1 < args.size() && args[i + 1].rfind("--", 0) != 0)
                o.tiles.push_back(args[++i]);
        } else if (a == "--icon") {
            const int size = parseNumber(value(i));
            const int bpp = parseNumber(value(i));
            if (bpp != 1 && bpp != 4)
                throw AssetError("--icon depth must be 1 or 4 bits per pixel");
            o.icons.push_back({size, bpp, value(i)});
        } else {
            throw AssetError("unknown argument '" + a + "'");
        }
    }
    if (o.source.empty() || o.bitmaps.empty() || o.ico.empty() || o.icons.empty()) {
        throw AssetError(
            "usage: --source OUT.cpp --bitmaps DIR --ico OUT.ico --tiles XPM... "
            "--icon SIZE BPP XPM...");
    }
    if (o.tiles.size() != kTileCount) {
        throw AssetError("expected " + std::to_string(kTileCount) + " tile sources, got " +
                         std::to_string(o.tiles.size()));
    }
    return o;
}

void writeFile(const fs::path& path, const void* data, std::size_t size) {
    if (path.has_parent_path())
        fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
    if (!out)
        throw AssetError(path.string() + ": cannot write");
}

void run(const Options& o) {
    std::vector<std::vector<std::uint8_t>> bitmaps;
    for (std::size_t i = 0; i < o.tiles.size(); ++i) {
        const XpmImage image = XpmParser::parseFile(o.tiles[i]);
        const std::string stem = fs::path(o.tiles[i]).stem().string();
        ArtworkRules::checkName(image, stem);
        if (i + 1 == o.tiles.size()) {
            ArtworkRules::checkBlank(image);
        } else {
            ArtworkRules::checkGlyph(image);
        }
        bitmaps.push_back(BmpWriter::encode(image));
        writeFile(fs::path(o.bitmaps) / (stem + ".bmp"), bitmaps.back().data(),
                  bitmaps.back().size());
    }

    std::vector<XpmImage> iconImages;
    for (const IconSource& s : o.icons) {
        iconImages.push_back(XpmParser::parseFile(s.path));
        ArtworkRules::checkName(iconImages.back(), fs::path(s.path).stem().string());
        ArtworkRules::checkIcon(iconImages.back(), s.size, s.bitsPerPixel);
    }
    std::vector<IconPicture> pictures;
    for (std::size_t i = 0; i < o.icons.size(); ++i) {
        pictures.push_back({&iconImages[i], o.icons[i].bitsPerPixel});
    }
    const std::vector<std::uint8_t> ico = IcoWriter::encode(pictures);
    writeFile(o.ico, ico.data(), ico.size());

    const std::string source = SourceEmitter::emit(bitmaps, ico);
    writeFile(o.source, source.data(), source.size());
}

}  // namespace

int main(int argc, char** argv) {
    try {
        run(parseOptions(argc, argv));
        return EXIT_SUCCESS;
    } catch (const std::exception& e) {
        std::cerr << "morvane_asset_compiler: " << e.what() << '\n';
        return EXIT_FAILURE;
    }
}
