#include "main_window/frm_dalvo.h"

void frm_dalvo::cmd_Open_Click() {}
void frm_dalvo::cmd_Save_Click() {}
