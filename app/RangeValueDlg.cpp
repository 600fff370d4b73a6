#include "RangeValueDlg.h"

#include "LocalNumbers.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

CRangeValueDlg::CRangeValueDlg(const Question& question_, QWidget* parent)
    : QDialog(parent)
    , question(question_)
{
    setWindowTitle(question.title);
    valueEdit = new QLineEdit(QLocale().toString(question.initial, 'f', 2), this);
    valueEdit->setObjectName(QStringLiteral("rangeValueEdit"));
    valueEdit->setAccessibleName(question.label);
    valueEdit->selectAll();
    auto* unit = new QLabel(question.unit, this);
    auto* row = new QHBoxLayout;
    row->addWidget(valueEdit, 1);
    row->addWidget(unit);
    problemLabel = new QLabel(this);
    problemLabel->setObjectName(QStringLiteral("rangeValueProblem"));
    problemLabel->setWordWrap(true);
    problemLabel->hide();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CRangeValueDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* form = new QFormLayout(this);
    auto* label = new QLabel(question.label, this);
    label->setBuddy(valueEdit);
    form->addRow(label, row);
    form->addRow(problemLabel);
    form->addRow(buttons);
}

std::optional<double> CRangeValueDlg::Typed() const
{
    const std::optional<double> number = ReadLocalNumber(valueEdit->text());
    if (!number || *number < question.low || *number > question.high)
        return std::nullopt;
    return number;
}

void CRangeValueDlg::accept()
{
    const std::optional<double> number = Typed();
    if (!number) {
        problemLabel->setText(question.example);
        problemLabel->show();
        valueEdit->setFocus();
        valueEdit->selectAll();
        return;
    }
    value = *number;
    QDialog::accept();
}
