// SPDX-License-Identifier: GPL-3.0-or-later
// The export dialog and cmd_Export: the choice, the file name, the export with its progress and
// what went wrong.
#include "main_window/export_dialog.h"

#include "controls/handler_guard.h"
#include "controls/message_box.h"
#include "main_window/frm_dalvo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QProgressDialog>
#include <QSettings>
#include <QStandardPaths>

using Exporting::Format;
using Handler_Guard::Run_Handler;

namespace {

// The folder the last export went to, offered again next time.
constexpr char Folder_Key[] = "export/folder";

QRadioButton *Make_Option(QWidget *parent, const char *name, double left, double top, double width)
{
    auto *option = new QRadioButton(parent);
    option->setObjectName(QLatin1String(name));
    Place(option, left, top, width, 285);
    return option;
}

QComboBox *Make_Zooms(QWidget *parent, const char *name, std::initializer_list<int> percents,
                      double left, double top)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    for (int percent : percents)
        box->addItem(QStringLiteral("%1 %").arg(percent), percent);
    Place(box, left, top, 1200, 315);
    return box;
}

} // namespace

frm_Export::frm_Export(frm_dalvo &owner) : QDialog(&owner), owner_(owner)
{
    setObjectName(QStringLiteral("frm_Export"));
    setModal(true);
    Set_Client_Size(*this, 6600, 4950);
    setFont(Window_Font(false));
    setPalette(Classic_Palette());
    Build_Controls();
    Retranslate_Ui();
    Use_Classic_Style(*this);
    if (const double zoom = Zoom_Of(&owner); zoom != 1.0) {
        Apply_Zoom(*this, zoom);
        setFixedSize(Client_Size(*this, zoom));
    }
    Enable_Options();
    connect(formats_, &QButtonGroup::idToggled, this,
            [this] { Run_Handler([this] { Enable_Options(); }); });
    connect(cmd_OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmd_Cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frm_Export::Build_Controls()
{
    const auto make_frame = [this](const char *name, double top, double height) {
        auto *frame = new Frame(QLatin1String(name), this);
        Place(frame, 120, top, 6360, height);
        return frame;
    };
    frm_Picture = make_frame("frm_Picture", 90, 1350);
    opt_Png = Make_Option(frm_Picture, "opt_Png", 240, 330, 1200);
    cbo_Png_Zoom = Make_Zooms(frm_Picture, "cbo_Png_Zoom", {100, 150, 200, 300}, 1500, 315);
    opt_Svg = Make_Option(frm_Picture, "opt_Svg", 240, 690, 5900);
    opt_Pdf = Make_Option(frm_Picture, "opt_Pdf", 240, 1005, 5900);

    frm_Data = make_frame("frm_Data", 1530, 1020);
    opt_Csv_History = Make_Option(frm_Data, "opt_Csv_History", 240, 330, 5900);
    opt_Csv_Positions = Make_Option(frm_Data, "opt_Csv_Positions", 240, 660, 5900);

    frm_Animation = make_frame("frm_Animation", 2640, 1620);
    opt_Gif = Make_Option(frm_Animation, "opt_Gif", 240, 330, 1200);
    opt_Mp4 = Make_Option(frm_Animation, "opt_Mp4", 1560, 330, 1200);
    opt_Webm = Make_Option(frm_Animation, "opt_Webm", 2880, 330, 1200);
    cbo_Animation_Zoom = Make_Zooms(frm_Animation, "cbo_Animation_Zoom", {100, 150, 200}, 240, 720);
    cbo_Until = new QComboBox(frm_Animation);
    cbo_Until->setObjectName(QStringLiteral("cbo_Until"));
    cbo_Until->addItems({QString(), QString()});
    Place(cbo_Until, 1560, 720, 4560, 315);
    chk_Slow = new CheckBox(QStringLiteral("chk_Slow"), {}, frm_Animation);
    Place(chk_Slow, 240, 1170, 5880, 285);

    formats_ = new QButtonGroup(this);
    const std::pair<QRadioButton *, Format> options[] = {
        {opt_Png, Format::Png},         {opt_Svg, Format::Svg},           {opt_Pdf, Format::Pdf},
        {opt_Csv_History, Format::Csv}, {opt_Csv_Positions, Format::Csv}, {opt_Gif, Format::Gif},
        {opt_Mp4, Format::Mp4},         {opt_Webm, Format::Webm}};
    int id = 0;
    for (const auto &[option, format] : options)
        formats_->addButton(option, id++);
    opt_Png->setChecked(true);
    // The history needs a marked ball.
    opt_Csv_History->setEnabled(!owner_.Marked_Balls().isEmpty());

    const auto make_button = [this](const char *name, double left) {
        auto *button = new QPushButton(this);
        button->setObjectName(QLatin1String(name));
        Place(button, left, 4440, 1215, 375);
        return button;
    };
    cmd_OK = make_button("cmd_OK", 3900);
    cmd_OK->setDefault(true);
    cmd_Cancel = make_button("cmd_Cancel", 5265);
}

void frm_Export::Retranslate_Ui()
{
    setWindowTitle(tr("Εξαγωγή"));
    frm_Picture->setTitle(tr("Εικόνα"));
    frm_Data->setTitle(tr("Δεδομένα (CSV)"));
    frm_Animation->setTitle(tr("Κίνηση"));
    opt_Png->setText(QStringLiteral("PNG"));
    opt_Svg->setText(tr("SVG, διανυσματική"));
    opt_Pdf->setText(tr("PDF, διανυσματική"));
    opt_Csv_History->setText(tr("Ιστορικό των σημειωμένων σφαιριδίων"));
    opt_Csv_Positions->setText(tr("Θέσεις όλων των σφαιριδίων τώρα"));
    opt_Gif->setText(QStringLiteral("GIF"));
    opt_Mp4->setText(QStringLiteral("MP4"));
    opt_Webm->setText(QStringLiteral("WebM"));
    cbo_Until->setItemText(0, tr("Ως το τέλος της κίνησης"));
    cbo_Until->setItemText(1, tr("Ως τον τωρινό χρόνο"));
    chk_Slow->setText(tr("Αργή κίνηση (1/4)"));
    cmd_OK->setText(tr("Εξαγωγή..."));
    cmd_Cancel->setText(tr("Άκυρο"));
}

void frm_Export::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        Run_Handler([this] { Retranslate_Ui(); });
    QDialog::changeEvent(event);
}

void frm_Export::Enable_Options()
{
    cbo_Png_Zoom->setEnabled(opt_Png->isChecked());
    const bool animation = opt_Gif->isChecked() || opt_Mp4->isChecked() || opt_Webm->isChecked();
    for (QWidget *control :
         std::initializer_list<QWidget *>{cbo_Animation_Zoom, cbo_Until, chk_Slow})
        control->setEnabled(animation);
}

frm_Export::Choice frm_Export::Chosen() const
{
    static constexpr Format Formats[] = {Format::Png, Format::Svg, Format::Pdf, Format::Csv,
                                         Format::Csv, Format::Gif, Format::Mp4, Format::Webm};
    Choice choice;
    choice.Format = Formats[std::max(0, formats_->checkedId())];
    if (choice.Format == Format::Png)
        choice.Options.Zoom = cbo_Png_Zoom->currentData().toInt();
    if (choice.Format == Format::Csv)
        choice.Options.Csv = opt_Csv_History->isChecked() ? Exporting::Csv_Content::Marked_History
                                                          : Exporting::Csv_Content::Positions;
    if (cbo_Animation_Zoom->isEnabled()) {
        choice.Options.Zoom = cbo_Animation_Zoom->currentData().toInt();
        if (cbo_Until->currentIndex() == 1)
            choice.Options.Until = owner_.Elapsed_Time();
        choice.Options.Slow = chk_Slow->Value() != 0;
    }
    return choice;
}

QString frm_Export::Filter_Of(Format format)
{
    const QString kind = format == Format::Png   ? tr("Εικόνα PNG")
                         : format == Format::Svg ? tr("Σχέδιο SVG")
                         : format == Format::Pdf ? tr("Έγγραφο PDF")
                         : format == Format::Csv ? tr("Δεδομένα CSV")
                         : format == Format::Gif
                             ? tr("Κινούμενη εικόνα GIF")
                             : tr("Βίντεο %1").arg(Exporting::Suffix_Of(format).toUpper());
    return QStringLiteral("%1 (*.%2)").arg(kind, Exporting::Suffix_Of(format));
}

void frm_dalvo::Set_Export_File_Asker(Export_File_Asker asker)
{
    export_file_asker_ = std::move(asker);
}

void frm_dalvo::cmd_Export_Click()
{
    Run_Handler([this] {
        frm_Export dialog(*this);
        if (dialog.exec() != QDialog::Accepted)
            return;
        const frm_Export::Choice choice = dialog.Chosen();
        const QString suffix = Exporting::Suffix_Of(choice.Format);

        // The last folder used, else the pictures' folder; the scenario's name, else Dalvo's.
        QSettings settings;
        QString folder = settings.value(QLatin1String(Folder_Key)).toString();
        if (folder.isEmpty() || !QDir(folder).exists())
            folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
        const QString base = QFileInfo(module_.File_Name).completeBaseName();
        const QString suggested = QDir(folder).filePath(
            (base.isEmpty() || base.contains(QLatin1Char('*')) ? QStringLiteral("dalvo") : base) +
            QLatin1Char('.') + suffix);
        const QString filter = frm_Export::Filter_Of(choice.Format);
        QString path = export_file_asker_
                           ? export_file_asker_(suggested, filter)
                           : QFileDialog::getSaveFileName(this, tr("Εξαγωγή"), suggested, filter);
        if (path.isEmpty())
            return;
        // The format is the one chosen, whatever the name was typed with.
        if (Exporting::Format_Of(path) != choice.Format)
            path += QLatin1Char('.') + suffix;
        settings.setValue(QLatin1String(Folder_Key), QFileInfo(path).absolutePath());

        // Shown only when the export takes a while; the window stays responsive meanwhile.
        QProgressDialog progress(this);
        progress.setObjectName(QStringLiteral("dlg_Progress"));
        progress.setWindowTitle(tr("Εξαγωγή"));
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(500);
        progress.setCancelButtonText(tr("Άκυρο"));
        progress.setAutoReset(false);
        progress.setAutoClose(false);
        const QString error = Exporting::Export_To_File(
            *this, path, choice.Options, [&progress](int done, int total) {
                progress.setMaximum(total);
                progress.setValue(done);
                progress.setLabelText(tr("Καρέ %1 από %2").arg(done).arg(total));
                QCoreApplication::processEvents();
                return !progress.wasCanceled();
            });
        const bool cancelled = progress.wasCanceled();
        progress.close();
        if (error.isEmpty() || cancelled)
            return;
        // The usual causes said in the user's words; anything else as the export tells it.
        const QFileInfo in(QFileInfo(path).absolutePath());
        const QString where = QDir::toNativeSeparators(in.absoluteFilePath());
        const QString reason = !in.isDir() ? tr("Ο φάκελος %1 δεν υπάρχει.").arg(where)
                               : !in.isWritable()
                                   ? tr("Δεν επιτρέπεται η εγγραφή στον φάκελο %1.").arg(where)
                                   : error;
        Message_Boxes::Message_Box(this,
                                   tr("Η εξαγωγή στο αρχείο %1 δεν έγινε.\n\n%2")
                                       .arg(QDir::toNativeSeparators(path), reason),
                                   tr("Εξαγωγή"),
                                   Message_Boxes::Ok_Only + Message_Boxes::Exclamation_Icon);
    });
}
