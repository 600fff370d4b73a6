#include "RamvikDlg.h"

// Opening and saving project files, and the unsaved-changes check.

void CRamvikDlg::OnOpen() { }

void CRamvikDlg::OnSave() { }

bool CRamvikDlg::MaySaveChanges()
{
    return true;
}

void CRamvikDlg::MarkProjectSaved() { }
