#include "map/CrowdPicture.h"

#include "map/BandBins.h"
#include "map/MapGeometry.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <cstdlib>
#include <latch>
#include <optional>
#include <thread>
#include <utility>

namespace forgeline {
namespace {

constexpr Pixel OpaqueAlpha = 0xFF000000u;
constexpr unsigned WordBits = 64;
constexpr int TileSide = 16;
// Rows of a band: its pixels, some hundred kilobytes, stay in the cache while it is drawn.
constexpr int BandRows = 64;
constexpr int MostThreads = 4;

// Each channel of the pixel times alpha / 255, rounded; two channels at a time.
Pixel scaled(Pixel pixel, Pixel alpha) {
    Pixel redBlue = (pixel & 0x00FF00FFu) * alpha;
    redBlue = ((redBlue + ((redBlue >> 8) & 0x00FF00FFu) + 0x00800080u) >> 8) & 0x00FF00FFu;
    Pixel alphaGreen = ((pixel >> 8) & 0x00FF00FFu) * alpha;
    alphaGreen = (alphaGreen + ((alphaGreen >> 8) & 0x00FF00FFu) + 0x00800080u) & 0xFF00FF00u;
    return alphaGreen | redBlue;
}

// Lays `colour` under the pixel, which is not opaque yet; whether it is now.
inline bool under(Pixel& pixel, Pixel colour) {
    if (pixel == 0) {
        pixel = colour;
        return pixel >= OpaqueAlpha;
    }
    const Pixel room = 255 - (pixel >> 24);
    // Alpha is rounded up, so that a pixel under many faint edges does turn opaque, as those
    // edges drawn over each other would leave it; rounded down it would stop short forever.
    const Pixel alpha = ((colour >> 24) * room + 254) / 255;
    pixel += (scaled(colour, room) & 0x00FFFFFFu) | (alpha << 24);
    return pixel >= OpaqueAlpha;
}

// The pixel holding a point: pixel (i, j) spans [i, i + 1) x [j, j + 1).
int pixelOf(double at) {
    return WholeAtOrBelow(at);
}

} // namespace

CrowdSprite::CrowdSprite(int width, int height, std::vector<Pixel> pixels)
    : width_(width), height_(height), pixels_(std::move(pixels)),
      wordsPerRow_((std::size_t(width_) + WordBits - 1) / WordBits),
      shown_(wordsPerRow_ * std::size_t(height_)) {
    for (int y = 0; y < height_; ++y) {
        const Pixel* line = row(y);
        std::uint64_t* bits = shown_.data() + std::size_t(y) * wordsPerRow_;
        for (int x = 0; x < width_; ++x) {
            if (line[x] != 0) {
                bits[unsigned(x) / WordBits] |= std::uint64_t{1} << (unsigned(x) % WordBits);
            }
        }
    }
}

CrowdPicture::CrowdPicture(Pixel* pixels, int width, int height, std::ptrdiff_t stride)
    : pixels_(pixels), width_(std::max(width, 0)), height_(std::max(height, 0)), stride_(stride),
      wordsPerRow_((std::size_t(width_) + WordBits - 1) / WordBits + 2),
      opaque_(wordsPerRow_ * std::size_t(height_)),
      tilesPerRow_(std::size_t(width_ + TileSide - 1) / TileSide),
      tileOpen_(tilesPerRow_ * (std::size_t(height_ + TileSide - 1) / TileSide)) {
    for (std::size_t tile = 0; tile < tileOpen_.size(); ++tile) {
        const int column = int(tile % tilesPerRow_) * TileSide;
        const int row = int(tile / tilesPerRow_) * TileSide;
        tileOpen_[tile] = std::min(TileSide, width_ - column) * std::min(TileSide, height_ - row);
    }
    const unsigned used = unsigned(width_) % WordBits;
    for (std::size_t row = 0; row < std::size_t(height_); ++row) {
        std::uint64_t* words = opaque_.data() + row * wordsPerRow_;
        words[0] = ~std::uint64_t{0};
        words[wordsPerRow_ - 1] = ~std::uint64_t{0};
        if (used != 0) {
            words[wordsPerRow_ - 2] = ~std::uint64_t{0} << used;
        }
    }
}

bool CrowdPicture::hidden(int left, int top, int right, int bottom) const {
    const int lastRow = (std::min(bottom, height_) - 1) / TileSide;
    const int lastColumn = (std::min(right, width_) - 1) / TileSide;
    const int firstColumn = std::max(left, 0) / TileSide;
    for (int row = std::max(top, 0) / TileSide; row <= lastRow; ++row) {
        const int* tiles = tileOpen_.data() + std::size_t(row) * tilesPerRow_;
        for (int column = firstColumn; column <= lastColumn; ++column) {
            if (tiles[column] != 0) {
                return false;
            }
        }
    }
    return true;
}

int* CrowdPicture::tileRow(unsigned y) {
    return tileOpen_.data() + std::size_t(y / TileSide) * tilesPerRow_;
}

void CrowdPicture::blendUnder(unsigned x, unsigned y, Pixel colour) {
    std::uint64_t& word = opaque_[y * wordsPerRow_ + x / WordBits + 1];
    const unsigned bit = x % WordBits;
    if ((word >> bit & 1) == 0 && under(pixels_[std::ptrdiff_t(y) * stride_ + x], colour)) {
        word |= std::uint64_t{1} << bit;
        --tileRow(y)[x / TileSide];
    }
}

void CrowdPicture::putUnder(const CrowdSprite& sprite, int left, int top) {
    const int firstRow = std::max(0, -top);
    const int endRow = std::min(sprite.height(), height_ - top);
    if (firstRow >= endRow || left >= width_ || left + sprite.width() <= 0 ||
        hidden(left, top + firstRow, left + sprite.width(), top + endRow)) {
        return;
    }
    // The sprite's bits shifted to where its first pixel falls among the row's, which begin a
    // word before the picture's first pixel.
    constexpr long long Bits = WordBits;
    const long long start = static_cast<long long>(left) + Bits;
    const long long firstWord = start >= 0 ? start / Bits : -((Bits - 1 - start) / Bits);
    const auto shift = static_cast<unsigned>(start - firstWord * Bits);
    // Held apart from the members, which the stores below could otherwise change as far as the
    // compiler knows, so that it would read them anew for every row.
    const std::size_t wordsPerRow = wordsPerRow_;
    const std::size_t spriteWords = sprite.wordsPerRow();
    const std::ptrdiff_t stride = stride_;
    Pixel* pixels = pixels_ + std::ptrdiff_t(top + firstRow) * stride;
    std::uint64_t* words = opaque_.data() + std::size_t(top + firstRow) * wordsPerRow;
    // Lays the pixels of the row that `open` marks in its `word`, and marks those now opaque.
    const auto lay = [&](int row, std::uint64_t* rowWords, long long word, std::uint64_t open,
                         Pixel* rowPixels, const Pixel* from) {
        for (; open != 0; open &= open - 1) {
            const unsigned bit = unsigned(std::countr_zero(open));
            const int x = static_cast<int>((word - 1) * Bits) + int(bit);
            if (under(rowPixels[x], from[x])) {
                rowWords[word] |= std::uint64_t{1} << bit;
                --tileRow(unsigned(top + row))[unsigned(x) / TileSide];
            }
        }
    };
    // Only the sprite's pixels not yet opaque are visited, found a word of bits at a time.
    if (spriteWords == 1) {
        // A sprite at most a word wide, as a ship's is, lies across two words at most, both
        // within the row's: it starts less than a word before the picture and within it. Most
        // of its rows meet only opaque pixels, and are passed over with a few operations.
        const std::uint64_t* shown = sprite.shown(0);
        for (int row = firstRow; row < endRow; ++row, pixels += stride, words += wordsPerRow) {
            const std::uint64_t bits = shown[row];
            const std::uint64_t low = bits << shift & ~words[firstWord];
            // Shifted in two steps, so that a shift of 0 leaves nothing for the next word.
            const std::uint64_t high = bits >> (Bits - 1 - shift) >> 1 & ~words[firstWord + 1];
            if ((low | high) != 0) {
                const Pixel* from = sprite.row(row) - left;
                lay(row, words, firstWord, low, pixels, from);
                lay(row, words, firstWord + 1, high, pixels, from);
            }
        }
        return;
    }
    const auto rowWords = static_cast<long long>(wordsPerRow);
    for (int row = firstRow; row < endRow; ++row, pixels += stride, words += wordsPerRow) {
        const std::uint64_t* shown = sprite.shown(row);
        std::uint64_t carried = 0;
        for (std::size_t part = 0; part <= spriteWords; ++part) {
            const std::uint64_t bits = part < spriteWords ? shown[part] : 0;
            const long long word = firstWord + static_cast<long long>(part);
            const std::uint64_t placed = bits << shift | carried;
            carried = bits >> (Bits - 1 - shift) >> 1;
            if (word >= rowWords) {
                break;
            }
            if (word >= 0) {
                lay(row, words, word, placed & ~words[word], pixels, sprite.row(row) - left);
            }
        }
    }
}

void CrowdPicture::lineUnder(double x0, double y0, double x1, double y1, Pixel colour,
                             int thickness) {
    const int fromX = pixelOf(x0);
    const int fromY = pixelOf(y0);
    const int toX = pixelOf(x1);
    const int toY = pixelOf(y1);
    const int spread = thickness / 2 + 1;
    if (hidden(std::min(fromX, toX) - spread, std::min(fromY, toY) - spread,
               std::max(fromX, toX) + spread + 1, std::max(fromY, toY) + spread + 1)) {
        return;
    }
    const int steps = std::max({std::abs(toX - fromX), std::abs(toY - fromY), 1});
    // One pixel a step along the longer direction, a share of one along the other, in 1/65536.
    const long long stepX = (static_cast<long long>(toX - fromX) << 16) / steps;
    const long long stepY = (static_cast<long long>(toY - fromY) << 16) / steps;
    // A thick line is widened across its longer direction.
    const bool acrossY = std::abs(stepX) >= std::abs(stepY);
    const int firstOffset = -(thickness - 1) / 2;
    long long x = (static_cast<long long>(fromX) << 16) + 0x8000;
    long long y = (static_cast<long long>(fromY) << 16) + 0x8000;
    for (int step = 0; step <= steps; ++step, x += stepX, y += stepY) {
        for (int offset = firstOffset; offset < firstOffset + thickness; ++offset) {
            const int px = static_cast<int>(x >> 16) + (acrossY ? 0 : offset);
            const int py = static_cast<int>(y >> 16) + (acrossY ? offset : 0);
            if (px >= 0 && px < width_ && py >= 0 && py < height_) {
                blendUnder(unsigned(px), unsigned(py), colour);
            }
        }
    }
}

void DrawCrowd(const std::vector<CrowdMark>& marks, const std::vector<CrowdLine>& lines,
               Pixel lineColour, int thickness, Pixel* pixels, int width, int height,
               std::ptrdiff_t stride) {
    if (width <= 0 || height <= 0) {
        return;
    }
    const int bands = (height + BandRows - 1) / BandRows;
    // Marks by their rows, lines by the rows they may touch.
    const int spread = thickness / 2 + 1;
    std::optional<BandBins> bandMarks;
    std::optional<BandBins> bandLines;
    const auto fileMarks = [&] {
        bandMarks.emplace(bands, BandRows, marks.size(), [&marks](std::size_t i) {
            return std::pair{static_cast<long long>(marks[i].top),
                             static_cast<long long>(marks[i].top) + marks[i].sprite->height() - 1};
        });
    };
    const auto fileLines = [&] {
        bandLines.emplace(bands, BandRows, lines.size(), [&lines, spread](std::size_t i) {
            const int from = pixelOf(lines[i].y0);
            const int to = pixelOf(lines[i].y1);
            return std::pair{static_cast<long long>(std::min(from, to)) - spread,
                             static_cast<long long>(std::max(from, to)) + spread};
        });
    };
    const auto drawBand = [&](int band) {
        const int top = band * BandRows;
        const int rows = std::min(BandRows, height - top);
        // Cleared here, by the thread that draws the band, while its rows are in the cache.
        for (int row = top; row < top + rows; ++row) {
            std::fill_n(pixels + std::ptrdiff_t(row) * stride, width, Pixel{0});
        }
        CrowdPicture picture(pixels + std::ptrdiff_t(top) * stride, width, rows, stride);
        for (const std::size_t i : bandMarks->of(band)) {
            picture.putUnder(*marks[i].sprite, marks[i].left, marks[i].top - top);
        }
        for (const std::size_t i : bandLines->of(band)) {
            const CrowdLine& line = lines[i];
            picture.lineUnder(line.x0, line.y0 - top, line.x1, line.y1 - top, lineColour,
                              thickness);
        }
    };
    const int threads = std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1,
                                   std::min(MostThreads, bands));
    // The marks and the lines are filed at the same time, by the first two threads; then bands
    // go to whichever thread is free: some hold many more ships than others.
    std::latch filed(threads);
    std::atomic<int> nextBand{0};
    const auto work = [&](int thread) {
        if (thread == 0) {
            fileMarks();
        }
        if (thread == std::min(1, threads - 1)) {
            fileLines();
        }
        filed.arrive_and_wait();
        for (int band = nextBand++; band < bands; band = nextBand++) {
            drawBand(band);
        }
    };
    std::vector<std::thread> helpers;
    for (int thread = 1; thread < threads; ++thread) {
        helpers.emplace_back(work, thread);
    }
    work(0);
    for (std::thread& helper : helpers) {
        helper.join();
    }
}

} // namespace forgeline
