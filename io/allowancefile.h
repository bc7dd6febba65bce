#pragma once

#include <QString>

#include <optional>

#include "core/gear/allowancetable.h"
#include "io/fileoutcome.h"

namespace geardim {

// Reads the shop's allowance table (CSV, at most 1 MiB, a regular file); the problem
// names the file and the line.
FileOutcome<AllowanceTable> readAllowanceTable(const QString &path);

// The table the windows read, as last chosen in one of them (empty: none), and choosing it.
QString rememberedAllowanceTable();
void rememberAllowanceTable(const QString &path);

// The table the windows read, read: none when none was chosen, or the problem of reading it.
FileOutcome<std::optional<AllowanceTable>> readRememberedAllowanceTable();

} // namespace geardim
