// The exports plugin_exports.inc lists by ordinal: attach/detach,
// activate/report and two queries. Standard calling convention.
#pragma once

#include <type_traits>

#include "plugin/frame/plugin_state.hpp"
#include "plugin/interface/calling.hpp"

extern "C" {
int KZ_STDCALL kz_attach(kz::NotificationFunction notification, char* description);
int KZ_STDCALL kz_activate(int report);
int KZ_STDCALL kz_query();
int KZ_STDCALL kz_queryValue(int value);
}

static_assert(std::is_same_v<decltype(&kz_attach), kz::AttachExport>);
static_assert(std::is_same_v<decltype(&kz_activate), kz::ActivateExport>);
static_assert(std::is_same_v<decltype(&kz_query), kz::QueryExport>);
static_assert(std::is_same_v<decltype(&kz_queryValue), kz::QueryValueExport>);
