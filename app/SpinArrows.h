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

    QToolButton* upArrow() const { return up; }
    QToolButton* downArrow() const { return down; }

signals:
    void stepped(bool up);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* up;
    QToolButton* down;
};
