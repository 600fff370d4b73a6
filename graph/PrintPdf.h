#pragma once

#include <QByteArray>
#include <QString>

struct ProjectState;

// The printed project sheet as the bytes of a PDF document, made in memory
// so a file is touched only once the whole document came out. Empty when
// the sheet could not be made.
QByteArray ProjectSheetPdf(const ProjectState& project, const QString& note = QString());
