// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <optional>

class frm_dalvo;

// Export of pictures, data and animations from the window's set-up as it stands. The export
// dialog and the command line both go through Export_To_File.
namespace Exporting {

enum class Format
{
    Png,
    Svg,
    Pdf,
    Csv,
    Gif,
    Mp4,
    Webm
};

// The format a file name asks for by its extension (case-insensitive), or none.
std::optional<Format> Format_Of(const QString &path);
// The extension of a format's files, in lower case.
QString Suffix_Of(Format format);

// What a CSV file holds: the marked balls' history, or all balls' positions now.
enum class Csv_Content
{
    Marked_History,
    Positions
};

struct Options
{
    int Zoom = 100;                 // percent
    std::optional<float> Until;     // seconds; none: the end of the run (animations, data), the
                                    // window's present time (pictures)
    bool Slow = false;              // animations: each tick held for four frames
    std::optional<Csv_Content> Csv; // none: the marked balls' history while a ball is marked,
                                    // else all balls' positions
};

// Called with the frames done and their count; returning false cancels the export.
using Progress = std::function<bool(int done, int total)>;

// Writes `path` in the format its extension names, drawn or computed from the window's set-up
// (waves, ticked boxes, shown rows, marked balls, speeds, the graph strip) in a copy, so the
// window's own run is as before afterwards. Returns an empty string on success, otherwise what
// went wrong in plain words; a failed or cancelled export writes nothing and leaves an existing
// file of that name as it was.
QString Export_To_File(frm_dalvo &window, const QString &path, const Options &options,
                       const Progress &progress = {});

} // namespace Exporting
