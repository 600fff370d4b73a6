#pragma once

#include "Messages.h"
#include "RamvikDlg.h"

#include <QAbstractButton>
#include <QByteArray>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

// A window started on a settings file written here, as the installer writes
// it, in a configuration folder of the test's own; messages are recorded and
// answered by the test.
class FilesFixture : public ::testing::Test {
protected:
    struct Message {
        QString text;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
    };

    void SetUp() override
    {
#ifdef Q_OS_WIN
        GTEST_SKIP() << "the settings live in the registry there";
#endif
        ASSERT_TRUE(configDir.isValid() && dataDir.isValid());
        oldConfigHome = qgetenv("XDG_CONFIG_HOME");
        NewConfigFolder();
        rootPath = dataDir.path() + "/";
        QDir(dataDir.path()).mkdir("Projects");
    }

    void TearDown() override
    {
        window.reset();
        qputenv("XDG_CONFIG_HOME", oldConfigHome);
    }

    // Each settings file gets a folder of its own: QSettings keeps files it
    // has read in a cache that may miss a rewrite within the same instant.
    void NewConfigFolder()
    {
        configHome = configDir.path() + "/" + QString::number(++configFolders);
        QDir().mkpath(configHome);
        qputenv("XDG_CONFIG_HOME", configHome.toUtf8());
    }

    QString SettingsFile() const
    {
        return configHome + "/Ramvik/Ramvik.conf";
    }

    // Writes the settings file in a new folder; a value left out is missing.
    void WriteSettings(std::optional<QString> root, std::optional<QString> usb)
    {
        NewConfigFolder();
        QDir(configHome).mkpath("Ramvik");
        QFile file(SettingsFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("[General]\n");
        if (root)
            file.write("RootPath=\"" + root->toUtf8() + "\"\n");
        if (usb)
            file.write("USB=" + usb->toUtf8() + "\n");
    }

    // The stored value as another program would read it from the file.
    QString StoredCode() const
    {
        QSettings settings(SettingsFile(), QSettings::IniFormat);
        return settings.value("USB").toString();
    }

    void Start()
    {
        window.reset();
        messages.clear();
        window = std::make_unique<CRamvikDlg>();
    }

    template <typename Widget> Widget* Find(const char* name) const
    {
        auto* widget = window->findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    void Click(const char* name)
    {
        QTest::mouseClick(Find<QAbstractButton>(name), Qt::LeftButton);
    }

    // The messages whose text starts with the given words.
    int CountMessages(const QString& start) const
    {
        int n = 0;
        for (const Message& m : messages)
            n += m.text.startsWith(start) ? 1 : 0;
        return n;
    }

    QTemporaryDir configDir;
    QString configHome;
    int configFolders = 0;
    QTemporaryDir dataDir;
    QString rootPath;
    QByteArray oldConfigHome;
    std::vector<Message> messages;
    // Plain messages ignore the answer; the unsaved-changes question gets
    // Discard unless a test says otherwise.
    QMessageBox::StandardButton answer = QMessageBox::Discard;
    ScopedMessageHook hook { [this](const QString& text, QMessageBox::Icon icon,
                                 QMessageBox::StandardButtons buttons) {
        messages.push_back({ text, icon, buttons });
        return answer;
    } };
    std::unique_ptr<CRamvikDlg> window;
};
