#pragma once

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;

// The small question of a range command: one number (volts or a percentage)
// typed in the language's way or with a decimal point. OK takes it only when
// it is a number within the command's bounds; otherwise the dialog says what
// it wants and stays open.
class CRangeValueDlg : public QDialog {
    Q_OBJECT

public:
    struct Question {
        QString title; // "Set Output"
        QString label; // "Output of the selected points:"
        QString unit; // "V", "%"
        QString example; // the sentence shown for a value that is no number
        double low = 0.0; // bounds of a number taken, both included
        double high = 0.0;
        double initial = 0.0;
    };

    CRangeValueDlg(const Question& question, QWidget* parent = nullptr);

    // The number OK took.
    double Value() const { return value; }
    // The number the field holds, if it is one within the bounds.
    std::optional<double> Typed() const;

    QLineEdit* valueEdit = nullptr;
    QLabel* problemLabel = nullptr;

public slots:
    void accept() override;

private:
    const Question question;
    double value = 0.0;
};
