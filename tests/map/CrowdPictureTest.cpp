#include "map/CrowdPicture.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <set>
#include <utility>
#include <vector>

namespace forgeline {
namespace {

constexpr Pixel Red = 0xFFFF0000u;
constexpr Pixel Blue = 0xFF0000FFu;
constexpr Pixel HalfGreen = 0x80008000u;

struct Picture {
    int width;
    int height;
    std::vector<Pixel> pixels;
    CrowdPicture crowd;

    Picture(int w, int h)
        : width(w), height(h), pixels(std::size_t(w * h), 0), crowd(pixels.data(), w, h, w) {}

    Pixel at(int x, int y) const { return pixels[std::size_t(y * width + x)]; }
};

CrowdSprite filled(int width, int height, Pixel colour) {
    return {width, height, std::vector<Pixel>(std::size_t(width * height), colour)};
}

// What drawing `front` over `back` leaves, in real numbers, channel by channel.
Pixel over(Pixel front, Pixel back) {
    const double room = 1 - (front >> 24) / 255.0;
    Pixel result = 0;
    for (const int shift : {0, 8, 16, 24}) {
        const double channel = ((front >> shift) & 0xFF) + ((back >> shift) & 0xFF) * room;
        result |= Pixel(std::lround(channel)) << shift;
    }
    return result;
}

bool near(Pixel a, Pixel b, int tolerance) {
    for (const int shift : {0, 8, 16, 24}) {
        if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > tolerance) {
            return false;
        }
    }
    return true;
}

TEST(CrowdPicture, SpriteLandsWhereItIsPutAndWhatFallsOutsideIsLeftOff) {
    struct Row {
        int left;
        int top;
    };
    // A 3x2 sprite in a 70x5 picture: inside, past each edge, across the 64th column.
    const Row rows[] = {{2, 1}, {-2, 0}, {68, 3}, {1, -1}, {62, 4}, {-3, 0}, {70, 0}, {0, 5}};
    for (const Row& row : rows) {
        Picture picture(70, 5);
        std::vector<Pixel> pixels(6);
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            pixels[i] = 0xFF000000u | Pixel(i + 1);
        }
        picture.crowd.putUnder({3, 2, pixels}, row.left, row.top);
        for (int y = 0; y < picture.height; ++y) {
            for (int x = 0; x < picture.width; ++x) {
                const int sx = x - row.left;
                const int sy = y - row.top;
                const bool inside = sx >= 0 && sx < 3 && sy >= 0 && sy < 2;
                EXPECT_EQ(picture.at(x, y), inside ? pixels[std::size_t(sy * 3 + sx)] : 0)
                    << row.left << "," << row.top << " at " << x << "," << y;
            }
        }
    }
}

TEST(CrowdPicture, WideSpriteWithHolesLandsWhereItIsPutAndLeavesItsHolesAlone) {
    // 70 pixels wide, a hole in every third one, in a 150x3 picture over a colour already laid.
    std::vector<Pixel> pixels(std::size_t(70 * 2));
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        pixels[i] = i % 3 == 1 ? 0 : 0xFF000000u | Pixel(i + 1);
    }
    const CrowdSprite sprite(70, 2, pixels);
    for (const int left : {-69, -66, -64, -63, -1, 0, 1, 63, 64, 65, 100, 149}) {
        Picture picture(150, 3);
        for (int x = 0; x < 150; x += 7) {
            picture.pixels[std::size_t(150 + x)] = HalfGreen;
        }
        const std::vector<Pixel> before = picture.pixels;
        picture.crowd.putUnder(sprite, left, 1);
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < 150; ++x) {
                const int sx = x - left;
                const Pixel was = before[std::size_t(y * 150 + x)];
                const Pixel laid =
                    sx >= 0 && sx < 70 && y >= 1 ? pixels[std::size_t((y - 1) * 70 + sx)] : 0;
                const Pixel expected = laid == 0 ? was : was == 0 ? laid : over(was, laid);
                EXPECT_TRUE(near(picture.at(x, y), expected, 1))
                    << left << " at " << x << "," << y << ": " << std::hex << picture.at(x, y)
                    << " for " << expected;
            }
        }
    }
}

TEST(CrowdPicture, LaidFromTheTopDownItEqualsDrawingFromTheBottomUp) {
    // Overlapping sprites of edges and holes, listed from the top down.
    std::vector<Pixel> ring(25, 0);
    for (std::size_t i = 0; i < ring.size(); ++i) {
        ring[i] = i % 5 == 0 || i % 7 == 0 ? 0x40102030u : (i % 3 == 0 ? 0 : 0xC0603010u);
    }
    const std::vector<std::pair<CrowdSprite, std::pair<int, int>>> sprites = {
        {CrowdSprite(5, 5, ring), {1, 1}},
        {filled(4, 4, HalfGreen), {3, 2}},
        {CrowdSprite(5, 5, ring), {2, 3}},
        {filled(3, 6, 0xFF202020u), {0, 0}}};
    Picture picture(8, 8);
    for (const auto& [sprite, place] : sprites) {
        picture.crowd.putUnder(sprite, place.first, place.second);
    }
    std::vector<Pixel> expected(64, 0);
    for (auto layer = sprites.rbegin(); layer != sprites.rend(); ++layer) {
        const auto& [sprite, place] = *layer;
        for (int y = 0; y < sprite.height(); ++y) {
            for (int x = 0; x < sprite.width(); ++x) {
                Pixel& pixel = expected[std::size_t((place.second + y) * 8 + place.first + x)];
                pixel = over(sprite.row(y)[x], pixel);
            }
        }
    }
    for (int i = 0; i < 64; ++i) {
        EXPECT_TRUE(near(picture.pixels[std::size_t(i)], expected[std::size_t(i)], 2))
            << "pixel " << i << ": " << std::hex << picture.pixels[std::size_t(i)] << " against "
            << expected[std::size_t(i)];
    }
}

TEST(CrowdPicture, AnOpaquePixelHidesWhatIsLaidUnderIt) {
    Picture picture(130, 20);
    picture.crowd.putUnder(filled(128, 16, Red), 1, 2);
    picture.crowd.putUnder(filled(130, 20, Blue), 0, 0);
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 130; ++x) {
            const bool covered = x >= 1 && x < 129 && y >= 2 && y < 18;
            ASSERT_EQ(picture.at(x, y), covered ? Red : Blue) << x << "," << y;
        }
    }
}

TEST(CrowdPicture, AWholeCoverLeavesOnlyTheUncoveredPixelsToShow) {
    // Picture sides that are no multiple of the tiles it keeps count in; each row leaves one
    // pixel uncovered, at a corner, an edge or inside.
    const std::pair<int, int> rows[] = {{19, 17}, {0, 0}, {7, 17}, {19, 5}, {16, 16}, {15, 15}};
    for (const auto& [openX, openY] : rows) {
        Picture picture(20, 18);
        std::vector<Pixel> cover(20 * 18, Red);
        cover[std::size_t(openY * 20 + openX)] = 0;
        picture.crowd.putUnder({20, 18, cover}, 0, 0);
        picture.crowd.putUnder(filled(20, 18, Blue), 0, 0);
        picture.crowd.putUnder(filled(2, 2, HalfGreen), openX - 1, openY - 1);
        for (int y = 0; y < 18; ++y) {
            for (int x = 0; x < 20; ++x) {
                ASSERT_EQ(picture.at(x, y), x == openX && y == openY ? Blue : Red)
                    << openX << "," << openY << " at " << x << "," << y;
            }
        }
    }
}

TEST(CrowdPicture, FaintEdgesLaidManyTimesTurnOpaque) {
    const Pixel faint = 0x0A0A0000u;
    Picture picture(1, 1);
    for (int layer = 0; layer < 300; ++layer) {
        picture.crowd.putUnder(filled(1, 1, faint), 0, 0);
    }
    EXPECT_EQ(picture.at(0, 0) >> 24, 0xFFu);
    // Once opaque, nothing under it shows.
    const Pixel before = picture.at(0, 0);
    picture.crowd.putUnder(filled(1, 1, Blue), 0, 0);
    EXPECT_EQ(picture.at(0, 0), before);
}

std::set<std::pair<int, int>> drawnPixels(const Picture& picture) {
    std::set<std::pair<int, int>> drawn;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            if (picture.at(x, y) != 0) {
                EXPECT_EQ(picture.at(x, y), Red);
                drawn.insert({x, y});
            }
        }
    }
    return drawn;
}

TEST(CrowdPicture, LinesRunFromThePixelOfOneEndToThatOfTheOther) {
    struct Row {
        double x0, y0, x1, y1;
        int thickness;
        std::set<std::pair<int, int>> pixels;
    };
    const Row rows[] = {{1.5, 1.5, 4.9, 1.2, 1, {{1, 1}, {2, 1}, {3, 1}, {4, 1}}},
                        {4.2, 1.7, 1.0, 1.0, 1, {{1, 1}, {2, 1}, {3, 1}, {4, 1}}},
                        {2.5, 0.5, 2.5, 3.5, 1, {{2, 0}, {2, 1}, {2, 2}, {2, 3}}},
                        {0.5, 0.5, 3.5, 3.5, 1, {{0, 0}, {1, 1}, {2, 2}, {3, 3}}},
                        {3.5, 0.5, 0.5, 3.5, 1, {{3, 0}, {2, 1}, {1, 2}, {0, 3}}},
                        {0.5, 0.5, 4.5, 2.5, 1, {{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 2}}},
                        {4.5, 2.5, 0.5, 0.5, 1, {{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 2}}},
                        {2.5, 2.5, 2.5, 2.5, 1, {{2, 2}}},
                        // Widened across its longer direction.
                        {1.5, 2.5, 3.5, 2.5, 2, {{1, 2}, {2, 2}, {3, 2}, {1, 3}, {2, 3}, {3, 3}}},
                        {1.5, 1.5, 1.5, 2.5, 3, {{0, 1}, {1, 1}, {2, 1}, {0, 2}, {1, 2}, {2, 2}}},
                        // Past the picture's edges only what lies inside is drawn.
                        {-2.5, 0.5, 1.5, 0.5, 1, {{0, 0}, {1, 0}}},
                        {6.5, 3.5, 3.5, 6.5, 1, {{5, 4}, {4, 5}, {3, 6}}},
                        {-3.5, -3.5, -0.5, -0.5, 1, {}}};
    for (const Row& row : rows) {
        Picture picture(6, 7);
        picture.crowd.lineUnder(row.x0, row.y0, row.x1, row.y1, Red, row.thickness);
        EXPECT_EQ(drawnPixels(picture), row.pixels)
            << row.x0 << "," << row.y0 << " to " << row.x1 << "," << row.y1;
    }
}

TEST(CrowdPicture, ALineUnderOpaquePixelsShowsOnlyBesideThem) {
    Picture picture(6, 3);
    picture.crowd.putUnder(filled(2, 3, Blue), 2, 0);
    picture.crowd.lineUnder(0.5, 1.5, 5.5, 1.5, Red, 1);
    for (int x = 0; x < 6; ++x) {
        EXPECT_EQ(picture.at(x, 1), x == 2 || x == 3 ? Blue : Red) << x;
    }

    // A thick line along the lower edge of an opaque square still shows below it.
    Picture square(16, 32);
    square.crowd.putUnder(filled(16, 16, Blue), 0, 0);
    square.crowd.lineUnder(2.5, 15.5, 10.5, 15.5, Red, 3);
    for (int x = 0; x < 16; ++x) {
        EXPECT_EQ(square.at(x, 16), x >= 2 && x <= 10 ? Red : 0) << x;
        EXPECT_EQ(square.at(x, 15), Blue) << x;
    }
}

TEST(CrowdPicture, DrawnInBandsTheCrowdIsWhatOnePictureOfItDraws) {
    // A crowd across many bands of rows: marks past every edge, lines thick and thin, some
    // across a band's border, some hidden under the marks.
    std::vector<Pixel> ring(13 * 11, 0);
    for (std::size_t i = 0; i < ring.size(); ++i) {
        ring[i] = i % 4 == 0 ? 0x60203040u : (i % 5 == 0 ? 0 : 0xFF102030u + Pixel(i));
    }
    const CrowdSprite sprites[] = {CrowdSprite(13, 11, ring), filled(7, 40, HalfGreen),
                                   filled(3, 3, Red)};
    // On top of the others, two marks whose last row is the first of a band.
    std::vector<CrowdMark> marks = {{&sprites[0], 5, 64 - 10}, {&sprites[1], 30, 128 - 39}};
    std::vector<CrowdLine> lines;
    unsigned seed = 7;
    const auto next = [&seed](int below) {
        seed = seed * 1103515245u + 12345u;
        return int((seed >> 8) % unsigned(below));
    };
    for (int i = 0; i < 400; ++i) {
        marks.push_back({&sprites[i % 3], next(110) - 20, next(230) - 20});
        const double x = next(900) / 10.0 - 10;
        const double y = next(2100) / 10.0 - 10;
        lines.push_back({x, y, x + next(400) / 10.0 - 20, y + next(400) / 10.0 - 20});
    }
    // Flat lines beside a band's border, whose thickness alone takes them across it.
    const std::vector<CrowdLine> borderLines = {{60.5, 63.5, 66.5, 63.2},
                                                {60.5, 128.5, 66.5, 128.9}};
    for (const auto& [crowdMarks, crowdLines] :
         {std::pair{marks, lines}, std::pair{std::vector<CrowdMark>{}, borderLines}}) {
        for (const int thickness : {1, 2, 3}) {
            Picture whole(70, 190);
            for (const CrowdMark& mark : crowdMarks) {
                whole.crowd.putUnder(*mark.sprite, mark.left, mark.top);
            }
            for (const CrowdLine& line : crowdLines) {
                whole.crowd.lineUnder(line.x0, line.y0, line.x1, line.y1, Blue, thickness);
            }
            // Drawn into a wider picture that holds another already, whose pixels past the
            // crowd's are left alone.
            std::vector<Pixel> banded(std::size_t(75 * 190), 0x80402010u);
            DrawCrowd(crowdMarks, crowdLines, Blue, thickness, banded.data(), 70, 190, 75);
            for (int y = 0; y < 190; ++y) {
                for (int x = 0; x < 75; ++x) {
                    ASSERT_EQ(banded[std::size_t(y * 75 + x)],
                              x < 70 ? whole.at(x, y) : 0x80402010u)
                        << thickness << " at " << x << "," << y;
                }
            }
        }
    }
}

TEST(CrowdSprite, EachPixelThatShowsHasItsBit) {
    std::vector<Pixel> pixels(std::size_t(70 * 2), 0);
    for (const int x : {0, 5, 63, 64, 69}) {
        pixels[std::size_t(70 + x)] = 9;
    }
    const CrowdSprite sprite(70, 2, pixels);
    ASSERT_EQ(sprite.wordsPerRow(), 2u);
    EXPECT_EQ(sprite.shown(0)[0], 0u);
    EXPECT_EQ(sprite.shown(0)[1], 0u);
    EXPECT_EQ(sprite.shown(1)[0], (1ull << 0) | (1ull << 5) | (1ull << 63));
    EXPECT_EQ(sprite.shown(1)[1], (1ull << 0) | (1ull << 5));
}

} // namespace
} // namespace forgeline
