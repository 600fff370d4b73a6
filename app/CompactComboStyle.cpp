#include "CompactComboStyle.h"

#include <QApplication>
#include <QStyleFactory>
#include <QStyleOptionComplex>

namespace {
constexpr int kArrowWidth = 14; // pixels, frame included
} // namespace

CCompactComboStyle::CCompactComboStyle()
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name()))
{
}

QRect CCompactComboStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
    SubControl part, const QWidget* widget) const
{
    const QRect base = QProxyStyle::subControlRect(control, option, part, widget);
    if (control != CC_ComboBox)
        return base;
    const QRect whole = option->rect;
    if (part == SC_ComboBoxArrow)
        return QRect(whole.right() - kArrowWidth + 1, whole.top(), kArrowWidth, whole.height());
    if (part == SC_ComboBoxEditField)
        return QRect(base.left() - 1, base.top(), whole.right() - kArrowWidth - base.left() + 1,
            base.height());
    return base;
}
