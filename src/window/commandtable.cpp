#include "window/commandtable.h"

#include <vector>

#include "analysis/ui/analyzecommands.h"
#include "fabric/ui/fabriccommands.h"
#include "fabric/ui/fillcolourscommand.h"
#include "fabric/ui/yarncommands.h"
#include "files/ui/filemenu.h"
#include "ops/ui/clipboardcommands.h"
#include "ops/ui/complexdraftingcommands.h"
#include "ops/ui/editcommands.h"
#include "ops/ui/fillcommands.h"
#include "ops/ui/repeatcommand.h"
#include "ops/ui/transformcommands.h"
#include "ops/ui/utilitycommands.h"
#include "output/ui/exportcommands.h"
#include "output/ui/pagesetupcommand.h"
#include "output/ui/printcommands.h"
#include "settings/basemultilang.h"
#include "settings/ui/optionscommands.h"
#include "tools/ui/toolcommands.h"
#include "view/ui/viewcommands.h"
#include "window/windowcommands.h"

namespace hm {

namespace {

using S = CommandState;
using W = WrapperKind;
using A = ViewArea;
using GT = GeneratorTarget;
using GK = GeneratorKind;

Command Entry(CommandKind kind, const char* name, const char* parent, const char* caption) {
    Command c;
    c.kind = kind;
    c.name = name;
    c.parent = parent;
    c.caption = caption;
    return c;
}
Command Menu(const char* name, const char* caption) {
    return Entry(CommandKind::Menu, name, "MainMenu", caption);
}
Command Sub(const char* name, const char* parent, const char* caption) {
    return Entry(CommandKind::Submenu, name, parent, caption);
}
Command Item(const char* name, const char* parent, const char* caption) {
    return Entry(CommandKind::Item, name, parent, caption);
}
// A separator; a named one can have a visibility rule.
Command Sep(const char* parent, const char* name = "") {
    return Entry(CommandKind::Separator, name, parent, "");
}
Command Tool(const char* name, const char* hint, const char* icon) {
    Command c = Entry(CommandKind::ToolButton, name, "ToolBar", "");
    c.hint = hint;
    c.icon = icon;
    return c;
}
Command ToolSep() {
    return Entry(CommandKind::ToolSeparator, "", "ToolBar", "");
}
Command Widget(const char* name) {
    return Entry(CommandKind::Widget, name, "ToolBar", "");
}

// ---- rules ----
bool NotFabric(const S& s) {
    return !s.fabricView;
}
bool NotDesign(const S& s) {
    return !s.designMode;
}
bool DraftOnly(const S& s) {
    return s.draftView();
}
bool NotDesignView(const S& s) {
    return !(s.designMode && !s.fabricView);
}
bool Pattern(const S& s) {
    return s.patternThreadingOn;
}
bool PatternNotDesign(const S& s) {
    return s.patternThreadingOn && !s.designMode;
}
bool PatternNotFabric(const S& s) {
    return s.patternThreadingOn && !s.fabricView;
}
bool PatternDraftView(const S& s) {
    return s.patternThreadingOn && s.draftView();
}
bool PatternShown(const S& s) {
    return s.patternThreadingOn && s.showThreading && s.showPatternThreading && s.draftView();
}
bool ClearPatternRule(const S& s) {
    return s.patternThreadingOn && s.showPatternThreading && !s.designMode;
}
bool ThreadingB(const S& s) {
    return s.threadingBOn;
}
bool TreadlingB(const S& s) {
    return s.treadlingBOn;
}
bool ThreadingBNotDesign(const S& s) {
    return s.threadingBOn && !s.designMode;
}
bool TreadlingBNotDesign(const S& s) {
    return s.treadlingBOn && !s.designMode;
}
bool BothBNotDesign(const S& s) {
    return s.threadingBOn && s.treadlingBOn && !s.designMode;
}
bool Selection(const S& s) {
    return s.hasSelection && !s.fabricView;
}
bool PasteRule(const S& s) {
    return s.clipboardHasContent && !s.fabricView;
}
bool SelectCopyRule(const S& s) {
    return !s.designMode && !s.fabricView;
}
bool Undo(const S& s) {
    return s.undoAvailable;
}
bool Revert(const S& s) {
    return s.revertAvailable;
}
bool KeyThreadingRule(const S& s) {
    return s.showThreading && s.patternThreadingOn && s.showPatternThreading;
}
bool ShowThreadingRule(const S& s) {
    return s.showThreading;
}
bool KeyboardMenuRule(const S& s) {
    return s.draftView();
}
bool ShowThreadingChecked(const S& s) {
    return s.showThreading;
}
bool ShowPatternChecked(const S& s) {
    return s.showPatternThreading;
}
bool DraftChecked(const S& s) {
    return !s.designMode && !s.fabricView;
}
bool DesignChecked(const S& s) {
    return s.designMode && !s.fabricView;
}
bool FabricChecked(const S& s) {
    return s.fabricView && s.fabricKind == 0;
}
bool DraperyChecked(const S& s) {
    return s.fabricView && s.fabricKind == 1;
}
bool InterlacementChecked(const S& s) {
    return s.fabricView && s.fabricKind == 2;
}
bool Never(const S&) {
    return false;
}
bool FabricWindowChecked(const S& s) {
    return s.fabricWindowOn;
}
bool PaletteChecked(const S& s) {
    return s.paletteWindowOn;
}
bool PenChecked(const S& s) {
    return !s.selectionTool && !s.lineOn;
}
bool LineChecked(const S& s) {
    return !s.selectionTool && s.lineOn;
}
bool SelectChecked(const S& s) {
    return s.selectionTool;
}
bool TreadlingAVisible(const S& s) {
    return !s.designMode;
}
template <int N> bool LanguageChecked(const S& s) {
    return s.language == N;
}
template <int N> bool RecentVisible(const S& s) {
    return s.recentFilled[N];
}

std::vector<Command> BuildTable() {
    std::vector<Command> t;
    auto add = [&t](Command c) -> Command& {
        t.push_back(c);
        return t.back();
    };

    // ---- File ----
    add(Menu("FileMenu", "&File"));
    add(Item("FileOpenItem", "FileMenu", "&Open..."))
        .Keys("Ctrl+O")
        .Hint("Open")
        .Run(&FileOpenItemClick);
    add(Item("OpenSelected1", "FileMenu", "Open &Components..."))
        .When(NotFabric)
        .Run(&OpenSelected1Click);
    add(Item("FileSaveItem", "FileMenu", "&Save"))
        .Keys("Ctrl+S")
        .Hint("Save|Save current pattern")
        .Run(&FileSaveItemClick);
    add(Item("FileSaveAsItem", "FileMenu", "Save &As...")).Run(&FileSaveAsItemClick);
    add(Sub("Export1", "FileMenu", "&Export"));
    add(Item("Heddlemark34", "Export1", "Save to hdm-file...")).Run(&Heddlemark34Click);
    add(Item("SaveasWIF1", "Export1", "Save as WIF...")).Run(&SaveasWIF1Click);
    add(Item("SaveDraftasPNGimage1", "Export1", "Save Draft as PNG-image..."))
        .When(NotDesign)
        .Run(&SaveDraftasPNGimage1Click);
    add(Item("PNG1", "Export1", "Save Fabric as PNG-image...")).Run(&PNG1Click);
    add(Item("BMP1", "Export1", "Save Drawdown as BMP-image...")).Run(&BMP1Click);
    add(Item("ReverttoSaved1", "FileMenu", "&Revert to Saved"))
        .When(Revert)
        .Run(&ReverttoSaved1Click);
    add(Sep("FileMenu"));
    add(Item("New1", "FileMenu", "&New...")).Keys("Ctrl+N").Hint("New").Run(&New1Click);
    add(Sep("FileMenu"));
    add(Item("PageSetup1", "FileMenu", "Page Se&tup...")).Run(&PageSetup1Click);
    add(Sub("FilePrintItem", "FileMenu", "&Print"));
    add(Item("AsDraft1", "FilePrintItem", "Draft...")).When(DraftOnly).Run(&AsDraft1Click);
    add(Item("AsFabric1", "FilePrintItem", "Fabric...")).When(NotDesignView).Run(&AsFabric1Click);
    add(Item("AsViewed1", "FilePrintItem", "Screen Image")).Run(&AsViewed1Click);
    add(Sub("PrintNumeric1", "FileMenu", "Print Nu&meric"));
    add(Item("PrNumThreading", "PrintNumeric1", "Pattern Threading..."))
        .Tr("@monsolv", "...")
        .When(Pattern)
        .Run(&PrNumThreadingClick);
    add(Item("PrNumLiftplan", "PrintNumeric1", "Liftplan..."))
        .Tr("@dragnota", "...")
        .When(Pattern)
        .Run(&PrNumLiftplanClick);
    add(Item("WarpColors1", "PrintNumeric1", "&Warp Colors...")).Run(&WarpColors1Click);
    add(Sep("FileMenu", "RecentSeparator")).ShowWhen(RecentVisible<0>);
    add(Item("menyfil1", "FileMenu", "&1 ")).ShowWhen(RecentVisible<0>).Run(&OpenRecentClick<1>);
    add(Item("menyfil2", "FileMenu", "&2 ")).ShowWhen(RecentVisible<1>).Run(&OpenRecentClick<2>);
    add(Item("menyfil3", "FileMenu", "&3 ")).ShowWhen(RecentVisible<2>).Run(&OpenRecentClick<3>);
    add(Item("menyfil4", "FileMenu", "&4 ")).ShowWhen(RecentVisible<3>).Run(&OpenRecentClick<4>);
    add(Item("menyfil5", "FileMenu", "&5 ")).ShowWhen(RecentVisible<4>).Run(&OpenRecentClick<5>);
    add(Sep("FileMenu"));
    add(Item("FileExitItem", "FileMenu", "E&xit")).Run(&FileExitItemClick);

    // ---- Edit ----
    add(Menu("EditMenu", "&Edit"));
    add(Item("EditUndoItem", "EditMenu", "&Undo"))
        .Keys("Ctrl+Z")
        .When(Undo)
        .Run(&EditUndoItemClick);
    add(Item("Rep1", "EditMenu", "&Repeat..."))
        .Keys("Ctrl+R")
        .When(NotFabric)
        .Run(&Rep1Click, W::W2Plus);
    add(Sep("EditMenu"));
    // The clipboard commands check first and then take their own undo steps.
    add(Item("EditCutItem", "EditMenu", "Cu&t"))
        .Keys("Ctrl+X")
        .When(Selection)
        .Run(&EditCutItemClick);
    add(Item("EditCopyItem", "EditMenu", "&Copy"))
        .Keys("Ctrl+C")
        .When(Selection)
        .Run(&EditCopyItemClick);
    add(Item("EditPasteItem", "EditMenu", "&Paste"))
        .Keys("Ctrl+V")
        .When(PasteRule)
        .Run(&EditPasteItemClick);
    add(Item("EditPasteSpecial1", "EditMenu", "Paste &Special..."))
        .Keys("Ctrl+W")
        .When(PasteRule)
        .Run(&EditPasteSpecial1Click);
    add(Item("EditDelete", "EditMenu", "Delete")).Keys("Del").When(NotFabric).Run(&EditDeleteClick);
    add(Item("Crop1", "EditMenu", "Crop")).Keys("Ctrl+K").When(Selection).Run(&Crop1Click);
    add(Item("SelectCopy1", "EditMenu", "Select &and Copy..."))
        .Keys("Ctrl+E")
        .When(SelectCopyRule)
        .Run(&SelectCopy1Click);
    add(Item("CopyImage1", "EditMenu", "Copy &Image")).Run(&CopyImage1Click);
    add(Sep("EditMenu"));
    add(Sub("Clear1", "EditMenu", "C&lear")).When(NotFabric);
    add(Item("All1", "Clear1", "&All")).Run(&ClearAllClick);
    add(Item("Threading1", "Clear1", "Pattern Threading"))
        .Tr("@monsolv")
        .When(ClearPatternRule)
        .Run(&ClearAreaClick<A::PatternThreading>, W::WC);
    add(Item("Liftplan1", "Clear1", "Liftplan"))
        .Tr("@dragnota")
        .When(PatternNotDesign)
        .Run(&ClearAreaClick<A::Liftplan>, W::WC);
    add(Item("ThreadingA1", "Clear1", "Threading A"))
        .Tr("@skaftgrupp_a")
        .When(NotDesign)
        .Run(&ClearAreaClick<A::ThreadingA>, W::WC);
    add(Item("Treadling1", "Clear1", "Treadling A"))
        .Tr("@trampning_a")
        .ShowWhen(TreadlingAVisible)
        .When(NotDesign)
        .Run(&ClearAreaClick<A::TreadlingA>, W::WC);
    add(Item("ThreadingB1", "Clear1", "Threading B"))
        .Tr("@skaftgrupp_b")
        .When(ThreadingBNotDesign)
        .Run(&ClearAreaClick<A::ThreadingB>, W::WC);
    add(Item("TreadlingB1", "Clear1", "Treadling B"))
        .Tr("@trampning_b")
        .When(TreadlingBNotDesign)
        .Run(&ClearAreaClick<A::TreadlingB>, W::WC);
    add(Item("Tieup1", "Clear1", "Tie-up AA"))
        .Tr("@tieup_aa")
        .When(NotDesign)
        .Run(&ClearAreaClick<A::TieupAA>, W::WC);
    add(Item("TieupAB1", "Clear1", "Tie-up AB"))
        .Tr("@tieup_ab")
        .When(TreadlingBNotDesign)
        .Run(&ClearAreaClick<A::TieupAB>, W::WC);
    add(Item("TieupBA1", "Clear1", "Tie-up BA"))
        .Tr("@tieup_ba")
        .When(ThreadingBNotDesign)
        .Run(&ClearAreaClick<A::TieupBA>, W::WC);
    add(Item("TieUpBB1", "Clear1", "Tie-up BB"))
        .Tr("@tieup_bb")
        .When(BothBNotDesign)
        .Run(&ClearAreaClick<A::TieupBB>, W::WC);
    add(Item("Colors1", "Clear1", "&Colors")).Run(&ClearColorsClick, W::WC);
    add(Sub("KeyboardInput1", "EditMenu", "&Keyboard Input")).When(KeyboardMenuRule);
    add(Item("KeyThreading", "KeyboardInput1", "Pattern Threading"))
        .Tr("@monsolv")
        .Keys("F2")
        .When(KeyThreadingRule)
        .Run(&KeyboardInputClick<1>);
    add(Item("KeyTreadling", "KeyboardInput1", "Liftplan"))
        .Tr("@dragnota")
        .Keys("F3")
        .When(Pattern)
        .Run(&KeyboardInputClick<4>);
    add(Item("KeyTieup", "KeyboardInput1", "Tie-up AA"))
        .Tr("@tieup_aa")
        .Keys("F4")
        .When(ShowThreadingRule)
        .Run(&KeyboardInputClick<3>);
    add(Item("Keyasghovl", "KeyboardInput1", "Threading A"))
        .Tr("@skaftgrupp_a")
        .Keys("F5")
        .When(ShowThreadingRule)
        .Run(&KeyboardInputClick<5>);
    add(Item("Keyatr", "KeyboardInput1", "Treadling A"))
        .Tr("@trampning_a")
        .Keys("F6")
        .Run(&KeyboardInputClick<2>);
    add(Item("NumericInput1", "EditMenu", "Numeric Input...")).Hidden();

    // ---- View ----
    add(Menu("Viewmenu", "&View"));
    add(Item("Draft1", "Viewmenu", "&Draft")).Group("views").Check(DraftChecked).Run(&Draft1Click);
    add(Item("Design1", "Viewmenu", "D&esign"))
        .Group("views")
        .Check(DesignChecked)
        .Run(&Design1Click);
    add(Item("Interlacement1", "Viewmenu", "&Interlacement"))
        .Group("views")
        .Check(InterlacementChecked)
        .Run(&Interlacement1Click);
    add(Item("Fabric1", "Viewmenu", "&Fabric"))
        .Group("views")
        .Check(FabricChecked)
        .Run(&Fabric1Click);
    add(Item("FabricYarnView1", "Viewmenu", "Fabric - Yarn View"))
        .Group("views")
        .Check(Never)
        .Hidden();
    add(Item("Drapery1", "Viewmenu", "D&rapery"))
        .Group("views")
        .Check(DraperyChecked)
        .Run(&Drapery1Click);
    add(Sep("Viewmenu"));
    add(Item("ShowThreading1", "Viewmenu", "&Show Threading"))
        .Check(ShowThreadingChecked)
        .When(DraftOnly)
        .Run(&ShowThreading1Click);
    add(Item("VisaMonstersolvning1", "Viewmenu", "Show Pattern Threading"))
        .Check(ShowPatternChecked)
        .When(DraftOnly)
        .Run(&VisaMonstersolvning1Click);
    add(Sep("Viewmenu"));
    add(Item("FabricWindow1", "Viewmenu", "Fabric &Window"))
        .Check(FabricWindowChecked)
        .Run(&FabricWindow1Click);

    // ---- Utilities ----
    add(Menu("Utilitymenu", "&Utilities"));
    add(Item("Trompaswrit1", "Utilitymenu", "&Tromp as Writ..."))
        .When(NotFabric)
        .Run(&Trompaswrit1Click);
    add(Sub("MirrorWarp1", "Utilitymenu", "&Make Symmetrical")).When(DraftOnly);
    add(Item("Warp1", "MirrorWarp1", "Pattern Threading"))
        .Tr("@monsolv")
        .When(Pattern)
        .Run(&MakeSymmetricalClick<MirrorTarget::Warp>);
    add(Item("Weft1", "MirrorWarp1", "Liftplan"))
        .Tr("@dragnota")
        .When(Pattern)
        .Run(&MakeSymmetricalClick<MirrorTarget::Weft>);
    add(Item("Asolv1", "MirrorWarp1", "Threading A"))
        .Tr("@skaftgrupp_a")
        .Run(&MakeSymmetricalClick<MirrorTarget::ThreadingA>);
    add(Item("Atramp1", "MirrorWarp1", "Treadling A"))
        .Tr("@trampning_a")
        .Run(&MakeSymmetricalClick<MirrorTarget::TreadlingA>);
    add(Item("Bsolv1", "MirrorWarp1", "Threading B"))
        .Tr("@skaftgrupp_b")
        .When(ThreadingB)
        .Run(&MakeSymmetricalClick<MirrorTarget::ThreadingB>);
    add(Item("Btramp1", "MirrorWarp1", "Treadling B"))
        .Tr("@trampning_b")
        .When(TreadlingB)
        .Run(&MakeSymmetricalClick<MirrorTarget::TreadlingB>);
    add(Sub("Insert1", "Utilitymenu", "&Insert")).When(NotFabric);
    add(Item("InsEnds1", "Insert1", "&Ends..."))
        .Run(&InsertDeleteClick<InsertDeleteKind::InsertEnds>);
    add(Item("InsPicks1", "Insert1", "&Picks..."))
        .Run(&InsertDeleteClick<InsertDeleteKind::InsertPicks>);
    add(Item("InsTreadles1", "Insert1", "&Treadles...")).Hidden().Run(&InsTreadles1Click);
    add(Sub("Delete1", "Utilitymenu", "&Delete")).When(NotFabric);
    add(Item("DelEnds1", "Delete1", "&Ends..."))
        .Run(&InsertDeleteClick<InsertDeleteKind::DeleteEnds>);
    add(Item("DelPicks1", "Delete1", "&Picks..."))
        .Run(&InsertDeleteClick<InsertDeleteKind::DeletePicks>);
    add(Item("DelTreadles1", "Delete1", "&Treadles...")).Hidden().Run(&DelTreadles1Click);
    add(Item("WrapLiftplan1", "Utilitymenu", "&Wrap Liftplan..."))
        .When(PatternDraftView)
        .Run(&WrapLiftplan1Click);
    add(Item("ReverseTieups1", "Utilitymenu", "Reverse Tie-ups")).Run(&ReverseTieups1Click);
    add(Item("Reverse1", "Utilitymenu", "Reverse Liftplan"))
        .Tr("@revdragnota")
        .When(PatternNotDesign)
        .Run(&Reverse1Click);
    add(Item("TieUpSpecial1", "Utilitymenu", "Tie-&up Special..."))
        .Hidden()
        .Run(&TieUpSpecial1Click);
    add(Item("SwitchTreadles1", "Utilitymenu", "Switch Tr&eadles..."))
        .Hidden()
        .Run(&SwitchTreadles1Click);
    add(Item("ReverseOrder1", "Utilitymenu", "Reverse Weft &Order"))
        .Hidden()
        .Run(&ReverseOrder1Click);

    // ---- Transform ----
    add(Menu("Transformmenu", "&Transform"));
    add(Item("Translate1", "Transformmenu", "Expand Pattern..."))
        .When(PatternNotFabric)
        .Run(&Translate1Click, W::W2);
    add(Item("InsertThreading1", "Transformmenu", "Insert in Pattern threading..."))
        .When(PatternDraftView)
        .Run(&InsertThreading1Click, W::W2);
    add(Item("InsShafts1", "Transformmenu", "Insert Pattern shafts..."))
        .When(PatternShown)
        .Run(&InsShafts1Click);
    add(Item("DelShafts1", "Transformmenu", "Delete Pattern shafts..."))
        .When(PatternShown)
        .Run(&DelShafts1Click);
    add(Item("SwitchShafts1", "Transformmenu", "Switch Pattern shafts..."))
        .When(PatternShown)
        .Run(&SwitchShafts1Click);
    // Both take the W1 steps themselves, and only when they change the draft.
    add(Item("Reanalyze1", "Transformmenu", "&Reanalyze Pattern"))
        .When(PatternDraftView)
        .Run(&Reanalyze1Click);
    add(Item("StraightThreading1", "Transformmenu", "&Straight Pattern threading"))
        .When(PatternDraftView)
        .Run(&StraightThreading1Click);
    add(Item("Reducetoonerepeat1", "Transformmenu", "Reduce to one pattern repeat"))
        .When(PatternNotDesign)
        .Run(&Reducetoonerepeat1Click);
    add(Item("BlockSubstitution1", "Transformmenu", "Block Substitution...")).Hidden();
    add(Item("Overlay1", "Transformmenu", "&Overlay...")).Hidden();
    add(Item("Network1", "Transformmenu", "&Network...")).Hidden();
    add(Item("RotatePattern1", "Transformmenu", "Rotate &Pattern")).Hidden();
    add(Item("InsertTreadling1", "Transformmenu", "Insert Tr&eadling...")).Hidden();
    add(Item("InsertinLiftplan1", "Transformmenu", "Insert in &Liftplan...")).Hidden();
    add(Item("DeleteinLiftplan1", "Transformmenu", "&Delete in Liftplan...")).Hidden();

    // ---- Fill ----
    add(Menu("Library1", "Fill"));
    // Each generator item runs the generator wrapper itself, with its target's
    // area and after the satin dialog has been answered.
    add(Sub("ThreadingLib", "Library1", "Pattern Threading")).Tr("@monsolv").When(PatternNotDesign);
    add(Item("Straight1", "ThreadingLib", "&Straight"))
        .Run(&FillClick<GT::PatternThreading, GK::Straight>);
    add(Item("Pointed1", "ThreadingLib", "&Pointed"))
        .Run(&FillClick<GT::PatternThreading, GK::Pointed>);
    add(Item("Rosepath1", "ThreadingLib", "&Rosepath"))
        .Run(&FillClick<GT::PatternThreading, GK::Rosepath>);
    add(Sub("ThreadinglibA1", "Library1", "Threading A")).Tr("@skaftgrupp_a").When(NotDesign);
    add(Item("Straight3", "ThreadinglibA1", "&Straight"))
        .CopyOf("Straight1")
        .Run(&FillClick<GT::ThreadingA, GK::Straight>);
    add(Item("Pointed3", "ThreadinglibA1", "&Pointed"))
        .CopyOf("Pointed1")
        .Run(&FillClick<GT::ThreadingA, GK::Pointed>);
    add(Item("Rosepath3", "ThreadinglibA1", "&Rosepath"))
        .CopyOf("Rosepath1")
        .Run(&FillClick<GT::ThreadingA, GK::Rosepath>);
    add(Sub("TreadlingLib", "Library1", "Treadling A")).Tr("@trampning_a").When(NotDesign);
    add(Item("Straight2", "TreadlingLib", "&Straight"))
        .Run(&FillClick<GT::TreadlingA, GK::Straight>);
    add(Item("Pointed2", "TreadlingLib", "&Pointed")).Run(&FillClick<GT::TreadlingA, GK::Pointed>);
    add(Item("Rosepath2", "TreadlingLib", "&Rosepath"))
        .Run(&FillClick<GT::TreadlingA, GK::Rosepath>);
    add(Sub("TieupLib", "Library1", "Tie-up AA")).Tr("@tieup_aa").When(NotDesign);
    add(Item("RandomTwill1", "TieupLib", "&Twill Variations"))
        .Run(&FillClick<GT::TieupAA, GK::RandomTwill>);
    add(Item("Satin1", "TieupLib", "&Satin...")).Run(&FillClick<GT::TieupAA, GK::Satin>);
    add(Item("Plain1", "TieupLib", "&Plain Weave")).Run(&FillClick<GT::TieupAA, GK::Plain>);
    add(Item("Dots1", "TieupLib", "Point marks")).Run(&FillClick<GT::TieupAA, GK::PointMarks>);
    add(Sub("ThreadinglibB1", "Library1", "Threading B"))
        .Tr("@skaftgrupp_b")
        .When(ThreadingBNotDesign);
    add(Item("Straight4", "ThreadinglibB1", "&Straight"))
        .CopyOf("Straight1")
        .Run(&FillClick<GT::ThreadingB, GK::Straight>);
    add(Item("Pointed4", "ThreadinglibB1", "&Pointed"))
        .CopyOf("Pointed1")
        .Run(&FillClick<GT::ThreadingB, GK::Pointed>);
    add(Item("Rosepath4", "ThreadinglibB1", "&Rosepath"))
        .CopyOf("Rosepath1")
        .Run(&FillClick<GT::ThreadingB, GK::Rosepath>);
    add(Sub("Treadlinglibb1", "Library1", "Treadling B"))
        .Tr("@trampning_b")
        .When(TreadlingBNotDesign);
    add(Item("Straight5", "Treadlinglibb1", "&Straight"))
        .CopyOf("Straight1")
        .Run(&FillClick<GT::TreadlingB, GK::Straight>);
    add(Item("Pointed5", "Treadlinglibb1", "&Pointed"))
        .CopyOf("Pointed1")
        .Run(&FillClick<GT::TreadlingB, GK::Pointed>);
    add(Item("Rosepath5", "Treadlinglibb1", "&Rosepath"))
        .CopyOf("Rosepath1")
        .Run(&FillClick<GT::TreadlingB, GK::Rosepath>);
    add(Sub("TieuplibBB1", "Library1", "Tie-up BB")).Tr("@tieup_bb").When(BothBNotDesign);
    add(Item("RandomTwill2", "TieuplibBB1", "&Twill Variations"))
        .CopyOf("RandomTwill1")
        .Run(&FillClick<GT::TieupBB, GK::RandomTwill>);
    add(Item("Satin2", "TieuplibBB1", "&Satin..."))
        .CopyOf("Satin1")
        .Run(&FillClick<GT::TieupBB, GK::Satin>);
    add(Item("Plain2", "TieuplibBB1", "&Plain Weave"))
        .CopyOf("Plain1")
        .Run(&FillClick<GT::TieupBB, GK::Plain>);
    add(Item("Dots2", "TieuplibBB1", "Point marks"))
        .CopyOf("Dots1")
        .Run(&FillClick<GT::TieupBB, GK::PointMarks>);
    add(Sub("TieuplibAB1", "Library1", "Tie-up AB")).Tr("@tieup_ab").When(TreadlingBNotDesign);
    add(Item("Dots3", "TieuplibAB1", "Point marks"))
        .CopyOf("Dots1")
        .Run(&FillClick<GT::TieupAB, GK::PointMarks>);
    add(Sub("TieuplibBA1", "Library1", "Tie-up BA")).Tr("@tieup_ba").When(ThreadingBNotDesign);
    add(Item("Dots4", "TieuplibBA1", "Point marks"))
        .CopyOf("Dots1")
        .Run(&FillClick<GT::TieupBA, GK::PointMarks>);
    add(Sep("Library1"));
    add(Item("WarpColors2", "Library1", "Colors...")).Run(&WarpColors2Click);

    // ---- Analyze ----
    add(Menu("Analyzemenu", "&Analyze"));
    add(Item("Repeats1", "Analyzemenu", "&Repeats")).Run(&AnalyzeItemClick<ReportKind::Repeats>);
    add(Item("Floats1", "Analyzemenu", "&Floats"))
        .When(NotDesign)
        .Run(&AnalyzeItemClick<ReportKind::Floats>);
    add(Item("Colors2", "Analyzemenu", "&Colors"))
        .When(NotDesign)
        .Run(&AnalyzeItemClick<ReportKind::Colors>);
    add(Item("Heddles1", "Analyzemenu", "&Heddles"))
        .When(NotDesign)
        .Run(&AnalyzeItemClick<ReportKind::Heddles>);

    // ---- Yarn ----
    add(Menu("Yarn2", "Yarn"));
    add(Item("EditColors1", "Yarn2", "&Edit Colors...")).Hint("Edit Colors").Run(&EditColors1Click);
    add(Item("ColorWindow1", "Yarn2", "&Color Palette"))
        .Check(PaletteChecked)
        .Run(&ColorWindow1Click);
    add(Item("ColorDialogItem", "Yarn2", "&Color Dialog")).Run(&ColorDialogItemClick);

    // ---- Options ----
    add(Menu("Optionsmenu", "&Options"));
    add(Item("Options2", "Optionsmenu", "&Options...")).Keys("Ctrl+I").Run(&Options2Click);
    add(Item("SaveSettings1", "Optionsmenu", "&Save Settings")).Hidden().Run(&SaveSettings1Click);
    add(Sub("Language1", "Optionsmenu", "&Language"));
    add(Item("English1", "Language1", "English"))
        .Group("languages")
        .Check(LanguageChecked<0>)
        .Run(&LanguageClick<LangEnglish>);
    add(Item("Deutsch1", "Language1", "Deutsch"))
        .Group("languages")
        .Check(LanguageChecked<1>)
        .Run(&LanguageClick<LangGerman>);
    add(Item("Svensk1", "Language1", "Svenska"))
        .Group("languages")
        .Check(LanguageChecked<2>)
        .Run(&LanguageClick<LangSwedish>);
    add(Item("Suomi1", "Language1", "Suomi"))
        .Group("languages")
        .Check(LanguageChecked<3>)
        .Run(&LanguageClick<LangFinnish>);
    add(Item("Zoom1", "Optionsmenu", "&Zoom...")).Run(&Zoom1Click);
    add(Item("Note1", "Optionsmenu", "&Note...")).Run(&Note1Click);

    // ---- Weave (hidden, no function) ----
    add(Menu("Weavemenu", "&Weave")).Hidden();
    add(Item("LoomControl1", "Weavemenu", "&Loom Control"));
    add(Item("Resume1", "Weavemenu", "&Resume"));
    add(Item("Cartridge1", "Weavemenu", "&Cartridge"));
    add(Item("WeaveOptions1", "Weavemenu", "&Options..."));

    // ---- Help ----
    add(Menu("HelpMenu", "&Help"));
    add(Item("HelpContentsItem", "HelpMenu", "&Help Topics"))
        .Keys("F1")
        .Run(&HelpContentsItemClick);
    add(Sub("OntheWeb1", "HelpMenu", "On the &Web"));
    add(Item("HeddlemarkHomePage1", "OntheWeb1", "Heddlemark Home Page"))
        .Run(&HeddlemarkHomePage1Click);
    add(Item("HelpAboutItem", "HelpMenu", "&About Heddlemark...")).Run(&HelpAboutItemClick);

    // ---- tool bar ----
    add(Tool("ToolButtonNew", "New", "new")).Twin("New1");
    add(Tool("ToolButton1", "Open", "open")).Twin("FileOpenItem");
    add(Tool("ToolButton2", "Save|Save current pattern", "save")).Twin("FileSaveItem");
    add(ToolSep());
    add(Tool("PenSpeedButton", "Pen|Pen tool", "pen"))
        .Group("tools")
        .Check(PenChecked)
        .Run(&PenSpeedButtonClick);
    add(Tool("LineSpeedButton", "Line|Line tool", "line"))
        .Group("tools")
        .Check(LineChecked)
        .Run(&LineSpeedButtonClick);
    add(Tool("SelectSpeedButton", "Selection|Selection tool", "select"))
        .Group("tools")
        .Check(SelectChecked)
        .Run(&SelectSpeedButtonClick);
    add(ToolSep());
    add(Tool("DraftSpeedButton", "Draft/Fabric|Toggle Draft or Design/Fabric view", "draftfabric"))
        .Run(&DraftSpeedButtonClick);
    add(Tool("DisplaySpeedButton", "Toggle Threading|Toggle threading display", "threading"))
        .Twin("ShowThreading1");
    // The button shares the item's rules but runs under plain W2.
    add(Tool("RepSpeedButton", "Repeat", "repeat")).Twin("Rep1").Run(&Rep1Click, W::W2);
    add(ToolSep());
    add(Tool("ToolButtonEdcol", "Edit Colors", "editcolors")).Twin("EditColors1");
    add(Tool("PalSpeedButton", "Color Palette", "palette"))
        .Twin("ColorWindow1")
        .Check(PaletteChecked);
    add(Tool("ToolButtonNote", "Notes", "note")).Run(&ToolButtonNoteClick);
    add(Tool("OptionSpeedButton", "Options", "options")).Twin("Options2");
    add(ToolSep());
    add(Widget("SlideBar1"));
    add(Widget("Zpanel"));
    add(ToolSep());
    add(Widget("ComboBoxL"));
    return t;
}

} // namespace

std::span<const Command> Commands() {
    static const std::vector<Command> table = BuildTable();
    return table;
}

const Command* FindCommand(std::string_view name) {
    if (name.empty()) return nullptr;
    for (const Command& c : Commands())
        if (name == c.name) return &c;
    return nullptr;
}

namespace {

// The entry whose rules apply: a tool bar button's twin, else the entry itself.
const Command& RuleSource(const Command& c) {
    if (c.kind == CommandKind::ToolButton && *c.twin)
        if (const Command* twin = FindCommand(c.twin)) return *twin;
    return c;
}

} // namespace

const Command& HandlerSource(const Command& c) {
    if (!c.handler && c.kind == CommandKind::ToolButton) return RuleSource(c);
    return c;
}

bool CommandEnabled(const Command& c, const CommandState& s) {
    const Command& r = RuleSource(c);
    const bool isMenu = c.kind == CommandKind::Menu || c.kind == CommandKind::Submenu;
    if (!isMenu && !HandlerSource(c).handler) return false;
    return r.enabled ? r.enabled(s) : true;
}

bool CommandVisible(const Command& c, const CommandState& s) {
    if (c.hidden) return false;
    const Command& r = RuleSource(c);
    return r.visible ? r.visible(s) : true;
}

bool CommandChecked(const Command& c, const CommandState& s) {
    const Command& r = RuleSource(c);
    return r.checked ? r.checked(s) : false;
}

} // namespace hm
