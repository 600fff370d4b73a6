#pragma once

#include <UserText.h>

#include <QString>

// A text of the layers below the window in the user's language: the source
// translated in its context, the placeholders filled in one pass (numbers in
// the user's locale, texts translated on their own, names as they are).
QString Tr(const UserText& text);
