// Looking texts up, switching languages and the list of live components,
// without any window.
#include <gtest/gtest.h>

#include <memory>

#include "model/message.h"
#include "settings/basemultilang.h"
#include "settings/messages.h"

using namespace hm;

namespace {

// A component that records the walk over its table.
class RecordingComponent : public TBaseMultiLang {
  public:
    QStringList seen;
    QStringList captions;
    QStringList errors;
    QString font = QStringLiteral("Tahoma,1");

  protected:
    QString OwnerFontDescription() const override { return font; }
    void SetOwnerCaption(const QString& t) override { captions << t; }
    int TranslateControl(int row) override {
        seen << RowKey(row) + "=" + ActiveEntry(row);
        int r = row + 1;
        while (r < RowCount() && (IsItemRow(RowKey(r)) || IsHintRow(RowKey(r)))) ++r;
        return r - row;
    }
    void ReportError(const QString& t) override { errors << t; }
};

std::unique_ptr<RecordingComponent> MakeComponent(const QString& text, bool defaultEnabled) {
    auto c = std::make_unique<RecordingComponent>();
    LangTable t = ParseLangTable(text);
    t.defaultEnabled = defaultEnabled;
    c->LoadTable(t);
    return c;
}

const QString kTable = QStringLiteral("%Form%\tWindow\tFenster\t\tIkkuna\n"
                                      "@GlobNoPat\tNo Pattern.\tKein Muster.\t\tEi kuviota.\n"
                                      "ShaftLabel\tShaft\tSchaft\t\tVarsi\n"
                                      "\"\titem\tEintrag\t\t\n"
                                      "\".Hint\thint\tHinweis\t\t\n"
                                      "Hidden\tHidden\tVersteckt\tDold\tPiilo\n"
                                      "@globnopat\tsecond row\tzweite\tandra\ttoinen\n");

} // namespace

TEST(TranslateIn, KeysCompareWithoutCaseAndTheFirstRowWins) {
    auto c = MakeComponent(kTable, false);
    EXPECT_EQ(c->Languages, 4);
    EXPECT_EQ(c->TranslateIn("@GLOBNOPAT", 0), "No Pattern.");
    EXPECT_EQ(c->TranslateIn("@globnopat", 1), "Kein Muster.");
    EXPECT_EQ(c->TranslateIn("@gLoBnOpAt", 3), "Ei kuviota.");
}

TEST(TranslateIn, ColumnOutsideTheTableMeansTheActiveOne) {
    auto c = MakeComponent(kTable, false);
    ASSERT_TRUE(c->SetActiveLanguage(3));
    EXPECT_EQ(c->TranslateIn("@globnopat", 4), "Ei kuviota.");
    EXPECT_EQ(c->TranslateIn("@globnopat", -1), "Ei kuviota.");
    EXPECT_EQ(c->Translate("@globnopat"), "Ei kuviota.");
}

TEST(TranslateIn, EmptyEntryFallsBackOnlyWhenDefaultEnabled) {
    auto strict = MakeComponent(kTable, false);
    EXPECT_EQ(strict->TranslateIn("@globnopat", 2), "");
    auto lenient = MakeComponent(kTable, true);
    EXPECT_EQ(lenient->TranslateIn("@globnopat", 2), "No Pattern.");
    lenient->DefaultLanguage = 1;
    EXPECT_EQ(lenient->TranslateIn("@globnopat", 2), "Kein Muster.");
}

TEST(TranslateIn, MissingKeyReturnsTheKeyAndRaisesTheEvent) {
    auto c = MakeComponent(kTable, true);
    QStringList missing;
    c->IdNotFoundError = [&](const QString& k) { missing << k; };
    EXPECT_EQ(c->TranslateIn("@nosuchkey", 1), "@nosuchkey");
    EXPECT_EQ(missing, QStringList{"@nosuchkey"});
    EXPECT_FALSE(c->HasKey("@nosuchkey"));
    EXPECT_TRUE(c->HasKey("@GlobNoPat"));
}

TEST(SetActiveLanguage, WalksControlRowsSkipsMessagesAndHonoursDoNot) {
    auto c = MakeComponent(kTable, true);
    c->DoNot << "hidden"; // names compare without regard to case
    ASSERT_TRUE(c->SetActiveLanguage(2));
    EXPECT_EQ(c->ActiveLanguage, 2);
    // Swedish is empty: DefaultEnabled shows English.
    EXPECT_EQ(c->captions, QStringList{"Window"});
    EXPECT_EQ(c->seen, QStringList{"ShaftLabel=Shaft"});
}

TEST(SetActiveLanguage, OutOfRangeIsReportedAndChangesNothing) {
    auto c = MakeComponent(kTable, false);
    ASSERT_TRUE(c->SetActiveLanguage(1));
    EXPECT_FALSE(c->SetActiveLanguage(4));
    EXPECT_FALSE(c->SetActiveLanguage(-1));
    EXPECT_EQ(c->ActiveLanguage, 1);
    ASSERT_EQ(c->errors.size(), 2);
    EXPECT_EQ(c->errors[0], "Value must not be higher than\rnumber of available languages.");
}

TEST(SetActiveLanguage, EventsCanCancelAndFontIsRecordedForTheLanguageLeft) {
    auto c = MakeComponent(kTable, false);
    int after = 0;
    c->AfterLanguageChanged = [&] { ++after; };
    c->BeforeLanguageChange = [](int n) { return n != 3; };
    EXPECT_FALSE(c->SetActiveLanguage(3));
    EXPECT_EQ(c->ActiveLanguage, 0);
    EXPECT_EQ(after, 0);
    EXPECT_TRUE(c->CharSets.isEmpty());

    ASSERT_TRUE(c->SetActiveLanguage(1));
    EXPECT_EQ(after, 1);
    EXPECT_EQ(c->CharSets, (QStringList{"Tahoma,1", "Tahoma,1", "Tahoma,1", "Tahoma,1"}));
    c->font = "Arial,1";
    ASSERT_TRUE(c->SetActiveLanguage(2));
    EXPECT_EQ(c->CharSets[1], "Arial,1"); // the language being left
    EXPECT_EQ(c->CharSets[0], "Tahoma,1");
}

TEST(SetLanguageEverywhere, SwitchesLiveComponentsAndSetsTheCurrentLanguage) {
    auto a = MakeComponent(kTable, false);
    auto narrow = std::make_unique<RecordingComponent>(); // two columns only
    narrow->SetWords({"@x", "x", "y"});
    ASSERT_EQ(narrow->Languages, 2);
    const TBaseMultiLang* raw = nullptr;
    {
        auto gone = MakeComponent(kTable, false);
        raw = gone.get();
        EXPECT_TRUE(LiveComponents().contains(gone.get()));
    }
    EXPECT_FALSE(LiveComponents().contains(raw)); // removed on destruction
    SetLanguageEverywhere(3);
    EXPECT_EQ(CurrentLanguage(), 3);
    EXPECT_EQ(a->ActiveLanguage, 3);
    EXPECT_EQ(narrow->ActiveLanguage, 0); // has no column 3: untouched, no error
    EXPECT_TRUE(narrow->errors.isEmpty());

    // A language that no table has is refused rather than stored.
    SetLanguageEverywhere(7);
    EXPECT_EQ(CurrentLanguage(), 3);
    SetLanguageEverywhere(0);
    EXPECT_EQ(a->ActiveLanguage, 0);
}

TEST(SetLanguageEverywhere, ComponentDestroyedByAHandlerIsSkipped) {
    auto first = MakeComponent(kTable, false);
    auto second = MakeComponent(kTable, false);
    first->AfterLanguageChanged = [&] { second.reset(); };
    SetLanguageEverywhere(1);
    EXPECT_EQ(first->ActiveLanguage, 1);
    EXPECT_FALSE(second);
    SetLanguageEverywhere(0);
}

TEST(Messages, SharedComponentsFollowTheCurrentLanguage) {
    SetLanguageEverywhere(0);
    EXPECT_EQ(Tr("@GLOBNOPAT"), "No Pattern.");
    EXPECT_EQ(Tr("@monsolv"), "Pattern Threading"); // from the complex-drafting table
    EXPECT_EQ(Tr("@no.such.key"), "@no.such.key");
    EXPECT_TRUE(GeneralMessages().DefaultEnabled);
    EXPECT_TRUE(DraftingMessages().DefaultEnabled);

    SetLanguageEverywhere(1);
    EXPECT_EQ(Tr("@globnopat"), "Kein Muster.");
    EXPECT_EQ(Tr("@skaftgrupp_a"), "Einzug A");
    SetLanguageEverywhere(2);
    EXPECT_EQ(Tr("@dragnota"), "Dragnota");
    SetLanguageEverywhere(3);
    EXPECT_EQ(Tr("@tieup_aa"), "Sidonta AA");

    Message m{MessageKind::Information, "@toostraight", "96"};
    EXPECT_TRUE(MessageText(m).endsWith(":96"));
    Message fixed{MessageKind::Error, "Cannot find ", "x.hdx"};
    EXPECT_EQ(MessageText(fixed), "Cannot find x.hdx");
    SetLanguageEverywhere(0);
    EXPECT_EQ(MessageText(m),
              "Too many shafts is required to convert this pattern to straight threading. "
              "Shafts needed:96");
}
