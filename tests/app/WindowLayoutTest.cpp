#include "AppTestSupport.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace {

// Run at 100 %, and by CTest again at 150 % and 200 % (QT_SCALE_FACTOR):
// at the start size and at the minimum size no two panel controls overlap and
// every text fits its control.
class WindowLayout : public AppTest {
protected:
    // The visible controls of the panel that carry something to read or press;
    // group boxes frame them and the colour lines lie under their labels.
    QList<QWidget*> Controls()
    {
        QList<QWidget*> controls;
        for (QWidget* w : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const bool picture = qobject_cast<QLabel*>(w) && w->objectName().contains("Line")
                && w->objectName() != "statusLine";
            if (w->isVisible() && !qobject_cast<QGroupBox*>(w) && !picture)
                controls << w;
        }
        return controls;
    }
    // The room a control's text has, and the text.
    static std::pair<int, QString> Room(QWidget* w)
    {
        if (auto* box = qobject_cast<QCheckBox*>(w); box && box->text().isEmpty())
            return { w->width(), QString() };
        if (auto* box = qobject_cast<QCheckBox*>(w)) {
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
    void CheckLayout()
    {
        const QList<QWidget*> controls = Controls();
        for (int i = 0; i < controls.size(); ++i) {
            for (int j = i + 1; j < controls.size(); ++j) {
                EXPECT_FALSE(controls[i]->geometry().intersects(controls[j]->geometry()))
                    << controls[i]->objectName().toStdString() << " overlaps "
                    << controls[j]->objectName().toStdString();
            }
        }
        QList<QWidget*> texts = controls;
        for (QGroupBox* group : window->findChildren<QGroupBox*>())
            texts << group;
        // A check box without text still needs room for its whole mark.
        for (QCheckBox* box : window->findChildren<QCheckBox*>()) {
            if (box->text().isEmpty()) {
                EXPECT_GE(box->width(), box->sizeHint().width()) << box->objectName().toStdString();
            }
        }
        for (QWidget* w : texts) {
            const auto [room, text] = Room(w);
            EXPECT_LE(w->fontMetrics().horizontalAdvance(text), room)
                << w->objectName().toStdString() << " cuts \"" << text.toStdString() << "\"";
        }
        const QList<QGroupBox*> groups = window->findChildren<QGroupBox*>();
        for (int i = 0; i < groups.size(); ++i) {
            for (int j = i + 1; j < groups.size(); ++j)
                EXPECT_FALSE(groups[i]->geometry().intersects(groups[j]->geometry()))
                    << groups[i]->objectName().toStdString();
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
    EXPECT_GT(window->minimumWidth(), 0);
    CheckLayout();
    // The panel stays whole and the graph keeps a plot area.
    EXPECT_LE(Find("curveDelay")->geometry().bottom(), window->height());
    EXPECT_GT(Inside().GraphFrame().width(), 400);
}

} // namespace
