#pragma once

#include <UserText.h>

#include <QDockWidget>

#include <memory>
#include <vector>

class CGraph;
class QLabel;
class QListWidget;
class QPushButton;
struct ProjectState;

// Another project file held against the project: its curves drawn over the
// project's (dash-dotted, the legend naming the file), the differences
// listed as the compare-with-box panel lists them, and the points of the
// file taken for the selected stretch (the window does that on
// takePointsWanted). Each edit is compared again (ProjectChanged). Its texts
// follow the language (QEvent::LanguageChange).
//
// The panel owns the file's project from the moment it opens until it is
// destroyed; the overlay goes when it closes. Only on the user-interface
// thread.
class CFileComparePanel : public QDockWidget {
    Q_OBJECT

public:
    // The project and the graph must outlive the panel. fileName names the
    // file in the legend and the summary.
    CFileComparePanel(const ProjectState& project, CGraph& graph,
        std::unique_ptr<ProjectState> file, const QString& fileName, QWidget* parent = nullptr);
    ~CFileComparePanel() override;

    const ProjectState& File() const { return *file; }
    // The project changed: compares it with the file again.
    void ProjectChanged();

    QLabel* summaryLabel = nullptr;
    QListWidget* differenceList = nullptr;
    QPushButton* takeButton = nullptr;
    QPushButton* closeButton = nullptr;

signals:
    // "Take These Points from the File".
    void takePointsWanted();
    // The panel has closed and removed the overlay; its owner may delete it
    // (later: the signal may come from inside one of its handlers).
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Retranslate();
    void ShowDifferences(bool force = false);
    void RemoveOverlay();

    const ProjectState& project;
    CGraph& graph;
    std::unique_ptr<ProjectState> file;
    QString fileName;
    QLabel* legend = nullptr;
    std::vector<UserText> shown; // the differences the list holds
};
