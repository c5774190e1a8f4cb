// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/scenario_format.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
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

// The replace is refused for lack of permission: the folder takes no new file, or, with the sticky
// bit of a shared folder, lets the user write another user's file but not replace it.
bool Refusal(int error)
{
    return error == EACCES || error == EPERM;
}

enum class Replaced
{
    Yes,
    Refused,
    Failed,
};

Replaced Replace_Failed(QString *why, int error)
{
    Fail(why, qt_error_string(error));
    return Refusal(error) ? Replaced::Refused : Replaced::Failed;
}

// Every byte, or false: a short write (a full disk, a file size limit) is a failure.
bool Write_All(int descriptor, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(descriptor, bytes.constData() + done,
                                        static_cast<std::size_t>(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = ENOSPC;
            return false;
        }
        done += written;
    }
    return true;
}

// The file a chain of symbolic links ends at, which is the one to replace; the path itself when
// the chain does not end.
QString Final_Path(const QString &path)
{
    QFileInfo file(path);
    for (int depth = 0; depth < 128 && file.isSymLink(); ++depth)
        file.setFile(file.symLinkTarget());
    return file.isSymLink() ? path : file.filePath();
}

// Writes the new file beside the old one and renames it over the old one, so that the folder holds
// the old file or the new, never a part. The new file takes the old one's permission bits. The
// errors are told apart here, where errno is still known: a refusal may be saved in place.
Replaced Replace_Whole(const QString &path, const QByteArray &bytes, QString *why)
{
    const QByteArray final_name = QFile::encodeName(Final_Path(path));
    struct stat old = {};
    const bool exists = ::stat(final_name.constData(), &old) == 0;
    // A file the user may not write is not replaced by one he may.
    if (exists && ::access(final_name.constData(), W_OK) != 0) {
        Fail(why, qt_error_string(errno));
        return Replaced::Failed;
    }
    QByteArray temporary;
    int descriptor = -1;
    for (int attempt = 0; descriptor < 0 && attempt < 100; ++attempt) {
        temporary =
            final_name + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        // Private while it is written when it will take the old file's bits.
        descriptor = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                            exists ? 0600 : 0666);
        if (descriptor < 0 && errno != EEXIST)
            break;
    }
    if (descriptor < 0)
        return Replace_Failed(why, errno);
    bool written = Write_All(descriptor, bytes) &&
                   (!exists || ::fchmod(descriptor, old.st_mode & 0777) == 0) &&
                   ::fsync(descriptor) == 0;
    int error = errno;
    if (::close(descriptor) != 0 && written) {
        written = false;
        error = errno;
    }
    if (written && ::rename(temporary.constData(), final_name.constData()) == 0)
        return Replaced::Yes;
    if (written)
        error = errno;
    ::unlink(temporary.constData());
    return Replace_Failed(why, error);
}

// Writes the file over its old bytes, for a folder where the file cannot be replaced. The old bytes
// are kept first and put back when any part of the write fails, so that a failed save leaves
// the file as it was. The file stays the same file: same owner, same hard links.
bool Save_In_Place(const QString &path, const QByteArray &bytes, QString *why)
{
    QFile file(path);
    // Unbuffered, so that a short write shows in the write itself; an existing file only, as a
    // shared folder may refuse an open that could create one.
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered | QIODevice::ExistingOnly))
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

    switch (Replace_Whole(path, bytes, why)) {
    case Replaced::Yes:
        return true;
    case Replaced::Refused:
        // A shared class folder can still hold a file the user may write.
        return target.isFile() && Save_In_Place(path, bytes, why);
    case Replaced::Failed:
        break;
    }
    return false;
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
