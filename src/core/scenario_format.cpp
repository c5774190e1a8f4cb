#include "core/scenario_format.h"

#include <QFileInfo>
#include <QSaveFile>

namespace Scenario {

namespace {

bool Fail(QString *why, const QString &reason)
{
    if (why)
        *why = reason;
    return false;
}

bool Is_Text(Field field)
{
    return field != Field::Wave && field != Field::Balls;
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
    const bool read = Is_Text(place.field) ? fields_.Read_Text(text_) : fields_.Read_Integer(number_);
    const auto i = static_cast<std::size_t>(place.wave);
    switch (place.field) {
    case Field::Speed_1:
        into.Speed_1 = text_;
        break;
    case Field::Speed_2:
        into.Speed_2 = text_;
        break;
    case Field::Wave:
        into.Wave.at(i) = number_;
        break;
    case Field::Amplitude:
        into.Amplitude.at(i) = text_;
        break;
    case Field::Frequency:
        into.Frequency.at(i) = text_;
        break;
    case Field::Balls:
        into.Balls.at(i) = number_;
        break;
    }
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
        const auto i = static_cast<std::size_t>(place.wave);
        switch (place.field) {
        case Field::Speed_1:
            written = written && out.Write_Text(set_up.Speed_1);
            break;
        case Field::Speed_2:
            written = written && out.Write_Text(set_up.Speed_2);
            break;
        case Field::Wave:
            written = written && out.Write_Integer(set_up.Wave.at(i));
            break;
        case Field::Amplitude:
            written = written && out.Write_Text(set_up.Amplitude.at(i));
            break;
        case Field::Frequency:
            written = written && out.Write_Text(set_up.Frequency.at(i));
            break;
        case Field::Balls:
            written = written && out.Write_Integer(set_up.Balls.at(i));
            break;
        }
    }
    return written || Fail(why, out.errorString());
}

bool Save_Set_Up(const QString &path, const Set_Up &set_up, QString *why)
{
    if (Names_No_File(path))
        return Fail(why, QStringLiteral("\"%1\" names no file").arg(path));
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return Fail(why, QStringLiteral("\"%1\" is not a plain file").arg(path));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Fail(why, file.errorString());
    if (!Write_Set_Up(&file, set_up, why)) {
        file.cancelWriting();
        return false;
    }
    // The fields sit in the device's buffer until here. A write that takes only part of them is
    // reported by flush() alone: commit() would go on and put a cut-off file in place.
    if (!file.flush()) {
        file.cancelWriting();
        return Fail(why, file.errorString());
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
