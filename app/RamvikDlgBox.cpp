#include "RamvikDlg.h"

// Reading from and writing to the box.

void CRamvikDlg::OnRead() { }

void CRamvikDlg::OnWrite() { }

void CRamvikDlg::BindUsbLibrary() { }
