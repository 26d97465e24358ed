// The problems the tariff reader finds, in the window's language. The reader
// words them in English for the command line; the windows show them through
// this table of their forms, each with its quoted parts put back.
#pragma once

#include <QString>

#include "catalogue/reader.h"

namespace sazbar::ui {

// What is wrong, in the window's language; a message of a form the table does
// not know stays as the reader wrote it.
QString problemReason(const catalogue::Problem& p);

// "PATH: reason" (or "line L, column C: reason"), with "Varování: " before a warning.
QString problemLine(const catalogue::Problem& p);

}  // namespace sazbar::ui
