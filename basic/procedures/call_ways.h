// How each call goes, chosen once the whole program is compiled: a
// procedure is reentrant when it can be called again while a call of it is
// under way, from its own body or its callees'; a call site's way follows
// from its arguments and its procedure (CallWay in procedure.h).
#pragma once

struct Code;

void ChooseCallWays(Code& code);
