#include "RamvikDlg.h"

#include "Messages.h"
#include "Read.h"
#include "Write.h"

#include <LinkFactory.h>
#include <WriteHistory.h>

#include <QCheckBox>

// Reading from and writing to the box: the session runs the transfers, the
// dialogs show them.

void CRamvikDlg::OnRead()
{
    // A read replaces the project: unsaved changes are offered for saving first.
    if (!MaySaveChanges())
        return;
    CRead dialog(session, this);
    dialog.exec();
    Refresh();
}

void CRamvikDlg::OnWrite()
{
    // Every write is kept in the installation folder's history.
    session.SetHistoryFolder(WindowHistoryFolder(session.Project().rootPath));
    const bool verify = VerifyWritesSetting();
    CWrite dialog(session, verify, this);
    dialog.exec();
    if (dialog.verifyBox->isChecked() != verify)
        StoreVerifyWritesSetting(dialog.verifyBox->isChecked());
}

void CRamvikDlg::BindUsbLibrary()
{
    // The library is checked at every start, so its message shows also when
    // the options choose another way to the box.
    const D2xxLibrary::Binding binding
        = D2xxLibrary::Bind(D2xxLibrary::DefaultFileName(), D2xxLibrary::SerialLinkServes());
    if (!binding.message.isEmpty())
        ShowMessage(this, binding.message);
    if (startOptions.demoBox) {
        session.UseDemoBox();
        return;
    }
    LinkChoice choice;
    choice.vendorLibrary = binding.library;
    choice.port = startOptions.port;
    session.SetLinkFactory([choice] { return MakeLink(choice); });
}
