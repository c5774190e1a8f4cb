#include "scenario/scenario_file.h"

#include "main_window/frm_dalvo.h"
#include "main_window/message_box.h"
#include "scenario/frm_dalvo_files.h"
#include "scenario/scenario_fields.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace Scenario {

void Sorry(QWidget *parent, const QString &message)
{
    Message_Boxes::Message_Box(parent, message, QStringLiteral("Sorry ..."),
                               Message_Boxes::Ok_Only + Message_Boxes::Exclamation_Icon);
}

bool Write_Set_Up(const QString &path, const Set_Up &set_up, QString *why)
{
    const auto fail = [why](const QString &reason) {
        if (why)
            *why = reason;
        return false;
    };
    if (Names_No_File(path))
        return fail(QStringLiteral("\"%1\" names no file").arg(path));
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return fail(QStringLiteral("\"%1\" is not a plain file").arg(path));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    Field_Writer out(&file);
    bool written = out.Write_Text(QString::fromLatin1(Magic)) && out.Write_Text(set_up.Speed_1) &&
                   out.Write_Text(set_up.Speed_2);
    for (qint16 value : set_up.Wave)
        written = written && out.Write_Integer(value);
    for (std::size_t i = 0; i < 4; ++i) {
        written = written && out.Write_Text(set_up.Amplitude[i]) &&
                  out.Write_Text(set_up.Frequency[i]) && out.Write_Integer(set_up.Balls[i]);
    }
    if (!written) {
        file.cancelWriting();
        return fail(out.errorString());
    }
    // The fields sit in the device's buffer until here. A write that takes only part of them is
    // reported by flush() alone: commit() would go on and put a cut-off file in place.
    if (!file.flush()) {
        file.cancelWriting();
        return fail(file.errorString());
    }
    if (!file.commit())
        return fail(file.errorString());
    return true;
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

namespace Dalvo_module {

using namespace Scenario;

namespace {

// A reading step that did not succeed.
struct Step_Failed
{
};

void Open_For_Reading(QFile &file)
{
    // Only a plain file is opened: a folder cannot be read and a pipe could wait for ever.
    const QString name = file.fileName();
    if (Names_No_File(name) || !QFileInfo(name).isFile() || !file.open(QIODevice::ReadOnly))
        throw Step_Failed();
}

Set_Up Current_Set_Up(const frm_dalvo &form)
{
    Set_Up set_up;
    set_up.Speed_1 = form.lbl_c1->Caption();
    set_up.Speed_2 = form.lbl_c2->Caption();
    for (std::size_t i = 0; i < 4; ++i) {
        set_up.Wave[i] = static_cast<qint16>(form.chk_wave(static_cast<int>(i))->Value());
        set_up.Amplitude[i] = form.lbl_AA[i]->Caption();
        set_up.Frequency[i] = form.lbl_ff[i]->Caption();
        set_up.Balls[i] = static_cast<qint16>(form.chk_balls[i]->Value());
    }
    return set_up;
}

} // namespace

void Load_File(frm_dalvo &form, const frm_Dalvo_Files &files)
{
    const auto step = [&form](auto &&body) { Trap(&form, Opening_Problem, body); };
    QFile file(form.Module().File_Name);
    step([&] { Open_For_Reading(file); });
    Field_Reader reader(&file);
    // The two holding variables, each reused for every field of its type: a field that fails to
    // read leaves the value of the one before.
    QString text;
    qint16 number = 0;
    const auto read_text = [&] {
        if (!reader.Read_Text(text))
            throw Step_Failed();
    };
    const auto read_number = [&] {
        if (!reader.Read_Integer(number))
            throw Step_Failed();
    };

    step(read_text);
    if (text != QLatin1String(Magic)) {
        Sorry(&form, Not_A_Dalvo_File);
        return;
    }
    step(read_text);
    step([&] { form.lbl_c1->Set_Caption(text); });
    step(read_text);
    step([&] { form.lbl_c2->Set_Caption(text); });
    for (int wave = 0; wave < 4; ++wave) {
        step(read_number);
        step([&] { form.chk_wave(wave)->Set_Value(number); });
    }
    for (std::size_t i = 0; i < 4; ++i) {
        step(read_text);
        step([&] { form.lbl_AA[i]->Set_Caption(text); });
        step(read_text);
        step([&] { form.lbl_ff[i]->Set_Caption(text); });
        step(read_number);
        step([&] { form.chk_balls[i]->Set_Value(number); });
        form.frm_WaveAttr[i]->setEnabled(false);
    }
    file.close();
    form.setWindowTitle(QStringLiteral("Dalvo: ") +
                        files.fil_list->List(files.fil_list->ListIndex()));
}

void Save_File(frm_dalvo &form, const frm_Dalvo_Files &files)
{
    if (!Write_Set_Up(form.Module().File_Name, Current_Set_Up(form))) {
        Sorry(&form, Saving_Problem);
        return;
    }
    form.setWindowTitle(QStringLiteral("Dalvo: ") + files.txt_FName->text());
}

} // namespace Dalvo_module
