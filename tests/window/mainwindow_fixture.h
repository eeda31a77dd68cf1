#pragma once
// A main window under test: its own settings file in a temporary folder, a
// 1024 x 768 screen, English, and message boxes answered by the test.

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

#include "files/ui/filecommands.h"
#include "settings/basemultilang.h"
#include "settings/settingsstore.h"
#include "window/mainwindow.h"

namespace hm::testing {

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(dir_->isValid());
        // Nothing in a test may reach the user's own settings.
        qputenv("XDG_CONFIG_HOME", dir_->path().toUtf8());
        qputenv("XDG_DATA_HOME", (dir_->path() + "/data").toUtf8());
        QCoreApplication::setOrganizationName("Heddlemark");
        QCoreApplication::setApplicationName("Heddlemark");
        iniFile_ = dir_->path() + "/settings.ini";
        SetLanguageEverywhere(0);
    }
    void TearDown() override {
        window_.reset();
        SetLanguageEverywhere(0);
    }

    // A value under "Software/Heddlemark/CDOptions".
    void Store(const QString& name, const QVariant& value) {
        QSettings s(iniFile_, QSettings::IniFormat);
        s.setValue(QString(OptionsGroup) + "/" + name, value);
        s.sync();
    }
    QVariant Stored(const QString& name) {
        QSettings s(iniFile_, QSettings::IniFormat);
        return s.value(QString(OptionsGroup) + "/" + name);
    }

    StartupEnvironment Env() const {
        StartupEnvironment env;
        env.screen = QRect(0, 0, 1024, 768);
        env.settingsFile = iniFile_;
        env.systemLanguage = QLocale::English;
        env.documentsFolder = dir_->path() + "/Documents";
        env.recoveryFolder = dir_->path() + "/recovery";
        return env;
    }

    // Creates the window; questions are recorded and answered with `answer`.
    TWform& Make(bool show = false) {
        window_ = std::make_unique<TWform>(Env());
        MessageAnswers a;
        a.ask = [this](const Message& m, const QString&) {
            asked_.push_back(m.text);
            return answer_;
        };
        window_->SetMessageAnswers(a);
        // File dialogs answer with chosenPath_ (empty: Cancel).
        window_->fileCommands()->SetPathChooser([this](FileDialogKind) { return chosenPath_; });
        if (show) {
            window_->show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
            QCoreApplication::processEvents();
        }
        return *window_;
    }

    bool Enabled(const char* name) {
        QAction* a = window_->Action(name);
        if (!a) a = window_->Menu(name) ? window_->Menu(name)->menuAction() : nullptr;
        EXPECT_NE(a, nullptr) << name;
        return a && a->isEnabled();
    }
    bool Visible(const char* name) {
        QAction* a = window_->Action(name);
        EXPECT_NE(a, nullptr) << name;
        return a && a->isVisible();
    }
    bool Checked(const char* name) {
        QAction* a = window_->Action(name);
        EXPECT_NE(a, nullptr) << name;
        return a && a->isChecked();
    }

    std::unique_ptr<QTemporaryDir> dir_;
    QString iniFile_;
    std::unique_ptr<TWform> window_;
    std::vector<std::string> asked_;
    int answer_ = 1;
    QString chosenPath_;
};

} // namespace hm::testing
