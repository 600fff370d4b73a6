#pragma once

#include <QDialog>

class QDoubleSpinBox;
class QLabel;
class QPushButton;
struct ProjectState;

// A small entry for the exact values of one point of the edited curve: the
// output of a chosen point, or the input and output of a new one. It shows
// the outputs the rules allow at the input, or why the input takes no point.
class CPointEntryDlg : public QDialog {
    Q_OBJECT

public:
    // With newPoint the input can be typed; otherwise it stays at input.
    CPointEntryDlg(
        const ProjectState& project, bool newPoint, double input, double output, QWidget* parent);

    // The typed input snapped to the box's 0.02 V steps, or the chosen
    // point's own input exactly.
    double Input() const;
    // Snapped to the box's steps.
    double Output() const;

private:
    void ShowLimits();

    const ProjectState& project;
    const bool newPoint;
    const double pointInput;
    QDoubleSpinBox* inputBox;
    QDoubleSpinBox* outputBox;
    QLabel* limitsLabel;
    QPushButton* okButton = nullptr;
};
