// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRgb>
#include <cstddef>
#include <gif_lib.h>
#include <unordered_map>
#include <vector>

// The colours of a GIF animation: one palette for all its frames, chosen from the colours the
// frames use, and each pixel's entry in it.
namespace Export {

// A GIF palette holds 256 entries; the last one used is kept for "unchanged".
inline constexpr std::size_t Max_Colours = 255;

using Histogram = std::unordered_map<QRgb, int>;

// The colours a palette is made of: all of them when they fit (the window has few), else half
// the most frequent ones, then each time the colour farthest from all chosen so far, so that no
// colour is far from its nearest; no dithering, so flat areas stay flat.
std::vector<QRgb> Choose_Colours(const Histogram &counts);

// The palette of an animation; the entry after its colours is the transparent one, which a frame
// uses for the pixels it leaves as they were.
class Palette
{
public:
    explicit Palette(std::vector<QRgb> colours);

    GifByteType Transparent() const { return static_cast<GifByteType>(colours_.size()); }
    QRgb Colour(GifByteType index) const { return colours_[index]; }
    // Holds every colour of the histogram as it is.
    bool Holds(const Histogram &counts) const;
    // The entry of a colour: its own, else the nearest (remembered for the next pixel of it).
    GifByteType Index_Of(QRgb colour);
    // The colour map GIF stores: a power of two entries, the transparent one included.
    ColorMapObject *Map() const;

private:
    bool Exact(QRgb colour) const;
    GifByteType Nearest(QRgb colour) const;

    std::vector<QRgb> colours_;
    std::unordered_map<QRgb, GifByteType> index_;
    QRgb last_colour_ = 0;
    int last_index_ = -1;
};

} // namespace Export
