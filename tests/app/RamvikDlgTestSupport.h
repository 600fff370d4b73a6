#pragma once

#include "Messages.h"
#include "RamvikDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// A main window built on settings of its own (an input-output view with box
// type 0, as an installed program has them), with every message box answered
// by the test instead of the user.
class RamvikDlgFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(configDir.isValid());
        const QString path = configDir.path();
        hadConfigHome = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
        oldConfigHome = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", path.toLocal8Bit());
        if (WithSettings()) {
            // Where the program looks on this platform: the configuration folder.
            QSettings settings(path + "/Ramvik/Ramvik.conf", QSettings::IniFormat);
            settings.setValue("RootPath", path + "/");
            settings.setValue("USB", "10");
        }
        window = std::make_unique<CRamvikDlg>();
    }

    // A fixture for a machine without the installer's settings says false.
    virtual bool WithSettings() const { return true; }

    void TearDown() override
    {
        window.reset();
        if (hadConfigHome)
            qputenv("XDG_CONFIG_HOME", oldConfigHome);
        else
            qunsetenv("XDG_CONFIG_HOME");
    }

    template <typename Widget> Widget* Find(const char* name) const
    {
        auto* widget = window->findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    // Clicks a spin arrow ("startVoltageUp") the given number of times.
    void ClickArrow(const char* name, int times = 1)
    {
        auto* arrow = Find<QToolButton>(name);
        for (int i = 0; arrow && i < times; ++i)
            QTest::mouseClick(arrow, Qt::LeftButton);
    }

    void Click(const char* name) { QTest::mouseClick(Find<QAbstractButton>(name), Qt::LeftButton); }
    bool Checked(const char* name) const { return Find<QCheckBox>(name)->isChecked(); }
    bool Enabled(const char* name) const { return Find<QWidget>(name)->isEnabled(); }
    QString Text(const char* name) const { return Find<QLineEdit>(name)->text(); }

    // Picks a box type the way a user does: the selector's activation.
    void ChooseBoxType(int index)
    {
        auto* combo = Find<QComboBox>("boxTypeCombo");
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }

    QTemporaryDir configDir;
    bool hadConfigHome = false;
    QByteArray oldConfigHome;
    std::vector<QString> messages;
    // Plain messages ignore the answer; the unsaved-changes question gets
    // Discard unless a test says otherwise.
    QMessageBox::StandardButton answer = QMessageBox::Discard;
    ScopedMessageHook hook { [this](const QString& text, QMessageBox::Icon,
                                 QMessageBox::StandardButtons) {
        messages.push_back(text);
        return answer;
    } };
    std::unique_ptr<CRamvikDlg> window;
};
