#include "RangeValueDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

#include <cmath>

std::optional<double> ParseTypedNumber(const QString& text)
{
    const QString trimmed = text.trimmed();
    // "1.500" is no thousand-and-a-half volts in a language that groups
    // digits with points.
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
    bool ok = false;
    double number = locale.toDouble(trimmed, &ok);
    if (!ok)
        number = QLocale::c().toDouble(trimmed, &ok);
    // A comma where the language writes a point, and the other way round.
    if (!ok) {
        QString swapped = trimmed;
        swapped.replace(QLatin1Char(','), QLatin1Char('.'));
        number = QLocale::c().toDouble(swapped, &ok);
    }
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    return number;
}

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
    const std::optional<double> number = ParseTypedNumber(valueEdit->text());
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
