// The window's layout holds with larger fonts and longer texts. CTest runs
// these tests at 100 %, and again at 150 % and 200 % (QT_SCALE_FACTOR), on a
// screen of 1920 x 1080 pixels: each time with the English texts and with
// every text made 40 % longer, as translations make them.
#include "AppTestSupport.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTranslator>

#include <cmath>

namespace {

// Every text 40 % longer, each line of it, its placeholders and keys kept.
class CLongerTexts : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override
    {
        QStringList lines = QString::fromUtf8(source).split(QLatin1Char('\n'));
        for (QString& line : lines) {
            const int extra = static_cast<int>(std::ceil(line.size() * 0.4));
            for (int i = 0; i < extra; ++i)
                line += QChar(u'a' + i % 26);
        }
        return lines.join(QLatin1Char('\n'));
    }
};

// The room a control has and the room it needs to show its text and mark
// whole: its width against the least its style asks for, or for a wrapped
// label its height against what its lines need at its width. A push button's
// style asks for more than a "0" needs: its text against its contents.
std::pair<int, int> RoomAndNeed(QWidget* w)
{
    if (auto* label = qobject_cast<QLabel*>(w); label && label->wordWrap())
        return { w->height(), label->heightForWidth(w->width()) };
    if (auto* button = qobject_cast<QPushButton*>(w)) {
        QStyleOptionButton option;
        option.initFrom(button);
        const int room
            = w->style()->subElementRect(QStyle::SE_PushButtonContents, &option, w).width();
        const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
        return { room, w->fontMetrics().horizontalAdvance(button->text().remove('&')) + icon };
    }
    return { w->width(), w->minimumSizeHint().width() };
}

// The part of the control its parents let show, in screen pixels: a scroll
// area's view cuts it off. Siblings are not taken away, so overlaps show.
QRect GlobalRect(QWidget* w)
{
    QRect shown(w->mapToGlobal(QPoint(0, 0)), w->size());
    for (QWidget* parent = w->parentWidget(); parent; parent = parent->parentWidget())
        shown &= QRect(parent->mapToGlobal(QPoint(0, 0)), parent->size());
    return shown;
}

// The controls a user reads or presses, shown now: no frames, no containers.
QList<QWidget*> VisibleControls(QWidget* top)
{
    QList<QWidget*> controls;
    for (QWidget* w : top->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLabel*>(w)
            || qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w);
        // A combo box's own line edit and a spin's arrows live inside it.
        const bool inner = qobject_cast<QComboBox*>(w->parentWidget())
            || w->parentWidget()->inherits("CSpinArrows")
            || w->objectName() == QLatin1String("qt_toolbar_ext_button")
            // A dock's float and close buttons are the style's icons.
            || w->objectName().startsWith(QLatin1String("qt_dockwidget_"));
        // A control scrolled out of the panel's view is not shown now.
        if (control && !inner && w->isVisibleTo(top) && !GlobalRect(w).isEmpty())
            controls << w;
    }
    return controls;
}

std::string Name(QWidget* w)
{
    return (w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                      : w->objectName())
        .toStdString();
}

// No two controls overlap and every text fits.
void ExpectReadable(QWidget* top)
{
    const QList<QWidget*> controls = VisibleControls(top);
    for (int i = 0; i < controls.size(); ++i) {
        for (int j = i + 1; j < controls.size(); ++j) {
            if (controls[i]->isAncestorOf(controls[j]) || controls[j]->isAncestorOf(controls[i]))
                continue;
            EXPECT_FALSE(GlobalRect(controls[i]).intersects(GlobalRect(controls[j])))
                << Name(controls[i]) << " overlaps " << Name(controls[j]);
        }
        const auto [room, need] = RoomAndNeed(controls[i]);
        EXPECT_LE(need, room) << Name(controls[i]) << " cuts its text";
    }
}

class WindowLayout : public AppTest, public testing::WithParamInterface<bool> {
protected:
    void SetUp() override
    {
        if (GetParam())
            QCoreApplication::installTranslator(&longer);
        AppTest::SetUp();
        ChooseBoxType(2); // every control enabled, the longest caption
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        SCOPED_TRACE(qgetenv("QT_SCALE_FACTOR").toStdString());
    }
    void TearDown() override
    {
        AppTest::TearDown();
        QCoreApplication::removeTranslator(&longer);
    }
    CLongerTexts longer;
};

// At the start size the window lies within the screen's free area, never
// below its minimum; nothing overlaps or is cut there, nor at the minimum
// size.
TEST_P(WindowLayout, WindowFitsTheScreenAndEveryTextFits)
{
    const QRect free = window->screen()->availableGeometry();
    EXPECT_TRUE(free.contains(window->frameGeometry()))
        << window->frameGeometry().width() << " x " << window->frameGeometry().height() << " on "
        << free.width() << " x " << free.height();
    EXPECT_GE(window->width(), window->minimumWidth());
    EXPECT_GE(window->height(), window->minimumHeight());
    {
        SCOPED_TRACE("start size");
        ExpectReadable(window.get());
    }
    window->resize(window->minimumSize());
    QCoreApplication::processEvents();
    SCOPED_TRACE("minimum size");
    ExpectReadable(window.get());
}

INSTANTIATE_TEST_SUITE_P(Texts, WindowLayout, testing::Values(false, true),
    [](const testing::TestParamInfo<bool>& info) {
        return info.param ? "FortyPercentLonger" : "English";
    });

} // namespace
