// Every caption and hint of the main window in German, Swedish and Finnish, and
// the status line panels sized for the longest translated label.

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <map>
#include <set>

#include "mainwindow_fixture.h"
#include "settings/messages.h"
#include "settings/ui/optionscommands.h"
#include "window/commandtable.h"
#include "window/statusline.h"

namespace hm::testing {

namespace {

// The texts a person reads of one menu, menu item or tool button.
struct ShownTexts {
    QString caption, toolTip, statusTip;
};

std::map<QString, ShownTexts> TextsOf(TWform& w) {
    std::map<QString, ShownTexts> texts;
    for (QMenu* m : w.findChildren<QMenu*>())
        if (!m->objectName().isEmpty()) texts[m->objectName()] = {m->title(), {}, {}};
    for (QAction* a : w.findChildren<QAction*>()) {
        const QString name = a->objectName();
        // The recent-file items show file names.
        if (name.isEmpty() || a->isSeparator() || name.startsWith("menyfil")) continue;
        texts[name] = {a->text(), a->toolTip(), a->statusTip()};
    }
    return texts;
}

// Words a language writes as English does, without their "&" and "...". The
// Language menu names each language in itself.
bool SameInBoth(int language, QString english) {
    english.remove(u'&');
    if (english.endsWith("...")) english.chop(3);
    static const std::set<QString> everywhere = {"English", "Deutsch", "Svenska", "Suomi"};
    static const std::map<int, std::set<QString>> words = {
        {LangGerman, {"Zoom"}},
        {LangSwedish, {"Satin", "Design"}},
        {LangFinnish, {}},
    };
    return everywhere.count(english) || words.at(language).count(english);
}

} // namespace

TEST_F(MainWindowTest, NoCaptionOrHintStaysEnglishInAnotherLanguage) {
    TWform& w = Make();
    const std::map<QString, ShownTexts> english = TextsOf(w);
    ASSERT_GT(english.size(), 100u);
    ASSERT_EQ(english.at("FileOpenItem").statusTip, "Open");
    for (int language : {LangGerman, LangSwedish, LangFinnish}) {
        SCOPED_TRACE(LanguageName(language).toStdString());
        SetLanguage(w.context(), language);
        for (const auto& [name, shown] : TextsOf(w)) {
            const ShownTexts& en = english.at(name);
            auto check = [&](const char* what, const QString& text, const QString& englishText) {
                if (englishText.isEmpty() || SameInBoth(language, englishText)) return;
                EXPECT_NE(text.toStdString(), englishText.toStdString())
                    << name.toStdString() << " " << what;
            };
            check("caption", shown.caption, en.caption);
            check("tool tip", shown.toolTip, en.toolTip);
            check("status tip", shown.statusTip, en.statusTip);
        }
    }
    SetLanguageEverywhere(LangEnglish);
}

// Alt and a letter open one menu, and a letter in an open menu reaches one
// item: in every language no two menus of the menu bar share their letter,
// nor two items of one menu. Entries the table hides for good do not count.
TEST_F(MainWindowTest, AccessLettersAreUniqueInTheMenuBarAndInEachMenu) {
    TWform& w = Make();
    auto shown = [](QAction* a) {
        const QString name = a->menu() ? a->menu()->objectName() : a->objectName();
        const Command* c = FindCommand(name.toStdString());
        return !a->isSeparator() && !(c && c->hidden);
    };
    // The English Yarn menu keeps its long-known "&Color Palette" and
    // "&Color Dialog"; pressing C moves between the two.
    auto sharesKnownLetter = [](int language, QAction* a) {
        return language == LangEnglish && a->objectName() == "ColorDialogItem";
    };
    for (int language : {LangEnglish, LangGerman, LangSwedish, LangFinnish}) {
        SCOPED_TRACE(LanguageName(language).toStdString());
        SetLanguage(w.context(), language);
        std::vector<QWidget*> menus = {w.menuBar()};
        for (QMenu* m : w.findChildren<QMenu*>()) {
            const Command* c = FindCommand(m->objectName().toStdString());
            if (c && !c->hidden) menus.push_back(m);
        }
        int barLetters = 0;
        for (QWidget* menu : menus) {
            std::map<int, QString> byLetter;
            for (QAction* a : menu->actions()) {
                if (!shown(a) || sharesKnownLetter(language, a)) continue;
                const QKeySequence letter = QKeySequence::mnemonic(a->text());
                if (letter.isEmpty()) continue;
                const auto [at, fresh] = byLetter.emplace(letter[0].toCombined(), a->text());
                EXPECT_TRUE(fresh)
                    << menu->objectName().toStdString() << ": \"" << at->second.toStdString()
                    << "\" and \"" << a->text().toStdString() << "\"";
            }
            if (menu == w.menuBar()) barLetters = int(byLetter.size());
        }
        EXPECT_GE(barLetters, 8);
    }
    SetLanguageEverywhere(LangEnglish);
}

// Qt's own dialogs speak the interface language: from the translations
// installed with Qt, and from our table where those lack a text.
TEST_F(MainWindowTest, QtsOwnDialogTextsFollowTheLanguage) {
    Make();
    const std::pair<const char*, const char*> texts[] = {
        {"QFileDialog", "File &name:"},
        {"QFileDialog", "Look in:"},
        {"QPlatformTheme", "Cancel"},
        {"QColorDialog", "&Basic colors"},
        {"QAbstractFileIconProvider", "%1 File"},
    };
    for (int language : {LangGerman, LangSwedish, LangFinnish, LangEnglish}) {
        SCOPED_TRACE(LanguageName(language).toStdString());
        SetLanguageEverywhere(language);
        for (const auto& [context, english] : texts) {
            const QString shown = QCoreApplication::translate(context, english);
            if (language == LangEnglish)
                EXPECT_EQ(shown, english);
            else
                EXPECT_NE(shown, english)
                    << context << " " << english << " (is qt6-translations-l10n installed?)";
        }
    }
    SetLanguageEverywhere(LangSwedish);
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), "Leta i:");
    // Qt's own translation comes first.
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "File &name:"), "Fil&namn:");
    SetLanguageEverywhere(LangEnglish);
}

// The cell panels hold the longest label of the language with the largest
// number, and the range panels the longest range.
TEST_F(MainWindowTest, StatusPanelsFitTheLongestLabelWithTheLargestNumber) {
    TWform& w = Make(true);
    StatusLine* line = w.statusLine();
    struct Panel {
        int index;
        std::vector<const char*> keys;
        bool range;
    };
    const Panel panels[] = {
        {1, {"@idwarp"}, true},
        {2, {"@idweft"}, true},
        {3, {"@idend", "@idpick", "@idshaft"}, false},
        {4, {"@idshaft", "@idpick", "@idcolor", "@idtreadle"}, false},
    };
    for (int language : {LangEnglish, LangGerman, LangSwedish, LangFinnish}) {
        SCOPED_TRACE(LanguageName(language).toStdString());
        SetLanguage(w.context(), language);
        for (const Panel& p : panels) {
            QLabel* label = line->Panel(p.index);
            for (const char* key : p.keys) {
                const QString text = p.index == 5 ? Tr(key)
                                     : p.range    ? StatusLine::RangeText(Tr(key), 4800, 4800)
                                                  : StatusLine::CellText(Tr(key), 4800);
                EXPECT_LE(label->fontMetrics().horizontalAdvance(text),
                          label->contentsRect().width())
                    << text.toStdString();
            }
        }
    }
    SetLanguageEverywhere(LangEnglish);
}

} // namespace hm::testing
