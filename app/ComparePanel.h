#pragma once

#include <UserText.h>

#include <QDockWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CCompareJob;
class CGraph;
class CSession;
class QLabel;
class QListWidget;
class QPushButton;

// What the box holds beside the project, for as long as the user wants to
// see it: the differences by meaning, the box's curves drawn over the
// project's, and the choice between the box's project and the user's.
//
// A dock rather than a dialog: it stays beside the graph instead of covering
// it, it is part of the window (it moves, hides and closes with it) and is
// not modal, so the user goes on editing while it is open; each edit is
// compared with the box again (ProjectChanged). In a window that is no
// QMainWindow it floats as a tool window of its own.
//
// The panel owns the comparison, and with it the box's project that the
// graph draws, from the moment it opens until it is destroyed; the overlay
// goes when the panel closes. Only on the user-interface thread.
class CComparePanel : public QDockWidget {
    Q_OBJECT

public:
    // What the panel asks of the window around it.
    struct WindowHooks {
        // The window's question before its project is replaced: false when
        // the user cancelled.
        std::function<bool()> maySaveChanges;
        // The project was replaced by the box's: show it.
        std::function<void()> projectReplaced;
    };

    // The comparison must hold a read box (Compared()). The session and the
    // graph must outlive the panel.
    CComparePanel(CSession& session, CGraph& graph, std::unique_ptr<CCompareJob> comparison,
        WindowHooks hooks, QWidget* parent = nullptr);
    ~CComparePanel() override;

    // The project changed: compares it with what the box gave again.
    void ProjectChanged();

    QLabel* summaryLabel = nullptr;
    QListWidget* differenceList = nullptr;
    QPushButton* takeButton = nullptr;
    QPushButton* keepButton = nullptr;

signals:
    // The panel has closed and removed the overlay; its owner may delete it
    // (later: the signal may come from inside one of its handlers).
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // "Take the box's project": after the window's question, installs it as
    // a read does and closes.
    void TakeBoxProject();
    // Every text of the panel in the language of the moment.
    void Retranslate();
    // Shows the comparison's differences; anew, whether they changed or not,
    // with force.
    void ShowDifferences(bool force = false);
    void RemoveOverlay();

    CSession& session;
    CGraph& graph;
    std::unique_ptr<CCompareJob> comparison;
    WindowHooks hooks;
    std::vector<UserText> shown; // the differences the list holds
    QLabel* legend = nullptr;
};
