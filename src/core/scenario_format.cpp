// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/scenario_format.h"

#include <QBuffer>
#include <QFileInfo>
#include <QSaveFile>

#include <unistd.h>

namespace Scenario {

namespace {

bool Fail(QString *why, const QString &reason)
{
    if (why)
        *why = reason;
    return false;
}

// Where a field lives in a set-up: a text field's caption, or null for the integer fields.
template <class Set_Up_Type> auto Text_At(Set_Up_Type &set_up, Field_Place place)
{
    const auto i = static_cast<std::size_t>(place.wave);
    switch (place.field) {
    case Field::Speed_1:
        return &set_up.Speed_1;
    case Field::Speed_2:
        return &set_up.Speed_2;
    case Field::Amplitude:
        return &set_up.Amplitude.at(i);
    case Field::Frequency:
        return &set_up.Frequency.at(i);
    default:
        return decltype(&set_up.Speed_1)(nullptr);
    }
}

// Where an integer field lives in a set-up.
template <class Set_Up_Type> auto Number_At(Set_Up_Type &set_up, Field_Place place)
{
    auto &numbers = place.field == Field::Wave ? set_up.Wave : set_up.Balls;
    return &numbers.at(static_cast<std::size_t>(place.wave));
}

} // namespace

bool Set_Up_Reader::Read_Magic()
{
    return fields_.Read_Text(text_);
}

bool Set_Up_Reader::Is_Dalvo_File() const
{
    return text_ == QLatin1String(Magic);
}

bool Set_Up_Reader::Read(Field_Place place, Set_Up &into)
{
    if (QString *text = Text_At(into, place)) {
        const bool read = fields_.Read_Text(text_);
        *text = text_;
        return read;
    }
    const bool read = fields_.Read_Integer(number_);
    *Number_At(into, place) = number_;
    return read;
}

bool Read_Set_Up(QIODevice *device, Set_Up &set_up, QString *why)
{
    Set_Up_Reader reader(device);
    if (!reader.Read_Magic())
        return Fail(why, reader.errorString());
    if (!reader.Is_Dalvo_File())
        return Fail(why, QStringLiteral("The first line is not \"%1\"").arg(QLatin1String(Magic)));
    for (const Field_Place &place : Field_Order)
        if (!reader.Read(place, set_up))
            return Fail(why, reader.errorString());
    return true;
}

bool Write_Set_Up(QIODevice *device, const Set_Up &set_up, QString *why)
{
    Field_Writer out(device);
    bool written = out.Write_Text(QString::fromLatin1(Magic));
    for (const Field_Place &place : Field_Order) {
        const QString *text = Text_At(set_up, place);
        written = written &&
                  (text ? out.Write_Text(*text) : out.Write_Integer(*Number_At(set_up, place)));
    }
    return written || Fail(why, out.errorString());
}

namespace {

// Writes the file over its old bytes, for a folder that takes no new file beside it. The old bytes
// are kept first and put back when any part of the write fails, so that a failed save leaves
// the file as it was. The file stays the same file: same owner, same hard links.
bool Save_In_Place(const QString &path, const QByteArray &bytes, QString *why)
{
    QFile file(path);
    // Unbuffered, so that a short write shows in the write itself.
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return Fail(why, file.errorString());
    if (file.size() > Max_File_Bytes)
        return Fail(why, QStringLiteral("\"%1\" is too large for a scenario file").arg(path));
    const QByteArray old = file.readAll();
    if (old.size() != file.size())
        return Fail(why, file.errorString());
    const auto written = [&file](const QByteArray &data) {
        return file.seek(0) && file.write(data) == data.size() && file.resize(data.size()) &&
               ::fsync(file.handle()) == 0;
    };
    if (written(bytes))
        return true;
    const QString reason = file.errorString();
    if (!written(old))
        return Fail(why, QStringLiteral("%1; the old file could not be put back").arg(reason));
    return Fail(why, reason);
}

} // namespace

bool Save_Set_Up(const QString &path, const Set_Up &set_up, QString *why)
{
    if (Names_No_File(path))
        return Fail(why, QStringLiteral("\"%1\" names no file").arg(path));
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return Fail(why, QStringLiteral("\"%1\" is not a plain file").arg(path));
    // The whole file first: a set-up that cannot be written touches no file.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!Write_Set_Up(&buffer, set_up, why))
        return false;

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        // A folder the user may not write (a class's shared folder) can still hold a file he may.
        if (target.isFile() && !QFileInfo(target.absolutePath()).isWritable())
            return Save_In_Place(path, bytes, why);
        return Fail(why, file.errorString());
    }
    // A write that takes only part of the bytes is reported by write() and flush() alone:
    // commit() would go on and put a cut-off file in place.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return Fail(why, reason);
    }
    return file.commit() || Fail(why, file.errorString());
}

QString Join_Path(const QString &folder, const QString &name)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

QString With_Extension(const QString &name)
{
    const QString last_four = name.right(4);
    if (last_four == QLatin1String(".dlv") || last_four == QLatin1String(".DLV"))
        return name;
    return name + QLatin1String(".dlv");
}

bool Names_No_File(const QString &path)
{
    const QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    return name.isEmpty() || name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?'));
}

} // namespace Scenario
