#include "settings/ui/optionscommands.h"

#include "model/draft.h"
#include "ops/countchanges.h"
#include "settings/basemultilang.h"
#include "settings/settingsstore.h"
#include "settings/ui/optionsdialog.h"
#include "ui/commandcontext.h"
#include "ui/commandhost.h"

namespace hm {

bool Options2Click(CommandContext& ctx) {
    Draft& d = ctx.draft;
    const DraftCounts before = CountsOf(d);
    TPagesDlg dialog(d, ctx.settings, ctx.dialogParent);
    const bool ok = ctx.Exec(dialog) == QDialog::Accepted || dialog.FieldsApplied();
    if (!ok) return false;
    if (ctx.settings.values.SaveSettings) {
        ctx.doc.NewPattern.Epi = d.Epi;
        ctx.doc.NewPattern.Ppi = d.Ppi;
    }
    ctx.doc.Modified = true;
    ApplyCountChanges(d, before);
    ctx.view.ExpertMode = ctx.settings.values.ExpertMode;
    ctx.host.Update();
    ctx.host.RefreshFabricWindow();
    ctx.host.UpdateCaptions();
    return true;
}

bool SaveSettings1Click(CommandContext& ctx) {
    ctx.host.StoreWindowState();
    SettingsValues& v = ctx.settings.values;
    // The stored start view stays the one read at start-up.
    const bool designMode = v.DesignMode;
    ctx.settings.TakeFrom(ctx.draft);
    v.DesignMode = designMode;
    v.NufilPath = ctx.doc.CurrentFolder;
    ctx.settings.WriteAllSettings();
    return false;
}

void SetLanguage(CommandContext& ctx, int language) {
    SetLanguageEverywhere(language);
    ctx.settings.values.Language = CurrentLanguage();
    ctx.host.LanguageChanged();
}

} // namespace hm
