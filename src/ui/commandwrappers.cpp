#include "ui/commandwrappers.h"

namespace hm {

void RunW1(CommandHost& host, const std::function<void()>& operation, bool update) {
    host.TakeUndoSnapshot();
    operation();
    if (update) {
        host.Update();
        host.MarkModified();
    } else {
        host.MarkModified();
    }
    host.MarkUndoAvailable();
}

void RunW2(CommandHost& host, const std::function<bool()>& dialog) {
    const bool applied = dialog();
    host.MarkModified();
    if (applied) host.MarkUndoAvailable();
}

void RunW2Plus(CommandHost& host, const std::function<bool()>& dialog, bool markAlways) {
    host.TakeUndoSnapshot();
    const bool applied = dialog();
    host.MarkModified();
    if (applied || markAlways) host.MarkUndoAvailable();
}

void RunW3(CommandHost& host, ViewArea target, const std::function<void()>& generate) {
    host.TakeUndoSnapshot();
    if (host.HasSelection()) host.ResetTool();
    host.EraseMarks(target);
    generate();
    host.RepaintDraft();
    host.MarkModified();
    host.MarkUndoAvailable();
}

void RunWC(CommandHost& host, const std::function<void()>& clear) {
    host.TakeUndoSnapshot();
    clear();
    host.ClearAndRepaint();
    host.MarkModified(); // refreshes the fabric window

    host.MarkUndoAvailable();
}

bool RunWrapped(WrapperKind wrapper, CommandContext& ctx, CommandHandler handler, bool markAlways) {
    bool result = false;
    auto call = [&] { return result = handler(ctx); };
    switch (wrapper) {
    case WrapperKind::None:
        call();
        break;
    case WrapperKind::W1:
        RunW1(ctx.host, [&] { call(); });
        break;
    case WrapperKind::W2:
        RunW2(ctx.host, call);
        break;
    case WrapperKind::W2Plus:
        RunW2Plus(ctx.host, call, markAlways);
        break;
    case WrapperKind::W3:
        RunW3(ctx.host, ViewArea::None, [&] { call(); });
        break;
    case WrapperKind::WC:
        RunWC(ctx.host, [&] { call(); });
        break;
    }
    return result;
}

} // namespace hm
