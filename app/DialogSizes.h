#pragma once

#include <QDialog>
#include <QSize>

// The platform's file dialogs open too small to read long names and dates in
// at the toolkit's own size hint; this gives them room.
inline QSize ReadableFileDialogSize()
{
    return QSize(900, 560);
}

// Call before exec(): the dialog opens at least this large.
inline void GiveReadableSize(QDialog& dialog)
{
    dialog.resize(dialog.sizeHint().expandedTo(ReadableFileDialogSize()));
}
