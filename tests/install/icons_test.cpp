// The application icon's PNGs: the ten sizes that the icon theme and the
// Windows icon resource use, each 8 bits per channel with alpha, and each the
// current rendering of the one SVG. The renderer draws the same pixels each
// time, but a newer renderer may round edges a little differently, so the
// comparison allows a few levels per channel; a real change to the artwork is
// far outside that.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <QImage>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int Sizes[] = {256, 128, 96, 64, 48, 40, 32, 24, 20, 16};
constexpr int Tolerance = 4;
const fs::path IconFolder = fs::path(TINTWELL_SOURCE_DIR) / "resources" / "icon";

fs::path Png(const fs::path& folder, int size) {
    return folder / ("tintwell-" + std::to_string(size) + ".png");
}

QImage Load(const fs::path& path) {
    return QImage(QString::fromStdString(path.string())).convertToFormat(QImage::Format_ARGB32);
}

// The PNG header's width, height, bit depth and colour type.
struct PngHeader {
    std::uint32_t width = 0, height = 0;
    int depth = 0, colorType = -1;
};

PngHeader ReadHeader(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    unsigned char b[26] = {};
    in.read(reinterpret_cast<char*>(b), sizeof b);
    auto be32 = [&](int i) {
        return std::uint32_t(b[i]) << 24 | std::uint32_t(b[i + 1]) << 16 |
               std::uint32_t(b[i + 2]) << 8 | b[i + 3];
    };
    if (!in || std::string(reinterpret_cast<char*>(b) + 12, 4) != "IHDR") return {};
    return {be32(16), be32(20), b[24], b[25]};
}

TEST(Icon, SizesFileListsTheTenSizes) {
    std::ifstream in(IconFolder / "sizes.txt");
    std::vector<int> listed;
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with('#')) continue;
        std::istringstream words(line);
        for (int size; words >> size;)
            listed.push_back(size);
    }
    EXPECT_EQ(listed, std::vector<int>(std::begin(Sizes), std::end(Sizes)));
}

TEST(Icon, EveryPngIsSquareRgbaOfItsSizeWithATransparentBackground) {
    for (int size : Sizes) {
        SCOPED_TRACE("size " + std::to_string(size));
        const PngHeader header = ReadHeader(Png(IconFolder, size));
        EXPECT_EQ(header.width, std::uint32_t(size));
        EXPECT_EQ(header.height, std::uint32_t(size));
        EXPECT_EQ(header.depth, 8);
        EXPECT_EQ(header.colorType, 6) << "not RGBA: 32 bits per pixel with alpha";

        // The corners lie outside the artwork; the middle of the front swatch
        // is solid.
        const QImage image = Load(Png(IconFolder, size));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(image.pixel(size - 1, 0)), 0);
        EXPECT_EQ(qAlpha(image.pixel(0, size - 1)), 0);
        EXPECT_EQ(qAlpha(image.pixel(size * 150 / 256, size * 220 / 256)), 255);
    }
}

TEST(Icon, CommittedPngsAreTheCurrentRenderingOfTheSvg) {
    const fs::path fresh =
        fs::temp_directory_path() / ("tintwell-icons-" + std::to_string(::getpid()));
    const std::string script = std::string(TINTWELL_SOURCE_DIR) + "/resources/render-icons.sh";
    ASSERT_EQ(std::system(("bash '" + script + "' '" + fresh.string() + "'").c_str()), 0)
        << "resources/render-icons.sh failed";

    for (int size : Sizes) {
        SCOPED_TRACE("size " + std::to_string(size));
        const QImage committed = Load(Png(IconFolder, size));
        const QImage rendered = Load(Png(fresh, size));
        ASSERT_EQ(committed.size(), rendered.size());
        int worst = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const QRgb a = committed.pixel(x, y), b = rendered.pixel(x, y);
                for (int shift : {0, 8, 16, 24})
                    worst =
                        std::max(worst, std::abs(int(a >> shift & 0xFF) - int(b >> shift & 0xFF)));
            }
        EXPECT_LE(worst, Tolerance)
            << Png(IconFolder, size)
            << " is stale: run resources/render-icons.sh and commit the PNGs";
    }
    fs::remove_all(fresh);
}

}  // namespace
