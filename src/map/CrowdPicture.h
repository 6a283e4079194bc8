#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace forgeline {

// Pixels are premultiplied 0xAARRGGBB: a colour channel never exceeds its pixel's alpha.
using Pixel = std::uint32_t;

// A small picture laid at every ship of a crowd, with a bit for each of its pixels that is not
// fully transparent.
class CrowdSprite {
  public:
    CrowdSprite() = default;
    // `pixels` holds `height` rows of `width` pixels.
    CrowdSprite(int width, int height, std::vector<Pixel> pixels);

    int width() const { return width_; }
    int height() const { return height_; }
    const Pixel* row(int y) const { return pixels_.data() + std::ptrdiff_t(y) * width_; }
    // Words of 64 bits a row; bit i of word j stands for pixel 64 j + i.
    std::size_t wordsPerRow() const { return wordsPerRow_; }
    const std::uint64_t* shown(int y) const {
        return shown_.data() + std::size_t(y) * wordsPerRow_;
    }

  private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Pixel> pixels_;
    std::size_t wordsPerRow_ = 0;
    std::vector<std::uint64_t> shown_;
};

// A picture of a crowd drawn from its top down: each sprite or line is laid under what is drawn
// already, and a pixel once opaque is never touched again. Tens of thousands of overlapping
// ships then cost about as much as the pixels they leave visible, not as all of theirs. The
// result is what drawing them from the bottom up, each over the last, would give.
class CrowdPicture {
  public:
    // Draws into `pixels`, which must start fully transparent: `height` rows of `width`
    // pixels, `stride` pixels from the start of one row to the next.
    CrowdPicture(Pixel* pixels, int width, int height, std::ptrdiff_t stride);

    // The sprite's top-left pixel at (left, top); whatever falls outside the picture is left off.
    void putUnder(const CrowdSprite& sprite, int left, int top);
    // A line of opaque `colour`, `thickness` pixels across, from the pixel holding (x0, y0) to
    // the one holding (x1, y1).
    void lineUnder(double x0, double y0, double x1, double y1, Pixel colour, int thickness);

  private:
    // Whether every pixel of the picture from (left, top) to before (right, bottom) is opaque.
    bool hidden(int left, int top, int right, int bottom) const;
    void blendUnder(unsigned x, unsigned y, Pixel colour);
    // The counts of the tiles that row `y` crosses.
    int* tileRow(unsigned y);

    Pixel* pixels_;
    int width_;
    int height_;
    std::ptrdiff_t stride_;
    // One bit a pixel, set once it is opaque, so that the covered pixels of a sprite's row are
    // passed over a word at a time. A row's bits start one word in, and a word past its end:
    // the bits of those words and past the width start set, so what falls outside the picture
    // is never laid.
    std::size_t wordsPerRow_;
    std::vector<std::uint64_t> opaque_;
    // How many pixels of each square tile are not opaque yet, so that a ship hidden by those
    // drawn already is passed over with a few looks.
    std::size_t tilesPerRow_;
    std::vector<int> tileOpen_;
};

// A sprite laid with its top-left pixel at (left, top), and a line from the pixel holding
// (x0, y0) to the one holding (x1, y1).
struct CrowdMark {
    const CrowdSprite* sprite;
    int left;
    int top;
};
struct CrowdLine {
    double x0, y0, x1, y1;
};

// Draws a crowd into `pixels`, whatever they held: `height` rows of `width` pixels, `stride`
// pixels from the start of one row to the next, those past `width` left alone. The marks go from
// the first, which is on top, to the last, then the lines under them all, of opaque
// `lineColour`, `thickness` pixels across. It is drawn as a CrowdPicture over the whole would draw
// it, a band of rows at a time: a band's pixels stay in the processor's cache while all its marks
// are laid, and the bands are shared among the processor's cores.
void DrawCrowd(const std::vector<CrowdMark>& marks, const std::vector<CrowdLine>& lines,
               Pixel lineColour, int thickness, Pixel* pixels, int width, int height,
               std::ptrdiff_t stride);

} // namespace forgeline
