#include "PointEntryDlg.h"

#include "ProjectState.h"
#include "Translate.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

namespace {

// A voltage shown in the locale's way ("1,50 V" in German) that takes the
// point as well as the locale's separator: workshops type both.
class CVoltageBox : public QDoubleSpinBox {
public:
    using QDoubleSpinBox::QDoubleSpinBox;

    QValidator::State validate(QString& input, int& pos) const override
    {
        const QString separator = locale().decimalPoint();
        const QChar other = separator == QStringLiteral(",") ? u'.' : u',';
        input.replace(other, separator);
        return QDoubleSpinBox::validate(input, pos);
    }
};

QDoubleSpinBox* VoltageBox(const char* name, double value, QWidget* parent)
{
    auto* box = new CVoltageBox(parent);
    box->setObjectName(name);
    box->setDecimals(2);
    box->setSingleStep(0.02);
    box->setRange(0.0, 5.0);
    box->setSuffix(CPointEntryDlg::tr(" V"));
    box->setValue(value);
    return box;
}

} // namespace

CPointEntryDlg::CPointEntryDlg(
    const ProjectState& state, bool isNew, double input, double output, QWidget* parent)
    : QDialog(parent)
    , project(state)
    , newPoint(isNew)
    , pointInput(input)
    , inputBox(VoltageBox("inputBox", input, this))
    , outputBox(VoltageBox("outputBox", output, this))
    , limitsLabel(new QLabel(this))
{
    setWindowTitle(newPoint ? tr("New Point") : tr("Point"));
    inputBox->setReadOnly(!newPoint);
    inputBox->setToolTip(newPoint ? tr("The input voltage of the new point")
                                  : tr("The input voltage of the point; dragging keeps it"));
    outputBox->setToolTip(tr("The output voltage the box hands on at this input"));
    limitsLabel->setObjectName("limitsLabel");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    okButton = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(inputBox, &QDoubleSpinBox::valueChanged, this, &CPointEntryDlg::ShowLimits);

    auto* form = new QFormLayout(this);
    form->addRow(tr("Input:"), inputBox);
    form->addRow(tr("Output:"), outputBox);
    form->addRow(limitsLabel);
    form->addRow(buttons);
    ShowLimits();
    (newPoint ? inputBox : outputBox)->selectAll();
    (newPoint ? inputBox : outputBox)->setFocus();
}

double CPointEntryDlg::Input() const
{
    return newPoint ? SnapToBoxStep(inputBox->value()) : pointInput;
}

double CPointEntryDlg::Output() const
{
    return SnapToBoxStep(outputBox->value());
}

void CPointEntryDlg::ShowLimits()
{
    const double input = Input();
    const UserText refusal = project.MoveRefusal(input);
    okButton->setEnabled(refusal.Empty());
    if (!refusal.Empty()) {
        limitsLabel->setText(Tr(refusal));
        return;
    }
    const OutputLimits limits = project.PointOutputLimits(input);
    outputBox->setRange(limits.low, limits.high);
    limitsLabel->setText(
        tr("Output from %1 V to %2 V")
            .arg(QLocale().toString(limits.low, 'f', 2), QLocale().toString(limits.high, 'f', 2)));
}
