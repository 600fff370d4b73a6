#include "CompactComboStyle.h"
#include "PanelGeometry.h"
#include "RamvikDlg.h"
#include "SpinArrows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <utility>

// Creates the panel's controls in the order the Tab key visits them; group
// boxes and labels come first in each section so the controls lie above them.

namespace {
template <typename Widget> Widget* Place(Widget* widget, const char* name, QRect where)
{
    widget->setObjectName(name);
    widget->setGeometry(where);
    return widget;
}

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, QRect where,
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop)
{
    auto* label = Place(new QLabel(text, parent), name, where);
    label->setAlignment(alignment);
    return label;
}

QLineEdit* AddValueBox(QWidget* parent, const char* name, QRect where, Qt::Alignment alignment)
{
    auto* edit = Place(new QLineEdit(parent), name, where);
    edit->setReadOnly(true);
    edit->setAlignment(alignment);
    // The boxes are narrow in the panel's dialog-unit layout; the toolkit's
    // own inner margin would hide the first digit of "200" or "59".
    edit->setTextMargins(-2, 0, -2, 0);
    return edit;
}

// A small picture: a line in a curve's colour under its check box, or the
// fraction bar between "ms" and "0,1 V".
QLabel* AddLinePicture(QWidget* parent, const char* name, QRect where, QColor colour, bool dashed)
{
    QPixmap picture(where.size());
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    QPen pen(colour, where.height(), dashed ? Qt::DashLine : Qt::SolidLine, Qt::FlatCap);
    if (dashed)
        pen.setDashPattern({ 3.0, 1.5 });
    painter.setPen(pen);
    const double middle = where.height() / 2.0;
    painter.drawLine(QPointF(0, middle), QPointF(where.width(), middle));
    painter.end();
    auto* label = Place(new QLabel(parent), name, where);
    label->setPixmap(picture);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

// The line that marks a curve's colour, under the text of its check box and
// as long as the text, wherever the style puts the text.
void AddColourLine(QCheckBox* box, const char* name, int yUnits, QColor colour, bool dashed)
{
    QStyleOptionButton option;
    option.initFrom(box);
    option.text = box->text();
    const QRect text = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
    const QRect height = DialogUnits(0, yUnits, 1, 2);
    const QRect where(box->x() + text.left(), height.y(),
        box->fontMetrics().horizontalAdvance(box->text()), height.height());
    AddLinePicture(box->parentWidget(), name, where, colour, dashed)->stackUnder(box);
}
// Lets a control whose text needs more room than its dialog-unit width grow to
// the right, up to the given edge in dialog units, so no label is clipped.
void WidenToText(QWidget* control, int rightEdgeUnits)
{
    const int room = DialogUnits(0, 0, rightEdgeUnits, 1).width() - control->x();
    const int wanted = std::min(control->sizeHint().width(), room);
    if (wanted > control->width())
        control->resize(wanted, control->height());
}
} // namespace

void CRamvikDlg::BuildPanel()
{
    QFont panelFont("Arial", 8);
    panelFont.setStyleHint(QFont::SansSerif);
    setFont(panelFont);

    // Project buttons.
    Place(new QGroupBox(this), "projectGroup", DialogUnits(4, 2, 65, 97));
    newButton = Place(new QPushButton("New", this), "newButton", DialogUnits(7, 9, 60, 12));
    openButton = Place(new QPushButton("Open", this), "openButton", DialogUnits(7, 24, 60, 12));
    saveButton = Place(new QPushButton("Save", this), "saveButton", DialogUnits(7, 39, 60, 12));
    readButton = Place(new QPushButton("Read", this), "readButton", DialogUnits(7, 54, 60, 12));
    writeButton = Place(new QPushButton("Write", this), "writeButton", DialogUnits(7, 69, 60, 12));
    printButton
        = Place(new QPushButton("Print Project", this), "printButton", DialogUnits(7, 84, 60, 12));

    // Graph view.
    Place(new QGroupBox("Graph Type:", this), "graphTypeGroup", DialogUnits(4, 99, 65, 37));
    inputOutputCheck = Place(
        new QCheckBox("Input-Output", this), "inputOutputCheck", DialogUnits(8, 111, 58, 10));
    differenceCheck
        = Place(new QCheckBox("Difference ", this), "differenceCheck", DialogUnits(8, 123, 58, 10));

    // Box type and curves.
    Place(new QGroupBox("Box Type:", this), "boxTypeGroup", DialogUnits(4, 136, 65, 68));
    boxTypeCombo = Place(new QComboBox(this), "boxTypeCombo", DialogUnits(6, 150, 62, 13));
    boxTypeCombo->addItems({ "1 CR input", "2 CR inputs", "CR&TURBO" });
    // The window owns the style; it outlives the selector, its child made
    // earlier.
    auto* comboStyle = new CCompactComboStyle;
    comboStyle->setParent(this);
    boxTypeCombo->setStyle(comboStyle);
    editCrCheck = Place(new QCheckBox("CR", this), "editCrCheck", DialogUnits(6, 166, 24, 11));
    resetCrButton = Place(new QPushButton("0", this), "resetCrButton", DialogUnits(46, 166, 9, 10));
    showCrCheck = Place(new QCheckBox(this), "showCrCheck", DialogUnits(56, 166, 9, 10));
    editTurboCheck
        = Place(new QCheckBox("TURBO", this), "editTurboCheck", DialogUnits(6, 177, 37, 11));
    resetTurboButton
        = Place(new QPushButton("0", this), "resetTurboButton", DialogUnits(46, 178, 9, 10));
    showTurboCheck = Place(new QCheckBox(this), "showTurboCheck", DialogUnits(56, 178, 9, 10));
    copyCurveButton = Place(
        new QPushButton("Copy curve", this), "copyCurveButton", DialogUnits(7, 190, 60, 12));

    // Parameters.
    Place(new QGroupBox(this), "parameterGroup", DialogUnits(4, 204, 65, 112));
    AddLabel(this, "startVoltageLabel", "Start Voltage:", DialogUnits(9, 207, 52, 8));
    AddLabel(this, "startVoltageUnit", "V", DialogUnits(40, 220, 8, 8));
    AddLabel(this, "stopVoltageLabel", "Stop Voltage:", DialogUnits(9, 231, 52, 8));
    AddLabel(this, "stopVoltageUnit", "V", DialogUnits(40, 243, 8, 8));
    AddLabel(this, "startDelayLabel", "Start Delay:", DialogUnits(9, 255, 52, 8));
    AddLabel(
        this, "startDelayColon", ":", DialogUnits(29, 268, 5, 8), Qt::AlignHCenter | Qt::AlignTop);
    AddLabel(this, "startDelayUnit", "min : sec", DialogUnits(19, 279, 30, 8));
    AddLabel(this, "curveDelayLabel", "Curve Delay:", DialogUnits(9, 289, 52, 8));
    AddLabel(this, "curveDelayUnitTop", "ms", DialogUnits(38, 297, 16, 8),
        Qt::AlignHCenter | Qt::AlignTop);
    AddLinePicture(this, "curveDelayFractionBar", DialogUnits(38, 305, 16, 1),
        palette().color(QPalette::WindowText), false);
    AddLabel(this, "curveDelayUnitBottom", "0,1 V", DialogUnits(37, 306, 20, 8),
        Qt::AlignHCenter | Qt::AlignTop);

    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignVCenter;
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    startVoltageEdit = AddValueBox(this, "startVoltageEdit", DialogUnits(24, 217, 14, 14), left);
    startVoltageSpin
        = Place(new CSpinArrows("startVoltage", this), "startVoltage", DialogUnits(9, 215, 11, 13));
    stopVoltageEdit = AddValueBox(this, "stopVoltageEdit", DialogUnits(24, 240, 14, 14), left);
    stopVoltageSpin
        = Place(new CSpinArrows("stopVoltage", this), "stopVoltage", DialogUnits(9, 239, 11, 13));
    startDelayMinEdit
        = AddValueBox(this, "startDelayMinEdit", DialogUnits(21, 266, 8, 12), centred);
    startDelaySecEdit
        = AddValueBox(this, "startDelaySecEdit", DialogUnits(34, 266, 11, 12), centred);
    startDelayMinSpin = Place(
        new CSpinArrows("startDelayMin", this), "startDelayMin", DialogUnits(9, 264, 11, 13));
    startDelaySecSpin = Place(
        new CSpinArrows("startDelaySec", this), "startDelaySec", DialogUnits(45, 264, 11, 13));
    curveDelayEdit = AddValueBox(this, "curveDelayEdit", DialogUnits(23, 300, 14, 12), right);
    curveDelaySpin
        = Place(new CSpinArrows("curveDelay", this), "curveDelay", DialogUnits(9, 298, 11, 13));

    // Under the parameters: reads the box without changing the project.
    compareButton = Place(
        new QPushButton("Compare with box", this), "compareButton", DialogUnits(4, 319, 65, 12));

    // Enter presses the focused button, as in the platform's dialogs.
    for (QPushButton* button : findChildren<QPushButton*>(Qt::FindDirectChildrenOnly))
        button->setAutoDefault(true);

    WidenToText(inputOutputCheck, 68);
    WidenToText(differenceCheck, 68);
    WidenToText(editCrCheck, 46);
    WidenToText(editTurboCheck, 46);
    AddColourLine(editCrCheck, "crColourLine", 175, QColor(0, 0, 255), false);
    // Solid, as the TURBO curve is drawn.
    AddColourLine(editTurboCheck, "turboColourLine", 186, QColor(255, 0, 0), false);
    // The unlabelled visibility boxes show their whole mark.
    WidenToText(showCrCheck, 68);
    WidenToText(showTurboCheck, 68);
    AddToolTips();
}

void CRamvikDlg::AddToolTips()
{
    const std::pair<QWidget*, const char*> tips[] = {
        { newButton, "Start a new project (Ctrl+N)" },
        { openButton, "Open a project file (Ctrl+O)" },
        { saveButton, "Save the project to a file (Ctrl+S)" },
        { readButton, "Read the curves and parameters from the box" },
        { writeButton, "Write the curves and parameters into the box" },
        { printButton, "Print the project sheet (Ctrl+P)" },
        { compareButton, "Read the box and compare it with the project" },
        { inputOutputCheck, "Show the output voltage against the input voltage" },
        { differenceCheck, "Show the input voltage minus the output voltage" },
        { boxTypeCombo, "The type of the box the project is for" },
        { editCrCheck, "Edit the CR curve (blue)" },
        { resetCrButton, "Make the CR curve a straight line again" },
        { showCrCheck, "Show the CR curve while the TURBO curve is edited" },
        { editTurboCheck, "Edit the TURBO curve (red)" },
        { resetTurboButton, "Make the TURBO curve a straight line again" },
        { showTurboCheck, "Show the TURBO curve while the CR curve is edited" },
        { copyCurveButton, "Copy the edited curve onto the other curve" },
        { startVoltageEdit, "Below this input voltage the box leaves the signal alone" },
        { startVoltageSpin, "Start voltage, in steps of 0.1 V" },
        { stopVoltageEdit, "Above this input voltage the box leaves the signal alone" },
        { stopVoltageSpin, "Stop voltage, in steps of 0.1 V" },
        { startDelayMinEdit, "Start delay, minutes" },
        { startDelaySecEdit, "Start delay, seconds" },
        { startDelayMinSpin, "Start delay, in steps of a minute" },
        { startDelaySecSpin, "Start delay, in steps of a second" },
        { curveDelayEdit, "Curve delay, milliseconds per 0.1 V" },
        { curveDelaySpin, "Curve delay, in steps of 20 ms" },
    };
    for (const auto& [control, tip] : tips)
        control->setToolTip(tip);
    // The wheel over a value or its arrows steps it as the arrows do.
    const std::pair<QWidget*, CSpinArrows*> values[] = { { startVoltageEdit, startVoltageSpin },
        { stopVoltageEdit, stopVoltageSpin }, { startDelayMinEdit, startDelayMinSpin },
        { startDelaySecEdit, startDelaySecSpin }, { curveDelayEdit, curveDelaySpin } };
    for (const auto& [box, spin] : values)
        spin->StepOnWheelOver(box);
}

void CRamvikDlg::ConnectPanel()
{
    connect(newButton, &QPushButton::clicked, this, &CRamvikDlg::OnNew);
    connect(openButton, &QPushButton::clicked, this, &CRamvikDlg::OnOpen);
    connect(saveButton, &QPushButton::clicked, this, &CRamvikDlg::OnSave);
    connect(readButton, &QPushButton::clicked, this, &CRamvikDlg::OnRead);
    connect(writeButton, &QPushButton::clicked, this, &CRamvikDlg::OnWrite);
    connect(printButton, &QPushButton::clicked, this, &CRamvikDlg::OnPrint);
    connect(compareButton, &QPushButton::clicked, this, &CRamvikDlg::OnCompare);
    connect(inputOutputCheck, &QCheckBox::clicked, this, &CRamvikDlg::OnInputOutputView);
    connect(differenceCheck, &QCheckBox::clicked, this, &CRamvikDlg::OnDifferenceView);
    connect(boxTypeCombo, &QComboBox::activated, this, &CRamvikDlg::OnBoxTypeChosen);
    connect(editCrCheck, &QCheckBox::clicked, this, &CRamvikDlg::OnEditCr);
    connect(resetCrButton, &QPushButton::clicked, this, &CRamvikDlg::OnResetCrCurve);
    connect(showCrCheck, &QCheckBox::clicked, this, &CRamvikDlg::OnShowCr);
    connect(editTurboCheck, &QCheckBox::clicked, this, &CRamvikDlg::OnEditTurbo);
    connect(resetTurboButton, &QPushButton::clicked, this, &CRamvikDlg::OnResetTurboCurve);
    connect(showTurboCheck, &QCheckBox::clicked, this, &CRamvikDlg::OnShowTurbo);
    connect(copyCurveButton, &QPushButton::clicked, this, &CRamvikDlg::OnCopyCurve);
    connect(startVoltageSpin, &CSpinArrows::stepped, this, &CRamvikDlg::OnStartVoltage);
    connect(stopVoltageSpin, &CSpinArrows::stepped, this, &CRamvikDlg::OnStopVoltage);
    connect(startDelayMinSpin, &CSpinArrows::stepped, this, &CRamvikDlg::OnStartDelayMinutes);
    connect(startDelaySecSpin, &CSpinArrows::stepped, this, &CRamvikDlg::OnStartDelaySeconds);
    connect(curveDelaySpin, &CSpinArrows::stepped, this, &CRamvikDlg::OnCurveDelay);
}
