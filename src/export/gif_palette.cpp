// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/gif_palette.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace Export {

namespace {

int Distance(QRgb a, QRgb b)
{
    const int r = qRed(a) - qRed(b), g = qGreen(a) - qGreen(b), b_ = qBlue(a) - qBlue(b);
    return r * r + g * g + b_ * b_;
}

} // namespace

std::vector<QRgb> Choose_Colours(const Histogram &counts)
{
    std::vector<std::pair<QRgb, int>> colours(counts.begin(), counts.end());
    std::sort(colours.begin(), colours.end(), [](const auto &a, const auto &b) {
        return a.second != b.second ? a.second > b.second : a.first < b.first;
    });
    std::vector<QRgb> chosen;
    for (std::size_t i = 0; i < colours.size() && i < Max_Colours / 4; ++i)
        chosen.push_back(colours[i].first);
    if (colours.size() <= Max_Colours) {
        for (std::size_t i = chosen.size(); i < colours.size(); ++i)
            chosen.push_back(colours[i].first);
        return chosen;
    }
    std::vector<int> distance(colours.size(), std::numeric_limits<int>::max());
    const auto update = [&](QRgb added) {
        for (std::size_t i = 0; i < colours.size(); ++i)
            distance[i] = std::min(distance[i], Distance(colours[i].first, added));
    };
    for (QRgb colour : chosen)
        update(colour);
    while (chosen.size() < Max_Colours) {
        const auto farthest = std::max_element(distance.begin(), distance.end());
        const QRgb colour = colours[std::size_t(farthest - distance.begin())].first;
        chosen.push_back(colour);
        update(colour);
    }
    return chosen;
}

Palette::Palette(std::vector<QRgb> colours) : colours_(std::move(colours))
{
    for (std::size_t i = 0; i < colours_.size(); ++i)
        index_.emplace(colours_[i], static_cast<GifByteType>(i));
}

bool Palette::Holds(const Histogram &counts) const
{
    return std::all_of(counts.begin(), counts.end(),
                       [this](const auto &colour) { return Exact(colour.first); });
}

GifByteType Palette::Index_Of(QRgb colour)
{
    if (colour == last_colour_ && last_index_ >= 0)
        return static_cast<GifByteType>(last_index_);
    const auto found = index_.find(colour);
    const GifByteType index = found != index_.end() ? found->second : Nearest(colour);
    if (found == index_.end())
        index_.emplace(colour, index);
    last_colour_ = colour;
    last_index_ = index;
    return index;
}

ColorMapObject *Palette::Map() const
{
    int size = 2;
    while (size < static_cast<int>(colours_.size()) + 1)
        size *= 2;
    ColorMapObject *map = GifMakeMapObject(size, nullptr);
    if (!map)
        return nullptr;
    for (int i = 0; i < size; ++i) {
        const QRgb colour = i < static_cast<int>(colours_.size()) ? colours_[std::size_t(i)] : 0;
        map->Colors[i] = {static_cast<GifByteType>(qRed(colour)),
                          static_cast<GifByteType>(qGreen(colour)),
                          static_cast<GifByteType>(qBlue(colour))};
    }
    return map;
}

bool Palette::Exact(QRgb colour) const
{
    const auto found = index_.find(colour);
    return found != index_.end() && colours_[found->second] == colour;
}

GifByteType Palette::Nearest(QRgb colour) const
{
    std::size_t best = 0;
    int best_distance = -1;
    for (std::size_t i = 0; i < colours_.size(); ++i) {
        const int distance = Distance(colour, colours_[i]);
        if (best_distance < 0 || distance < best_distance) {
            best = i;
            best_distance = distance;
        }
    }
    return static_cast<GifByteType>(best);
}

} // namespace Export
