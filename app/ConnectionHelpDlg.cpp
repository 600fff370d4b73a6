#include "ConnectionHelpDlg.h"

#include "DialogRunner.h"
#include "Messages.h"
#include "SettingsStore.h"
#include "Translate.h"

#include <D2xxLibrary.h>

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

// Lines of about this many characters of the proportional font read well;
// the screen may allow fewer.
constexpr int kReadableColumns = 100;
// The dialog takes at most this share of the screen's free area, in percent.
constexpr int kScreenShare = 85;
// The room around each verdict and each text, in pixels.
constexpr int kCellPadding = 3;

std::string Translated(const UserText& text)
{
    return Tr(text).toStdString();
}

} // namespace

CConnectionHelpDlg::CConnectionHelpDlg(const ConnectionReports& reports, QWidget* parent)
    : QDialog(parent)
    , administrator(QString::fromStdString(reports.administrator))
{
    setWindowTitle(tr("Connection help"));
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(tr("What Ramvik found on the way to the box's converter:"), this);
    heading->setWordWrap(true);
    layout->addWidget(heading);

    reportView = new QTextBrowser(this);
    reportView->setObjectName(QStringLiteral("reportView"));
    reportView->setAccessibleName(heading->text());
    reportView->setOpenLinks(false);
    reportView->setLineWrapMode(QTextEdit::WidgetWidth);
    // A device path longer than the line breaks inside rather than pushing
    // the line out of sight.
    reportView->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout->addWidget(reportView, 1);
    ShowReport(reports.workshop);

    copiedLabel = new QLabel(this);
    copiedLabel->setObjectName(QStringLiteral("copiedLabel"));
    copiedLabel->setWordWrap(true);
    copiedLabel->hide();
    layout->addWidget(copiedLabel);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    copyButton = buttons->addButton(tr("Copy report"), QDialogButtonBox::ActionRole);
    copyButton->setObjectName(QStringLiteral("copyButton"));
    copyButton->setToolTip(tr("Puts this report on the clipboard, followed by the same checks "
                              "with the commands for whoever looks after this computer."));
    connect(copyButton, &QPushButton::clicked, this, &CConnectionHelpDlg::CopyReport);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    buttons->button(QDialogButtonBox::Close)->setDefault(true);

    FitToScreen();
}

void CConnectionHelpDlg::ShowReport(const DoctorReport& report)
{
    shownText = QString::fromStdString(report.Text(Translated));

    std::vector<const DoctorCheck*> checks;
    std::vector<const DoctorCheck*> summaries;
    for (const DoctorCheck& check : report.checks)
        (check.verdict == DoctorVerdict::Summary ? summaries : checks).push_back(&check);

    QTextDocument* document = reportView->document();
    document->clear();
    QTextCursor cursor(document);
    QTextCharFormat plain;
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    if (!checks.empty()) {
        // The verdicts in a column as wide as the widest; the texts take the
        // rest of the line and wrap within it.
        QTextTableFormat table;
        table.setBorderStyle(QTextFrameFormat::BorderStyle_None);
        table.setBorder(0);
        table.setCellSpacing(0);
        table.setCellPadding(kCellPadding);
        table.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        QTextTable* rows = cursor.insertTable(int(checks.size()), 2, table);
        for (int row = 0; row < int(checks.size()); ++row) {
            const DoctorCheck& check = *checks[std::size_t(row)];
            QTextCursor verdict = rows->cellAt(row, 0).firstCursorPosition();
            verdict.insertText(Tr(VerdictWord(check.verdict)), bold);
            // A text's lines are paragraphs: what was found, what to do.
            QTextCursor text = rows->cellAt(row, 1).firstCursorPosition();
            text.insertText(Tr(check.text), plain);
        }
        cursor.movePosition(QTextCursor::End);
    }
    // The summary below the table (in the block that follows it), apart,
    // and in line with the verdicts.
    QTextBlockFormat apart;
    apart.setTopMargin(QFontMetrics(reportView->font()).lineSpacing() / 2.0);
    apart.setLeftMargin(kCellPadding);
    for (const DoctorCheck* summary : summaries) {
        if (summary == summaries.front())
            cursor.setBlockFormat(apart);
        else
            cursor.insertBlock(apart);
        cursor.insertText(Tr(summary->text), bold);
    }
    reportView->moveCursor(QTextCursor::Start);
}

void CConnectionHelpDlg::FitToScreen()
{
    const QFontMetrics metrics(reportView->font());
    QSize wanted(metrics.averageCharWidth() * kReadableColumns, metrics.lineSpacing() * 12);
    QSize room(1024, 768);
    if (const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen())
        room = screen->availableSize() * kScreenShare / 100;
    wanted.setWidth(std::min(wanted.width(), room.width()));
    // As tall as the report at that width, so a short report needs no
    // scrolling, as far as the screen allows.
    const int frame
        = 2 * reportView->frameWidth() + 2 * int(reportView->document()->documentMargin());
    const int chrome = layout()->sizeHint().height() - reportView->sizeHint().height();
    std::unique_ptr<QTextDocument> copy(reportView->document()->clone());
    copy->setTextWidth(wanted.width() - layout()->contentsMargins().left()
        - layout()->contentsMargins().right() - frame
        - reportView->verticalScrollBar()->sizeHint().width());
    const int reportHeight = int(std::ceil(copy->size().height())) + frame;
    wanted.setHeight(std::min(std::max(chrome + reportHeight, wanted.height()), room.height()));
    resize(wanted.expandedTo(minimumSizeHint()));
}

QString CConnectionHelpDlg::CopiedText() const
{
    return tr("%1\n\nFor whoever looks after this computer:\n%2\n").arg(shownText, administrator);
}

void CConnectionHelpDlg::CopyReport()
{
    QGuiApplication::clipboard()->setText(CopiedText());
    copiedLabel->setText(tr("The report is on the clipboard. Paste it into an e-mail or a "
                            "message to whoever looks after this computer."));
    copiedLabel->show();
}

ConnectionReports ConnectionReport()
{
    DoctorRequest request;
    request.roots = SystemRootsFromEnvironment();
    request.remembered = CSettingsStore().Read(kPortSetting).value_or(QString()).toStdString();
    request.vendorLibraryFile = CD2xxLibrary::DefaultFileName();
    ConnectionReports reports;
    reports.administrator = RunConnectionDoctor(request).Text();
    request.audience = Audience::Workshop;
    reports.workshop = RunConnectionDoctor(request);
    return reports;
}

void ShowTransferMessageBox(QWidget* parent, const QString& text, bool offerHelp)
{
    if (!offerHelp) {
        ShowMessage(parent, text, QMessageBox::NoIcon);
        return;
    }
    const QMessageBox::StandardButton pressed
        = ShowMessage(parent, text, QMessageBox::NoIcon, QMessageBox::Ok | QMessageBox::Help,
            QMessageBox::Ok, CConnectionHelpDlg::tr("Connection help"));
    if (pressed != QMessageBox::Help)
        return;
    CConnectionHelpDlg help(ConnectionReport(), parent);
    RunDialog(help);
}
