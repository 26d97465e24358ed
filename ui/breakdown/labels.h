// The texts of a price breakdown in the window's language. The engine writes
// its items' labels, choices and kinds as Czech texts and codes; the window
// translates them here: a label through its key (its text with the numbers as
// %1, %2), a kind by its code.
#pragma once

#include <QString>
#include <QStringView>
#include <string_view>

#include "pricing/breakdown.h"

namespace sazbar::ui {

// "Volání", "Calls", ...
QString itemKindName(ItemKind k);

// The label of an item, a choice or an option in the window's language, with
// its numbers in place.
QString breakdownLabel(const LabelKey& key);

// Whether `pattern` is a key of the window's table of labels: every key the
// engine writes must be, or it is never translated.
bool knownLabel(std::string_view pattern);

// A hint line that says a tariff cannot carry a service ("nepodporuje GPRS")
// in the window's language; empty for any other line.
QString unsupportedLine(QStringView hintLine);

}  // namespace sazbar::ui
