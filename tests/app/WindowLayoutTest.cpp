#include "AppTestSupport.h"

#include <QStyle>
#include <QStyleOptionButton>

namespace {

// Run at 100 %, and by CTest again at 150 % and 200 % (QT_SCALE_FACTOR):
// at the start size and at the minimum size no two panel controls overlap,
// no two group boxes overlap, and every text fits its control.
class WindowLayout : public AppTest {
protected:
    // The room a control has for its text, and the text.
    static std::pair<int, QString> Room(QWidget* w)
    {
        if (auto* box = qobject_cast<QCheckBox*>(w); box && !box->text().isEmpty()) {
            QStyleOptionButton option;
            option.initFrom(box);
            option.text = box->text();
            return { w->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box).width(),
                box->text() };
        }
        if (auto* button = qobject_cast<QPushButton*>(w))
            return { w->width() - 4, button->text() };
        if (auto* label = qobject_cast<QLabel*>(w))
            return { w->width(), label->text() };
        if (auto* group = qobject_cast<QGroupBox*>(w))
            return { w->width() - 8, group->title() };
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            return { w->width() - 2, edit->text() };
        return { w->width(), QString() };
    }
    static void ExpectApart(const QList<QWidget*>& widgets)
    {
        for (int i = 0; i < widgets.size(); ++i) {
            for (int j = i + 1; j < widgets.size(); ++j)
                EXPECT_FALSE(widgets[i]->geometry().intersects(widgets[j]->geometry()))
                    << widgets[i]->objectName().toStdString() << " overlaps "
                    << widgets[j]->objectName().toStdString();
        }
    }
    void CheckLayout()
    {
        // The visible controls that carry something to read or press; group
        // boxes frame them and the colour lines lie under their labels.
        QList<QWidget*> controls, groups;
        for (QWidget* w : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const bool picture = qobject_cast<QLabel*>(w) && w->objectName().contains("Line")
                && w->objectName() != "statusLine";
            if (qobject_cast<QGroupBox*>(w))
                groups << w;
            else if (w->isVisible() && !picture)
                controls << w;
        }
        ExpectApart(controls);
        ExpectApart(groups);
        for (QWidget* w : controls + groups) {
            const auto [room, text] = Room(w);
            EXPECT_LE(w->fontMetrics().horizontalAdvance(text), room)
                << w->objectName().toStdString() << " cuts \"" << text.toStdString() << "\"";
        }
        // A check box without text still needs room for its whole mark.
        for (QCheckBox* box : window->findChildren<QCheckBox*>()) {
            if (box->text().isEmpty()) {
                EXPECT_GE(box->width(), box->sizeHint().width()) << box->objectName().toStdString();
            }
        }
    }
};

TEST_F(WindowLayout, NothingOverlapsOrIsCutAtTheStartAndMinimumSize)
{
    ChooseBoxType(2); // every control enabled, the longest caption
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    SCOPED_TRACE(qgetenv("QT_SCALE_FACTOR").toStdString());
    {
        SCOPED_TRACE("start size");
        CheckLayout();
    }
    window->resize(window->minimumSize());
    SCOPED_TRACE("minimum size");
    CheckLayout();
    EXPECT_LE(Find("curveDelay")->geometry().bottom(), window->height()) << "the panel is cut";
}

} // namespace
