#pragma once

#include <WriteHistory.h>

#include <QAbstractTableModel>
#include <QDialog>
#include <QSortFilterProxyModel>

#include <functional>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

// The write history's entries as a table: time, box, outcome, project,
// customer, vehicle, registration, computer.
class CHistoryModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Time, Box, Outcome, Project, Customer, Vehicle, Registration, Computer, Columns };

    explicit CHistoryModel(QObject* parent = nullptr);
    void SetEntries(std::vector<HistoryEntry> entries);
    const HistoryEntry& Entry(int row) const { return entries[static_cast<std::size_t>(row)]; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(
        int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // The headers and the outcome's words anew in another language.
    void Retranslate();

    // The outcome in a word or two ("verified", "stopped at cell 301").
    static QString OutcomeWord(const HistoryEntry& entry);

private:
    std::vector<HistoryEntry> entries;
};

// Keeps the entries a search matches, as ramvik-cli's history --search does:
// the text in any field, the outcome as its words say it.
class CHistoryFilter : public QSortFilterProxyModel {
    Q_OBJECT

public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    void SetText(const QString& text);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    HistoryFilter filter;
};

// What the browser asks the window to do with an entry.
struct HistoryBrowserHooks {
    // Opens the entry's copy as Open does (after the unsaved-changes
    // question); false when the user cancelled or it failed.
    std::function<bool(const HistoryEntry&)> open;
    // Prints the copy's sheet with the entry's lines.
    std::function<void(const HistoryEntry&)> print;
    // Writes back what the box held before the entry's write (after the
    // browser's confirmation). The browser reads the history again after.
    std::function<void(const HistoryEntry&)> writeBack;
};

// Box > Write History: the workshop's job log. A search field over a
// sortable list of the writes, newest first, and a line under it that says
// when entries were left out as half there or the folder cannot be read.
// For the chosen entry: open its project, compare it with the box, print its
// sheet, write back what the box held before. A double-click opens the
// project. Open and Compare end the browser; the window compares once it is
// gone (CompareChosen()).
class CHistoryBrowser : public QDialog {
    Q_OBJECT

public:
    CHistoryBrowser(std::function<HistoryListing()> read, std::string folder,
        HistoryBrowserHooks hooks, QWidget* parent = nullptr);

    // Reads the history again and shows it.
    void Reload();
    // The entry chosen in the list, or null.
    const HistoryEntry* Chosen() const;
    // Whether the browser ended with "Compare with Box": the project is
    // open, and the window compares it with the box.
    bool CompareChosen() const { return compareChosen; }

    QLineEdit* searchEdit = nullptr;
    QTableView* table = nullptr;
    QLabel* noteLabel = nullptr; // entries left out, or why none can be read
    QLabel* detailsLabel = nullptr; // the chosen entry's outcome and note
    QPushButton* openButton = nullptr;
    QPushButton* compareButton = nullptr;
    QPushButton* printButton = nullptr;
    QPushButton* writeBackButton = nullptr;
    QPushButton* closeButton = nullptr;
    CHistoryModel* model = nullptr;
    CHistoryFilter* filter = nullptr;

protected:
    void changeEvent(QEvent* event) override;

private:
    void Retranslate();
    // The buttons follow the choice; the details name it.
    void ChoiceChanged();
    void OpenChosen(bool thenCompare);
    void WriteBackChosen();
    // The line under the list.
    void ShowNote();

    std::function<HistoryListing()> read;
    std::string folder;
    HistoryBrowserHooks hooks;
    HistoryListing listing;
    QLabel* searchLabel = nullptr;
    bool compareChosen = false;
};
