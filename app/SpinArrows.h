#pragma once

#include <QWidget>

class QToolButton;

// A spin control without a text field: an up arrow above a down arrow. The
// value it steps lives elsewhere; a click only reports its direction. The
// arrows are named after the control: "<name>Up" and "<name>Down".
class CSpinArrows : public QWidget {
    Q_OBJECT

public:
    CSpinArrows(const QString& name, QWidget* parent);

    // What each arrow does, for its tooltip and for assistive technology
    // ("Raise the start voltage by 0.1 V").
    void Describe(const QString& upText, const QString& downText);

    // The mouse wheel over the box steps the value as over the arrows.
    void StepOnWheelOver(QWidget* box);

    // As wide as a line of text is high, so the arrows are easy to hit; the
    // row they stand in gives them its height.
    QSize sizeHint() const override;

    QToolButton* upArrow() const { return up; }
    QToolButton* downArrow() const { return down; }

signals:
    void stepped(bool up);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QToolButton* up;
    QToolButton* down;
    int wheelTurn = 0; // eighths of a degree not yet stepped
};
