#include "HistoryBrowser.h"

#include "DialogSizes.h"
#include "Messages.h"
#include "Translate.h"

#include <QDir>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

// --- the model

CHistoryModel::CHistoryModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

void CHistoryModel::SetEntries(std::vector<HistoryEntry> newEntries)
{
    beginResetModel();
    entries = std::move(newEntries);
    endResetModel();
}

int CHistoryModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(entries.size());
}

int CHistoryModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Columns;
}

QString CHistoryModel::OutcomeWord(const HistoryEntry& entry)
{
    switch (entry.outcome) {
    case WriteOutcome::Started:
        return tr("did not finish");
    case WriteOutcome::Verified:
        return tr("verified");
    case WriteOutcome::Differs:
        return tr("differs");
    case WriteOutcome::CheckCutOff:
        return tr("check cut off");
    case WriteOutcome::NotVerified:
        return tr("not verified");
    case WriteOutcome::Stopped:
        if (entry.cell < 0)
            return tr("stopped before the first cell");
        return tr("stopped after cell %1").arg(entry.cell);
    case WriteOutcome::Failed:
        break;
    }
    return tr("failed at cell %1").arg(entry.cell);
}

QVariant CHistoryModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const HistoryEntry& entry = Entry(index.row());
    const auto text = [](const std::string& value) { return QString::fromStdString(value); };
    if (role == Qt::ToolTipRole) {
        if (index.column() == Outcome)
            return Tr(WriteOutcomeText(entry));
        if (index.column() == Project)
            return QDir::toNativeSeparators(text(entry.sourcePath));
        return {};
    }
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case Time:
        return text(entry.time);
    case Box:
        return entry.boxIdentification; // sorts as a number
    case Outcome:
        return OutcomeWord(entry);
    case Project:
        return text(entry.projectName);
    case Customer:
        return text(entry.job.customer);
    case Vehicle:
        return text(entry.job.vehicle);
    case Registration:
        return text(entry.job.plate);
    case Computer:
        return text(entry.computer);
    default:
        break;
    }
    return {};
}

QVariant CHistoryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Time:
        return tr("Time");
    case Box:
        return tr("Box");
    case Outcome:
        return tr("Outcome");
    case Project:
        return tr("Project");
    case Customer:
        return tr("Customer");
    case Vehicle:
        return tr("Vehicle");
    case Registration:
        return tr("Registration or VIN");
    case Computer:
        return tr("Computer");
    default:
        break;
    }
    return {};
}

void CHistoryModel::Retranslate()
{
    emit headerDataChanged(Qt::Horizontal, 0, Columns - 1);
    if (!entries.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, Columns - 1));
}

// --- the search

void CHistoryFilter::SetText(const QString& text)
{
    filter.text = text.trimmed().toStdString();
    invalidateFilter();
}

bool CHistoryFilter::filterAcceptsRow(int sourceRow, const QModelIndex&) const
{
    const auto* entries = static_cast<const CHistoryModel*>(sourceModel());
    return HistoryEntryMatches(entries->Entry(sourceRow), filter);
}

// --- the browser

CHistoryBrowser::CHistoryBrowser(std::function<HistoryListing()> read_, std::string folder_,
    HistoryBrowserHooks hooks_, QWidget* parent)
    : QDialog(parent)
    , read(std::move(read_))
    , folder(std::move(folder_))
    , hooks(std::move(hooks_))
{
    setObjectName("historyBrowser");
    searchLabel = new QLabel(this);
    searchEdit = new QLineEdit(this);
    searchEdit->setObjectName("searchEdit");
    searchEdit->setClearButtonEnabled(true);
    searchLabel->setBuddy(searchEdit);

    model = new CHistoryModel(this);
    filter = new CHistoryFilter(this);
    filter->setSourceModel(model);
    table = new QTableView(this);
    table->setObjectName("historyTable");
    table->setModel(filter);
    table->setSortingEnabled(true);
    table->sortByColumn(CHistoryModel::Time, Qt::DescendingOrder);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setAlternatingRowColors(true);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    connect(table, &QTableView::doubleClicked, this, [this] { OpenChosen(false); });
    connect(table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
        &CHistoryBrowser::ChoiceChanged);
    connect(searchEdit, &QLineEdit::textChanged, this, [this](const QString& text) {
        filter->SetText(text);
        if (!Chosen() && filter->rowCount() > 0)
            table->selectRow(0);
        ChoiceChanged();
    });

    noteLabel = new QLabel(this);
    noteLabel->setObjectName("historyNote");
    noteLabel->setWordWrap(true);
    noteLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    noteLabel->setTextFormat(Qt::PlainText);
    detailsLabel = new QLabel(this);
    detailsLabel->setObjectName("historyDetails");
    detailsLabel->setWordWrap(true);
    detailsLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    detailsLabel->setTextFormat(Qt::PlainText);

    const auto button = [this](const char* name) {
        auto* made = new QPushButton(this);
        made->setObjectName(QString::fromLatin1(name));
        made->setAutoDefault(false);
        return made;
    };
    openButton = button("openButton");
    compareButton = button("compareButton");
    printButton = button("printButton");
    writeBackButton = button("writeBackButton");
    closeButton = button("closeButton");
    connect(openButton, &QPushButton::clicked, this, [this] { OpenChosen(false); });
    connect(compareButton, &QPushButton::clicked, this, [this] { OpenChosen(true); });
    connect(printButton, &QPushButton::clicked, this, [this] {
        if (const HistoryEntry* entry = Chosen(); entry && hooks.print)
            hooks.print(*entry);
    });
    connect(writeBackButton, &QPushButton::clicked, this, &CHistoryBrowser::WriteBackChosen);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(searchLabel);
    searchRow->addWidget(searchEdit, 1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* each : { openButton, compareButton, printButton, writeBackButton })
        buttons->addWidget(each);
    buttons->addStretch(1);
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(searchRow);
    layout->addWidget(table, 1);
    layout->addWidget(noteLabel);
    layout->addWidget(detailsLabel);
    layout->addLayout(buttons);

    Retranslate();
    Reload();
    GiveReadableSize(*this);
    searchEdit->setFocus(Qt::OtherFocusReason);
}

void CHistoryBrowser::Retranslate()
{
    setWindowTitle(tr("Write History"));
    searchLabel->setText(tr("&Search:"));
    searchEdit->setPlaceholderText(tr("Customer, vehicle, registration, project, box, outcome..."));
    table->setAccessibleName(tr("Writes"));
    openButton->setText(tr("&Open Project"));
    openButton->setToolTip(tr("Open the project as it was written"));
    compareButton->setText(tr("&Compare with Box..."));
    compareButton->setToolTip(tr("Open the project as it was written and compare it with the box"));
    printButton->setText(tr("&Print Sheet..."));
    printButton->setToolTip(tr("Print the project's sheet with the job and the outcome"));
    writeBackButton->setText(tr("&Write Back What the Box Held Before..."));
    writeBackButton->setToolTip(tr("Write into the box what it held before this write"));
    closeButton->setText(tr("Close"));
    model->Retranslate();
    ShowNote();
    ChoiceChanged();
}

void CHistoryBrowser::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
    QDialog::changeEvent(event);
}

void CHistoryBrowser::Reload()
{
    listing = read ? read() : HistoryListing();
    model->SetEntries(listing.entries);
    table->setEnabled(listing.readable);
    searchEdit->setEnabled(listing.readable);
    table->resizeColumnsToContents();
    if (filter->rowCount() > 0)
        table->selectRow(0);
    ShowNote();
    ChoiceChanged();
}

void CHistoryBrowser::ShowNote()
{
    QString note;
    if (!listing.readable)
        note = Tr(HistoryUnreadableMessage(
            QDir::toNativeSeparators(QString::fromStdString(folder)).toStdString(),
            listing.problem));
    else if (listing.entries.empty() && listing.skipped == 0)
        note = tr("No write has been kept yet.");
    else
        note = Tr(SkippedEntriesNote(listing.skipped));
    noteLabel->setText(note);
    noteLabel->setVisible(!note.isEmpty());
    // An error is no empty list: it stands out as one.
    noteLabel->setStyleSheet(listing.readable ? QString() : QStringLiteral("color: #b00000;"));
}

const HistoryEntry* CHistoryBrowser::Chosen() const
{
    const QModelIndexList rows = table->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return nullptr;
    const QModelIndex source = filter->mapToSource(rows.front());
    if (!source.isValid())
        return nullptr;
    return &model->Entry(source.row());
}

void CHistoryBrowser::ChoiceChanged()
{
    const HistoryEntry* entry = Chosen();
    for (QPushButton* each : { openButton, compareButton, printButton })
        each->setEnabled(entry != nullptr);
    writeBackButton->setEnabled(entry && !entry->beforePath.empty());
    if (!entry) {
        detailsLabel->clear();
        return;
    }
    QStringList lines;
    for (const UserText& line : HistoryNoteLines(entry->projectPath))
        lines << Tr(line);
    lines << tr("Kept as %1")
                 .arg(QDir::toNativeSeparators(QString::fromStdString(entry->projectPath)));
    detailsLabel->setText(lines.join(QLatin1Char('\n')));
}

void CHistoryBrowser::OpenChosen(bool thenCompare)
{
    const HistoryEntry* entry = Chosen();
    if (!entry || !hooks.open || !hooks.open(*entry))
        return;
    compareChosen = thenCompare;
    accept();
}

void CHistoryBrowser::WriteBackChosen()
{
    const HistoryEntry* chosen = Chosen();
    if (!chosen || chosen->beforePath.empty() || !hooks.writeBack)
        return;
    const HistoryEntry entry = *chosen; // the list is read again afterwards
    const QString question
        = tr("Write back into box %1 what it held before the write of %2?\n\nThe box's present "
             "contents are lost unless the backup is on.")
              .arg(entry.boxIdentification)
              .arg(QString::fromStdString(entry.time));
    if (ShowMessage(this, question, QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No,
            QMessageBox::No)
        != QMessageBox::Yes)
        return;
    hooks.writeBack(entry);
    Reload();
}
