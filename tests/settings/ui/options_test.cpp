#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "model/draft.h"
#include "settings/basemultilang.h"
#include "settings/settingsstore.h"
#include "settings/ui/optionsdialog.h"
#include "support/childwidgets.h"

namespace hm {
namespace {

class OptionsDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        store = std::make_unique<SettingsStore>(dir.filePath(QStringLiteral("hm.ini")));
        dialog = std::make_unique<TPagesDlg>(*draft, *store);
        dialog->show();
    }
    template <typename T> T* Find(const char* name) { return hmtest::Child<T>(dialog.get(), name); }
    QSpinBox* Spin(const char* name) { return Find<QSpinBox>(name); }
    void Click(const char* name) {
        auto* b = Find<QAbstractButton>(name);
        ASSERT_NE(b, nullptr);
        b->click();
    }

    QTemporaryDir dir;
    std::unique_ptr<Draft> draft = std::make_unique<Draft>();
    std::unique_ptr<SettingsStore> store;
    std::unique_ptr<TPagesDlg> dialog;
};

TEST_F(OptionsDialogTest, FieldRangesFollowTheCapacities) {
    struct Range {
        const char* name;
        int min, max;
    };
    for (const Range& r :
         {Range{"EndsSpin", 2, 4800}, Range{"PicksSpin", 2, 4800}, Range{"EpiSpin", 2, 250},
          Range{"PpiSpin", 2, 250}, Range{"PatternShaftsSpin", 2, 128}, Range{"ShaftsASpin", 2, 32},
          Range{"TreadlesASpin", 2, 32}, Range{"ShaftsBSpin", 2, 32},
          Range{"TreadlesBSpin", 2, 32}}) {
        QSpinBox* s = Spin(r.name);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->minimum(), r.min) << r.name;
        EXPECT_EQ(s->maximum(), r.max) << r.name;
    }
    // Typing beyond the range is held at the limit.
    QSpinBox* ends = Spin("EndsSpin");
    ends->setValue(9999);
    EXPECT_EQ(ends->value(), 4800);
}

TEST_F(OptionsDialogTest, PagesAndTitleAreTheFormsTexts) {
    EXPECT_EQ(dialog->objectName(), QStringLiteral("TPagesDlg"));
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Options"));
    auto* pages = Find<QTabWidget>("PageControl1");
    ASSERT_EQ(pages->count(), 3);
    EXPECT_EQ(pages->tabText(0), QStringLiteral("Pattern"));
    EXPECT_EQ(pages->tabText(1), QStringLiteral("Layout && Style"));
    EXPECT_EQ(pages->tabText(2), QStringLiteral("Preferences"));
    EXPECT_EQ(Find<QLabel>("EpiLabel")->text(), QStringLiteral("Ends/cm"));
    EXPECT_TRUE(Find<QLabel>("ShaftsALabel")->text().endsWith(u':'));
}

TEST_F(OptionsDialogTest, ComponentBoxesEnableTheirCountFields) {
    auto* pattern = Find<QGroupBox>("PatternBox");
    auto* groupB = Find<QGroupBox>("ThreadingBBox");
    auto* treadlingB = Find<QGroupBox>("TreadlingBBox");
    EXPECT_TRUE(Spin("PatternShaftsSpin")->isEnabled());
    pattern->setChecked(false);
    groupB->setChecked(false);
    EXPECT_FALSE(Spin("PatternShaftsSpin")->isEnabled());
    EXPECT_FALSE(Spin("ShaftsBSpin")->isEnabled());
    EXPECT_TRUE(Spin("TreadlesBSpin")->isEnabled());
    treadlingB->setChecked(false);
    EXPECT_FALSE(Spin("TreadlesBSpin")->isEnabled());
    EXPECT_TRUE(Spin("ShaftsASpin")->isEnabled()); // group A cannot be switched off
    pattern->setChecked(true);
    EXPECT_TRUE(Spin("PatternShaftsSpin")->isEnabled());
}

TEST_F(OptionsDialogTest, SaveSettingsButtonOnlyWhileSaveOnExitIsClear) {
    auto* onExit = Find<QCheckBox>("SaveOnExitBox");
    auto* save = Find<QPushButton>("SaveSettingsButton");
    EXPECT_TRUE(onExit->isChecked()); // default "SaveSettings" true
    EXPECT_FALSE(save->isEnabled());
    onExit->setChecked(false);
    EXPECT_TRUE(save->isEnabled());
    onExit->setChecked(true);
    EXPECT_FALSE(save->isEnabled());
}

TEST_F(OptionsDialogTest, SwitchingTheUnitConvertsTheDensities) {
    Spin("EpiSpin")->setValue(10);
    Spin("PpiSpin")->setValue(2);
    Click("InchesButton");
    EXPECT_EQ(Spin("EpiSpin")->value(), 25);
    EXPECT_EQ(Spin("PpiSpin")->value(), 5); // 2 x 2.54 = 5.08
    EXPECT_EQ(Spin("EpiSpin")->minimum(), 5);
    EXPECT_EQ(Find<QLabel>("EpiLabel")->text(), QStringLiteral("Ends/inch (EPI)"));
    EXPECT_EQ(Find<QLabel>("PpiLabel")->text(), QStringLiteral("Picks/inch (PPI)"));
    // The unit itself changes only on OK.
    EXPECT_FALSE(draft->Inches);
    Spin("EpiSpin")->setValue(250);
    Click("CmButton");
    EXPECT_EQ(Spin("EpiSpin")->value(), 98); // 250 / 2.54 = 98.4
    EXPECT_EQ(Spin("EpiSpin")->minimum(), 2);
    EXPECT_EQ(Find<QLabel>("EpiLabel")->text(), QStringLiteral("Ends/cm"));
    Spin("EpiSpin")->setValue(100);
    Click("InchesButton");
    EXPECT_EQ(Spin("EpiSpin")->value(), 250); // 254 capped
}

TEST_F(OptionsDialogTest, OkAppliesEveryFieldToTheDraftAndTheSettings) {
    Spin("EndsSpin")->setValue(300);
    Spin("PicksSpin")->setValue(400);
    Click("InchesButton");
    Spin("EpiSpin")->setValue(30);
    Spin("PatternShaftsSpin")->setValue(24);
    Spin("ShaftsASpin")->setValue(6);
    Spin("TreadlesASpin")->setValue(7);
    Find<QGroupBox>("ThreadingBBox")->setChecked(false);
    Click("SinkingButton");
    Click("CompressionOnButton");
    Click("ThreadsButton");
    Click("ShaftOneTopButton");
    Click("FromLeftButton");
    Click("FromTopButton");
    Find<QCheckBox>("DesignGridBox")->setChecked(false);
    Find<QCheckBox>("WarningsBox")->setChecked(false);
    Find<QCheckBox>("LayoutBox")->setChecked(true);
    dialog->SetBackgroundColor(MakeColor(1, 2, 3));
    Click("OKButton");

    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(draft->Ends, 300);
    EXPECT_EQ(draft->Picks, 400);
    EXPECT_TRUE(draft->Inches);
    EXPECT_EQ(draft->Epi, 30);
    EXPECT_EQ(draft->PatternShafts, 24);
    EXPECT_EQ(draft->LiftplanWidth, 24);
    EXPECT_EQ(draft->ShaftsA, 6);
    EXPECT_EQ(draft->TreadlesA, 7);
    EXPECT_FALSE(draft->ThreadingBOn);
    EXPECT_TRUE(draft->TreadlingBOn);
    EXPECT_TRUE(draft->SinkingShed);
    EXPECT_TRUE(draft->FabricCompression);
    EXPECT_EQ(draft->DrawdownStyle, DrawdownStyleKind::Threads);
    EXPECT_FALSE(draft->ShaftOneAtBottom);
    EXPECT_FALSE(draft->ThreadingFromRight);
    EXPECT_FALSE(draft->LiftplanFromBottom);
    EXPECT_EQ(draft->BackgroundColor, MakeColor(1, 2, 3));
    EXPECT_FALSE(store->values.DesignGrid);
    EXPECT_TRUE(store->values.ExpertMode);
    EXPECT_TRUE(store->values.Lagrpos);
    EXPECT_TRUE(store->values.Shed);
    // "Save Settings on Exit" is checked: the snapshot follows.
    EXPECT_TRUE(store->snapshot.Shed);
    EXPECT_EQ(store->snapshot.Ashafts, 6);
    EXPECT_TRUE(store->snapshot.Inches);
}

TEST_F(OptionsDialogTest, OkWithoutSaveOnExitLeavesTheSnapshot) {
    Find<QCheckBox>("SaveOnExitBox")->setChecked(false);
    Click("SinkingButton");
    Click("OKButton");
    EXPECT_TRUE(draft->SinkingShed);
    EXPECT_FALSE(store->values.SaveSettings);
    EXPECT_FALSE(store->snapshot.Shed);
}

TEST_F(OptionsDialogTest, CancelLeavesTheDraftAlone) {
    const uint32_t background = draft->BackgroundColor;
    Spin("EndsSpin")->setValue(10);
    Click("SinkingButton");
    dialog->SetBackgroundColor(MakeColor(9, 9, 9));
    Click("CancelButton");
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(draft->Ends, 1200);
    EXPECT_FALSE(draft->SinkingShed);
    EXPECT_EQ(draft->BackgroundColor, background);
}

TEST_F(OptionsDialogTest, SaveSettingsButtonAppliesAndWritesTheOptions) {
    Find<QCheckBox>("SaveOnExitBox")->setChecked(false);
    Click("SinkingButton");
    Spin("ShaftsASpin")->setValue(12);
    Click("SaveSettingsButton");
    EXPECT_TRUE(draft->SinkingShed);
    EXPECT_TRUE(store->snapshot.Shed);
    QSettings ini(store->FileName(), QSettings::IniFormat);
    ini.beginGroup(QString::fromLatin1(OptionsGroup));
    EXPECT_EQ(ini.value(QStringLiteral("Shed")).toInt(), 1);
    EXPECT_EQ(ini.value(QStringLiteral("Ashafts")).toInt(), 12);
    // The fields are applied, so even Cancel reports a change for the follow-up.
    Click("CancelButton");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(dialog->FieldsApplied());
}

TEST_F(OptionsDialogTest, ShowingAgainReloadsTheFieldsAndTheLastPage) {
    auto* pages = Find<QTabWidget>("PageControl1");
    pages->setCurrentIndex(2);
    Spin("EndsSpin")->setValue(77);
    Click("CancelButton");
    draft->Ends = 555;
    draft->Inches = true;
    draft->Epi = 40;
    dialog->show();
    EXPECT_EQ(Spin("EndsSpin")->value(), 555);
    EXPECT_EQ(Spin("EpiSpin")->value(), 40);
    EXPECT_TRUE(Find<QRadioButton>("InchesButton")->isChecked());
    EXPECT_EQ(pages->currentIndex(), 2);
    Click("CancelButton");

    // A dialog created later in the run opens on the same page.
    TPagesDlg second(*draft, *store);
    second.show();
    EXPECT_EQ(second.findChild<QTabWidget*>(QStringLiteral("PageControl1"))->currentIndex(), 2);
    second.findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(0);
    EXPECT_EQ(TPagesDlg::LastPage(), 0);
}

TEST_F(OptionsDialogTest, OpensInFinnishAfterALanguageSwitch) {
    dialog->reject();
    SetLanguageEverywhere(LangFinnish);
    ASSERT_EQ(CurrentLanguage(), LangFinnish);
    TPagesDlg finnish(*draft, *store);
    finnish.show();
    EXPECT_EQ(finnish.windowTitle(), QStringLiteral("Asetukset"));
    auto* pages = finnish.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    EXPECT_EQ(pages->tabText(0), QStringLiteral("Kuvio"));
    EXPECT_EQ(finnish.findChild<QGroupBox*>(QStringLiteral("ShedGroup"))->title(),
              QStringLiteral("Viriö"));
    EXPECT_EQ(finnish.findChild<QRadioButton*>(QStringLiteral("SinkingButton"))->text(),
              QStringLiteral("Laskeva"));
    EXPECT_EQ(finnish.findChild<QLabel*>(QStringLiteral("EpiLabel"))->text(),
              QStringLiteral("Loimilankoja/cm"));
    // Back to English: the open dialog follows at once.
    SetLanguageEverywhere(LangEnglish);
    EXPECT_EQ(finnish.windowTitle(), QStringLiteral("Options"));
    EXPECT_EQ(finnish.findChild<QLabel*>(QStringLiteral("EpiLabel"))->text(),
              QStringLiteral("Ends/cm"));
}

} // namespace
} // namespace hm
