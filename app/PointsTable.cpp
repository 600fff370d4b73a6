#include "PointsTable.h"

#include "Graph.h"
#include "Translate.h"

#include <ProjectState.h>

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QItemSelection>
#include <QLocale>
#include <QMenu>
#include <QPalette>
#include <QTableView>

namespace {
// The least width: three columns of numbers and a scroll bar, so a small
// screen at a large scale still has room for the graph.
constexpr int kLeastWidthInCharacters = 30;
} // namespace

CPointsModel::CPointsModel(const ProjectState& project_, QObject* parent)
    : QAbstractTableModel(parent)
    , project(project_)
{
    rows = Take();
}

std::vector<CPointsModel::Row> CPointsModel::Take() const
{
    std::vector<Row> taken;
    taken.reserve(64);
    for (const CPunt& p : project.EditedCurve())
        taken.push_back({ p.input, p.output, !project.MoveRefusal(p.input).Empty() });
    return taken;
}

void CPointsModel::Refresh()
{
    std::vector<Row> taken = Take();
    if (taken.size() != rows.size()) {
        beginResetModel();
        rows = std::move(taken);
        endResetModel();
        return;
    }
    // One signal for the stretch that changed: a key that moves many
    // selected points redraws them in one go.
    int first = -1;
    int last = -1;
    for (int row = 0; row < int(rows.size()); ++row) {
        if (rows[row] == taken[row])
            continue;
        if (first < 0)
            first = row;
        last = row;
    }
    rows = std::move(taken);
    if (first >= 0)
        emit dataChanged(index(first, 0), index(last, ColumnCount - 1));
}

int CPointsModel::RowOf(double input) const
{
    const auto at = std::lower_bound(rows.begin(), rows.end(), input,
        [](const Row& row, double value) { return row.input < value; });
    if (at == rows.end() || at->input != input)
        return -1;
    return int(at - rows.begin());
}

int CPointsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(rows.size());
}

int CPointsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CPointsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= int(rows.size()))
        return QVariant();
    const Row& row = rows[index.row()];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: {
        double volts = row.input;
        if (index.column() == OutputColumn)
            volts = row.output;
        else if (index.column() == DifferenceColumn)
            volts = row.input - row.output + 0.0;
        return QLocale().toString(volts, 'f', 2);
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::ToolTipRole:
        if (row.fixed && index.column() == OutputColumn)
            return Tr(project.MoveRefusal(row.input));
        return QVariant();
    case Qt::ForegroundRole:
        // The outputs the rules keep look as the disabled do, though they
        // take a typed value and say why they stay.
        if (row.fixed && index.column() == OutputColumn)
            return QApplication::palette().brush(QPalette::Disabled, QPalette::Text);
        return QVariant();
    default:
        return QVariant();
    }
}

QVariant CPointsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case InputColumn:
        return CPointsTable::tr("Input (V)");
    case OutputColumn:
        return CPointsTable::tr("Output (V)");
    case DifferenceColumn:
        return CPointsTable::tr("Difference (V)");
    default:
        return QVariant();
    }
}

Qt::ItemFlags CPointsModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == OutputColumn)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool CPointsModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || index.column() != OutputColumn || index.row() >= int(rows.size()))
        return false;
    const QString text = value.toString();
    // An editor closed without a change is no edit.
    if (text == data(index, Qt::EditRole).toString())
        return false;
    emit outputTyped(rows[index.row()].input, text);
    return true;
}

CPointsTable::CPointsTable(const ProjectState& project, CGraph& graph_, QWidget* parent)
    : QDockWidget(parent)
    , graph(graph_)
{
    setObjectName(QStringLiteral("pointsTable"));
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea | Qt::BottomDockWidgetArea);
    model = new CPointsModel(project, this);
    connect(model, &CPointsModel::outputTyped, this, &CPointsTable::outputTyped);

    view = new QTableView(this);
    view->setObjectName(QStringLiteral("pointsView"));
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
        | QAbstractItemView::AnyKeyPressed);
    view->verticalHeader()->hide();
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    view->setAlternatingRowColors(true);
    view->setMinimumWidth(fontMetrics().averageCharWidth() * kLeastWidthInCharacters);
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        if (contextActions.isEmpty())
            return;
        QMenu menu(this);
        menu.addActions(contextActions);
        menu.exec(view->viewport()->mapToGlobal(at));
    });
    connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
        [this] { RowsSelected(); });
    setWidget(view);
    Retranslate();
    ShowSelection();
}

void CPointsTable::Retranslate()
{
    setWindowTitle(tr("Points"));
    view->setAccessibleName(tr("Points of the edited curve"));
    view->setAccessibleDescription(
        tr("Input, output and difference of each point in volts; type an output to set it"));
    // The headers' words and the numbers' decimal separator.
    emit model->headerDataChanged(Qt::Horizontal, 0, CPointsModel::ColumnCount - 1);
    if (model->rowCount() > 0)
        emit model->dataChanged(
            model->index(0, 0), model->index(model->rowCount() - 1, CPointsModel::ColumnCount - 1));
}

void CPointsTable::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
    QDockWidget::changeEvent(event);
}

void CPointsTable::SetContextActions(const QList<QAction*>& actions)
{
    contextActions = actions;
}

void CPointsTable::Refresh()
{
    syncing = true;
    model->Refresh();
    syncing = false;
    ShowSelection();
}

void CPointsTable::ShowSelection()
{
    if (syncing)
        return;
    syncing = true;
    // Points that are gone drop out of the graph's selection here.
    const std::vector<double>& inputs = graph.Selection();
    QItemSelection rows;
    int first = -1;
    for (double input : inputs) {
        const int row = model->RowOf(input);
        if (row < 0)
            continue;
        if (first < 0)
            first = row;
        rows.select(model->index(row, 0), model->index(row, CPointsModel::ColumnCount - 1));
    }
    QItemSelectionModel* selection = view->selectionModel();
    if (selection->selection() != rows) {
        selection->select(rows, QItemSelectionModel::ClearAndSelect);
        if (first >= 0)
            view->scrollTo(model->index(first, 0));
    }
    syncing = false;
}

void CPointsTable::RowsSelected()
{
    if (syncing)
        return;
    syncing = true;
    std::vector<double> inputs;
    for (const QModelIndex& row : view->selectionModel()->selectedRows())
        inputs.push_back(model->InputAt(row.row()));
    graph.SetSelection(std::move(inputs));
    syncing = false;
}
