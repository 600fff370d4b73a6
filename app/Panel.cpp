#include "Panel.h"

#include "GraphStyle.h"
#include "LocalNumbers.h"
#include "SpinArrows.h"
#include "ValueField.h"

#include <ProjectState.h>

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QVBoxLayout>

#include <iterator>

namespace {

// A check box with a short line in its curve's colour under its text, so the
// panel says which curve is drawn in which colour.
class CCurveCheckBox : public QCheckBox {
public:
    CCurveCheckBox(const QString& text, QColor colour_, QWidget* parent)
        : QCheckBox(text, parent)
        , colour(colour_)
    {
    }
    QSize sizeHint() const override { return QCheckBox::sizeHint() + QSize(0, kLineRoom); }
    QSize minimumSizeHint() const override
    {
        return QCheckBox::minimumSizeHint() + QSize(0, kLineRoom);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QCheckBox::paintEvent(event);
        QStyleOptionButton option;
        initStyleOption(&option);
        const QRect text = style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this);
        const int width = std::min(fontMetrics().horizontalAdvance(this->text()), text.width());
        QPainter painter(this);
        const int y = height() - kLineRoom / 2 - 1;
        painter.fillRect(QRect(text.left(), y - 1, width, 2), colour);
    }

private:
    static constexpr int kLineRoom = 4; // pixels under the text for the line
    QColor colour;
};

QLabel* AddLabel(const char* name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

template <typename Widget> Widget* Named(Widget* widget, const char* name)
{
    widget->setObjectName(name);
    return widget;
}

// Buttons and check boxes take the keyboard focus from Tab, not from a
// click, so a click on the panel leaves the keys with the graph.
template <typename Widget> Widget* PanelControl(Widget* widget, const char* name)
{
    widget->setFocusPolicy(Qt::TabFocus);
    return Named(widget, name);
}

// A spin's arrows, a field and what follows it, in one row.
QHBoxLayout* ValueRow(CSpinArrows* spin, CValueField* field, QWidget* after)
{
    auto* row = new QHBoxLayout;
    row->setSpacing(3);
    row->addWidget(spin);
    row->addWidget(field);
    if (after)
        row->addWidget(after);
    row->addStretch();
    return row;
}

} // namespace

QString VoltageText(double volts)
{
    return LocalNumber(volts);
}

QString StartDelayText(int minutes, int seconds)
{
    return QStringLiteral("%1:%2").arg(minutes).arg(seconds, 2, 10, QLatin1Char('0'));
}

CPanel::CPanel(QWidget* parent)
    : QWidget(parent)
{
    auto* panel = new QVBoxLayout(this);
    panel->setContentsMargins(4, 4, 4, 4);
    panel->setSpacing(4);

    // Project buttons.
    auto* projectGroup = Named(new QGroupBox(this), "projectGroup");
    // Two to a row, in reading order.
    auto* projectButtons = new QGridLayout(projectGroup);
    projectButtons->setSpacing(3);
    newButton = PanelControl(new QPushButton(projectGroup), "newButton");
    openButton = PanelControl(new QPushButton(projectGroup), "openButton");
    saveButton = PanelControl(new QPushButton(projectGroup), "saveButton");
    readButton = PanelControl(new QPushButton(projectGroup), "readButton");
    writeButton = PanelControl(new QPushButton(projectGroup), "writeButton");
    printButton = PanelControl(new QPushButton(projectGroup), "printButton");
    int index = 0;
    for (QPushButton* button :
        { newButton, openButton, saveButton, readButton, writeButton, printButton }) {
        projectButtons->addWidget(button, index / 2, index % 2);
        ++index;
    }
    panel->addWidget(projectGroup);

    // Graph view.
    graphTypeGroup = Named(new QGroupBox(this), "graphTypeGroup");
    auto* views = new QVBoxLayout(graphTypeGroup);
    inputOutputCheck = PanelControl(new QCheckBox(graphTypeGroup), "inputOutputCheck");
    differenceCheck = PanelControl(new QCheckBox(graphTypeGroup), "differenceCheck");
    views->addWidget(inputOutputCheck);
    views->addWidget(differenceCheck);
    panel->addWidget(graphTypeGroup);

    // Box type and the curves.
    boxTypeGroup = Named(new QGroupBox(this), "boxTypeGroup");
    auto* box = new QVBoxLayout(boxTypeGroup);
    boxTypeCombo = PanelControl(new QComboBox(boxTypeGroup), "boxTypeCombo");
    boxTypeCombo->addItems({ QString(), QString(), QString() });
    box->addWidget(boxTypeCombo);
    auto* curves = new QGridLayout;
    curves->setHorizontalSpacing(3);
    editCrCheck = PanelControl(
        new CCurveCheckBox(QString(), GraphStyle::kCrColour, boxTypeGroup), "editCrCheck");
    resetCrButton
        = PanelControl(new QPushButton(QStringLiteral("0"), boxTypeGroup), "resetCrButton");
    showCrCheck = PanelControl(new QCheckBox(boxTypeGroup), "showCrCheck");
    editTurboCheck = PanelControl(
        new CCurveCheckBox(QString(), GraphStyle::kTurboColour, boxTypeGroup), "editTurboCheck");
    resetTurboButton
        = PanelControl(new QPushButton(QStringLiteral("0"), boxTypeGroup), "resetTurboButton");
    showTurboCheck = PanelControl(new QCheckBox(boxTypeGroup), "showTurboCheck");
    QWidget* const rows[2][3] = { { editCrCheck, resetCrButton, showCrCheck },
        { editTurboCheck, resetTurboButton, showTurboCheck } };
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c)
            curves->addWidget(rows[r][c], r, c);
    curves->setColumnStretch(0, 1);
    for (QPushButton* reset : { resetCrButton, resetTurboButton }) {
        // As small as its one digit allows.
        const int side = reset->fontMetrics().height() + 6;
        reset->setFixedSize(std::max(side, reset->fontMetrics().horizontalAdvance("0") + 10), side);
    }
    box->addLayout(curves);
    copyCurveButton = PanelControl(new QPushButton(boxTypeGroup), "copyCurveButton");
    box->addWidget(copyCurveButton);
    panel->addWidget(boxTypeGroup);

    // Parameters: each label beside its arrows, field and unit.
    auto* parameterGroup = Named(new QGroupBox(this), "parameterGroup");
    auto* parameters = new QGridLayout(parameterGroup);
    parameters->setVerticalSpacing(3);
    parameters->setHorizontalSpacing(4);
    int row = 0;
    const auto addRow = [&](const char* name, QLayout* value) {
        auto* label = AddLabel(name, parameterGroup);
        label->setBuddy(value->itemAt(1)->widget());
        parameters->addWidget(label, row, 0);
        parameters->addLayout(value, row, 1);
        ++row;
        return label;
    };
    // A voltage: arrows, field and "V".
    const auto addVoltage = [&](const QString& name, CSpinArrows*& spin, CValueField*& field,
                                QLabel*& label, QLabel*& unit) {
        spin = new CSpinArrows(name, parameterGroup);
        field = new CValueField(QStringLiteral("4.5"), parameterGroup);
        field->setObjectName(name + QStringLiteral("Edit"));
        unit = new QLabel(parameterGroup);
        unit->setObjectName(name + QStringLiteral("Unit"));
        label = addRow(qPrintable(name + QStringLiteral("Label")), ValueRow(spin, field, unit));
    };
    addVoltage(QStringLiteral("startVoltage"), startVoltageSpin, startVoltageEdit,
        startVoltageLabel, startVoltageUnit);
    addVoltage(QStringLiteral("stopVoltage"), stopVoltageSpin, stopVoltageEdit, stopVoltageLabel,
        stopVoltageUnit);

    startDelayMinSpin = new CSpinArrows(QStringLiteral("startDelayMin"), parameterGroup);
    startDelayEdit
        = Named(new CValueField(QStringLiteral("4:00"), parameterGroup), "startDelayEdit");
    startDelaySecSpin = new CSpinArrows(QStringLiteral("startDelaySec"), parameterGroup);
    startDelayEdit->setAlignment(Qt::AlignCenter);
    startDelayLabel
        = addRow("startDelayLabel", ValueRow(startDelayMinSpin, startDelayEdit, startDelaySecSpin));
    startDelayUnit = AddLabel("startDelayUnit", parameterGroup);
    parameters->addWidget(startDelayUnit, row++, 1);

    curveDelaySpin = new CSpinArrows(QStringLiteral("curveDelay"), parameterGroup);
    curveDelayEdit
        = Named(new CValueField(QStringLiteral("500"), parameterGroup), "curveDelayEdit");
    curveDelayEdit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // "ms" over a fraction bar over "0,1 V".
    auto* unit = Named(new QWidget(parameterGroup), "curveDelayUnit");
    auto* fraction = new QVBoxLayout(unit);
    fraction->setContentsMargins(0, 0, 0, 0);
    fraction->setSpacing(0);
    curveDelayUnitTop = AddLabel("curveDelayUnitTop", unit);
    auto* bar = Named(new QFrame(unit), "curveDelayFractionBar");
    bar->setFrameShape(QFrame::HLine);
    bar->setFrameShadow(QFrame::Plain);
    curveDelayUnitBottom = AddLabel("curveDelayUnitBottom", unit);
    for (QLabel* label : { curveDelayUnitTop, curveDelayUnitBottom })
        label->setAlignment(Qt::AlignHCenter);
    fraction->addWidget(curveDelayUnitTop);
    fraction->addWidget(bar);
    fraction->addWidget(curveDelayUnitBottom);
    curveDelayLabel = addRow("curveDelayLabel", ValueRow(curveDelaySpin, curveDelayEdit, unit));
    panel->addWidget(parameterGroup);

    // Under the parameters: reads the box without changing the project.
    compareButton = PanelControl(new QPushButton(this), "compareButton");
    panel->addWidget(compareButton);
    panel->addStretch();

    Retranslate();
    SetTabOrder();
}

void CPanel::Retranslate()
{
    const std::pair<QAbstractButton*, QString> buttons[] = {
        { newButton, tr("New") },
        { openButton, tr("Open") },
        { saveButton, tr("Save") },
        { readButton, tr("Read") },
        { writeButton, tr("Write") },
        { printButton, tr("Print Project") },
        { inputOutputCheck, tr("Input-Output") },
        { differenceCheck, tr("Difference ") },
        { editCrCheck, tr("CR") },
        { editTurboCheck, tr("TURBO") },
        { copyCurveButton, tr("Copy curve") },
        { compareButton, tr("Compare with box") },
    };
    for (const auto& [button, text] : buttons)
        button->setText(text);
    graphTypeGroup->setTitle(tr("Graph Type:"));
    boxTypeGroup->setTitle(tr("Box Type:"));
    const QString boxTypes[] = { tr("1 CR input"), tr("2 CR inputs"), tr("CR&TURBO") };
    for (int type = 0; type < 3; ++type)
        boxTypeCombo->setItemText(type, boxTypes[type]);
    const std::pair<QLabel*, QString> labels[] = {
        { startVoltageLabel, tr("Start Voltage:") },
        { startVoltageUnit, tr("V") },
        { stopVoltageLabel, tr("Stop Voltage:") },
        { stopVoltageUnit, tr("V") },
        { startDelayLabel, tr("Start Delay:") },
        { startDelayUnit, tr("min : sec") },
        { curveDelayLabel, tr("Curve Delay:") },
        { curveDelayUnitTop, tr("ms") },
        { curveDelayUnitBottom, tr("0,1 V") },
    };
    for (const auto& [label, text] : labels)
        label->setText(text);
    DescribeParameters();
}

void CPanel::SetTabOrder()
{
    QWidget* const order[] = { newButton, openButton, saveButton, readButton, writeButton,
        printButton, inputOutputCheck, differenceCheck, boxTypeCombo, editCrCheck, resetCrButton,
        showCrCheck, editTurboCheck, resetTurboButton, showTurboCheck, copyCurveButton,
        startVoltageEdit, stopVoltageEdit, startDelayEdit, curveDelayEdit, compareButton };
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void CPanel::DescribeParameters()
{
    const struct {
        CValueField* field;
        QString name;
        QString tip;
    } fields[] = {
        { startVoltageEdit, tr("Start voltage"),
            tr("Below this input voltage the box leaves the signal alone. Type a value in steps "
               "of 0.1 V and press Enter.") },
        { stopVoltageEdit, tr("Stop voltage"),
            tr("Above this input voltage the box leaves the signal alone. Type a value in steps "
               "of 0.1 V and press Enter.") },
        { startDelayEdit, tr("Start delay"),
            tr("How long after the engine starts the box begins, from 0:00 to 4:00. Type it as "
               "minutes:seconds and press Enter.") },
        { curveDelayEdit, tr("Curve delay"),
            tr("Milliseconds per 0.1 V, from 0 to 500 in steps of 20. Type a value and press "
               "Enter.") },
    };
    for (const auto& [field, name, tip] : fields) {
        field->setAccessibleName(name);
        field->setAccessibleDescription(tip);
        field->setToolTip(tip);
    }
    startVoltageSpin->Describe(
        tr("Raise the start voltage by 0.1 V"), tr("Lower the start voltage by 0.1 V"));
    stopVoltageSpin->Describe(
        tr("Raise the stop voltage by 0.1 V"), tr("Lower the stop voltage by 0.1 V"));
    startDelayMinSpin->Describe(
        tr("Start delay one minute longer"), tr("Start delay one minute shorter"));
    startDelaySecSpin->Describe(
        tr("Start delay one second longer"), tr("Start delay one second shorter"));
    curveDelaySpin->Describe(tr("Curve delay 20 ms longer"), tr("Curve delay 20 ms shorter"));
}

void CPanel::ShowProject(const ProjectState& project)
{
    startVoltageEdit->ShowValue(VoltageText(project.startVoltage));
    stopVoltageEdit->ShowValue(VoltageText(project.stopVoltage));
    startDelayEdit->ShowValue(StartDelayText(project.startDelayMin, project.startDelaySec));
    curveDelayEdit->ShowValue(QString::number(project.curveDelay));
}

bool CPanel::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::LayoutRequest)
        emit relaidOut();
    return handled;
}

void CPanel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
    QWidget::changeEvent(event);
}
