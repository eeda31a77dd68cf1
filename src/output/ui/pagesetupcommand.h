#pragma once
// File > Page Setup: the page margins that printing uses, kept for the session
// in the command context (ctx.Own<PageMargins>()).

namespace hm {

class CommandContext;

bool PageSetup1Click(CommandContext& ctx);

} // namespace hm
