#include "RamvikDlg.h"

// Printing the project sheet.

void CRamvikDlg::OnPrint() { }
