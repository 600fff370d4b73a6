#include "SpinArrows.h"

#include <QToolButton>
#include <QWheelEvent>

#include <utility>

namespace {
QToolButton* MakeArrow(QWidget* parent, Qt::ArrowType type, const QString& name)
{
    auto* arrow = new QToolButton(parent);
    arrow->setArrowType(type);
    arrow->setObjectName(name);
    arrow->setAutoRepeat(true);
    arrow->setFocusPolicy(Qt::NoFocus);
    return arrow;
}
} // namespace

CSpinArrows::CSpinArrows(const QString& name, QWidget* parent)
    : QWidget(parent)
    , up(MakeArrow(this, Qt::UpArrow, name + "Up"))
    , down(MakeArrow(this, Qt::DownArrow, name + "Down"))
{
    setObjectName(name);
    connect(up, &QToolButton::clicked, this, [this] { emit stepped(true); });
    connect(down, &QToolButton::clicked, this, [this] { emit stepped(false); });
}

void CSpinArrows::Describe(const QString& upText, const QString& downText)
{
    for (const auto& [arrow, text] : { std::pair { up, upText }, std::pair { down, downText } }) {
        arrow->setToolTip(text);
        arrow->setAccessibleName(text);
    }
}

QSize CSpinArrows::sizeHint() const
{
    const int side = fontMetrics().height();
    return QSize(side * 5 / 4 + 2, side + 4);
}

void CSpinArrows::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int upHeight = height() / 2;
    up->setGeometry(0, 0, width(), upHeight);
    down->setGeometry(0, upHeight, width(), height() - upHeight);
}

void CSpinArrows::StepOnWheelOver(QWidget* box)
{
    box->installEventFilter(this);
}

bool CSpinArrows::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Wheel) {
        wheelEvent(static_cast<QWheelEvent*>(event));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// One step per notch (15 degrees); a fine-grained wheel or touchpad adds up
// its small turns first.
void CSpinArrows::wheelEvent(QWheelEvent* event)
{
    constexpr int kNotch = 120;
    wheelTurn += event->angleDelta().y();
    while (wheelTurn >= kNotch) {
        wheelTurn -= kNotch;
        emit stepped(true);
    }
    while (wheelTurn <= -kNotch) {
        wheelTurn += kNotch;
        emit stepped(false);
    }
    event->accept();
}
