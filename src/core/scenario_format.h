// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The scenario file as a whole: the magic line, then the set-up's fields in a fixed order. Read
// and written on any device, so tests and tools need neither a window nor a disk.

#include "core/scenario_fields.h"

#include <QString>
#include <array>

class QIODevice;

namespace Scenario {

// The whole set-up a scenario file holds, in file order after the magic.
struct Set_Up
{
    QString Speed_1, Speed_2;
    std::array<qint16, 4> Wave{};
    std::array<QString, 4> Amplitude, Frequency;
    std::array<qint16, 4> Balls{};
};

// One field of the file: what it holds and, for the per-wave fields, whose it is.
enum class Field
{
    Speed_1,
    Speed_2,
    Wave,
    Amplitude,
    Frequency,
    Balls,
};

struct Field_Place
{
    Field field;
    int wave = 0;
};

// The 18 fields after the magic, in file order: the speeds, the four wave boxes, then amplitude,
// frequency and component box of each wave.
// clang-format off
inline constexpr std::array<Field_Place, 18> Field_Order = {{
    {Field::Speed_1},      {Field::Speed_2},      {Field::Wave, 0},      {Field::Wave, 1},
    {Field::Wave, 2},      {Field::Wave, 3},      {Field::Amplitude, 0}, {Field::Frequency, 0},
    {Field::Balls, 0},     {Field::Amplitude, 1}, {Field::Frequency, 1}, {Field::Balls, 1},
    {Field::Amplitude, 2}, {Field::Frequency, 2}, {Field::Balls, 2},     {Field::Amplitude, 3},
    {Field::Frequency, 3}, {Field::Balls, 3},
}};
// clang-format on

// Reads a scenario field by field, so that a caller can act on each field as it is read. A text
// and an integer holding value are reused for every field of their type, as the file's first
// reader did: a field that fails to read leaves the value of the one before of its type, and
// that value is what lands in the set-up.
class Set_Up_Reader
{
public:
    explicit Set_Up_Reader(QIODevice *device) : fields_(device) {}

    // Reads the first line; false when it cannot be read.
    bool Read_Magic();
    // True once the first line read is the magic line.
    bool Is_Dalvo_File() const;
    // Reads the field at `place` and stores the holding value into its place in `into`, whether
    // the read succeeded (true) or not (false).
    bool Read(Field_Place place, Set_Up &into);
    QString errorString() const { return fields_.errorString(); }

private:
    Field_Reader fields_;
    QString text_;
    qint16 number_ = 0;
};

// Reads a whole scenario; false, with the reason, at the first field that fails.
bool Read_Set_Up(QIODevice *device, Set_Up &set_up, QString *why = nullptr);
// Writes a whole scenario; false, with the reason, at the first field that fails.
bool Write_Set_Up(QIODevice *device, const Set_Up &set_up, QString *why = nullptr);

// Saves a complete scenario file or nothing: an existing file is replaced only once the new one
// is whole, and a folder, device or pipe of that name is never replaced. Where the folder refuses
// the replace (read-only, or sticky with another user's file), a file the user may write is
// written over in place, and its old bytes are put back when that fails.
bool Save_Set_Up(const QString &path, const Set_Up &set_up, QString *why = nullptr);

// The folder and the name joined by one separator; a root folder already ends in one.
QString Join_Path(const QString &folder, const QString &name);

// The name with ".dlv" appended unless it already ends in ".dlv" or ".DLV" exactly.
QString With_Extension(const QString &name);

// A path whose name holds a wildcard ("*.dlv" from the pattern), or no name at all, names no file.
bool Names_No_File(const QString &path);

} // namespace Scenario
