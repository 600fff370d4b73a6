#include "RamvikDlg.h"

// The settings remembered between runs: installation folder, box type, view.

void CRamvikDlg::LoadSettings()
{
    project.SetBoxType(0);
    project.SetGraphType(1);
}

void CRamvikDlg::StoreSettingsCode() { }
