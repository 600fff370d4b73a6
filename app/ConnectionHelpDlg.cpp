#include "ConnectionHelpDlg.h"

#include "DialogRunner.h"
#include "Messages.h"
#include "SettingsStore.h"
#include "Translate.h"

#include <ConnectionDoctor.h>
#include <D2xxLibrary.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QFont>
#include <QPlainTextEdit>
#include <QScreen>
#include <QVBoxLayout>

CConnectionHelpDlg::CConnectionHelpDlg(const QString& report, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Connection help"));
    auto* layout = new QVBoxLayout(this);
    reportView = new QPlainTextEdit(report, this);
    reportView->setObjectName(QStringLiteral("reportView"));
    reportView->setReadOnly(true);
    reportView->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    reportView->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The report's columns line up only in a fixed-pitch font. The system's
    // fixed font is not always one (the offscreen platform gives its plain
    // font), so the program's own monospace face is asked for by name.
    QFont monospace(QStringLiteral("Courier New"));
    monospace.setStyleHint(QFont::TypeWriter);
    monospace.setFixedPitch(true);
    reportView->setFont(monospace);
    layout->addWidget(reportView);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    // Wide enough for the report's 80-column lines, as far as the screen allows.
    const QFontMetrics metrics(reportView->font());
    QSize wanted(metrics.horizontalAdvance(QLatin1Char('M')) * 84, metrics.lineSpacing() * 30);
    if (const QScreen* screen = QApplication::primaryScreen())
        wanted = wanted.boundedTo(screen->availableSize() * 9 / 10);
    resize(wanted);
}

QString ConnectionReport()
{
    DoctorRequest request;
    request.roots = SystemRootsFromEnvironment();
    request.remembered = CSettingsStore().Read(kPortSetting).value_or(QString()).toStdString();
    request.vendorLibraryFile = CD2xxLibrary::DefaultFileName();
    return QString::fromStdString(RunConnectionDoctor(request).Text(
        [](const UserText& text) { return Tr(text).toStdString(); }));
}

void ShowTransferMessageBox(QWidget* parent, const QString& text, bool offerHelp)
{
    if (!offerHelp) {
        ShowMessage(parent, text, QMessageBox::NoIcon);
        return;
    }
    const QMessageBox::StandardButton pressed = ShowMessage(parent, text, QMessageBox::NoIcon,
        QMessageBox::Ok | QMessageBox::Help, QMessageBox::Ok, QStringLiteral("Connection help"));
    if (pressed != QMessageBox::Help)
        return;
    CConnectionHelpDlg help(ConnectionReport(), parent);
    RunDialog(help);
}
