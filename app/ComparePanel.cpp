#include "ComparePanel.h"

#include "Translate.h"

#include "Graph.h"

#include <CompareJob.h>
#include <Session.h>

#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace {
// Wide enough for a difference line ("CR point at 2 V: output 3 V in the
// project, none in the box.") to wrap at most twice, and narrow enough to
// stand beside the panel and the graph at 200 %.
constexpr int kWidthInCharacters = 32;

// One difference per item, wrapped, with room between them so a wrapped
// line does not run into the next difference. (The list's own spacing would
// narrow each item below the width its lines were measured at, and a line
// that just fitted, such as the German box type, was cut off with "...".)
class CDifferenceDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        constexpr int kGap = 6; // pixels between two differences
        return QStyledItemDelegate::sizeHint(option, index) + QSize(0, kGap);
    }
};
} // namespace

CComparePanel::CComparePanel(CSession& session_, CGraph& graph_,
    std::unique_ptr<CCompareJob> comparison_, WindowHooks hooks_, QWidget* parent)
    : QDockWidget(parent)
    , session(session_)
    , graph(graph_)
    , comparison(std::move(comparison_))
    , hooks(std::move(hooks_))
{
    setObjectName("comparePanel");
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);

    auto* contents = new QWidget(this);
    summaryLabel = new QLabel(contents);
    summaryLabel->setObjectName("compareSummary");
    summaryLabel->setWordWrap(true);

    differenceList = new QListWidget(contents);
    differenceList->setObjectName("differenceList");
    differenceList->setWordWrap(true);
    differenceList->setItemDelegate(new CDifferenceDelegate(differenceList));

    legend = new QLabel(contents);
    legend->setWordWrap(true);

    takeButton = new QPushButton(contents);
    takeButton->setObjectName("takeBoxProjectButton");
    keepButton = new QPushButton(contents);
    keepButton->setObjectName("keepProjectButton");
    connect(takeButton, &QPushButton::clicked, this, [this] { TakeBoxProject(); });
    connect(keepButton, &QPushButton::clicked, this, [this] { close(); });

    // One above the other: side by side, the longer words of a translation
    // ("Projekt der Box übernehmen") would not fit a narrow panel.
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(takeButton);
    buttons->addWidget(keepButton);
    auto* layout = new QVBoxLayout(contents);
    layout->addWidget(summaryLabel);
    layout->addWidget(differenceList, 1);
    // Without differences the list hides; the summary stays at the top.
    layout->addStretch();
    layout->addWidget(legend);
    layout->addLayout(buttons);
    // The list sets the least width; a longer button widens the panel.
    differenceList->setMinimumWidth(fontMetrics().averageCharWidth() * kWidthInCharacters);
    // Where the window has less room than the panel's words need (a small
    // screen at 200 %), the panel scrolls instead of cutting them off.
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName("compareScroll");
    scroll->setWidget(contents);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    // Tab goes to the panel's controls, never to the area around them.
    scroll->setFocusPolicy(Qt::NoFocus);
    setWidget(scroll);

    Retranslate();
    graph.SetOverlay(comparison->BoxProject());
}

CComparePanel::~CComparePanel()
{
    RemoveOverlay();
}

void CComparePanel::RemoveOverlay()
{
    graph.RemoveOverlay(comparison->BoxProject());
}

void CComparePanel::ProjectChanged()
{
    if (!comparison->Compared())
        return;
    comparison->CompareWith(session.Project());
    ShowDifferences();
}

void CComparePanel::Retranslate()
{
    setWindowTitle(tr("Compare with box"));
    differenceList->setAccessibleName(tr("Differences"));
    legend->setText(tr("The box's curves are drawn over the project's: CR in magenta dots, "
                       "TURBO in black dashes."));
    takeButton->setText(tr("Take the box's project"));
    keepButton->setText(tr("Keep the project"));
    ShowDifferences(true);
}

void CComparePanel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
    QDockWidget::changeEvent(event);
}

void CComparePanel::ShowDifferences(bool force)
{
    const std::vector<UserText>& differences = comparison->Differences();
    const QString box = QString::number(comparison->BoxIdentification());
    if (differences.empty())
        summaryLabel->setText(tr("Box %1 holds the project.").arg(box));
    else
        summaryLabel->setText(tr("Box %1 holds other values than the project:").arg(box));
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

void CComparePanel::TakeBoxProject()
{
    if (!comparison->Compared() || (hooks.maySaveChanges && !hooks.maySaveChanges()))
        return;
    // The overlay points into the box's project, which the session now takes.
    RemoveOverlay();
    session.TakeBoxProject(*comparison);
    close();
    if (hooks.projectReplaced)
        hooks.projectReplaced();
}

void CComparePanel::closeEvent(QCloseEvent* event)
{
    RemoveOverlay();
    QDockWidget::closeEvent(event);
    emit Closed();
}
