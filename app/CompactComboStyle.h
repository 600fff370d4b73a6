#pragma once

#include <QProxyStyle>

// The look of the running style with a narrower drop-down arrow, so the box
// type selector, as wide as the panel allows, shows "CR&TURBO" whole.
class CCompactComboStyle : public QProxyStyle {
public:
    // Creates a fresh instance of the application's style to wrap; the
    // caller owns the result (give it a parent).
    CCompactComboStyle();

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
        const QWidget* widget) const override;
};
