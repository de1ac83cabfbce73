// The four exports by ordinal: 30001 attach/detach, 30008 activate/report,
// 30009 and 30010 queries. Standard calling convention.
#pragma once

#include "plugin/frame/calling.hpp"
#include "plugin/frame/plugin_state.hpp"

extern "C" {
int KZ_STDCALL kz_attach(kz::NotificationFunction notification, char* description);
int KZ_STDCALL kz_activate(int report);
int KZ_STDCALL kz_query();
int KZ_STDCALL kz_queryValue(int value);
}
