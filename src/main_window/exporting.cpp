// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/exporting.h"

#include "controls/placement.h"
#include "main_window/export_files.h"
#include "main_window/export_run.h"
#include "main_window/frm_dalvo.h"

#include <QFileInfo>
#include <QSaveFile>

namespace Exporting {

namespace {

// Each format's file extension, both ways.
constexpr std::pair<const char *, Format> Extensions[] = {
    {"png", Format::Png}, {"svg", Format::Svg}, {"pdf", Format::Pdf},   {"csv", Format::Csv},
    {"gif", Format::Gif}, {"mp4", Format::Mp4}, {"webm", Format::Webm},
};

} // namespace

std::optional<Format> Format_Of(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const auto &[name, format] : Extensions)
        if (suffix == QLatin1String(name))
            return format;
    return std::nullopt;
}

QString Suffix_Of(Format format)
{
    for (const auto &[name, listed] : Extensions)
        if (listed == format)
            return QLatin1String(name);
    return {};
}

QString Export_To_File(frm_dalvo &window, const QString &path, const Options &options,
                       const Progress &progress)
{
    const std::optional<Format> format = Format_Of(path);
    if (format == Format::Gif || format == Format::Mp4 || format == Format::Webm)
        return Write_Animation(window, path, *format, options, progress);
    if (!format)
        return QStringLiteral("Unknown file type: %1").arg(QFileInfo(path).fileName());
    // A time asked for is drawn from a copy run to it; otherwise the window as it stands.
    const std::unique_ptr<frm_dalvo> copy =
        options.Until ? Run_Copy(window, *options.Until) : nullptr;
    frm_dalvo &source = copy ? *copy : window;
    // Written beside the old file and renamed over it only when whole.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("Could not write %1: %2").arg(path, file.errorString());
    bool written = false;
    if (format == Format::Png)
        written = Render_At_Zoom(source, options.Zoom / 100.0).save(&file, "PNG");
    else if (format == Format::Svg)
        written = Write_Svg(source, file);
    else if (format == Format::Pdf)
        written = Write_Pdf(source, file);
    else
        written = file.write(Csv_Of(source, options.Csv)) >= 0;
    if (!written || !file.commit())
        return QStringLiteral("Could not write %1: %2").arg(path, file.errorString());
    return {};
}

} // namespace Exporting
