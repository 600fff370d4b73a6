#include "FileComparePanel.h"

#include "Graph.h"
#include "Translate.h"

#include <ProjectCompare.h>
#include <ProjectState.h>

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// As the compare-with-box panel: a difference line wraps at most once.
constexpr int kWidthInCharacters = 40;
} // namespace

CFileComparePanel::CFileComparePanel(const ProjectState& project_, CGraph& graph_,
    std::unique_ptr<ProjectState> file_, const QString& fileName_, QWidget* parent)
    : QDockWidget(parent)
    , project(project_)
    , graph(graph_)
    , file(std::move(file_))
    , fileName(fileName_)
{
    setObjectName(QStringLiteral("fileComparePanel"));
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);

    auto* contents = new QWidget(this);
    summaryLabel = new QLabel(contents);
    summaryLabel->setObjectName(QStringLiteral("fileCompareSummary"));
    summaryLabel->setWordWrap(true);
    differenceList = new QListWidget(contents);
    differenceList->setObjectName(QStringLiteral("fileDifferenceList"));
    differenceList->setWordWrap(true);
    differenceList->setSpacing(3);
    legend = new QLabel(contents);
    legend->setWordWrap(true);
    takeButton = new QPushButton(contents);
    takeButton->setObjectName(QStringLiteral("takeFilePointsButton"));
    closeButton = new QPushButton(contents);
    closeButton->setObjectName(QStringLiteral("closeFileCompareButton"));
    connect(takeButton, &QPushButton::clicked, this, &CFileComparePanel::takePointsWanted);
    connect(closeButton, &QPushButton::clicked, this, [this] { close(); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(takeButton);
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(contents);
    layout->addWidget(summaryLabel);
    layout->addWidget(differenceList, 1);
    layout->addStretch();
    layout->addWidget(legend);
    layout->addLayout(buttons);
    differenceList->setMinimumWidth(fontMetrics().averageCharWidth() * kWidthInCharacters);
    setWidget(contents);

    Retranslate();
    graph.SetOverlay(file.get(), fileName);
}

CFileComparePanel::~CFileComparePanel()
{
    RemoveOverlay();
}

void CFileComparePanel::RemoveOverlay()
{
    graph.RemoveOverlay(file.get());
}

void CFileComparePanel::Retranslate()
{
    setWindowTitle(tr("Compare with file"));
    differenceList->setAccessibleName(tr("Differences from the file"));
    legend->setText(tr("The curves of %1 are drawn over the project's: CR in teal dash-dots, "
                       "TURBO in brown dash-dot-dots.")
                        .arg(fileName));
    takeButton->setText(tr("Take These Points from the File"));
    takeButton->setToolTip(
        tr("The selected points of the edited curve take the file's points in their stretch"));
    closeButton->setText(tr("Close Comparison"));
    ShowDifferences(true);
}

void CFileComparePanel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
    QDockWidget::changeEvent(event);
}

void CFileComparePanel::ProjectChanged()
{
    ShowDifferences();
}

void CFileComparePanel::ShowDifferences(bool force)
{
    const std::vector<UserText> differences = CompareProjects(project, *file);
    summaryLabel->setText(differences.empty()
            ? tr("%1 holds the project.").arg(fileName)
            : tr("%1 holds other values than the project:").arg(fileName));
    differenceList->setVisible(!differences.empty());
    // An edit that changes no difference leaves the list, and where the user
    // scrolled it, as it was.
    if (differences == shown && !force)
        return;
    shown = differences;
    differenceList->clear();
    for (const UserText& line : differences)
        differenceList->addItem(Tr(line));
}

void CFileComparePanel::closeEvent(QCloseEvent* event)
{
    RemoveOverlay();
    QDockWidget::closeEvent(event);
    emit Closed();
}
