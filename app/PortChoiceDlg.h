#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;

// Asks which of several USB converters is the box's: one line each (path,
// USB ids, serial number, product string), the first selected. OK takes the
// selected line; Cancel (or Escape) chooses none.
class CPortChoiceDlg : public QDialog {
    Q_OBJECT

public:
    CPortChoiceDlg(const QStringList& lines, QWidget* parent = nullptr);

    // The selected line's index; -1 when none is selected.
    int ChosenIndex() const;

    QListWidget* list = nullptr;
};
