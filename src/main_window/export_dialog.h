// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/controls.h"
#include "main_window/exporting.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>

class frm_dalvo;

// The export dialog: what to export (a picture, the run's numbers or an animation) and how. The
// file name is asked for afterwards, with a filter that follows the format (cmd_Export_Click).
class frm_Export : public QDialog
{
    Q_OBJECT

public:
    explicit frm_Export(frm_dalvo &owner);

    struct Choice
    {
        Exporting::Format Format = Exporting::Format::Png;
        Exporting::Options Options;
    };
    // The choice as the controls stand; the present time is the owner's.
    Choice Chosen() const;

    // A format's file dialog filter, in the interface's language.
    static QString Filter_Of(Exporting::Format format);

    Frame *frm_Picture, *frm_Data, *frm_Animation;
    QRadioButton *opt_Png, *opt_Svg, *opt_Pdf, *opt_Csv_History, *opt_Csv_Positions, *opt_Gif,
        *opt_Mp4, *opt_Webm;
    QComboBox *cbo_Png_Zoom, *cbo_Animation_Zoom, *cbo_Until;
    CheckBox *chk_Slow;
    QPushButton *cmd_OK, *cmd_Cancel;

protected:
    void changeEvent(QEvent *event) override;

private:
    void Build_Controls();
    void Retranslate_Ui();
    // The options of a format are enabled while it is chosen.
    void Enable_Options();

    frm_dalvo &owner_;
    QButtonGroup *formats_;
};
