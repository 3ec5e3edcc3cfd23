// SPDX-License-Identifier: MIT
#pragma once
// The language of the text commands' output.

#include <QString>

namespace lunafold::cli {

class Options;

/// The system's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), or --locale; throws for an unknown one.
void applyLocale(const Options &o);
/// The language of place names: JSON is the same wherever it runs (English) unless --locale asks,
/// text follows the system's language. Applies it as applyLocale() does.
QString placeLanguage(const Options &o, bool json);

} // namespace lunafold::cli
