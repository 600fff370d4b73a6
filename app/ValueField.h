#pragma once

#include <QLineEdit>

// A parameter's field in the panel: shows the project's value and takes a
// typed one. Enter or leaving the field (Tab, a click elsewhere) hands a
// changed text on with typed(); Escape puts the shown value back. Up and Down
// step the value as its arrows do. The field is as wide as its text needs,
// so it shows every digit the project holds, however many.
class CValueField : public QLineEdit {
    Q_OBJECT

public:
    // sample: a typical value, for the narrowest width ("4.5", "1:00", "200").
    CValueField(const QString& sample, QWidget* parent = nullptr);

    // Shows the project's value; a typed text not yet handed on is dropped.
    void ShowValue(const QString& text);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The user typed this and confirmed it; the window takes it or refuses it,
    // then shows the project's value again with ShowValue.
    void typed(const QString& text);
    void stepped(bool up);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // Ctrl+Z and the redo keys stay the window's while nothing typed here
    // can be taken back.
    bool event(QEvent* event) override;

private:
    void HandOn();

    QString sample;
    QString shown; // what ShowValue last put in
};
