#pragma once

#include <QAbstractTableModel>
#include <QDockWidget>

#include <vector>

class CGraph;
class QAction;
class QItemSelection;
class QTableView;
struct ProjectState;

// The points of the edited curve as rows: input, output and difference
// (input minus output), in volts with two decimals in the language's way.
// Only the output can be edited; what is typed goes to the window
// (outputTyped), which applies it as the typed point entry does.
class CPointsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { InputColumn, OutputColumn, DifferenceColumn, ColumnCount };

    // The project must outlive the model.
    explicit CPointsModel(const ProjectState& project, QObject* parent = nullptr);

    // Takes the edited curve's points again: rows whose values changed are
    // redrawn; a change of the number of points makes the rows anew.
    void Refresh();
    // The input of the point in a row as the curve stores it.
    double InputAt(int row) const { return rows[row].input; }
    // The row of the point at exactly this input, or -1.
    int RowOf(double input) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Changes nothing itself: hands the text to the window.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    // The user typed this text into the output cell of the point at input.
    void outputTyped(double input, const QString& text);

private:
    struct Row {
        double input = 0.0;
        double output = 0.0;
        bool fixed = false; // the rules keep the point where it is
        bool operator==(const Row& other) const
        {
            return input == other.input && output == other.output && fixed == other.fixed;
        }
    };
    std::vector<Row> Take() const;

    const ProjectState& project;
    std::vector<Row> rows;
};

// The points table beside the graph: a dock of the main window, shown from
// the start. Its selected rows and the graph's selected points are one
// selection: selecting rows selects the points and the other way round.
// The context menu offers the window's range commands. Its texts follow the
// language (QEvent::LanguageChange). Only on the user-interface thread.
class CPointsTable : public QDockWidget {
    Q_OBJECT

public:
    // The project and the graph must outlive the table.
    CPointsTable(const ProjectState& project, CGraph& graph, QWidget* parent = nullptr);

    // The project changed (an edit, another curve edited, Undo, Open): the
    // rows, then the selection, again.
    void Refresh();
    // The graph's selection changed: the rows follow.
    void ShowSelection();
    // What the rows' context menu offers.
    void SetContextActions(const QList<QAction*>& actions);

    CPointsModel* Model() const { return model; }
    QTableView* View() const { return view; }

signals:
    // As CPointsModel::outputTyped.
    void outputTyped(double input, const QString& text);

protected:
    void changeEvent(QEvent* event) override;

private:
    void Retranslate();
    // The rows selected by the user: the graph's selection follows.
    void RowsSelected();

    CGraph& graph;
    CPointsModel* model = nullptr;
    QTableView* view = nullptr;
    QList<QAction*> contextActions;
    // Set while the table itself changes the rows or their selection, so
    // neither side's change comes back to it.
    bool syncing = false;
};
