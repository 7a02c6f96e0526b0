#pragma once

#include "Prompts.h"

#include <QString>
#include <QTextDocument>

// The Export command of the quick report: asks where to, writes the report
// view's content there as RTF and tells the user how it went.
namespace cashvane {

void exportReport(Prompts& prompts, const QTextDocument& report, const QString& profileName,
                  const QString& homeDir);

} // namespace cashvane
