#include "ValueField.h"

#include <algorithm>

#include <QFontMetrics>
#include <QKeyEvent>
#include <QStyle>
#include <QStyleOptionFrame>

CValueField::CValueField(const QString& sample_, QWidget* parent)
    : QLineEdit(parent)
    , sample(sample_)
{
    connect(this, &QLineEdit::editingFinished, this, &CValueField::HandOn);
}

void CValueField::ShowValue(const QString& text)
{
    shown = text;
    if (this->text() == text)
        return;
    setText(text);
    setCursorPosition(0);
    // A longer value wants a wider field.
    updateGeometry();
}

void CValueField::HandOn()
{
    if (text() == shown)
        return;
    emit typed(text());
    // Whatever became of it, the field shows the project's value again; the
    // handler's refresh has normally done so already.
    if (text() != shown)
        setText(shown);
}

void CValueField::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        setText(shown);
        event->accept();
        return;
    case Qt::Key_Up:
    case Qt::Key_Down:
        // A step takes the project's value from where it is, not a half-typed one.
        setText(shown);
        emit stepped(event->key() == Qt::Key_Up);
        event->accept();
        return;
    default:
        QLineEdit::keyPressEvent(event);
    }
}

bool CValueField::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->matches(QKeySequence::Undo) && !isUndoAvailable())
            || (key->matches(QKeySequence::Redo) && !isRedoAvailable())) {
            event->ignore();
            return true;
        }
    }
    return QLineEdit::event(event);
}

QSize CValueField::sizeHint() const
{
    // The longer of the sample and the text, one digit to spare, with the
    // frame and the inner margins a line edit keeps around its text.
    const QFontMetrics metrics(font());
    const int textWidth
        = std::max(metrics.horizontalAdvance(sample), metrics.horizontalAdvance(text()))
        + metrics.horizontalAdvance(QLatin1Char('0'));
    QStyleOptionFrame option;
    initStyleOption(&option);
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
    constexpr int kInnerMargin = 2; // a line edit's own, on each side
    const QMargins margins = textMargins();
    QSize hint = QLineEdit::sizeHint();
    hint.setWidth(textWidth + 2 * (frame + kInnerMargin) + margins.left() + margins.right());
    return hint;
}

QSize CValueField::minimumSizeHint() const
{
    return sizeHint();
}
