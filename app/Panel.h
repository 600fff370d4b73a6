#pragma once

#include <QWidget>

class CSpinArrows;
class CValueField;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
struct ProjectState;

// The panel on the left of the main window, top to bottom: the project
// buttons, the graph type, the box type with the two curves' controls, the
// parameters, and "Compare with box". Laid out with Qt's layouts, so it grows
// with the font, the screen's scale and longer texts.
//
// The panel only shows: the window binds its buttons and check boxes to its
// actions and its fields and arrows to its handlers, and ShowProject puts the
// project's values in. Its texts follow the language (QEvent::LanguageChange);
// Tab visits its controls in reading order, top to bottom and left to right.
class CPanel : public QWidget {
    Q_OBJECT

public:
    explicit CPanel(QWidget* parent = nullptr);

    // Every field's value as the project holds it, every digit of it, in the
    // way the language of the moment writes numbers.
    void ShowProject(const ProjectState& project);

signals:
    // The panel's layout has taken new sizes of its controls (a longer
    // value): its size hint may have changed.
    void relaidOut();

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Every text of the panel in the language of the moment.
    void Retranslate();
    // The fields' and arrows' names, descriptions and tips.
    void DescribeParameters();
    // Tab: the project buttons two to a row, the views, the box type and
    // the curves' rows, the parameters, Compare.
    void SetTabOrder();

    QGroupBox* graphTypeGroup = nullptr;
    QGroupBox* boxTypeGroup = nullptr;
    QLabel* startVoltageLabel = nullptr;
    QLabel* startVoltageUnit = nullptr;
    QLabel* stopVoltageLabel = nullptr;
    QLabel* stopVoltageUnit = nullptr;
    QLabel* startDelayLabel = nullptr;
    QLabel* startDelayUnit = nullptr;
    QLabel* curveDelayLabel = nullptr;
    QLabel* curveDelayUnitTop = nullptr;
    QLabel* curveDelayUnitBottom = nullptr;

public:
    QPushButton* newButton = nullptr;
    QPushButton* openButton = nullptr;
    QPushButton* saveButton = nullptr;
    QPushButton* readButton = nullptr;
    QPushButton* writeButton = nullptr;
    QPushButton* printButton = nullptr;
    QCheckBox* inputOutputCheck = nullptr;
    QCheckBox* differenceCheck = nullptr;
    QComboBox* boxTypeCombo = nullptr;
    QCheckBox* editCrCheck = nullptr;
    QPushButton* resetCrButton = nullptr;
    QCheckBox* showCrCheck = nullptr;
    QCheckBox* editTurboCheck = nullptr;
    QPushButton* resetTurboButton = nullptr;
    QCheckBox* showTurboCheck = nullptr;
    QPushButton* copyCurveButton = nullptr;
    CValueField* startVoltageEdit = nullptr;
    CSpinArrows* startVoltageSpin = nullptr;
    CValueField* stopVoltageEdit = nullptr;
    CSpinArrows* stopVoltageSpin = nullptr;
    CValueField* startDelayEdit = nullptr; // m:ss
    CSpinArrows* startDelayMinSpin = nullptr;
    CSpinArrows* startDelaySecSpin = nullptr;
    CValueField* curveDelayEdit = nullptr;
    CSpinArrows* curveDelaySpin = nullptr;
    QPushButton* compareButton = nullptr;
};

// The texts the fields show: voltages with up to 15 significant digits (a
// value drifted by 0.1 V steps, 1.2999999999999998, shows as 1.3) in the
// locale's way ("1,3" in German), the start delay as m:ss.
QString VoltageText(double volts);
QString StartDelayText(int minutes, int seconds);
