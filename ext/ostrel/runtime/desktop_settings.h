#pragma once

// What the desktop runtime keeps in the platform settings (Qt's default
// settings of the organisation and application): the active theme and the
// store group "store". A fresh settings object serves every read and write.

#include <string>

#include "ext/ostrel/engine/oapp.h"

namespace Ostrel {

// OSTREL_THEME when set (even empty), else the setting "themes/active_theme",
// else default_theme.
std::string startup_theme_name(const std::string& default_theme);

// Copies every key directly in the settings group "store" into OApp::store,
// replacing present values; keys of sub-groups are not read.
void restore_store(OApp& app);

// The store-persist hook: writes "store/" + key, or removes it for an empty
// value.
void persist_store_value(const std::string& key, const std::string& value);

// The theme-persist hook: writes "themes/active_theme".
void persist_active_theme(const std::string& theme_name);

}  // namespace Ostrel
