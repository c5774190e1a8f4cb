#pragma once

#include <QString>
#include <array>

class QWidget;
class frm_dalvo;
class frm_Dalvo_Files;

namespace Scenario {

// The messages of the file operations.
inline const QString Not_A_Dalvo_File = QStringLiteral("This is not a dalvo.exe file");
inline const QString Opening_Problem = QStringLiteral("Problem during the opening");
inline const QString Saving_Problem = QStringLiteral("Problem during the saving");
inline const QString Disk_Problem = QStringLiteral("Problem on the chosen disk");
inline const QString File_Problem = QStringLiteral("File problem");

// A modal box titled "Sorry ..." with an exclamation mark and a single OK button.
void Sorry(QWidget *parent, const QString &message);

// Runs one step of a file operation: a failure shows the message once and the caller goes on
// with its next step.
template <class Step> void Trap(QWidget *parent, const QString &message, Step &&step)
{
    try {
        step();
    } catch (...) {
        Sorry(parent, message);
    }
}

// The whole set-up a scenario file holds, in file order after the magic.
struct Set_Up
{
    QString Speed_1, Speed_2;
    std::array<qint16, 4> Wave{};
    std::array<QString, 4> Amplitude, Frequency;
    std::array<qint16, 4> Balls{};
};

// Writes a complete scenario file or nothing: an existing file is replaced only once the new
// one is whole, and a folder, device or pipe of that name is never replaced.
bool Write_Set_Up(const QString &path, const Set_Up &set_up, QString *why = nullptr);

// The folder and the name joined by one separator; a root folder already ends in one.
QString Join_Path(const QString &folder, const QString &name);

// The name with ".dlv" appended unless it already ends in ".dlv" or ".DLV" exactly.
QString With_Extension(const QString &name);

// A path whose name holds a wildcard ("*.dlv" from the pattern), or no name at all, names no file.
bool Names_No_File(const QString &path);

} // namespace Scenario

namespace Dalvo_module {

// Read and write the file named by File_Name. Both report their own failures and always return;
// the window caption comes from the chooser (the picked name on a load, the typed text on a save).
void Load_File(frm_dalvo &form, const frm_Dalvo_Files &files);
void Save_File(frm_dalvo &form, const frm_Dalvo_Files &files);

} // namespace Dalvo_module
