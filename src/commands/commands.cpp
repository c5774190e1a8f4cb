#include "main_window/frm_dalvo.h"

void frm_dalvo::cmd_Print_Click() {}
void frm_dalvo::cmd_Info_Click() {}
void frm_dalvo::cmd_Exit_Click() {}
