#include "RamvikDlg.h"

#include "Messages.h"
#include "Read.h"
#include "Write.h"

#include <BoxTable.h>

#include <cmath>

// Reading from and writing to the box.

namespace {

// The simulated box of --demo-box. It starts out holding the default project,
// as a box fresh from the workshop would, so a first read gives something
// sensible; a CR box, so the default project can be written at once.
std::shared_ptr<BoxSimulator> MakeDemoBox()
{
    auto box = std::make_shared<BoxSimulator>(132);
    const BoxTable table = ComputeBoxTable(ProjectState());
    for (int cell = 0; cell < kLastWrittenCell + 1; ++cell) {
        if (cell == kIdentificationCell)
            continue;
        // As the write frames carry them: rounded below cell 255, truncated above.
        const double value
            = cell < kIdentificationCell ? std::round(table[cell]) : std::trunc(table[cell]);
        box->SetCell(cell, static_cast<int>(value));
    }
    return box;
}

} // namespace

void CRamvikDlg::OnRead()
{
    // A read replaces the project: unsaved changes are offered for saving first.
    if (!MaySaveChanges())
        return;
    CRead dialog(project, linkChoice, this);
    dialog.exec();
    // Trimmed whether or not anything was read, as the box's users know it.
    project.TrimBelowStart();
    project.TrimAboveStop();
    if (dialog.ProjectReplaced())
        MarkProjectSaved();
    Refresh();
}

void CRamvikDlg::OnWrite()
{
    CWrite dialog(project, linkChoice, this);
    dialog.exec();
}

void CRamvikDlg::BindUsbLibrary()
{
    const D2xxLibrary::Binding binding
        = D2xxLibrary::Bind(D2xxLibrary::DefaultFileName(), D2xxLibrary::SerialLinkServes());
    if (!binding.message.isEmpty())
        ShowMessage(this, binding.message);
    linkChoice.vendorLibrary = binding.library;
    linkChoice.port = startOptions.port;
    if (startOptions.demoBox)
        linkChoice.demoBox = MakeDemoBox();
}
